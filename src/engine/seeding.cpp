#include "engine/seeding.h"

#include "base/errors.h"
#include "engine/random.h"
#include "engine/texturesettings.h"

#include <QCoreApplication>

namespace mottler {
namespace {

using Ext = long double;

float Noise() {
    return static_cast<float>(Ext(RandomReal()) * 12.0L);
}

void SeedNoise(TextureEngine& engine) {
    float* a = engine.InitialA.Data();
    float* b = engine.InitialB.Data();
    for (int k = engine.LastIndex(); k >= 0; --k) {
        a[k] = Noise();
        b[k] = Noise();
    }
}

} // namespace

void SeedTexture(TextureEngine& engine, int textureType, const ShapeTuning& tuning) {
    const auto seed = static_cast<std::int32_t>(RandomSeed());
    if (textureType < RandomShapes) {
        engine.CurrentSeed = seed;
        SeedNoise(engine);
        return;
    }
    // A picture that cannot be made throws before the engine is touched.
    const QImage picture =
        DrawShapesPicture(engine.Width(), engine.Height(), textureType == NoiseAndShapes, tuning);
    ImageToInitialFields(engine, picture);
    engine.InitialTextureBitmap = picture;
    engine.CurrentSeed = seed;
}

void ImageToInitialFields(TextureEngine& engine, const QImage& picture) {
    if (picture.size() != QSize(engine.Width(), engine.Height()))
        throw MottlerError(QCoreApplication::translate(
                               "mottler::Seeding", "The picture is %1 by %2, the texture %3 by %4.")
                               .arg(picture.width())
                               .arg(picture.height())
                               .arg(engine.Width())
                               .arg(engine.Height()));
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    float* a = engine.InitialA.Data();
    float* b = engine.InitialB.Data();
    const int w = engine.Width();
    for (int y = 0; y < engine.Height(); ++y) {
        const uchar* row = rgb.constScanLine(y);
        for (int x = engine.MaxX(); x >= 0; --x) {
            const uchar* px = row + 3 * x;
            const auto luminance =
                static_cast<float>(0.2125L * px[0] + 0.7154L * px[1] + 0.0721L * px[2]);
            const int k = y * w + x;
            a[k] = static_cast<float>(Ext(luminance) * 0.04705882352941L);
            b[k] = Noise();
        }
    }
}

} // namespace mottler
