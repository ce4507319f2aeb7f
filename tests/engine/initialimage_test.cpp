#include "base/errors.h"
#include "engine/initialimage.h"
#include "engine/random.h"
#include "engine/seeding.h"
#include "engine/texturesettings.h"
#include "errortext.h"
#include "filebytes.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace mottler;

namespace {

class InitialImage : public ::testing::Test {
protected:
    void SetUp() override {
        engine.SetTextureSize(100, 100);
        SetRandomSeed(5);
        SeedTexture(engine, RandomNoise, ShapeTuning{});
        QImage picture(50, 50, QImage::Format_RGB888);
        picture.fill(Qt::white);
        ASSERT_TRUE(picture.save(Path("white.bmp")));
    }
    QString Path(const char* name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    TextureEngine engine;
};

} // namespace

TEST_F(InitialImage, KeepingThePicturesSizeResizesTheTexture) {
    UsePictureAsInitialTexture(engine, ReadPicture(Path("white.bmp")), PictureFit::KeepOwnSize);
    EXPECT_EQ(engine.Width(), 50);
    EXPECT_EQ(engine.Height(), 50);
    EXPECT_EQ(engine.InitialTextureBitmap.size(), QSize(50, 50));
    EXPECT_EQ(engine.InitialA[2499], 12.0f);
}

TEST_F(InitialImage, StretchingKeepsTheTextureSize) {
    UsePictureAsInitialTexture(engine, ReadPicture(Path("white.bmp")), PictureFit::Stretch);
    EXPECT_EQ(engine.Width(), 100);
    EXPECT_EQ(engine.InitialTextureBitmap.size(), QSize(100, 100));
    for (int k = 0; k < 10000; ++k)
        ASSERT_EQ(engine.InitialA[std::size_t(k)], 12.0f);
}

TEST_F(InitialImage, UnreadablePictureIsAnErrorThatChangesNothing) {
    test::WriteBytes(Path("damaged.jpg"), "\xFF\xD8\xFF\xE0 this is not a JPEG");
    const std::vector<float> before(engine.InitialA.Data(), engine.InitialA.Data() + 10000);
    for (const char* name : {"damaged.jpg", "missing.png"}) {
        try {
            UsePictureAsInitialTexture(engine, ReadPicture(Path(name)), PictureFit::KeepOwnSize);
            ADD_FAILURE() << name << " was read";
        } catch (const MottlerError& error) {
            EXPECT_TRUE(error.Message().contains(Path(name))) << error.Message().toStdString();
        }
    }
    EXPECT_EQ(engine.Width(), 100);
    EXPECT_EQ(std::memcmp(before.data(), engine.InitialA.Data(), before.size() * 4), 0);
}

TEST_F(InitialImage, AFifoOrAFolderIsRefusedAtOnce) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe.png")).constData(), 0600), 0);
    // Nobody writes the FIFO: reading it would wait for ever.
    const QString fifo = test::ErrorText([&] { ReadPicture(Path("pipe.png")); });
    EXPECT_EQ(fifo, "The picture \"" + Path("pipe.png") + "\" is not a regular file.");
    const QString folder = test::ErrorText([&] { ReadPicture(dir.path()); });
    EXPECT_TRUE(folder.contains("not a regular file")) << folder.toStdString();
    EXPECT_TRUE(test::ErrorText([&] { ReadPicture("/dev/zero"); }).contains("not a regular"));
}

TEST_F(InitialImage, ALargePictureIsReadWhenTheMemoryHoldsIt) {
    // 9000 x 9000 pixels need 324 MB decoded, beyond Qt's fixed allowance for readers.
    QImage big(9000, 9000, QImage::Format_RGB888);
    big.fill(QColor(10, 200, 30));
    ASSERT_TRUE(big.save(Path("big.jpg"), "JPEG", 50));
    big = QImage();
    const QImage read = ReadPicture(Path("big.jpg"));
    EXPECT_EQ(read.size(), QSize(9000, 9000));
}

// The dialog offers every picture the program reads, the classic entry first as always.
TEST(PictureOpenFilter, ListsEveryFormatReadAfterTheClassicEntry) {
    const QStringList entries = PictureOpenFilter().split(";;");
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries.front(), "GIF,BMP, JPEG (*.jpg *.jpeg *.bmp *.gif)");
    EXPECT_EQ(entries.back(), "All Files (*)");
    for (const char* suffix : {"gif", "bmp", "jpg", "jpeg", "png", "webp"}) {
        SCOPED_TRACE(suffix);
        EXPECT_TRUE(entries[1].contains(QStringLiteral("*.%1").arg(suffix)));
        EXPECT_TRUE(QImageReader::supportedImageFormats().contains(suffix));
    }
}
