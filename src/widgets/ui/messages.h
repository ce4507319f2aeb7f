#pragma once

#include <QString>

class QWidget;

namespace mottler {

/// The program's texts use CR LF for line breaks; message boxes want plain line feeds.
QString ForDisplay(const QString& text);

/// The standard error message box of the program.
void ShowError(QWidget* parent, const QString& text);

/// A plain information message.
void ShowMessage(QWidget* parent, const QString& text);

} // namespace mottler
