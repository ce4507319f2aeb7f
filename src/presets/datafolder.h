#pragma once

#include <QString>

namespace mottler {

/// The folder of the program's own files (presets, gradients, working files):
/// $MOTTLER_HOME when set, else Quorvex/Mottler in the user's data folder
/// (~/.local/share unless XDG_DATA_HOME says otherwise). Created when missing; throws
/// MottlerError when it cannot be.
QString DataFolder();

/// DataFolder() joined with a file name.
QString DataFile(const QString& name);

/// The preset file "save.ini" and the resource of the built-in presets.
inline constexpr const char* PresetFileName = "save.ini";
inline constexpr const char* BuiltInPresetsResource = ":/presets/save.ini";

/// Writes the bytes of a Qt resource (e.g. BuiltInPresetsResource) to the file, creating its
/// folder when missing; the file is replaced atomically. On failure returns false with
/// `message` = "An error occurred while trying to extract " + resource name + " to " + file
/// + "." + CR LF + CR LF + the reason.
bool ExtractResourceFile(const QString& file, const QString& resourceName, QString& message);

/// ExtractResourceFile when the file does not exist yet; true when the file is there after.
bool ExtractWhenMissing(const QString& file, const QString& resourceName, QString& message);

} // namespace mottler
