#include "palette/colourtext.h"

#include <gtest/gtest.h>

using namespace mottler;

TEST(ColourText, HexIsRedGreenBlueAndReadsPairsAndTheLastTwo) {
    EXPECT_EQ(ColourToHex(PackRgb(255, 128, 0)), "FF8000");
    EXPECT_EQ(ColourToHex(PackRgb(0x0a, 0x0b, 0xcd)), "0A0BCD");
    EXPECT_EQ(ColourFromPresetHex("b46e0c"), PackRgb(0xB4, 0x6E, 0x0C));
    EXPECT_EQ(ColourFromPresetHex("ABC"), PackRgb(0xAB, 0x0C, 0xBC));
    EXPECT_EQ(ColourFromPresetHex("1234567"), PackRgb(0x12, 0x34, 0x67));
}

TEST(ColourText, InvalidTextGivesTheButtonFaceColour) {
    const PackedColour face = PackRgb(240, 240, 240); // no QGuiApplication in these tests
    EXPECT_EQ(ButtonFaceColour(), face);
    for (const char* text : {"", "AB", "GG0000", "12 456", "0x1234", "-10000"})
        EXPECT_EQ(ColourFromPresetHex(text), face) << text;
}
