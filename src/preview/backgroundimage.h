#pragma once

#include "preview/previewsettings.h"

#include <QString>

namespace mottler {

/// The file name of the preview background in the data folder.
inline constexpr const char* BackgroundFileName = "backgrnd.jpg";

/// The JPEG qualities of the background: the texture at 95, the gradient strip at 90.
inline constexpr int TextureBackgroundQuality = 95;
inline constexpr int GradientBackgroundQuality = 90;

/// What WriteBackgroundImage wrote.
struct WrittenBackground {
    QString Path;    ///< the full path of "backgrnd.jpg" in the data folder
    qint64 Size = 0; ///< its size in bytes
};

/// Writes the background as "backgrnd.jpg" in the data folder, replacing the earlier one
/// atomically. Throws MottlerError when the data folder or the file cannot be written.
WrittenBackground WriteBackgroundImage(const PreviewBackground& background);

} // namespace mottler
