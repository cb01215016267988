#pragma once
// The reference tables and figures of the coefficient window ("土圧係数"): the
// embankment earth-pressure coefficients over H1/H and the bearing capacity factors
// over the load inclination. They are the window's own sections, not book pages.
#include <array>

#include "book/figure_section.h"
#include "book/table_section.h"
#include "calc/bearing_factor_curves.h"
#include "calc/embankment_coefficients.h"

namespace marvoten {

// 13 × 13 cells: the ratios H1/H across, Ka, Kah, Kav of the four slopes down.
TableSection makeCoefficientTable();
// "H1/H～土圧係数": Kh and Kv of each slope over H1/H, eight series.
FigureSection makeCoefficientFigure();

// The fixed cells: "勾配", "係数", the slopes and the coefficient names.
void writeCoefficientFixedCells(TableSection& table);
// The ratios, the coefficients of a fresh wedge for each slope and ratio, and the
// eight series rebuilt from them.
void computeCoefficientTable(const CoefficientConditions& conditions, TableSection& table,
                             FigureSection& figure);

// One bearing-factor tab: 11 × 11 cells (φ across, θ = 0 … 45 down) and its figure
// with the curve series (1) and the end-point series (2) on a logarithmic scale.
struct BearingFactorTab {
    BearingFactorKind kind;
    TableSection table;
    FigureSection figure;
};
using BearingFactorTabs = std::array<BearingFactorTab, 3>;  // Nc, Nq, Nγ
BearingFactorTabs makeBearingFactorTabs();
void fillBearingFactorTabs(BearingFactorTabs& tabs);

}  // namespace marvoten
