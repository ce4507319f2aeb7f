#include "base/orderedwork.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>
#include <vector>

using namespace mottler;

// Later pieces finish first (the early ones sleep), yet done sees every index in order, on the
// calling thread, each after its own piece.
TEST(RunInOrder, ReportsInOrderWhateverOrderThePiecesFinishIn) {
    constexpr int Count = 12;
    std::vector<int> results(Count, -1);
    std::vector<int> reported;
    const std::thread::id caller = std::this_thread::get_id();
    bool doneOnCaller = true;
    RunInOrder(
        Count, 3,
        [&](int i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(i < 3 ? 20 : 0));
            results[static_cast<std::size_t>(i)] = i * i;
        },
        [&](int i) {
            doneOnCaller = doneOnCaller && std::this_thread::get_id() == caller;
            EXPECT_EQ(results[static_cast<std::size_t>(i)], i * i);
            reported.push_back(i);
        });
    EXPECT_TRUE(doneOnCaller);
    ASSERT_EQ(reported.size(), std::size_t(Count));
    for (int i = 0; i < Count; ++i)
        EXPECT_EQ(reported[static_cast<std::size_t>(i)], i);
    RunInOrder(
        0, 0, [](int) { FAIL(); }, [](int) { FAIL(); });
}

// A failing piece stops the handing out and its exception reaches the caller once the threads
// have ended; the pieces before it were reported, none after.
TEST(RunInOrder, AFailureStopsTheWorkAndReachesTheCaller) {
    std::atomic<int> started{0};
    std::vector<int> reported;
    EXPECT_THROW(RunInOrder(
                     1000, 2,
                     [&](int i) {
                         ++started;
                         if (i == 5)
                             throw std::runtime_error("piece 5");
                         // Later pieces take a while, so the whole job would outlast the
                         // failure by far if it went on.
                         if (i > 5)
                             std::this_thread::sleep_for(std::chrono::milliseconds(1));
                     },
                     [&](int i) { reported.push_back(i); }),
                 std::runtime_error);
    EXPECT_LT(started.load(), 500);
    for (int i : reported)
        EXPECT_LT(i, 5);
    EXPECT_THROW(RunInOrder(
                     8, 2, [](int) {},
                     [](int i) {
                         if (i == 1)
                             throw std::logic_error("done 1");
                     }),
                 std::logic_error);
}
