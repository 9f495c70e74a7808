#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kv {

// A record line is at most this long; a longer line (a binary, a page without
// line ends) counts as no record, so one huge line cannot pass for a list.
inline constexpr size_t kMaxRecordLineBytes = 4096;

// What a fake list's bytes look like before they may replace a list.
enum class ListShape {
    Usable,            // records, and mostly records
    Empty,             // no byte, or blanks only
    Utf16,             // a byte order mark or every other byte NUL
    HasNul,            // a NUL byte elsewhere: a binary or a cut transfer
    NoRecords,         // not one line starting with 32 hex digits
    MostlyNotRecords,  // an HTML or text page that happens to hold a hash
};

struct ListJudgement {
    ListShape shape = ListShape::Empty;
    size_t records = 0;        // lines whose first field is 32 hex digits
    size_t nonBlankLines = 0;
    bool usable() const { return shape == ListShape::Usable; }
};

// Whether line (without its line end) starts with a 32-hex-digit field.
bool IsRecordLine(std::string_view line);

// Judges a list's bytes in one pass, without copying them. A list is usable
// when it holds a record and at least half of its non-blank lines are records.
ListJudgement JudgeList(std::string_view bytes);

// The cause, for a message: "holds no record", "is a UTF-16 text", ...
std::string ShapeText(ListShape shape);

}  // namespace kv
