#include "model/soil_constants.h"

#include <gtest/gtest.h>

#include "model/design_file.h"
#include "support/test_support.h"

namespace marvoten {
namespace {

class SoilConstantsTest : public ::testing::Test {
protected:
    testing::FakeDialogs dialogs;
    DesignConditionsEditor editor{dialogs};
    SoilConstantsWindow window{dialogs, editor};
    void SetUp() override { window.showAt({0, 82}); }
};

TEST_F(SoilConstantsTest, FoundationRowSixAsksForQa300AndMu06) {
    dialogs.defaultAnswer = false;
    editor.transferText(&DesignConditions::allowableBearing, "150");
    const std::string before = designFileBytes(editor.conditions());
    window.clickFoundationGround(6);
    ASSERT_EQ(dialogs.confirmations.size(), 1u);
    EXPECT_EQ(dialogs.confirmations[0],
              "許容鉛直支持力度[qa]  = 300 kN/m2\r\r摩擦係数[μ=tan(φb)]  = 0.6\r\rいいですか。");
    EXPECT_EQ(designFileBytes(editor.conditions()), before);
    EXPECT_EQ(editor.conditions().allowableBearing.text, "150");
    EXPECT_TRUE(window.visible());

    dialogs.defaultAnswer = true;
    window.clickFoundationGround(8);
    EXPECT_EQ(editor.conditions().allowableBearing.text, "200");
    EXPECT_EQ(editor.conditions().frictionCoeff.text, "0.5");
    EXPECT_FALSE(window.visible());
}

TEST_F(SoilConstantsTest, FoundationHeaderRowAsksNothing) {
    window.clickFoundationGround(0);
    window.clickFoundationGround(10);
    EXPECT_TRUE(dialogs.confirmations.empty());
}

// The natural-ground table offers the soil chosen in the strength table; before any
// choice that is its first data row.
TEST_F(SoilConstantsTest, NaturalGroundOffersTheChosenStrengthRow) {
    dialogs.defaultAnswer = false;
    window.clickNaturalGround(3);
    ASSERT_EQ(dialogs.confirmations.size(), 1u);
    EXPECT_EQ(dialogs.confirmations[0],
              "裏込め土の土質=砂、砂礫\r\rを設計条件に転記します。いいですか。");
    window.clickBackfillStrength(2);
    window.clickNaturalGround(1);
    EXPECT_EQ(dialogs.confirmations.back(),
              "裏込め土の土質=砂質土\r\rを設計条件に転記します。いいですか。");
    // The header row of the strength table is not a choice.
    window.clickBackfillStrength(0);
    EXPECT_EQ(window.selectedBackfillRow(), 2);
}

// The question names the editor's soil kind, not the table's label; Yes sets the kind
// with its presets, then the table's three values, and the window stays.
TEST_F(SoilConstantsTest, ThirdSoilRowNamesTheEditorsKindAndTransfers) {
    editor.transferText(&DesignConditions::backfillCohesion, "5.0");
    window.clickBackfillStrength(3);
    ASSERT_EQ(dialogs.confirmations.size(), 1u);
    EXPECT_EQ(dialogs.confirmations[0],
              "裏込め土の土質=粘性土(wL<50%)\r\rを設計条件に転記します。いいですか。");
    const DesignConditions& d = editor.conditions();
    EXPECT_EQ(d.backfillSoilType, 2);
    EXPECT_EQ(d.backfillUnitWeight.text, "18");
    EXPECT_EQ(d.backfillPhi.text, "25");
    EXPECT_EQ(d.backfillCohesion.text, "0.0");
    EXPECT_TRUE(window.visible());
}

TEST_F(SoilConstantsTest, TablesHoldTheGuidelineRows) {
    EXPECT_EQ(soilTables::backfillStrength.size(), 4u);
    EXPECT_EQ(soilTables::naturalGround.size(), 4u);
    ASSERT_EQ(soilTables::foundationGround.size(), 10u);
    for (const auto& row : soilTables::foundationGround) EXPECT_EQ(row.size(), 6u);
    EXPECT_EQ(soilTables::foundationGround[9][1], "堅いもの");
}

}  // namespace
}  // namespace marvoten
