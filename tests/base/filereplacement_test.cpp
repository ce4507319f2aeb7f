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
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

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

struct stat StatOf(const QString& path) {
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info;
}

TEST(FileReplacement, AFileWithOtherLinksOrAnotherOwnerIsWrittenInPlace) {
    const QString folder = test::FreshFolder("inplace");
    const QString path = folder + "/shared.ini", other = folder + "/other-name.ini";
    WriteBytes(path, "old bytes, longer than the new ones");
    ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    // Another owner (the tests run as root, who may give files away).
    const bool chowned = ::chown(QFile::encodeName(path).constData(), 4321, 4321) == 0;
    const ino_t inode = StatOf(path).st_ino;

    WriteFileAtomically(path, "new");
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(ReadBytes(other), "new");
    EXPECT_EQ(StatOf(path).st_ino, inode);
    EXPECT_EQ(StatOf(path).st_mode & 07777, 0640u);
    if (chowned) {
        EXPECT_EQ(StatOf(path).st_uid, 4321u);
    }

    // A failure before the copy keeps the file as it was; no temporary file is left.
    {
        const test::FileSizeLimit limit(4096);
        const QString error = ErrorText([&] { WriteFileAtomically(path, QByteArray(10000, 'x')); });
        EXPECT_TRUE(error.contains("File too large")) << error.toStdString();
    }
    EXPECT_EQ(ReadBytes(other), "new");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST(FileReplacement, AFileNamedByTheProgramIsNeverWrittenThroughALink) {
    const QString folder = test::FreshFolder("planted");
    WriteBytes(folder + "/victim", "precious");
    ASSERT_TRUE(QFile::link(folder + "/victim", folder + "/fixed.htm"));
    QString error =
        ErrorText([&] { WriteFileAtomically(folder + "/fixed.htm", "page", NameChoice::Program); });
    EXPECT_TRUE(error.contains("symbolic link")) << error.toStdString();
    EXPECT_EQ(ReadBytes(folder + "/victim"), "precious");
    // A dangling link would otherwise create its target.
    ASSERT_TRUE(QFile::link(folder + "/created", folder + "/dangling.pal"));
    error = ErrorText(
        [&] { WriteFileAtomically(folder + "/dangling.pal", "pal", NameChoice::Program); });
    EXPECT_TRUE(error.contains("symbolic link")) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder + "/created"));
    // A FIFO planted there would hang the write.
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder + "/fifo.htm").constData(), 0600), 0);
    error =
        ErrorText([&] { WriteFileAtomically(folder + "/fifo.htm", "page", NameChoice::Program); });
    EXPECT_TRUE(error.contains("not a regular file")) << error.toStdString();
    // A regular file is replaced as ever.
    WriteBytes(folder + "/own.htm", "old");
    WriteFileAtomically(folder + "/own.htm", "new", NameChoice::Program);
    EXPECT_EQ(ReadBytes(folder + "/own.htm"), "new");
}

TEST(FileReplacement, AWriterKilledMidwayLeavesNoTemporaryFile) {
    const QString folder = test::FreshFolder("killed");
    WriteBytes(folder + "/rec.avi", "earlier");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        FileReplacement replacement(folder + "/rec.avi");
        replacement.WriteAt(0, QByteArray(100000, 'f'));
        ::raise(SIGKILL);
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"rec.avi"});
    EXPECT_EQ(ReadBytes(folder + "/rec.avi"), "earlier");
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
