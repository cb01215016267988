#pragma once
// The design-conditions editor ("設計条件") without its window: it owns the design
// state, performs every user action with the editor's reactions (presets, options
// that fill or clear their dependent fields, the seismic-coefficient tools, rebar
// modes), reads and writes the design file, and tells its window through one
// notification what to refresh.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/allowable_stresses.h"
#include "model/design_conditions.h"
#include "model/validation.h"
#include "platform/dialogs.h"

namespace marvoten {

enum class Choice {
    BackfillSoilType,
    WallFrictionRatio,
    BodyKind,
    HasShearKey,
    BackfillShape,
    SurchargeZone,
    LoadOnVirtualBack,
    SurchargeTreatment,
    StemPressureMethod,
    SeismicCase,
    SeismicLoadSet,
    OutputColour,
    OverturningMethod,
    StemRebarMode,
    ToeRebarMode,
    HeelRebarMode,
    KeyRebarMode,
};

enum class Option {
    HasSurcharge,
    HasSnow,
    HasPassive,
    HasWater,
    HasWind,
    HasCollision,
    BuoyancyInSlab,
    ConsiderZc,
};

enum class RebarMember { Stem, Toe, Heel, Key };

// What the window has to refresh after one editor action; one notification per action.
struct EditorChange {
    enum Flag : unsigned {
        Values = 1u << 0,                // texts, indexes, switches, enabled flags, colours
        Picture = 1u << 1,               // the wall pictures are drawn again
        Visibility = 1u << 2,            // shear-key tab, result page and menu entry; seismic page
        Caption = 1u << 3,               // caption() and subjectName
        RegionLists = 1u << 4,           // regionKeys(), municipalities()
        AllowableStresses = 1u << 5,     // the allowable-stress table's choices or texts
        ShowEditor = 1u << 6,            // bring the editor to the front
        SelectSelfWeightPage = 1u << 7,  // select the load page "(1)自重"
        HideResults = 1u << 8,           // hide the results window
    };
    unsigned flags = 0;
    bool has(Flag f) const { return (flags & f) != 0; }
};
using EditorListener = std::function<void(const EditorChange&)>;

// The confirmation before a run started from the editor, lines separated by CR.
std::string calculationStartQuestion(const DesignConditions& d);
// The note of the button "δ説明", lines separated by CR.
extern const std::string wallFrictionNote;

// Item texts of a choice in the order the editor shows them, their count, and the
// chosen index in the record.
const std::vector<std::string>& choiceItems(Choice c);
int choiceItemCount(Choice c);
int& choiceIndex(DesignConditions& d, Choice c);
int choiceIndex(const DesignConditions& d, Choice c);
Switch& optionSwitch(DesignConditions& d, Option o);
RebarChoice& rebarChoice(DesignConditions& d, RebarMember m);

class DesignConditionsEditor {
public:
    // The editor in its start-up state.
    explicit DesignConditionsEditor(Dialogs& dialogs);

    const DesignState& state() const { return state_; }
    const DesignConditions& conditions() const { return state_.conditions; }
    const std::string& caption() const { return caption_; }
    void setListener(EditorListener listener) { listener_ = std::move(listener); }

    // --- user actions --------------------------------------------------------------
    // Choosing another item (0-based) of a choice, with the editor's reaction. The item
    // already chosen, an index outside the item list and a choice the window does not
    // offer at the moment change nothing.
    void choose(Choice c, int item);
    // Clicking an option switch into the given state.
    void setOption(Option o, bool on);
    // Typing into a number field; refused (false) while the field is disabled or its
    // page is hidden, and the refusal is notified as a value change so that the window
    // shows the record's text again. A new standard value or regional factor
    // recomputes kh.
    bool typeText(NumberField DesignConditions::*field, std::string text);
    // The input palette's "転記": as typed, but a field that was disabled while the
    // palette stood open says why it took nothing.
    bool typeFromPalette(NumberField DesignConditions::*field, std::string text);
    // Picking a pitch or diameter item of a rebar choice while its list is enabled.
    void chooseRebarPitch(RebarMember m, int item);
    void chooseRebarDiameter(RebarMember m, int item);

    // Seismic page "(4)設計震度", usable only while it is shown. Grid coordinates count
    // the header row and column as 0.
    void clickStandardValueCell(int row, int column);
    bool setGroundLayerCell(int row, int column, std::string text);
    void clickGroundLayerCell(int row, int column);
    void calculateGroundPeriod();  // "特性値（Tg）計算"
    void clickRegionInitial(std::string_view initial);
    void clickRegionKey(std::string_view key);
    void clickMunicipality(std::string_view municipality);
    const std::vector<std::string>& regionKeys() const { return regionKeys_; }
    const std::vector<std::string>& municipalities() const { return municipalities_; }

    // "計算開始": hides the results window and asks; true when the user answers Yes.
    // The session's startCalculationFromEditor() asks this, then runs.
    bool confirmCalculationStart();
    // The checks before a run; true when the run must not start.
    bool validate();
    // The same checks with their verdict, for a caller that tells a text that is not
    // a number from a refusal.
    Verdict check();
    void explainWallFriction();  // "δ説明"

