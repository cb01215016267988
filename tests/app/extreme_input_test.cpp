// Texts no engineer means, typed into every kind of number field and run through the
// command line with every output: each one is refused with a message, or computes a
// book whose text output shows no non-finite number and whose PDF a reader takes as
// sound. Runs past the validation end too, by a search limit if need be.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/cli.h"
#include "model/design_file.h"
#include "platform/encoding.h"
#include "platform/safe_file.h"
#include "platform/utf8_path.h"
#include "report/calculation_run.h"
#include "session/session.h"
#include "support/external_programs.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

namespace fs = std::filesystem;
using D = DesignConditions;

const char* const kExtremeTexts[] = {"1e17", "1e300", "-1e9", "-1", "0", "1e-300", "90"};

void noSetting(D&) {}
void withShearKey(D& d) {
    d.hasShearKey = 1;
    d.keyPosition.text = "800";
    d.keyWidth.text = "500";
    d.keyHeight.text = "400";
}
void onSlope(D& d) {
    d.backfillShape = 1;
    d.slopeRatio.text = "1.8";
    d.surchargeZone = 1;
}
void onEmbankment(D& d) {
    d.backfillShape = 2;
    d.slopeRatio.text = "1.5";
    d.embankmentHeight.text = "1000";
}
void withWater(D& d) {
    d.hasWater.on = true;
    d.waterDepth.text = "0.5";
    d.waterUnitWeight.text = "9.8";
    d.buoyancyInSlab.on = true;
}
void withSnow(D& d) {
    d.hasSnow.on = true;
    d.snowOnFlat.text = "1.0";
    d.snowOnSlope.text = "0.35";
}
void withWindAndCollision(D& d) {
    d.hasWind.on = true;
    d.barrierHeight.text = "1.0";
    d.windPressure.text = "1.0";
    d.hasCollision.on = true;
    d.collisionLoad.text = "30";
    d.collisionHeight.text = "0.6";
}
void seismic(D& d) {
    d.seismicCase = 1;
    d.kh.text = "0.12";
    d.khStandard.text = "0.12";
}

struct FieldKind {
    const char* name;
    NumberField D::*field;
    void (*setting)(D&);
};

void PrintTo(const FieldKind& k, std::ostream* os) {
    *os << k.name;
}

class ExtremeInput : public ::testing::TestWithParam<FieldKind> {
protected:
    testing::TempFolder tmp;
    fs::path startFolder = fs::current_path();
    void TearDown() override { fs::current_path(startFolder); }
};

TEST_P(ExtremeInput, IsRefusedWithItsMessageOrComputesASoundBook) {
    if (testing::kReadersCanRun) ASSERT_TRUE(testing::installed("qpdf"));
    const FieldKind& kind = GetParam();
    const std::string label = fieldLabel(kind.field);
    int folder = 0;
    for (const char* text : kExtremeTexts) {
        SCOPED_TRACE(std::string(kind.name) + " = '" + text + "'");
        D d;
        kind.setting(d);
        (d.*kind.field).text = text;
        const fs::path dir = tmp.path() / std::to_string(folder++);
        fs::create_directories(dir);
        writeDesignFile(dir / "extreme.dat", d);
        std::ostringstream out, err;
        const int status =
            runCli({"run", utf8FromPath(dir / "extreme.dat"), "--out", utf8FromPath(dir / "out")},
                   out, err);
        fs::current_path(startFolder);
        const std::string messages = err.str();
        if (status != 0) {
            EXPECT_FALSE(fs::exists(dir / "out" / u8"擁壁.txt")) << "a refused run wrote output";
            EXPECT_FALSE(messages.empty()) << "refused without a message";
            if (status == 2 && messages.find("範囲外") != std::string::npos) {
                EXPECT_NE(messages.find(label + "：'" + text + "'"), std::string::npos) << messages;
                continue;
            }
            if (status == 2) continue;  // another check of the validation refused it
            // A text the run must read as a whole number stops with its conversion error.
            EXPECT_EQ(status, 1) << messages;
            EXPECT_NE(messages.find(label + "：'" + text + "' は整数ではありません"),
                      std::string::npos)
                << messages;
            continue;
        }
        const std::string book = fromCp932(readFileBytes(dir / "out" / u8"擁壁.txt"));
        EXPECT_FALSE(testing::showsNonFinite(book)) << "the text output shows a non-finite number";
        if (!testing::kReadersCanRun) continue;
        const auto check = testing::runProgram(
            "qpdf --check " + testing::shellQuoted(dir / "out" / u8"擁壁計算結果.pdf"));
        EXPECT_EQ(check.status, 0) << check.output;
    }
}

