#include "common/FsPath.h"
#include "platform/DirectoryLock.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

#include "platform/LockFile.h"

namespace kv {

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr auto kDefaultWait = std::chrono::milliseconds(10000);
constexpr auto kPollInterval = std::chrono::milliseconds(20);

// The locks this process holds, by directory. One open lock file per
// directory matters: the system would let a second one of our own wait on the first.
struct Holding {
    std::optional<lockfile::Handle> file;  // none while its thread is still taking the lock
    int depth = 0;
    std::thread::id owner;
};

std::mutex registryMutex;
std::map<std::string, Holding> heldLocks;
std::optional<std::chrono::milliseconds> waitOverride;
std::string programName = "kestrivane";

// A forked child holds none of its parent's locks: its handles share the
// parent's lock, and its writes must wait for the parent like anyone's.
void ForgetInChild() {
    for (auto& [key, holding] : heldLocks)
        if (holding.file) lockfile::Close(*holding.file);
    heldLocks.clear();
    registryMutex.unlock();
}

void WatchForks() {
    static std::once_flag once;
    std::call_once(once, [] {
        lockfile::OnFork([] { registryMutex.lock(); }, [] { registryMutex.unlock(); }, ForgetInChild);
    });
}

// One name per directory however it is spelled ("dir", "dir/", "./dir").
std::string KeyOf(const std::string& directory) {
    std::error_code ec;
    const fs::path canonical = fs::weakly_canonical(fs::absolute(FsPath(directory.empty() ? "." : directory), ec), ec);
    return ec ? directory : PathText(canonical);
}

// First among the threads of this process: true when this thread may go on
// to the file (or holds the lock already, counted in nested).
bool TakeInProcess(const std::string& key, Clock::time_point deadline, bool& nested, std::string& program) {
    const auto self = std::this_thread::get_id();
    for (;;) {
        {
            std::lock_guard lock(registryMutex);
            program = programName;
            auto it = heldLocks.find(key);
            if (it == heldLocks.end()) {
                heldLocks[key] = Holding{std::nullopt, 1, self};
                return true;
            }
            if (it->second.owner == self) {
                ++it->second.depth;
                nested = true;
                return true;
            }
        }
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(kPollInterval);
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

std::expected<DirectoryLock, LockRefused> DirectoryLock::Take(const std::string& directory) {
    return Take(directory, DefaultWait());
}

std::expected<DirectoryLock, LockRefused> DirectoryLock::Take(const std::string& directory,
                                                              std::chrono::milliseconds wait) {
    WatchForks();
    std::string key = KeyOf(directory);
    const auto deadline = Clock::now() + wait;
    bool nested = false;
    std::string program;
    if (!TakeInProcess(key, deadline, nested, program))
        return std::unexpected(LockRefused{LockHolder{key, program, lockfile::ProcessId()}});
    if (nested) return DirectoryLock(std::move(key));
    const auto forget = [&key] {
        std::lock_guard lock(registryMutex);
        heldLocks.erase(key);
    };

    // Then among the processes.
    const std::optional<lockfile::Handle> file = lockfile::Open(PathText(FsPath(key) / kFileName));
    if (!file) {
        forget();
        return std::unexpected(LockRefused{});
    }
    for (;;) {
        const lockfile::Attempt attempt = lockfile::TryLock(*file);
        // A file system without locks cannot serialise; the write goes ahead
        // as it did before there was a lock.
        if (attempt != lockfile::Attempt::HeldElsewhere) break;
        if (Clock::now() >= deadline) {
            LockHolder holder = ParseLockFileText(lockfile::ReadText(*file)).value_or(LockHolder{});
            holder.directory = key;
            lockfile::Close(*file);
            forget();
            return std::unexpected(LockRefused{std::move(holder)});
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    lockfile::WriteText(*file, LockFileText(lockfile::ProcessId(), program));
    {
        std::lock_guard lock(registryMutex);
        heldLocks[key].file = file;
    }
    return DirectoryLock(std::move(key));
}

DirectoryLock::DirectoryLock(DirectoryLock&& other) noexcept : key_(std::exchange(other.key_, {})) {}

DirectoryLock::~DirectoryLock() {
    if (key_.empty()) return;
    std::lock_guard lock(registryMutex);
    auto it = heldLocks.find(key_);
    if (it == heldLocks.end() || --it->second.depth > 0) return;
    if (it->second.file) lockfile::Release(*it->second.file);
    heldLocks.erase(it);
}

}  // namespace kv
