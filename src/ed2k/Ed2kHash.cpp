#include "ed2k/Ed2kHash.h"

namespace kv {


std::optional<Ed2kHash> Ed2kHash::FromHex(std::string_view text) {
    if (text.size() != 32) return std::nullopt;
    Bytes b;
    for (size_t i = 0; i < 16; ++i) {
        const int hi = HexDigitValue(text[2 * i]);
        const int lo = HexDigitValue(text[2 * i + 1]);
        if (hi < 0 || lo < 0) return std::nullopt;
        b[i] = static_cast<uint8_t>(hi << 4 | lo);
    }
    return Ed2kHash(b);
}

std::string Ed2kHash::ToHex() const {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out(32, '0');
    for (size_t i = 0; i < 16; ++i) {
        out[2 * i] = kDigits[bytes_[i] >> 4];
        out[2 * i + 1] = kDigits[bytes_[i] & 15];
    }
    return out;
}

}  // namespace kv
