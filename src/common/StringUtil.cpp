#include "StringUtil.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace kv {

double NumericValue(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) ++i;
    std::string number;
    auto digits = [&](void) {
        size_t start = i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) number += text[i++];
        return i - start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        mantissa += digits();
    }
    if (mantissa == 0) return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t save = i;
        std::string saveNumber = number;
        number += text[i++];
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
        if (digits() == 0) {
            i = save;
            number = saveNumber;
        }
    }
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

int64_t RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    const double r = std::nearbyint(value);  // default rounding mode: to nearest, ties to even
    if (r >= 9.2233720368547758e18) return std::numeric_limits<int64_t>::max();
    if (r <= -9.2233720368547758e18) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(r);
}

int32_t RoundHalfEven32(double value) {
    const int64_t r = RoundHalfEven(value);
    if (r > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (r < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(r);
}

std::string HashText(const unsigned char* bytes16) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(32);
    for (int k = 0; k < 16; ++k) {
        out += digits[bytes16[k] >> 4];
        out += digits[bytes16[k] & 0x0F];
    }
    return out;
}

std::string ToLowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string ToUpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

static inline char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

size_t FindNoCase(std::string_view haystack, std::string_view needle, size_t from) {
    if (needle.empty()) return from <= haystack.size() ? from : std::string_view::npos;
    if (haystack.size() < needle.size()) return std::string_view::npos;
    const char first = FoldAscii(needle[0]);
    for (size_t i = from; i + needle.size() <= haystack.size(); ++i) {
        if (FoldAscii(haystack[i]) != first) continue;
        size_t k = 1;
        while (k < needle.size() && FoldAscii(haystack[i + k]) == FoldAscii(needle[k])) ++k;
        if (k == needle.size()) return i;
    }
    return std::string_view::npos;
}

std::string DecimalText(int64_t value, bool leadingBlank) {
    std::string text = std::to_string(value);
    if (leadingBlank && value >= 0) text.insert(text.begin(), ' ');
    return text;
}

}  // namespace kv

namespace kv {

namespace {

// The lower case of a capital letter between U+00C0 and U+04FF, or 0 for any other.
uint32_t LowerOf(uint32_t c) {
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
        (c >= 0x410 && c <= 0x42F))
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    // Latin Extended-A pairs capitals and small letters side by side; U+0130 and U+0131 are no pair.
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138) {
        const bool evenIsCapital = (c < 0x139) || (c >= 0x14A && c < 0x178);
        if (evenIsCapital == (c % 2 == 0)) return c + 1;
    }
    return 0;
}

}  // namespace

std::string FoldCaseUtf8(std::string_view text) {
    std::string out(text);
    for (size_t i = 0; i < out.size(); ++i) {
        const auto b0 = static_cast<unsigned char>(out[i]);
        if (b0 < 0x80) {
            if (b0 >= 'A' && b0 <= 'Z') out[i] = static_cast<char>(b0 + 32);
            continue;
        }
        // Two-byte sequences only: the letters folded here all have one.
        if ((b0 & 0xE0) != 0xC0 || i + 1 >= out.size()) continue;
        const auto b1 = static_cast<unsigned char>(out[i + 1]);
        if ((b1 & 0xC0) != 0x80) continue;
        const uint32_t lower = LowerOf((uint32_t(b0 & 0x1F) << 6) | (b1 & 0x3F));
        if (lower != 0 && lower < 0x800) {
            out[i] = static_cast<char>(0xC0 | (lower >> 6));
            out[i + 1] = static_cast<char>(0x80 | (lower & 0x3F));
        }
        ++i;
    }
    return out;
}

size_t FindFoldedUtf8(std::string_view haystack, std::string_view needle) {
    return FoldCaseUtf8(haystack).find(FoldCaseUtf8(needle));
}

}  // namespace kv
