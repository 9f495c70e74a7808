#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ed2k/Download.h"

namespace kv::inspect {

inline constexpr uint64_t kHeadWindow = 64 * 1024;  // never read more than this
inline constexpr uint64_t kMinHead = 4 * 1024;      // judge nothing on less

// The leading run of bytes of a download that has arrived in its .part file:
// from offset 0 up to the first missing byte (in a gap, or past the .part's
// length), at most kHeadWindow bytes and never past `size`. nullopt when fewer
// than min(size, kMinHead) bytes are there, when size is 0, or when partPath
// is not a readable regular file (directories, FIFOs, sockets are not opened
// for reading, nothing blocks).
//
// Gaps are taken as they come: unsorted, overlapping, reversed (begin > end:
// empty, ignored) or past the size; one pass over them.
std::optional<std::string> ReadArrivedHead(const std::string& partPath, const std::vector<ByteRange>& gaps,
                                           uint64_t size);
// The same, the .part opened by name from the directory dirFd.
std::optional<std::string> ReadArrivedHeadAt(int dirFd, const std::string& partName, const std::vector<ByteRange>& gaps,
                                             uint64_t size);

// "NNN.part.met" (or its ".bak"/".backup") -> "NNN.part", where the client
// writes the download's bytes; "" for a name without ".part.met".
std::string PartPathOf(const std::string& partMetPath);

}  // namespace kv::inspect
