// The settings file's ini writer and reader. The input is a file's bytes plus
// a section, key and value. Properties: after WriteIniString the key reads
// back as the value up to its first line break (as the reader presents values:
// blanks around it and one pair of quotes dropped), and every other line of
// the file is kept byte for byte: a write replaces its own line or adds lines
// at one place, nothing else.
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "common/FileUtil.h"
#include "settings/IniFile.h"

// The scratch files need no durability: flushing them to disk on every write
// would make the disk, not the code, the limit on executions.
extern "C" int fsync(int) { return 0; }

namespace {

std::string WithoutAny(std::string s, std::string_view bytes) {
    std::string out;
    for (const char c : s)
        if (bytes.find(c) == std::string_view::npos) out.push_back(c);
    return out;
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// Names the program writes are plain: no line breaks, no blanks around them,
// no ']' in a section, no '=' in a key, no comment or header start.
std::string PlainName(std::string s, std::string_view banned) {
    s = std::string(TrimBlanks(WithoutAny(std::move(s), banned)));
    while (!s.empty() && (s.front() == ';' || s.front() == '#' || s.front() == '['))
        s = std::string(TrimBlanks(std::string_view(s).substr(1)));
    return s;
}

// The file's lines as the ini code sees them: content and ending.
struct Line {
    std::string content;
    std::string ending;
    bool operator==(const Line&) const = default;
};

std::vector<Line> LinesOf(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<Line> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t lf = text.find('\n', pos);
        if (lf == std::string_view::npos) {
            lines.push_back({std::string(text.substr(pos)), ""});
            break;
        }
        if (lf > pos && text[lf - 1] == '\r') lines.push_back({std::string(text.substr(pos, lf - 1 - pos)), "\r\n"});
        else lines.push_back({std::string(text.substr(pos, lf - pos)), "\n"});
        pos = lf + 1;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kv::fuzz::Input in(data, size);
    const std::string section = PlainName(in.Piece(), "\r\n]");
    const std::string key = PlainName(in.Piece(), "\r\n=");
    const std::string value = in.Piece();
    const std::string before = in.Rest();
    if (section.empty() || key.empty()) return 0;

    const std::string file = kv::fuzz::ScratchDir() + "/Kestrivane.ini";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(before.data(), static_cast<std::streamsize>(before.size()));
    }
    KV_FUZZ_CHECK(kv::WriteIniString(section, key, value, file));

    std::string expected(TrimBlanks(value.substr(0, value.find_first_of("\r\n"))));
    if (expected.size() >= 2 && (expected.front() == '"' || expected.front() == '\'') &&
        expected.back() == expected.front())
        expected = expected.substr(1, expected.size() - 2);
    const std::string read = kv::ReadIniString(section, key, "\x01missing", 32767, file);
    if (read != expected)
        std::fprintf(stderr, "[%s] %s: wrote \"%s\", read \"%s\"\n", section.c_str(), key.c_str(), value.c_str(),
                     read.c_str());
    KV_FUZZ_CHECK(read == expected);

    // A UTF-16 file is rewritten as UTF-8, so its lines are not compared byte for byte.
    const bool utf16 = before.size() >= 2 && ((before[0] == '\xFF' && before[1] == '\xFE') ||
                                              (before[0] == '\xFE' && before[1] == '\xFF'));
    if (utf16) return 0;
    const std::optional<std::string> after = kv::ReadWholeFile(file, 1 << 20);
    KV_FUZZ_CHECK(after.has_value());
    KV_FUZZ_CHECK(before.starts_with("\xEF\xBB\xBF") == after->starts_with("\xEF\xBB\xBF"));
    const std::vector<Line> a = LinesOf(before), b = LinesOf(*after);

    // Common lines at the front and the back; what differs between them is the write.
    size_t front = 0;
    while (front < a.size() && front < b.size() && a[front] == b[front]) ++front;
    // The line a new one is added after gets a line ending if it had none.
    if (front < a.size() && front < b.size() && front + 1 == a.size() && a[front].ending.empty() &&
        a[front].content == b[front].content)
        ++front;
    size_t back = 0;
    while (back < a.size() - front && back < b.size() - front && a[a.size() - 1 - back] == b[b.size() - 1 - back])
        ++back;
    const size_t removed = a.size() - front - back, added = b.size() - front - back;
    // Either the key's line replaced, or the key (and perhaps its section)
    // added; or nothing changed, as the line already held the value (the
    // read-back above says it reads as written).
    KV_FUZZ_CHECK((removed == 1 && added == 1) || (removed == 0 && (added == 1 || added == 2)) || *after == before);
    return 0;
}
