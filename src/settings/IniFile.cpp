#include "settings/IniFile.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/DisplayText.h"
#include "platform/DirectoryLock.h"
#include "common/FileUtil.h"
#include "platform/ReplacedFile.h"
#include "common/StringUtil.h"

namespace kv {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Settings and client ini files are small; anything larger is not an ini file
// we should load whole into memory on every call.
constexpr uint64_t kMaxIniBytes = 64ull * 1024 * 1024;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && ToUpperAscii(a) == ToUpperAscii(b);
}

// UTF-16 (without its byte-order mark) to UTF-8; unpaired surrogates become
// U+FFFD and a dangling odd byte is dropped.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size() / 2);
    const size_t units = bytes.size() / 2;
    auto unitAt = [&](size_t i) -> uint32_t {
        const auto b0 = static_cast<unsigned char>(bytes[2 * i]);
        const auto b1 = static_cast<unsigned char>(bytes[2 * i + 1]);
        return bigEndian ? (b0 << 8) | b1 : (b1 << 8) | b0;
    };
    for (size_t i = 0; i < units; ++i) {
        const uint32_t u = unitAt(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const uint32_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF) {
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, u);
        }
    }
    return out;
}

// The file's text with any byte-order mark handled: UTF-16 converted to UTF-8.
// bomPrefix receives the bytes to put back in front when the file is rewritten
// (a UTF-16 file is rewritten as UTF-8 with its mark, as we never write UTF-16).
std::string DecodeIniText(std::string raw, std::string* bomPrefix) {
    std::string prefix;
    std::string text;
    if (raw.size() >= 2 && static_cast<unsigned char>(raw[0]) == 0xFF &&
        static_cast<unsigned char>(raw[1]) == 0xFE) {
        text = Utf16ToUtf8(std::string_view(raw).substr(2), false);
        prefix = kUtf8Bom;
    } else if (raw.size() >= 2 && static_cast<unsigned char>(raw[0]) == 0xFE &&
               static_cast<unsigned char>(raw[1]) == 0xFF) {
        text = Utf16ToUtf8(std::string_view(raw).substr(2), true);
        prefix = kUtf8Bom;
    } else if (std::string_view(raw).substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        text = raw.substr(kUtf8Bom.size());
        prefix = kUtf8Bom;
    } else {
        text = std::move(raw);
    }
    if (bomPrefix) *bomPrefix = prefix;
    return text;
}

// One line of the file: its content and the bytes that ended it ("\r\n", "\n"
// or "" for a last line without an ending).
struct Line {
    std::string content;
    std::string ending;
};

std::vector<Line> SplitLines(const std::string& text) {
    std::vector<Line> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t lf = text.find('\n', pos);
        if (lf == std::string::npos) {
            lines.push_back({text.substr(pos), ""});
            break;
        }
        if (lf > pos && text[lf - 1] == '\r') {
            lines.push_back({text.substr(pos, lf - 1 - pos), "\r\n"});
        } else {
            lines.push_back({text.substr(pos, lf - pos), "\n"});
        }
        pos = lf + 1;
    }
    return lines;
}

