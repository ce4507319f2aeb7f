#include "output/videomodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <dlfcn.h>

namespace mottler {
namespace {

/// Opens the module at `path`; on failure returns nothing and says why.
const VideoModuleInterface* OpenModule(const QString& path, QString& reason) {
    // Never closed: FFmpeg keeps state of its own until the process ends.
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        reason = QString::fromLocal8Bit(dlerror());
        return nullptr;
    }
    using Entry = const VideoModuleInterface* (*)();
    const auto entry = reinterpret_cast<Entry>(dlsym(handle, VideoModuleEntryName));
    const VideoModuleInterface* module = entry ? entry() : nullptr;
    if (!module) {
        reason =
            QCoreApplication::translate("mottler::VideoModule", "%1: not a video module").arg(path);
        return nullptr;
    }
    if (module->Version != VideoModuleVersion) {
        reason = QCoreApplication::translate("mottler::VideoModule",
                                             "%1: a module of another version of Mottler")
                     .arg(path);
        return nullptr;
    }
    return module;
}

} // namespace

QStringList VideoModulePaths() {
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    const QDir folder = QFileInfo(program).absolutePath();
    return {folder.filePath(QString::fromLatin1(VideoModuleFileName)),
            QDir::cleanPath(folder.filePath(QStringLiteral(MOTTLER_VIDEO_MODULE_DIR "/") +
                                            QString::fromLatin1(VideoModuleFileName)))};
}

const VideoModuleInterface* LoadedVideoModule(QString& reason) {
    static QMutex lock;
    static const VideoModuleInterface* loaded = nullptr;
    const QMutexLocker locker(&lock);
    if (loaded)
        return loaded;
    QStringList failures;
    for (const QString& path : VideoModulePaths()) {
        QString failure;
        loaded = OpenModule(path, failure);
        if (loaded)
            return loaded;
        failures << failure;
    }
    reason = failures.join(QStringLiteral("; "));
    return nullptr;
}

} // namespace mottler
