#include "study/parameter_study.h"

#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <map>
#include <set>

#include "book/line_format.h"
#include "platform/encoding.h"
#include "platform/safe_file.h"
#include "session/session.h"
#include "support/external_programs.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

namespace fs = std::filesystem;
using D = DesignConditions;

VariedField field(const std::string& text) {
    auto parsed = parseVariedField(text);
    EXPECT_TRUE(std::holds_alternative<VariedField>(parsed)) << text;
    return std::holds_alternative<VariedField>(parsed) ? std::get<VariedField>(parsed)
                                                       : VariedField{};
}

TEST(VariedFieldText, RefusedWithAMessageThatSaysWhy) {
    const struct {
        const char* text;
        const char* says;
    } cases[] = {
        {"toeWidth", "項目名=開始:終了:刻み"},
        {"toeWidth=1:2", "項目名=開始:終了:刻み"},
        {"toeWidth=a:2:1", "項目名=開始:終了:刻み"},
        {"heelWidth=1:2:1", "「heelWidth」という設計条件の項目はありません。近い項目:"},
        // A misspelt name is answered with the names nearest to it, nearest first.
        {"toeWidht=1:2:1", "近い項目: toeWidth (つま先版幅(mm))"},
        {"BACKFILLPHI=30:35:1", "近い項目: backfillPhi ("},
        {"toeWidth=1000:2000:0", "刻みは正の数"},
        {"toeWidth=2000:1000:50", "終了は開始以上"},
        {"toeWidth=0:1e9:1", "刻みが細かすぎます"},
    };
    for (const auto& c : cases) {
        const auto parsed = parseVariedField(c.text);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.text;
        EXPECT_NE(std::get<std::string>(parsed).find(c.says), std::string::npos)
            << c.text << ": " << std::get<std::string>(parsed);
    }
}

TEST(StudyGrid, ValuesAsTheEditorHoldsThemWithTheBaseWidthTheSumOfItsParts) {
    const VariedField toe = field("toeWidth=3000:3200:100");
    const VariedField phi = field("backfillPhi=30:32.5:2.5");
    const auto designs = studyDesigns(D{}, {toe, phi});
    ASSERT_EQ(designs.size(), 6u);
    EXPECT_EQ(designs[0].values, (std::vector<std::string>{"3000", "30.0"}));
    EXPECT_EQ(designs[5].values, (std::vector<std::string>{"3200", "32.5"}));
    EXPECT_EQ(designs[1].conditions.backfillPhi.text, "32.5");
    EXPECT_EQ(designs[0].conditions.toeWidth.text, "3000");
    EXPECT_EQ(designs[0].conditions.baseWidth.text, "3542");  // 4042 − 500
    EXPECT_EQ(designs[4].conditions.baseWidth.text, "3742");
    const auto crest = studyDesigns(D{}, {field("crestWidth=450:450:50")});
    EXPECT_EQ(crest[0].conditions.baseWidth.text, "4092");
    const auto thickness = studyDesigns(D{}, {field("baseThickness=600:600:50")});
    EXPECT_EQ(thickness[0].conditions.baseWidth.text, "4042") << "not a width of the base";
}

std::vector<std::vector<std::string>> readCsvWithPython(const fs::path& csv) {
    EXPECT_TRUE(testing::installed("python3"));
    const auto run = testing::runProgram(
        "python3 -c \"import csv,sys\n"
        "for r in csv.reader(open(sys.argv[1], encoding='cp932', newline='')):\n"
        "    print('\\t'.join(r))\" " +
        testing::shellQuoted(csv));
    EXPECT_EQ(run.status, 0) << run.output;
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> cells;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            cells.push_back(line.substr(start, tab - start));
        cells.push_back(line.substr(start));
        rows.push_back(cells);
    }
    return rows;
}