const FieldKind kFieldKinds[] = {
    {"backfillPhi", &D::backfillPhi, noSetting},
    {"backfillPhiOnSlope", &D::backfillPhi, onSlope},
    {"embedPhi", &D::embedPhi, noSetting},
    {"bearingPhi", &D::bearingPhi, noSetting},
    {"backfillUnitWeight", &D::backfillUnitWeight, noSetting},
    {"embedUnitWeight", &D::embedUnitWeight, noSetting},
    {"bearingUnitWeightWithWater", &D::bearingUnitWeight, withWater},
    {"concreteUnitWeight", &D::concreteUnitWeight, noSetting},
    {"waterUnitWeight", &D::waterUnitWeight, withWater},
    {"stemHeight", &D::stemHeight, noSetting},
    {"baseThickness", &D::baseThickness, noSetting},
    {"slabSlopeHeight", &D::slabSlopeHeight, noSetting},
    {"toeWidth", &D::toeWidth, noSetting},
    {"frontBatterWidth", &D::frontBatterWidth, noSetting},
    {"crestWidth", &D::crestWidth, noSetting},
    {"formworkWidth", &D::formworkWidth, noSetting},
    {"baseWidth", &D::baseWidth, noSetting},
    {"keyPosition", &D::keyPosition, withShearKey},
    {"keyWidth", &D::keyWidth, withShearKey},
    {"keyHeight", &D::keyHeight, withShearKey},
    {"slopeRatio", &D::slopeRatio, onSlope},
    {"embankmentHeight", &D::embankmentHeight, onEmbankment},
    {"embedDepth", &D::embedDepth, noSetting},
    {"bearingEmbedDepth", &D::bearingEmbedDepth, noSetting},
    {"effectiveEmbedDepth", &D::effectiveEmbedDepth, noSetting},
    {"waterDepth", &D::waterDepth, withWater},
    {"backfillCohesion", &D::backfillCohesion, noSetting},
    {"embedCohesion", &D::embedCohesion, noSetting},
    {"bearingCohesion", &D::bearingCohesion, noSetting},
    {"adhesion", &D::adhesion, noSetting},
    {"allowableBearing", &D::allowableBearing, noSetting},
    {"frictionCoeff", &D::frictionCoeff, noSetting},
    {"blockLength", &D::blockLength, withWindAndCollision},
    {"surcharge", &D::surcharge, noSetting},
    {"snowOnFlat", &D::snowOnFlat, withSnow},
    {"snowOnSlope", &D::snowOnSlope,
     [](D& d) {
         withSnow(d);
         onSlope(d);
     }},
    {"barrierHeight", &D::barrierHeight, withWindAndCollision},
    {"windPressure", &D::windPressure, withWindAndCollision},
    {"collisionLoad", &D::collisionLoad, withWindAndCollision},
    {"collisionHeight", &D::collisionHeight, withWindAndCollision},
    {"kh", &D::kh, seismic},
    {"sigmaCk", &D::sigmaCk, noSetting},
    {"sigmaCa", &D::sigmaCa, noSetting},
    {"sigmaCat", &D::sigmaCat, noSetting},
    {"tauA1", &D::tauA1, noSetting},
    {"tau0", &D::tau0, noSetting},
    {"sigmaSa", &D::sigmaSa, noSetting},
    {"coverStem", &D::coverStem, noSetting},
    {"coverSlab", &D::coverSlab, noSetting},
};

INSTANTIATE_TEST_SUITE_P(EveryKindOfField, ExtremeInput, ::testing::ValuesIn(kFieldKinds),
                         [](const auto& info) { return std::string(info.param.name); });

