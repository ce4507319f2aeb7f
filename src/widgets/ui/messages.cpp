#include "widgets/ui/messages.h"

#include "base/errors.h"
#include "widgets/ui/plainmessagebox.h"

#include <QMessageBox>

namespace mottler {

QString ForDisplay(const QString& text) {
    return QString(text).replace("\r\n", "\n");
}

void ShowError(QWidget* parent, const QString& text) {
    ShowPlainMessageBox(parent, QMessageBox::Critical, QStringLiteral("Mottler"), ForDisplay(text));
}

void ShowMessage(QWidget* parent, const QString& text) {
    ShowPlainMessageBox(parent, QMessageBox::Information, QStringLiteral("Mottler"),
                        ForDisplay(text));
}

bool TryShowingError(QWidget* parent, const std::function<void()>& operation) {
    try {
        operation();
        return true;
    } catch (const MottlerError& error) {
        ShowError(parent, error.Message());
        return false;
    }
}

} // namespace mottler
