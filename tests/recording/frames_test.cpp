#include "base/errors.h"
#include "base/memoryprobe.h"
#include "recording/framebitmap.h"
#include "recording/frames.h"
#include "recording/recordstep.h"
#include "recordingrun.h"

#include <array>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <vector>

namespace mottler {
namespace {

using testing::ElementsAre;

struct SinkSpy : MessageSink {
    void ShowMessage(const QString& text) override { Messages.push_back(text); }
    std::vector<QString> Messages;
};

struct ProgressSpy : PartsProgressSink {
    void SetTotalParts(int total) override { Calls.push_back("total " + std::to_string(total)); }
    void SetPartsComplete(int parts) override { Calls.push_back(std::to_string(parts)); }
    std::vector<std::string> Calls;
};

void FillPaletteIndexField(TextureEngine& engine, const std::vector<float>& values) {
    std::copy(values.begin(), values.end(), engine.PaletteIndexField.Data());
}

// Records a fresh run of the given length, every n-th iteration; returns the iterations.
std::vector<int> RecordedIterations(FrameList& frames, TextureEngine& engine, int iterations,
                                    int every) {
    SinkSpy sink;
    test::RecordingRunObserver observer(
        engine, [&](int i, bool) { RecordFrameStep(frames, engine, i, every, sink); });
    const RunResult result = test::GrowRecorded(engine, iterations, observer);
    EXPECT_EQ(result.Outcome, RunOutcome::Completed);
    std::vector<int> taken;
    for (int k = 0; k < frames.Count(); ++k)
        taken.push_back(frames[k].Iteration);
    return taken;
}

TEST(FrameList, RecordEveryThirdTakesMultiplesOfThreeAndValuesBelowOneRecordEveryIteration) {
    TextureEngine engine;
    test::SeedLivelyTexture(engine, 8, 8);
    FrameList everyThird;
    EXPECT_THAT(RecordedIterations(everyThird, engine, 10, 3), ElementsAre(0, 3, 6, 9));
    // The last frame is the palette-index field of the last iteration, value for value.
    const Frame& last = everyThird.Last();
    EXPECT_TRUE(std::equal(last.Data.get(), last.Data.get() + 64, engine.PaletteIndexField.Data()));
    for (const int below : {0, -4}) {
        FrameList frames;
        EXPECT_THAT(RecordedIterations(frames, engine, 4, below), ElementsAre(0, 1, 2, 3));
    }
}

TEST(FrameList, AllocationFailureKeepsEarlierFramesShowsTheMessageAndAbortsTheRunSilently) {
    TextureEngine engine;
    test::SeedLivelyTexture(engine, 8, 8);
    FrameList frames;
    int allocations = 0;
    frames.SetAllocator([&](std::size_t cells) {
        return ++allocations > 3 ? nullptr : std::make_unique<float[]>(cells);
    });
    SinkSpy sink;
    test::RecordingRunObserver observer(
        engine, [&](int i, bool) { RecordFrameStep(frames, engine, i, 1, sink); });
    const RunResult result = test::GrowRecorded(engine, 10, observer);

    EXPECT_EQ(result.Outcome, RunOutcome::Aborted);
    EXPECT_TRUE(result.Message.isEmpty());
    ASSERT_EQ(frames.Count(), 3);
    EXPECT_EQ(frames.Last().Iteration, 2);
    EXPECT_THAT(sink.Messages, ElementsAre(QString("There is not enough memory to record this "
                                                   "number of frames at the current frame size.")));
    EXPECT_THROW(frames.AddFrame(engine, 11, sink), SilentAbort);
    EXPECT_EQ(frames.Count(), 3);
}

TEST(FrameList, ClearFramesFreesFromTheLastReportingEveryFifthIndexThenZero) {
    TextureEngine engine;
    engine.SetTextureSize(2, 2);
    FillPaletteIndexField(engine, {1, 2, 3, 4});
    FrameList frames;
    SinkSpy sink;
    for (int i = 0; i < 12; ++i)
        frames.AddFrame(engine, i, sink);
    ProgressSpy progress;
    frames.ClearFrames(&progress);

    EXPECT_TRUE(frames.IsEmpty());
    EXPECT_THAT(progress.Calls, ElementsAre("total 12", "10", "5", "0", "0"));
}

TEST(FrameToBitmap, ColoursThroughThePaletteGivenWithHalvesRoundedToEven) {
    TextureEngine engine;
    engine.SetTextureSize(3, 2);
    FillPaletteIndexField(engine, {0.5f, 1.5f, 2.5f, 254.5f, 255.0f, 17.4f});
    FrameList frames;
    SinkSpy sink;
    frames.AddFrame(engine, 0, sink);
    Palette palette;
    for (int k = 0; k < 256; ++k)
        palette.Pixels[static_cast<std::size_t>(k)] = {std::uint8_t(k), std::uint8_t(255 - k),
                                                       std::uint8_t(k / 2)};
    const QImage bitmap = FrameToBitmap(frames[0], palette);

    ASSERT_EQ(bitmap.format(), QImage::Format_BGR888);
    ASSERT_EQ(bitmap.size(), QSize(3, 2));
    const int expected[6] = {0, 2, 2, 254, 255, 17};
    for (int k = 0; k < 6; ++k) {
        const uchar* pixel = bitmap.constScanLine(k / 3) + 3 * (k % 3);
        EXPECT_EQ((std::array<std::uint8_t, 3>{pixel[0], pixel[1], pixel[2]}),
                  palette.Pixels[static_cast<std::size_t>(expected[k])])
            << k;
    }
}

TEST(FrameToBitmap, FramesFromBeforeASizeChangeKeepTheirOwnSize) {
    TextureEngine engine;
    engine.SetTextureSize(3, 2);
    FillPaletteIndexField(engine, {1, 2, 3, 4, 5, 6});
    FrameList frames;
    SinkSpy sink;
    frames.AddFrame(engine, 0, sink);
    engine.SetTextureSize(4, 4);
    std::fill_n(engine.DisplayField.Data(), 16, 0.0f);

    EXPECT_EQ(FrameToBitmap(frames[0], StartupPalette()).size(), QSize(3, 2));
    EXPECT_FALSE(CopyFrameToDisplayField(frames[0], engine));
    EXPECT_EQ(engine.DisplayField[0], 0.0f);

    engine.SetTextureSize(3, 2);
    EXPECT_TRUE(CopyFrameToDisplayField(frames[0], engine));
    EXPECT_EQ(engine.DisplayField[5], 6.0f);
}

TEST(FrameMemory, AFrameLargerThanTheAvailableMemoryIsRefusedInsteadOfOvercommitted) {
    const auto available = AvailableMemoryBytes();
    ASSERT_TRUE(available.has_value()) << "/proc/meminfo has MemAvailable on Linux";
    EXPECT_EQ(AllocateFrameBlock(static_cast<std::size_t>(*available / 2)), nullptr);
    EXPECT_NE(AllocateFrameBlock(1024), nullptr);
}

} // namespace
} // namespace mottler
