#pragma once

#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <string_view>

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


// Every fake record of the list at path as a line with CR LF, in file order
// (the allows are the user's own business); "" when the file is missing or holds none.
[[nodiscard]] std::string OwnListLines(const std::string& path);

}  // namespace kv
