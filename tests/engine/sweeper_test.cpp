#include "engine/sweeper.h"

#include <gtest/gtest.h>
#include <sched.h>

using namespace mottler;

// A small texture sweeps on one thread; a large one on every core the process may use, and
// on one when it may use only one (taskset, a container's CPU limit).
TEST(Sweeper, AutomaticThreadsFollowTheTextureSizeAndTheCoresAllowed) {
    EXPECT_EQ(AutomaticThreads(ThreadedSweepCells - 1), 1);
    cpu_set_t allowed;
    ASSERT_EQ(sched_getaffinity(0, sizeof allowed, &allowed), 0);
    EXPECT_EQ(AutomaticThreads(ThreadedSweepCells), CPU_COUNT(&allowed));
    cpu_set_t one;
    CPU_ZERO(&one);
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
        if (CPU_ISSET(cpu, &allowed)) {
            CPU_SET(cpu, &one);
            break;
        }
    ASSERT_EQ(sched_setaffinity(0, sizeof one, &one), 0);
    const int threads = AutomaticThreads(1600 * 1200);
    ASSERT_EQ(sched_setaffinity(0, sizeof allowed, &allowed), 0);
    EXPECT_EQ(threads, 1);
}
