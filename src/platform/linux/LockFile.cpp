#include "platform/LockFile.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace kv::lockfile {

std::optional<Handle> Open(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) return std::nullopt;
    return fd;
}

// flock, not fcntl locks: those would be dropped when any descriptor of the
// file in this process closes.
Attempt TryLock(Handle file) {
    for (;;) {
        if (::flock(static_cast<int>(file), LOCK_EX | LOCK_NB) == 0) return Attempt::Taken;
        if (errno == EINTR) continue;
        return errno == EWOULDBLOCK ? Attempt::HeldElsewhere : Attempt::Unsupported;
    }
}

std::string ReadText(Handle file) {
    std::string text;
    char buffer[256];
    for (off_t at = 0; text.size() < 4096;) {
        const ssize_t n = ::pread(static_cast<int>(file), buffer, sizeof buffer, at);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        text.append(buffer, static_cast<size_t>(n));
        at += n;
    }
    return text;
}

void WriteText(Handle file, const std::string& text) {
    const int fd = static_cast<int>(file);
    if (::ftruncate(fd, 0) != 0) return;
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = ::pwrite(fd, text.data() + done, text.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<size_t>(n);
    }
}

void Release(Handle file) {
    [[maybe_unused]] const int emptied = ::ftruncate(static_cast<int>(file), 0);
    Close(file);
}

void Close(Handle file) { ::close(static_cast<int>(file)); }

long ProcessId() { return static_cast<long>(::getpid()); }

void OnFork(void (*before)(), void (*parentAfter)(), void (*childAfter)()) {
    ::pthread_atfork(before, parentAfter, childAfter);
}

}  // namespace kv::lockfile
