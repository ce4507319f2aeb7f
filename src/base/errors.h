#pragma once

#include <QString>
#include <stdexcept>

namespace mottler {

/// A failure that carries the exact text the user is shown.
class MottlerError : public std::runtime_error {
public:
    explicit MottlerError(const QString& message)
        : std::runtime_error(message.toStdString()), text(message) {}
    const QString& Message() const { return text; }

private:
    QString text;
};

/// A failure of a file the user chose (a path that cannot be written, a full disk, a file at
/// the largest size its format holds): the user's own matter, shown as it is and never as an
/// internal error of the program.
class UserFileError : public MottlerError {
public:
    using MottlerError::MottlerError;
};

/// The silent abort: ends the current command without a further message (Escape, a uniform
/// field, or a failure that has already shown its own message).
class SilentAbort : public std::exception {
public:
    const char* what() const noexcept override { return "silent abort"; }
};

} // namespace mottler
