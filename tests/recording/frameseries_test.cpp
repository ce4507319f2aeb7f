#include "recording/frameseries.h"

#include <gtest/gtest.h>

namespace mottler {
namespace {

TEST(NumberedBmpFileName, EveryDotBmpOfTheFileNameInAnyCaseBecomesTheFourDigitIndex) {
    EXPECT_EQ(NumberedBmpFileName("/out/frames.bmp", 0), "/out/frames0000.bmp");
    EXPECT_EQ(NumberedBmpFileName("frames.BMP", 42), "frames0042.bmp");
    EXPECT_EQ(NumberedBmpFileName("a.Bmp.bmp", 7), "a0007.bmp0007.bmp");
    EXPECT_EQ(NumberedBmpFileName("/out/f.bmp", 12345), "/out/f12345.bmp");
    // The folder is left alone, and a name without ".bmp" is numbered at its end.
    EXPECT_EQ(NumberedBmpFileName("/shots.bmp/f.bmp", 3), "/shots.bmp/f0003.bmp");
    EXPECT_EQ(NumberedBmpFileName("/shots.bmp/frames", 3), "/shots.bmp/frames0003.bmp");
}

} // namespace
} // namespace mottler
