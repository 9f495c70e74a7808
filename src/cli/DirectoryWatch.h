#pragma once

#include <sys/types.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "usecases/Watch.h"

namespace kv::cli {

using Say = std::function<void(const std::string&)>;
using Environment = std::vector<std::pair<std::string, std::string>>;

// The --exec commands, one at a time, without holding up the watch: each in
// its own process group with its standard output on our standard error (never
// among the findings on standard output), ended when it runs too long.
class CommandQueue {
public:
    static constexpr int kStopGraceMs = 3000;  // SIGTERM first, SIGKILL this long after
    static constexpr size_t kMaxWaiting = 1000;

    CommandQueue(int timeoutMs, Say say) : timeoutMs_(timeoutMs), say_(std::move(say)) {}
    ~CommandQueue() { StopAll(); }
    CommandQueue(const CommandQueue&) = delete;
    CommandQueue& operator=(const CommandQueue&) = delete;

    void Add(std::vector<std::string> argv, Environment env);
    // What to poll while a command runs (-1: none, or poll PollMs instead).
    int Fd() const { return pidfd_; }
    // How long a wait may last before Service is due (-1: without limit).
    int PollMs() const;
    // Reaps a command that ended, ends one past its time, starts the next.
    void Service();
    // Ends the running command (SIGTERM, SIGKILL after kStopGraceMs) and drops the waiting ones.
    void StopAll();
    bool Idle() const { return pid_ < 0 && waiting_.empty(); }

private:
    struct Command {
        std::vector<std::string> argv;
        Environment env;
    };
    void Start();
    bool Reap(bool block);
    void Signal(int sig) const;

    int timeoutMs_;
    Say say_;
    std::deque<Command> waiting_;
    std::string running_;  // its program's name
    pid_t pid_ = -1;
    int pidfd_ = -1;
    int64_t deadline_ = 0, killAt_ = -1;
    size_t dropped_ = 0;
};

// Changes to the followed directories, from inotify; SIGINT and SIGTERM stop
// it (and the commands), SIGHUP asks for the settings and lists again (all
// blocked by the constructor and taken through a signalfd). Directories are
// followed by path: one removed, renamed away, replaced or mounted over is
// followed anew once a directory is at its path again, and that is said.
class DirectoryWatch : public ChangeSource {
public:
    DirectoryWatch(Say say, CommandQueue* commands);
    ~DirectoryWatch() override;
    DirectoryWatch(const DirectoryWatch&) = delete;
    DirectoryWatch& operator=(const DirectoryWatch&) = delete;

    // "" when watching; else why the watch could not start.
    const std::string& Failure() const { return failure_; }
    void Follow(const std::vector<FollowedDirectory>& directories) override;
    Changes Wait(int timeoutMs) override;

private:
    struct Followed {
        FollowedDirectory what;
        int wd = -1;  // -1: not there now
        dev_t device = 0;
        ino_t inode = 0;
    };
    bool Arm(Followed& f);
    void Disarm(Followed& f);
    void CheckPaths(Changes& changes);
    bool ReadEvents(Changes& changes);
    void TakeSignals(Changes& changes);
    void Event(int wd, uint32_t mask, const char* name, Changes& changes);

    Say say_;
    CommandQueue* commands_;
    int inotify_ = -1;
    int signals_ = -1;
    std::vector<Followed> followed_;
    int64_t nextPathCheck_ = 0;
    std::string failure_;
};

// Splits a command line into words as a shell would quote it ('...', "...",
// backslash), without expanding anything; nullopt-like empty result on an
// unterminated quote.
std::vector<std::string> SplitCommand(const std::string& command, bool* ok = nullptr);

}  // namespace kv::cli
