#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace mottler {

/// The program's texts use CR LF for line breaks; message boxes want plain line feeds.
QString ForDisplay(const QString& text);

/// The standard error message box of the program.
void ShowError(QWidget* parent, const QString& text);

/// A plain information message.
void ShowMessage(QWidget* parent, const QString& text);

/// Runs an operation that may throw MottlerError; the error is shown and false returned.
bool TryShowingError(QWidget* parent, const std::function<void()>& operation);

} // namespace mottler
