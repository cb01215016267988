#include "calc/stability_checks.h"

#include <cmath>

#include "calc/ground_reaction.h"
#include "calc/ultimate_bearing.h"

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

StabilityVerdicts judgeStability(const TAntei& a) {
    StabilityVerdicts v;
    v.sliding = slidingPasses(a);
    v.passiveInChecks = passiveInChecks(a);
    v.allowableEccentricity = allowableEccentricity(a);
    v.eccentricityWithinLimit = eccentricityWithinLimit(a);
    v.overturningSafetyFactor = overturningSafetyFactor(a);
    v.overturningSafetyFactorMet = overturningSafetyFactorMet(a);
    v.overturning = overturningPasses(a);
    v.toeReactionWithinAllowable = toeReactionWithinAllowable(a);
    v.heelReactionWithinAllowable = heelReactionWithinAllowable(a);
    v.bearing = bearingPasses(a);
    v.allowableUltimateBearing = allowableUltimateBearing(a);
    v.ultimateBearing = ultimateBearingPasses(a);
    return v;
}

}  // namespace marvoten
