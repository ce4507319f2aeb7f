// Reading a preset file and listing its sections, at sizes ten times apart: the time per
// section stays the same (the reader is linear), and the peak memory stays a small multiple
// of the file's size. Importing a texture pack and reading a preset of many colour keys are
// linear too: their time per preset or key stays the same at sizes ten times apart.
#include "presets/inifile.h"
#include "presets/preset.h"
#include "presets/texturepack.h"

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

static void BM_ImportTexturePack(benchmark::State& state) {
    const QTemporaryDir folder;
    const QString pack = WritePresetFile(folder, state.range(0));
    for (auto _ : state) {
        IniFile presets(folder.filePath("presets.ini"));
        const PackImport import =
            ImportTexturePack(pack, presets, [](const QString&) { return PackAnswer::Yes; });
        benchmark::DoNotOptimize(import.Installed.size());
    }
    state.counters["presets/s"] = benchmark::Counter(
        double(state.range(0)) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ImportTexturePack)->Arg(800)->Arg(8000)->Iterations(1)->Unit(benchmark::kMillisecond);

static void BM_ReadPresetOfManyColours(benchmark::State& state) {
    const QTemporaryDir folder;
    IniFile file(folder.filePath("save.ini"));
    IniSection colours{"Colourful", {}};
    for (qint64 i = 1; i <= state.range(0); ++i)
        colours.Entries.append({"Color" + QString::number(i), "FF0000,128"});
    file.AppendSection(colours);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadPreset(file, "Colourful").MiddlePoints.size());
    state.counters["keys/s"] = benchmark::Counter(
        double(state.range(0)) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReadPresetOfManyColours)->Arg(800)->Arg(8000)->Unit(benchmark::kMillisecond);
