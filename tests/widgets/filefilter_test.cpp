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
    // Never "*.gif (*.gif)": the patterns that describe themselves are shown once.
    EXPECT_EQ(QtFileFilter("|*.gif"), "*.gif");
    EXPECT_EQ(QtFileFilter("*.avi|*.avi"), "*.avi");
    EXPECT_EQ(QtFileFilter("*.jpg;*.jpeg|*.jpg;*.jpeg|All Files|*.*"),
              "*.jpg *.jpeg;;All Files (*.*)");
    EXPECT_EQ(QtFileFilter(""), "");
}

} // namespace
} // namespace mottler
