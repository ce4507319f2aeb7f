#pragma once

#include <QString>
#include <QStringList>

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

/// The gradient preset file "gradients.ini" and the resource of the built-in gradients.
inline constexpr const char* GradientFileName = "gradients.ini";
inline constexpr const char* BuiltInGradientsResource = ":/presets/gradients.ini";

/// A file the program ships as a resource and writes into the data folder when missing.
struct BuiltInFile {
    const char* Name;     ///< the file's name in the data folder
    const char* Resource; ///< the Qt resource it comes from
};

/// The built-in files: the presets, the gradients, the picture the "Image File" presets grow from
/// (their "File" names it relative to the data folder) and the preview page's body text.
inline constexpr BuiltInFile BuiltInFiles[] = {
    {PresetFileName, BuiltInPresetsResource},
    {GradientFileName, BuiltInGradientsResource},
    {"ripples.png", ":/presets/ripples.png"},
    {"loremipsum.txt", ":/presets/loremipsum.txt"},
};

/// Writes each built-in file that is missing into the data folder; files already there are
/// left alone, so a user's own changes survive. Returns the message of each failure (see
/// ExtractResourceFile); start-up shows them and goes on without those files.
QStringList ExtractMissingBuiltInFiles();

/// The data folder's "save.ini", with the built-in files extracted first where missing.
/// Throws MottlerError with the extraction message when "save.ini" cannot be made.
QString ProgramPresetFile();

/// Writes the bytes of a Qt resource (e.g. BuiltInPresetsResource) to the file, creating its
/// folder when missing; the file is replaced atomically. On failure returns false with
/// `message` = "An error occurred while trying to extract " + resource name + " to " + file
/// + "." + CR LF + CR LF + the reason.
bool ExtractResourceFile(const QString& file, const QString& resourceName, QString& message);

/// ExtractResourceFile when the file does not exist yet; true when the file is there after.
bool ExtractWhenMissing(const QString& file, const QString& resourceName, QString& message);

} // namespace mottler
