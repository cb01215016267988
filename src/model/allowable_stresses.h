#pragma once
// Allowable stresses of reinforced concrete and bars for the member design, as the
// allowable-stress table derives them from the design strength σck, the bar grade
// and the load case, and the table's own state between openings.
#include <string>
#include <vector>

#include "model/design_conditions.h"
#include "platform/number_text.h"

namespace marvoten {

namespace items {
extern const std::vector<std::string> designStrength;  // "18" … "30" (σck, N/mm2)
extern const std::vector<std::string> concreteStructure;  // "無筋ｺﾝｸﾘｰﾄ", "鉄筋ｺﾝｸﾘｰﾄ"
extern const std::vector<std::string> barGrade;           // "SD295A,SD295B", "SD345"
extern const std::vector<std::string> allowableLoadCase;  // "常時", "地震時"
}  // namespace items

enum class BarGrade { SD295 = 0, SD345 = 1 };

// The five texts of the table, N/mm2.
struct AllowableStressTexts {
    std::string sigmaCa;   // σca  allowable bending compression, "0"
    std::string sigmaCat;  // σcat allowable bending tension, "0"
    std::string tauA1;     // τa1  allowable shear, "0.00"
    std::string tau0;      // τo   allowable bond, "0.0"
    std::string sigmaSa;   // σsa  allowable bar tension, "0"
    bool operator==(const AllowableStressTexts&) const = default;
};

// The five fields in the window's order.
enum class AllowableStressField { SigmaCa, SigmaCat, TauA1, Tau0, SigmaSa };
inline constexpr int allowableStressFieldCount = 5;
std::string& textOf(AllowableStressTexts& texts, AllowableStressField field);

// σck is one of 18, 21, 24, 27, 30 (std::invalid_argument otherwise). The seismic
// case raises the concrete values by 1.5; σsa takes the grade's seismic value.
AllowableStressTexts recomputeAllowableStresses(int sigmaCk, BarGrade grade, bool seismic);

// The allowable-stress table as a window keeps it: its three choices (zero-based
// item indexes, −1 for none) and the five field texts. The window is not recomputed
// on opening; only a click on a choice recomputes it.
class AllowableStressWindow {
public:
    int designStrength() const { return designStrength_; }
    int barGrade() const { return barGrade_; }
    int loadCase() const { return loadCase_; }
    const AllowableStressTexts& texts() const { return texts_; }
    bool visible() const { return visible_; }

    // Clicks on the choices: select the item and recompute the five fields.
    void chooseDesignStrength(int item);
    void chooseBarGrade(int item);
    void chooseLoadCase(int item);
    // A text typed into a field: σsa from the keyboard, any of the five from the
    // input palette. The next click on a choice overwrites it.
    void typeText(AllowableStressField field, std::string text) {
        textOf(texts_, field) = asciiNumberForms(text);
    }

    void show() { visible_ = true; }
    // "設計条件に転記": the chosen σck and the five texts, unchanged, into the
    // design conditions; then the window hides.
    void transferTo(DesignConditions& d);
    // "取　消": hides without copying; the choices stay as they are.
    void cancel() { visible_ = false; }

    // Keeping the table in step with a loaded design file: the load case is set like a
    // choice (recomputed only when it changes); the design strength follows a σck text
    // that is exactly one of the items; the five texts are the file's.
    void followLoadedLoadCase(int seismicCase);
    void followLoadedStresses(const DesignConditions& d);

private:
    void recompute();

    int designStrength_ = 2;  // "24"
    int barGrade_ = 1;        // "SD345"
    int loadCase_ = 0;        // "常時"
    AllowableStressTexts texts_{"8", "0", "0.23", "1.6", "160"};
    bool visible_ = false;
};

}  // namespace marvoten
