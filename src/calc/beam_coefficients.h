#pragma once
// Design coefficients of a singly reinforced rectangular beam (n = 15) for the allowable
// stresses σsa of the bars and σca of the concrete: d = C1·√(M/b), As = C2·√(b·M) and the
// balanced reinforcement ratio Po = As/(b·d). Stresses and results in kgf/cm² units.

namespace marvoten {

struct BeamCoefficients {
    double C1 = 0;
    double C2 = 0;
    double Po = 0;
};

BeamCoefficients beamCoefficients(double sigmaSa, double sigmaCa);

}  // namespace marvoten
