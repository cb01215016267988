#pragma once
// Bearing capacity factors Nc, Nq and Nγ of the ultimate bearing capacity formula for an
// eccentric, inclined load. Each factor follows a slip surface whose active wedge is tilted
// by the load inclination tan θ = H/V; a factor with no admissible slip surface is the stop
// value −9 (Nc, Nq) or 0 (Nγ), which lowers qu and makes the bearing check fail.
// Used by the run's bearing check and by the coefficient window's factor tables.

namespace marvoten {

inline constexpr double kNoBearingFactor = -9.0;

// How NqFactor treats an inclination steeper than tan φ on a cohesive embedment ground.
enum class NqMode {
    Run = 0,     // admissible while tan θ stays below the limit set by q/cE
    Window = 1,  // never admissible (the window tabulates frictional ground only)
};

// Nc for load inclination tanTheta and shear resistance angle phi (radians). The angle of
// the active wedge's slip line (radians) is stored in *angle when given.
double NcFactor(double tanTheta, double phi, double* angle = nullptr);

// Nq for embedment cohesion cE (kN/m2), overburden q = γ2'·Df (kN/m2), inclination tanTheta
// and phi (radians). The slip-line angle used is stored in *angle when given.
double NqFactor(double cE, double q, double tanTheta, double phi, NqMode mode,
                double* angle = nullptr);

// Nγ for the shear resistance angle in whole degrees and the inclination tanTheta: the
// guideline's fitted curves for 5°, 10°, … 40°, the slip-surface closed form otherwise.
double NgammaFactor(int phiDeg, double tanTheta);

}  // namespace marvoten
