#pragma once

#include <QApplication>
#include <QWidget>
#include <functional>

namespace mottler {

/// The hourglass while it lives: long work in a window shows it from start to end, and an
/// error thrown out of the work restores the normal cursor too.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

/// Long work on the interface thread, such as decoding a large picture: first the window is
/// painted where a dialog that just closed left its ghost (the events that paint are handled,
/// input is not), then the work runs under the hourglass.
inline void WorkBusy(QWidget* window, const std::function<void()>& work) {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    window->repaint();
    const BusyCursor busy;
    work();
}

} // namespace mottler
