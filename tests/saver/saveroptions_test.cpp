// The screensaver's command line and where it draws.
#include "saver/saveroptions.h"
#include "saver/seamlessscale.h"

#include <gtest/gtest.h>

namespace mottler::saver {
namespace {

TEST(SaverOptions, ChoosesTheWindowAsXScreenSaverNamesIt) {
    EXPECT_EQ(ParseSaverOptions({}, "").Target, SaverTarget::FullScreen);
    EXPECT_EQ(ParseSaverOptions({"-root"}, "").Target, SaverTarget::RootWindow);

    const SaverOptions hex = ParseSaverOptions({"-window-id", "0x1a00007"}, "");
    EXPECT_EQ(hex.Target, SaverTarget::ForeignWindow);
    EXPECT_EQ(hex.WindowId, 0x1a00007u);
    EXPECT_EQ(ParseSaverOptions({"-window-id", "4711"}, "").WindowId, 4711u);

    // XScreenSaver runs a module with -root and names its own window in the environment.
    const SaverOptions fromEnvironment = ParseSaverOptions({"-root"}, "0x2c00001\n");
    EXPECT_EQ(fromEnvironment.Target, SaverTarget::ForeignWindow);
    EXPECT_EQ(fromEnvironment.WindowId, 0x2c00001u);
    EXPECT_EQ(ParseSaverOptions({"-window-id", "12"}, "0x2c00001").WindowId, 12u);

    EXPECT_EQ(ParseSaverOptions({"--seconds", "0"}, "").HoldSeconds, 0);
    EXPECT_EQ(ParseSaverOptions({}, "").HoldSeconds, 6);
    EXPECT_TRUE(ParseSaverOptions({"--help"}, "").Help);
    EXPECT_TRUE(ParseSaverOptions({"--version"}, "").Version);
}

TEST(SaverOptions, RefusesWhatItCannotFollow) {
    for (const QStringList& args :
         {QStringList{"-window-id"}, QStringList{"-window-id", "0"},
          QStringList{"-window-id", "0xZZ"}, QStringList{"--seconds", "-1"}, QStringList{"--fps"}})
        EXPECT_THROW(ParseSaverOptions(args, ""), SaverUsageError) << args.join(' ').toStdString();
    EXPECT_THROW(ParseSaverOptions({}, "not-a-window"), SaverUsageError);
}

// Scaled on its own, a tile's smoothed edges would blend with nothing and show seams.
TEST(SeamlessScale, ScaledTileStillMatchesAcrossItsEdges) {
    QImage tile(4, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            tile.setPixel(x, y, x == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const QImage scaled = ScaleTileSeamlessly(tile, {16, 16});
    ASSERT_EQ(scaled.size(), QSize(16, 16));
    // The white column at the left edge bleeds into the right edge, as it does when tiled.
    EXPECT_GT(qRed(scaled.pixel(15, 8)), 0);
    EXPECT_EQ(qRed(scaled.pixel(15, 8)), qRed(scaled.pixel(15, 2)));
    EXPECT_TRUE(ScaleTileSeamlessly(QImage(), {16, 16}).isNull());
}

} // namespace
} // namespace mottler::saver
