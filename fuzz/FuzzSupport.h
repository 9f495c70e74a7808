#pragma once

// Shared by the fuzz targets: a property check that stops the run, and a
// reader that cuts one fuzz input into several arguments.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A property that does not hold is a finding: say which, then stop so that
// libFuzzer stores the input.
#define KV_FUZZ_CHECK(cond)                                                                    \
    do {                                                                                       \
        if (!(cond)) {                                                                         \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
            __builtin_trap();                                                                  \
        }                                                                                      \
    } while (0)

namespace kv::fuzz {

class Input {
public:
    Input(const uint8_t* data, size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

    uint8_t Byte() {
        if (rest_.empty()) return 0;
        const auto b = static_cast<uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    uint32_t U32() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= uint32_t{Byte()} << (8 * i);
        return v;
    }
    // A piece whose length is the next byte (at most 255 bytes).
    std::string Piece() { return Take(Byte()); }
    std::string Take(size_t n) {
        const std::string_view out = rest_.substr(0, n);
        rest_.remove_prefix(out.size());
        return std::string(out);
    }
    std::string Rest() { return Take(rest_.size()); }
    bool empty() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

// A directory of this process's own under /tmp, made on first use and reused.
std::string ScratchDir();

}  // namespace kv::fuzz
