#include "base/orderedwork.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace mottler {
namespace {

class OrderedWork {
public:
    OrderedWork(int pieces, const std::function<void(int)>& piece)
        : count(pieces), work(piece), finished(static_cast<std::size_t>(pieces), false) {}

    void Work() {
        for (int i = next++; i < count; i = next++) {
            std::exception_ptr failure;
            try {
                work(i);
            } catch (...) {
                failure = std::current_exception();
            }
            const std::lock_guard<std::mutex> lock(mutex);
            if (failure && !error)
                error = failure;
            if (failure)
                next = count; // nothing more is handed out
            finished[static_cast<std::size_t>(i)] = true;
            changed.notify_all();
        }
    }

    /// Waits for piece i; rethrows the first failure of any piece.
    void WaitFor(int i) {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [&] { return error || finished[static_cast<std::size_t>(i)]; });
        if (error)
            std::rethrow_exception(error);
    }

    void Stop() { next = count; }

private:
    const int count;
    const std::function<void(int)>& work;
    std::atomic<int> next{0};
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<bool> finished;
    std::exception_ptr error;
};

} // namespace

void RunInOrder(int count, int threads, const std::function<void(int)>& work,
                const std::function<void(int)>& done) {
    if (count <= 0)
        return;
    const int cores = static_cast<int>(std::max(std::thread::hardware_concurrency(), 1u));
    const int workers = std::clamp(threads > 0 ? threads : cores, 1, count);
    OrderedWork job(count, work);
    std::vector<std::thread> pool;
    for (int t = 0; t < workers; ++t)
        pool.emplace_back([&job] { job.Work(); });
    std::exception_ptr failure;
    try {
        for (int i = 0; i < count; ++i) {
            job.WaitFor(i);
            done(i);
        }
    } catch (...) {
        failure = std::current_exception();
        job.Stop();
    }
    for (std::thread& thread : pool)
        thread.join();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace mottler
