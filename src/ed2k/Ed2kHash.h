#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace kv {

// The ed2k (MD4-based) hash of a file: 16 bytes.
class Ed2kHash {
public:
    using Bytes = std::array<uint8_t, 16>;

    constexpr Ed2kHash() = default;
    constexpr explicit Ed2kHash(const Bytes& bytes) : bytes_(bytes) {}

    // 16 raw bytes, e.g. as a .part.met stores them.
    static Ed2kHash FromRaw(const void* sixteenBytes) {
        Bytes b;
        std::memcpy(b.data(), sixteenBytes, b.size());
        return Ed2kHash(b);
    }
    // Exactly 32 hex digits, either case; nullopt for anything else.
    static std::optional<Ed2kHash> FromHex(std::string_view text);

    // 32 lower-case hex digits.
    std::string ToHex() const;

    const Bytes& bytes() const { return bytes_; }
    bool IsZero() const { return bytes_ == Bytes{}; }

    auto operator<=>(const Ed2kHash&) const = default;
    // Two 8-byte compares, not a memcmp call: checks compare hashes by the thousand.
    bool operator==(const Ed2kHash& other) const {
        uint64_t a[2], b[2];
        std::memcpy(a, bytes_.data(), 16);
        std::memcpy(b, other.bytes_.data(), 16);
        return ((a[0] ^ b[0]) | (a[1] ^ b[1])) == 0;
    }

private:
    Bytes bytes_{};
};

namespace detail {
// A table, since indexing a large list looks at every byte of it.
struct HexTable {
    int8_t value[256];
    constexpr HexTable() : value() {
        for (int c = 0; c < 256; ++c) value[c] = -1;
        for (int c = 0; c < 10; ++c) value['0' + c] = static_cast<int8_t>(c);
        for (int c = 0; c < 6; ++c) {
            value['a' + c] = static_cast<int8_t>(10 + c);
            value['A' + c] = static_cast<int8_t>(10 + c);
        }
    }
};
inline constexpr HexTable kHexTable;
}  // namespace detail

// Value of a hex digit (either case), -1 for any other byte.
inline int HexDigitValue(char c) { return detail::kHexTable.value[static_cast<unsigned char>(c)]; }

}  // namespace kv

template <>
struct std::hash<kv::Ed2kHash> {
    size_t operator()(const kv::Ed2kHash& h) const noexcept {
        uint64_t a, b;
        std::memcpy(&a, h.bytes().data(), 8);
        std::memcpy(&b, h.bytes().data() + 8, 8);
        return static_cast<size_t>(a ^ (b * 0x9E3779B97F4A7C15ULL));
    }
};
