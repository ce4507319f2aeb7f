#pragma once

#include <cstdint>

namespace mottler {

/// The program's random generator: a 32-bit linear congruential generator
/// (seed × 134775813 + 1 modulo 2^32). Every random choice of the program draws from it in
/// a fixed order, which is what makes a texture reproducible from its seed alone.
/// Each thread has its own state (0 until set): a seeding on a worker thread sets the state,
/// then draws, and gives the same fields as on the interface thread without touching its
/// state.

/// The calling thread's generator state.
std::uint32_t RandomSeed();
void SetRandomSeed(std::uint32_t seed);

/// One step, then the high 32 bits of seed × n: a value in 0 … n − 1 for 1 ≤ n ≤ 2^31,
/// and 0 for n = 0. n is taken as an unsigned number.
std::uint32_t RandomInt(std::uint32_t n);

/// One step, then seed × 2^−32: a value in [0, 1), exact in double precision.
double RandomReal();

/// Seeds from the time of day in UTC: ((hour × 60 + minute) × 60 + second) × 1000 + ms.
void ReseedFromClock();

} // namespace mottler
