#include "output/pendingfile.h"

#include "base/errors.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace mottler {
namespace {

[[noreturn]] void CannotWrite(const QString& target, const QString& reason) {
    throw MottlerError(QStringLiteral("Could not write \"%1\": %2.").arg(target, reason));
}

} // namespace

PendingFile::PendingFile(const QString& targetPath)
    : target(targetPath), placeholder(targetPath + QStringLiteral(".XXXXXX.part")) {
    if (!placeholder.open())
        CannotWrite(target, placeholder.errorString());
    placeholder.close();
}

void PendingFile::Commit() {
    // rename() replaces the target in one step, so a reader sees the old file or the new one.
    if (std::rename(QFile::encodeName(Path()).constData(), QFile::encodeName(target).constData()))
        CannotWrite(target, QString::fromLocal8Bit(std::strerror(errno)));
    placeholder.setAutoRemove(false);
}

} // namespace mottler
