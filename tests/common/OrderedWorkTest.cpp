// The ordered pool: results come in the order of their items whatever order
// the threads finish in, no more than the window wait, a stop starts nothing
// new, and a failure surfaces on the caller's thread at its item's turn.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "common/OrderedWork.h"

namespace kv {
namespace {

// Later items finish first: item i yields i times less often than item 0.
size_t Work(size_t i, size_t n) {
    for (size_t k = 0; k < (n - i) * 50; ++k) std::this_thread::yield();
    return i * i;
}

TEST(RunInOrder, ResultsInItemOrderForEveryShape) {
    struct Shape {
        size_t n;
        unsigned threads;
        size_t window;
    };
    for (const Shape s : {Shape{0, 4, 8}, Shape{1, 4, 8}, Shape{100, 1, 1}, Shape{100, 8, 3}, Shape{100, 3, 64},
                          Shape{7, 16, 2}}) {
        SCOPED_TRACE(std::to_string(s.n) + " items, " + std::to_string(s.threads) + " threads, window " +
                     std::to_string(s.window));
        std::vector<size_t> got;
        std::atomic<size_t> running{0}, mostRunning{0};
        RunInOrder<size_t>(
            s.n, s.threads, s.window,
            [&](size_t i) {
                const size_t now = ++running;
                for (size_t m = mostRunning; now > m && !mostRunning.compare_exchange_weak(m, now);) {
                }
                const size_t r = Work(i, s.n);
                --running;
                return r;
            },
            [&](size_t i, size_t&& r) {
                EXPECT_EQ(i, got.size());
                got.push_back(r);
                return true;
            });
        ASSERT_EQ(got.size(), s.n);
        for (size_t i = 0; i < s.n; ++i) EXPECT_EQ(got[i], i * i);
        EXPECT_LE(mostRunning.load(), std::min<size_t>(s.threads, s.window));
    }
}

TEST(RunInOrder, StopStartsNothingBeyondTheWindow) {
    std::atomic<size_t> started{0};
    size_t taken = 0;
    RunInOrder<int>(
        1000, 4, 5,
        [&](size_t) {
            ++started;
            return 0;
        },
        [&](size_t i, int&&) {
            taken = i + 1;
            return i < 9;  // stops after the tenth
        });
    EXPECT_EQ(taken, 10u);
    EXPECT_LE(started.load(), 10u + 5u);
}

TEST(RunInOrder, AFailureIsThrownAtItsTurnAfterTheItemsBefore) {
    std::vector<size_t> got;
    EXPECT_THROW(RunInOrder<size_t>(
                     50, 4, 8,
                     [](size_t i) -> size_t {
                         if (i == 20) throw std::runtime_error("item 20");
                         return i;
                     },
                     [&](size_t, size_t&& r) {
                         got.push_back(r);
                         return true;
                     }),
                 std::runtime_error);
    ASSERT_EQ(got.size(), 20u);
    EXPECT_EQ(got.back(), 19u);
}

}  // namespace
}  // namespace kv
