#include "base/filereplacement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mottler {
namespace {

// Links are followed at most this deep, as the system itself does, so a loop ends.
constexpr int MaxLinkDepth = 40;
constexpr std::size_t CopyChunkBytes = 1 << 20;

[[noreturn]] void FailToWrite(const QString& path, const QString& reason) {
    throw FileWriteError(path, reason);
}

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

/// The path a symbolic link points to, relative targets taken from the link's folder.
QString LinkTarget(const QString& link) {
    QByteArray buffer(4096, '\0');
    const ssize_t length = ::readlink(Native(link).constData(), buffer.data(),
                                      static_cast<std::size_t>(buffer.size()));
    if (length < 0 || length >= buffer.size())
        FailToWrite(link, SystemErrorText(length < 0 ? errno : ENAMETOOLONG));
    const QString target = QFile::decodeName(buffer.left(length));
    return QDir::isAbsolutePath(target) ? target : QFileInfo(link).dir().filePath(target);
}

/// Writes all the bytes to the descriptor; returns 0 or the errno of the failure.
int WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return 0;
}

/// A name "<folder>/.<name>.<random>" for a temporary file.
QString TemporaryName(const QString& folder, const QString& name) {
    return QDir(folder).filePath(QStringLiteral(".%1.%2").arg(name).arg(
        QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
}

/// Creates a new temporary file in the folder (permissions as the umask gives a new file)
/// and returns its descriptor. Where the file system allows, the file has no name until it
/// is put in place, so a process that is killed leaves nothing behind; elsewhere it is
/// "<folder>/.<name>.<random>" and `created` is set to that path.
int CreateTemporaryFile(const QString& folder, const QString& name, QString& created) {
    created.clear();
    // The unnamed file is given its name through /proc (LinkUnnamedFile).
    static const bool canLink = ::access("/proc/self/fd", X_OK) == 0;
    const int unnamed =
        canLink ? ::open(Native(folder).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666) : -1;
    if (unnamed >= 0 || (canLink && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
        return unnamed;
    for (;;) {
        created = TemporaryName(folder, name);
        const int fd =
            ::open(Native(created).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
}

/// Gives the unnamed file of the descriptor a fresh name in the folder; returns 0 or errno.
int LinkUnnamedFile(int fd, const QString& folder, const QString& name, QString& linked) {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    for (;;) {
        linked = TemporaryName(folder, name);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, Native(linked).constData(),
                     AT_SYMLINK_FOLLOW) == 0)
            return 0;
        if (errno != EEXIST) {
            const int error = errno;
            linked.clear();
            return error;
        }
    }
}

/// Whether a regular file should be rewritten in place rather than replaced by a rename,
/// which would split its hard links, give it our owner, or fail in a folder we may not
/// write to although the file itself may be written.
bool NeedsWriteInPlace(const QString& path, const struct stat& info) {
    if (info.st_nlink > 1 || info.st_uid != ::geteuid())
        return true;
    const QString folder = QFileInfo(path).absolutePath();
    return ::access(Native(folder).constData(), W_OK | X_OK) != 0 &&
           ::access(Native(path).constData(), W_OK) == 0;
}

void WriteDirectly(const WriteTarget& target, const QString& path, const QByteArray& bytes) {
    if (target.Kind == WriteKind::Stdout) {
        std::fflush(stdout);
        if (const int error =
                WriteAll(STDOUT_FILENO, bytes.constData(), static_cast<std::size_t>(bytes.size())))
            FailToWrite(path, SystemErrorText(error));
        return;
    }
    const int fd = ::open(Native(target.Path).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        FailToWrite(path, SystemErrorText(errno));
    const int error = WriteAll(fd, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    ::close(fd);
    if (error != 0)
        FailToWrite(path, SystemErrorText(error));
}

} // namespace

FileWriteError::FileWriteError(const QString& path, const QString& why)
    : MottlerError(
          QCoreApplication::translate("mottler::FileReplacement", "Could not write \"%1\": %2.")
              .arg(path, why)),
      reason(why) {}

QString SystemErrorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

WriteTarget ResolveWriteTarget(const QString& path, NameChoice choice) {
    if (path.isEmpty())
        FailToWrite(path,
                    QCoreApplication::translate("mottler::FileReplacement", "no file name given"));
    if (path == QLatin1String("-") && choice == NameChoice::User)
        return {path, WriteKind::Stdout};
    QString current = path;
    for (int depth = 0; depth <= MaxLinkDepth; ++depth) {
        struct stat info {};
        if (::lstat(Native(current).constData(), &info) != 0)
            return {current, WriteKind::Replace}; // not there yet, or its folder is not
        if (S_ISDIR(info.st_mode))
            FailToWrite(path,
                        QCoreApplication::translate("mottler::FileReplacement", "it is a folder"));
        if (choice == NameChoice::Program) {
            // A file the program names itself is never written through whatever someone
            // else may have put at that name, and a rename replaces the name itself.
            if (S_ISLNK(info.st_mode))
                FailToWrite(path,
                            QCoreApplication::translate("mottler::FileReplacement",
                                                        "it is a symbolic link, which Mottler does "
                                                        "not follow for a file it names itself"));
            if (!S_ISREG(info.st_mode))
                FailToWrite(path, QCoreApplication::translate("mottler::FileReplacement",
                                                              "it is not a regular file"));
            return {current, WriteKind::Replace};
        }
        if (S_ISLNK(info.st_mode)) {
            current = LinkTarget(current);
            continue;
        }
        if (!S_ISREG(info.st_mode))
            return {current, WriteKind::Direct};
        return {current,
                NeedsWriteInPlace(current, info) ? WriteKind::InPlace : WriteKind::Replace};
    }
    FailToWrite(path, SystemErrorText(ELOOP));
}

void CheckWritablePath(const QString& path) {
    const WriteTarget target = ResolveWriteTarget(path);
    if (target.Kind == WriteKind::Stdout)
        return;
    if (target.Kind == WriteKind::Direct || target.Kind == WriteKind::InPlace) {
        if (::access(Native(target.Path).constData(), W_OK) != 0)
            FailToWrite(path, SystemErrorText(errno));
        return;
    }
    const QString folder = QFileInfo(target.Path).absolutePath();
    struct stat info {};
    if (::stat(Native(folder).constData(), &info) != 0)
        FailToWrite(path, errno == ENOENT
                              ? QCoreApplication::translate("mottler::FileReplacement",
                                                            "the folder \"%1\" does not exist")
                                    .arg(folder)
                              : SystemErrorText(errno));
    if (!S_ISDIR(info.st_mode))
        FailToWrite(
            path, QCoreApplication::translate("mottler::FileReplacement", "\"%1\" is not a folder")
                      .arg(folder));
    if (::access(Native(folder).constData(), W_OK | X_OK) != 0)
        FailToWrite(path, SystemErrorText(errno));
}

FileReplacement::FileReplacement(const QString& path, NameChoice choice)
    : requested(path), target(ResolveWriteTarget(path, choice)) {
    const bool beside = target.Kind == WriteKind::Replace;
    const QFileInfo info(target.Path);
    const QString folder = beside ? info.absolutePath() : QDir::tempPath();
    fd = CreateTemporaryFile(folder, beside ? info.fileName() : QStringLiteral("mottler"),
                             temporaryPath);
    if (fd < 0) {
        const int error = errno;
        temporaryPath.clear();
        FailToWrite(path, SystemErrorText(error));
    }
}

FileReplacement::~FileReplacement() {
    Discard();
}

bool FileReplacement::WriteAt(qint64 offset, const char* data, qint64 size) {
    while (size > 0) {
        const ssize_t written = ::pwrite(fd, data, static_cast<std::size_t>(size), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            lastError = written < 0 ? errno : EIO;
            return false;
        }
        data += written;
        size -= written;
        offset += written;
    }
    return true;
}

qint64 FileReplacement::Size() const {
    struct stat info {};
    return ::fstat(fd, &info) == 0 ? info.st_size : 0;
}

QString FileReplacement::ErrorText() const {
    return SystemErrorText(lastError != 0 ? lastError : EIO);
}

void FileReplacement::Commit() {
    try {
        if (target.Kind == WriteKind::Replace)
            Replace();
        else
            CopyToDirectTarget();
    } catch (const FileWriteError&) {
        Discard();
        throw;
    }
    Discard();
}

void FileReplacement::Discard() {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
    if (!temporaryPath.isEmpty())
        ::unlink(Native(temporaryPath).constData());
    temporaryPath.clear();
}

void FileReplacement::Replace() {
    // A disk that is full may only say so when the data is forced out; the rename must not
    // put a file in place whose data never arrived.
    if (::fsync(fd) != 0)
        FailToWrite(requested, SystemErrorText(errno));
    struct stat old {};
    if (::stat(Native(target.Path).constData(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);
    if (temporaryPath.isEmpty()) {
        const QFileInfo info(target.Path);
        if (const int error =
                LinkUnnamedFile(fd, info.absolutePath(), info.fileName(), temporaryPath))
            FailToWrite(requested, SystemErrorText(error));
    }
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        FailToWrite(requested, SystemErrorText(errno));
    if (::rename(Native(temporaryPath).constData(), Native(target.Path).constData()) != 0)
        FailToWrite(requested, SystemErrorText(errno));
    temporaryPath.clear();
}

void FileReplacement::CopyToDirectTarget() {
    const int sink = target.Kind == WriteKind::Stdout
                         ? STDOUT_FILENO
                         : ::open(Native(target.Path).constData(), O_WRONLY | O_CLOEXEC);
    if (sink < 0)
        FailToWrite(requested, SystemErrorText(errno));
    if (sink == STDOUT_FILENO)
        std::fflush(stdout);
    int error = CopyInto(sink);
    // A file written in place loses what lies beyond the new end, and its data must have
    // arrived before the write counts as done.
    if (error == 0 && target.Kind == WriteKind::InPlace &&
        (::ftruncate(sink, Size()) != 0 || ::fsync(sink) != 0))
        error = errno;
    if (sink != STDOUT_FILENO && ::close(sink) != 0 && error == 0)
        error = errno;
    if (error != 0)
        FailToWrite(requested, SystemErrorText(error));
}

int FileReplacement::CopyInto(int sink) const {
    QByteArray chunk(CopyChunkBytes, '\0');
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(fd, chunk.data(), CopyChunkBytes, at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got < 0 ? errno : 0;
        if (const int error = WriteAll(sink, chunk.constData(), static_cast<std::size_t>(got)))
            return error;
        at += got;
    }
}

void WriteFileAtomically(const QString& path, const QByteArray& bytes, NameChoice choice) {
    const WriteTarget target = ResolveWriteTarget(path, choice);
    if (target.Kind == WriteKind::Direct || target.Kind == WriteKind::Stdout)
        return WriteDirectly(target, path, bytes);
    FileReplacement replacement(path, choice);
    if (!replacement.WriteAt(0, bytes))
        FailToWrite(path, replacement.ErrorText());
    replacement.Commit();
}

} // namespace mottler