double parsed(const std::string& s) {
    double v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

// The grid holds the start values and an invalid design (φ 95 is refused); the
// file reads back as CSV, and the start values' row shows the book's figures.
TEST(StudyCsv, ReadsBackAndShowsTheBooksFiguresAndTheRefusal) {
    testing::TempFolder tmp;
    const VariedField phi = field("backfillPhi=35:95:60");
    const auto rows = runStudy(D{}, {phi});
    ASSERT_EQ(rows.size(), 2u);
    writeFileSafely(tmp.path() / "study.csv", toCp932(studyCsv({phi}, rows)));
    const auto table = readCsvWithPython(tmp.path() / "study.csv");
    ASSERT_EQ(table.size(), 3u);
    const auto& header = table[0];
    const auto column = [&](const std::string& name) {
        const auto it = std::find(header.begin(), header.end(), name);
        EXPECT_NE(it, header.end()) << name;
        return static_cast<std::size_t>(it - header.begin());
    };
    const auto& start = table[1];
    const auto& refused = table[2];
    EXPECT_EQ(start[0], "35");
    EXPECT_EQ(refused[0], "95");
    EXPECT_EQ(refused[column("結果")], "中止");
    EXPECT_NE(refused[column("中止の理由")].find("φ"), std::string::npos);
    EXPECT_EQ(refused[column("滑動 Fs")], "");

    testing::FakeDialogs dialogs;
    Session session(dialogs);
    ASSERT_EQ(runCalculationCommand(session), RunOutcome::Completed);
    const auto& book = session.book;
    const auto has = [](const std::vector<std::string>& lines, const std::string& tail) {
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) {
            return l.size() >= tail.size() &&
                   l.compare(l.size() - tail.size(), tail.size(), tail) == 0;
        });
    };
    EXPECT_TRUE(has(book.text(TextId::SlidingText).upper().lines(),
                    "=" + formatValue("0.00", parsed(start[column("滑動 Fs")]))));
    EXPECT_TRUE(has(book.text(TextId::OverturningText).upper().lines(),
                    "=" + formatValue("0.000m", parsed(start[column("転倒 |e|")]))));
    EXPECT_TRUE(has(book.text(TextId::BearingText).upper().lines(),
                    "=" + formatValue("0.00kN/m2", parsed(start[column("支持力 q1")]))));
    const TableSection& stem = book.table(TableId::StemStressTable);
    EXPECT_EQ(stem.cell(4, 9),
              formatValue("0.00N/mm2", parsed(start[column("たて壁(固定端) σc")])));
    EXPECT_EQ(stem.cell(4, 15), start[column("たて壁(固定端) σc 判定")]);
    EXPECT_EQ(stem.cell(4, 8), start[column("たて壁鉄筋")]);
    const TableSection& toe = book.table(TableId::ToeStressTable);
    EXPECT_EQ(toe.cell(1, 7), formatValue("0.00N/mm2", parsed(start[column("つま先版 σs")])));
}

// The highest utilisation of each check over the sampled designs.
std::map<std::string, double> peaks(const std::vector<StudyRow>& rows) {
    std::map<std::string, double> found;
    for (const StudyRow& r : rows)
        for (const CheckResult& c : r.evaluation.checks)
            if (c.utilisation) found[c.label] = std::max(found[c.label], *c.utilisation);
    return found;
}

