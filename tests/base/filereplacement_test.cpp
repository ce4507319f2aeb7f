#include "base/filereplacement.h"
#include "errortext.h"
#include "filebytes.h"
#include "filesizelimit.h"
#include "output/imagefile.h"
#include "presets/inifile.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

namespace mottler {
namespace {

using test::ErrorText;
using test::ReadBytes;
using test::WriteBytes;

TEST(FileReplacement, AFifoIsWrittenToAndStaysAFifo) {
    const QString fifo = test::FreshFolder("fifo") + "/out.raw";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_NO_THROW(CheckWritablePath(fifo)); // the command line's check before a run
    QByteArray received;
    std::thread reader([&] { received = ReadBytes(fifo); });
    WriteFileAtomically(fifo, QByteArray(100000, 'x'));
    reader.join();
    EXPECT_EQ(received, QByteArray(100000, 'x'));
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST(FileReplacement, ALinkKeepsPointingAtItsReplacedTargetAndAFolderIsRefused) {
    const QString folder = test::FreshFolder("link");
    QDir().mkpath(folder + "/real");
    WriteBytes(folder + "/real/target.png", "old");
    ASSERT_TRUE(QFile::link("real/target.png", folder + "/link.png"));
    WriteImage(QImage(3, 2, QImage::Format_RGB888), folder + "/link.png", 80);
    EXPECT_TRUE(QFileInfo(folder + "/link.png").isSymLink());
    EXPECT_EQ(QImage(folder + "/real/target.png").size(), QSize(3, 2));
    EXPECT_EQ(QDir(folder + "/real").entryList(QDir::Files | QDir::Hidden).size(), 1);

    // A dangling link: its target is created.
    ASSERT_TRUE(QFile::link("real/new.raw", folder + "/dangling.raw"));
    WriteFileAtomically(folder + "/dangling.raw", "new");
    EXPECT_EQ(ReadBytes(folder + "/real/new.raw"), "new");

    const QString error = ErrorText([&] { WriteFileAtomically(folder + "/real", "x"); });
    EXPECT_TRUE(error.contains("it is a folder")) << error.toStdString();
    EXPECT_TRUE(QFileInfo(folder + "/real").isDir());
}

TEST(FileReplacement, AFolderThatIsNoFolderOrMissingIsReportedBeforeWriting) {
    // Tests run as root, where permission bits stop nothing: a path below a regular file is
    // the folder no one can write into.
    const QString folder = test::FreshFolder("check");
    WriteBytes(folder + "/plain", "x");
    QString error = ErrorText([&] { CheckWritablePath(folder + "/plain/out.png"); });
    EXPECT_TRUE(error.contains("is not a folder")) << error.toStdString();
    error = ErrorText([&] { WriteFileAtomically(folder + "/plain/out.png", "x"); });
    EXPECT_TRUE(error.contains("Not a directory")) << error.toStdString();
    error = ErrorText([&] { CheckWritablePath(folder + "/missing/out.png"); });
    EXPECT_TRUE(error.contains("does not exist")) << error.toStdString();
    EXPECT_NO_THROW(CheckWritablePath(folder + "/new.png"));
    EXPECT_NO_THROW(CheckWritablePath("/dev/null"));
    EXPECT_NO_THROW(CheckWritablePath("-"));
}

/// With files limited to 4 kB (as a full disk): the write fails with the system's reason, the
/// good file stays as it was and no temporary file is left beside it.
void ExpectFailureKeepingTheGoodFile(const QString& path, const std::function<void()>& write) {
    QString error;
    {
        const test::FileSizeLimit limit(4096);
        error = ErrorText(write);
    }
    EXPECT_TRUE(error.contains("File too large")) << error.toStdString();
    EXPECT_EQ(ReadBytes(path), "good") << path.toStdString();
    EXPECT_EQ(QFileInfo(path).dir().entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(FileReplacement, AFullDiskKeepsTheGoodFileForEveryWriter) {
    const QString folder = test::FreshFolder("full");
    const QImage big = [] { // noise, so that no format compresses it below the limit
        QImage image(200, 200, QImage::Format_RGB32);
        QRandomGenerator noise(7);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x)
                image.setPixel(x, y, noise.generate());
        return image;
    }();
    const std::pair<QString, std::function<void(const QString&)>> writers[] = {
        {"raw.raw", [](const QString& p) { WriteFileAtomically(p, QByteArray(10000, 'r')); }},
        {"image.bmp", [&](const QString& p) { WriteImage(big, p, 80); }},
        {"image.png", [&](const QString& p) { WriteImage(big, p, 80); }},
        {"image.jpg", [&](const QString& p) { WriteImage(big, p, 100); }},
        {"save.ini",
         [](const QString& p) { IniFile(p).WriteString("Big", "Key", QString(10000, 'v')); }},
    };
    for (const auto& [name, write] : writers) {
        const QString sub = folder + "/" + QFileInfo(name).baseName() + QFileInfo(name).suffix();
        QDir().mkpath(sub);
        const QString path = sub + "/" + name;
        WriteBytes(path, "good");
        ExpectFailureKeepingTheGoodFile(path, [&] { write(path); });
    }
}

} // namespace
} // namespace mottler
