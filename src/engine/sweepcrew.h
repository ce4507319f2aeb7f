#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace mottler {

/// Threads that sweep one texture together: the caller's thread (number 0) and workers that
/// live as long as the crew. Thread t takes the groups of rows t, t + threads, …; each thread
/// reports how far it is with its group as one increasing number, so the thread of the group
/// below can follow it.
class SweepCrew {
public:
    /// `threads` counts the caller's thread; at least 2. Throws std::system_error when the
    /// system has no threads to give.
    explicit SweepCrew(int threads);
    ~SweepCrew();
    SweepCrew(const SweepCrew&) = delete;
    SweepCrew& operator=(const SweepCrew&) = delete;

    int Threads() const { return threads; }

    /// Clears every thread's progress and the failure, then runs band(t) on every thread t,
    /// the caller's as 0, and returns when all have returned.
    void Run(const std::function<void(int)>& band);

    /// Thread t has got as far as `done`.
    void Report(int t, long done);
    /// How far the thread that takes `group` has got.
    long Done(int group) const;
    /// Waits until the thread that takes `group` has got as far as `target`; false, at once,
    /// when the sweep has failed.
    bool Await(int group, long target) const;

    /// Stops the sweep: every wait returns false from now on.
    void Fail() { failed.store(true, std::memory_order_relaxed); }
    bool Failed() const { return failed.load(std::memory_order_relaxed); }

private:
    struct alignas(64) Progress {
        std::atomic<long> Done{-1};
    };

    void Work(int t);
    void Stop();

    const int threads;
    std::unique_ptr<Progress[]> progress;
    std::atomic<bool> failed{false};
    std::vector<std::thread> workers;

    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable finished;
    const std::function<void(int)>* job = nullptr;
    long generation = 0;
    int pending = 0;
    bool quitting = false;
};

} // namespace mottler