// The section name of a header line "[Name]", or nullopt for any other line.
std::optional<std::string_view> SectionOf(std::string_view line) {
    const std::string_view t = TrimBlanks(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    const size_t close = t.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return TrimBlanks(t.substr(1, close - 1));
}

bool IsComment(std::string_view line) {
    const std::string_view t = TrimBlanks(line);
    return !t.empty() && (t.front() == ';' || t.front() == '#');
}

// For a key line "Key = value": the key name (trimmed) and the position of '='.
std::optional<std::pair<std::string_view, size_t>> KeyOf(std::string_view line) {
    if (IsComment(line) || SectionOf(line)) return std::nullopt;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return std::make_pair(TrimBlanks(line.substr(0, eq)), eq);
}

// Where a section and a key sit in the lines; npos for what is missing.
struct Location {
    size_t sectionLine = std::string::npos;
    size_t keyLine = std::string::npos;
    size_t lastContentLine = std::string::npos;  // last non-blank line of the section
};

Location Locate(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
    Location loc;
    size_t i = 0;
    for (; i < lines.size(); ++i) {
        const auto name = SectionOf(lines[i].content);
        if (name && EqualNoCase(*name, section)) break;
    }
    if (i == lines.size()) return loc;
    loc.sectionLine = i;
    loc.lastContentLine = i;
    for (size_t j = i + 1; j < lines.size(); ++j) {
        const std::string_view content = lines[j].content;
        if (SectionOf(content)) break;
        if (!TrimBlanks(content).empty()) loc.lastContentLine = j;
        if (loc.keyLine == std::string::npos) {
            const auto k = KeyOf(content);
            if (k && EqualNoCase(k->first, key)) loc.keyLine = j;
        }
    }
    return loc;
}

std::string CutToSize(std::string_view text, int16_t size) {
    const size_t limit = size > 0 ? static_cast<size_t>(size) : 0;
    return std::string(text.substr(0, std::min(limit, text.size())));
}

std::string ValueOf(std::string_view line, size_t eq) {
    std::string_view value = TrimBlanks(line.substr(eq + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

}  // namespace

std::string ReadIniString(const std::string& section, const std::string& key,
                          const std::string& defaultValue, int16_t size, const std::string& file) {
    if (file.empty() || section.empty() || key.empty()) return CutToSize(defaultValue, size);
    const std::optional<std::string> raw = ReadWholeFile(file, kMaxIniBytes);
    if (!raw) return CutToSize(defaultValue, size);
    const std::vector<Line> lines = SplitLines(DecodeIniText(*raw, nullptr));
    const Location loc = Locate(lines, section, key);
    if (loc.keyLine == std::string::npos) return CutToSize(defaultValue, size);
    const std::string& content = lines[loc.keyLine].content;
    return CutToSize(ValueOf(content, content.find('=')), size);
}

namespace {

// Stores key=stored in section of lines: replaced in place, or appended at the
// end of its section, or in a new section at the end.
void StoreValue(std::vector<Line>& lines, const std::string& section, const std::string& key, const std::string& stored,
                const std::string& eol) {
    const Location loc = Locate(lines, section, key);
    if (loc.keyLine != std::string::npos) {
        std::string& content = lines[loc.keyLine].content;
        content = content.substr(0, content.find('=') + 1) + stored;
        return;
    }
    std::vector<Line> added;
    if (loc.sectionLine == std::string::npos) added.push_back({"[" + section + "]", eol});
    added.push_back({key + "=" + stored, eol});
    const size_t after = loc.sectionLine == std::string::npos ? lines.size() : loc.lastContentLine + 1;
    // The line before the insertion point must end before new lines follow it.
    // A lone CR ending that line stays its content: an LF right after it
    // would turn it into a CR LF ending.
    if (after > 0 && lines[after - 1].ending.empty()) {
        const std::string& last = lines[after - 1].content;
        lines[after - 1].ending = !last.empty() && last.back() == '\r' ? "\r\n" : eol;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(after), added.begin(), added.end());
}

// The text file will hold with values stored in section.
std::expected<std::string, std::string> IniTextWith(const std::string& section, const IniValues& values,
                                                    const std::string& file) {
    if (file.empty() || section.empty()) return std::unexpected("No settings file to write.");
    std::string prefix;
    std::vector<Line> lines;
    if (const std::optional<std::string> raw = ReadWholeFile(file, kMaxIniBytes)) {
        lines = SplitLines(DecodeIniText(*raw, &prefix));
    } else if (FileExists(file)) {
        // Present but unreadable (or too large): never replace it blindly.
        return std::unexpected("Could not write " + file + ": it cannot be read, so its other settings would be lost.");
    }
    // New lines take the file's own line ending; a new file gets CR LF.
    std::string eol = "\r\n";
    for (const Line& line : lines) {
        if (!line.ending.empty()) {
            eol = line.ending;
            break;
        }
    }
    for (const auto& [key, value] : values) {
        if (key.empty()) return std::unexpected("No key to write in " + file + ".");
        // A value never spans lines: whatever follows a line break would become
        // lines of its own in the file.
        StoreValue(lines, section, key, value.substr(0, value.find_first_of("\r\n")), eol);
    }
    std::string out = prefix;
    for (const Line& line : lines) {
        out += line.content;
        out += line.ending;
    }
    return out;
}

std::string Busy(const std::string& file, const LockRefused& refused) {
    std::string who;
    if (const std::optional<LockHolder>& h = refused.holder)
        who = " (" + (h->program.empty() ? "pid" : h->program + ", pid") + " " + std::to_string(h->pid) + ")";
    return "Could not write " + file + ": another program is writing in its directory" + who + ".";
}

}  // namespace

std::expected<PreparedFile, std::string> PrepareIniStrings(const std::string& section, const IniValues& values,
                                                           const std::string& file) {
    const std::expected<std::string, std::string> text = IniTextWith(section, values, file);
    if (!text) return std::unexpected(text.error());
    return PreparedFile::Write(file, *text);
}

std::expected<void, std::string> WriteIniStrings(const std::string& section, const IniValues& values,
                                                 const std::string& file) {
    if (file.empty()) return std::unexpected("No settings file to write.");
    // Another process may be changing another key of the same file: the read
    // and the rename must not interleave with its own.
    const auto lock = DirectoryLock::Take(std::filesystem::path(file).parent_path().string());
    if (!lock) return std::unexpected(Busy(file, lock.error()));
    std::expected<PreparedFile, std::string> prepared = PrepareIniStrings(section, values, file);
    if (!prepared) return std::unexpected(prepared.error());
    return prepared->Commit();
}

bool WriteIniString(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& file) {
    if (key.empty()) return false;
    return WriteIniStrings(section, {{key, value}}, file).has_value();
}

std::string EnsureIniString(const std::string& section, const std::string& key,
                            const std::string& defaultValue, int16_t size, const std::string& file) {
    std::string value = ReadIniString(section, key, "", size, file);
    if (value.empty()) {
        WriteIniString(section, key, defaultValue, file);
        value = ReadIniString(section, key, "", size, file);
        // A settings file that cannot be written leaves the default in effect.
        if (value.empty()) value = CutToSize(defaultValue, size);
    }
    return value;
}

}  // namespace kv
