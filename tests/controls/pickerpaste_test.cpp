#include "controls/pickerpaste.h"
#include "engine/errors.h"

#include <gtest/gtest.h>

namespace mottler {
namespace {

TEST(PickerPaste, HexCodeFillsTheThreeHexFields) {
    EXPECT_EQ(HexFieldsFromPaste("#FF8000"), (ChannelTexts{"FF", "80", "00"}));
    EXPECT_EQ(HexFieldsFromPaste("ff8000\n"), (ChannelTexts{"ff", "80", "00"}));
}

TEST(PickerPaste, AnythingButSixHexDigitsIsRefusedByName) {
    try {
        HexFieldsFromPaste("FF80");
        FAIL();
    } catch (const MottlerError& error) {
        EXPECT_EQ(error.Message(), "FF80 is not a valid HTML color code.");
    }
    EXPECT_THROW(HexFieldsFromPaste("FF80ZZ"), MottlerError);
    EXPECT_THROW(HexFieldsFromPaste("#FF80001"), MottlerError);
}

TEST(PickerPaste, DecimalTextNeedsExactlyThreeParts) {
    EXPECT_EQ(DecimalFieldsFromPaste("255, 128,0"), (ChannelTexts{"255", "128", "0"}));
    EXPECT_EQ(DecimalFieldsFromPaste("255,128"), std::nullopt);
    EXPECT_EQ(DecimalFieldsFromPaste("1,2,3,4"), std::nullopt);
}

} // namespace
} // namespace mottler
