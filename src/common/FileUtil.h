#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kv {

// The whole file as bytes; nullopt when it cannot be opened or read, or when it
// is larger than maxBytes (then it is not read at all).
std::optional<std::string> ReadWholeFile(const std::string& path,
                                         uint64_t maxBytes = UINT64_MAX);
// The same into data, whose memory is reused: false where ReadWholeFile gives
// nullopt (data then holds nothing of use). One read call for a file that does
// not grow while it is read.
bool ReadFileInto(const std::string& path, uint64_t maxBytes, std::string& data);

// At most the first maxBytes of a regular file; nullopt when it cannot be
// opened or read.
std::optional<std::string> ReadFileHead(const std::string& path, uint64_t maxBytes);

bool FileExists(const std::string& path);         // a regular file
int64_t FileLength(const std::string& path);      // -1 when missing
bool IsDirectory(const std::string& path);

// Replaces path with data: written to a temporary file beside it, flushed and
// renamed over the old one, so that a failure leaves the old file as it was.
bool WriteFileAtomic(const std::string& path, const std::string& data);

bool RemoveFile(const std::string& path);

}  // namespace kv
