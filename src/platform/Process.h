#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kv {

using Environment = std::vector<std::pair<std::string, std::string>>;

// How a child process ended.
struct ProcessEnd {
    enum class How { Exited, Signalled, Other } how = How::Other;
    int code = 0;  // the exit status, or the signal's number
    bool Succeeded() const { return how == How::Exited && code == 0; }
};

// A program started in a group of its own (so that ending it ends what it
// started), reading nothing, its output on our standard error, with our
// environment and env on top. Ended by the owner; dropped running, it is
// left to run.
class ChildProcess {
public:
    // nullopt when it could not be started.
    [[nodiscard]] static std::optional<ChildProcess> Start(const std::vector<std::string>& argv, const Environment& env);
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    // Its end once it has ended (then reaped); with block, waits for it.
    [[nodiscard]] std::optional<ProcessEnd> Reap(bool block);
    // Asks the whole group to end (a shell's children end with it).
    void Terminate() const;
    // Ends the whole group at once.
    void Kill() const;
    // What a wait can watch for its end; -1 when there is none (look now and then).
    intptr_t EndHandle() const { return endHandle_; }

private:
    ChildProcess(long pid, intptr_t endHandle) : pid_(pid), endHandle_(endHandle) {}
    long pid_ = -1;
    intptr_t endHandle_ = -1;
};

}  // namespace kv
