#include "engine/random.h"

#include <QDateTime>

namespace mottler {
namespace {

// Each thread draws from its own state, so textures seeded on worker threads (the variation
// map) neither disturb nor depend on the interface thread's draws.
thread_local std::uint32_t state = 0;

void Step() {
    state = state * 134775813u + 1u;
}

} // namespace

std::uint32_t RandomSeed() {
    return state;
}

void SetRandomSeed(std::uint32_t seed) {
    state = seed;
}

std::uint32_t RandomInt(std::uint32_t n) {
    Step();
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(state) * n) >> 32);
}

double RandomReal() {
    Step();
    return static_cast<double>(state) * 0x1p-32;
}

void ReseedFromClock() {
    const QTime now = QDateTime::currentDateTimeUtc().time();
    const int ms = ((now.hour() * 60 + now.minute()) * 60 + now.second()) * 1000 + now.msec();
    state = static_cast<std::uint32_t>(ms);
}

} // namespace mottler
