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

void startValues(DesignConditionsEditor&) {}

void keyWaterAndSeismic(DesignConditionsEditor& e) {
    e.choose(Choice::HasShearKey, 1);     // 800 / 500 / 400 mm
    e.setOption(Option::HasWater, true);  // H1 0.5 m, γw 9.8, buoyancy in the slab
    e.choose(Choice::SeismicCase, 1);     // kh 0.12, seismic earth pressure + inertia
    e.showAllowableStresses();
    e.allowableStressWindow().chooseLoadCase(1);
    e.transferAllowableStresses();
}

using D = DesignConditions;

void embankmentWindAndCollision(DesignConditionsEditor& e) {
    e.choose(Choice::BodyKind, 1);           // precast
    e.choose(Choice::WallFrictionRatio, 1);  // δ = φ/2
    e.typeText(&D::backfillCohesion, "5.0");
    e.typeText(&D::bearingCohesion, "10.0");
    e.choose(Choice::BackfillShape, 2);  // embankment 1:1.5, 1.0 m high
    e.typeText(&D::slopeRatio, "1.5");
    e.typeText(&D::embankmentHeight, "1000");
    e.typeText(&D::toeWidth, "4500");
    e.typeText(&D::baseWidth, "5042");
    e.choose(Choice::SurchargeZone, 1);  // on the whole surface
    e.setOption(Option::HasSnow, true);
    e.choose(Choice::SurchargeTreatment, 1);  // computed separately and added
    e.choose(Choice::StemPressureMethod, 0);  // the wedge at every stem section
    e.setOption(Option::HasPassive, false);
    e.setOption(Option::HasWind, true);
    e.typeText(&D::barrierHeight, "2.0");
    e.setOption(Option::HasCollision, true);
    e.choose(Choice::StemRebarMode, 1);
    e.chooseRebarPitch(RebarMember::Stem, 9);  // 250mm
    e.choose(Choice::ToeRebarMode, 2);
    e.chooseRebarDiameter(RebarMember::Toe, 7);  // 25mm
}

void slopeSeismicSmallWall(DesignConditionsEditor& e) {
    e.typeText(&D::stemHeight, "5000");
    e.typeText(&D::baseThickness, "600");
    e.typeText(&D::slabSlopeHeight, "100");
    e.typeText(&D::toeWidth, "2200");
    e.typeText(&D::frontBatterWidth, "250");
    e.typeText(&D::crestWidth, "350");
    e.typeText(&D::baseWidth, "2800");
    e.choose(Choice::HasShearKey, 1);
    e.typeText(&D::keyPosition, "1000");
    e.typeText(&D::keyWidth, "400");
    e.choose(Choice::BackfillShape, 1);  // slope 1:1.8
    e.typeText(&D::slopeRatio, "1.8");
    e.setOption(Option::HasSurcharge, false);
    e.setOption(Option::HasWater, true);
    e.typeText(&D::waterDepth, "1.2");
    e.setOption(Option::BuoyancyInSlab, false);
    e.choose(Choice::SeismicCase, 1);
    e.choose(Choice::SeismicLoadSet, 0);  // normal earth pressure + inertia
    e.typeText(&D::khStandard, "0.16");
    e.typeText(&D::regionFactor, "0.85");  // kh 0.14
    e.showAllowableStresses();
    e.allowableStressWindow().chooseLoadCase(1);
    e.transferAllowableStresses();
}

// The safety-factor method of the overturning check and the self-standing height Zc
// are editor settings the design file does not store: such a design runs in the
// session it was entered in.
void clayWithZcSafetyFactorAndSeismicPressureOnly(DesignConditionsEditor& e) {
    e.choose(Choice::BackfillSoilType, 2);  // clay: γs 18, φ 25
    e.typeText(&D::backfillCohesion, "10.0");
    e.setOption(Option::ConsiderZc, true);
    e.choose(Choice::OverturningMethod, 1);  // Fm 1.5 / 1.2
    e.typeText(&D::embedCohesion, "8.0");
    e.typeText(&D::adhesion, "5.0");
    e.choose(Choice::SeismicCase, 1);
    e.choose(Choice::SeismicLoadSet, 2);  // seismic earth pressure only
    e.typeText(&D::khStandard, "0.20");
    e.showAllowableStresses();
    e.allowableStressWindow().chooseLoadCase(1);
    e.transferAllowableStresses();
}

// Embankment, wind, collision and surcharge on a narrow base: the resultant leaves
// the base's middle two thirds, the reaction cannot be computed and the member
// design is left out.
void resultantBeyondTheMiddleTwoThirds(DesignConditionsEditor& e) {
    e.choose(Choice::BackfillShape, 2);  // 1:1.5 up to 2.0 m
    e.typeText(&D::slopeRatio, "1.5");
    e.setOption(Option::HasWind, true);
    e.typeText(&D::barrierHeight, "3.0");
    e.typeText(&D::windPressure, "2.0");
    e.setOption(Option::HasCollision, true);
    e.choose(Choice::SurchargeZone, 1);
    e.typeText(&D::toeWidth, "2500");
    e.typeText(&D::baseWidth, "3042");
    e.choose(Choice::HasShearKey, 1);
}

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
    const std::string bytes = readFileBytes(out / "擁壁.txt");

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
