#include "base/errors.h"
#include "base/filereplacement.h"
#include "errortext.h"
#include "filebytes.h"
#include "filesizelimit.h"
#include "presets/inifile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace mottler;

namespace {

class IniFileTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("test.ini");

    void Store(const QByteArray& bytes) { test::WriteBytes(path, bytes); }
    QByteArray Stored() { return test::ReadBytes(path); }
};

} // namespace

TEST_F(IniFileTest, ReadsNamesWithoutCaseAndTrimmedValuesAfterTheFirstEquals) {
    Store("orphan=1\n[Main]\r\n  Key One = a=b = c  \nEmpty=\n[ Other ]\nkey=2");
    const IniFile ini(path);
    EXPECT_EQ(ini.SectionNames(), QStringList({"Main", "Other"}));
    EXPECT_EQ(ini.KeyNames("MAIN"), QStringList({"Key One", "Empty"}));
    EXPECT_EQ(ini.ReadString("main", "KEY ONE"), "a=b = c");
    EXPECT_EQ(ini.ReadString("Main", "Empty", "fallback"), "");
    EXPECT_EQ(ini.ReadString("Main", "Missing", "fallback"), "fallback");
    EXPECT_EQ(ini.ReadString("Main", "orphan", "none"), "none");
    EXPECT_EQ(ini.ReadString("other", "key"), "2");
}

TEST_F(IniFileTest, AKeyGivenTwiceReadsAsItsFirst) {
    Store("[Main]\r\nkey=first\r\nKEY=second\r\n");
    EXPECT_EQ(IniFile(path).ReadString("Main", "key"), "first");
}

TEST_F(IniFileTest, FindsSectionsWhateverTheirCaseBlanksAlphabetAndEncoding) {
    Store("[ \tSand Dunes ]\nA=1\n[\xc3\x84rger]\nA=2\n[ok]]\nA=3\n[Sand]\nA=4\n");
    const IniFile ini(path);
    EXPECT_EQ(ini.ReadString("sand dunes", "A"), "1");
    EXPECT_EQ(ini.ReadString(QString::fromUtf8("\xc3\xa4RGER"), "A"), "2");
    EXPECT_EQ(ini.ReadString("OK]", "A"), "3");
    EXPECT_EQ(ini.ReadString("sand", "A"), "4");
    EXPECT_FALSE(ini.SectionExists("Sand Dune"));
    Store("[Caf\xe9]\nk=\xe9t\xe9\n"); // not UTF-8: read as Latin-1
    EXPECT_EQ(IniFile(path).ReadString(QString::fromUtf8("café"), "k"), QString::fromUtf8("été"));
}

TEST_F(IniFileTest, NamesThatDifferOnlyAfterANulByteAreTwoSections) {
    const char bytes[] = "[\0a]\nk=1\n[\0b]\nk=2\n";
    Store(QByteArray(bytes, sizeof bytes - 1));
    IniFile ini(path);
    const QString second = QString(QChar(0)) + "b";
    EXPECT_EQ(ini.ReadString(second, "k"), "2");
    ini.WriteString(second, "k", "3");
    const IniFile back(path);
    EXPECT_EQ(back.ReadString(QString(QChar(0)) + "a", "k"), "1");
    EXPECT_EQ(back.ReadString(second, "k"), "3");
}

