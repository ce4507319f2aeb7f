#include "avireadback.h"
#include "base/errors.h"
#include "errortext.h"
#include "filebytes.h"
#include "filesizelimit.h"
#include "recording/aviwriter.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <gtest/gtest.h>

namespace mottler {
namespace {

#define REQUIRE_FFMPEG()                                                                           \
    if (!test::FfmpegAvailable())                                                                  \
    GTEST_SKIP() << "ffprobe/ffmpeg not installed"

QString TempPath(const QString& name) {
    return test::TestHome() + "/" + name;
}

// A bitmap whose every pixel depends on its position and the frame number.
QImage PatternBitmap(int width, int height, int frame) {
    QImage image(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                           qRgb((x * 7 + frame * 5) & 0xFF, (y * 13 + frame) & 0xFF,
                                (x * y + frame * 3) & 0xFF));
    return image;
}

quint32 U32At(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

TEST(AviWriter, FiftyBitmapsGiveFiftyKeyFramesAtTenPerSecondThatDecodeToThePixelsWritten) {
    REQUIRE_FFMPEG();
    const QString path = TempPath("fifty.avi");
    QList<QImage> bitmaps;
    for (int i = 0; i < 50; ++i)
        bitmaps.append(PatternBitmap(37, 11, i));
    SaveBitmapsAsAvi(path, bitmaps);

    const test::ProbedVideo video = test::ProbeVideo(path);
    EXPECT_EQ(video.Frames, 50);
    EXPECT_EQ(video.FrameRate, "10/1");
    EXPECT_EQ(video.Width, 37);
    EXPECT_EQ(video.Height, 11);
    EXPECT_EQ(video.PixelFormat, "bgr24");
    EXPECT_EQ(video.Warnings, QByteArray());
    EXPECT_EQ(test::DecodeFrameBgr(path, 7), test::TopDownBgr(bitmaps[7]));
    EXPECT_EQ(test::DecodeFrameBgr(path, 49), test::TopDownBgr(bitmaps[49]));

    // The index lists 50 key frames; both headers count 50.
    const QByteArray bytes = test::ReadBytes(path);
    const qsizetype idx1 = bytes.size() - 8 - 50 * 16;
    ASSERT_EQ(bytes.mid(idx1, 4), "idx1");
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(bytes.mid(idx1 + 8 + 16 * i, 4), "00db");
        EXPECT_EQ(U32At(bytes, idx1 + 12 + 16 * i), 0x10u) << "frame " << i;
    }
    EXPECT_EQ(U32At(bytes, 4), quint32(bytes.size() - 8));
    EXPECT_EQ(U32At(bytes, 0x30), 50u); // avih total frames
    EXPECT_EQ(U32At(bytes, 0x8C), 50u); // strh length
}

// Frames are written from the bitmap's rows through one kept buffer; a bitmap in another
// format is converted first and gives the same file.
TEST(AviWriter, ABitmapInAnotherFormatGivesTheSameFileAsItsTwentyFourBitOriginal) {
    QList<QImage> bgr, rgb32;
    for (int i = 0; i < 3; ++i) {
        bgr.append(PatternBitmap(37, 11, i));
        rgb32.append(bgr.back().convertToFormat(QImage::Format_RGB32));
    }
    SaveBitmapsAsAvi(TempPath("bgr.avi"), bgr);
    SaveBitmapsAsAvi(TempPath("rgb32.avi"), rgb32);
    EXPECT_EQ(test::ReadBytes(TempPath("rgb32.avi")), test::ReadBytes(TempPath("bgr.avi")));
}

TEST(AviWriter, OneBitmapGivesAValidOneFrameFileReplacingAnExistingFile) {
    REQUIRE_FFMPEG();
    const QString path = TempPath("one.avi");
    test::WriteBytes(path, QByteArray(100000, 'x'));
    const QImage bitmap = PatternBitmap(5, 3, 1);
    SaveBitmapsAsAvi(path, {bitmap});

    const test::ProbedVideo video = test::ProbeVideo(path);
    EXPECT_EQ(video.Frames, 1);
    EXPECT_EQ(video.FrameRate, "10/1");
    EXPECT_EQ(video.Warnings, QByteArray());
    EXPECT_EQ(test::DecodeFrameBgr(path, 0), test::TopDownBgr(bitmap));
    EXPECT_LT(QFileInfo(path).size(), 1000);
}

// The main header's flags (after RIFF, the hdrl list and three fields of avih) say the file
// has an index; players that honour them seek through idx1.
TEST(AviWriter, TheMainHeaderSaysTheFileHasAnIndex) {
    const QString path = TempPath("flags.avi");
    SaveBitmapsAsAvi(path, {PatternBitmap(5, 3, 1)});
    const QByteArray bytes = test::ReadBytes(path);
    ASSERT_GE(bytes.size(), 48);
    ASSERT_EQ(bytes.mid(24, 4), "avih");
    const auto flags = static_cast<unsigned char>(bytes[44]);
    EXPECT_TRUE(flags & 0x10) << "AVIF_HASINDEX";
}

TEST(AviWriter, RefusesClearlyWhatItCannotWrite) {
    const QImage bitmap = PatternBitmap(4, 4, 0);
    EXPECT_THROW(SaveBitmapsAsAvi(TempPath("none.avi"), {}), MottlerError);
    const auto avi = CreateAviFile(TempPath("refuse.avi"), AviStreamInfo{}, bitmap);
    EXPECT_EQ(test::ErrorText([&] { AddAviFrame(QImage(), *avi); }), "Failed to create DIB.");
    EXPECT_EQ(avi->FrameCount(), 0);
    const auto other = CreateAviFile(TempPath("refuse.avi"), AviStreamInfo{}, bitmap);
    EXPECT_THROW(AddAviFrame(PatternBitmap(5, 4, 0), *other), MottlerError);
}

TEST(AviWriter, StopsBeforeTheSizeLimitWithAFinishedFileOfTheFramesSoFar) {
    REQUIRE_FFMPEG();
    const QString path = TempPath("limit.avi");
    const QImage bitmap = PatternBitmap(10, 10, 0); // 320 bytes a frame, 344 with chunk and index
    {
        const auto avi = CreateAviFile(path, AviStreamInfo{}, bitmap, 224 + 8 + 3 * 344);
        for (int i = 0; i < 3; ++i)
            AddAviFrame(PatternBitmap(10, 10, i), *avi);
        const QString error = test::ErrorText([&] { AddAviFrame(bitmap, *avi); });
        EXPECT_TRUE(error.contains("1 GB")) << error.toStdString();
        EXPECT_TRUE(error.contains("the 3 frames written so far"));
        EXPECT_THROW(AddAviFrame(bitmap, *avi), UserFileError) << "the user's file, not a fault";
    } // destroyed without Close: the destructor finishes the file

    const test::ProbedVideo video = test::ProbeVideo(path);
    EXPECT_EQ(video.Frames, 3);
    EXPECT_EQ(video.Warnings, QByteArray());
    EXPECT_EQ(QFileInfo(path).size(), 224 + 8 + 3 * 344);
}

TEST(AviWriter, AFailedWriteKeepsTheEarlierFileAndLeavesNoPartialOne) {
    const QString folder = test::FreshFolder("failed-write");
    const QString path = folder + "/old.avi";
    test::WriteBytes(path, "the earlier recording");
    QString message;
    {
        // Room for three 10 x 10 frames and their index, not for a fourth frame.
        test::FileSizeLimit limit(224 + 3 * 328 + 100);
        const auto avi = CreateAviFile(path, AviStreamInfo{}, PatternBitmap(10, 10, 0));
        for (int i = 0; i < 3; ++i)
            AddAviFrame(PatternBitmap(10, 10, i), *avi);
        message = test::ErrorText([&] { AddAviFrame(PatternBitmap(10, 10, 3), *avi); });
        avi->Close();
    } // and the destructor puts nothing in place either
    EXPECT_TRUE(message.startsWith("Could not add frame") && message.endsWith("File too large."))
        << message.toStdString();
    EXPECT_EQ(test::ReadBytes(path), "the earlier recording");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"old.avi"});

    // A frame of another size fails the same way.
    {
        const auto avi = CreateAviFile(path, AviStreamInfo{}, PatternBitmap(10, 10, 0));
        AddAviFrame(PatternBitmap(10, 10, 0), *avi);
        EXPECT_THROW(AddAviFrame(PatternBitmap(12, 10, 0), *avi), MottlerError);
    }
    EXPECT_EQ(test::ReadBytes(path), "the earlier recording");
}

} // namespace
} // namespace mottler
