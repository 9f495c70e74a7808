#include "lists/ListShape.h"

#include <algorithm>
#include <cstring>

#include "ed2k/Ed2kHash.h"

namespace kv {

namespace {

bool LooksUtf16(std::string_view bytes) {
    if (bytes.size() >= 2) {
        const auto a = static_cast<unsigned char>(bytes[0]), b = static_cast<unsigned char>(bytes[1]);
        if ((a == 0xFF && b == 0xFE) || (a == 0xFE && b == 0xFF)) return true;
    }
    // ASCII text in UTF-16 without a mark: a NUL in every even or every odd place.
    if (bytes.size() < 4) return false;
    const size_t sample = std::min<size_t>(bytes.size() & ~size_t{1}, 4096);
    for (size_t parity = 0; parity < 2; ++parity) {
        bool all = true;
        for (size_t i = parity; i < sample && all; i += 2) all = bytes[i] == '\0';
        if (all) return true;
    }
    return false;
}

bool IsBlankLine(std::string_view line) {
    for (const char c : line)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\f' && c != '\v') return false;
    return true;
}

}  // namespace

bool IsRecordLine(std::string_view line) {
    if (line.size() < 32 || line.size() > kMaxRecordLineBytes) return false;
    for (size_t i = 0; i < 32; ++i)
        if (HexDigitValue(line[i]) < 0) return false;
    return line.size() == 32 || line[32] == ',' || line[32] == '\r';
}

ListJudgement JudgeList(std::string_view bytes) {
    ListJudgement j;
    if (LooksUtf16(bytes)) {
        j.shape = ListShape::Utf16;
        return j;
    }
    if (std::memchr(bytes.data(), '\0', bytes.size()) != nullptr) {
        j.shape = ListShape::HasNul;
        return j;
    }
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        // The CR of a CR LF is the line's end, not its content: it counts for no bound.
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!IsBlankLine(line)) {
            ++j.nonBlankLines;
            if (IsRecordLine(line)) ++j.records;
        }
        start = end + 1;
    }
    if (j.nonBlankLines == 0) {
        j.shape = ListShape::Empty;
    } else if (j.records == 0) {
        j.shape = ListShape::NoRecords;
    } else if (j.records * 2 < j.nonBlankLines) {
        j.shape = ListShape::MostlyNotRecords;
    } else {
        j.shape = ListShape::Usable;
    }
    return j;
}

std::string ShapeText(ListShape shape) {
    switch (shape) {
        case ListShape::Usable: return "is a fake list";
        case ListShape::Empty: return "is empty";
        case ListShape::Utf16: return "is a UTF-16 text, not a list of lines in single bytes";
        case ListShape::HasNul: return "holds NUL bytes (a binary file or a broken transfer)";
        case ListShape::NoRecords: return "holds no record (no line starts with a 32-digit hash)";
        case ListShape::MostlyNotRecords: return "is mostly not records (an HTML or text page, not a fake list)";
    }
    return "";
}

}  // namespace kv
