#pragma once

#include "engine/sweep.h"

#include <memory>

namespace mottler {

/// Threads that sweep together as one pipelined wavefront: the caller's thread and the
/// team's workers take the groups of rows in turn, each group following the one above it a
/// few columns behind, so every cell still sees the neighbour values of the plain row order.
/// Fields, range and overflow come out exactly as from Sweep. The workers live as long as
/// the team; a sweep allocates nothing unless the texture size changed since the last one.
class SweepTeam {
public:
    /// `threads` counts the caller's thread; at least 2.
    explicit SweepTeam(int threads);
    ~SweepTeam();
    SweepTeam(const SweepTeam&) = delete;
    SweepTeam& operator=(const SweepTeam&) = delete;

    int Threads() const;
    void Sweep(TextureEngine& engine, const SweepCoefficients& k);

private:
    class Crew;
    std::unique_ptr<Crew> crew;
};

} // namespace mottler
