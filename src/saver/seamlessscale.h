#pragma once

#include <QImage>

namespace mottler::saver {

/// The tile scaled smoothly to `size` so that it still tiles without seams: it is scaled
/// with its wrapped neighbours around it, so the smoothing at each edge blends with the
/// opposite edge instead of with nothing.
QImage ScaleTileSeamlessly(const QImage& tile, QSize size);

} // namespace mottler::saver
