#include "platform/ReplacedFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <mutex>

namespace kv {

namespace fs = std::filesystem;

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
std::expected<std::string, std::string> WriteTarget(const std::string& path) {
    fs::path target(path);
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0) {
            if (errno == ENOENT) return target.string();  // made new (a dangling link gets its file)
            return std::unexpected(CouldNotWrite(path, target.string(), errno));
        }
        if (S_ISREG(st.st_mode)) return target.string();
        if (!S_ISLNK(st.st_mode)) {
            if (hops == 0) return std::unexpected("Not writing " + path + ": it is " + KindOf(st.st_mode) + ", not a regular file.");
            return std::unexpected("Not writing through the link " + path + ": it points to " + target.string() + ", " +
                                   KindOf(st.st_mode) + ", not a regular file.");
        }
        std::error_code ec;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) return std::unexpected(CouldNotWrite(path, target.string(), ec.value()));
        target = next.is_absolute() ? next : target.parent_path() / next;
        if (hops == 40) return std::unexpected("Not writing through the link " + path + ": its chain of links does not end.");
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

std::expected<PreparedFile, std::string> PreparedFile::Write(const std::string& path, const std::string& data) {
    const std::string_view part = data;
    return Write(path, std::span(&part, 1), true);
}

std::expected<PreparedFile, std::string> PreparedFile::Write(const std::string& path,
                                                            std::span<const std::string_view> parts, bool durable) {
    IgnoreFileSizeSignal();
    const std::expected<std::string, std::string> target = WriteTarget(path);
    if (!target) return std::unexpected(target.error());
    RemoveStaleTemporaries(*target);
    const std::string temp = *target + ".tmp-" + std::to_string(::getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) return std::unexpected(CouldNotWrite(path, *target, errno));
    int err = KeepModeAndOwner(fd, *target);
    for (const std::string_view part : parts)
        if (err == 0) err = WriteAll(fd, part);
    if (err == 0 && durable && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        return std::unexpected(CouldNotWrite(path, *target, err));
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

std::expected<void, std::string> PreparedFile::Commit() {
    if (temp_.empty()) return {};
    const std::string temp = std::exchange(temp_, {});
    if (std::rename(temp.c_str(), target_.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return std::unexpected(CouldNotWrite(target_, target_, err));
    }
    return {};
}

std::expected<void, std::string> ReplaceFile(const std::string& path, const std::string& data) {
    const std::string_view part = data;
    return ReplaceFile(path, std::span(&part, 1));
}

std::expected<void, std::string> ReplaceFile(const std::string& path, std::span<const std::string_view> parts,
                                             bool durable) {
    std::expected<PreparedFile, std::string> prepared = PreparedFile::Write(path, parts, durable);
    if (!prepared) return std::unexpected(prepared.error());
    return prepared->Commit();
}

bool WriteFileAtomic(const std::string& path, const std::string& data) { return ReplaceFile(path, data).has_value(); }

}  // namespace kv
