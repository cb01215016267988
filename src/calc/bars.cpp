#include "calc/bars.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "calc/search_limit.h"

namespace marvoten {

namespace {

constexpr double n = 15;    // modular ratio Es/Ec
constexpr double b = 1000;  // unit width, mm

struct RowRange {
    int first;
    int last;  // inclusive
};

constexpr RowRange kAllDiameterRows{0, 12};
const std::span<const std::int32_t> kAllPitches{TTekkin::pitches};

// Provided area (mm² per metre) of diameter row k at pitch p (mm): bars per metre times the
// area of one bar in mm².
double providedArea(int diameterRow, std::int32_t pitch) {
    return (1000.0 / pitch) * (TTekkin::barAreas[diameterRow] * 100);
}

// The combination with the smallest provided area strictly above As; among equal areas the
// first one searched (pitches outside, diameter rows inside).
std::optional<BarCombination> smallestAbove(double As, std::span<const std::int32_t> pitches,
                                            RowRange diameterRows) {
    std::optional<BarCombination> best;
    for (std::int32_t pitch : pitches) {
        for (int k = diameterRows.first; k <= diameterRows.last; ++k) {
            double area = providedArea(k, pitch);
            if (area > As && (!best || area < best->providedArea)) {
                best = BarCombination{pitch, TTekkin::diameters[k], area, true};
            }
        }
    }
    return best;
}

BarCombination orNoBars(const std::optional<BarCombination>& found) {
    return found.value_or(BarCombination{kNoBarSize, kNoBarSize, kNoBarArea, false});
}

// Table row of a pitch or diameter list entry.
int tableRow(const std::vector<std::string>& items, const std::string& text, int lastSelected) {
    return std::max(listPosition(items, text, lastSelected) - 1, 0);
}

}  // namespace

std::optional<double> barArea(std::int32_t pitch, std::int32_t diameter) {
    for (int k = 0; k < static_cast<int>(TTekkin::diameters.size()); ++k) {
        if (TTekkin::diameters[k] == diameter) return providedArea(k, pitch);
    }
    return std::nullopt;
}

RequiredBarArea requiredBarArea(double sigmaSa, double M, double d) {
    // Neutral axis of the section whose bars reach σsa under M:
    // x³ − 3d·x² − (6·M·n/(σsa·b))·(x − d) = 0, searched downwards from d in 1 mm steps;
    // x ends at the first step below the root.
    double x = d;
    // d is at most the 50 m of the thickest member validation admits: 50,000 steps.
    TrialCounter steps(Search::NeutralAxis, 50001);
    while (x > 0) {
        steps.next();
        double f = x * x * x - 3 * d * x * x - 6 * M * n * (x - d) / sigmaSa / b;
        if (f > 0) break;
        x = x - 1;
    }
    return {M / sigmaSa / (d - x / 3), x};
}

BarCombination selectBarsAuto(double As) {
    // The usual arrangements first: D22 … D32 at 125 mm, or D13 … D32 at 250 mm.
    BarCombination A = orNoBars(smallestAbove(As, kAllPitches.subspan(3, 1), {5, 8}));
    BarCombination B = orNoBars(smallestAbove(As, kAllPitches.subspan(8, 1), {2, 8}));
    BarCombination chosen = A.providedArea < B.providedArea ? A : B;
    if (chosen.providedArea >= kNoBarArea) {
        chosen = orNoBars(smallestAbove(As, kAllPitches, kAllDiameterRows));
    }
    return chosen;
}

BarCombination selectBarsForPitch(std::int32_t pitch, double As) {
    return smallestAbove(As, {&pitch, 1}, kAllDiameterRows)
        .value_or(BarCombination{pitch, 0, 0, false});
}

BarCombination selectBarsForDiameter(int diameterRow, double As) {
    return smallestAbove(As, kAllPitches, {diameterRow, diameterRow})
        .value_or(BarCombination{0, TTekkin::diameters[diameterRow], 0, false});
}

BarChoice barChoiceOf(const RebarChoice& choice) {
    return {choice.mode, tableRow(items::rebarPitch, choice.pitch.text, choice.pitchPosition),
            tableRow(items::rebarDiameter, choice.diameter.text, choice.diameterPosition)};
}

BarSelection chooseMemberBars(const BarChoice& choice, double t, double cover, double M,
                              double sigmaSa) {
    double d = (t - cover) * 1000;
    RequiredBarArea required = requiredBarArea(sigmaSa, M * 1000000, d);
    const int pitchRow = choice.pitchRow;
    const int diameterRow = choice.diameterRow;

    BarCombination bars;
    switch (choice.mode) {
        case 1:
            bars = selectBarsForPitch(TTekkin::pitches[pitchRow], required.As);
            break;
        case 2:
            bars = selectBarsForDiameter(diameterRow, required.As);
            break;
        case 3:
            // Both given: the member's report compares the area with the requirement.
            bars = BarCombination{TTekkin::pitches[pitchRow], TTekkin::diameters[diameterRow],
                                  providedArea(diameterRow, TTekkin::pitches[pitchRow]), true};
            break;
        default:
            bars = selectBarsAuto(required.As);
            break;
    }
    return {required.As, required.x, bars.pitch, bars.diameter, bars.providedArea, bars.found};
}

std::optional<SectionStresses> sectionStresses(double As, double S, double M, double d) {
    if (!(As > 0 && std::isfinite(As) && d > 0 && std::isfinite(d))) return std::nullopt;
    SectionStresses r;
    r.x = (n * As / b) * (std::sqrt(2 * b * d / n / As + 1) - 1);
    r.sigmaC = 2 * M * 1000000 / b / r.x / (d - r.x / 3);
    r.sigmaS = n * r.sigmaC * (d - r.x) / r.x;
    r.tau = S * 1000 / (b * d);
    return r;
}

std::string barDesignation(std::int32_t diameter, std::int32_t pitch) {
    return "D" + std::to_string(diameter) + "@" + std::to_string(pitch);
}

std::string barDesignation(const BarSelection& bars) {
    return bars.found ? barDesignation(bars.diameter, bars.pitch) : "---";
}

}  // namespace marvoten
