#include "gradients/gradientsettings.h"

#include <gtest/gtest.h>

using namespace mottler;

TEST(GradientSettingsTest, TheSavedWidthIsTheBoxOrAHundredAndTheEdgeGripIsSixPixels) {
    EXPECT_EQ(SavedGradientWidth("300"), 300);
    EXPECT_EQ(SavedGradientWidth(""), 100);
    EXPECT_EQ(SavedGradientWidth("4x"), 100);
    EXPECT_TRUE(IsOnGradientEdge(42, "48"));
    EXPECT_TRUE(IsOnGradientEdge(54, "48"));
    EXPECT_FALSE(IsOnGradientEdge(55, "48"));
    EXPECT_FALSE(IsOnGradientEdge(7, ""));
}
