#include "clirun.h"
#include "engine/sweeper.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using mottler::test::CliResult;
using mottler::test::RunCli;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Every engine and thread count grows the same fields, with drift and without (the texture
// then stays in the sweep's lanes between sweeps), with a height of several groups for a team
// and smaller groups and single rows after them; a run that overflows fails the same way
// under each.
TEST(CliGrowEngine, EveryEngineAndThreadCountGivesTheSameRawFieldsAndOutcome) {
    QTemporaryDir dir;
    const QStringList grow{"grow",    "--seed", "35089380", "--a", "622",          "--b", "1000",
                           "--width", "41",     "--height", "117", "--iterations", "40"};
    QList<QStringList> choices{{},
                               {"--threads", "1"},
                               {"--threads", "2"},
                               {"--threads", "3"},
                               {"--engine", "x87", "--threads", "2"},
                               {"--engine", "sse2", "--threads", "2"}};
    for (const QString& engine : mottler::SweepEngineNames())
        if (mottler::EngineRunsHere(*mottler::SweepEngineNamed(engine)))
            choices.append({"--engine", engine});
    for (const QStringList& drift : {QStringList{"--drift", "left"}, QStringList{}}) {
        QByteArray firstA, firstB;
        QString firstOut;
        for (const QStringList& choice : choices) {
            const QString a = dir.filePath("a.f32"), b = dir.filePath("b.f32");
            const CliResult r =
                RunCli(grow + drift + choice + QStringList{"--raw-a", a, "--raw-b", b});
            ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
            if (firstA.isEmpty()) {
                firstA = ReadAll(a), firstB = ReadAll(b), firstOut = r.Out;
                ASSERT_EQ(firstA.size(), 41 * 117 * 4);
                continue;
            }
            const std::string trace = (drift + choice).join(' ').toStdString();
            EXPECT_EQ(ReadAll(a), firstA) << trace;
            EXPECT_EQ(ReadAll(b), firstB) << trace;
            EXPECT_EQ(r.Out, firstOut) << trace;
        }
    }
    const QStringList overflow{"grow", "--seed", "3", "--amult", "-1e38", "--width", "50"};
    const CliResult single = RunCli(overflow + QStringList{"--threads", "1"});
    EXPECT_EQ(single.Status, 1);
    for (const QStringList& choice : choices) {
        const CliResult other = RunCli(overflow + choice);
        EXPECT_EQ(other.Status, single.Status) << choice.join(' ').toStdString();
        EXPECT_EQ(other.Err, single.Err) << choice.join(' ').toStdString();
    }
}
