#pragma once
// The verdicts of the four stability checks on the results of the stability
// computation, one predicate each, with the limits they compare against.
#include "calc/calculation_object.h"

namespace marvoten {

// Sliding: Fs ≧ Fs required. Never without a vertical load, with the resultant
// beyond the middle two thirds, or with a shear key whose resistance could not be
// computed.
bool slidingPasses(const TAntei& a);

// Overturning, allowable-eccentricity method: B/6 in the normal case, B/3 in the
// seismic case.
double allowableEccentricity(const TAntei& a);
bool eccentricityWithinLimit(const TAntei& a);  // |e| ≦ the allowable eccentricity

// Overturning, safety-factor method: Fm = Mr/Mo, 0 when Mo is 0 (not computable).
double overturningSafetyFactor(const TAntei& a);
bool overturningSafetyFactorMet(const TAntei& a);  // Mo ≠ 0 and Fm required ≦ Fm

// Overturning by the method of the conditions; never without a vertical load.
bool overturningPasses(const TAntei& a);

// Bearing: q1 and q2 each ≦ qa0, both by the reaction the computation found.
bool toeReactionWithinAllowable(const TAntei& a);
bool heelReactionWithinAllowable(const TAntei& a);
bool bearingPasses(const TAntei& a);

// Every verdict of the four checks with the limits and derived figures the book
// prints beside them, judged once on the finished stability stage, so that the
// book and the evaluation of a design read one and the same judgement.
struct StabilityVerdicts {
    bool sliding = false;
    double passiveInChecks = 0;        // Pp as the sliding resistance takes it, kN
    double allowableEccentricity = 0;  // m
    bool eccentricityWithinLimit = false;
    double overturningSafetyFactor = 0;  // Fm, 0 when not computable
    bool overturningSafetyFactorMet = false;
    bool overturning = false;
    bool toeReactionWithinAllowable = false;
    bool heelReactionWithinAllowable = false;
    bool bearing = false;
    double allowableUltimateBearing = 0;  // qa = qu/n, kN/m2
    bool ultimateBearing = false;
    friend bool operator==(const StabilityVerdicts&, const StabilityVerdicts&) = default;
};
StabilityVerdicts judgeStability(const TAntei& a);

}  // namespace marvoten
