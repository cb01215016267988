#include "calc/stability_checks.h"

#include <cmath>

namespace marvoten {

bool slidingPasses(const TAntei& a) {
    if (a.noVerticalLoad || a.reactionCase == GroundReactionCase::Incalculable) return false;
    if (a.hasShearKey && a.keySlidingIncalculable) return false;
    return a.Fs >= a.FsRequired;
}

double allowableEccentricity(const TAntei& a) {
    return a.baseWidth / (a.seismicCase == 1 ? 3 : 6);
}

bool eccentricityWithinLimit(const TAntei& a) {
    return std::abs(a.e) <= allowableEccentricity(a);
}

double overturningSafetyFactor(const TAntei& a) {
    return a.sumMo != 0 ? a.sumMr / a.sumMo : 0.0;
}

bool overturningSafetyFactorMet(const TAntei& a) {
    return a.sumMo != 0 && !(a.FmRequired > overturningSafetyFactor(a));
}

bool overturningPasses(const TAntei& a) {
    if (a.overturningMethod == 1) return overturningSafetyFactorMet(a);
    return !a.noVerticalLoad && eccentricityWithinLimit(a);
}

bool toeReactionWithinAllowable(const TAntei& a) {
    return !(a.q1 > a.allowableReaction);
}

bool heelReactionWithinAllowable(const TAntei& a) {
    return !(a.q2 > a.allowableReaction);
}

bool bearingPasses(const TAntei& a) {
    if (a.noVerticalLoad || a.reactionCase == GroundReactionCase::Incalculable) return false;
    return toeReactionWithinAllowable(a) && heelReactionWithinAllowable(a);
}

}  // namespace marvoten
