#include "study/design_evaluation.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

#include "calc/bars.h"
#include "calc/design_run.h"
#include "calc/search_limit.h"
#include "model/validation.h"
#include "platform/number_text.h"
#include "session/session.h"

namespace marvoten {
namespace {

// The validation's messages: the errors refuse the design, warnings let it run.
class CollectedMessages : public Dialogs {
public:
    bool confirm(const std::string&) override { return true; }
    void message(MessageKind kind, const std::string& text) override {
        if (kind != MessageKind::Error) return;
        if (!errors.empty()) errors += "\r";
        errors += text;
    }
    std::optional<std::string> chooseFileToOpen(const FileChoiceRequest&) override { return {}; }
    std::optional<std::string> chooseFileToSave(const FileChoiceRequest&) override { return {}; }
    std::string errors;
};

std::optional<double> ratio(std::optional<double> numerator, double denominator) {
    if (!numerator || denominator == 0 || !std::isfinite(*numerator)) return std::nullopt;
    return *numerator / denominator;
}

// A check whose value must not exceed its limit.
CheckResult atMost(std::string key, std::string label, std::optional<double> value, double limit,
                   bool passed) {
    return {std::move(key), std::move(label), value, limit, ratio(value, limit), passed};
}

// A check whose value must reach its limit (a safety factor).
CheckResult atLeast(std::string key, std::string label, std::optional<double> value, double limit,
                    bool passed) {
    std::optional<double> utilisation;
    if (value && *value > 0 && std::isfinite(*value)) utilisation = limit / *value;
    return {std::move(key), std::move(label), value, limit, utilisation, passed};
}

std::optional<double> valueIf(bool computed, double v) {
    return computed ? std::optional<double>(v) : std::nullopt;
}

void addStabilityChecks(const TAntei& a, const StabilityVerdicts& v, DesignEvaluation& ev) {
    const bool reaction = !a.noVerticalLoad && a.reactionCase != GroundReactionCase::Incalculable;
    if (a.overturningMethod == 1)
        ev.checks.push_back(atLeast("overturning", "転倒 Fm",
                                    valueIf(a.sumMo != 0, v.overturningSafetyFactor), a.FmRequired,
                                    v.overturning));
    else
        ev.checks.push_back(atMost("overturning", "転倒 |e|",
                                   valueIf(!a.noVerticalLoad, std::abs(a.e)),
                                   v.allowableEccentricity, v.overturning));
    const bool slidingComputable = reaction && !(a.hasShearKey && a.keySlidingIncalculable);
    ev.checks.push_back(
        atLeast("sliding", "滑動 Fs", valueIf(slidingComputable, a.Fs), a.FsRequired, v.sliding));
    ev.checks.push_back(
        atMost("bearingToe", "支持力 q1", valueIf(reaction, a.q1), a.allowableReaction, v.bearing));
    ev.checks.push_back(atMost("bearingHeel", "支持力 q2", valueIf(reaction, a.q2),
                               a.allowableReaction, v.bearing));
    ev.checks.push_back(atMost("ultimateBearing", "極限支持力 Vo/Be",
                               valueIf(!a.ultimateBearingIncalculable, a.meanBasePressure),
                               v.allowableUltimateBearing, v.ultimateBearing));
}

// σc, σs and τ of a member section; without stresses (no bars) each check fails.
struct MemberSection {
    std::string key, label;
    std::optional<SectionStresses> stresses;
    std::optional<double> tau;
    double tauLimit = 0;
};

void addMemberChecks(const MemberSection& m, const TAntei& a, DesignEvaluation& ev) {
    const auto& s = m.stresses;
    ev.checks.push_back(atMost(m.key + "SigmaC", m.label + " σc",
                               s ? std::optional(s->sigmaC) : std::nullopt, a.sigmaCa,
                               s && !(s->sigmaC > a.sigmaCa)));
    ev.checks.push_back(atMost(m.key + "SigmaS", m.label + " σs",
                               s ? std::optional(s->sigmaS) : std::nullopt, a.sigmaSa,
                               s && !(s->sigmaS > a.sigmaSa)));
    ev.checks.push_back(atMost(m.key + "Tau", m.label + " τ", s ? m.tau : std::nullopt, m.tauLimit,
                               s && m.tau && !(*m.tau > m.tauLimit)));
}

void addBarCheck(const std::string& key, const std::string& label, const BarSelection& bars,
                 bool sufficient, DesignEvaluation& ev) {
    std::optional<double> utilisation;
    if (bars.found && bars.providedArea > 0) utilisation = bars.requiredArea / bars.providedArea;
    ev.checks.push_back({key + "Bars", label + " 鉄筋量", valueIf(bars.found, bars.providedArea),
                         bars.requiredArea, utilisation, sufficient});
}

constexpr const char* stemSectionKeys[] = {"stemFixedEnd", "stem3Quarter", "stemHalf",
                                           "stemQuarter"};
constexpr const char* stemSectionLabels[] = {"たて壁(固定端)", "たて壁(3Hs/4)", "たて壁(Hs/2)",
                                             "たて壁(Hs/4)"};

void addMemberDesign(const TAntei& a, const MemberDesign& m, DesignEvaluation& ev) {
    const StemDesign& stem = m.stem;
    for (std::size_t i = 0; i < stem.quarterPoints.size(); ++i) {
        const StemSectionCheck& c = stem.quarterPoints[i];
        addMemberChecks({stemSectionKeys[i], stemSectionLabels[i], c.stresses, c.tauM, c.tauA}, a,
                        ev);
    }
    addBarCheck("stem", "たて壁", stem.bars, stem.barsSufficient(), ev);
    ev.stemBars = barDesignation(stem.bars);
    if (stem.anchorage) ev.anchorageLength = stem.anchorage->Lo;

    const ToeDesign& toe = m.toe;
    addMemberChecks(
        {"toe", "つま先版", toe.stresses, toe.shear ? std::optional(toe.shear->tauM) : std::nullopt,
         toe.shear ? toe.shear->tauCa : 0},
        a, ev);
    addBarCheck("toe", "つま先版", toe.bars, toe.barsSufficient(), ev);
    ev.toeBars = barDesignation(toe.bars);

    const KeyDesign& key = m.key;
    if (!key.hasKey) return;
    addMemberChecks({"key", "突起", key.stresses,
                     key.stresses ? std::optional(key.stresses->tau) : std::nullopt,
                     key.shear ? key.shear->tauCa : 0},
                    a, ev);
    addBarCheck("key", "突起", key.bars, key.barsSufficient(), ev);
    ev.keyBars = barDesignation(key.bars);
}

DesignEvaluation refused(EvaluationOutcome outcome, std::string message) {
    DesignEvaluation ev;
    ev.outcome = outcome;
    ev.refusal = std::move(message);
    return ev;
}

}  // namespace

const CheckResult* DesignEvaluation::check(const std::string& key) const {
    const auto it = std::find_if(checks.begin(), checks.end(),
                                 [&](const CheckResult& c) { return c.key == key; });
    return it == checks.end() ? nullptr : &*it;
}

const CheckResult* DesignEvaluation::governing() const {
    const CheckResult* worst = nullptr;
    for (const CheckResult& c : checks) {
        if (!c.passed && !c.utilisation) return &c;  // failed with nothing to compare
        if (c.utilisation &&
            (!worst || !worst->utilisation || *c.utilisation > *worst->utilisation))
            worst = &c;
    }
    return worst;
}

DesignEvaluation evaluateRun(const DesignRun& run) {
    DesignEvaluation ev;
    const TAntei& a = run.a;
    ev.concreteArea = run.polygons.wallBody().bodyArea();
    addStabilityChecks(a, run.verdicts, ev);
    if (!run.members) {
        ev.outcome = EvaluationOutcome::Incalculable;
        return ev;
    }
    addMemberDesign(a, *run.members, ev);
    ev.passed = std::all_of(ev.checks.begin(), ev.checks.end(),
                            [](const CheckResult& c) { return c.passed; });
    return ev;
}

DesignEvaluation evaluateDesign(const DesignConditions& dc) {
    try {
        CollectedMessages messages;
        if (checkConditions(dc, dc.seismicCase, messages) != Verdict::Passed)
            return refused(EvaluationOutcome::Refused, messages.errors);

        return evaluateRun(runStages(dc));
    } catch (const ConversionError& e) {
        return refused(EvaluationOutcome::Refused, e.what());
    } catch (const SearchLimitExceeded& e) {
        return refused(EvaluationOutcome::Stopped, searchStoppedMessage(e.search()));
    }
}

std::vector<DesignEvaluation> evaluateDesigns(const std::vector<DesignConditions>& designs,
                                              unsigned threads) {
    std::vector<DesignEvaluation> results(designs.size());
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
    threads = std::min<unsigned>(threads, std::max<std::size_t>(designs.size(), 1));
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < designs.size(); i = next++)
            results[i] = evaluateDesign(designs[i]);
    };
    std::vector<std::jthread> pool;
    for (unsigned t = 1; t < threads; ++t) pool.emplace_back(work);
    work();
    return results;
}

}  // namespace marvoten
