#include "filebytes.h"
#include "presets/datafolder.h"
#include "preview/previewfiles.h"
#include "preview/previewpage.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace mottler;

namespace {

constexpr int TileSize = 32;
const QColor CornerColour(0, 150, 160);
const QColor FieldColour(235, 235, 190);
constexpr PackedColour TextColour = PackRgb(255, 0, 0);

/// A tile whose top-left quarter differs from the rest, so tiling shows as a grid of squares.
QImage Tile() {
    QImage tile(TileSize, TileSize, QImage::Format_BGR888);
    tile.fill(FieldColour);
    for (int y = 0; y < TileSize / 2; ++y)
        for (int x = 0; x < TileSize / 2; ++x)
            tile.setPixelColor(x, y, CornerColour);
    return tile;
}

bool Near(QRgb pixel, const QColor& colour, int tolerance) {
    return std::abs(qRed(pixel) - colour.red()) <= tolerance &&
           std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

/// The share of the centres of the tile's quarters that show the colour of that quarter
/// (text covers some of them).
double TiledShare(const QImage& shot) {
    int matching = 0, total = 0;
    for (int y = TileSize / 4; y < shot.height(); y += TileSize / 2)
        for (int x = TileSize / 4; x < shot.width(); x += TileSize / 2) {
            const bool corner = x % TileSize < TileSize / 2 && y % TileSize < TileSize / 2;
            matching += Near(shot.pixel(x, y), corner ? CornerColour : FieldColour, 12);
            ++total;
        }
    return static_cast<double>(matching) / total;
}

int PixelsNear(const QImage& shot, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            count += Near(shot.pixel(x, y), colour, 40);
    return count;
}

QImage Screenshot(const QString& browser, const QString& page) {
    QTemporaryDir profile;
    const QString shot = profile.filePath("shot.png");
    QProcess process;
    process.start(
        browser, {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                  "--force-device-scale-factor=1", "--hide-scrollbars",
                  "--user-data-dir=" + profile.filePath("profile"), "--screenshot=" + shot,
                  "--window-size=640,480", QUrl::fromLocalFile(page).toString()});
    EXPECT_TRUE(process.waitForFinished(90000)) << "the browser did not finish";
    return QImage(shot).convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(BrowserPreview, TheDemonstrationPageShowsTheTiledBackgroundAndTheTextColour) {
    const QString browser = QStandardPaths::findExecutable("chromium");
    if (browser.isEmpty())
        GTEST_SKIP() << "chromium is not installed (scripts/setup.sh installs it)";
    test::WriteBytes(DataFile(LoremIpsumFileName), "Lorem ipsum dolor sit amet.");
    PreviewSettings settings;
    settings.Colours.Text = TextColour;
    PreviewPageFiles files;
    const QString page = files.Preview(settings, {Tile(), BackgroundSource::Texture});
    const QImage shot = Screenshot(browser, page);
    files.DeleteLastPreview();
    ASSERT_FALSE(shot.isNull()) << "no screenshot";
    EXPECT_GT(TiledShare(shot), 0.8);
    EXPECT_GT(PixelsNear(shot, QColor(255, 0, 0)), 100);
}
