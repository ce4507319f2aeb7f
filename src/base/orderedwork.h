#pragma once

#include <functional>

namespace mottler {

/// Runs work(0) … work(count − 1) on `threads` threads (0: one per core), handing out the
/// indices in order, and calls done(i) on the calling thread for each index in order, as soon
/// as that piece and every one before it have finished: the work spreads over the cores while
/// what the caller reports keeps its order. An exception from a piece of work or from done
/// stops the handing out and is rethrown once the threads have ended.
void RunInOrder(int count, int threads, const std::function<void(int)>& work,
                const std::function<void(int)>& done);

} // namespace mottler
