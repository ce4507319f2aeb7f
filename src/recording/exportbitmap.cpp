#include "recording/exportbitmap.h"

#include "recording/framebitmap.h"

#include <cmath>

namespace mottler {
namespace {

void MixInto(QImage& own, const QImage& other, int weight, int denominator) {
    const auto rowBytes = static_cast<std::size_t>(own.width()) * 3;
    for (int y = 0; y < own.height(); ++y) {
        std::uint8_t* mine = own.scanLine(y);
        const std::uint8_t* theirs = other.constScanLine(y);
        for (std::size_t i = 0; i < rowBytes; ++i) {
            const int sum = mine[i] * (denominator - weight) + theirs[i] * weight;
            mine[i] = static_cast<std::uint8_t>(std::nearbyint(double(sum) / denominator));
        }
    }
}

} // namespace

QImage ExportEntryBitmap(const FrameList& frames, const Palette& palette,
                         const ExportEntry& entry) {
    QImage bitmap = FrameToBitmap(frames[entry.Frame], palette);
    if (entry.BlendFrame < 0 || entry.BlendFrame == entry.Frame)
        return bitmap;
    const QImage other = FrameToBitmap(frames[entry.BlendFrame], palette);
    if (other.size() == bitmap.size())
        MixInto(bitmap, other, entry.BlendWeight, entry.BlendDenominator);
    return bitmap;
}

} // namespace mottler
