#include "FileUtil.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <csignal>
#include <mutex>
#include <utility>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/uio.h>
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

}  // namespace

void AskForHugePages(void* start, size_t n) {
    char* p = static_cast<char*>(start);
    constexpr uintptr_t kHuge = uintptr_t{2} << 20;
    if (n < 4 * kHuge) return;
    const uintptr_t from = (reinterpret_cast<uintptr_t>(p) + kHuge - 1) & ~(kHuge - 1);
    const uintptr_t to = (reinterpret_cast<uintptr_t>(p) + n) & ~(kHuge - 1);
    if (to > from) ::madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
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

namespace {

FileStamp StampOf(const struct stat& st) {
    const auto ns = [](const timespec& t) { return int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec; };
    return {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino), static_cast<int64_t>(st.st_size),
            ns(st.st_mtim), ns(st.st_ctim)};
}

}  // namespace

std::optional<FileBytes> FileBytes::Open(const std::string& path, uint64_t maxBytes, bool populate) {
    // Below this, reading costs less than setting up and tearing down a mapping.
    constexpr uint64_t kMappedFrom = uint64_t{1} << 20;
    struct stat st {};
    const int fd = OpenRegular(path, st);
    if (fd < 0) return std::nullopt;
    const auto size = static_cast<uint64_t>(st.st_size);
    void* map = MAP_FAILED;
    if (size >= kMappedFrom && size <= maxBytes && size < SIZE_MAX)
        map = ::mmap(nullptr, static_cast<size_t>(size), PROT_READ, MAP_PRIVATE | (populate ? MAP_POPULATE : 0), fd, 0);
    ::close(fd);
    if (map == MAP_FAILED) {
        std::string bytes;
        if (!ReadFileInto(path, maxBytes, bytes)) return std::nullopt;
        FileBytes file(std::move(bytes));
        file.stamp_ = StampOf(st);
        return file;
    }
    FileBytes file;
    file.stamp_ = StampOf(st);
    const auto length = static_cast<size_t>(size);
    file.mapped_ = std::shared_ptr<const char>(static_cast<const char*>(map),
                                               [length](const char* p) { ::munmap(const_cast<char*>(p), length); });
    file.mappedSize_ = length;
    return file;
}

void FileBytes::Populate() const {
    // Page faults one by one cost more than asking for every page at once; an
    // older kernel without the request just takes the faults.
    if (mapped_) ::madvise(const_cast<char*>(mapped_.get()), mappedSize_, MADV_POPULATE_READ);
}

void FileBytes::ReadHereAndThere() const {
    if (mapped_) ::madvise(const_cast<char*>(mapped_.get()), mappedSize_, MADV_RANDOM);
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

std::string Cause(int err) { return std::strerror(err); }

std::string CouldNotWrite(const std::string& path, const std::string& target, int err) {
    const std::string where = path == target ? path : path + " (a link to " + target + ")";
    return "Could not write " + where + ": " + Cause(err) + ".";
}

const char* KindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISSOCK(mode)) return "a socket";
    return "not a regular file";
}

// By default SIGXFSZ ends the process when a write passes RLIMIT_FSIZE
// (ulimit -f), leaving the temporary file and no word of why. Ignored, the
// write fails with EFBIG and is reported and cleaned up like a full disk. A
// handler someone installed is left alone.
void IgnoreFileSizeSignal() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction current {};
        if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) ::signal(SIGXFSZ, SIG_IGN);
    });
}

// Where a write to path lands: the end of its chain of symbolic links, so that
// a link the user made (to a shared list, say) keeps pointing at the new bytes.
// Only a regular file, or nothing yet, is written there: renaming over a
// device or a FIFO would replace the node itself (FAKES.DAT -> /dev/null run
// as root would replace the system's /dev/null).
kv::expected<std::string, std::string> WriteTarget(const std::string& path) {
    fs::path target(path);
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0) {
            if (errno == ENOENT) return target.string();  // made new (a dangling link gets its file)
            return kv::unexpected(CouldNotWrite(path, target.string(), errno));
        }
        if (S_ISREG(st.st_mode)) return target.string();
        if (!S_ISLNK(st.st_mode)) {
            if (hops == 0) return kv::unexpected("Not writing " + path + ": it is " + KindOf(st.st_mode) + ", not a regular file.");
            return kv::unexpected("Not writing through the link " + path + ": it points to " + target.string() + ", " +
                                   KindOf(st.st_mode) + ", not a regular file.");
        }
        std::error_code ec;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) return kv::unexpected(CouldNotWrite(path, target.string(), ec.value()));
        target = next.is_absolute() ? next : target.parent_path() / next;
        if (hops == 40) return kv::unexpected("Not writing through the link " + path + ": its chain of links does not end.");
    }
}

