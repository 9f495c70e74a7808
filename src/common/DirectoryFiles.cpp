#include "common/DirectoryFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

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

}  // namespace

DirectoryHandle::DirectoryHandle(const std::string& path)
    : fd_(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}

DirectoryHandle::~DirectoryHandle() {
    if (fd_ >= 0) ::close(fd_);
}

int OpenForReadingAt(int dirFd, const char* name) {
    return ::openat(dirFd, name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

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
        if (have == 0 && ok) {
            struct stat st {};
            ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
        }
        if (!ok || have < room) break;
        // Full: the file may go on. Only now its size and kind are asked for.
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || have > maxBytes) {
            ok = false;
            break;
        }
        const auto size = static_cast<uint64_t>(std::max<off_t>(st.st_size, 0));
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