// Every field at the far end of its range at once: the figures and the PDF must still
// hold every number the book draws.
TEST(ExtremeWall, TheLargestValuesValidationAdmitsComputeASoundBook) {
    testing::TempFolder tmp;
    const fs::path start = fs::current_path();
    D d;
    withWater(d);
    withSnow(d);
    withWindAndCollision(d);
    seismic(d);
    d.kh.text = "1";
    for (auto [field, text] : std::initializer_list<std::pair<NumberField D::*, const char*>>{
             {&D::backfillUnitWeight, "100"},
             {&D::concreteUnitWeight, "100"},
             {&D::embedUnitWeight, "100"},
             {&D::bearingUnitWeight, "100"},
             {&D::backfillPhi, "89.9"},
             {&D::embedPhi, "46"},
             {&D::surcharge, "1000"},
             {&D::stemHeight, "50000"},
             {&D::toeWidth, "30000"},
             {&D::baseWidth, "30542"},
             {&D::waterUnitWeight, "100"},
             {&D::collisionLoad, "10000"},
             {&D::windPressure, "100"},
             {&D::barrierHeight, "30"},
             {&D::allowableBearing, "10000"},
             {&D::embedDepth, "100"},
             {&D::effectiveEmbedDepth, "40"},
             {&D::waterDepth, "40"},
             {&D::backfillCohesion, "1000"}})
        (d.*field).text = text;
    writeDesignFile(tmp.path() / "largest.dat", d);
    std::ostringstream out, err;
    const int status = runCli({"run", utf8FromPath(tmp.path() / "largest.dat"), "--out",
                               utf8FromPath(tmp.path() / "out")},
                              out, err);
    fs::current_path(start);
    ASSERT_EQ(status, 0) << err.str();
    const std::string book = fromCp932(readFileBytes(tmp.path() / "out" / u8"擁壁.txt"));
    EXPECT_FALSE(testing::showsNonFinite(book));
    MARVOTEN_ASSERT_INSTALLED("qpdf");
    const auto check = testing::runProgram(
        "qpdf --check " + testing::shellQuoted(tmp.path() / "out" / u8"擁壁計算結果.pdf"));
    EXPECT_EQ(check.status, 0) << check.output;
}

// The values past the validation that once kept a run busy for ever, or cast 10¹⁷ into
// an integer: the calculation itself ends, computing or stopping at a search limit.
TEST(PastTheValidation, EveryRunEnds) {
    const std::pair<NumberField D::*, const char*> cases[] = {
        {&D::backfillPhi, "-1e9"},        {&D::backfillPhi, "1e9"},
        {&D::backfillPhi, "90"},          {&D::backfillUnitWeight, "1e17"},
        {&D::concreteUnitWeight, "1e17"}, {&D::backfillUnitWeight, "-20"},
        {&D::stemHeight, "1e300"},        {&D::coverStem, "1e17"},
    };
    int stopped = 0;
    for (const auto& [field, text] : cases) {
        testing::FakeDialogs dialogs;
        Session s(dialogs);
        D d = s.editor.conditions();
        (d.*field).text = text;
        StabilityHeadings headings;
        PrintedPageLabels labels;
        try {
            runCalculation(d, "extreme", s.book, s.view, headings, labels);
        } catch (const SearchLimitExceeded& e) {
            ++stopped;
            EXPECT_NE(searchStoppedMessage(e.search()).find("計算を中止しました。"),
                      std::string::npos);
        }
    }
    EXPECT_GE(stopped, 1) << "φ = −10⁹° reaches the slip-angle curve's limit";
}

// A subject name Shift-JIS cannot hold is written with "?" in the text output.
TEST(SubjectName, ThatShiftJisCannotHoldIsWrittenWithQuestionMarks) {
    testing::TempFolder tmp;
    const fs::path start = fs::current_path();
    writeDesignFile(tmp.path() / u8"Müller.dat", D{});
    std::ostringstream out, err;
    const int status = runCli({"run", utf8FromPath(tmp.path() / u8"Müller.dat"), "--txt", "--pdf",
                               "--out", utf8FromPath(tmp.path() / "out")},
                              out, err);
    fs::current_path(start);
    ASSERT_EQ(status, 0) << err.str();
    const std::string text = fromCp932(readFileBytes(tmp.path() / "out" / u8"擁壁.txt"));
    EXPECT_NE(text.find("件　名：M?ller\r\n"), std::string::npos);
}

}  // namespace
}  // namespace marvoten
