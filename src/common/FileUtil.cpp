#include "FileUtil.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "common/FsPath.h"
#ifdef _WIN32
#include <io.h>

#include "common/WindowsText.h"
#else
#include <sys/mman.h>
#include <sys/uio.h>
#endif

namespace kv {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
// Only the size is used of what fstat gives.
struct SizeOnly {
    int64_t st_size = 0;
};
using FileStatus = SizeOnly;

int OpenRegular(const std::string& path, FileStatus& st) {
    const int fd = win::OpenForReadingFd(path);
    if (fd < 0) return -1;
    const std::optional<FileStamp> stamp = win::StampOfDescriptor(fd);
    if (!stamp) {
        ::_close(fd);
        return -1;
    }
    st.st_size = stamp->size;
    return fd;
}
#else
using FileStatus = struct stat;

// O_NONBLOCK: opening a FIFO put in a file's place must not wait for a
// writer; only regular files are read at all. -1 otherwise.
int OpenRegular(const std::string& path, struct stat& st) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}
#endif

}  // namespace

void AskForHugePages(void* start, size_t n) {
#ifdef _WIN32
    (void)start;
    (void)n;
#else
    char* p = static_cast<char*>(start);
    constexpr uintptr_t kHuge = uintptr_t{2} << 20;
    if (n < 4 * kHuge) return;
    const uintptr_t from = (reinterpret_cast<uintptr_t>(p) + kHuge - 1) & ~(kHuge - 1);
    const uintptr_t to = (reinterpret_cast<uintptr_t>(p) + n) & ~(kHuge - 1);
    if (to > from) ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#endif
}

namespace {

// Reads up to n bytes into p and returns how many came; failed on an error.
// With stopShort a read that brings fewer bytes than asked ends it: for a
// regular file that is its end, and no further call is needed to see it.
size_t ReadUpTo(int fd, char* p, size_t n, bool stopShort, bool& failed) {
    size_t have = 0;
    while (have < n) {
        const size_t asked = n - have;
        const ssize_t got = ::read(fd, p + have, asked);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            failed = got < 0;
            break;
        }
        have += static_cast<size_t>(got);
        if (stopShort && static_cast<size_t>(got) < asked) break;
    }
    return have;
}

}  // namespace

bool ReadFileInto(const std::string& path, uint64_t maxBytes, std::string& data) {
    FileStatus st {};
    const int fd = OpenRegular(path, st);
    if (fd < 0) return false;
    const auto size = static_cast<uint64_t>(st.st_size);
    if (size > maxBytes || size >= SIZE_MAX) {
        ::close(fd);
        return false;
    }
    // Room for one byte more than fstat says: a read that stops short of it
    // has met the end, so a file is read in one call. The memory is not
    // cleared first; the read fills it.
    bool failed = false;
    data.resize_and_overwrite(static_cast<size_t>(size) + 1, [&](char* p, size_t n) {
        AskForHugePages(p, n);
        return ReadUpTo(fd, p, n, true, failed);
    });
    // Filled: the file grew since fstat; take the rest too, within the bound.
    char buffer[65536];
    bool grew = !failed && data.size() == static_cast<size_t>(size) + 1;
    if (grew && data.size() > maxBytes) failed = true;
    while (grew && !failed) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            failed = n < 0;
            break;
        }
        if (static_cast<uint64_t>(n) > maxBytes - data.size()) failed = true;
        else data.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return !failed;
}

std::optional<std::string> ReadWholeFile(const std::string& path, uint64_t maxBytes) {
    std::string data;
    if (!ReadFileInto(path, maxBytes, data)) return std::nullopt;
    return data;
}

std::optional<std::string> ReadFileHead(const std::string& path, uint64_t maxBytes) {
    FileStatus st {};
    const int fd = OpenRegular(path, st);
    if (fd < 0) return std::nullopt;
    std::string data;
    bool failed = false;
    data.resize_and_overwrite(static_cast<size_t>(std::min<uint64_t>(maxBytes, static_cast<uint64_t>(st.st_size))),
                              [&](char* p, size_t n) { return ReadUpTo(fd, p, n, false, failed); });
    ::close(fd);
    if (failed) return std::nullopt;
    return data;
}

#ifdef _WIN32
std::optional<FileStamp> StampOfFile(const std::string& path) {
    const int fd = win::OpenForReadingFd(path);
    if (fd < 0) return std::nullopt;
    std::optional<FileStamp> stamp = win::StampOfDescriptor(fd);
    ::_close(fd);
    return stamp;
}

SteadyReading ReadWholeFileSteady(const std::string& path, uint64_t maxBytes) {
    SteadyReading r;
    const std::optional<FileStamp> before = StampOfFile(path);
    if (!before) return r;
    std::optional<std::string> bytes = ReadWholeFile(path, maxBytes);
    r.stamp = *before;
    const std::optional<FileStamp> after = StampOfFile(path);
    if (!after || *after != r.stamp || (bytes && static_cast<int64_t>(bytes->size()) != after->size)) {
        r.changing = true;
        return r;
    }
    r.bytes = std::move(bytes);
    return r;
}

// Windows cannot tell without reading.
bool ReadWouldWait(const std::string&) { return false; }
#else
namespace {

FileStamp StampOf(const struct stat& st) {
    const auto ns = [](const timespec& t) { return int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec; };
    return {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino), static_cast<int64_t>(st.st_size),
            ns(st.st_mtim), ns(st.st_ctim)};
}

}  // namespace

std::optional<FileStamp> StampOfFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return StampOf(st);
}

SteadyReading ReadWholeFileSteady(const std::string& path, uint64_t maxBytes) {
    SteadyReading r;
    struct stat before {}, after {};
    if (::stat(path.c_str(), &before) != 0) return r;
    std::optional<std::string> bytes = ReadWholeFile(path, maxBytes);
    r.stamp = StampOf(before);
    if (::stat(path.c_str(), &after) != 0 || StampOf(after) != r.stamp) {
        r.changing = true;
        return r;
    }
    // The bytes read must also be as long as the file was throughout.
    if (bytes && static_cast<int64_t>(bytes->size()) != static_cast<int64_t>(after.st_size)) {
        r.changing = true;
        return r;
    }
    r.bytes = std::move(bytes);
    return r;
}

bool ReadWouldWait(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    char byte;
    iovec one{&byte, 1};
    // RWF_NOWAIT: the read is refused (EAGAIN) rather than waited for.
    const bool waits = ::preadv2(fd, &one, 1, 0, RWF_NOWAIT) < 0 && errno == EAGAIN;
    ::close(fd);
    return waits;
}

#endif

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(FsPath(path), ec);
}

int64_t FileLength(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(FsPath(path), ec)) return -1;
    const auto size = fs::file_size(FsPath(path), ec);
    return ec ? -1 : static_cast<int64_t>(size);
}

bool IsDirectory(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(FsPath(path), ec);
}

bool RemoveFile(const std::string& path) {
    std::error_code ec;
    return fs::remove(FsPath(path), ec);
}

}  // namespace kv
