#pragma once
// The soil constants window ("土質定数") without its widgets: the guideline's
// tables of typical backfill and natural-ground constants and of the allowable
// bearing of foundation grounds, and the copy of a chosen row into the design
// conditions after the user's confirmation.
#include <string>
#include <vector>

#include "model/design_conditions_editor.h"
#include "model/screen_position.h"
#include "platform/dialogs.h"

namespace marvoten {

// Rows of texts, the header row first.
using TextGrid = std::vector<std::vector<std::string>>;

namespace soilTables {
extern const TextGrid backfillStrength;  // 解表4-5, 4 × 4
extern const TextGrid naturalGround;     // 解表4-6, 3 × 4
extern const TextGrid foundationGround;  // 解表4-8, 6 × 10
}  // namespace soilTables

class SoilConstantsWindow {
public:
    SoilConstantsWindow(Dialogs& dialogs, DesignConditionsEditor& editor);

    bool visible() const { return visible_; }
    ScreenPosition position() const { return position_; }
    // The row of the backfill strength table that counts as chosen; its first data
    // row until the user picks another.
    int selectedBackfillRow() const { return selectedBackfillRow_; }
    int selectedFoundationRow() const { return selectedFoundationRow_; }

    void showAt(ScreenPosition position);
    void close() { visible_ = false; }

    // A click on a cell of the backfill strength table selects its row (the header row
    // cannot be selected) and offers that soil to the design conditions.
    void clickBackfillStrength(int row);
    // The natural-ground table offers the soil chosen in the strength table, whatever
    // row was clicked: the unit weights shown there are not a soil kind of the editor.
    void clickNaturalGround(int row);
    // A data row of the foundation table offers its qa and μ; Yes copies them and
    // closes the window.
    void clickFoundationGround(int row);

private:
    void offerBackfillSoil();

    Dialogs& dialogs_;
    DesignConditionsEditor& editor_;
    bool visible_ = false;
    ScreenPosition position_;
    int selectedBackfillRow_ = 1;
    int selectedFoundationRow_ = 1;
};

// The confirmation texts, lines separated by CR.
std::string backfillSoilQuestion(int soilType);
std::string foundationGroundQuestion(int row);

}  // namespace marvoten
