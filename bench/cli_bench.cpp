// The whole `mottler-cli grow --seed 35089380 --iterations N --a 622 --b 1000 --width 400
// --height 300 -o x.bmp` as a user runs it: start-up, seeding, growth, the BMP write (with
// its flush to the disk under the temporary folder) and exit, in wall time, the program kept
// to one core. The median of several runs against the plain reference's N sweeps measured in
// this process in the same run ("x reference"). One iteration shows the fixed costs around
// the growth. And a large texture grown with `--threads 2` against `--threads 1`.
#include "referencetiming.h"

#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sched.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

using namespace mottler::bench;

namespace {

constexpr int Width = 400;
constexpr int Height = 300;

std::vector<std::string> GrowArguments(int iterations, const QString& output, int width = Width,
                                       int height = Height, int threads = 0) {
    QString command =
        QStringLiteral("grow --seed %1 --iterations %2 --a %3 --b %4 --width %5 --height %6")
            .arg(Seed)
            .arg(iterations)
            .arg(FactorA)
            .arg(FactorB)
            .arg(width)
            .arg(height);
    if (threads > 0)
        command += QStringLiteral(" --threads %1").arg(threads);
    const QStringList options = (command + QStringLiteral(" -o")).split(QLatin1Char(' '));
    std::vector<std::string> arguments{MOTTLER_CLI_PATH};
    for (const QString& option : options + QStringList{output})
        arguments.push_back(option.toStdString());
    return arguments;
}

/// This process's environment with the program's data and settings folders in `folder`, so
/// that the runs never touch the real home folder.
std::vector<std::string> ChildEnvironment(const QString& folder) {
    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable) {
        const std::string text = *variable;
        if (text.rfind("MOTTLER_HOME=", 0) != 0 && text.rfind("XDG_CONFIG_HOME=", 0) != 0)
            variables.push_back(text);
    }
    variables.push_back("MOTTLER_HOME=" + (folder + "/data").toStdString());
    variables.push_back("XDG_CONFIG_HOME=" + (folder + "/config").toStdString());
    return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

/// Runs the program to its end, its standard output discarded; whether it ended with 0.
bool RunToEnd(std::vector<std::string> arguments, std::vector<std::string> environment) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const std::vector<char*> argv = Pointers(arguments);
    const std::vector<char*> envp = Pointers(environment);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return spawned == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

/// Keeps this process, and so the programs it starts, to the core it runs on until destroyed.
class OneCore {
public:
    OneCore() {
        sched_getaffinity(0, sizeof before, &before);
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(sched_getcpu(), &one);
        sched_setaffinity(0, sizeof one, &one);
    }
    OneCore(const OneCore&) = delete;
    OneCore& operator=(const OneCore&) = delete;
    ~OneCore() { sched_setaffinity(0, sizeof before, &before); }

private:
    cpu_set_t before{};
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

static void BM_CliGrow(benchmark::State& state) {
    const int iterations = static_cast<int>(state.range(0));
    const QTemporaryDir folder;
    const std::vector<std::string> arguments =
        GrowArguments(iterations, folder.filePath(QStringLiteral("x.bmp")));
    const std::vector<std::string> environment = ChildEnvironment(folder.path());
    std::vector<double> seconds;
    {
        const OneCore pinned;
        for (auto _ : state) {
            const double start = WallSeconds();
            if (!RunToEnd(arguments, environment)) {
                state.SkipWithError("mottler-cli grow failed");
                return;
            }
            seconds.push_back(WallSeconds() - start);
            state.SetIterationTime(seconds.back());
        }
    }
    const double median = Median(seconds);
    const double reference =
        double(Width) * Height * iterations / ReferenceRate(Width, Height, iterations);
    state.counters["median ms"] = median * 1e3;
    state.counters["reference ms"] = reference * 1e3;
    state.counters["x reference"] = reference / median;
}
BENCHMARK(BM_CliGrow)
    ->Arg(1)
    ->Arg(RunIterations)
    ->Iterations(9)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// 1600 × 1200 × 60 iterations with two threads against one, in wall time on every core: runs
// of each in turn, so that both see the machine alike.
static void BM_CliGrowThreads(benchmark::State& state) {
    const QTemporaryDir folder;
    const QString output = folder.filePath(QStringLiteral("x.bmp"));
    const std::vector<std::string> one = GrowArguments(60, output, 1600, 1200, 1);
    const std::vector<std::string> two = GrowArguments(60, output, 1600, 1200, 2);
    const std::vector<std::string> environment = ChildEnvironment(folder.path());
    std::vector<double> oneSeconds, twoSeconds;
    for (auto _ : state) {
        for (const auto* arguments : {&one, &two}) {
            const double start = WallSeconds();
            if (!RunToEnd(*arguments, environment)) {
                state.SkipWithError("mottler-cli grow failed");
                return;
            }
            (arguments == &one ? oneSeconds : twoSeconds).push_back(WallSeconds() - start);
        }
        state.SetIterationTime(twoSeconds.back());
    }
    state.counters["1 thread ms"] = Median(oneSeconds) * 1e3;
    state.counters["2 threads ms"] = Median(twoSeconds) * 1e3;
    state.counters["x one thread"] = Median(oneSeconds) / Median(twoSeconds);
}
BENCHMARK(BM_CliGrowThreads)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
