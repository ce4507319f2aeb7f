#pragma once

#include "base/errors.h"

#include <QByteArray>
#include <QString>

namespace mottler {

/// A file that could not be written: "Could not write "<path>": <reason>.", the reason being
/// the system's own text where the system gave one.
class FileWriteError : public MottlerError {
public:
    FileWriteError(const QString& path, const QString& reason);
    const QString& Reason() const { return reason; }

private:
    QString reason;
};

/// How a write to a path reaches the disk.
enum class WriteKind {
    Replace, ///< a regular file (or none yet): a temporary file beside it is renamed over it
    Direct,  ///< a device, FIFO or socket: written to as it is, never replaced
    Stdout,  ///< "-": the program's standard output
};

/// Where a write to `path` goes. A symbolic link is followed (to its end, even when that
/// does not exist yet), so the link stays and its target is what gets replaced.
struct WriteTarget {
    QString Path; ///< the file finally written (the link's target for a link)
    WriteKind Kind = WriteKind::Replace;
};

/// The target of a write to `path`. Throws FileWriteError for an empty name or a folder.
WriteTarget ResolveWriteTarget(const QString& path);

/// Checks, before any long work, that `path` can be written: not a folder, and for a file
/// that is replaced, its folder exists and may be written. Throws FileWriteError.
void CheckWritablePath(const QString& path);

/// The system's text for an errno value ("No space left on device").
QString SystemErrorText(int error);

/// A file being written as the replacement of `path`: the bytes go to a new temporary file
/// beside the target (or, for a device or standard output, in the temporary folder) and
/// Commit puts them in place. Until then, whatever was at `path` is untouched; destroying an
/// uncommitted replacement deletes the temporary file. Failures keep the system's reason.
class FileReplacement {
public:
    /// Creates the temporary file. Throws FileWriteError when that fails.
    explicit FileReplacement(const QString& path);
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    ~FileReplacement();

    const QString& Path() const { return requested; }
    bool IsOpen() const { return fd >= 0; }

    /// Writes the bytes at the offset of the temporary file. On failure returns false and
    /// keeps the reason for ErrorText.
    bool WriteAt(qint64 offset, const char* data, qint64 size);
    bool WriteAt(qint64 offset, const QByteArray& bytes) {
        return WriteAt(offset, bytes.constData(), bytes.size());
    }
    /// Cuts the temporary file to `size` bytes (false on failure, as WriteAt).
    bool Truncate(qint64 size);
    /// The size of the temporary file so far.
    qint64 Size() const;
    /// The system's text for the last failure ("No space left on device").
    QString ErrorText() const;

    /// Flushes the temporary file to the disk and renames it over the target, keeping the
    /// permissions of a file it replaces; for a device or standard output, copies it there.
    /// Throws FileWriteError; the old file then stays. The replacement is closed afterwards,
    /// whatever the outcome.
    void Commit();
    /// Closes and deletes the temporary file; the target stays as it was.
    void Discard();

private:
    void Replace();
    void CopyToDirectTarget();

    QString requested;
    WriteTarget target;
    QString temporaryPath;
    int fd = -1;
    int lastError = 0;
};

/// Writes the bytes to `path` (see ResolveWriteTarget): a regular file is replaced
/// atomically, so a failed write leaves any earlier file intact; a device, FIFO or "-" is
/// written to directly. Throws FileWriteError.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace mottler
