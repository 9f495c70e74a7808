#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

inline constexpr char TAB = '\t';

// The number at the start of text (sign, fraction, exponent; blanks, tabs and
// line feeds skipped); 0 when the text does not start with a number.
double NumericValue(std::string_view text);

// Nearest integer, halves to the even neighbour; saturates at the type's range.
int64_t RoundHalfEven(double value);
int32_t RoundHalfEven32(double value);

// 16 bytes as 32 lower-case hex digits.
std::string HashText(const unsigned char* bytes16);

std::string ToLowerAscii(std::string_view text);
std::string ToUpperAscii(std::string_view text);

// Position of needle in haystack (ASCII letters compared without regard to
// case), or std::string_view::npos. An empty needle is found at 0.
size_t FindNoCase(std::string_view haystack, std::string_view needle, size_t from = 0);
inline bool ContainsNoCase(std::string_view haystack, std::string_view needle) {
    return FindNoCase(haystack, needle) != std::string_view::npos;
}

// Decimal text of value; with leadingBlank a non-negative number gets the
// blank that stands in the sign position (" 12").
std::string DecimalText(int64_t value, bool leadingBlank = false);

}  // namespace kv

namespace kv {
// Letters folded to lower case, ASCII and, in UTF-8, the Latin, Greek and
// Cyrillic capitals European names use ("Ü" -> "ü", "Σ" -> "σ", "Ж" -> "ж");
// every encoding keeps its length, any other byte is kept.
std::string FoldCaseUtf8(std::string_view text);
// Where needle stands in haystack with letters compared as FoldCaseUtf8 folds them; npos when nowhere.
size_t FindFoldedUtf8(std::string_view haystack, std::string_view needle);
}  // namespace kv
