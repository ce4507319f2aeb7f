#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace mottler {

class IniFile;

/// The answer to "A pattern called ... already exists. Overwrite ?".
enum class PackAnswer { Yes, No, Cancel };

/// Asks the user a Yes/No/Cancel question (the confirmation box of the GUI).
using PackQuestion = std::function<PackAnswer(const QString& question)>;

/// What an import did.
struct PackImport {
    QStringList Installed;  ///< names of the presets copied, in pack order
    bool Cancelled = false; ///< the user answered Cancel; no summary is shown then
};

/// Copies every preset (section) of the texture pack into `presets`, in the pack's order.
/// A preset whose name already exists (without regard to case) is replaced only when `ask`
/// answers Yes; No skips it, Cancel ends the import at once (the presets chosen before it are
/// installed). The file is written once, atomically; when that fails, the presets are written
/// one at a time, so an error leaves the presets before the one that failed and an intact file.
/// Sections without keys, or whose names are empty or hold control characters (a damaged or
/// binary file), are not presets and are passed over. Throws MottlerError when the pack cannot be
/// read or `presets` cannot be written.
PackImport ImportTexturePack(const QString& packPath, IniFile& presets, const PackQuestion& ask);

/// The summary shown after an import: the count + " patterns have been installed." + CR LF,
/// then each name followed by CR LF.
QString ImportSummary(const QStringList& installed);

} // namespace mottler
