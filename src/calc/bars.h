#pragma once
// Deformed bars of the members (stem wall, toe slab, shear key): the bar table, the area a
// bending moment needs and the choice of diameter and pitch. Every member is a singly
// reinforced rectangle of unit width b = 1,000 mm with modular ratio n = 15; all areas are
// per metre of wall.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "calc/calculation_object.h"
#include "model/design_conditions.h"

namespace marvoten {

// Nominal diameters and sectional areas of deformed bars D6 … D51 and the pitches offered.
struct TTekkin {
    static constexpr std::array<std::int32_t, 11> pitches{50,  75,  100, 125, 150, 175,
                                                          200, 225, 250, 275, 300};  // mm
    static constexpr std::array<std::int32_t, 13> diameters{6,  10, 13, 16, 19, 22, 25,
                                                            29, 32, 35, 38, 41, 51};  // mm
    static constexpr std::array<double, 13> barAreas{0.3167, 0.7133, 1.267, 1.986, 2.865,
                                                     3.871,  5.067,  6.424, 7.942, 9.566,
                                                     11.4,   13.4,   20.27};  // cm² per bar
};

// What the automatic choice reports when no combination of the table is large enough.
inline constexpr std::int32_t kNoBarSize = 9999;
inline constexpr double kNoBarArea = 99999;

// One diameter at one pitch. `found` is false when no combination exceeded the required
// area; the other fields then hold what the search leaves (9999/99999 for the automatic
// choice, 0 for the searches at a given pitch or diameter) and must not enter a stress check.
struct BarCombination {
    std::int32_t pitch = 0;     // mm
    std::int32_t diameter = 0;  // mm
    double providedArea = 0;    // mm²
    bool found = false;
};

// One member's bar choice.
struct BarSelection {
    double requiredArea = 0;    // mm², As for the moment
    double neutralAxis = 0;     // mm, x found with the required area
    std::int32_t pitch = 0;     // mm
    std::int32_t diameter = 0;  // mm
    double providedArea = 0;    // mm²
    // False when no bars were found (automatic fallback 9999/99999, or nothing at the given
    // pitch or diameter): report the shortfall and skip the stress check. Always true when
    // pitch and diameter are both given, even if the area is too small.
    bool found = false;
};

struct RequiredBarArea {
    double As = 0;  // mm²
    double x = 0;   // mm
};

struct SectionStresses {
    double x = 0;       // mm, neutral-axis depth
    double sigmaC = 0;  // N/mm², concrete at the compression face
    double sigmaS = 0;  // N/mm², tension bars
    double tau = 0;     // N/mm², mean shear stress S/(b·d)
};

// Area of bars of `diameter` mm at `pitch` mm; nothing for a diameter not in the table.
std::optional<double> barArea(std::int32_t pitch, std::int32_t diameter);

// Area needed for moment M (N·mm per metre) at allowable bar stress sigmaSa (N/mm²) and
// effective depth d (mm), with the neutral axis found by 1 mm steps downwards from d.
RequiredBarArea requiredBarArea(double sigmaSa, double M, double d);

// The three searches for the smallest provided area strictly above the required area As.
BarCombination selectBarsAuto(double As);
BarCombination selectBarsForPitch(std::int32_t pitch, double As);
BarCombination selectBarsForDiameter(int diameterRow, double As);

// The editor's rebar choice as rows of the bar table. Both "-" (list position 0) and the
// first real entry select row 0; a text not in the list keeps the position last selected.
BarChoice barChoiceOf(const RebarChoice& choice);

// The bars of a member of thickness t (m) with cover to the bar centre (m) under moment M
// (kN·m per metre), allowable bar stress sigmaSa (N/mm²), by the member's bar choice.
BarSelection chooseMemberBars(const BarChoice& choice, double t, double cover, double M,
                              double sigmaSa);

// Stresses of the section with bar area As (mm²) under shear S (kN) and moment M (kN·m) at
// effective depth d (mm); nothing when As or d is not a positive number.
// The designation of a bar choice as the book's tables and the evaluation of a design
// name it: diameter and pitch in mm, "D16@250"; "---" when no bars were found.
std::string barDesignation(std::int32_t diameter, std::int32_t pitch);
std::string barDesignation(const BarSelection& bars);

std::optional<SectionStresses> sectionStresses(double As, double S, double M, double d);

}  // namespace marvoten
