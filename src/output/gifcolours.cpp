#include "output/gifcolours.h"

#include "base/errors.h"

#include <QCoreApplication>
#include <algorithm>
#include <libimagequant.h>
#include <unordered_map>

namespace mottler {
namespace {

PackedColour PixelColour(const std::uint8_t* rgb) {
    return PackRgb(rgb[0], rgb[1], rgb[2]);
}

[[noreturn]] void QuantiserFailed() {
    throw MottlerError(QCoreApplication::translate(
        "mottler::GifColours", "The colours of the GIF image could not be reduced."));
}

} // namespace

std::optional<std::vector<PackedColour>> DistinctColours(const QImage& image, std::size_t limit) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::unordered_set<PackedColour> seen;
    std::vector<PackedColour> colours;
    for (int y = 0; y < rgb.height(); ++y) {
        const std::uint8_t* pixel = rgb.constScanLine(y);
        for (int x = 0; x < rgb.width(); ++x, pixel += 3)
            if (seen.insert(PixelColour(pixel)).second) {
                if (colours.size() == limit)
                    return std::nullopt;
                colours.push_back(PixelColour(pixel));
            }
    }
    return colours;
}

std::optional<std::vector<std::uint8_t>> ExactIndices(const QImage& image,
                                                      const std::vector<PackedColour>& table) {
    std::unordered_map<PackedColour, std::uint8_t> indexOf;
    for (std::size_t i = table.size(); i-- > 0;) // the first of equal entries wins
        indexOf[table[i]] = static_cast<std::uint8_t>(i);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::vector<std::uint8_t> indices;
    indices.reserve(static_cast<std::size_t>(rgb.width()) * rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const std::uint8_t* pixel = rgb.constScanLine(y);
        for (int x = 0; x < rgb.width(); ++x, pixel += 3) {
            const auto found = indexOf.find(PixelColour(pixel));
            if (found == indexOf.end())
                return std::nullopt;
            indices.push_back(found->second);
        }
    }
    return indices;
}

SharedColourTable::SharedColourTable()
    : attributes(liq_attr_create()),
      histogram(attributes ? liq_histogram_create(attributes) : nullptr) {
    if (!histogram || liq_set_max_colors(attributes, GifMaxColours) != LIQ_OK)
        QuantiserFailed();
}

SharedColourTable::~SharedColourTable() {
    if (histogram)
        liq_histogram_destroy(histogram);
    if (attributes)
        liq_attr_destroy(attributes);
}

void SharedColourTable::AddImage(const QImage& image) {
    if (!tooManyForExact) {
        const auto colours = DistinctColours(image, GifMaxColours + 1);
        if (colours)
            exact.insert(colours->begin(), colours->end());
        tooManyForExact = !colours || exact.size() > GifMaxColours;
        if (tooManyForExact)
            exact.clear();
    }
    // libimagequant reads rows of red, green, blue and alpha bytes without padding.
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    liq_image* liqImage =
        liq_image_create_rgba(attributes, rgba.constBits(), rgba.width(), rgba.height(), 0);
    const bool added =
        liqImage && liq_histogram_add_image(histogram, attributes, liqImage) == LIQ_OK;
    if (liqImage)
        liq_image_destroy(liqImage);
    if (!added)
        QuantiserFailed();
}

std::vector<PackedColour> SharedColourTable::Build() const {
    if (!tooManyForExact) {
        std::vector<PackedColour> colours(exact.begin(), exact.end());
        std::sort(colours.begin(), colours.end());
        return colours;
    }
    liq_result* result = nullptr;
    if (liq_histogram_quantize(histogram, attributes, &result) != LIQ_OK || !result)
        QuantiserFailed();
    const liq_palette* palette = liq_get_palette(result);
    std::vector<PackedColour> colours;
    for (unsigned i = 0; i < palette->count; ++i)
        colours.push_back(
            PackRgb(palette->entries[i].r, palette->entries[i].g, palette->entries[i].b));
    liq_result_destroy(result);
    return colours;
}

} // namespace mottler
