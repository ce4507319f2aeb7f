#pragma once

#include <QString>
#include <QtGlobal>

namespace mottler {

/// What a run started from a window needs of the interface around it: the busy cursor, the
/// Escape poll, handling pending events and showing a message at once. The document's run
/// knows no widgets; the main window gives it one of these.
class RunHost {
public:
    virtual ~RunHost() = default;

    /// The run starts: busy cursor, and input other than Escape held back
    /// (`processMessages`: the run handles pending events after each iteration).
    virtual void RunStarting(bool processMessages) { (void)processMessages; }
    /// True when Escape was pressed since the last poll.
    virtual bool PollEscape() { return false; }
    /// Handles the events that are pending.
    virtual void ProcessEvents() {}
    /// The run ended, however: the cursor and the input back as they were.
    virtual void RunEnded() {}
    /// Shows a message and returns when the user has read it (a recording that ran out of
    /// memory, a recording file that could not be finished).
    virtual void ShowMessage(const QString& text) { (void)text; }
    /// One refresh of the screen the texture is shown on: the preview is drawn at most once
    /// in that time.
    virtual qint64 RefreshNanoseconds() const { return 16'666'667; }
};

} // namespace mottler
