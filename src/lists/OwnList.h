#pragma once

#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/DirectoryLock.h"
#include "ed2k/Ed2kHash.h"

namespace kv {

// The user's own list: beside FAKES.DAT, in the same line format, and never
// touched by an update, so that what the user marked survives every update.
inline constexpr const char* kOwnListFileName = "MYFAKES.DAT";
// Put before the description of a fake the own list names, so the row says whose judgement it is.
inline constexpr const char* kOwnListPrefix = "[mine] ";

// "hash,size,description" with CR LF; the hash in upper case, line breaks of
// the description turned into blanks so that one mark stays one line.
[[nodiscard]] std::string ListLine(const Ed2kHash& hash, std::optional<uint64_t> size, std::string_view description);

struct ListEdited {
    size_t changed = 0;  // records added, replaced or removed (0: the file stays as it was)
};

enum class ListEditError { Busy, Unreadable, NotWritten };

struct ListEditFailure {
    ListEditError kind = ListEditError::NotWritten;
    std::optional<LockHolder> busy;  // Busy: who holds the directory
    std::string failure;             // why the file could not be read or written, in a sentence
};

// Adds a record for hash to the list at path, or replaces the record that
// names it already; the file is rewritten atomically.
[[nodiscard]] std::expected<ListEdited, ListEditFailure> MarkFake(const std::string& path, const Ed2kHash& hash,
                                                                 std::optional<uint64_t> size,
                                                                 std::string_view description);
// Records that the user judges hash not a fake ("hash,allowed,reason"), replacing a mark of it.
[[nodiscard]] std::expected<ListEdited, ListEditFailure> AllowHash(const std::string& path, const Ed2kHash& hash,
                                                                  std::string_view reason);
// Removes every record whose first field is hash (marks and allows); changed 0 when none did.
[[nodiscard]] std::expected<ListEdited, ListEditFailure> UnmarkFake(const std::string& path, const Ed2kHash& hash);


// The guard's record of a hash it keeps out of the client: why, and every
// name the download came under ("guarded: WHY; seen as: NAME | NAME").
inline constexpr const char* kGuardedPrefix = "guarded: ";
struct GuardedRecord {
    std::string why;
    std::vector<std::string> names;
    bool operator==(const GuardedRecord&) const = default;
};
std::string GuardedDescription(const GuardedRecord& record);
// nullopt for a description the guard did not write.
std::optional<GuardedRecord> ParseGuarded(std::string_view description);

// That the guard kept hash out, seen under name, because of why: a new
// record, or name added to the guard's record of it (changed 0 when the
// record has it already). A record allowing the hash stays as it is; the
// user's own mark becomes the guard's with the user's words as its why.
[[nodiscard]] std::expected<ListEdited, ListEditFailure> RecordGuarded(const std::string& path, const Ed2kHash& hash, std::optional<uint64_t> size,
                       std::string_view name, std::string_view why);
// Every hash the guard keeps out, from the list at path (empty when it cannot be read).
std::unordered_map<Ed2kHash, GuardedRecord> ReadGuarded(const std::string& path);

// Every fake record of the list at path as a line with CR LF, in file order
// (the allows are the user's own business); "" when the file is missing or holds none.
[[nodiscard]] std::string OwnListLines(const std::string& path);

}  // namespace kv
