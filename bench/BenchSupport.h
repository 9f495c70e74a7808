#pragma once

// What the benchmarks share: a clock, a small reproducible random source and
// their "--name N" options.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace kv::bench {

using Clock = std::chrono::steady_clock;

inline double Seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

// xorshift64: the same data every run.
struct Rng {
    uint64_t x = 0x9E3779B97F4A7C15ULL;
    uint64_t Next() {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        return x;
    }
};

inline int ArgValue(int argc, char** argv, const char* name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return std::atoi(argv[i + 1]);
    return fallback;
}

}  // namespace kv::bench
