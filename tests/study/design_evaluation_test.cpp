#include "study/design_evaluation.h"

#include <gtest/gtest.h>

#include <functional>

#include "book/line_format.h"
#include "report/calculation_run.h"
#include "session/session.h"
#include "support/reference_designs.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

using namespace testing::reference_designs;
using Lines = std::vector<std::string>;

struct EvaluationCase {
    const char* name;
    std::function<void(DesignConditionsEditor&)> enter;
    EvaluationOutcome outcome;
};

void PrintTo(const EvaluationCase& c, std::ostream* os) {
    *os << c.name;
}

// One run of the design's stages, written as the book and judged as the
// evaluation; the command's run gives the outcome and the refusal message.
struct BothWays {
    testing::FakeDialogs dialogs;
    Session session{dialogs};
    RunOutcome run;
    DesignEvaluation ev;
    CalculationBook book;
    StabilityHeadings headings;
    PrintedPageLabels pageLabels;

    explicit BothWays(const EvaluationCase& c) {
        c.enter(session.editor);
        const DesignConditions& dc = session.editor.conditions();
        ev = evaluateDesign(dc);
        run = runCalculationCommand(session);
        if (run != RunOutcome::Completed) return;
        const DesignRun stages = runStages(dc);
        const DesignEvaluation judged = evaluateRun(stages);
        expectSameChecks(judged, ev);
        book.resetResultTables();
        writeCalculationBook(stages, dc, "", book, headings, pageLabels);
        ev = judged;
    }
    static void expectSameChecks(const DesignEvaluation& a, const DesignEvaluation& b) {
        EXPECT_EQ(a.outcome, b.outcome);
        ASSERT_EQ(a.checks.size(), b.checks.size());
        for (std::size_t k = 0; k < a.checks.size(); ++k) {
            EXPECT_EQ(a.checks[k].key, b.checks[k].key);
            EXPECT_EQ(a.checks[k].value, b.checks[k].value) << a.checks[k].key;
            EXPECT_EQ(a.checks[k].passed, b.checks[k].passed) << a.checks[k].key;
        }
    }
    const Lines& text(TextId id) const { return book.text(id).upper().lines(); }
    const TableSection& table(TableId id) const { return book.table(id); }
    const CheckResult& check(const std::string& key) const {
        const CheckResult* c = ev.check(key);
        EXPECT_NE(c, nullptr) << key;
        static const CheckResult none;
        return c ? *c : none;
    }
};

// A line of the book that ends with "=" and the value as the book prints it (a
// signed value may print its minus sign).
bool printsValue(const Lines& lines, const std::string& pattern, std::optional<double> value) {
    if (!value) return false;
    const std::string shown = formatValue(pattern, *value);
    for (const std::string& l : lines)
        for (const std::string& tail : {"=" + shown, "=-" + shown})
            if (l.size() >= tail.size() &&
                l.compare(l.size() - tail.size(), tail.size(), tail) == 0)
                return true;
    return false;
}