TEST_F(IniFileTest, ReadsDecimalAndHexadecimalIntegersAndGivesTheDefaultForAnythingElse) {
    int value = 7;
    const std::pair<const char*, int> good[] = {{"-12", -12},
                                                {"+5", 5},
                                                {"0x1F", 31},
                                                {"0X1f", 31},
                                                {"$ff", 255},
                                                {"$FFFFFFFF", -1},
                                                {"-1772316075", -1772316075},
                                                {"2147483647", 2147483647}};
    for (const auto& [text, expected] : good) {
        EXPECT_TRUE(IniFile::ParseInteger(text, value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
    for (const char* bad :
         {"", "12abc", "1.5", "0x", "$", "0xZZ", "2147483648", "0x100000000", "٣", "- 1"})
        EXPECT_FALSE(IniFile::ParseInteger(bad, value)) << bad;
    Store("[S]\nn=abc\n");
    EXPECT_EQ(IniFile(path).ReadInteger("S", "n", 42), 42);
}

TEST_F(IniFileTest, WritesInPlaceAtSectionEndOrAsANewSectionWithCrLf) {
    Store("[A]\nx=1\ny=2\n\n[B]\nz=3\n");
    IniFile ini(path);
    ini.WriteString("a", "X", "one");
    ini.WriteInteger("A", "w", -4);
    ini.WriteString("New", "k", "v");
    EXPECT_EQ(Stored(), "[A]\r\nx=one\r\ny=2\r\nw=-4\r\n\r\n[B]\r\nz=3\r\n\r\n[New]\r\nk=v\r\n");
    EXPECT_EQ(IniFile(path).ReadString("NEW", "K"), "v");
}

TEST_F(IniFileTest, EraseRemovesEveryHeaderOfTheNameAndItsKeys) {
    Store("[A]\nx=1\n\n[b]\ny=2\n\n[C]\nz=3\n[B]\nq=4\n");
    IniFile ini(path);
    ini.EraseSection("B");
    EXPECT_EQ(Stored(), "[A]\r\nx=1\r\n\r\n[C]\r\nz=3\r\n");
    EXPECT_FALSE(ini.SectionExists("b"));
}

TEST_F(IniFileTest, ReadsBinaryGarbageWithoutHarm) {
    QByteArray garbage(3 * 1024 * 1024, 'x');
    for (int i = 0; i < garbage.size(); i += 97)
        garbage[i] = static_cast<char>(i * 31 % 256);
    static const char tail[] = "\0[Z\0]\r\rk\0=\xff\xfe";
    garbage += QByteArray(tail, sizeof tail - 1);
    Store(garbage);
    IniFile ini(path);
    EXPECT_NO_THROW(ini.SectionNames());
    ini.WriteString("Clean", "k", "v");
    EXPECT_TRUE(Stored().endsWith("\r\n\r\n[Clean]\r\nk=v\r\n"));
}

TEST_F(IniFileTest, CreatesTheFileOnTheFirstWriteOnlyAndRefusesWhatItCannotHold) {
    IniFile ini(path);
    ini.EraseSection("Nothing");
    EXPECT_THROW(ini.WriteString("S", "a=b", "v"), MottlerError);
    EXPECT_THROW(ini.WriteString("S", "[k]", "v"), MottlerError);
    EXPECT_THROW(ini.WriteString("", "k", "v"), MottlerError);
    EXPECT_THROW(ini.WriteString("S", "k", "two\nlines"), MottlerError);
    EXPECT_FALSE(QFile::exists(path));
    ini.WriteString("S", "k", "v");
    EXPECT_EQ(Stored(), "[S]\r\nk=v\r\n");
}

TEST_F(IniFileTest, BatchWritesOnceAndKeepsNothingOfAFailedBatch) {
    Store("[S]\nk=old\n");
    IniFile ini(path);
    EXPECT_THROW(ini.Batch([&] {
        ini.WriteString("S", "k", "new");
        throw MottlerError("stop");
    }),
                 MottlerError);
    EXPECT_EQ(ini.ReadString("S", "k"), "old");
    EXPECT_EQ(Stored(), "[S]\nk=old\n");
    ini.Batch([&] {
        ini.WriteString("S", "k", "new");
        ini.WriteString("T", "j", "2");
    });
    EXPECT_EQ(Stored(), "[S]\r\nk=new\r\n\r\n[T]\r\nj=2\r\n");
}

TEST_F(IniFileTest, AWriteThatRunsOutOfSpaceLeavesTheOldFileWhole) {
    Store("[S]\r\nk=old\r\n");
    IniFile ini(path);
    {
        const test::FileSizeLimit limit(64);
        EXPECT_THROW(ini.WriteString("S", "k", QString(1000, 'v')), MottlerError);
    }
    EXPECT_EQ(Stored(), "[S]\r\nk=old\r\n");
    EXPECT_EQ(ini.ReadString("S", "k"), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"test.ini"}));
}

TEST_F(IniFileTest, TwoWritersAndAHandEditKeepEachOthersWork) {
    Store("[First]\r\nA=1\r\n");
    IniFile window1(path), window2(path);
    window1.WriteString("From One", "A", "1");
    window2.WriteString("From Two", "A", "2");
    EXPECT_EQ(Stored(), "[First]\r\nA=1\r\n\r\n[From One]\r\nA=1\r\n\r\n[From Two]\r\nA=2\r\n");

    // The first window sees the second's preset once it looks again.
    EXPECT_FALSE(window2.ReloadIfChanged());
    EXPECT_TRUE(window1.ReloadIfChanged());
    EXPECT_EQ(window1.SectionNames(), QStringList({"First", "From One", "From Two"}));

    // A hand edit of the same size in the same second is still seen (a new file).
    Store(Stored().replace("A=2", "A=9") + "[Hand]\r\nB=1\r\n");
    window2.EraseSection("From One");
    EXPECT_EQ(IniFile(path).SectionNames(), QStringList({"First", "From Two", "Hand"}));
    EXPECT_EQ(IniFile(path).ReadString("From Two", "A"), "9");
    EXPECT_FALSE(QFileInfo::exists(path + ".lock"));
}

TEST_F(IniFileTest, AWriterWaitsForTheLockOfAnotherProcessAndKeepsItsWork) {
    Store("[First]\r\nA=1\r\n");
    IniFile mine(path); // read before the other process writes
    int locked[2], go[2];
    ASSERT_EQ(::pipe(locked), 0);
    ASSERT_EQ(::pipe(go), 0);
    const pid_t other = ::fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        // Another program: takes the lock, reads, and writes what it read plus its own
        // section once told to go.
        QLockFile lock(path + ".lock");
        const bool held = lock.tryLock(0);
        const QByteArray before = test::ReadBytes(path);
        char byte = held ? 'L' : 'F';
        bool ok = ::write(locked[1], &byte, 1) == 1 && ::read(go[0], &byte, 1) == 1;
        WriteFileAtomically(path, before + "\r\n[Other]\r\nB=2\r\n");
        ::_exit(held && ok ? 0 : 1);
    }
    char byte = 0;
    ASSERT_EQ(::read(locked[0], &byte, 1), 1);
    ASSERT_EQ(byte, 'L');
    std::thread writer([&] { mine.WriteString("Mine", "C", "3"); });
    // Whenever the write gets there, the other process still holds the lock until it has
    // written; the write then starts from what the other process left.
    ASSERT_EQ(::write(go[1], "g", 1), 1);
    writer.join();
    int status = 0;
    ::waitpid(other, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(IniFile(path).SectionNames(), QStringList({"First", "Other", "Mine"}));
    for (const int fd : {locked[0], locked[1], go[0], go[1]})
        ::close(fd);
}

TEST_F(IniFileTest, OnePassReadsAndWritesMatchTheKeyByKeyOnes) {
    Store("[A]\nx=1\nX=2\ny=3\n[b]\nz=4\n[a]\nw=5\n[C]\nq=6");
    IniFile ini(path);
    const QList<IniSection> sections = ini.Sections();
    ASSERT_EQ(sections.size(), 3);
    EXPECT_EQ(sections[0].Name, "A"); // the first of "A" and "a" counts, with its first "x"
    EXPECT_EQ(sections[0].Entries, (QList<std::pair<QString, QString>>{{"x", "1"}, {"y", "3"}}));
    EXPECT_EQ(ini.SectionValues("a").value("x"), "1");
    EXPECT_EQ(ini.SectionValues("a").value("w"), QString());

    // Erasing and appending in one pass writes what erasing and writing key by key writes.
    IniFile byKey(dir.filePath("by-key.ini"));
    test::WriteBytes(byKey.Path(), Stored());
    byKey.ReloadIfChanged();
    byKey.Batch([&] {
        byKey.EraseSection("a");
        byKey.EraseSection("C");
        byKey.WriteString("a", "k", " v ");
        byKey.WriteString("a", "j", "2");
    });
    ini.Batch([&] {
        ini.EraseSections({"a", "C"});
        ini.AppendSection({"a", {{"k", " v "}, {"j", "2"}}});
    });
    EXPECT_EQ(Stored(), test::ReadBytes(byKey.Path()));
    EXPECT_EQ(Stored(), "[b]\r\nz=4\r\n\r\n[a]\r\nk=v\r\nj=2\r\n");
    EXPECT_THROW(ini.AppendSection({"Bad", {{"k", "line\nbreak"}}}), MottlerError);
}

TEST_F(IniFileTest, AnUnwritablePathThrowsAClearError) {
    Store("not a folder");
    IniFile ini(path + "/inner.ini");
    const QString error = test::ErrorText([&] { ini.WriteString("S", "k", "v"); });
    EXPECT_TRUE(error.startsWith("Could not write \"" + path + "/inner.ini\""))
        << qPrintable(error);
    EXPECT_FALSE(ini.SectionExists("S"));
}
