#include "calc/beam_coefficients.h"

#include <cmath>

namespace marvoten {

BeamCoefficients beamCoefficients(double sigmaSa, double sigmaCa) {
    // k: neutral-axis ratio x/d when concrete and bars reach their allowable stresses together.
    double k = 15 * sigmaCa / (15 * sigmaCa + sigmaSa);
    BeamCoefficients r;
    r.C1 = std::sqrt(6 / ((3 - k) * sigmaCa * k));
    r.C2 = std::sqrt(45 / ((30 * sigmaCa + 3 * sigmaSa) * 2)) * sigmaCa / sigmaSa;
    r.Po = sigmaCa / 2 / sigmaSa * k;
    return r;
}

}  // namespace marvoten
