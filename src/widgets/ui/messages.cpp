#include "widgets/ui/messages.h"

#include <QMessageBox>

namespace mottler {

QString ForDisplay(const QString& text) {
    return QString(text).replace("\r\n", "\n");
}

void ShowError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QStringLiteral("Mottler"), ForDisplay(text));
}

void ShowMessage(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QStringLiteral("Mottler"), ForDisplay(text));
}

} // namespace mottler
