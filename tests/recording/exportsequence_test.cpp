#include "recording/exportsequence.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace mottler {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;

std::vector<int> Frames(const ExportOptions& options, int frameCount) {
    std::vector<int> frames;
    for (const ExportEntry& entry : BuildFrameSequence(options, frameCount)) {
        EXPECT_EQ(entry.BlendFrame, -1);
        frames.push_back(entry.Frame);
    }
    return frames;
}

ExportOptions Between(const QString& start, const QString& end) {
    ExportOptions options;
    options.Range = FrameRange::Between;
    options.StartText = start;
    options.EndText = end;
    return options;
}

TEST(BuildFrameSequence, AllWithSkipTwoOverSevenFramesAndItsPingPong) {
    ExportOptions options;
    options.SkipText = "2";
    EXPECT_THAT(Frames(options, 7), ElementsAre(0, 2, 4, 6));
    options.Looping = true;
    EXPECT_THAT(Frames(options, 7), ElementsAre(0, 2, 4, 6, 4, 2));
}

TEST(BuildFrameSequence, SkipZeroEmptyNegativeOrTextTakesEveryFrame) {
    for (const char* skip : {"0", "", "abc", "-3", "2.5"}) {
        ExportOptions options;
        options.SkipText = skip;
        EXPECT_THAT(Frames(options, 4), ElementsAre(0, 1, 2, 3)) << skip;
    }
}

// The boxes hold frame numbers as the user counts them, from 1, and both ends are included.
TEST(BuildFrameSequence, BetweenTakesFrameNumbersFromOneBothEndsIncluded) {
    EXPECT_THAT(Frames(Between("4", "100"), 10), ElementsAre(3, 4, 5, 6, 7, 8, 9));
    // The defaults, Start 1 and End = the count, give every frame, as "All" does.
    EXPECT_THAT(Frames(Between("1", "5"), 5), ElementsAre(0, 1, 2, 3, 4));
    ExportOptions everySecond = Between("1", "31");
    everySecond.SkipText = "2";
    ExportOptions all;
    all.SkipText = "2";
    EXPECT_EQ(BuildFrameSequence(everySecond, 31), BuildFrameSequence(all, 31));
    EXPECT_THAT(Frames(Between("", "x"), 5), ElementsAre());
    EXPECT_THAT(Frames(Between("-4", "1"), 5), ElementsAre(0));
    EXPECT_THAT(Frames(Between("6", "9"), 5), ElementsAre());
    EXPECT_THAT(Frames(Between("3", "2"), 5), ElementsAre());
    EXPECT_THAT(Frames(ExportOptions{}, 0), ElementsAre());
}

TEST(BuildFrameSequence, PingPongOverOneOrTwoEntriesAddsNothing) {
    ExportOptions options = Between("3", "4");
    options.Looping = true;
    EXPECT_THAT(Frames(options, 10), ElementsAre(2, 3));
    options.EndText = "3";
    EXPECT_THAT(Frames(options, 10), ElementsAre(2));
    options.EndText = "5";
    EXPECT_THAT(Frames(options, 10), ElementsAre(2, 3, 4, 3));
}

TEST(BuildFrameSequence, BlendingFadesTheLastEntriesIntoTheFirstAndLeavesTheFirstOut) {
    ExportOptions options;
    options.SkipText = "2";
    options.Looping = true;
    options.Loop = LoopStyle::BlendFrames;
    options.BlendCountText = "2";
    // Frames 0, 2, 4, 6, 8, 10: the last two take frames 0 and 2 at 1/3 and 2/3, and the
    // loop starts at frame 4.
    EXPECT_THAT(BuildFrameSequence(options, 11),
                ElementsAre(ExportEntry{4}, ExportEntry{6}, ExportEntry{8, 0, 1, 3},
                            ExportEntry{10, 2, 2, 3}));

    // More than half the entries blends half of them; none, text or a blend without
    // looping leaves the sequence as it is.
    options.BlendCountText = "9";
    EXPECT_THAT(BuildFrameSequence(options, 5),
                ElementsAre(ExportEntry{2}, ExportEntry{4, 0, 1, 2}));
    const std::vector<ExportEntry> plain{{0}, {2}, {4}};
    for (const char* count : {"0", "", "five", "-2"}) {
        options.BlendCountText = count;
        EXPECT_THAT(BuildFrameSequence(options, 5), ElementsAreArray(plain)) << count;
    }
    options.BlendCountText = "2";
    options.Looping = false;
    EXPECT_THAT(BuildFrameSequence(options, 5), ElementsAreArray(plain));
}

TEST(BuildFrameSequence, ABlendedLoopContinuesAfterItsLastEntryWithTheFrameAfterTheBlendTarget) {
    ExportOptions options;
    options.Looping = true;
    options.Loop = LoopStyle::BlendFrames;
    for (int n = 1; n <= 12; ++n) {
        options.BlendCountText = QString::number(n);
        const std::vector<ExportEntry> sequence = BuildFrameSequence(options, 12);
        const ExportEntry& last = sequence.back();
        const int blended = std::min(n, 6);
        ASSERT_EQ(sequence.size(), std::size_t(12 - blended)) << n;
        EXPECT_EQ(last.BlendWeight * 1.0 / last.BlendDenominator, blended / (blended + 1.0));
        EXPECT_EQ(sequence.front().Frame, last.BlendFrame + 1) << n;
    }
}

} // namespace
} // namespace mottler
