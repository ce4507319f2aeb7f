#include "preview/fontnames.h"

#include <gtest/gtest.h>

using namespace mottler;

TEST(FontNames, TheFoundryQtAddsIsDroppedAndEachFamilyListedOnce) {
    EXPECT_EQ(PlainFontFamily("Nimbus Sans [urw]"), "Nimbus Sans");
    EXPECT_EQ(PlainFontFamily("DejaVu Sans"), "DejaVu Sans");
    EXPECT_EQ(PlainFontFamily("[Odd]"), "[Odd]") << "nothing left without the bracket";
    EXPECT_EQ(PlainFontFamilies({"Nimbus Sans [urw]", "DejaVu Sans", "Nimbus Sans [UKWN]",
                                 "Nimbus Sans", "C059 [urw]"}),
              QStringList({"Nimbus Sans", "DejaVu Sans", "C059"}));
}
