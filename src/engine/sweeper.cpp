#include "engine/sweeper.h"

#include <QStringList>
#include <system_error>

namespace mottler {
namespace {

std::optional<VectorWidth> WidthOf(SweepEngine engine) {
    switch (engine) {
    case SweepEngine::Sse2:
        return VectorWidth::Sse2;
    case SweepEngine::Avx2:
        return VectorWidth::Avx2;
    case SweepEngine::Avx512:
        return VectorWidth::Avx512;
    default:
        return std::nullopt;
    }
}

} // namespace

const QStringList& SweepEngineNames() {
    static const QStringList names{"auto", "x87", "sse2", "avx2", "avx512"};
    return names;
}

std::optional<SweepEngine> SweepEngineNamed(const QString& name) {
    const qsizetype k = SweepEngineNames().indexOf(name);
    if (k < 0)
        return std::nullopt;
    return static_cast<SweepEngine>(k);
}

bool EngineRunsHere(SweepEngine engine) {
    const std::optional<VectorWidth> width = WidthOf(engine);
    return !width || HasVectorWidth(*width);
}

SweepOptions WithEnvironmentEngine(SweepOptions options) {
    const std::optional<SweepEngine> pinned =
        SweepEngineNamed(qEnvironmentVariable("MOTTLER_ENGINE"));
    if (pinned && EngineRunsHere(*pinned))
        options.Engine = *pinned;
    return options;
}

Sweeper::Sweeper(const SweepOptions& options) {
    vectors = WidthOf(options.Engine);
    // Only with AVX-512 do the vector lanes outrun the x87 wavefront (bench/sweep_bench.cpp);
    // one thread of them also outruns two x87 threads, so Auto takes threads only when they
    // are asked for.
    if (options.Engine == SweepEngine::Auto && options.Threads <= 1)
        vectors = VectorWidth::Avx512;
    if (vectors && !HasVectorWidth(*vectors))
        vectors.reset();
    if (vectors || options.Threads <= 1)
        return;
    try {
        team = std::make_unique<SweepTeam>(options.Threads);
    } catch (const std::system_error&) {
        // No threads to be had: one thread grows the same texture, only slower.
    }
}

void Sweeper::Sweep(TextureEngine& engine, const SweepCoefficients& k) {
    if (vectors)
        CertifiedSweep(engine, k, *vectors);
    else if (team)
        team->Sweep(engine, k);
    else
        mottler::Sweep(engine, k);
}

} // namespace mottler
