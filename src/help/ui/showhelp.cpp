#include "help/ui/showhelp.h"

#include "help/ui/helpwindow.h"

#include <QApplication>
#include <QPointer>
#include <QShortcut>

namespace mottler {
namespace {

QPointer<HelpWindow>& TheHelpWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

// A modal dialog blocks every window but its own children, so the help window becomes a
// child of the modal dialog that asks for it. When that dialog is destroyed the help window
// goes with it, and the next request makes a new one.
void LendToModalDialog(HelpWindow* window) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == window->parentWidget() || window->isAncestorOf(modal))
        return;
    const QRect geometry = window->geometry();
    window->setParent(modal, Qt::Window);
    window->setGeometry(geometry);
}

} // namespace

void ShowHelpTopic(HelpContext context) {
    QPointer<HelpWindow>& window = TheHelpWindow();
    if (window.isNull())
        window = new HelpWindow;
    LendToModalDialog(window);
    window->ShowTopic(context);
    window->show();
    window->raise();
    window->activateWindow();
}

void InstallHelpKey(QWidget* window, HelpContext context) {
    auto* key = new QShortcut(QKeySequence::HelpContents, window);
    QObject::connect(key, &QShortcut::activated, window, [context] { ShowHelpTopic(context); });
}

HelpWindow* OpenHelpWindow() {
    return TheHelpWindow().data();
}

} // namespace mottler
