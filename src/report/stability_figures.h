#pragma once
// The pictures and the summary of the stability stage: the ground-reaction
// diagram under the base (shared with the toe slab and shear key figures), the
// ground-reaction figure, the load summary, and the load diagram with the
// backfill surface and the surcharge drawn over it.
#include <array>
#include <string>
#include <vector>

#include "book/calculation_book.h"
#include "calc/calculation_object.h"
#include "calc/load_polygons.h"
#include "model/design_conditions.h"

namespace marvoten {

enum class ReactionDiagramMode {
    Stability = 0,  // both end intensities labelled in kN/m2
    ToeSlab = 1,    // q1 labelled, a mark at the stem's front foot
    ShearKey = 3,   // marks at the key's front and back faces
};

// Adds the reaction diagram to the series, intensities drawn q/100 m below the
// base; nothing for an incalculable reaction.
void drawReactionDiagram(FigureSeries& series, const TAntei& a, ReactionDiagramMode mode);

// The frame a member's reaction figure starts from: the wall outline in series 1
// and the reaction diagram in series 2 (purple, black in monochrome), series 3 in
// black for the member's bar; the vertical axis from below the largest reaction to
// above the crest, the horizontal from `left` to beyond the heel.
void drawMemberReactionFrame(const TAntei& a, const PolygonResult& wallBody,
                             const DesignConditions& dc, FigureSection& f, double left,
                             ReactionDiagramMode mode);

// Every entry of the distinct vertex list of the wall body "W_A", the closing
// entry included, with empty labels.
void addWallOutline(FigureSeries& series, const PolygonResult& wallBody);

enum class SurfaceKind {
    Ground = 1,     // the backfill surface itself
    Surcharge = 2,  // raised by the equivalent soil height of surcharge and snow
};

struct SurfacePoint {
    double x = 0;
    double y = 0;
};

// The surface line in wall coordinates, starting behind the crest's back edge
// and reaching 100 m to the rear; label i stands at point labelIndex[i].
struct SurfaceLine {
    std::vector<SurfacePoint> points;
    std::array<std::string, 2> labels{" ", " "};
    std::array<int, 2> labelIndex{1, -1};  // -1: no second label point
    // The label of point k, or " ".
    std::string labelAt(int k) const;
};
SurfaceLine surfaceLine(const TTeisu& t, const DesignConditions& dc, SurfaceKind kind);

// GroundReactionFigure: the wall body and the reaction diagram.
void writeGroundReactionFigure(const TAntei& a, const PolygonResult& wallBody,
                               const DesignConditions& dc, CalculationBook& book);

// LoadSummaryText: angles, earth pressure, reactions and water pressure.
void writeLoadSummary(const TAntei& a, const DesignConditions& dc, CalculationBook& book);

// LoadDiagramFigure, the last output of the stability stage. r2 is the X where
// the slip line meets the surface, H the wall height and w the reach of the
// slip line behind the top of the back face.
void drawLoadDiagram(const TAntei& a, const PolygonResult& wallBody, const DesignConditions& dc,
                     CalculationBook& book, double r2, double H, double w);

}  // namespace marvoten
