#pragma once

#include <QApplication>

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

} // namespace mottler
