#pragma once
// Designs whose figures crowd their labels in different ways, entered through the
// editor as a user would, and the book of a whole run of each.
#include <string>
#include <vector>

#include "book/calculation_book.h"
#include "model/design_conditions_editor.h"
#include "pdf_book_test_book.h"
#include "support/test_support.h"

namespace marvoten::testing {

struct FigureDesign {
    const char* name;
    void (*enter)(DesignConditionsEditor&);
};

inline void PrintTo(const FigureDesign& d, std::ostream* os) {
    *os << d.name;
}

inline const std::vector<FigureDesign>& figureDesigns() {
    using D = DesignConditions;
    static const std::vector<FigureDesign> designs{
        {"StartValues", [](DesignConditionsEditor&) {}},
        {"ShearKey", [](DesignConditionsEditor& e) { e.choose(Choice::HasShearKey, 1); }},
        // The sloped seismic backfill whose toe reaction label lost its first digits.
        {"SeismicSlopedBackfill",
         [](DesignConditionsEditor& e) {
             e.choose(Choice::BackfillShape, 1);
             e.typeText(&D::slopeRatio, "1.8");
             e.choose(Choice::SeismicCase, 1);
         }},
        {"WaterWithBuoyancy",
         [](DesignConditionsEditor& e) {
             e.setOption(Option::HasWater, true);
             e.setOption(Option::BuoyancyInSlab, true);
         }},
        {"Embankment",
         [](DesignConditionsEditor& e) {
             e.choose(Choice::BackfillShape, 2);
             e.typeText(&D::slopeRatio, "1.5");
             e.typeText(&D::embankmentHeight, "1000");
             e.typeText(&D::toeWidth, "4500");
             e.typeText(&D::baseWidth, "5042");
         }},
        {"KeyWaterSeismicBlackAndWhite",
         [](DesignConditionsEditor& e) {
             e.choose(Choice::HasShearKey, 1);
             e.setOption(Option::HasWater, true);
             e.choose(Choice::SeismicCase, 1);
             e.choose(Choice::OutputColour, 1);
         }},
    };
    return designs;
}

inline DesignConditions enteredConditions(const FigureDesign& design) {
    FakeDialogs dialogs;
    DesignConditionsEditor editor(dialogs);
    design.enter(editor);
    return editor.conditions();
}

inline CalculationBook designBook(const FigureDesign& design) {
    return representativeBook(enteredConditions(design), design.name);
}

}  // namespace marvoten::testing
