#pragma once

#include <cstdint>
#include "common/Expected.h"
#include <memory>
#include <optional>
#include <span>
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
struct SteadyReading {
    std::optional<std::string> bytes;
    bool changing = false;  // it changed during the read (bytes is empty then)
    FileStamp stamp;        // the file as it was read; readings of the same state compare equal
};
SteadyReading ReadWholeFileSteady(const std::string& path, uint64_t maxBytes = UINT64_MAX);

// A regular file's bytes: a large one mapped read-only (the page cache's own
// pages, no copy and no cleared memory beside them), a small one read. Copies
// share the mapping. A file replaced by rename leaves the mapped one intact;
// one cut short in place while mapped is not supported.
class FileBytes {
public:
    FileBytes() = default;
    explicit FileBytes(std::string bytes) : owned_(std::move(bytes)) {}
    // nullopt when the file cannot be opened or read, is no regular file or
    // is larger than maxBytes (then it is not read at all).
    // A mapping is filled in at once unless populate is false: then pages
    // come as they are first read (Populate asks for the rest later).
    static std::optional<FileBytes> Open(const std::string& path, uint64_t maxBytes = UINT64_MAX,
                                         bool populate = true);
    void Populate() const;
    // Few pages will be read, here and there: only those are mapped as they are.
    void ReadHereAndThere() const;
    std::string_view view() const { return mapped_ ? std::string_view(mapped_.get(), mappedSize_) : owned_; }
    // The file as it was opened (size -1 for bytes that came from no file).
    const FileStamp& stamp() const { return stamp_; }

private:
    std::string owned_;
    std::shared_ptr<const char> mapped_;
    size_t mappedSize_ = 0;
    FileStamp stamp_;
};


bool FileExists(const std::string& path);         // a regular file
// A large buffer about to be filled is faster in 2 MiB pages: a five-hundredth
// of the page faults. Only a hint; the kernel may say no. Below 8 MiB nothing.
void AskForHugePages(void* p, size_t n);

// Whether reading the start of the file would wait for the disk: its first
// bytes are not in memory. false when that cannot be told.
bool ReadWouldWait(const std::string& path);
int64_t FileLength(const std::string& path);      // -1 when missing
bool IsDirectory(const std::string& path);

// Nothing, or why a write failed: a sentence naming the file and the cause
// (the system's words, as strerror gives them).
using WriteOutcome = kv::expected<void, std::string>;

// New content for path, written and flushed to a temporary file beside it but
// not yet in its place: Commit renames it over path. Dropped uncommitted, the
// temporary file is removed. Lets a caller get every write of a change onto
// the disk before any of them takes effect.
class PreparedFile {
public:
    // path may be a symbolic link (a chain of them): the file at its end is
    // replaced, so the link keeps pointing at the new bytes. Refused when that
    // end exists and is no regular file (a device, a FIFO, a directory) or the
    // chain does not end.
    static kv::expected<PreparedFile, std::string> Write(const std::string& path, const std::string& data);
    // The parts one after another. Not durable: not flushed to the disk
    // first, for a file whose loss costs nothing (one checked when read).
    static kv::expected<PreparedFile, std::string> Write(const std::string& path, std::span<const std::string_view> parts,
                                                         bool durable);
    PreparedFile(PreparedFile&& other) noexcept;
    PreparedFile& operator=(PreparedFile&& other) noexcept;
    PreparedFile(const PreparedFile&) = delete;
    PreparedFile& operator=(const PreparedFile&) = delete;
    ~PreparedFile();

    WriteOutcome Commit();
    const std::string& Target() const { return target_; }

private:
    PreparedFile(std::string target, std::string temp) : target_(std::move(target)), temp_(std::move(temp)) {}
    std::string target_;
    std::string temp_;  // empty once committed or moved from
};

// Replaces path with data: written to a temporary file beside it, flushed and
// renamed over the old one, so that a failure leaves the old file as it was and
// no temporary file behind. PreparedFile's rules for links.
WriteOutcome ReplaceFile(const std::string& path, const std::string& data);
WriteOutcome ReplaceFile(const std::string& path, std::span<const std::string_view> parts, bool durable = true);
// The same, for callers that only need to know whether it worked.
bool WriteFileAtomic(const std::string& path, const std::string& data);

bool RemoveFile(const std::string& path);

}  // namespace kv
