#include "base/errors.h"
#include "base/usersettings.h"
#include "childprocess.h"
#include "engine/random.h"
#include "engine/seeding.h"
#include "engine/texturesettings.h"
#include "presets/shapetuning.h"
#include "referencegrowth.h"

#include <QSettings>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace mottler;

namespace {

// Replays the draws of a shapes seeding on an independent generator, kind by kind, and then
// the picture conversion's B noise (rows top to bottom, each right to left). Returns InitialB.
std::vector<float> TallyShapesSeeding(test::RefGenerator& g, int w, int h, bool noise,
                                      const ShapeTuning& t) {
    g.Int(2); // background
    if (noise)
        for (int k = 0; k < 3 * w * h; ++k)
            g.Step();
    const int count = int(g.Int(std::uint32_t(t.ExtraShapes))) + t.MinShapes;
    for (int s = 0; s < count; ++s) {
        const int kind = t.WhichShape == -1 ? int(g.Int(10)) : t.WhichShape;
        g.Step(), g.Step(), g.Step(); // pen colour
        if (int(g.Int(std::uint32_t(t.ClearRange))) >= t.ClearThreshold)
            g.Step(), g.Step(), g.Step(); // brush colour
        const int points[10] = {4, 4, 4, 4, 4, 2, 2, 3, 2, 3};
        if (kind >= 0 && kind <= 9)
            for (int p = 0; p < 2 * points[kind]; ++p)
                g.Step();
    }
    std::vector<float> b(std::size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = w - 1; x >= 0; --x)
            b[std::size_t(y * w + x)] = float((long double)g.Real() * 12.0L);
    return b;
}

TextureEngine Sized(int w, int h) {
    TextureEngine engine;
    engine.SetTextureSize(w, h);
    return engine;
}

} // namespace

TEST(SeedTexture, NoiseMatchesTheReferenceWhateverWasDrawnBefore) {
    for (int w : {1, 7, 16})
        for (int h : {1, 9}) {
            TextureEngine engine = Sized(w, h);
            RandomInt(1000);
            SetRandomSeed(0x80000001u);
            SeedTexture(engine, RandomNoise, ShapeTuning{});
            const test::RefTexture ref = test::RefSeedNoise(w, h, 0x80000001u);
            EXPECT_EQ(std::memcmp(engine.InitialA.Data(), ref.A.data(), ref.A.size() * 4), 0);
            EXPECT_EQ(std::memcmp(engine.InitialB.Data(), ref.B.data(), ref.B.size() * 4), 0);
            EXPECT_EQ(engine.CurrentSeed, std::int32_t(0x80000001u));
        }
}

TEST(SeedTexture, ShapesConsumeExactlyTheListedDraws) {
    struct Case {
        int Type;
        ShapeTuning Tuning;
    } cases[] = {
        {RandomShapes, {}},
        {NoiseAndShapes, {}},
        {ImageFile, {}}, // seeding while "Image File" is chosen draws shapes as type 1
        {RandomShapes, {20, 5, 6, 5, 3}},
        {RandomShapes, {3, 2, 42, 5, 3}},  // no shape kind: colours still drawn, no points
        {RandomShapes, {10, 5, -1, 0, 3}}, // every clear draw 0 < 3: outlines only
        {RandomShapes, {10, 5, -1, 5, 0}}, // every shape filled
    };
    for (std::uint32_t seed : {1u, 2u, 35089380u})
        for (const Case& c : cases) {
            TextureEngine engine = Sized(23, 17);
            SetRandomSeed(seed);
            SeedTexture(engine, c.Type, c.Tuning);
            test::RefGenerator g{seed};
            const std::vector<float> b =
                TallyShapesSeeding(g, 23, 17, c.Type == NoiseAndShapes, c.Tuning);
            EXPECT_EQ(RandomSeed(), g.State) << "type " << c.Type << " seed " << seed;
            EXPECT_EQ(std::memcmp(engine.InitialB.Data(), b.data(), b.size() * 4), 0);
        }
}

