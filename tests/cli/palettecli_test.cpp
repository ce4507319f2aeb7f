#include "clirun.h"
#include "engine/growth.h"
#include "engine/random.h"
#include "engine/render.h"
#include "engine/seeding.h"
#include "engine/texturesettings.h"
#include "palette/rebuild.h"
#include "presets/shapetuning.h"
#include "testenv.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

using namespace mottler;
using test::CliResult;
using test::RunCli;

namespace {

class FlameObserver : public GrowthObserver {
public:
    GrowthFactors ReadFactors() override {
        GrowthFactors f;
        f.FactorA = 961;
        f.FactorB = 950;
        return f;
    }
};

/// The "Flame On" texture grown in this process and coloured through its gradient.
QImage FlameInProcess() {
    TextureEngine engine;
    engine.SetTextureSize(100, 100);
    SetRandomSeed(27057650u);
    SeedTexture(engine, RandomNoise, ReadShapeTuning());
    RunParameters params;
    params.Iterations = 42;
    params.Animate = false;
    engine.Switches.PaintAges = false;
    FlameObserver observer;
    EXPECT_EQ(GrowTexture(engine, params, observer).Outcome, RunOutcome::Completed);

    ControlPointList points;
    points.AddControlPoint(0, PackRgb(0x00, 0x00, 0x00), false, PointKind::Start);
    points.AddControlPoint(255, PackRgb(0xB4, 0x6E, 0x0C), false, PointKind::End);
    const std::pair<int, PackedColour> middles[] = {{27, PackRgb(0xE5, 0x29, 0x23)},
                                                    {105, PackRgb(0xF6, 0xF9, 0x15)},
                                                    {119, PackRgb(0xEF, 0x29, 0x00)},
                                                    {127, PackRgb(0xDE, 0xA5, 0x00)},
                                                    {212, PackRgb(0x00, 0x0F, 0x16)}};
    for (auto [position, colour] : middles)
        points.AddControlPoint(position, colour, true, PointKind::Middle);
    Palette palette;
    RebuildPalette(points, 0, 0, palette);
    RenderDisplayField(engine, palette);
    return engine.TextureBitmap.convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(CliGrow, ColoursTheTextureThroughTheGivenGradient) {
    const QString out = test::TestHome() + "/flame.bmp";
    const CliResult run = RunCli(
        {"grow", "--seed", "27057650", "--iterations", "42", "--a", "961", "--b", "950",
         "--gradient", "000000@0,E52923@27,F6F915@105,EF2900@119,DEA500@127,000F16@212,B46E0C@255",
         "-o", out});
    ASSERT_EQ(run.Status, 0) << qPrintable(run.Err);
    const QImage written = QImage(out, "BMP").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(written.size(), QSize(100, 100));
    EXPECT_EQ(written, FlameInProcess());
}

TEST(CliGrow, WritesJpegByExtensionAndRejectsUnknownOnes) {
    const QString out = test::TestHome() + "/small.jpg";
    const CliResult run = RunCli({"grow", "--iterations", "3", "--quality", "1", "-o", out});
    ASSERT_EQ(run.Status, 0) << qPrintable(run.Err);
    EXPECT_EQ(QImage(out, "JPEG").size(), QSize(100, 100));
    EXPECT_EQ(RunCli({"grow", "-o", test::TestHome() + "/x.tif"}).Status, 2);
}

TEST(CliPalette, ListsTheEntriesOrWritesThemToAFile) {
    const CliResult plain = RunCli({"palette", "--gradient", "FFFFFF,000000"});
    ASSERT_EQ(plain.Status, 0) << qPrintable(plain.Err);
    EXPECT_EQ(RunCli({"palette"}).Out, plain.Out) << "the start-up gradient";
    const QStringList lines = plain.Out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 256);
    EXPECT_EQ(lines[128], "128 7F7F7F");

    const QString file = test::TestHome() + "/palette.txt";
    ASSERT_EQ(RunCli({"palette", "--gradient", "FFFFFF,FF0000@100,000000", "--brightness", "-10",
                      "-o", file})
                  .Status,
              0);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    EXPECT_TRUE(text.startsWith("0 F5F5F5\n")) << text.left(20).constData();
    EXPECT_TRUE(text.contains("\n100 F50000\n"));
}

TEST(CliPalette, BadGradientTextIsAUsageErrorNamingTheOption) {
    for (const char* text :
         {"FFFFFF", "FFFFF,000000", "FFFFFF,808080,000000", "FFFFFF,808080@256,000000",
          "FFFFFF@3,000000", "0,1,2,3,4,5,6,7,8,9,A"}) {
        const CliResult bad = RunCli({"palette", "--gradient", text});
        EXPECT_EQ(bad.Status, 2) << text;
        EXPECT_TRUE(bad.Err.contains("option --gradient")) << qPrintable(bad.Err);
    }
}
