// The map image: cells side by side without gaps, a failed cell crossed out on grey (the
// labels need a QGuiApplication: the command-line test draws them).
#include "explore/mapimage.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

namespace mottler::test {
namespace {

QImage Filled(QColor colour) {
    QImage cell(6, 4, QImage::Format_BGR888);
    cell.fill(colour);
    return cell;
}

TEST(MapImage, CellsLieSideBySideRowByRow) {
    const std::vector<QImage> cells{Filled(Qt::red), Filled(Qt::green), Filled(Qt::blue),
                                    Filled(Qt::yellow)};
    const QImage map = ComposeMapImage(cells, 2);
    ASSERT_EQ(map.size(), QSize(12, 8));
    EXPECT_EQ(map.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(map.pixelColor(5, 3), QColor(Qt::red));
    EXPECT_EQ(map.pixelColor(6, 0), QColor(Qt::green));
    EXPECT_EQ(map.pixelColor(0, 4), QColor(Qt::blue));
    EXPECT_EQ(map.pixelColor(11, 7), QColor(Qt::yellow));
}

TEST(MapImage, AFailedCellIsGreyAndCrossedAndTakesItsNeighboursSize) {
    const QImage map = ComposeMapImage({QImage(), Filled(Qt::red)}, 2);
    ASSERT_EQ(map.size(), QSize(12, 4));
    QSet<QRgb> colours;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            colours.insert(map.pixel(x, y));
    EXPECT_TRUE(colours.contains(qRgb(128, 128, 128)));
    EXPECT_TRUE(colours.contains(qRgb(200, 60, 60))); // the cross
    EXPECT_FALSE(colours.contains(qRgb(255, 0, 0)));
    // Nothing grew at all: grey cells of a default size, never an empty image.
    EXPECT_FALSE(ComposeMapImage({QImage(), QImage()}, 2).isNull());
}

} // namespace
} // namespace mottler::test
