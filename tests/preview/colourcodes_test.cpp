#include "preview/colourcodes.h"

#include <gtest/gtest.h>

using namespace mottler;

namespace {

const PreviewColours DefaultColours{DefaultTextColour, DefaultLinkColour, DefaultVisitedLinkColour,
                                    DefaultActiveLinkColour};

} // namespace

TEST(ColourCodes, TheDefaultsStartWithASpaceInTheFixedOrder) {
    const QString codes = " TEXT=\"#000000\" LINK=\"#0000FF\" VLINK=\"#CC00CC\" ALINK=\"#FF0000\"";
    EXPECT_EQ(ColourCodesText(DefaultColours), codes);
    const ColourCodesCopy copy = ColourCodesWithMessage(DefaultColours);
    EXPECT_TRUE(copy.PutOnClipboard);
    EXPECT_EQ(copy.Text, codes);
    EXPECT_EQ(copy.Message,
              "The following text has been placed in your clipboard :\r\n\r\n" + codes);
}

TEST(ColourCodes, UnsetColoursAreLeftOutAndNoneLeavesTheClipboardAlone) {
    PreviewColours colours;
    colours.VisitedLink = PackRgb(0xAB, 0x0C, 0xEF);
    EXPECT_EQ(ColourCodesText(colours), " VLINK=\"#AB0CEF\"");
    EXPECT_EQ(ColourCodesText({}), "");
    const ColourCodesCopy copy = ColourCodesWithMessage({});
    EXPECT_FALSE(copy.PutOnClipboard);
    EXPECT_EQ(copy.Message, "None of the colors have yet been set, so no text has been placed "
                            "in the clipboard.");
}

TEST(ColourCodes, CssHasABodyRuleAndOneRulePerLinkColour) {
    EXPECT_EQ(ColourCodesCss(DefaultColours), "body {\n"
                                              "  color: #000000;\n"
                                              "  background-image: url(\"backgrnd.jpg\");\n"
                                              "}\n"
                                              "a:link { color: #0000FF; }\n"
                                              "a:visited { color: #CC00CC; }\n"
                                              "a:active { color: #FF0000; }\n");
    PreviewColours linkOnly;
    linkOnly.Link = PackRgb(0, 0x80, 0);
    EXPECT_EQ(ColourCodesCss(linkOnly, "img/a \"b\".jpg"),
              "body {\n  background-image: url(\"img/a \\\"b\\\".jpg\");\n}\n"
              "a:link { color: #008000; }\n");
}
