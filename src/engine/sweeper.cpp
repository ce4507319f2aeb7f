#include "engine/sweeper.h"

#include <QStringList>
#include <new>
#include <sched.h>
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

int AutomaticThreads(int cells) {
    if (cells < ThreadedSweepCells)
        return 1;
    cpu_set_t allowed;
    if (sched_getaffinity(0, sizeof allowed, &allowed) != 0)
        return 1;
    return std::max(1, CPU_COUNT(&allowed));
}

Sweeper::Sweeper(const SweepOptions& options, int cells) {
    vectors = options.Engine == SweepEngine::Auto ? VectorWidth::Avx512 : WidthOf(options.Engine);
    // Only with AVX-512 do the vector lanes outrun the x87 wavefront (bench/sweep_bench.cpp).
    if (vectors && !HasVectorWidth(*vectors))
        vectors.reset();
    const int threads = options.Threads > 0 ? options.Threads : AutomaticThreads(cells);
    if (threads <= 1)
        return;
    try {
        if (vectors)
            certifiedTeam = std::make_unique<CertifiedTeam>(threads, *vectors);
        else
            x87Team = std::make_unique<SweepTeam>(threads);
    } catch (const std::system_error&) {
        // No threads to be had: one thread grows the same texture, only slower.
    }
}

int Sweeper::Threads() const {
    return certifiedTeam ? certifiedTeam->Threads() : x87Team ? x87Team->Threads() : 1;
}

void Sweeper::Sweep(TextureEngine& engine, const SweepCoefficients& k, FieldsAfter after) {
    if (vectors && !kept && after == FieldsAfter::Untouched &&
        LaneTexture::Suits(engine.Width(), engine.Height())) {
        try {
            kept = std::make_unique<LaneTexture>(
                engine, k, *vectors, certifiedTeam ? &certifiedTeam->Workers() : nullptr);
        } catch (const std::bad_alloc&) {
            // Without room for the lanes the fields are swept as they are, only slower.
        }
    }
    if (kept) {
        try {
            kept->Sweep(engine);
        } catch (...) {
            kept.reset(); // the fields are the sweep's own after an overflow
            throw;
        }
        if (after == FieldsAfter::Used)
            Settle(engine);
    } else if (certifiedTeam)
        certifiedTeam->Sweep(engine, k);
    else if (vectors)
        CertifiedSweep(engine, k, *vectors);
    else if (x87Team)
        x87Team->Sweep(engine, k);
    else
        mottler::Sweep(engine, k);
}

void Sweeper::Settle(TextureEngine& engine) {
    if (!kept)
        return;
    kept->Settle(engine);
    kept.reset();
}

} // namespace mottler
