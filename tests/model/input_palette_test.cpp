#include "model/input_palette.h"

#include <gtest/gtest.h>

namespace marvoten {
namespace {

struct Field {
    std::string text = "old";
    bool enabled = true;
    InputPalette::Writer writer() {
        return [this](const std::string& t) {
            if (!enabled) return false;
            text = t;
            return true;
        };
    }
};

TEST(InputPalette, TypedTextGoesIntoTheFieldThatOpenedIt) {
    InputPalette palette;
    Field field;
    palette.open({100, 200}, field.writer());
    EXPECT_TRUE(palette.visible());
    EXPECT_EQ(palette.position(), (ScreenPosition{100, 240})) << "40 pixels below the field's top";
    for (const char* key : {"1", ".", "5"}) palette.press(key);
    EXPECT_EQ(field.text, "old") << "nothing is written before 転記";
    palette.transfer();
    EXPECT_EQ(field.text, "1.5");
    EXPECT_FALSE(palette.visible());
    EXPECT_EQ(palette.text(), "");
}

TEST(InputPalette, TransferWithNothingTypedEmptiesTheField) {
    InputPalette palette;
    Field field;
    palette.open({0, 0}, field.writer());
    palette.transfer();
    EXPECT_EQ(field.text, "");
}

TEST(InputPalette, ASecondFieldMovesThePaletteAndKeepsTheTypedText) {
    InputPalette palette;
    Field first, second;
    palette.open({10, 20}, first.writer());
    palette.press("7");
    palette.open({300, 400}, second.writer());
    EXPECT_EQ(palette.position(), (ScreenPosition{300, 440}));
    EXPECT_EQ(palette.text(), "7");
    palette.press(".");
    palette.transfer();
    EXPECT_EQ(second.text, "7.");
    EXPECT_EQ(first.text, "old");
}

TEST(InputPalette, ClsClearsAndCancelClearsAndHidesWithoutWriting) {
    InputPalette palette;
    Field field;
    palette.open({0, 0}, field.writer());
    palette.press("9");
    palette.clearText();
    EXPECT_EQ(palette.text(), "");
    EXPECT_TRUE(palette.visible());
    palette.press("3");
    palette.cancel();
    EXPECT_FALSE(palette.visible());
    EXPECT_EQ(palette.text(), "");
    EXPECT_EQ(field.text, "old");
}

TEST(InputPalette, KeysInFourRows) {
    ASSERT_EQ(paletteKeyRows().size(), 4u);
    EXPECT_EQ(paletteKeyRows()[3], (std::vector<std::string>{"0", "."}));
    std::size_t keys = 0;
    for (const auto& row : paletteKeyRows()) keys += row.size();
    EXPECT_EQ(keys, 11u);
}

// Regression: 転記 into a field disabled while the palette stood open dropped the
// typed text without a word; now the text and the palette stay.
TEST(InputPalette, AFieldThatTakesNothingKeepsTheTypedTextAndThePalette) {
    InputPalette palette;
    Field field;
    palette.open({0, 0}, field.writer());
    for (const char* key : {"2", "5"}) palette.press(key);
    field.enabled = false;
    palette.transfer();
    EXPECT_EQ(field.text, "old");
    EXPECT_TRUE(palette.visible());
    EXPECT_EQ(palette.text(), "25");
    field.enabled = true;
    palette.transfer();
    EXPECT_EQ(field.text, "25");
    EXPECT_FALSE(palette.visible());
}

}  // namespace
}  // namespace marvoten
