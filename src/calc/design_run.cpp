#include "calc/design_run.h"

#include "calc/ground_reaction.h"

namespace marvoten {

MemberDesign designMembers(const TAntei& a) {
    MemberDesign m;
    m.stem = designStem(a);
    // The slabs carry the whole wall's earth pressure and section reactions; the
    // toe takes the stem's fixed-end moment as the limit of its design moment.
    m.toe = designToe(a, m.stem.M0);
    m.key = designKey(a);
    return m;
}

DesignRun runStages(const DesignConditions& dc) {
    DesignRun run;
    TAntei& a = run.a;
    run.reach = computeStabilityLoads(a, dc);
    computeStability(a);
    run.verdicts = judgeStability(a);
    run.polygons = weighLoadPolygons(a);
    run.slipCurve = slipAngleCurve(a, wedgeModeStability, a.backfillShape, a.embankmentHeight,
                                   a.wallHeight, a.wallHeight);
    if (a.reactionCase != GroundReactionCase::Incalculable) run.members = designMembers(a);
    return run;
}

}  // namespace marvoten
