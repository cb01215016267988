#pragma once
// The stability page: overturning, bearing, ultimate bearing capacity and
// sliding, each closing with its verdict, then the ground-reaction figure and
// the load summary.
#include <array>
#include <string>

#include "book/calculation_book.h"
#include "book/rgb.h"
#include "calc/calculation_object.h"
#include "calc/load_polygons.h"
#include "calc/stability_checks.h"
#include "model/design_conditions.h"

namespace marvoten {

enum class StabilityCheck { Sliding, Overturning, Bearing, UltimateBearing };

// The heading of a stability section with its verdict: "1.滑動に対する安定( OK )"
// drawn blue, or "( NO )" drawn red. Before the first run the plain captions.
struct VerdictHeading {
    std::string text;
    Rgb colour = colours::black;
};

struct StabilityHeadings {
    std::array<VerdictHeading, 4> headings{{{"１．滑動に対する安定"},
                                            {"２．転倒に対する安定"},
                                            {"３．支持力に対する安定"},
                                            {"４．鉛直支持力の照査"}}};
    const VerdictHeading& of(StabilityCheck c) const {
        return headings[static_cast<std::size_t>(c)];
    }
    void set(StabilityCheck c, bool ok);
};

// Writes OverturningText, BearingText, UltimateBearingText and SlidingText in
// that order with their headings, then GroundReactionFigure and LoadSummaryText.
// The verdicts are the stability stage's judgement of the same object.
void writeStabilityReport(const TAntei& a, const StabilityVerdicts& v,
                          const PolygonResult& wallBody, const DesignConditions& dc,
                          CalculationBook& book, StabilityHeadings& headings);

// The sections one by one; each returns its verdict (true: "OK").
bool writeOverturningText(const TAntei& a, const StabilityVerdicts& v, TextSection& text);
bool writeBearingText(const TAntei& a, const StabilityVerdicts& v, TextSection& text);
bool writeUltimateBearingText(const TAntei& a, const StabilityVerdicts& v, TextSection& text);
bool writeSlidingText(const TAntei& a, const StabilityVerdicts& v, TextSection& text);

}  // namespace marvoten