TEST(SeedTexture, RectanglesOnlyWhenWhichShapeIsSixInTheSettings) {
    UserSettings::WriteInt("Which Shape", 6);
    UserSettings::WriteInt("Extra Shapes", -5); // clamped to 0: exactly "Min Shapes" shapes
    UserSettings::WriteInt("Min Shapes", 4);
    const ShapeTuning tuning = ReadShapeTuning();
    QSettings("Quorvex", "Mottler").clear();
    EXPECT_EQ(tuning.WhichShape, 6);
    EXPECT_EQ(tuning.ExtraShapes, 0);

    int compared = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        const int w = 24, h = 18;
        TextureEngine engine = Sized(w, h);
        SetRandomSeed(seed);
        SeedTexture(engine, RandomShapes, tuning);

        // Paint the same rectangles by hand: outline on the box's first and last pixel
        // rows and columns (right and bottom edges excluded), interior by the brush.
        test::RefGenerator g{seed};
        QImage expected(w, h, QImage::Format_RGB888);
        expected.fill(g.Int(2) == 0 ? Qt::white : Qt::black);
        g.Int(0);
        bool degenerate = false;
        for (int s = 0; s < 4; ++s) {
            const auto colour = [&g] {
                const int b = int(g.Int(256)), gr = int(g.Int(256)), r = int(g.Int(256));
                return qRgb(r, gr, b);
            };
            const QRgb pen = colour();
            const bool fill = int(g.Int(5)) >= 3;
            const QRgb brush = fill ? colour() : 0;
            int ys[2], xs[2];
            for (int p = 0; p < 2; ++p)
                ys[p] = int(g.Int(std::uint32_t(h))), xs[p] = int(g.Int(std::uint32_t(w)));
            const int l = std::min(xs[0], xs[1]), r = std::max(xs[0], xs[1]) - 1;
            const int t = std::min(ys[0], ys[1]), b = std::max(ys[0], ys[1]) - 1;
            degenerate = degenerate || r - l < 1 || b - t < 1;
            for (int y = t; y <= b; ++y)
                for (int x = l; x <= r; ++x) {
                    const bool edge = x == l || x == r || y == t || y == b;
                    if (edge)
                        expected.setPixel(x, y, pen);
                    else if (fill)
                        expected.setPixel(x, y, brush);
                }
        }
        if (degenerate)
            continue;
        ++compared;
        EXPECT_TRUE(engine.InitialTextureBitmap.convertToFormat(QImage::Format_RGB888) == expected)
            << "seed " << seed;
    }
    EXPECT_GT(compared, 3);
}

// The shapes picture is made beside the fields: with the address space a little above the
// fields' need, a large texture's picture does not fit and the seeding must say so before it
// changes anything.
TEST(SeedTexture, AShapesPictureThatDoesNotFitIsRefusedAndChangesNothing) {
    EXPECT_TRUE(test::InChildProcess([] {
        TextureEngine engine;
        engine.SetTextureSize(3000, 3000);
        std::fill_n(engine.InitialA.Data(), engine.CellCount(), 1.5f);
        engine.CurrentSeed = 77;
        std::ifstream statm("/proc/self/statm");
        rlim_t pages = 0;
        statm >> pages;
        const rlim_t size = pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
        const rlim_t room = rlim_t(40) << 20; // below the picture's 7 bytes a cell
        const rlimit limit{size + room, size + room};
        setrlimit(RLIMIT_AS, &limit);
        SetRandomSeed(5);
        try {
            SeedTexture(engine, RandomShapes, ShapeTuning{});
        } catch (const MottlerError& error) {
            return error.Message() == NotEnoughMemoryMessage && engine.CurrentSeed == 77 &&
                   engine.InitialA.Data()[engine.CellCount() - 1] == 1.5f;
        }
        return false;
    }));
}

TEST(ImageToInitialFields, WhiteGivesTwelveBlackGivesZeroAndBIsNoise) {
    TextureEngine engine = Sized(3, 2);
    for (const auto& [colour, a] : {std::pair{Qt::white, 12.0f}, std::pair{Qt::black, 0.0f}}) {
        QImage picture(3, 2, QImage::Format_RGB888);
        picture.fill(colour);
        SetRandomSeed(9);
        ImageToInitialFields(engine, picture);
        test::RefGenerator g{9};
        for (int y = 0; y < 2; ++y)
            for (int x = 2; x >= 0; --x) {
                EXPECT_EQ(engine.InitialA[std::size_t(y * 3 + x)], a);
                EXPECT_EQ(engine.InitialB[std::size_t(y * 3 + x)],
                          float((long double)g.Real() * 12.0L));
            }
    }
}

TEST(ImageToInitialFields, PictureOfAnotherSizeIsRefusedAndChangesNothing) {
    TextureEngine engine = Sized(4, 4);
    engine.InitialA[15] = 2.5f;
    EXPECT_THROW(ImageToInitialFields(engine, QImage(2, 2, QImage::Format_RGB888)), MottlerError);
    EXPECT_EQ(engine.InitialA[15], 2.5f);
}

TEST(ImageToInitialFields, LuminanceWeightsRedGreenBlueInThatOrder) {
    TextureEngine engine = Sized(1, 1);
    QImage picture(1, 1, QImage::Format_RGB888);
    picture.setPixel(0, 0, qRgb(200, 100, 50));
    ImageToInitialFields(engine, picture);
    const float luminance = float(0.2125L * 200 + 0.7154L * 100 + 0.0721L * 50);
    EXPECT_EQ(engine.InitialA[0], float((long double)luminance * 0.04705882352941L));
}
