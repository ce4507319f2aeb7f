#pragma once

#include <QObject>

namespace mottler {

/// Watches the application's input while a growth run holds the user-interface thread: it
/// notes Escape presses for the run's poll and swallows all other keyboard and mouse input
/// (and attempts to close a window) and holds back the program's timers, unless input is let
/// through because the "process messages during growth" switch is on.
class RunInputFilter : public QObject {
public:
    explicit RunInputFilter(QObject* parent) : QObject(parent) {}

    void Start(bool letInputThrough);
    void Stop();
    bool Active() const { return active; }

    /// Pending events are handled (repaints go on); true when Escape was pressed since the
    /// previous call.
    bool PollEscape();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool active = false;
    bool passInput = false;
    bool escapePressed = false;
};

} // namespace mottler