// Regression: 24 lines in 12 colours (転倒 |e| and たて壁 σs both red), the axis capped
// at 3.15 while the governing check lay above it, and the passing range shaded half a
// step beyond the sampled designs that pass. The plot shows the governing check and
// those within reach of it, each in a colour and dash of its own, up to the governing
// check (or its value on the top edge), shaded only between passing samples.
TEST(StudyPlot, ShowsTheGoverningChecksApartUpToTheGoverningValue) {
    testing::TempFolder tmp;
    struct Case {
        const char* name;
        const char* varied;
        const char* sigmaCa;
    } cases[] = {
        {"the toe width", "toeWidth=2500:4500:250", "9"},
        // σca 1 puts the concrete stresses far above the plot's ceiling of 5.
        {"concrete stresses far above the ceiling", "toeWidth=2500:4500:500", "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        D d;
        d.sigmaCa.text = c.sigmaCa;
        const VariedField varied = field(c.varied);
        const auto rows = runStudy(d, {varied});
        const StudyPlot plot = studyPlot({varied}, rows);
        const FigureSection& f = plot.figure;
        EXPECT_EQ(f.series(1).legendTitle(), "許容値 1.0");
        EXPECT_EQ(f.series(1).points().front().y, 1.0);

        const auto peak = peaks(rows);
        double governing = 0;
        for (const auto& [label, u] : peak) governing = std::max(governing, u);
        std::set<std::pair<std::uint32_t, int>> styles;
        std::set<std::string> plotted;
        for (int n = 2; n <= f.seriesCount(); ++n) {
            const FigureSeries& line = f.series(n);
            plotted.insert(line.legendTitle());
            EXPECT_TRUE(
                styles.insert({line.colour().value(), static_cast<int>(line.dash())}).second)
                << line.legendTitle() << " looks like another line";
        }
        for (const auto& [label, u] : peak)
            EXPECT_EQ(plotted.count(label) == 1, u >= 0.5 * governing && u > 0)
                << label << " " << u;

        const double top = f.verticalAxis().maximum;
        EXPECT_GE(top, std::min(governing, 5.0)) << "the governing check is within the plot";
        int marked = 0;
        for (int n = 2; n <= f.seriesCount(); ++n)
            for (const FigurePoint& p : f.series(n).points()) {
                EXPECT_LE(p.y, top);
                if (p.label.rfind("↑", 0) == 0) ++marked;
            }
        EXPECT_EQ(marked > 0, governing > top) << "a value above the plot is marked on its edge";

        const auto passes = [&](double x) {
            for (std::size_t i = 0; i < rows.size(); ++i)
                if (std::abs(varied.from + varied.step * static_cast<double>(i) - x) < 1e-9)
                    return std::optional(rows[i].evaluation.passed);
            return std::optional<bool>();
        };
        for (const auto& r : plot.options.shadedRanges) {
            EXPECT_EQ(passes(r.from), std::optional(true)) << r.from;
            EXPECT_EQ(passes(r.to), std::optional(true)) << r.to;
            for (double x = r.from; x <= r.to + 1e-9; x += varied.step)
                EXPECT_EQ(passes(x), std::optional(true))
                    << x << " inside " << r.from << ".." << r.to;
        }
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const double x = varied.from + varied.step * static_cast<double>(i);
            const bool shaded =
                std::any_of(plot.options.shadedRanges.begin(), plot.options.shadedRanges.end(),
                            [&](const auto& r) { return x >= r.from - 1e-9 && x <= r.to + 1e-9; });
            EXPECT_EQ(shaded, rows[i].evaluation.passed) << x;
        }

        const fs::path svg = tmp.path() / "study.svg";
        writeFileSafely(svg, studyPlotSvg(plot));
        MARVOTEN_ASSERT_INSTALLED("rsvg-convert");
        EXPECT_EQ(testing::runQuietly("rsvg-convert " + testing::shellQuoted(svg) + " -o " +
                                      testing::shellQuoted(tmp.path() / "study.png")),
                  0);
        EXPECT_GT(fs::file_size(tmp.path() / "study.png"), 1000u);
    }
}

TEST(StudyPlot, WithTwoFieldsDrawsTheGoverningUtilisationPerValueOfTheSecond) {
    D d;
    d.sigmaCa.text = "9";
    const VariedField toe = field("toeWidth=2500:4500:250");
    const VariedField thickness = field("baseThickness=600:800:100");
    const StudyPlot two = studyPlot({toe, thickness}, runStudy(d, {toe, thickness}));
    EXPECT_EQ(two.figure.seriesCount(), 1 + 3);
    EXPECT_EQ(two.figure.series(2).legendTitle(), "baseThickness=600 最大照査値");
    EXPECT_EQ(two.figure.series(2).pointCount(), 9u);
}

}  // namespace
}  // namespace marvoten