// A process killed while writing (SIGKILL, a power cut) leaves its temporary
// file; the next writer of the same file removes those of processes gone. Only
// old ones: on a directory shared over the network the pid may be another
// machine's, whose write of a moment ago is still going on.
constexpr auto kStaleTemporaryAge = std::chrono::minutes(10);

void RemoveStaleTemporaries(const std::string& target) {
    const fs::path t(target);
    const std::string prefix = t.filename().string() + ".tmp-";
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(t.parent_path().empty() ? "." : t.parent_path(), ec)) {
        const std::string name = entry.path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0 || name.size() == prefix.size()) continue;
        // "<pid>", or "<pid>.old" for a list kept while its settings are committed.
        std::string pid = name.substr(prefix.size());
        if (pid.size() > 4 && pid.ends_with(".old")) pid.resize(pid.size() - 4);
        if (pid.find_first_not_of("0123456789") != std::string::npos || pid.size() > 9) continue;
        const auto written = fs::last_write_time(entry.path(), ec);
        if (ec || fs::file_time_type::clock::now() - written < kStaleTemporaryAge) continue;
        if (::kill(static_cast<pid_t>(std::stol(pid)), 0) != 0 && errno == ESRCH) ::unlink(entry.path().c_str());
    }
}

// Writes all of data to fd and flushes it; 0, or the errno of the failure.
int WriteAll(int fd, std::string_view data) {
    size_t written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd, data.data() + written, data.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        written += static_cast<size_t>(n);
    }
    return 0;
}

// A file being replaced keeps its permissions (read-only, private) and,
// where we may, its owner; 0 or the errno.
int KeepModeAndOwner(int fd, const std::string& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) return 0;
    if (::fchmod(fd, old.st_mode & 07777) != 0) return errno;
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
        [[maybe_unused]] const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
    }
    return 0;
}

}  // namespace

kv::expected<PreparedFile, std::string> PreparedFile::Write(const std::string& path, const std::string& data) {
    const std::string_view part = data;
    return Write(path, std::span(&part, 1), true);
}

kv::expected<PreparedFile, std::string> PreparedFile::Write(const std::string& path,
                                                            std::span<const std::string_view> parts, bool durable) {
    IgnoreFileSizeSignal();
    const kv::expected<std::string, std::string> target = WriteTarget(path);
    if (!target) return kv::unexpected(target.error());
    RemoveStaleTemporaries(*target);
    const std::string temp = *target + ".tmp-" + std::to_string(::getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) return kv::unexpected(CouldNotWrite(path, *target, errno));
    int err = KeepModeAndOwner(fd, *target);
    for (const std::string_view part : parts)
        if (err == 0) err = WriteAll(fd, part);
    if (err == 0 && durable && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        return kv::unexpected(CouldNotWrite(path, *target, err));
    }
    return PreparedFile(*target, temp);
}

PreparedFile::PreparedFile(PreparedFile&& other) noexcept
    : target_(std::move(other.target_)), temp_(std::exchange(other.temp_, {})) {}

PreparedFile& PreparedFile::operator=(PreparedFile&& other) noexcept {
    if (this != &other) {
        if (!temp_.empty()) ::unlink(temp_.c_str());
        target_ = std::move(other.target_);
        temp_ = std::exchange(other.temp_, {});
    }
    return *this;
}

PreparedFile::~PreparedFile() {
    if (!temp_.empty()) ::unlink(temp_.c_str());
}

WriteOutcome PreparedFile::Commit() {
    if (temp_.empty()) return {};
    const std::string temp = std::exchange(temp_, {});
    if (std::rename(temp.c_str(), target_.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return kv::unexpected(CouldNotWrite(target_, target_, err));
    }
    return {};
}

WriteOutcome ReplaceFile(const std::string& path, const std::string& data) {
    const std::string_view part = data;
    return ReplaceFile(path, std::span(&part, 1));
}

WriteOutcome ReplaceFile(const std::string& path, std::span<const std::string_view> parts, bool durable) {
    kv::expected<PreparedFile, std::string> prepared = PreparedFile::Write(path, parts, durable);
    if (!prepared) return kv::unexpected(prepared.error());
    return prepared->Commit();
}

bool WriteFileAtomic(const std::string& path, const std::string& data) { return ReplaceFile(path, data).has_value(); }

bool RemoveFile(const std::string& path) {
    std::error_code ec;
    return fs::remove(path, ec);
}

}  // namespace kv
