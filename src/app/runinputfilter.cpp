#include "app/runinputfilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

namespace mottler {
namespace {

bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

} // namespace

void RunInputFilter::Start(bool letInputThrough) {
    passInput = letInputThrough;
    escapePressed = false;
    if (!active)
        QCoreApplication::instance()->installEventFilter(this);
    active = true;
}

void RunInputFilter::Stop() {
    if (active)
        QCoreApplication::instance()->removeEventFilter(this);
    active = false;
}

bool RunInputFilter::PollEscape() {
    QCoreApplication::processEvents();
    const bool pressed = escapePressed;
    escapePressed = false;
    return pressed;
}

bool RunInputFilter::eventFilter(QObject* watched, QEvent* event) {
    // A message box that the run itself opens (running out of memory while recording) must
    // be answerable, or the run could never go on.
    if (QApplication::activeModalWidget() != nullptr)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        escapePressed = true;
        return true;
    }
    if (event->type() == QEvent::Close) {
        event->ignore(); // the run owns the window until it ends
        return true;
    }
    if (!passInput && IsUserInput(event->type()))
        return true;
    // The program's own timers (playback and the like) act only between runs.
    if (!passInput && event->type() == QEvent::Timer && qobject_cast<QTimer*>(watched))
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace mottler
