#pragma once

#include <QMessageBox>
#include <QString>

namespace mottler {

/// A modal message box that shows its text as plain text, never as rich text. Texts that
/// carry outside names (preset names from a texture pack, file and folder names) would
/// otherwise be taken for markup when they look like it, with styles and pictures of their
/// own, and could make a question say something else. Returns the button chosen
/// (NoButton when the box was closed without one).
QMessageBox::StandardButton
ShowPlainMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                    const QString& text, QMessageBox::StandardButtons buttons = QMessageBox::Ok);

/// A Yes/No question as QMessageBox::question asks it, with the text shown as plain text.
bool AskPlainQuestion(QWidget* parent, const QString& title, const QString& question);

} // namespace mottler
