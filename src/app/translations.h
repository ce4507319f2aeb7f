#pragma once

#include <QLocale>

namespace mottler {

/// Installs the translations of the program and of Qt's own texts (standard buttons, file
/// dialogs) for the first of the locale's interface languages that has them, and does nothing
/// for English or a language without a translation. Only the desktop program calls this:
/// mottler-cli stays English, since scripts read its messages. Returns whether the program's
/// own translation was found.
bool InstallTranslations(const QLocale& locale = QLocale());

/// Removes what InstallTranslations installed, so the texts are English again.
void RemoveTranslations();

} // namespace mottler
