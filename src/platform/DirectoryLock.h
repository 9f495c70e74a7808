#pragma once

#include <chrono>
#include <expected>
#include <optional>
#include <string>
#include <utility>

namespace kv {

// Who holds a directory's lock, as the holder wrote it into the lock file.
struct LockHolder {
    std::string directory;  // absolute, as the lock resolved it
    std::string program;  // empty when the holder had not written it yet
    long pid = 0;
};

// Why a lock was not had: another writer holds it (holder), or no lock file
// can be made there (no such directory, no permission: no holder), which a
// write there then reports with the system's own cause.
struct LockRefused {
    std::optional<LockHolder> holder;
};

// Serialises the processes that write in one directory (the program directory:
// Kestrivane.ini, FAKES.DAT, the own list), through a lock file that is never
// deleted, so that every process always locks the same file.
//
// Re-entrant within a process: a nested lock of the same directory by the
// thread that holds it only counts. Other threads of the process wait like
// other processes do.
class DirectoryLock {
public:
    static constexpr const char* kFileName = ".kestrivane.lock";

    // The lock, waited for up to DefaultWait() (or wait), or why not.
    [[nodiscard]] static std::expected<DirectoryLock, LockRefused> Take(const std::string& directory);
    [[nodiscard]] static std::expected<DirectoryLock, LockRefused> Take(const std::string& directory,
                                                                        std::chrono::milliseconds wait);
    DirectoryLock(DirectoryLock&& other) noexcept;
    DirectoryLock& operator=(DirectoryLock&&) = delete;
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;
    ~DirectoryLock();

    // 10 s unless set (tests) or given in KESTRIVANE_LOCK_WAIT_MS.
    static std::chrono::milliseconds DefaultWait();
    static void SetDefaultWait(std::chrono::milliseconds wait);
    // The name the holder writes beside its pid ("kestrivane", "kestrivane-cli").
    static void SetProgramName(const std::string& name);

private:
    explicit DirectoryLock(std::string key) : key_(std::move(key)) {}
    std::string key_;  // empty once moved from
};

// A lock file's text: "pid program" as the holder writes it.
std::string LockFileText(long pid, const std::string& program);
std::optional<LockHolder> ParseLockFileText(const std::string& text);

}  // namespace kv
