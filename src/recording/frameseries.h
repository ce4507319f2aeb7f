#pragma once

#include <QString>

namespace mottler {

/// The file of frame `index` in a numbered BMP series: every ".bmp" (any letter case) in the
/// file-name part of the path becomes the four-digit, zero-padded index followed by ".bmp"
/// ("frames.bmp" gives frames0000.bmp, frames0001.bmp, ...). The folder part is left alone,
/// and a name without ".bmp" gets the index and ".bmp" appended, so no two frames share a
/// file.
QString NumberedBmpFileName(const QString& path, int index);

} // namespace mottler
