#include "clirun.h"
#include "filebytes.h"
#include "referencegrowth.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

namespace {

using mottler::test::CliResult;
using mottler::test::RunCli;

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
        int W, H, N;
        std::int32_t Seed;
        mottler::test::RefFactors F;
    } cases[] = {
        // Every option away from its default; the geometries are the engine test's.
        {5, 3, 20, -7, {300, 700, 40, 20, 3.5, 4.25, 1, 3}},
        {7, 1, 0, 9, {995, 0, 12, 16, 4.0, 4.0, 2, 4}},
    };
    for (const Case& c : cases) {
        QStringList args{"grow", "--raw-a", Path("a.f32"), "--raw-b=" + Path("b.f32")};
        const auto add = [&args](const char* option, double value) {
            args << option << QString::number(value, 'g', 17);
        };
        add("--seed", c.Seed), add("--width", c.W), add("--height", c.H);
        add("--iterations", c.N), add("--a", double(c.F.FactorA)), add("--b", double(c.F.FactorB));
        add("--c", c.F.FactorC), add("--d", c.F.FactorD), add("--zero", c.F.Zero);
        add("--amult", c.F.MultiplierA), add("--bmult", c.F.MultiplierB), add("--drift", c.F.Drift);
        const CliResult r = RunCli(args);
        ASSERT_EQ(r.Status, 0) << r.Err.toStdString();

        mottler::test::RefTexture ref =
            mottler::test::RefSeedNoise(c.W, c.H, std::uint32_t(c.Seed));
        int reported = 0;
        mottler::test::RefGrow(ref, c.F, c.N, &reported);
        EXPECT_EQ(r.Out, QStringLiteral("seed: %1\niterations: %2\nminimum: %3\nmaximum: %4\n")
                             .arg(c.Seed)
                             .arg(reported)
                             .arg(FloatText(ref.Min), FloatText(ref.Max)));
        const QByteArray rawA = mottler::test::ReadBytes(Path("a.f32"));
        const QByteArray rawB = mottler::test::ReadBytes(Path("b.f32"));
        ASSERT_EQ(std::size_t(rawA.size()), ref.A.size() * 4);
        ASSERT_EQ(std::size_t(rawB.size()), ref.B.size() * 4);
        EXPECT_EQ(std::memcmp(rawA.data(), ref.A.data(), ref.A.size() * 4), 0);
        EXPECT_EQ(std::memcmp(rawB.data(), ref.B.data(), ref.B.size() * 4), 0);
    }
}

TEST_F(GrowCommand, UniformFieldReportsMinusOneAndSaysWhy) {
    const CliResult r = RunCli({"grow", "--seed", "1", "--a", "0", "--c", "10000"});
    EXPECT_EQ(r.Status, 0);
    EXPECT_TRUE(r.Out.contains("iterations: -1\nminimum: 0\nmaximum: 0\n"));
    EXPECT_TRUE(r.Out.contains("stopped: the field of A became uniform"));
}

TEST_F(GrowCommand, FailuresExitOneWithTheirMessage) {
    const CliResult overflow = RunCli({"grow", "--seed", "3", "--amult", "-1e38"});
    EXPECT_EQ(overflow.Status, 1);
    EXPECT_EQ(overflow.Err,
              "mottler-cli: The mathematics involved in this calculation have gone outside the "
              "range this "
              "computer can handle.  Texture growth will be stopped here.  \n\nPlease choose "
              "some new settings and try again.\n");
    EXPECT_TRUE(overflow.Out.isEmpty());

    const CliResult huge = RunCli({"grow", "--width", "100000", "--height", "100000"});
    EXPECT_EQ(huge.Status, 1);
    EXPECT_TRUE(huge.Err.contains("There is not enough memory to support textures of that size."));

    const CliResult missing =
        RunCli({"grow", "--type", "image", "--image", Path("none.png"), "--raw-a", Path("a")});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_TRUE(missing.Err.contains(Path("none.png")));
    EXPECT_FALSE(QFile::exists(Path("a")));
}

TEST_F(GrowCommand, UsageErrorsExitTwoNamingTheOption) {
    const std::pair<QStringList, QString> cases[] = {
        {{"grow", "--bogus"}, "--bogus"},           {{"grow", "--width", "wide"}, "--width"},
        {{"grow", "--a", "1e999"}, "--a"},          {{"grow", "--zero", "3"}, "--zero"},
        {{"grow", "--height", "0"}, "--height"},    {{"grow", "--drift", "sideways"}, "--drift"},
        {{"grow", "--iterations"}, "--iterations"}, {{"grow", "--progress=yes"}, "--progress"},
        {{"grow", "--image", "x.png"}, "--image"},  {{"shrink"}, "shrink"},
        {{"grow", "--threads", "0"}, "--threads"},  {{"grow", "--engine", "sse"}, "--engine"},
    };
    for (const auto& [args, option] : cases) {
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.Status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.Err.contains(option)) << r.Err.toStdString();
        EXPECT_TRUE(r.Out.isEmpty());
    }
}

TEST_F(GrowCommand, HelpAndVersionSucceed) {
    for (const QStringList& args : {QStringList{"--help"}, QStringList{"grow", "--help"}}) {
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.Status, 0);
        EXPECT_TRUE(r.Out.startsWith("Usage: mottler-cli")) << r.Out.toStdString();
    }
    const CliResult version = RunCli({"--version"});
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Out, "mottler-cli " MOTTLER_VERSION "\n");
}
