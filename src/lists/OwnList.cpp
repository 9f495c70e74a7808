#include "lists/OwnList.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <functional>

#include "platform/DirectoryLock.h"
#include "common/FileUtil.h"
#include "platform/ReplacedFile.h"
#include "lists/FakeCatalogue.h"
#include "lists/FakeList.h"
#include "lists/ListShape.h"
#include "lists/ListSources.h"

namespace kv {

namespace {

// The own list is typed by hand, a few hundred lines at most; anything this
// large is not the file this program writes.
constexpr uint64_t kOwnListLimit = uint64_t{64} * 1024 * 1024;

std::string ToUpperHex(const Ed2kHash& hash) {
    std::string hex = hash.ToHex();
    std::transform(hex.begin(), hex.end(), hex.begin(), [](char c) { return c >= 'a' && c <= 'f' ? c - 32 : c; });
    return hex;
}

bool NamesHash(std::string_view line, const Ed2kHash& hash) {
    const size_t comma = line.find(',');
    const auto first = Ed2kHash::FromHex(line.substr(0, comma));
    return first && *first == hash;
}

// The new line for a hash from the line that names it now ("" when none):
// "" removes it, nullopt leaves the file as it is.
using LineFor = std::function<std::optional<std::string>(std::string_view current)>;

// Rewrites path keeping every line that does not name hash, then adds the
// line lineFor gives; the file is read and written under the directory lock.
std::expected<ListEdited, ListEditFailure> Rewrite(const std::string& path, const Ed2kHash& hash,
                                                   const LineFor& lineFor) {
    const auto lock = DirectoryLock::Take(std::filesystem::path(path).parent_path().string());
    if (!lock)
        return std::unexpected(ListEditFailure{lock.error().holder ? ListEditError::Busy : ListEditError::NotWritten,
                                               lock.error().holder, "Could not write file " + path + "."});
    std::string old;
    if (FileExists(path)) {
        auto content = ReadWholeFile(path, kOwnListLimit);
        if (!content) return std::unexpected(ListEditFailure{ListEditError::Unreadable, {}, "Could not read " + path + "."});
        old = std::move(*content);
    }
    ListEdited edit;
    std::string_view current;
    for (size_t start = 0; start < old.size();) {
        const std::string_view line = RecordLine(old, start);
        if (NamesHash(line, hash)) current = line;
        const size_t next = old.find('\n', start);
        start = next == std::string::npos ? old.size() : next + 1;
    }
    const std::optional<std::string> added = lineFor(current);
    if (!added) return edit;  // nothing to change: the file stays as it is
    std::string kept;
    kept.reserve(old.size() + added->size() + 2);
    size_t start = 0;
    while (start < old.size()) {
        const std::string_view line = RecordLine(old, start);
        size_t next = old.find('\n', start);
        next = next == std::string::npos ? old.size() : next + 1;
        if (NamesHash(line, hash)) {
            ++edit.changed;
        } else {
            kept.append(line);
            kept.append("\r\n");
        }
        start = next;
    }
    if (!added->empty()) {
        kept += *added;
        edit.changed = 1;
    }
    if (edit.changed == 0) return edit;
    // The sentence names the file and the system's cause.
    if (auto written = ReplaceFile(path, kept); !written)
        return std::unexpected(ListEditFailure{ListEditError::NotWritten, {}, std::move(written.error())});
    return edit;
}

std::string Printable(std::string_view text) {
    std::string out(text);
    std::replace_if(out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    return out;
}

// A record line's size and description fields.
std::pair<std::string_view, std::string_view> SizeAndDescription(std::string_view line) {
    const size_t first = line.find(',');
    if (first == std::string_view::npos) return {};
    const size_t second = line.find(',', first + 1);
    if (second == std::string_view::npos) return {line.substr(first + 1), {}};
    return {line.substr(first + 1, second - first - 1), line.substr(second + 1)};
}

constexpr std::string_view kSeenAs = "; seen as: ";
constexpr std::string_view kNameSeparator = " | ";
// A record stays one readable line: names beyond these are not added.
constexpr size_t kMostGuardedNames = 16;

}  // namespace

std::string ListLine(const Ed2kHash& hash, std::optional<uint64_t> size, std::string_view description) {
    std::string text(description);
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    return ToUpperHex(hash) + "," + (size ? std::to_string(*size) : std::string()) + "," + text + "\r\n";
}

std::expected<ListEdited, ListEditFailure> MarkFake(const std::string& path, const Ed2kHash& hash, std::optional<uint64_t> size,
                  std::string_view description) {
    const std::string line = ListLine(hash, size, description);
    return Rewrite(path, hash, [&](std::string_view) { return line; });
}

std::expected<ListEdited, ListEditFailure> AllowHash(const std::string& path, const Ed2kHash& hash, std::string_view reason) {
    const std::string line = ToUpperHex(hash) + "," + std::string(kAllowedSizeField) + "," + Printable(reason) + "\r\n";
    return Rewrite(path, hash, [&](std::string_view) { return line; });
}

std::expected<ListEdited, ListEditFailure> UnmarkFake(const std::string& path, const Ed2kHash& hash) {
    return Rewrite(path, hash, [](std::string_view) { return std::string(); });
}

std::string GuardedDescription(const GuardedRecord& record) {
    std::string text = std::string(kGuardedPrefix) + Printable(record.why);
    if (record.names.empty()) return text;
    text += kSeenAs;
    for (size_t i = 0; i < record.names.size(); ++i) {
        if (i > 0) text += kNameSeparator;
        text += Printable(record.names[i]);
    }
    return text;
}

std::optional<GuardedRecord> ParseGuarded(std::string_view description) {
    if (!description.starts_with(kGuardedPrefix)) return std::nullopt;
    description.remove_prefix(std::string_view(kGuardedPrefix).size());
    GuardedRecord record;
    const size_t seen = description.rfind(kSeenAs);
    record.why = std::string(description.substr(0, seen));
    if (seen == std::string_view::npos) return record;
    std::string_view names = description.substr(seen + kSeenAs.size());
    while (!names.empty()) {
        const size_t end = names.find(kNameSeparator);
        record.names.emplace_back(names.substr(0, end));
        if (end == std::string_view::npos) break;
        names.remove_prefix(end + kNameSeparator.size());
    }
    return record;
}

std::expected<ListEdited, ListEditFailure> RecordGuarded(const std::string& path, const Ed2kHash& hash, std::optional<uint64_t> size,
                       std::string_view name, std::string_view why) {
    const std::string shown = Printable(name);
    return Rewrite(path, hash, [&](std::string_view current) -> std::optional<std::string> {
        if (current.empty()) return ListLine(hash, size, GuardedDescription({std::string(why), {shown}}));
        const auto [sizeField, description] = SizeAndDescription(current);
        if (sizeField == kAllowedSizeField) return std::nullopt;  // the user's word: never overruled
        std::optional<GuardedRecord> record = ParseGuarded(description);
        // The user's own mark becomes the guard's, with the user's words as its why.
        if (!record) record = GuardedRecord{std::string(description), {}};
        else if (std::ranges::find(record->names, shown) != record->names.end()) return std::nullopt;
        if (record->names.size() >= kMostGuardedNames) return std::nullopt;
        record->names.push_back(shown);
        uint64_t written = 0;
        const auto [end, ec] = std::from_chars(sizeField.data(), sizeField.data() + sizeField.size(), written);
        const bool hasSize = ec == std::errc() && end == sizeField.data() + sizeField.size() && !sizeField.empty();
        const std::string line = ListLine(hash, hasSize ? std::optional<uint64_t>(written) : size, GuardedDescription(*record));
        // A line the lists would not read back is not written: the record as it is keeps the hash out.
        if (line.size() > kMaxRecordLineBytes) return std::nullopt;
        return line;
    });
}

std::unordered_map<Ed2kHash, GuardedRecord> ReadGuarded(const std::string& path) {
    std::unordered_map<Ed2kHash, GuardedRecord> guarded;
    auto content = ReadWholeFile(path, kOwnListLimit);
    if (!content) return guarded;
    for (size_t start = 0; start < content->size();) {
        const std::string_view line = RecordLine(*content, start);
        const size_t comma = line.find(',');
        const auto hash = Ed2kHash::FromHex(line.substr(0, comma));
        if (hash) {
            // The last line of a hash is the one that counts, as in an edit.
            if (auto record = ParseGuarded(SizeAndDescription(line).second)) guarded[*hash] = std::move(*record);
            else guarded.erase(*hash);
        }
        const size_t next = content->find('\n', start);
        start = next == std::string::npos ? content->size() : next + 1;
    }
    return guarded;
}

std::string OwnListLines(const std::string& path) {
    auto content = ReadWholeFile(path, kOwnListLimit);
    if (!content) return "";
    const FakeList list = FakeList::Parse(std::move(*content), kOwnListFileName);
    std::string lines;
    for (size_t i = 0; i < list.size(); ++i) {
        const FakeRecord r = list.record(i);
        if (r.sizeText == kAllowedSizeField) continue;
        // The record's line as written: from its first field to the end of its description.
        const char* end = r.description.data() + r.description.size();
        lines.append(r.hashText.data(), static_cast<size_t>(end - r.hashText.data()));
        lines += "\r\n";
    }
    return lines;
}

}  // namespace kv
