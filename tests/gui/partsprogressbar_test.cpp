#include "widgets/ui/partsprogressbar.h"

#include <QImage>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace mottler {
namespace {

TEST(PartsProgressBar, ChangedIsRaisedOnlyWhenThePercentMoves) {
    PartsProgressBar bar;
    QSignalSpy changed(&bar, &PartsProgressBar::Changed);
    bar.SetTotalParts(10);
    EXPECT_EQ(changed.count(), 0); // already 0%
    bar.SetPartsComplete(3);
    bar.SetPartsComplete(3);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.takeFirst().at(0).toInt(), 30);
    bar.SetTotalParts(20);
    EXPECT_EQ(bar.PartsComplete(), 0);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.takeFirst().at(0).toInt(), 0);
    bar.SetTotalParts(30);
    EXPECT_EQ(changed.count(), 0);
}

/// The bar as it paints itself.
QImage Render(PartsProgressBar& bar) {
    QImage image(bar.size(), QImage::Format_RGB32);
    bar.render(&image);
    return image;
}

TEST(PartsProgressBar, FilledPartAndRestSplitAtTheRoundedFillEdge) {
    PartsProgressBar bar;
    bar.SetBorderStyle(PartsProgressBar::bsFlat);
    bar.SetShowPercent(false);
    bar.SetBarColour(Qt::red);
    bar.SetBackColour(Qt::blue);
    bar.SetTotalParts(4);
    bar.SetPartsComplete(1); // interior 98 wide: 24.5 filled columns round to 24
    const QImage image = Render(bar);
    for (int x = 1; x <= 98; ++x)
        EXPECT_EQ(QColor(image.pixel(x, 12)), x <= 24 ? QColor(Qt::red) : QColor(Qt::blue)) << x;

    bar.SetOrientation(Qt::Vertical);
    bar.SetInteriorOffset(1); // interior 96 × 20 inside the offset ring: 5 rows filled
    const QImage vertical = Render(bar);
    for (int y = 2; y <= 21; ++y)
        EXPECT_EQ(QColor(vertical.pixel(50, y)), y >= 17 ? QColor(Qt::red) : QColor(Qt::blue)) << y;
}

TEST(PartsProgressBar, CaptionSwapsColoursAtTheFillEdge) {
    PartsProgressBar bar;
    bar.SetBorderStyle(PartsProgressBar::bsFlat);
    bar.SetBarColour(Qt::black);
    bar.SetBackColour(Qt::white);
    bar.SetTotalParts(2);
    bar.SetPartsComplete(1); // "50%" straddles the edge at column 50
    const QImage image = Render(bar);
    bool whiteInFilled = false;
    bool blackInRest = false;
    for (int y = 1; y <= 22; ++y) {
        for (int x = 1; x <= 98; ++x) {
            const QColor c(image.pixel(x, y));
            whiteInFilled |= x <= 49 && c != QColor(Qt::black);
            blackInRest |= x >= 50 && c != QColor(Qt::white);
        }
    }
    EXPECT_TRUE(whiteInFilled);
    EXPECT_TRUE(blackInRest);
}

TEST(PartsProgressBar, CaptionIsDarkOnALightBarAndFitsTheBar) {
    PartsProgressBar bar;
    bar.SetShowPercent(false);
    bar.SetBarColour(QColor(160, 200, 255));
    bar.SetBackColour(Qt::white);
    bar.SetText("Press ESC to stop");
    EXPECT_GE(bar.sizeHint().width(), bar.fontMetrics().horizontalAdvance("Press ESC to stop") + 4);
    bar.resize(bar.sizeHint());
    const QImage image = Render(bar);
    int darkest = 255;
    for (int y = 2; y < image.height() - 2; ++y)
        for (int x = 2; x < image.width() - 2; ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    EXPECT_LT(darkest, 60); // the caption, not light blue on white
}

} // namespace
} // namespace mottler
