#include "gradients/gradientstrip.h"

#include "base/errors.h"
#include "base/memoryprobe.h"
#include "base/numbers.h"

#include <QColor>
#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace mottler {
namespace {

constexpr int BytesPerPixel = 3;

QColor ToQColor(PackedColour colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

/// Fills the columns from x on, one per colour, over the image's whole height.
void FillColumns(QImage& image, int x, const std::vector<PackedColour>& colours) {
    if (image.isNull())
        return;
    QPainter painter(&image);
    for (const PackedColour colour : colours)
        painter.fillRect(x++, 0, 1, image.height(), ToQColor(colour));
}

void FillFromColumn(QImage& image, int x, PackedColour colour) {
    if (image.isNull() || x >= image.width())
        return;
    QPainter painter(&image);
    painter.fillRect(x, 0, image.width() - x, image.height(), ToQColor(colour));
}

/// A BGR888 image of that size. Linux promises memory it may not have and kills the program
/// when it is touched, so a size beyond the memory still available is refused up front.
QImage AllocateImage(int width, int height) {
    const double bytes = double(width) * height * BytesPerPixel;
    const std::optional<std::uint64_t> available = AvailableMemoryBytes();
    if (available && bytes > double(*available))
        throw MottlerError(
            QCoreApplication::translate("mottler::GradientStrip", FadingBorderMemoryMessage));
    QImage image(width, height, QImage::Format_BGR888);
    if (image.isNull())
        throw MottlerError(
            QCoreApplication::translate("mottler::GradientStrip", FadingBorderMemoryMessage));
    return image;
}

/// Copies the first `columns` columns of the strip into every row of the image; rows below
/// the strip repeat its last row, columns past its right edge are left alone.
void CopyStripColumns(const QImage& strip, int columns, QImage& image) {
    const QImage source = strip.convertToFormat(QImage::Format_BGR888);
    const int copied = std::min(columns, source.width());
    if (copied <= 0 || source.height() <= 0)
        return;
    const auto bytes = static_cast<std::size_t>(copied) * BytesPerPixel;
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), source.constScanLine(std::min(y, source.height() - 1)),
                    bytes);
}

} // namespace

std::vector<PackedColour> GradientColumnColours(int width, PackedColour start, PackedColour end,
                                                const Palette* textureGradient) {
    const int last = std::clamp(width, 1, MaxGradientColumns - 1);
    Palette table;
    if (textureGradient)
        table = *textureGradient;
    else
        InterpolateColours(table, 0, last, start, end);
    return {table.Colours.begin(), table.Colours.begin() + last + 1};
}

int DrawGradientColumns(QImage& preview, int x, int width, PackedColour start, PackedColour end,
                        const Palette* textureGradient) {
    const std::vector<PackedColour> colours =
        GradientColumnColours(width, start, end, textureGradient);
    FillColumns(preview, x, colours);
    return x + static_cast<int>(colours.size());
}

void RedrawGradient(QImage& preview, const GradientSettings& settings,
                    const Palette& textureGradient) {
    const Palette* fromTexture = settings.UseTextureGradient ? &textureGradient : nullptr;
    int x = DrawGradientColumns(preview, 0, IntValue(settings.GradientWidth), settings.StartColour,
                                settings.EndColour, fromTexture);
    if (settings.AddBorder)
        x = DrawGradientColumns(preview, x, IntValue(settings.BorderWidth), settings.EndColour,
                                settings.BorderColour, fromTexture);
    FillFromColumn(preview, x, settings.BackgroundColour);
}

int GradientColumnCount(const GradientSettings& settings) {
    const auto drawn = [](const QString& width) {
        return std::clamp(IntValue(width), 1, MaxGradientColumns - 1) + 1;
    };
    return drawn(settings.GradientWidth) + (settings.AddBorder ? drawn(settings.BorderWidth) : 0);
}

QImage DrawFullGradientStrip(const GradientSettings& settings, const Palette& textureGradient) {
    QImage strip(2 * MaxGradientColumns + 1, 1, QImage::Format_BGR888);
    RedrawGradient(strip, settings, textureGradient);
    return strip;
}

QImage MakeGradientImage(const QImage& strip, const GradientSettings& settings) {
    const int width = IntValue(settings.SaveWidth);
    const int height = IntValue(settings.SaveHeight);
    if (width <= 0)
        throw MottlerError(
            QCoreApplication::translate("mottler::GradientStrip", FadingBorderWidthMessage));
    if (height <= 0)
        throw MottlerError(
            QCoreApplication::translate("mottler::GradientStrip", FadingBorderHeightMessage));
    QImage image = AllocateImage(width, height);
    image.fill(ToQColor(settings.BackgroundColour));
    CopyStripColumns(strip, std::min(GradientColumnCount(settings), width), image);
    return image;
}

} // namespace mottler
