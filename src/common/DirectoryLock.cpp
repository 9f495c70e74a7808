#include "common/DirectoryLock.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

namespace kv {

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr auto kDefaultWait = std::chrono::milliseconds(10000);
constexpr auto kPollInterval = std::chrono::milliseconds(20);

// The locks this process holds, by directory. The one open file description
// per directory matters: flock would let a second one of our own wait on the first.
struct Holding {
    int fd = -1;  // -1 while its thread is still taking the lock
    int depth = 0;
    std::thread::id owner;
};

std::mutex registryMutex;
std::map<std::string, Holding> heldLocks;
std::optional<std::chrono::milliseconds> waitOverride;
std::string programName = "kestrivane";
thread_local std::optional<LockHolder> lastBusy;

// A forked child holds none of its parent's locks: its descriptors share the
// parent's flock, and its writes must wait for the parent like anyone's.
void ForgetInChild() {
    for (auto& [key, holding] : heldLocks)
        if (holding.fd >= 0) ::close(holding.fd);
    heldLocks.clear();
    registryMutex.unlock();
}

void WatchForks() {
    static std::once_flag once;
    std::call_once(once, [] {
        ::pthread_atfork([] { registryMutex.lock(); }, [] { registryMutex.unlock(); }, ForgetInChild);
    });
}

// One name per directory however it is spelled ("dir", "dir/", "./dir").
std::string KeyOf(const std::string& directory) {
    std::error_code ec;
    const fs::path canonical = fs::weakly_canonical(fs::absolute(directory.empty() ? "." : directory, ec), ec);
    return ec ? directory : canonical.string();
}

std::string ReadAll(int fd) {
    std::string text;
    char buffer[256];
    for (off_t at = 0; text.size() < 4096;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, at);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        text.append(buffer, static_cast<size_t>(n));
        at += n;
    }
    return text;
}

void WriteAll(int fd, const std::string& text) {
    if (::ftruncate(fd, 0) != 0) return;
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = ::pwrite(fd, text.data() + done, text.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<size_t>(n);
    }
}

}  // namespace

std::string LockFileText(long pid, const std::string& program) {
    return std::to_string(pid) + " " + program + "\n";
}

std::optional<LockHolder> ParseLockFileText(const std::string& text) {
    size_t digits = 0;
    while (digits < text.size() && digits < 18 && text[digits] >= '0' && text[digits] <= '9') ++digits;
    if (digits == 0 || digits >= text.size() || text[digits] != ' ') return std::nullopt;
    LockHolder holder;
    holder.pid = std::strtol(text.substr(0, digits).c_str(), nullptr, 10);
    holder.program = text.substr(digits + 1);
    holder.program = holder.program.substr(0, holder.program.find_first_of("\r\n"));
    if (holder.program.size() > 64) holder.program.resize(64);
    return holder;
}

std::chrono::milliseconds DirectoryLock::DefaultWait() {
    std::lock_guard lock(registryMutex);
    if (waitOverride) return *waitOverride;
    if (const char* text = std::getenv("KESTRIVANE_LOCK_WAIT_MS"); text && *text) {
        char* end = nullptr;
        const long ms = std::strtol(text, &end, 10);
        if (*end == '\0' && ms >= 0) return std::chrono::milliseconds(ms);
    }
    return kDefaultWait;
}

void DirectoryLock::SetDefaultWait(std::chrono::milliseconds wait) {
    std::lock_guard lock(registryMutex);
    waitOverride = wait;
}

void DirectoryLock::SetProgramName(const std::string& name) {
    std::lock_guard lock(registryMutex);
    programName = name;
}

DirectoryLock::DirectoryLock(const std::string& directory) : DirectoryLock(directory, DefaultWait()) {}

DirectoryLock::DirectoryLock(const std::string& directory, std::chrono::milliseconds wait) : key_(KeyOf(directory)) {
    WatchForks();
    const auto deadline = Clock::now() + wait;
    const auto self = std::this_thread::get_id();
    std::string program;
    // First among the threads of this process.
    for (;;) {
        {
            std::lock_guard lock(registryMutex);
            program = programName;
            auto it = heldLocks.find(key_);
            if (it == heldLocks.end()) {
                heldLocks[key_] = Holding{-1, 1, self};
                break;
            }
            if (it->second.owner == self) {
                ++it->second.depth;
                held_ = true;
                return;
            }
        }
        if (Clock::now() >= deadline) {
            busy_ = LockHolder{key_, program, static_cast<long>(::getpid())};
            lastBusy = busy_;
            return;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    const auto forget = [this] {
        std::lock_guard lock(registryMutex);
        heldLocks.erase(key_);
    };

    // Then among the processes. A directory where the lock file cannot be made
    // cannot take the file written beside its target either.
    const std::string path = (fs::path(key_) / kFileName).string();
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
        forget();
        return;
    }
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) break;
        if (errno == EINTR) continue;
        // A file system without flock cannot serialise; the write goes ahead
        // as it did before there was a lock.
        if (errno != EWOULDBLOCK) break;
        if (Clock::now() >= deadline) {
            busy_ = ParseLockFileText(ReadAll(fd)).value_or(LockHolder{});
            busy_->directory = key_;
            lastBusy = busy_;
            ::close(fd);
            forget();
            return;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    WriteAll(fd, LockFileText(static_cast<long>(::getpid()), program));
    {
        std::lock_guard lock(registryMutex);
        heldLocks[key_].fd = fd;
    }
    held_ = true;
    lastBusy.reset();
}

DirectoryLock::~DirectoryLock() {
    if (!held_) return;
    std::lock_guard lock(registryMutex);
    auto it = heldLocks.find(key_);
    if (it == heldLocks.end() || --it->second.depth > 0) return;
    // At rest the file names nobody; closing the last descriptor releases the flock.
    [[maybe_unused]] const int emptied = ::ftruncate(it->second.fd, 0);
    ::close(it->second.fd);
    heldLocks.erase(it);
}

std::optional<LockHolder> TakeLockBusy() {
    std::optional<LockHolder> busy = std::move(lastBusy);
    lastBusy.reset();
    return busy;
}

}  // namespace kv
