#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace kv::inspect {

// Bounds-checked reads over a file's first bytes; a read past them fails
// instead. Offsets are uint64_t so that sums of sizes read from the data
// cannot wrap before they are compared.
struct ByteView {
    std::string_view d;

    bool Has(uint64_t at, uint64_t n) const { return at <= d.size() && n <= d.size() - at; }
    uint8_t U8(uint64_t at) const { return static_cast<uint8_t>(d[at]); }
    bool Is(uint64_t at, const void* sig, size_t n) const {
        return Has(at, n) && std::memcmp(d.data() + at, sig, n) == 0;
    }
    template <size_t N>
    bool Is(uint64_t at, const char (&sig)[N]) const { return Is(at, sig, N - 1); }
    uint64_t LE(uint64_t at, int n) const {  // caller checked Has(at, n)
        uint64_t v = 0;
        for (int i = n - 1; i >= 0; --i) v = (v << 8) | U8(at + i);
        return v;
    }
    uint64_t BE(uint64_t at, int n) const {  // caller checked Has(at, n)
        uint64_t v = 0;
        for (int i = 0; i < n; ++i) v = (v << 8) | U8(at + i);
        return v;
    }
    bool U16(uint64_t at, uint64_t& v) const { return Has(at, 2) && ((v = LE(at, 2)), true); }
    bool U32(uint64_t at, uint64_t& v) const { return Has(at, 4) && ((v = LE(at, 4)), true); }
    bool U64(uint64_t at, uint64_t& v) const { return Has(at, 8) && ((v = LE(at, 8)), true); }
    bool B32(uint64_t at, uint64_t& v) const { return Has(at, 4) && ((v = BE(at, 4)), true); }
    bool B64(uint64_t at, uint64_t& v) const { return Has(at, 8) && ((v = BE(at, 8)), true); }
    // The first `sig` at or after `from`, before `to`; npos when none.
    uint64_t Find(std::string_view sig, uint64_t from, uint64_t to) const {
        if (to > d.size()) to = d.size();
        if (from >= to) return std::string_view::npos;
        const size_t at = d.substr(0, to).find(sig, from);
        return at;
    }
};

// Every header walk stops after this many steps, whatever the counts claim.
inline constexpr int kMaxSteps = 4096;

}  // namespace kv::inspect
