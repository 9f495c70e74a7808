#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace kv {

// Runs work(0) ... work(n - 1) on `threads` threads of their own and hands
// each result to take(i, result) on the calling thread, in the order of i,
// as soon as it and all before it are done. At most `window` results wait to
// be taken, so that memory stays bounded however many items there are. take
// returning false stops the work: items not started are never started, and
// the call returns once the running ones are done. An exception thrown by
// work is thrown again from here when its item's turn comes.
//
// For work that waits (reads from a cold disk): several waits at once are
// shorter than the same waits in a row.
template <typename Result>
void RunInOrder(size_t n, unsigned threads, size_t window, const std::function<Result(size_t)>& work,
                const std::function<bool(size_t, Result&&)>& take) {
    struct Slot {
        std::optional<Result> result;
        std::exception_ptr failure;
        bool done = false;
    };
    window = std::max<size_t>(window, 1);
    std::vector<Slot> slots(window);
    std::mutex mutex;
    std::condition_variable room, ready;
    size_t next = 0, taken = 0;
    bool stop = false;

    const auto run = [&] {
        std::unique_lock lock(mutex);
        for (;;) {
            room.wait(lock, [&] { return stop || next >= n || next < taken + window; });
            if (stop || next >= n) return;
            const size_t i = next++;
            lock.unlock();
            std::optional<Result> result;
            std::exception_ptr failure;
            try {
                result.emplace(work(i));
            } catch (...) {
                failure = std::current_exception();
            }
            lock.lock();
            Slot& slot = slots[i % window];
            slot.result = std::move(result);
            slot.failure = failure;
            slot.done = true;
            ready.notify_all();
        }
    };
    std::vector<std::jthread> pool;
    for (unsigned t = 0; t < std::max(threads, 1u) && t < n; ++t) pool.emplace_back(run);

    const auto finish = [&] {
        {
            const std::lock_guard lock(mutex);
            stop = true;
        }
        room.notify_all();
        pool.clear();  // joins
    };
    try {
        for (size_t i = 0; i < n; ++i) {
            std::unique_lock lock(mutex);
            Slot& slot = slots[i % window];
            ready.wait(lock, [&] { return slot.done; });
            std::optional<Result> result = std::move(slot.result);
            const std::exception_ptr failure = slot.failure;
            slot = Slot{};
            ++taken;
            lock.unlock();
            room.notify_all();
            if (failure) std::rethrow_exception(failure);
            if (!take(i, std::move(*result))) break;
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

}  // namespace kv
