#include "model/colour.h"

#include <gtest/gtest.h>

namespace marvoten {
namespace {

TEST(Colour, StandardNamesMapBothWays) {
    struct Case {
        const char* name;
        Colour colour;
        std::uint32_t rgb;
    };
    const Case cases[] = {
        {"clWindow", clWindow, 0xFFFFFF}, {"clSilver", clSilver, 0xC0C0C0},
        {"clWhite", clWhite, 0xFFFFFF},   {"clMaroon", clMaroon, 0x800000},
        {"clBlack", clBlack, 0x000000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(colourName(c.colour), c.name);
        EXPECT_EQ(colourFromName(c.name), c.colour);
        EXPECT_EQ(displayRgb(c.colour), c.rgb) << c.name;
    }
    EXPECT_NE(clWindow, clWhite) << "a white field and a window-coloured field must stay distinct";
    EXPECT_FALSE(colourName(0x00123456).has_value());
    EXPECT_FALSE(colourFromName("clNoSuch").has_value());
}

}  // namespace
}  // namespace marvoten
