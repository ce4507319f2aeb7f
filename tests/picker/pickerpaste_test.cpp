#include "base/errors.h"
#include "picker/pickerpaste.h"

#include <gtest/gtest.h>

namespace mottler {
namespace {

// The dialog test pins "#FF8000" and the "FF80" message; these are the other shapes of paste.
TEST(PickerPaste, TakesSixHexDigitsOrThreeDecimalParts) {
    EXPECT_EQ(HexFieldsFromPaste("ff8000\n"), (ChannelTexts{"ff", "80", "00"}));
    EXPECT_THROW(HexFieldsFromPaste("FF80ZZ"), MottlerError);
    EXPECT_THROW(HexFieldsFromPaste("#FF80001"), MottlerError);
    EXPECT_EQ(DecimalFieldsFromPaste("255, 128,0"), (ChannelTexts{"255", "128", "0"}));
    EXPECT_EQ(DecimalFieldsFromPaste("255,128"), std::nullopt);
    EXPECT_EQ(DecimalFieldsFromPaste("1,2,3,4"), std::nullopt);
}

} // namespace
} // namespace mottler
