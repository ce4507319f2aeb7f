#include "output/webgif.h"

#include "base/bmpfile.h"
#include "base/errors.h"
#include "output/gifstream.h"
#include "palette/websafepalette.h"

#include <QCoreApplication>
#include <cmath>

namespace mottler {
namespace {

/// The level 0 … 5 of the web value nearest to a channel value (0, 51, … 255 are 51 apart,
/// so no channel value lies halfway between two of them).
int NearestLevel(int channel) {
    return static_cast<int>(std::nearbyint(channel / 51.0));
}

/// The web-safe table lists the levels from 255 down, red outermost and blue innermost.
std::uint8_t NearestWebSafeIndex(const std::uint8_t* rgb) {
    const int red = 5 - NearestLevel(rgb[0]);
    const int green = 5 - NearestLevel(rgb[1]);
    const int blue = 5 - NearestLevel(rgb[2]);
    return static_cast<std::uint8_t>(red * 36 + green * 6 + blue);
}

} // namespace

QByteArray EncodeWebSafeGif(const QImage& image) {
    if (image.isNull())
        throw MottlerError(QCoreApplication::translate(
            "mottler::WebGif", "The GIF image could not be encoded: the image is empty."));
    const auto webColours = WebSafeColours();
    GifStream gif(image.width(), image.height(), {webColours.begin(), webColours.end()});
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::vector<std::uint8_t> indices;
    indices.reserve(static_cast<std::size_t>(rgb.width()) * rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const std::uint8_t* pixel = rgb.constScanLine(y);
        for (int x = 0; x < rgb.width(); ++x, pixel += 3)
            indices.push_back(NearestWebSafeIndex(pixel));
    }
    gif.PutImage(rgb.width(), rgb.height(), indices, {});
    return gif.Finish();
}

} // namespace mottler
