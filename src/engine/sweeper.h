#pragma once

#include "engine/sweep.h"
#include "engine/sweepteam.h"

#include <QString>
#include <memory>
#include <optional>

namespace mottler {

/// Which code sweeps. Every engine gives the same fields bit for bit. X87 is the
/// extended-precision wavefront on one thread unless threads are asked for; Auto is the
/// fastest way this build has, the same wavefront with threads chosen by the texture size.
enum class SweepEngine { Auto, X87 };

/// "auto" or "x87"; nothing for any other name.
std::optional<SweepEngine> SweepEngineNamed(const QString& name);

struct SweepOptions {
    SweepEngine Engine = SweepEngine::Auto;
    int Threads = 0; ///< 0: chosen by the engine and the texture size
};

/// The options with the environment's MOTTLER_ENGINE ("auto" or "x87") over their engine, so
/// tests can pin an engine under every caller; any other value is ignored.
SweepOptions WithEnvironmentEngine(SweepOptions options);

/// The threads that pay for themselves: one unless the texture is large and the machine has
/// a second core that is not busy (by the load average of the last minute).
int AutomaticSweepThreads(int width, int height);

/// The sweep of one run, with the engine and threads its options choose.
class Sweeper {
public:
    Sweeper(const SweepOptions& options, int width, int height);

    int Threads() const { return team ? team->Threads() : 1; }
    void Sweep(TextureEngine& engine, const SweepCoefficients& k);

private:
    std::unique_ptr<SweepTeam> team;
};

} // namespace mottler
