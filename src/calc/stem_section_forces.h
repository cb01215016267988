#pragma once
// Section forces of the stem wall (たて壁), a cantilever fixed at its junction with
// the base slab, at a depth y below its top: the horizontal earth pressure on the
// back face above the section, the inertia of the stem part above it in the seismic
// case and the water on the back face. The vertical earth-pressure component and
// the stem's weight as an axial force are left out. Per metre of wall: kN, m, kN·m.
#include "calc/calculation_object.h"

namespace marvoten {

// How the earth pressure above a section is found: `wedge` always runs the trial
// wedge over the stem above the section; `option` follows stemPressureMethod,
// the trial wedge (0) or the fixed-end coefficient Kh back-calculated onto the
// height above the section (1).
enum class StemPressure { wedge, option };

// The stem between P3 (front foot), P4 (front top), P5 (back top) and P6 (back foot).
struct StemGeometry {
    double Hs = 0;        // stem height
    double H = 0;         // wall top above the base bottom
    double crest = 0;     // X(P5) − X(P4)
    double batters = 0;   // (X(P4) − X(P3)) + (X(P6) − X(P5))
    double tanBeta = 0;   // front face, the compression edge
    double tanGamma = 0;  // back face, along the tension bars

    // t(y), the thickness y below the top.
    double thickness(double y) const { return crest + batters * y / Hs; }
};
StemGeometry stemGeometry(const TTeisu& t);

struct StemSectionForces {
    double y = 0;  // depth below the stem top
    // Wedge results (with the back-calculated coefficient only Ph and h are the
    // section's own; the rest are those of the last trial wedge).
    double Pa = 0, Ph = 0, Pv = 0;
    double Kh = 0, Kv = 0;
    double h = 0;  // line of action of Ph above the section
    double W = 0, omega = 0, delta = 0, L = 0, Zc = 0, hc = 0;
    double Mearth = 0;  // Ph·h
    // Inertia of the stem part above the section
    double Pbody = 0;
    double Pinertia = 0;
    double yInertia = 0;
    double Mt = 0;
    // Water on the back face
    double Hw = 0;
    double Pwh = 0;
    double yWater = 0;
    double Pwm = 0;
    // Totals
    double M = 0;  // Mearth + Mt + Pwm
    double S = 0;  // Ph + Pinertia + Pwh
    double t = 0;
    double Sh = 0;  // S − M/d·(tanβ + tanγ), the shear with the change of depth
};

// The forces at depth y. Runs the trial wedge (and the water on the back face) on
// the stem design's working object, so its earth-pressure fields are those of the
// section afterwards. The back-calculated method applies the fixed end's
// coefficient fixedEndKh with the crack height of the last trial wedge, the fixed
// end's.
StemSectionForces stemSectionForces(TAntei& work, double y, StemPressure method, double fixedEndKh);

}  // namespace marvoten
