// Reading a preset file and listing its sections, at sizes ten times apart: the time per
// section stays the same (the reader is linear), and the peak memory stays a small multiple
// of the file's size.
#include "presets/inifile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

using namespace mottler;

namespace {

/// A preset file of `sections` presets of five keys each, about 78 bytes a preset.
QString WritePresetFile(const QTemporaryDir& folder, qint64 sections) {
    QByteArray bytes;
    for (qint64 i = 0; i < sections; ++i)
        bytes += "[Preset " + QByteArray::number(i) +
                 "]\r\nSeed=" + QByteArray::number(i * 7919 % 100000007) +
                 "\r\nIterations=100\r\nA=622\r\nB=1000\r\nEnd Color=009999\r\n\r\n";
    const QString path = folder.filePath("save.ini");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write the benchmark's preset file");
    return path;
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

} // namespace

static void BM_ListSections(benchmark::State& state) {
    const QTemporaryDir folder;
    const QString path = WritePresetFile(folder, state.range(0));
    for (auto _ : state) {
        const QStringList names = IniFile::ReadExisting(path).SectionNames();
        benchmark::DoNotOptimize(names.size());
    }
    state.counters["sections/s"] = benchmark::Counter(
        double(state.range(0)) * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["peak MB"] = PeakMegabytes();
}
BENCHMARK(BM_ListSections)->Arg(70000)->Arg(700000)->Iterations(1)->Unit(benchmark::kMillisecond);
