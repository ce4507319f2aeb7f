#pragma once

#include "document/runhost.h"

class QWidget;

namespace mottler {

class RunInputFilter;

/// The window's side of a run: the busy cursor, Escape and the input held back through a
/// RunInputFilter, pending events handled, messages in message boxes over `window`.
class GuiRunHost : public RunHost {
public:
    GuiRunHost(QWidget& window, RunInputFilter& input) : owner(window), filter(input) {}

    void RunStarting(bool processMessages) override;
    bool PollEscape() override;
    void ProcessEvents() override;
    void RunEnded() override;
    void ShowMessage(const QString& text) override;
    qint64 RefreshNanoseconds() const override;

private:
    QWidget& owner;
    RunInputFilter& filter;
};

} // namespace mottler
