#include "help/ui/showhelp.h"

#include "help/ui/helpwindow.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>

namespace mottler {
namespace {

QPointer<HelpWindow>& TheHelpWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

void MoveTo(HelpWindow* window, QWidget* parent) {
    const QRect geometry = window->geometry();
    const bool shown = window->isVisible();
    window->setParent(parent, Qt::Window);
    window->setGeometry(geometry);
    window->setVisible(shown);
}

/// Gives the help window back to the program when the modal dialog it was lent to closes,
/// so that it stays open (and alive: a freed dialog would take its children with it).
class HelpWindowReturn : public QObject {
public:
    HelpWindowReturn(QWidget* modal, HelpWindow* help) : QObject(modal), window(help) {
        modal->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide && !window.isNull()) {
            MoveTo(window, nullptr);
            deleteLater();
        }
        return false;
    }

private:
    QPointer<HelpWindow> window;
};

// A modal dialog blocks every window but its own children, so the help window becomes a
// child of the modal dialog that asks for it until that dialog closes.
void LendToModalDialog(HelpWindow* window) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == window->parentWidget() || window->isAncestorOf(modal))
        return;
    MoveTo(window, modal);
    new HelpWindowReturn(modal, window);
}

/// F1 inside a page or window: claimed before any shortcut sees it (ShortcutOverride, which
/// travels from the focused control up to its window), then handled when the key press
/// reaches the page.
class PageHelpKey : public QObject {
public:
    PageHelpKey(QWidget* page, std::function<HelpContext()> topic)
        : QObject(page), context(std::move(topic)) {
        page->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const auto type = event->type();
        if ((type != QEvent::ShortcutOverride && type != QEvent::KeyPress) ||
            !static_cast<QKeyEvent*>(event)->matches(QKeySequence::HelpContents))
            return false;
        event->accept();
        if (type == QEvent::KeyPress)
            ShowHelpTopic(context());
        return true;
    }

private:
    std::function<HelpContext()> context;
};

// Windows that stay on top (the zoom window, the full-size view) would hide the manual that
// was asked for over them: it stays on top too while one of them is shown.
void KeepAboveWindowsOnTop(HelpWindow* window) {
    bool onTop = false;
    for (const QWidget* other : QApplication::topLevelWidgets())
        onTop = onTop || (other != window && other->isVisible() &&
                          other->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop)
        window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}

} // namespace

void ShowHelpTopic(HelpContext context) {
    QPointer<HelpWindow>& window = TheHelpWindow();
    if (window.isNull())
        window = new HelpWindow;
    LendToModalDialog(window);
    KeepAboveWindowsOnTop(window);
    window->ShowTopic(context);
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void InstallHelpKey(QWidget* window, HelpContext context) {
    InstallHelpKey(window, [context] { return context; });
}

void InstallHelpKey(QWidget* window, std::function<HelpContext()> context) {
    new PageHelpKey(window, std::move(context));
}

void InstallPageHelpKey(QWidget* page, HelpContext context) {
    InstallHelpKey(page, context);
}

HelpWindow* OpenHelpWindow() {
    return TheHelpWindow().data();
}

} // namespace mottler
