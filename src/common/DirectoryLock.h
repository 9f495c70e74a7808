#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace kv {

// Who holds a directory's lock, as the holder wrote it into the lock file.
struct LockHolder {
    std::string directory;  // absolute, as the lock resolved it
    std::string program;  // empty when the holder had not written it yet
    long pid = 0;
};

// Serialises the processes that write in one directory (the program directory:
// Kestrivane.ini, FAKES.DAT, the own list). An advisory flock on a lock file
// that is never deleted, so every process always locks the same inode.
//
// Re-entrant within a process: a nested lock of the same directory by the
// thread that holds it only counts, as flock would not see a second open file
// description as the same owner. Other threads of the process wait like other
// processes do.
class DirectoryLock {
public:
    static constexpr const char* kFileName = ".kestrivane.lock";

    // Waits up to DefaultWait() for the lock.
    explicit DirectoryLock(const std::string& directory);
    DirectoryLock(const std::string& directory, std::chrono::milliseconds wait);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    bool Held() const { return held_; }
    explicit operator bool() const { return held_; }
    // When the lock was not had because another writer holds it: that writer.
    const std::optional<LockHolder>& Busy() const { return busy_; }

    // 10 s unless set (tests) or given in KESTRIVANE_LOCK_WAIT_MS.
    static std::chrono::milliseconds DefaultWait();
    static void SetDefaultWait(std::chrono::milliseconds wait);
    // The name the holder writes beside its pid ("kestrivane", "kestrivane-cli").
    static void SetProgramName(const std::string& name);

private:
    std::string key_;
    bool held_ = false;
    std::optional<LockHolder> busy_;
};

// The holder that most recently kept this thread from a lock, taken (and so
// forgotten): a write that only reports false is explained by it.
std::optional<LockHolder> TakeLockBusy();

// A lock file's text: "pid program" as the holder writes it.
std::string LockFileText(long pid, const std::string& program);
std::optional<LockHolder> ParseLockFileText(const std::string& text);

}  // namespace kv
