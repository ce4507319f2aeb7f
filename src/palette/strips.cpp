#include "palette/strips.h"

#include "palette/colourmaths.h"

namespace mottler {
namespace {

constexpr PackedColour White = PackRgb(255, 255, 255);
constexpr PackedColour Black = PackRgb(0, 0, 0);

void SetPixel(QImage& image, int x, int y, PackedColour c) {
    uchar* p = image.scanLine(y) + 3 * x;
    p[0] = static_cast<uchar>(BlueOf(c));
    p[1] = static_cast<uchar>(GreenOf(c));
    p[2] = static_cast<uchar>(RedOf(c));
}

QImage DrawBrightnessStrip(int height) {
    Palette ramp;
    InterpolateColours(ramp, 0, height - 1, Black, White);
    QImage strip(1, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y)
        SetPixel(strip, 0, y, ramp.Colours[static_cast<std::size_t>(y)]);
    return strip;
}

// Two columns that swap between white-over-grey and black-over-grey: row 0 alone, then runs
// of five rows, fading from plain grey at the top to nearly full black and white below.
QImage DrawContrastStrip(int height) {
    constexpr PackedColour Grey = PackRgb(192, 192, 192);
    QImage strip(2, height, QImage::Format_BGR888);
    bool whiteFirst = true;
    for (int y = 0; y < height; ++y) {
        const auto t = static_cast<float>(1.0L - static_cast<long double>(y) / height);
        SetPixel(strip, 0, y, BlendColours(whiteFirst ? White : Black, Grey, t));
        SetPixel(strip, 1, y, BlendColours(whiteFirst ? Black : White, Grey, t));
        if (y % 5 == 0)
            whiteFirst = !whiteFirst;
    }
    return strip;
}

} // namespace

QImage DrawGradientStrip(const Palette& palette) {
    QImage strip(1, 256, QImage::Format_BGR888);
    for (int y = 0; y < 256; ++y) {
        const auto& entry = palette.Pixels[static_cast<std::size_t>(y)];
        std::copy(entry.begin(), entry.end(), strip.scanLine(y));
    }
    return strip;
}

AdjustStrips DrawAdjustStrips() {
    return {DrawBrightnessStrip(BrightnessStripHeight), DrawContrastStrip(ContrastStripHeight)};
}

} // namespace mottler
