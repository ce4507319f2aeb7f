// The screensaver's growth loop over the built-in presets.
#include "saver/savergrowth.h"

#include <QColor>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace mottler::saver {
namespace {

bool AllOneColour(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                return false;
    return true;
}

TEST(SaverGrowth, ShowsEachPresetGrowingFromItsFirstStateAndStopsWhenAsked) {
    SaverGrowth growth(std::chrono::milliseconds(0), std::chrono::milliseconds(0));
    std::vector<QImage> frames;
    std::vector<bool> fresh;
    QObject::connect(&growth, &SaverGrowth::FrameReady, [&](const QImage& image, bool first) {
        frames.push_back(image);
        fresh.push_back(first);
        if (std::count(fresh.begin(), fresh.end(), true) == 2)
            growth.Stop(); // the second preset has started
    });
    growth.Run(); // returns only once stopped
    ASSERT_GE(frames.size(), 3u);
    EXPECT_TRUE(fresh.front());
    const auto second = std::find(fresh.begin() + 1, fresh.end(), true) - fresh.begin();
    ASSERT_GE(second, 2);
    // The first preset's growth and its final state, all of one size and not blank.
    for (qsizetype i = 0; i < second; ++i)
        EXPECT_EQ(frames[i].size(), frames.front().size());
    EXPECT_FALSE(AllOneColour(frames[second - 1]));
    EXPECT_NE(frames[second - 1], frames.front());
}

} // namespace
} // namespace mottler::saver
