#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/DirectoryWatch.h"
#include "platform/Process.h"
#include "usecases/Watch.h"

namespace kv::cli {

using Say = std::function<void(const std::string&)>;
using kv::Environment;

// The --exec commands, one at a time, without holding up the watch: each in
// its own process group with its standard output on our standard error (never
// among the findings on standard output), ended when it runs too long.
class CommandQueue : public WaitCompanion {
public:
    static constexpr int kStopGraceMs = 3000;  // asked to end first, killed this long after
    static constexpr size_t kMaxWaiting = 1000;

    CommandQueue(int timeoutMs, Say say) : timeoutMs_(timeoutMs), say_(std::move(say)) {}
    ~CommandQueue() override { StopAll(); }
    CommandQueue(const CommandQueue&) = delete;
    CommandQueue& operator=(const CommandQueue&) = delete;

    void Add(std::vector<std::string> argv, Environment env);
    const ChildProcess* Running() const override { return running_ ? &*running_ : nullptr; }
    // How long a wait may last before Service is due (-1: without limit).
    int DueInMs() const override;
    // Reaps a command that ended, ends one past its time, starts the next.
    void Service() override;
    // Ends the running command (asked, then killed after kStopGraceMs) and drops the waiting ones.
    void StopAll() override;
    bool Idle() const { return !running_ && waiting_.empty(); }

private:
    struct Command {
        std::vector<std::string> argv;
        Environment env;
    };
    void Start();
    bool Reap(bool block);

    int timeoutMs_;
    Say say_;
    std::deque<Command> waiting_;
    std::optional<ChildProcess> running_;
    std::string runningName_;  // its program's name
    int64_t deadline_ = 0, killAt_ = -1;
    size_t dropped_ = 0;
};

// The watch's changes from the system's directory watch, its notes worded
// for the command line.
class DirectoryWatch : public ChangeSource {
public:
    DirectoryWatch(Say say, CommandQueue* commands);

    // "" when watching; else why the watch could not start.
    const std::string& Failure() const { return failure_; }
    void Follow(const std::vector<FollowedDirectory>& directories) override;
    Changes Wait(int timeoutMs) override;
    int RequestFd() const override { return watch_ ? watch_->RequestFd() : -1; }

private:
    std::unique_ptr<kv::DirectoryWatch> watch_;
    std::string failure_;
};

// Splits a command line into words as a shell would quote it ('...', "...",
// backslash), without expanding anything; nullopt-like empty result on an
// unterminated quote.
std::vector<std::string> SplitCommand(const std::string& command, bool* ok = nullptr);

}  // namespace kv::cli
