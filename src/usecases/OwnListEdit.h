#pragma once

#include <cstdint>
#include <expected>
#include <optional>
#include <string>

#include "ed2k/Ed2kHash.h"
#include "lists/OwnList.h"
#include "settings/Home.h"

namespace kv {

// A download named by its part (1, 001, 001.part, 001.part.met) in the temp
// directory, or through the stored aMule connection when the temp directory
// has no such part (aMule on another machine); or a hash.
struct DownloadTarget {
    Ed2kHash hash;
    std::optional<uint64_t> size;
    std::string name;  // the download's name, or the hash as given
};

enum class TargetError {
    NotPartOrHash,  // neither a hash of 32 hex digits nor a plain .part.met name
    NoTempDir,      // a part was named and no temp directory is set or given
    NoHash,         // its .part.met holds no ed2k hash (path: the file)
    NoSuchPart,     // no such .part.met (path: the directory)
    NotInAmule,     // no temp directory here, and aMule has no such download (path: where aMule listens)
    AmuleFailed,    // no temp directory here, and aMule could not be asked (path: why, in a line)
};

struct TargetFailure {
    TargetError kind;
    std::string path;
};

[[nodiscard]] std::expected<DownloadTarget, TargetFailure> ResolveDownloadTarget(const ProgramHome& home,
                                                                                 const std::string& target,
                                                                                 std::optional<uint64_t> size,
                                                                                 const std::string& tempDir);

// MYFAKES.DAT in the program directory.
[[nodiscard]] std::string OwnListPath(const ProgramHome& home);

// The target into the own list with reason as its description (replacing a
// record of the same hash); under the program directory's lock.
[[nodiscard]] std::expected<ListEdited, ListEditFailure> MarkInOwnList(const ProgramHome& home,
                                                                      const DownloadTarget& target,
                                                                      const std::string& reason);
// The target recorded as not a fake: from then on it is OK whatever a list, a
// client's signal or a detector says.
[[nodiscard]] std::expected<ListEdited, ListEditFailure> AllowInOwnList(const ProgramHome& home,
                                                                       const DownloadTarget& target,
                                                                       const std::string& reason);
// The target kept out of aMule for good ("and never download it again?"):
// recorded as the guard records a fake, with why and the name it had, so that
// `watch --amule --guard` cancels it whenever it comes back.
[[nodiscard]] std::expected<ListEdited, ListEditFailure> GuardInOwnList(const ProgramHome& home,
                                                                       const DownloadTarget& target,
                                                                       const std::string& why);
// Every own-list record of the hash (marks and allows) removed; changed 0 when none named it.
[[nodiscard]] std::expected<ListEdited, ListEditFailure> UnmarkInOwnList(const ProgramHome& home, const Ed2kHash& hash);

}  // namespace kv
