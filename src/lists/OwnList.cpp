#include "lists/OwnList.h"

#include <algorithm>
#include <filesystem>

#include "platform/DirectoryLock.h"
#include "common/FileUtil.h"
#include "platform/ReplacedFile.h"
#include "lists/FakeCatalogue.h"
#include "lists/FakeList.h"
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

// Rewrites path keeping every line that does not name hash, then adds `added` (if any).
std::expected<ListEdited, ListEditFailure> Rewrite(const std::string& path, const Ed2kHash& hash,
                                                   const std::string& added) {
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
    std::string kept;
    kept.reserve(old.size() + added.size() + 2);
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
    if (!added.empty()) {
        kept += added;
        edit.changed = 1;
    }
    if (edit.changed == 0) return edit;  // nothing to change: the file stays as it is
    // The sentence names the file and the system's cause.
    if (auto written = ReplaceFile(path, kept); !written)
        return std::unexpected(ListEditFailure{ListEditError::NotWritten, {}, std::move(written.error())});
    return edit;
}

}  // namespace

std::string ListLine(const Ed2kHash& hash, std::optional<uint64_t> size, std::string_view description) {
    std::string text(description);
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    return ToUpperHex(hash) + "," + (size ? std::to_string(*size) : std::string()) + "," + text + "\r\n";
}

std::expected<ListEdited, ListEditFailure> MarkFake(const std::string& path, const Ed2kHash& hash,
                                                    std::optional<uint64_t> size, std::string_view description) {
    return Rewrite(path, hash, ListLine(hash, size, description));
}

std::expected<ListEdited, ListEditFailure> AllowHash(const std::string& path, const Ed2kHash& hash,
                                                     std::string_view reason) {
    std::string text(reason);
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    return Rewrite(path, hash, ToUpperHex(hash) + "," + std::string(kAllowedSizeField) + "," + text + "\r\n");
}

std::expected<ListEdited, ListEditFailure> UnmarkFake(const std::string& path, const Ed2kHash& hash) {
    return Rewrite(path, hash, "");
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
