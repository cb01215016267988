#include "calc/key_design.h"

#include <cmath>

#include "calc/shear_factors.h"

namespace marvoten {
namespace {

KeySliding slidingOf(const TAntei& a) {
    return {a.Be, a.b1, a.b2, a.v1, a.v2, a.sumV, a.sumH, a.Hk, a.Fs};
}

KeyShearCheck shearCheck(const KeyDesign& k, double tauA1) {
    const double dMm = k.d * 1000;
    KeyShearCheck c;
    c.Ce = Ce(dMm);
    c.Pt = k.bars.providedArea / (1000 * dMm) * 100;
    c.Cpt = Cpt(c.Pt);
    c.Cdc = Cdc(k.a / k.d);
    c.tauCa = tauA1 * c.Ce * c.Cpt * c.Cdc;
    return c;
}

}  // namespace

KeyDesign keyForces(const TAntei& a) {
    KeyDesign k;
    k.hasKey = a.hasShearKey != 0;
    k.sliding = slidingOf(a);
    k.keyHeight = std::abs(a.point(12).y - a.point(13).y);
    if (!k.hasKey) return k;
    k.Ht = a.Ht;
    k.M = k.keyHeight * k.Ht / 2;
    // A key without load has the span of a load at its mid-height, M / Ht.
    k.a = k.Ht != 0 ? k.M / k.Ht : k.keyHeight / 2;
    return k;
}

KeyDesign designKey(const TAntei& a) {
    KeyDesign k = keyForces(a);
    if (!k.hasKey) return k;
    k.t = a.point(11).x - a.point(12).x;
    k.d = k.t - a.coverSlab;
    k.bars = chooseMemberBars(a.keyBars, k.t, a.coverSlab, k.M, a.sigmaSa);
    if (k.bars.found) k.stresses = sectionStresses(k.bars.providedArea, k.Ht, k.M, k.d * 1000);
    if (k.stresses) k.shear = shearCheck(k, a.tauA1);
    k.ok = k.stresses && k.shear && !(k.stresses->sigmaC > a.sigmaCa) &&
           !(k.stresses->sigmaS > a.sigmaSa) && !(k.stresses->tau > k.shear->tauCa);
    return k;
}

}  // namespace marvoten
