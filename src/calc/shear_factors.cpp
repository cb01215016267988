#include "calc/shear_factors.h"

#include <array>
#include <limits>

namespace marvoten {

namespace {

struct FactorTable {
    std::array<double, 5> arguments;
    std::array<double, 5> factors;
};

constexpr FactorTable kCe{{300, 1000, 3000, 5000, 10000}, {1.4, 1.0, 0.7, 0.6, 0.5}};
constexpr FactorTable kCpt{{0.1, 0.2, 0.3, 0.5, 1.0}, {0.7, 0.9, 1.0, 1.2, 1.5}};
constexpr FactorTable kCdc{{0.5, 1.0, 1.5, 2.0, 2.5}, {6.4, 4.0, 2.5, 1.6, 1.0}};

double interpolate(const FactorTable& table, double argument) {
    const auto& B = table.arguments;
    const auto& F = table.factors;
    if (argument <= B.front()) return F.front();
    if (argument >= B.back()) return F.back();
    // A breakpoint inside the table starts its interval and so gives its own factor.
    for (int i = 0; i + 1 < static_cast<int>(B.size()); ++i) {
        if (B[i] <= argument && argument < B[i + 1]) {
            return F[i] + (argument - B[i]) / (B[i + 1] - B[i]) * (F[i + 1] - F[i]);
        }
    }
    return std::numeric_limits<double>::quiet_NaN();  // only a NaN argument falls through
}

}  // namespace

double Ce(double d) {
    return interpolate(kCe, d);
}
double Cpt(double Pt) {
    return interpolate(kCpt, Pt);
}
double Cdc(double aOverD) {
    return interpolate(kCdc, aOverD);
}

}  // namespace marvoten
