#pragma once

#include <QString>

namespace mottler::cli {

/// One line on standard output.
void PrintLine(const QString& text);
/// One line on stderr as it is: what would go to standard output when a file is written there.
void PrintNote(const QString& text);
/// An error on stderr, "mottler-cli: " first; line breaks of any kind become "\n".
void ReportError(const QString& message);
/// A warning on stderr ("mottler-cli: warning: ..."); the work goes on.
void ReportWarning(const QString& message);

/// The text with every control character shown as an escape ("\x1B"), so that names from a
/// file cannot move the cursor, recolour or clear the terminal they are printed to.
QString EscapedForTerminal(const QString& text);

} // namespace mottler::cli
