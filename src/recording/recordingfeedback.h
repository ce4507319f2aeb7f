#pragma once

#include <QString>

namespace mottler {

/// Where the recording shows a message to the user: the main window puts it in a message box,
/// the command-line tool on stderr.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const QString& text) = 0;
};

/// The parts progress bar as long recording work sees it (freeing many frames).
class PartsProgressSink {
public:
    virtual ~PartsProgressSink() = default;
    virtual void SetTotalParts(int total) = 0;
    virtual void SetPartsComplete(int parts) = 0;
};

} // namespace mottler
