#include "testenv.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>

namespace mottler::test {
namespace {

std::unique_ptr<QTemporaryDir> home;

} // namespace

void IsolateUserFolders() {
    home = std::make_unique<QTemporaryDir>();
    qputenv("MOTTLER_HOME", (home->path() + "/data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home->path() + "/config").toLocal8Bit());
    qputenv("HOME", home->path().toLocal8Bit());
}

QString TestHome() {
    return home->path();
}

QString FreshFolder(const QString& name) {
    const QString folder = TestHome() + "/" + name;
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    return folder;
}

} // namespace mottler::test
