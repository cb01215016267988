#pragma once
// The shear key as a cantilever projecting down from the base, loaded by the
// part Ht of the sliding resistance that the ground in front of it carries.
// Forces per metre of wall in kN, kNm and m.
#include <optional>

#include "calc/bars.h"
#include "calc/calculation_object.h"

namespace marvoten {

// The sliding quantities of the check with a shear key, as the key report
// prints them.
struct KeySliding {
    double Be = 0;
    double b1 = 0;
    double b2 = 0;
    double v1 = 0;
    double v2 = 0;
    double Vo = 0;
    double Ho = 0;
    double Hk = 0;
    double Fs = 0;
};

struct KeyShearCheck {
    double Ce = 0;
    double Pt = 0;  // %
    double Cpt = 0;
    double Cdc = 0;
    double tauCa = 0;
};

struct KeyDesign {
    bool hasKey = false;
    KeySliding sliding;
    double Ht = 0;         // horizontal force on the key
    double keyHeight = 0;  // Hkey, m
    double M = 0;          // Hkey · Ht / 2 at the key root
    double a = 0;          // shear span M / Ht
    double t = 0;          // key width (the member's thickness), m
    double d = 0;          // effective depth, m
    BarSelection bars;
    // Computed only for a key with bars found and a positive effective depth.
    std::optional<SectionStresses> stresses;
    std::optional<KeyShearCheck> shear;
    bool ok = false;

    bool barsSufficient() const { return bars.found && bars.requiredArea <= bars.providedArea; }
};

// The key's force and moment from the sliding check: Ht, and M = Hkey · Ht / 2.
// The sliding check with a key has already been evaluated on the object (its
// inputs, the load totals and the geometry, do not change during the member
// design); without a key Ht and M are 0.
KeyDesign keyForces(const TAntei& a);

// The whole key design; without a key only the forces, every member value 0.
KeyDesign designKey(const TAntei& a);

}  // namespace marvoten
