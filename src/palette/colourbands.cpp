#include "palette/colourbands.h"

#include "base/errors.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace mottler {
namespace {

constexpr PackedColour White = PackRgb(255, 255, 255);
constexpr PackedColour Black = PackRgb(0, 0, 0);

constexpr std::array<PackedColour, 6> Hues{PackRgb(255, 0, 0), PackRgb(255, 255, 0),
                                           PackRgb(0, 255, 0), PackRgb(0, 255, 255),
                                           PackRgb(0, 0, 255), PackRgb(128, 0, 128)};

/// One row's entries 0 … width − 1 for the colour c, built in `row` (a scratch table).
void FillSpectrumRow(Palette& row, int width, PackedColour c) {
    const int half = (width - 1) / 2;
    InterpolateColours(row, 0, 6, Black, c);
    InterpolateColours(row, 1, half, row.Colours[1], c);
    InterpolateColours(row, 249, 255, c, White);
    InterpolateColours(row, half, width - 2, c, row.Colours[254]);
    row.Pixels[static_cast<std::size_t>(width - 1)] = {255, 255, 255};
}

} // namespace

QImage DrawSpectrum(int width, int n) {
    if (width < 2 || width > 256 || n < 1 || n > 255)
        throw MottlerError(
            QCoreApplication::translate("mottler::ColourBands",
                                        "A spectrum of %1 × %2 rows cannot be drawn.")
                .arg(width)
                .arg(6 * n));
    QImage image(width, 6 * n, QImage::Format_BGR888);
    Palette band;
    Palette row;
    for (int k = 5; k >= 0; --k) {
        InterpolateColours(band, 0, n, Hues[static_cast<std::size_t>(k)],
                           Hues[static_cast<std::size_t>((k + 1) % 6)]);
        for (int r = n - 1; r >= 0; --r) {
            FillSpectrumRow(row, width, band.Colours[static_cast<std::size_t>(r)]);
            uchar* line = image.scanLine(k * n + r);
            for (int x = 0; x < width; ++x)
                std::copy_n(row.Pixels[static_cast<std::size_t>(x)].data(), 3, line + 3 * x);
        }
    }
    return image;
}

PackedColour PixelAt(const QImage& image, int x, int y) {
    x = std::max(0, x);
    y = std::max(0, y);
    if (image.depth() != 24)
        throw MottlerError(
            QCoreApplication::translate("mottler::ColourBands", NotTwentyFourBitMessage));
    if (x >= image.width() || y >= image.height())
        return 0;
    const QRgb rgb = image.pixel(x, y);
    return PackRgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

} // namespace mottler
