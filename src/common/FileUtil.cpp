#include "FileUtil.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv {

namespace fs = std::filesystem;

namespace {

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

// A large buffer is filled faster in 2 MiB pages: a five-hundredth of the page
// faults. Only a hint; the kernel may say no.
void AskForHugePages(char* p, size_t n) {
    constexpr uintptr_t kHuge = uintptr_t{2} << 20;
    if (n < 4 * kHuge) return;
    const uintptr_t from = (reinterpret_cast<uintptr_t>(p) + kHuge - 1) & ~(kHuge - 1);
    const uintptr_t to = (reinterpret_cast<uintptr_t>(p) + n) & ~(kHuge - 1);
    if (to > from) ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
}

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
    struct stat st {};
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
    struct stat st {};
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

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

int64_t FileLength(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return -1;
    const auto size = fs::file_size(path, ec);
    return ec ? -1 : static_cast<int64_t>(size);
}

bool IsDirectory(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

namespace {

// Where a write to path lands: the end of its chain of symbolic links, so that
// a link the user made (to a shared list, say) keeps pointing at the new bytes.
std::string WriteTarget(const std::string& path) {
    fs::path target(path);
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(target, ec)); ++hops) {
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target.string();
}

}  // namespace

bool WriteFileAtomic(const std::string& path, const std::string& data) {
    const std::string target = WriteTarget(path);
    const std::string temp = target + ".tmp-" + std::to_string(::getpid());
    // A file being replaced keeps its permissions (read-only, private) and,
    // where we may, its owner.
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = true;
    if (replacing) {
        if (::fchmod(fd, old.st_mode & 07777) != 0) ok = false;
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
            [[maybe_unused]] const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
        }
    }
    size_t written = 0;
    while (ok && written < data.size()) {
        const ssize_t n = ::write(fd, data.data() + written, data.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        written += static_cast<size_t>(n);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok && std::rename(temp.c_str(), target.c_str()) != 0) ok = false;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

bool RemoveFile(const std::string& path) {
    std::error_code ec;
    return fs::remove(path, ec);
}

}  // namespace kv
