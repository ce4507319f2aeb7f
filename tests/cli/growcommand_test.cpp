#include "referencegrowth.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

namespace {

struct CliResult {
    int exitCode = -1;
    QString out;
    QString err;
};

CliResult RunCli(const QStringList& args) {
    QProcess process;
    process.start(MOTTLER_CLI_PATH, args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString FloatText(float v) {
    return QString::asprintf("%.9g", double(v));
}

class GrowCommand : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(GrowCommand, RawFieldsAndPrintedRangeMatchTheReference) {
    struct Case {
        int w, h, n;
        std::int32_t seed;
        mottler::test::RefFactors f;
    } cases[] = {
        {16, 9, 30, 35089380, {622, 1000, 12, 16, 4.0, 4.0, 0, 1}},
        {5, 3, 20, -7, {300, 700, 40, 20, 3.5, 4.25, 1, 3}},
        {1, 7, 25, 123, {500, 250, 30, 16, 4.0, 2.0, 2, 2}},
        {7, 1, 0, 9, {995, 0, 12, 16, 4.0, 4.0, 0, 4}},
    };
    for (const Case& c : cases) {
        const CliResult r = RunCli({"grow",
                                    "--seed",
                                    QString::number(c.seed),
                                    "--width",
                                    QString::number(c.w),
                                    "--height",
                                    QString::number(c.h),
                                    "--iterations",
                                    QString::number(c.n),
                                    "--a",
                                    QString::number(double(c.f.FactorA)),
                                    "--b",
                                    QString::number(double(c.f.FactorB)),
                                    "--c",
                                    QString::number(c.f.FactorC),
                                    "--d",
                                    QString::number(c.f.FactorD),
                                    "--amult",
                                    QString::number(c.f.MultiplierA),
                                    "--bmult",
                                    QString::number(c.f.MultiplierB),
                                    "--zero",
                                    QString::number(c.f.Zero),
                                    "--drift",
                                    QString::number(c.f.Drift),
                                    "--raw-a",
                                    Path("a.f32"),
                                    "--raw-b=" + Path("b.f32")});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();

        mottler::test::RefTexture ref =
            mottler::test::RefSeedNoise(c.w, c.h, std::uint32_t(c.seed));
        int reported = 0;
        mottler::test::RefGrow(ref, c.f, c.n, &reported);
        EXPECT_EQ(r.out, QStringLiteral("seed: %1\niterations: %2\nminimum: %3\nmaximum: %4\n")
                             .arg(c.seed)
                             .arg(reported)
                             .arg(FloatText(ref.Min), FloatText(ref.Max)));
        QFile a(Path("a.f32")), b(Path("b.f32"));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        const QByteArray rawA = a.readAll(), rawB = b.readAll();
        ASSERT_EQ(std::size_t(rawA.size()), ref.A.size() * 4);
        ASSERT_EQ(std::size_t(rawB.size()), ref.B.size() * 4);
        EXPECT_EQ(std::memcmp(rawA.data(), ref.A.data(), ref.A.size() * 4), 0);
        EXPECT_EQ(std::memcmp(rawB.data(), ref.B.data(), ref.B.size() * 4), 0);
    }
}

TEST_F(GrowCommand, UniformFieldReportsMinusOneAndSaysWhy) {
    const CliResult r = RunCli({"grow", "--seed", "1", "--a", "0", "--c", "10000"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains("iterations: -1\nminimum: 0\nmaximum: 0\n"));
    EXPECT_TRUE(r.out.contains("stopped: the field of A became uniform"));
}

TEST_F(GrowCommand, FailuresExitOneWithTheirMessage) {
    const CliResult overflow = RunCli({"grow", "--seed", "3", "--amult", "-1e38"});
    EXPECT_EQ(overflow.exitCode, 1);
    EXPECT_EQ(overflow.err,
              "The mathematics involved in this calculation have gone outside the range this "
              "computer can handle.  Texture growth will be stopped here.  \n\nPlease choose "
              "some new settings and try again.\n");
    EXPECT_TRUE(overflow.out.isEmpty());

    const CliResult huge = RunCli({"grow", "--width", "100000", "--height", "100000"});
    EXPECT_EQ(huge.exitCode, 1);
    EXPECT_TRUE(huge.err.contains("There is not enough memory to support textures of that size."));

    const CliResult missing =
        RunCli({"grow", "--type", "image", "--image", Path("none.png"), "--raw-a", Path("a")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(Path("none.png")));
    EXPECT_FALSE(QFile::exists(Path("a")));
}

TEST_F(GrowCommand, UsageErrorsExitTwoNamingTheOption) {
    const std::pair<QStringList, QString> cases[] = {
        {{"grow", "--bogus"}, "--bogus"},           {{"grow", "--width", "wide"}, "--width"},
        {{"grow", "--a", "1e999"}, "--a"},          {{"grow", "--zero", "3"}, "--zero"},
        {{"grow", "--height", "0"}, "--height"},    {{"grow", "--drift", "sideways"}, "--drift"},
        {{"grow", "--iterations"}, "--iterations"}, {{"grow", "--progress=yes"}, "--progress"},
        {{"grow", "--image", "x.png"}, "--image"},  {{"shrink"}, "shrink"},
    };
    for (const auto& [args, option] : cases) {
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(option)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

TEST_F(GrowCommand, HelpAndVersionSucceed) {
    for (const QStringList& args : {QStringList{"--help"}, QStringList{"grow", "--help"}}) {
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_TRUE(r.out.startsWith("Usage: mottler-cli")) << r.out.toStdString();
    }
    const CliResult version = RunCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "mottler-cli " MOTTLER_VERSION "\n");
}

TEST_F(GrowCommand, PictureSeedingDrawsBStraightFromTheSeed) {
    QImage picture(6, 4, QImage::Format_RGB888);
    picture.fill(Qt::white);
    ASSERT_TRUE(picture.save(Path("white.bmp")));
    const CliResult r =
        RunCli({"grow", "--seed", "17", "--type", "image", "--image", Path("white.bmp"),
                "--iterations", "1", "--a", "0", "--c", "0", "--d", "0", "--raw-b", Path("b.f32")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    mottler::test::RefGenerator g{17};
    mottler::test::RefTexture ref{6, 4, std::vector<float>(24, 12.0f), std::vector<float>(24)};
    for (int y = 0; y < 4; ++y)
        for (int x = 5; x >= 0; --x)
            ref.B[std::size_t(y * 6 + x)] = float((long double)g.Real() * 12.0L);
    mottler::test::RefGrow(ref, {0, 0, 0, 0, 4.0, 4.0, 0, 0}, 1);
    QFile b(Path("b.f32"));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    const QByteArray raw = b.readAll();
    ASSERT_EQ(raw.size(), 24 * 4);
    EXPECT_EQ(std::memcmp(raw.data(), ref.B.data(), 24 * 4), 0);
}
