#include "preview/textcontrast.h"

#include "base/errors.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace mottler {
namespace {

/// The sRGB transfer function of each 8-bit channel value, undone: linear light 0 … 1.
const std::array<double, 256>& LinearChannel() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values{};
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            values[i] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return values;
    }();
    return table;
}

double Luminance(int red, int green, int blue) {
    const auto& linear = LinearChannel();
    return 0.2126 * linear[red] + 0.7152 * linear[green] + 0.0722 * linear[blue];
}

int MeanChannel(std::uint64_t sum, std::uint64_t count) {
    return static_cast<int>(std::nearbyint(static_cast<double>(sum) / static_cast<double>(count)));
}

} // namespace

double RelativeLuminance(PackedColour colour) {
    return Luminance(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

double ContrastRatio(double luminanceA, double luminanceB) {
    const auto [darker, lighter] = std::minmax(luminanceA, luminanceB);
    return (lighter + 0.05) / (darker + 0.05);
}

double ContrastRatio(PackedColour a, PackedColour b) {
    return ContrastRatio(RelativeLuminance(a), RelativeLuminance(b));
}

ContrastVerdict VerdictForNormalText(double ratio) {
    if (ratio >= MinimumRatioAAA)
        return ContrastVerdict::AAA;
    return ratio >= MinimumRatioAA ? ContrastVerdict::AA : ContrastVerdict::Fail;
}

QString VerdictName(ContrastVerdict verdict) {
    switch (verdict) {
    case ContrastVerdict::AAA:
        return QStringLiteral("AAA");
    case ContrastVerdict::AA:
        return QStringLiteral("AA");
    case ContrastVerdict::Fail:
        break;
    }
    return QCoreApplication::translate("mottler::TextContrast", "fail");
}

QString RatioText(double ratio) {
    return QString::number(std::floor(ratio * 100) / 100, 'f', 2) + QStringLiteral(":1");
}

QString ReadabilityText(const TextReadability& readability) {
    const auto figure = [](double ratio) {
        return RatioText(ratio) + QLatin1Char(' ') + VerdictName(VerdictForNormalText(ratio));
    };
    return QCoreApplication::translate("mottler::TextContrast",
                                       "%1 against the average, %2 against the worst pixel")
        .arg(figure(readability.AgainstAverage), figure(readability.AgainstWorstPixel));
}

BackgroundContrast::BackgroundContrast(const QImage& tile) {
    if (tile.isNull() || tile.width() == 0 || tile.height() == 0)
        throw MottlerError(
            QCoreApplication::translate("mottler::TextContrast", "The background image is empty."));
    const QImage rgb = tile.convertToFormat(QImage::Format_RGB32);
    std::vector<QRgb> colours;
    colours.reserve(static_cast<std::size_t>(rgb.width()) * static_cast<std::size_t>(rgb.height()));
    std::uint64_t red = 0, green = 0, blue = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            red += static_cast<std::uint64_t>(qRed(line[x]));
            green += static_cast<std::uint64_t>(qGreen(line[x]));
            blue += static_cast<std::uint64_t>(qBlue(line[x]));
            colours.push_back(line[x] | 0xFF000000u);
        }
    }
    const auto count = static_cast<std::uint64_t>(colours.size());
    average = PackRgb(MeanChannel(red, count), MeanChannel(green, count), MeanChannel(blue, count));
    // A texture has at most 256 colours: sorting the colours first keeps the luminance work
    // (and the list searched for each text colour) small.
    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    luminances.reserve(colours.size());
    for (const QRgb c : colours)
        luminances.push_back(Luminance(qRed(c), qGreen(c), qBlue(c)));
    std::sort(luminances.begin(), luminances.end());
    luminances.erase(std::unique(luminances.begin(), luminances.end()), luminances.end());
}

TextReadability BackgroundContrast::Readability(PackedColour text) const {
    const double luminance = RelativeLuminance(text);
    return {ContrastRatio(luminance, RelativeLuminance(average)), WorstRatio(luminance)};
}

// For a text luminance t, the ratio against a pixel of luminance p is (t + 0.05) / (p + 0.05)
// while p <= t, which falls as p rises, and (p + 0.05) / (t + 0.05) once p >= t, which rises
// with p; both are 1 at p = t. So over the pixels of the tile the lowest ratio belongs to the
// nearest luminance below t or the nearest above t: every other pixel lies beyond one of these
// two on the same side of t and gives a higher ratio. The darkest and lightest pixels give the
// highest ratio, not the lowest, unless t lies outside the tile's range. One binary search in
// the sorted luminances finds both neighbours.
double BackgroundContrast::WorstRatio(double textLuminance) const {
    const auto above = std::lower_bound(luminances.begin(), luminances.end(), textLuminance);
    double worst = ContrastRatio(0.0, 1.0);
    if (above != luminances.end())
        worst = ContrastRatio(textLuminance, *above);
    if (above != luminances.begin())
        worst = std::min(worst, ContrastRatio(textLuminance, *std::prev(above)));
    return worst;
}

} // namespace mottler