bool contains(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string stress(std::optional<double> v) {
    return v ? formatValue("0.00N/mm2", *v) : "---";
}

void expectStabilityAsPrinted(const BothWays& w) {
    const CheckResult& o = w.check("overturning");
    const Lines& overturning = w.text(TextId::OverturningText);
    if (o.key == "overturning" && o.label == "転倒 |e|") {
        EXPECT_TRUE(printsValue(overturning, "0.000m", o.value)) << "e";
        EXPECT_TRUE(printsValue(overturning, "0.000m", o.limit)) << "B/6 or B/3";
    } else {
        EXPECT_TRUE(printsValue(overturning, "0.000", o.value)) << "Fm";
    }
    EXPECT_EQ(w.headings.of(StabilityCheck::Overturning).text.find("OK") != std::string::npos,
              o.passed);

    const CheckResult& s = w.check("sliding");
    if (s.value) EXPECT_TRUE(printsValue(w.text(TextId::SlidingText), "0.00", s.value)) << "Fs";
    EXPECT_EQ(contains(w.text(TextId::SlidingText), formatValue("  判定：OK(Fs≧0.0)", s.limit)),
              s.passed);
    EXPECT_EQ(w.headings.of(StabilityCheck::Sliding).text.find("OK") != std::string::npos,
              s.passed);

    const Lines& bearing = w.text(TextId::BearingText);
    for (const char* key : {"bearingToe", "bearingHeel"}) {
        const CheckResult& q = w.check(key);
        if (q.value) {
            if (*q.value > 0) EXPECT_TRUE(printsValue(bearing, "0.00kN/m2", q.value)) << key;
            EXPECT_TRUE(printsValue(bearing, "0kN/m2", q.limit)) << key;
        }
        EXPECT_EQ(w.headings.of(StabilityCheck::Bearing).text.find("OK") != std::string::npos,
                  q.passed);
    }

    const CheckResult& u = w.check("ultimateBearing");
    const Lines& ultimate = w.text(TextId::UltimateBearingText);
    if (u.value) {
        EXPECT_TRUE(printsValue(ultimate, "0.00kN/m2", u.value)) << "Vo/Be";
        EXPECT_TRUE(printsValue(ultimate, "0.00kN/m2", u.limit)) << "qa";
    }
    EXPECT_EQ(w.headings.of(StabilityCheck::UltimateBearing).text.find("OK") != std::string::npos,
              u.passed);
}

void expectMembersAsPrinted(const BothWays& w) {
    const TableSection& stem = w.table(TableId::StemStressTable);
    const char* sections[] = {"stemFixedEnd", "stem3Quarter", "stemHalf", "stemQuarter"};
    for (int i = 0; i < 4; ++i) {
        const std::string k = sections[i];
        const int col = 4 - i;
        EXPECT_EQ(stem.cell(col, 9), stress(w.check(k + "SigmaC").value)) << k;
        EXPECT_EQ(stem.cell(col, 10), stress(w.check(k + "SigmaS").value)) << k;
        EXPECT_EQ(stem.cell(col, 11), stress(w.check(k + "Tau").value)) << k;
        if (w.check(k + "SigmaC").value)
            EXPECT_EQ(stem.cell(col, 12), stress(w.check(k + "Tau").limit)) << k;
        const bool ok = w.check(k + "SigmaC").passed && w.check(k + "SigmaS").passed &&
                        w.check(k + "Tau").passed;
        EXPECT_EQ(stem.cell(col, 15), ok ? "OK" : "不可") << k;
    }
    EXPECT_EQ(stem.cell(4, 8), w.ev.stemBars);

    const bool key = w.session.editor.conditions().hasShearKey == 1;
    for (const auto& [name, id] :
         {std::pair{std::string("toe"), TableId::ToeStressTable}, {"key", TableId::KeyTable}}) {
        if (name == "key" && !key) {
            EXPECT_EQ(w.ev.check("keySigmaC"), nullptr);
            continue;
        }
        const TableSection& t = w.table(id);
        const char* parts[] = {"SigmaC", "SigmaS", "Tau"};
        bool ok = true;
        for (int r = 0; r < 3; ++r) {
            const CheckResult& c = w.check(name + parts[r]);
            EXPECT_EQ(t.cell(1, 6 + r), stress(c.value)) << name << parts[r];
            EXPECT_EQ(t.cell(2, 6 + r), stress(c.limit)) << name << parts[r];
            ok = ok && c.passed;
        }
        EXPECT_EQ(t.cell(1, 9), ok ? "OK" : "不可") << name;
        EXPECT_EQ(t.cell(1, 5), name == "toe" ? w.ev.toeBars : w.ev.keyBars) << name;
    }
}

class EvaluationEqualsTheBook : public ::testing::TestWithParam<EvaluationCase> {};

TEST_P(EvaluationEqualsTheBook, EveryFigureAndVerdictAsPrinted) {
    const BothWays w(GetParam());
    ASSERT_EQ(w.ev.outcome, GetParam().outcome) << w.ev.refusal;
    switch (w.ev.outcome) {
        case EvaluationOutcome::Refused:
            ASSERT_NE(w.run, RunOutcome::Completed);
            ASSERT_FALSE(w.dialogs.messages.empty());
            EXPECT_EQ(w.ev.refusal, w.dialogs.messages.back().text);
            EXPECT_TRUE(w.ev.checks.empty());
            return;
        case EvaluationOutcome::Incalculable:
            ASSERT_EQ(w.run, RunOutcome::Completed);
            expectStabilityAsPrinted(w);
            EXPECT_EQ(w.ev.checks.size(), 5u) << "no member design";
            EXPECT_FALSE(w.ev.passed);
            EXPECT_EQ(w.table(TableId::StemStressTable).cell(4, 8), "---");
            return;
        default:
            ASSERT_EQ(w.run, RunOutcome::Completed);
            expectStabilityAsPrinted(w);
            expectMembersAsPrinted(w);
            EXPECT_EQ(w.ev.passed, std::all_of(w.ev.checks.begin(), w.ev.checks.end(),
                                               [](const CheckResult& c) { return c.passed; }));
    }
}

void toeTooShort(DesignConditionsEditor& e) {
    e.typeText(&D::toeWidth, "300");
    e.typeText(&D::baseWidth, "842");
}

INSTANTIATE_TEST_SUITE_P(
    Designs, EvaluationEqualsTheBook,
    ::testing::Values(
        EvaluationCase{"StartValues", startValues, EvaluationOutcome::Evaluated},
        EvaluationCase{"KeyWaterSeismic", keyWaterAndSeismic, EvaluationOutcome::Evaluated},
        EvaluationCase{"EmbankmentWindCollision", embankmentWindAndCollision,
                       EvaluationOutcome::Evaluated},
        EvaluationCase{"SlopeSeismicSmallWall", slopeSeismicSmallWall,
                       EvaluationOutcome::Evaluated},
        EvaluationCase{"ClayZcSafetyFactor", clayWithZcSafetyFactorAndSeismicPressureOnly,
                       EvaluationOutcome::Evaluated},
        EvaluationCase{"BeyondTheMiddleTwoThirds", resultantBeyondTheMiddleTwoThirds,
                       EvaluationOutcome::Incalculable},
        EvaluationCase{"ToeTooShort", toeTooShort, EvaluationOutcome::Incalculable},
        EvaluationCase{"PhiOutOfRange",
                       [](DesignConditionsEditor& e) { e.typeText(&D::backfillPhi, "95"); },
                       EvaluationOutcome::Refused},
        EvaluationCase{"NotANumber",
                       [](DesignConditionsEditor& e) { e.typeText(&D::stemHeight, "7l00"); },
                       EvaluationOutcome::Refused}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EvaluateDesigns, EveryCoreGivesEachDesignItsOwnResultInOrder) {
    std::vector<DesignConditions> designs;
    for (const char* toe : {"2500", "3000", "3500", "4000", "4500", "5000", "300"}) {
        DesignConditions d;
        d.toeWidth.text = toe;
        d.baseWidth.text = std::to_string(std::stoi(toe) + 542);
        designs.push_back(d);
    }
    const auto together = evaluateDesigns(designs, 4);
    ASSERT_EQ(together.size(), designs.size());
    for (std::size_t i = 0; i < designs.size(); ++i) {
        const DesignEvaluation alone = evaluateDesign(designs[i]);
        EXPECT_EQ(together[i].outcome, alone.outcome) << i;
        ASSERT_EQ(together[i].checks.size(), alone.checks.size()) << i;
        for (std::size_t k = 0; k < alone.checks.size(); ++k)
            EXPECT_EQ(together[i].checks[k].value, alone.checks[k].value) << i << " " << k;
    }
    EXPECT_EQ(together.back().outcome, EvaluationOutcome::Incalculable);
}

}  // namespace
}  // namespace marvoten
