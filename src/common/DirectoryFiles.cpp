#include "common/DirectoryFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#ifdef _WIN32
#include <io.h>

#include <mutex>
#include <vector>

#include "common/Paths.h"
#include "common/WindowsText.h"
#endif

namespace kv {

namespace {

// Reads into p[have, n) until a full buffer or a read that stops short of it:
// a regular file's read does so only at its end, so a file that fits costs
// one call. False on an error.
bool ReadInto(int fd, char* p, size_t n, size_t& have) {
    while (have < n) {
        const size_t asked = n - have;
        const ssize_t got = ::read(fd, p + have, asked);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        have += static_cast<size_t>(got);
        if (static_cast<size_t>(got) < asked) break;
    }
    return true;
}

// A regular file's size, or -1.
int64_t RegularSize(int fd) {
#ifdef _WIN32
    const std::optional<FileStamp> stamp = win::StampOfDescriptor(fd);
    return stamp ? stamp->size : -1;
#else
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    return std::max<off_t>(st.st_size, 0);
#endif
}

}  // namespace

#ifdef _WIN32
namespace {

// The paths of the handles that live, by number; a freed number is reused.
struct HeldDirectories {
    std::mutex lock;
    std::vector<std::string> paths;  // "" where free
};

HeldDirectories& Held() {
    static HeldDirectories held;
    return held;
}

}  // namespace

DirectoryHandle::DirectoryHandle(const std::string& path) {
    if (!IsDirectory(path)) return;
    HeldDirectories& held = Held();
    const std::lock_guard guard(held.lock);
    const auto free = std::find(held.paths.begin(), held.paths.end(), std::string());
    fd_ = static_cast<int>(free - held.paths.begin());
    if (free == held.paths.end()) held.paths.push_back(path);
    else *free = path;
}

DirectoryHandle::~DirectoryHandle() {
    if (fd_ < 0) return;
    HeldDirectories& held = Held();
    const std::lock_guard guard(held.lock);
    held.paths[static_cast<size_t>(fd_)].clear();
}

int OpenForReadingAt(int dirFd, const char* name) {
    if (dirFd == AT_FDCWD) return win::OpenForReadingFd(name);
    std::string path;
    {
        HeldDirectories& held = Held();
        const std::lock_guard guard(held.lock);
        if (dirFd < 0 || static_cast<size_t>(dirFd) >= held.paths.size()) return -1;
        path = JoinPath(held.paths[static_cast<size_t>(dirFd)], name);
    }
    return win::OpenForReadingFd(path);
}

long long ReadAtOffset(int fd, char* p, size_t n, uint64_t offset) { return win::ReadAt(fd, p, n, offset); }
#else
DirectoryHandle::DirectoryHandle(const std::string& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}

DirectoryHandle::~DirectoryHandle() {
    if (fd_ >= 0) ::close(fd_);
}

int OpenForReadingAt(int dirFd, const char* name) {
    return ::openat(dirFd, name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

long long ReadAtOffset(int fd, char* p, size_t n, uint64_t offset) {
    return ::pread(fd, p, n, static_cast<off_t>(offset));
}
#endif

bool ReadFileAt(int dirFd, const char* name, uint64_t maxBytes, std::string& data) {
    // Most .part.met files are a few KiB: this much is read in one call.
    constexpr size_t kFirstRead = size_t{64} << 10;
    const int fd = OpenForReadingAt(dirFd, name);
    if (fd < 0) return false;
    bool ok = true;
    size_t have = 0;
    size_t room = std::max(data.capacity(), kFirstRead);
    for (;;) {
        // Not cleared first: the reads fill it, and it is cut to what came.
        data.resize_and_overwrite(room, [&](char* p, size_t n) {
            ok = ReadInto(fd, p, n, have);
            return have;
        });
        // Nothing at all is rare enough to ask whether it was a file (a FIFO
        // without a writer reads as empty).
        if (have == 0 && ok) ok = RegularSize(fd) >= 0;
        if (!ok || have < room) break;
        // Full: the file may go on. Only now its size and kind are asked for.
        const int64_t regular = RegularSize(fd);
        if (regular < 0 || have > maxBytes) {
            ok = false;
            break;
        }
        const auto size = static_cast<uint64_t>(regular);
        if (size > maxBytes) {
            ok = false;
            break;
        }
        // One byte past the size: a file that grew meanwhile fills it and is asked again.
        room = std::max<size_t>(static_cast<size_t>(size) + 1, room * 2);
        if (room > maxBytes) room = static_cast<size_t>(maxBytes) + 1;  // a byte past the bound tells it was passed
    }
    ::close(fd);
    return ok && have <= maxBytes;
}

}  // namespace kv
