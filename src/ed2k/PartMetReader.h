#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ed2k/Download.h"

namespace kv {

// Files larger than this are no .part.met and are not read.
inline constexpr uint64_t kMaxPartMetBytes = uint64_t{64} * 1024 * 1024;

// Takes hash, part hashes, name, size and the missing ranges out of the bytes
// of a .part.met. The tags are walked from their count in eMule's and aMule's
// layouts; in the older eDonkey layouts and unknown versions from the name tag.
Download ParsePartMet(std::string_view bytes);
// The same, the part hashes written into spare's buffer: a caller parsing
// thousands hands each download's buffer on to the next.
Download ParsePartMet(std::string_view bytes, std::vector<Ed2kHash>&& spare);

// The download's name ("" when it has none), by the same rule, for the text search.
std::string CutPartMetName(std::string_view bytes);

// Reads and parses one file; nullopt when it cannot be read or is too large.
std::optional<Download> ReadPartMet(const std::string& path);

// The number of a part file as a user names it: "5", "005", "005.part" and
// "005.part.met" all give 5; nullopt for anything else. Every command that
// takes a download resolves it this way.
std::optional<uint32_t> PartNumberOf(std::string_view name);
// The client's name for part file number: 5 -> "005.part.met".
std::string PartMetFileName(uint32_t number);

}  // namespace kv
