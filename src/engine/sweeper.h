#pragma once

#include "engine/certifiedsweep.h"
#include "engine/sweep.h"
#include "engine/sweepteam.h"

#include <QString>
#include <memory>
#include <optional>

namespace mottler {

/// Which code sweeps. Every engine gives the same fields bit for bit. X87 is the
/// extended-precision wavefront, on one thread unless threads are asked for; Sse2, Avx2 and
/// Avx512 are the certified double-precision sweep in vector lanes of that width; Auto is
/// Avx512 where the processor has it and one thread is asked for, X87 otherwise.
enum class SweepEngine { Auto, X87, Sse2, Avx2, Avx512 };

/// The engines' names in the order of SweepEngine: "auto", "x87", "sse2", "avx2", "avx512".
const QStringList& SweepEngineNames();

/// The engine of one of those names; nothing for any other name.
std::optional<SweepEngine> SweepEngineNamed(const QString& name);

/// Whether this processor runs the engine's instructions.
bool EngineRunsHere(SweepEngine engine);

struct SweepOptions {
    SweepEngine Engine = SweepEngine::Auto;
    int Threads = 0; ///< 0 or 1: one thread; more sweep with the x87 wavefront
};

/// The options with the environment's MOTTLER_ENGINE (an engine's name) over their engine, so
/// tests can pin an engine under every caller; any other value, or an engine this processor
/// cannot run, is ignored.
SweepOptions WithEnvironmentEngine(SweepOptions options);

/// The sweep of one run, with the engine and threads its options choose.
class Sweeper {
public:
    explicit Sweeper(const SweepOptions& options);

    int Threads() const { return team ? team->Threads() : 1; }
    void Sweep(TextureEngine& engine, const SweepCoefficients& k);

private:
    std::unique_ptr<SweepTeam> team;
    std::optional<VectorWidth> vectors; ///< the certified sweep's width, when it sweeps
};

} // namespace mottler
