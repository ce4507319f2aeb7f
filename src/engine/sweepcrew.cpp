#include "engine/sweepcrew.h"

#include <immintrin.h>

namespace mottler {

SweepCrew::SweepCrew(int n)
    : threads(n), progress(std::make_unique<Progress[]>(static_cast<std::size_t>(n))) {
    try {
        for (int t = 1; t < threads; ++t)
            workers.emplace_back([this, t] { Work(t); });
    } catch (...) {
        Stop(); // the workers already started must not outlive a crew that never was
        throw;
    }
}

SweepCrew::~SweepCrew() {
    Stop();
}

void SweepCrew::Stop() {
    {
        std::lock_guard lock(mutex);
        quitting = true;
    }
    wake.notify_all();
    for (std::thread& worker : workers)
        worker.join();
}

void SweepCrew::Run(const std::function<void(int)>& band) {
    for (int t = 0; t < threads; ++t)
        progress[t].Done.store(-1, std::memory_order_relaxed);
    failed.store(false, std::memory_order_relaxed);
    {
        std::lock_guard lock(mutex);
        job = &band;
        pending = threads - 1;
        ++generation;
    }
    wake.notify_all();
    band(0);
    std::unique_lock lock(mutex);
    finished.wait(lock, [&] { return pending == 0; });
    job = nullptr;
}

void SweepCrew::Work(int t) {
    long seen = 0;
    for (;;) {
        const std::function<void(int)>* band = nullptr;
        {
            std::unique_lock lock(mutex);
            wake.wait(lock, [&] { return quitting || generation != seen; });
            if (quitting)
                return;
            seen = generation;
            band = job;
        }
        (*band)(t);
        std::lock_guard lock(mutex);
        if (--pending == 0)
            finished.notify_one();
    }
}

void SweepCrew::Report(int t, long done) {
    progress[t].Done.store(done, std::memory_order_release);
}

long SweepCrew::Done(int group) const {
    return progress[group % threads].Done.load(std::memory_order_acquire);
}

bool SweepCrew::Await(int group, long target) const {
    for (int spins = 0; Done(group) < target; ++spins) {
        if (Failed())
            return false;
        if (spins < 100)
            _mm_pause();
        else
            std::this_thread::yield(); // the machine may have fewer free cores than threads
    }
    return true;
}

} // namespace mottler
