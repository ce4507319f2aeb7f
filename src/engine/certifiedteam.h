#pragma once

#include "engine/certifiedsweep.h"
#include "engine/sweepcrew.h"

#include <memory>

namespace mottler {

/// The certified sweep on several threads: the caller's thread and the team's workers take
/// groups of 32 rows in turn, each group following the one above it a block of steps behind
/// and taking the row above from it as it is finished, so every cell still sees the
/// neighbour values of the plain row order. Fields, range and overflow come out exactly as
/// from Sweep. A sweep allocates nothing unless the texture's width changed since the last.
class CertifiedTeam {
public:
    /// `threads` counts the caller's thread; at least 2. Throws std::system_error when the
    /// system has no threads to give.
    CertifiedTeam(int threads, VectorWidth width);
    ~CertifiedTeam();
    CertifiedTeam(const CertifiedTeam&) = delete;
    CertifiedTeam& operator=(const CertifiedTeam&) = delete;

    int Threads() const;
    /// The team's threads, for a texture kept in lanes (LaneTexture).
    SweepCrew& Workers();
    /// As CertifiedSweep: returns the cells computed again in extended precision.
    long Sweep(TextureEngine& engine, const SweepCoefficients& k);

private:
    class Crew;
    std::unique_ptr<Crew> crew;
};

} // namespace mottler
