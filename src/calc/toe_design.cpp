#include "calc/toe_design.h"

#include <algorithm>
#include <limits>

#include "calc/load_polygons.h"
#include "calc/shear_factors.h"

namespace marvoten {
namespace {

// Indexes into toePieceWeight / toePieceLever.
enum ToePiece { T_S, T_M, T_FS, T_FM, TS_FS, TS_FM };

double sumHalf(const ToeLoads& l, bool buoyancy) {
    double S = -l.WcHalf - l.SvHalf + l.QsHalf;
    if (buoyancy) S += l.SfHalf + l.WfHalf;
    return S;
}

double sumRoot(const ToeLoads& l, bool buoyancy) {
    double S = -l.WcRoot - l.SvRoot + l.QsRoot;
    if (buoyancy) S += l.SfRoot + l.WfRoot;
    return S;
}

double momentRoot(const ToeLoads& l, bool buoyancy) {
    double M = -l.WcRoot * l.x1 - l.SvRoot * l.x2 + l.QsRoot * l.x3;
    if (buoyancy) M += l.SfRoot * l.x4 + l.WfRoot * l.x5;
    return M;
}

// Allowable shear at the half-depth section: Ce and Pt there, Cdc from the shear
// span over the effective depth at the stem face (an unbounded span takes the
// table's last factor).
ToeShearCheck shearCheck(const ToeDesign& t, double tauA1) {
    const double dHalfMm = t.dHalf * 1000;
    ToeShearCheck c;
    c.tauM = t.SHalf * 1000 / (1000 * dHalfMm);
    c.Ce = Ce(dHalfMm);
    c.Pt = t.bars.providedArea / (1000 * dHalfMm) * 100;
    c.Cpt = Cpt(c.Pt);
    c.Cdc = Cdc(t.a ? *t.a / t.dRoot : std::numeric_limits<double>::infinity());
    c.tauCa = tauA1 * c.Ce * c.Cpt * c.Cdc;
    return c;
}

}  // namespace

std::optional<double> ToeDesign::rootLever() const {
    if (SRoot == 0) return std::nullopt;
    return MRoot / SRoot;
}

ToeLoads gatherToeLoads(const TAntei& a) {
    ToeLoads l;
    l.q1 = a.q1;
    l.q3 = a.qt;
    l.q4 = a.qf;
    l.contactWidth = a.contactWidth;
    l.QsHalf = a.Rt;
    l.QsRoot = a.Rf;
    l.x3 = a.af;
    const auto& W = a.toePieceWeight;
    const auto& x = a.toePieceLever;
    l.WcHalf = W[T_S];
    l.WcRoot = W[T_M];
    l.x1 = x[T_M];
    l.SfHalf = W[TS_FS];
    l.SfRoot = W[TS_FM];
    l.x4 = x[TS_FM];
    l.WfHalf = W[T_FS];
    l.WfRoot = W[T_FM];
    l.x5 = x[T_FM];
    // The front soil with the backfill's unit weight; its lever is measured from
    // the stem's front foot to the centroid.
    const double gs = unitWeightOf(a, "rs");
    l.SvHalf = polygonProperties(a, "TS_S").bodyArea() * gs;
    const PolygonResult root = polygonProperties(a, "TS_M");
    l.SvRoot = root.bodyArea() * gs;
    l.x2 = a.point(3).x - root.centroidX;
    return l;
}

ToeDesign designToe(const TAntei& a, double M0) {
    ToeDesign t;
    t.loads = gatherToeLoads(a);
    t.buoyancy = a.buoyancyInSlab == 1;
    t.SHalf = sumHalf(t.loads, t.buoyancy);
    t.SRoot = sumRoot(t.loads, t.buoyancy);
    t.MRoot = momentRoot(t.loads, t.buoyancy);
    t.M0 = M0;
    t.Md = std::min(t.MRoot, M0);
    t.Ls = std::min(t.loads.contactWidth, a.point(14).x);
    t.Lo = std::min(t.loads.contactWidth, a.point(3).x);
    if (t.SRoot != 0) t.a = t.Md / t.SRoot;
    t.dRoot = a.point(3).y - a.coverSlab;
    t.dHalf = a.point(14).y - a.coverSlab;

    t.bars = chooseMemberBars(a.toeBars, a.point(3).y, a.coverSlab, t.Md, a.sigmaSa);
    if (t.bars.found)
        t.stresses = sectionStresses(t.bars.providedArea, t.SHalf, t.Md, t.dRoot * 1000);
    if (t.stresses && t.dHalf > 0) t.shear = shearCheck(t, a.tauA1);
    t.ok = t.stresses && t.shear && !(t.stresses->sigmaC > a.sigmaCa) &&
           !(t.stresses->sigmaS > a.sigmaSa) && !(t.shear->tauM > t.shear->tauCa);
    return t;
}

}  // namespace marvoten
