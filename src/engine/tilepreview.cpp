#include "engine/tilepreview.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace mottler {
namespace {

int RoundScaled(int length, float s) {
    return static_cast<int>(std::nearbyint(static_cast<long double>(length) * s));
}

QRect SingleTarget(QSize texture, QSize control) {
    if (texture.width() > control.width() || texture.height() > control.height())
        return QRect(QPoint(0, 0), control);
    return QRect(
        QPoint((control.width() - texture.width()) / 2, (control.height() - texture.height()) / 2),
        texture);
}

// Makes `image` an unshared image of the size and format, keeping its buffer when it is one.
void FitImage(QImage& image, QSize size, QImage::Format format) {
    if (image.size() != size || image.format() != format || !image.isDetached())
        image = QImage(size, format);
}

// The texture's pixels from `first` to before `last` along one side that output pixel k of
// `to` averages: from k × from / to up to (k + 1) × from / to, rounded down, at least one.
struct Span {
    int First, Last;
};

// The spans of output pixels 0, 1, 2 … in turn, without a division per pixel.
class SpanSteps {
public:
    SpanSteps(int fromLength, int toLength) : from(fromLength), to(toLength) {}

    Span Next() {
        const int first = start;
        for (remainder += from; remainder >= to; remainder -= to)
            ++start;
        return {first, std::max(start, first + 1)};
    }

private:
    int from, to;
    int start = 0;     // (k × from) / to for the next k
    int remainder = 0; // (k × from) mod to
};

// One pixel of the reduced copy: the rounded average of the texture's pixels in the spans.
QRgb AveragePixel(const QImage& texture, Span xs, Span ys) {
    quint32 sum[3] = {0, 0, 0};
    for (int y = ys.First; y < ys.Last; ++y) {
        const uchar* row = texture.constScanLine(y);
        for (int x = xs.First; x < xs.Last; ++x)
            for (int c = 0; c < 3; ++c)
                sum[c] += row[3 * x + c];
    }
    const auto count = quint32((xs.Last - xs.First) * (ys.Last - ys.First));
    const auto mean = [&](int c) { return (sum[c] + count / 2) / count; };
    return 0xff000000u | mean(2) << 16 | mean(1) << 8 | mean(0); // BGR888 bytes: B, G, R
}

// The texture (BGR888) stretched to `size` into `copy`, kept from frame to frame: each pixel
// the average of the texture's pixels under it (the filter a reduced preview needs: smooth
// where it shrinks, no allocation per frame).
void AverageOnto(const QImage& texture, QSize size, QImage& copy) {
    FitImage(copy, size, QImage::Format_RGB32);
    SpanSteps rows(texture.height(), size.height());
    for (int y = 0; y < size.height(); ++y) {
        const Span ys = rows.Next();
        SpanSteps columns(texture.width(), size.width());
        auto* to = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            to[x] = AveragePixel(texture, columns.Next(), ys);
    }
}

// The reduced copy of the texture, made into `kept`. The texture bitmap (BGR888) is averaged
// there directly; another format is converted first (convertToFormat returns the image
// itself when it has the format already).
const QImage& ReducedCopy(const QImage& texture, QSize size, QImage& kept) {
    AverageOnto(texture.convertToFormat(QImage::Format_BGR888), size, kept);
    return kept;
}

} // namespace

bool NeedsReducedCopy(QSize texture, QSize threshold) {
    return texture.width() > threshold.width() || texture.height() > threshold.height();
}

QSize ReducedCopySize(QSize texture, QSize threshold) {
    const int w2 = 2 * texture.width();
    const int h2 = 2 * texture.height();
    const auto s =
        static_cast<float>(static_cast<long double>(threshold.width()) / std::max(w2, h2));
    // Both sides by the same factor, so the copy keeps the texture's shape; a side that
    // would round to nothing keeps one pixel.
    return {std::max(1, RoundScaled(w2, s)), std::max(1, RoundScaled(h2, s))};
}

void TileOnto(QImage& target, const QImage& tile) {
    if (tile.isNull())
        return;
    QPainter painter(&target);
    for (int y = 0; y < target.height(); y += tile.height())
        for (int x = 0; x < target.width(); x += tile.width())
            painter.drawImage(x, y, tile);
}

void CopyImage(const QImage& image, QImage& copy) {
    if (&image == &copy)
        return;
    if (image.isNull()) {
        copy = QImage();
        return;
    }
    FitImage(copy, image.size(), image.format());
    copy.setColorTable(image.colorTable());
    const auto rowBytes =
        static_cast<std::size_t>(std::min(image.bytesPerLine(), copy.bytesPerLine()));
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(copy.scanLine(y), image.constScanLine(y), rowBytes);
}

void CopyOpaque(const QImage& image, QImage::Format format, QImage& copy) {
    FitImage(copy, image.size(), format);
    if (image.format() != QImage::Format_BGR888) {
        QPainter painter(&copy);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, image);
        return;
    }
    // The texture bitmap's own format: each pixel widened to 0xffRRGGBB in one pass, a loop
    // the compiler vectorises (the width is read once, not per pixel).
    const int w = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const uchar* from = image.constScanLine(y);
        auto* to = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < w; ++x)
            to[x] = 0xff000000u | QRgb(from[3 * x + 2]) << 16 | QRgb(from[3 * x + 1]) << 8 |
                    QRgb(from[3 * x]);
    }
}

void ComposeTilePreview(const QImage& texture, QSize control, QSize threshold, bool tile,
                        TilePreview& preview, QImage& converted) {
    if (!tile) {
        // Qt draws ARGB32 stretched with the same pixels as the texture bitmap's BGR888, at
        // half the cost; and the texture bitmap itself, which the next frame renders into,
        // is not shared.
        CopyOpaque(texture, QImage::Format_ARGB32, preview.Picture);
        preview.Target = SingleTarget(texture.size(), control);
        return;
    }
    if (control.isEmpty()) {
        preview = {};
        return;
    }
    FitImage(preview.Picture, control, QImage::Format_RGB32);
    preview.Picture.fill(Qt::white);
    preview.Target = QRect(QPoint(0, 0), control);
    if (!NeedsReducedCopy(texture.size(), threshold)) {
        // Painting converts a BGR888 tile at every drawing; the RGB32 copy, made once into
        // the kept buffer, is drawn as plain copies of rows (the same opaque pixels).
        if (texture.format() == QImage::Format_BGR888) {
            CopyOpaque(texture, QImage::Format_RGB32, converted);
            TileOnto(preview.Picture, converted);
        } else {
            TileOnto(preview.Picture, texture);
        }
        return;
    }
    TileOnto(preview.Picture,
             ReducedCopy(texture, ReducedCopySize(texture.size(), threshold), converted));
}

} // namespace mottler
