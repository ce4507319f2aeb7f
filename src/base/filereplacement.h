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
    /// a regular file that a rename would change: it has other hard links, another owner,
    /// or lies in a folder we may not write to. A complete copy is made elsewhere first,
    /// then copied over the file's own bytes, which keeps its links, owner and mode.
    InPlace,
    Direct, ///< a device, FIFO or socket: written to as it is, never replaced
    Stdout, ///< "-": the program's standard output
};

/// Who chose the name of a file being written.
enum class NameChoice {
    /// the user: a symbolic link is followed, a device or FIFO written to
    User,
    /// the program itself (a fixed name beside the user's files or in a shared folder): only
    /// a regular file or no file is accepted, a symbolic link is refused rather than
    /// followed, so a link planted there cannot redirect the write
    Program,
};

/// Where a write to `path` goes. A symbolic link is followed (to its end, even when that
/// does not exist yet), so the link stays and its target is what gets replaced.
struct WriteTarget {
    QString Path; ///< the file finally written (the link's target for a link)
    WriteKind Kind = WriteKind::Replace;
};

/// The target of a write to `path`. Throws FileWriteError for an empty name or a folder, and
/// for a name the program chose, for anything there but a regular file.
WriteTarget ResolveWriteTarget(const QString& path, NameChoice choice = NameChoice::User);

/// Checks, before any long work, that `path` can be written: not a folder, and for a file
/// that is replaced, its folder exists and may be written (or the file itself may, which is
/// then written in place). Throws FileWriteError.
void CheckWritablePath(const QString& path);

/// The system's text for an errno value ("No space left on device").
QString SystemErrorText(int error);

/// A file being written as the replacement of `path`: the bytes go to a new temporary file
/// beside the target (or, for a device, standard output or a file written in place, in the
/// temporary folder) and Commit puts them in place. Until then, whatever was at `path` is
/// untouched; destroying an uncommitted replacement deletes the temporary file. Failures keep
/// the system's reason.
///
/// The temporary file is named ".<name>.<8 hex digits>" and locked while it is written.
/// Creating one removes the unlocked files of that pattern that a killed process left
/// behind for the same target.
class FileReplacement {
public:
    /// Creates the temporary file. Throws FileWriteError when that fails.
    explicit FileReplacement(const QString& path, NameChoice choice = NameChoice::User);
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
    /// The size of the temporary file so far.
    qint64 Size() const;
    /// The system's text for the last failure ("No space left on device").
    QString ErrorText() const;

    /// Flushes the temporary file to the disk and renames it over the target, keeping the
    /// permissions of a file it replaces; for a device, standard output or a file written in
    /// place, copies it there.
    /// Throws FileWriteError; the old file then stays. The replacement is closed afterwards,
    /// whatever the outcome.
    void Commit();
    /// Closes and deletes the temporary file; the target stays as it was.
    void Discard();

private:
    void Replace();
    void CopyToDirectTarget();
    /// Copies the temporary file's bytes to the descriptor; returns 0 or the errno.
    int CopyInto(int sink) const;

    QString requested;
    WriteTarget target;
    QString temporaryPath;
    int fd = -1;
    int lastError = 0;
};

/// Writes the bytes to `path` (see ResolveWriteTarget): a regular file is replaced
/// atomically, so a failed write leaves any earlier file intact; a device, FIFO or "-" is
/// written to directly. Throws FileWriteError.
void WriteFileAtomically(const QString& path, const QByteArray& bytes,
                         NameChoice choice = NameChoice::User);

} // namespace mottler
