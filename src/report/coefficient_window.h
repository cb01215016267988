#pragma once
// The coefficient window ("土圧係数") without its widgets: the inputs of the
// embankment coefficient table with their list rules, the wall type, which tabs
// are shown, and the show-time set-up. Its sections are the window's own.
#include <functional>
#include <string>
#include <vector>

#include "model/design_conditions_editor.h"
#include "model/screen_position.h"
#include "platform/dialogs.h"
#include "report/coefficient_tables.h"

namespace marvoten {

namespace items {
extern const std::vector<std::string> coefficientSoilKind;  // "礫質土", "砂質土", "粘性土"
extern const std::vector<std::string> coefficientGamma;     // "20", "19", "18"
extern const std::vector<std::string> coefficientPhi;       // "35", "30", "25"
extern const std::vector<std::string> coefficientCohesion;  // "0", "1"
extern const std::vector<std::string> coefficientCase;      // "常時", "地震時"
extern const std::vector<std::string> coefficientKh;        // "0.10" … "0.20"
extern const std::vector<std::string> wallTypeTabs;         // "重力式１" … "逆Ｔ型"
extern const std::vector<std::string> gravityBackSlope;     // "0.0" … "0.6"
extern const std::vector<std::string> leaningBackSlope;     // "0.0" … "-0.6"
}  // namespace items

enum class WallTypeTab { Gravity1 = 0, Gravity2 = 1, Leaning = 2, InvertedT = 3 };
enum class CoefficientTab { Coefficients = 0, Nc = 1, Nq = 2, Ngamma = 3 };

// The message for the inverted-T wall, lines separated by CR.
extern const std::string invertedTWallMessage;

// The note under the coefficient table: δ and Zc as the table takes them.
std::string coefficientTableAssumptions(bool seismic);

struct CoefficientChange {
    enum Flag : unsigned {
        Inputs = 1u << 0,        // field texts, enabled flags, wall type
        Coefficients = 1u << 1,  // table and figure of the coefficients
        BearingFactors = 1u << 2,
        Tabs = 1u << 3,    // shown tabs, selected tab
        Window = 1u << 4,  // visible, position
    };
    unsigned flags = 0;
    bool has(Flag f) const { return (flags & f) != 0; }
};

class CoefficientWindow {
public:
    CoefficientWindow(Dialogs& dialogs, DesignConditionsEditor& editor);
    void setListener(std::function<void(const CoefficientChange&)> l) { listener_ = std::move(l); }

    // --- inputs of the coefficient tab -------------------------------------------
    const std::string& gamma() const { return gamma_; }
    const std::string& phi() const { return phi_; }
    const std::string& cohesion() const { return cohesion_; }
    const std::string& kh() const { return kh_; }
    bool khEnabled() const { return khEnabled_; }
    int soilKind() const { return soilKind_; }
    int loadCase() const { return loadCase_; }
    WallTypeTab wallType() const { return wallType_; }
    const std::string& gravityBackSlope() const { return gravityBackSlope_; }
    const std::string& leaningBackSlope() const { return leaningBackSlope_; }

    // A soil kind fills γ and φ; "地震時" enables kh with 0.1, "常時" greys it with 0.0.
    void chooseSoilKind(int item);
    void chooseLoadCase(int item);
    void setGamma(std::string text);
    void setPhi(std::string text);
    void setCohesion(std::string text);
    void setKh(std::string text);  // ignored while kh is disabled
    void chooseWallType(WallTypeTab type);
    void setGravityBackSlope(std::string text);
    void setLeaningBackSlope(std::string text);

    // "表示": the coefficient table and figure from the current inputs. The inverted-T
    // wall and inputs that are no numbers or out of range are reported and leave the
    // table and figure as they were.
    void display();

    // --- the window ----------------------------------------------------------------
    bool visible() const { return visible_; }
    ScreenPosition position() const { return position_; }
    bool tabShown(CoefficientTab t) const;
    CoefficientTab selectedTab() const { return selected_; }
    void selectTab(CoefficientTab t);

    // "4.土圧係数": where the window stands; the toolbar "土圧係数" places it first.
    void showCoefficients();
    void showCoefficientsAt(ScreenPosition position);
    // "支持力係数": placed, the three bearing-factor tabs shown, their tables and
    // figures filled.
    void showBearingFactorsAt(ScreenPosition position);
    void close();  // "閉じる"

    // Which wall friction and crack rule the shown table assumes: its own, never the
    // current design's.
    const std::string& tableAssumptions() const { return assumptions_; }
    const TableSection& coefficientTable() const { return table_; }
    const FigureSection& coefficientFigure() const { return figure_; }
    const BearingFactorTabs& bearingFactorTabs() const { return bearing_; }

private:
    void show();
    void showTimeSetUp();
    void displayPendingTable();
    void notify(unsigned flags);

    Dialogs& dialogs_;
    DesignConditionsEditor& editor_;
    std::function<void(const CoefficientChange&)> listener_;

    int soilKind_ = 0;
    std::string gamma_ = "20";
    std::string phi_ = "35";
    std::string cohesion_ = "0";
    int loadCase_ = 0;
    std::string kh_ = "0.00";
    bool khEnabled_ = false;
    WallTypeTab wallType_ = WallTypeTab::Gravity1;
    std::string gravityBackSlope_ = "0.3";
    std::string leaningBackSlope_ = "-0.3";

    bool visible_ = false;
    ScreenPosition position_;
    bool coefficientTabShown_ = true;
    bool bearingTabsShown_ = true;
    CoefficientTab selected_ = CoefficientTab::Coefficients;
    bool tablePending_ = false;  // set up for this showing, not yet computed

    std::string assumptions_ = coefficientTableAssumptions(false);
    TableSection table_ = makeCoefficientTable();
    FigureSection figure_ = makeCoefficientFigure();
    BearingFactorTabs bearing_ = makeBearingFactorTabs();
};

}  // namespace marvoten
