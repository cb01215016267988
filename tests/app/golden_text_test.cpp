// The whole text output "擁壁.txt" of six designs against golden files that were
// read line by line against the book's templates and checked by hand calculation.
// The golden files are kept as UTF-8 with LF so that a change shows as a readable
// diff; the CP932 and CR LF form of the written file is checked here separately.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/cli.h"
#include "model/design_conditions_editor.h"
#include "output/text_output.h"
#include "platform/encoding.h"
#include "platform/safe_file.h"
#include "session/session.h"
#include "support/reference_designs.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> splitLines(const std::string& text, const std::string& end) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t at = text.find(end, start);
        if (at == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, at - start));
        start = at + end.size();
    }
    return lines;
}

// A line diff by longest common subsequence: "-" golden only, "+" written only,
// each with its line number in its own file.
std::string lineDiff(const std::vector<std::string>& golden,
                     const std::vector<std::string>& written) {
    const size_t n = golden.size(), m = written.size();
    std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1, 0));
    for (size_t i = n; i-- > 0;)
        for (size_t j = m; j-- > 0;)
            common[i][j] = golden[i] == written[j] ? common[i + 1][j + 1] + 1
                                                   : std::max(common[i + 1][j], common[i][j + 1]);
    std::ostringstream diff;
    int shown = 0;
    size_t i = 0, j = 0;
    while ((i < n || j < m) && shown < 80) {
        if (i < n && j < m && golden[i] == written[j]) {
            ++i, ++j;
        } else if (j < m && (i == n || common[i][j + 1] >= common[i + 1][j])) {
            diff << "+" << j + 1 << ": " << written[j] << "\n";
            ++j, ++shown;
        } else {
            diff << "-" << i + 1 << ": " << golden[i] << "\n";
            ++i, ++shown;
        }
    }
    return diff.str();
}

using namespace testing::reference_designs;

enum class Route { CommandLine, Session };

struct GoldenCase {
    const char* design;  // the design file's name, which the book shows as the subject
    const char* golden;
    void (*enter)(DesignConditionsEditor&);
    Route route = Route::CommandLine;
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
    *os << c.golden;
}

class GoldenText : public ::testing::TestWithParam<GoldenCase> {
protected:
    testing::TempFolder tmp;
    fs::path startFolder = fs::current_path();
    void TearDown() override { fs::current_path(startFolder); }
};

TEST_P(GoldenText, WholeFileMatchesTheReviewedGoldenFile) {
    const GoldenCase& c = GetParam();
    testing::FakeDialogs dialogs;
    Session session(dialogs);
    c.enter(session.editor);
    const fs::path design = tmp.path() / c.design;
    ASSERT_TRUE(session.editor.saveDesignFileTo(design));
    const fs::path out = tmp.path() / "out";

    if (c.route == Route::CommandLine) {
        std::ostringstream o, e;
        ASSERT_EQ(runCli({"run", design.string(), "--txt", "--out", out.string()}, o, e), 0)
            << e.str();
    } else {
        ASSERT_EQ(runCalculationCommand(session), RunOutcome::Completed);
        fs::create_directories(out);
        ASSERT_TRUE(writeTextOutput(session.book, session.editor.conditions().hasShearKey == 1,
                                    dialogs, out));
    }
    const std::string bytes = readFileBytes(out / u8"擁壁.txt");

    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    for (const std::string& line : splitLines(bytes, "\r\n"))
        ASSERT_EQ(line.find_first_of("\r\n"), std::string::npos)
            << "a line break that is not CR LF";
    std::string text;
    ASSERT_NO_THROW(text = fromCp932(bytes));

    const std::string golden = readFileBytes(fs::path(MARVOTEN_GOLDEN_DIR) / c.golden);
    const auto expected = splitLines(golden, "\n");
    const auto written = splitLines(text, "\r\n");
    EXPECT_TRUE(written == expected) << c.golden << " differs:\n" << lineDiff(expected, written);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, GoldenText,
    ::testing::Values(
        GoldenCase{"start.dat", "start_values.txt", startValues},
        GoldenCase{"key_water_seismic.dat", "key_water_seismic.txt", keyWaterAndSeismic},
        GoldenCase{"embankment_wind_collision.dat", "embankment_wind_collision.txt",
                   embankmentWindAndCollision},
        GoldenCase{"slope_seismic_small_wall.dat", "slope_seismic_small_wall.txt",
                   slopeSeismicSmallWall},
        GoldenCase{"clay_zc_seismic_pressure_only.dat", "clay_zc_seismic_pressure_only.txt",
                   clayWithZcSafetyFactorAndSeismicPressureOnly, Route::Session},
        GoldenCase{"resultant_beyond_the_middle_third.dat", "resultant_beyond_the_middle_third.txt",
                   resultantBeyondTheMiddleTwoThirds}),
    [](const auto& info) {
        return std::string(info.param.golden).substr(0, std::string(info.param.golden).find('.'));
    });

}  // namespace
}  // namespace marvoten
