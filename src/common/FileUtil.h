#pragma once

#include <cstdint>
#include <expected>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

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

// The whole file, read only if it stayed the same file with the same size and
// change times from before the read to after it. A file another program
// rewrites meanwhile (in place, or by renaming a new one over it) is reported
// as changing instead of being returned half old, half new.
// Which file a path named and in which state: device, inode, size and the
// modification and change times in nanoseconds.
struct FileStamp {
    uint64_t device = 0, inode = 0;
    int64_t size = -1, modified = 0, changed = 0;
    bool operator==(const FileStamp&) const = default;
};
// nullopt when there is nothing at path.
std::optional<FileStamp> StampOfFile(const std::string& path);
struct SteadyReading {
    std::optional<std::string> bytes;
    bool changing = false;  // it changed during the read (bytes is empty then)
    FileStamp stamp;        // the file as it was read; readings of the same state compare equal
};
SteadyReading ReadWholeFileSteady(const std::string& path, uint64_t maxBytes = UINT64_MAX);

bool FileExists(const std::string& path);         // a regular file
// A large buffer about to be filled is faster in 2 MiB pages: a five-hundredth
// of the page faults. Only a hint; the kernel may say no. Below 8 MiB nothing.
void AskForHugePages(void* p, size_t n);

// Whether reading the start of the file would wait for the disk: its first
// bytes are not in memory. false when that cannot be told.
bool ReadWouldWait(const std::string& path);
int64_t FileLength(const std::string& path);      // -1 when missing
bool IsDirectory(const std::string& path);

bool RemoveFile(const std::string& path);

}  // namespace kv
