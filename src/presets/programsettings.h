#pragma once

#include <QString>

namespace mottler {

/// The per-user values the main window loads at start-up and saves at close, as the texts of
/// the controls that hold them.
struct ProgramSettings {
    QString BorderSaveHeight = QStringLiteral("10");  ///< txtSaveHeight
    QString BorderSaveWidth = QStringLiteral("1025"); ///< txtSaveWidth
    bool UseNewFilename = false;                      ///< chkUseNewFilename
};

/// Reads "BorderSaveHeight", "BorderSaveWidth" (integers, shown in decimal) and
/// "UseNewFilename" (any integer but 0 is true) from the user settings, with the defaults
/// above for values that are missing or not integers.
ProgramSettings LoadSettings();

/// Writes the three values as text: each size as the integer of its box (0 when the text is
/// empty or not a whole number), the flag as "1" or "0".
void SaveSettings(const ProgramSettings& settings);

} // namespace mottler
