#pragma once

#include "engine/certifiedsweep.h"
#include "engine/certifiedteam.h"
#include "engine/lanetexture.h"
#include "engine/sweep.h"
#include "engine/sweepteam.h"

#include <QString>
#include <memory>
#include <optional>

namespace mottler {

/// Which code sweeps. Every engine and thread count gives the same fields bit for bit. X87 is
/// the extended-precision wavefront; Sse2, Avx2 and Avx512 are the certified double-precision
/// sweep in vector lanes of that width; Auto is Avx512 where the processor has it, X87
/// otherwise.
enum class SweepEngine { Auto, X87, Sse2, Avx2, Avx512 };

/// The engines' names in the order of SweepEngine: "auto", "x87", "sse2", "avx2", "avx512".
const QStringList& SweepEngineNames();

/// The engine of one of those names; nothing for any other name.
std::optional<SweepEngine> SweepEngineNamed(const QString& name);

/// Whether this processor runs the engine's instructions.
bool EngineRunsHere(SweepEngine engine);

struct SweepOptions {
    SweepEngine Engine = SweepEngine::Auto;
    int Threads = 0; ///< 0: AutomaticThreads; otherwise that many
};

/// Textures of at least this many cells sweep on every core when the threads are left to the
/// sweep: below it, waking the threads costs more than they gain (bench/sweep_bench.cpp).
constexpr int ThreadedSweepCells = 300 * 300;

/// The threads a sweep of a texture of that many cells takes when left to choose: one for a
/// small texture, else the cores this process may run on.
int AutomaticThreads(int cells);

/// The options with the environment's MOTTLER_ENGINE (an engine's name) over their engine, so
/// tests can pin an engine under every caller; any other value, or an engine this processor
/// cannot run, is ignored.
SweepOptions WithEnvironmentEngine(SweepOptions options);

/// Whether anything but the next sweep reads or writes the fields after a sweep.
enum class FieldsAfter { Used, Untouched };

/// The sweep of one run of a texture of `cells` cells, with the engine and threads its
/// options choose. Without threads to be had it sweeps on one, with the same results.
/// The coefficients and the texture's size stay the same for the whole run.
class Sweeper {
public:
    Sweeper(const SweepOptions& options, int cells);

    int Threads() const;
    /// One sweep. Where the fields are left untouched until the next sweep, the certified
    /// sweep may keep the texture in its lanes: the fields then lag behind until
    /// a sweep whose fields are used, or Settle.
    void Sweep(TextureEngine& engine, const SweepCoefficients& k,
               FieldsAfter after = FieldsAfter::Used);
    /// The fields up to date.
    void Settle(TextureEngine& engine);

private:
    std::optional<VectorWidth> vectors; ///< the certified sweep's width, when it sweeps
    std::unique_ptr<SweepTeam> x87Team;
    std::unique_ptr<CertifiedTeam> certifiedTeam;
    std::unique_ptr<LaneTexture> kept; ///< the texture in lanes, while the fields lag behind
};

} // namespace mottler