    // The allowable-stress table ("許容応力度"); its choice clicks go to the object.
    AllowableStressWindow& allowableStressWindow() { return allowable_; }
    const AllowableStressWindow& allowableStressWindow() const { return allowable_; }
    // The table's own clicks, notified as AllowableStresses.
    void chooseDesignStrength(int item);
    void chooseBarGrade(int item);
    void chooseLoadCase(int item);
    void typeAllowableStress(AllowableStressField field, std::string text);
    void showAllowableStresses();
    void transferAllowableStresses();  // "設計条件に転記"
    void cancelAllowableStresses();    // "取　消"

    // Whether the window offers a choice at the moment: the virtual back face and the
    // heel's bars never, the seismic load set only in the seismic case, the key's bars
    // only with a key.
    bool choiceOffered(Choice c) const;

    // Transfers from the reference windows (soil constants, coefficients): the window
    // sets the editor's control as a program would, whether or not the control is
    // enabled at the moment; a choice that changes reacts as a user's choice does.
    void transferChoice(Choice c, int item);
    void transferText(NumberField DesignConditions::*field, std::string text);

    // --- visibility that follows the design ----------------------------------------
    bool shearKeyTabShown() const { return hasShearKey(); }
    bool shearKeyResultPageShown() const { return hasShearKey(); }
    bool shearKeyPreviewEntryShown() const { return hasShearKey(); }
    bool shearKeyLabelsShown() const { return hasShearKey(); }
    bool seismicPageShown() const { return conditions().seismicCase == 1; }
    bool passiveLabelsShown() const { return conditions().hasPassive.on; }
    bool waterLabelShown() const { return conditions().hasWater.on; }
    bool windLabelShown() const { return conditions().hasWind.on; }
    bool collisionLabelShown() const { return conditions().hasCollision.on; }

    // --- design file ---------------------------------------------------------------
    // Every outcome is reported through the dialogs (the file dialogs of the menu
    // commands are the session's); true when the file was written or read to its end.
    bool saveDesignFileTo(const std::filesystem::path& path);
    bool loadDesignFileFrom(const std::filesystem::path& path);
    // Applies the bytes of a design file under the given subject name.
    bool loadDesignBytes(std::string_view bytes, const std::string& subjectName);
    // Whether the design differs from the one last loaded or saved (at first, from the
    // start values): closing the program then asks whether to save it.
    bool modified() const;

    // --- undoing a command that failed part-way ---------------------------------------
    // Everything the user's actions change.
    struct Snapshot {
        DesignState state;
        std::string caption;
        AllowableStressWindow allowable;
        std::vector<std::string> regionKeys;
        std::vector<std::string> municipalities;
    };
    Snapshot snapshot() const;
    // Puts the editor back as the snapshot was taken; the window redraws everything.
    void restore(const Snapshot& snapshot);

private:
    // Collects the flags of one action and sends a single notification when the
    // outermost action ends.
    class Batch {
    public:
        explicit Batch(DesignConditionsEditor& e) : e_(e) { ++e_.batchDepth_; }
        // The window is refreshed first, so that a message box stands over the
        // values it speaks about.
        ~Batch() {
            if (--e_.batchDepth_ > 0) return;
            const EditorChange change{e_.pending_};
            e_.pending_ = 0;
            if (change.flags != 0 && e_.listener_) e_.listener_(change);
            auto messages = std::move(e_.pendingMessages_);
            e_.pendingMessages_.clear();
            for (const auto& [kind, text] : messages) e_.dialogs_.message(kind, text);
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        DesignConditionsEditor& e_;
    };
    friend class DesignFileReader;

    bool hasShearKey() const { return conditions().hasShearKey == 1; }
    DesignConditions& d() { return state_.conditions; }
    void mark(unsigned flags) { pending_ |= flags; }
    // A message of an action, shown once the window has been refreshed.
    void say(MessageKind kind, std::string text) {
        pendingMessages_.emplace_back(kind, std::move(text));
    }

    void react(Choice c);
    void reactToOption(Option o);
    void setSurchargeOff();
    void recomputeKh();
    void setSubjectName(std::string name);
    // Takes over the whole editor state, without notifying; restore and the file
    // reader both move state this one way.
    void adopt(Snapshot snapshot);
    // Every action of the allowable-stress table: the change, then one notification of
    // the table and of whatever else the change touched.
    void changeAllowableStresses(const std::function<void(AllowableStressWindow&)>& change,
                                 unsigned alsoChanged = 0);

    Dialogs& dialogs_;
    DesignState state_;
    std::string caption_ = "設計条件";
    AllowableStressWindow allowable_;
    std::vector<std::string> regionKeys_;
    std::vector<std::string> municipalities_;
    EditorListener listener_;
    std::string savedImage_;  // the design file of the design last loaded or saved
    unsigned pending_ = 0;
    std::vector<std::pair<MessageKind, std::string>> pendingMessages_;
    int batchDepth_ = 0;
};

}  // namespace marvoten
