#include "widgets/filefilter.h"

#include <gtest/gtest.h>

namespace mottler {
namespace {

TEST(QtFileFilter, ConvertsDescriptionPatternPairs) {
    EXPECT_EQ(QtFileFilter("Bitmaps|*.bmp|JPEG images|*.jpg;*.jpeg"),
              "Bitmaps (*.bmp);;JPEG images (*.jpg *.jpeg)");
    EXPECT_EQ(QtFileFilter("Bitmaps (*.bmp)|*.bmp|All files (*.*)|*.*"),
              "Bitmaps (*.bmp);;All files (*.*)");
    EXPECT_EQ(QtFileFilter("AVI movies|*.avi|Dangling"), "AVI movies (*.avi)");
    EXPECT_EQ(QtFileFilter("|*.gif"), "*.gif (*.gif)");
    EXPECT_EQ(QtFileFilter(""), "");
}

} // namespace
} // namespace mottler
