#include "base/errors.h"
#include "engine/initialimage.h"
#include "engine/random.h"
#include "engine/seeding.h"
#include "engine/texturesettings.h"
#include "filebytes.h"

#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

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
