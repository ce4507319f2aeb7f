#include "avireadback.h"
#include "base/errors.h"
#include "errortext.h"
#include "filebytes.h"
#include "output/animationexport.h"
#include "recording/exportbitmap.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

namespace mottler {
namespace {

struct NoMessages : MessageSink {
    void ShowMessage(const QString&) override {}
};

/// Frames of 6 × 4 cells whose palette index is the frame number times 10 plus the cell's x.
FrameList MakeFrames(int count) {
    TextureEngine engine;
    engine.SetTextureSize(6, 4);
    FrameList frames;
    NoMessages sink;
    for (int f = 0; f < count; ++f) {
        for (std::size_t cell = 0; cell < engine.PaletteIndexField.Cells(); ++cell)
            engine.PaletteIndexField.Data()[cell] = float(f * 10 + int(cell % 6));
        frames.AddFrame(engine, f, sink);
    }
    return frames;
}

/// Entry k: blue 2k mod 256, green 255 − k, red k.
Palette RampPalette() {
    Palette palette;
    for (int k = 0; k < 256; ++k)
        palette.Pixels[std::size_t(k)] = {std::uint8_t(2 * k % 256), std::uint8_t(255 - k),
                                          std::uint8_t(k)};
    return palette;
}

/// Cancels once `frames` frames have been reported as written.
ExportFeedback CancelAfter(int frames, int& written) {
    ExportFeedback feedback;
    feedback.Progress = [&written](ExportStage stage, int, int) {
        written += stage == ExportStage::Writing;
    };
    feedback.Cancelled = [frames, &written] { return written >= frames; };
    return feedback;
}

std::vector<ExportEntry> Plain(int count) {
    std::vector<ExportEntry> sequence;
    for (int f = 0; f < count; ++f)
        sequence.push_back({f});
    return sequence;
}

TEST(ExportEntryBitmap, BlendsPerChannelWithHalvesToEven) {
    const FrameList frames = MakeFrames(3);
    const Palette palette = RampPalette();
    // Cell x of frame 0 has index x, of frame 1 index 10 + x.
    const QImage half = ExportEntryBitmap(frames, palette, {0, 1, 1, 2});
    const QImage third = ExportEntryBitmap(frames, palette, {0, 2, 1, 3});
    for (int x = 0; x < 6; ++x) {
        const uchar* pixel = half.constScanLine(2) + 3 * x; // blue, green, red
        // Blue: (2x + 2(10 + x)) / 2 = 2x + 10; green: (255 − x + 245 − x) / 2 = 250 − x;
        // red: (x + 10 + x) / 2 = x + 5.
        EXPECT_EQ(pixel[0], 2 * x + 10);
        EXPECT_EQ(pixel[1], 250 - x);
        EXPECT_EQ(pixel[2], x + 5);
        // Red with a third of frame 2: (2x + (20 + x)) / 3 = x + 20/3, rounded.
        EXPECT_EQ(third.constScanLine(0)[3 * x + 2], int(std::nearbyint((3 * x + 20) / 3.0)));
    }

    // Halves go to the even neighbour: red 1 and 2 mixed half and half gives 2, 2 and 3 too.
    TextureEngine engine;
    engine.SetTextureSize(2, 1);
    FrameList pair;
    NoMessages sink;
    engine.PaletteIndexField.Data()[0] = 1, engine.PaletteIndexField.Data()[1] = 2;
    pair.AddFrame(engine, 0, sink);
    engine.PaletteIndexField.Data()[0] = 2, engine.PaletteIndexField.Data()[1] = 3;
    pair.AddFrame(engine, 1, sink);
    const QImage mixed = ExportEntryBitmap(pair, palette, {0, 1, 1, 2});
    EXPECT_EQ(mixed.constScanLine(0)[2], 2);
    EXPECT_EQ(mixed.constScanLine(0)[5], 2);
}

TEST(AnimationExport, AnEmptySequenceIsRefusedAndWritesNothing) {
    const FrameList frames = MakeFrames(2);
    const QString folder = test::FreshFolder("export-empty");
    ExportOptions options;
    options.Range = FrameRange::Between;
    options.StartText = "5";
    for (AnimationFormat format :
         {AnimationFormat::Gif, AnimationFormat::Avi, AnimationFormat::Bmp}) {
        options.Format = format;
        EXPECT_EQ(test::ErrorText([&] {
                      ExportAnimation(folder + "/empty.bmp", options, frames, RampPalette());
                  }),
                  EmptySequenceMessage);
    }
    EXPECT_TRUE(QDir(folder).isEmpty());
}

TEST(AnimationExport, CancellingAnAviOrGifWritesNoFileAndKeepsTheEarlierOne) {
    const FrameList frames = MakeFrames(4);
    const QString folder = test::FreshFolder("export-cancel");
    for (const QString name : {"anim.avi", "anim.gif"}) {
        const QString path = folder + "/" + name;
        test::WriteBytes(path, "earlier");
        int written = 0;
        const ExportFeedback cancel = CancelAfter(2, written);
        const ExportOutcome outcome =
            name.endsWith("avi")
                ? ExportAvi(path, frames, RampPalette(), Plain(4), cancel)
                : ExportAnimatedGif(path, frames, RampPalette(), Plain(4), {}, cancel);
        EXPECT_EQ(outcome, ExportOutcome::Cancelled);
        EXPECT_EQ(written, 2);
        EXPECT_EQ(test::ReadBytes(path), "earlier");
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 2); // no temporary file is left
}

TEST(AnimationExport, AviIsWrittenFrameByFrameAndReplacesTheEarlierFile) {
    const FrameList frames = MakeFrames(4);
    const QString path = test::FreshFolder("export-avi") + "/anim.avi";
    ExportOptions options;
    options.Format = AnimationFormat::Avi;
    options.Looping = true; // ping-pong: 0 1 2 3 2 1
    ASSERT_EQ(ExportAnimation(path, options, frames, RampPalette()), ExportOutcome::Written);
    options.SkipText = "3"; // 0 3
    ASSERT_EQ(ExportAnimation(path, options, frames, RampPalette()), ExportOutcome::Written);
    if (!test::FfmpegAvailable())
        GTEST_SKIP() << "ffmpeg not installed";
    EXPECT_EQ(test::ProbeVideo(path).Frames, 2);
    EXPECT_EQ(test::DecodeFrameBgr(path, 1),
              test::TopDownBgr(ExportEntryBitmap(frames, RampPalette(), {3})));
    EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files), QStringList("anim.avi"));
}

TEST(AnimationExport, BmpSeriesIsNumberedByPositionAndACancelStopsTheLaterFiles) {
    const FrameList frames = MakeFrames(4);
    const Palette palette = RampPalette();
    const QString folder = test::FreshFolder("export-bmp");
    const std::vector<ExportEntry> sequence{{3}, {1}, {2}};
    EXPECT_EQ(ExportBmpSeries(folder + "/frames.bmp", frames, palette, sequence),
              ExportOutcome::Written);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files),
              QStringList({"frames0000.bmp", "frames0001.bmp", "frames0002.bmp"}));
    EXPECT_EQ(QImage(folder + "/frames0001.bmp").convertToFormat(QImage::Format_BGR888),
              ExportEntryBitmap(frames, palette, {1}));

    const QString cancelled = test::FreshFolder("export-bmp-cancel");
    int written = 0;
    EXPECT_EQ(
        ExportBmpSeries(cancelled + "/f.bmp", frames, palette, sequence, CancelAfter(2, written)),
        ExportOutcome::Cancelled);
    EXPECT_EQ(QDir(cancelled).entryList(QDir::Files), QStringList({"f0000.bmp", "f0001.bmp"}));
}

} // namespace
} // namespace mottler
