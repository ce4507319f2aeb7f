#include "widgets/ui/plainmessagebox.h"

namespace mottler {

QMessageBox::StandardButton ShowPlainMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                                const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return box.standardButton(box.clickedButton());
}

bool AskPlainQuestion(QWidget* parent, const QString& title, const QString& question) {
    return ShowPlainMessageBox(parent, QMessageBox::Question, title, question,
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace mottler
