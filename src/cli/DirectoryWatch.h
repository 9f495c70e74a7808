#pragma once

#include <string>
#include <utility>
#include <vector>

#include "usecases/Watch.h"

namespace kv::cli {

// Changes to the .met files of some directories, from inotify; SIGINT and SIGTERM
// (blocked by the constructor and taken through a signalfd) stop it. Holds the
// directories' watches only, never a file of them.
class DirectoryWatch : public ChangeSource {
public:
    explicit DirectoryWatch(const std::vector<std::string>& directories);
    ~DirectoryWatch() override;
    DirectoryWatch(const DirectoryWatch&) = delete;
    DirectoryWatch& operator=(const DirectoryWatch&) = delete;

    // "" when watching; else why the watch could not start.
    const std::string& Failure() const { return failure_; }
    Event Wait(int timeoutMs) override;

private:
    int inotify_ = -1;
    int signals_ = -1;
    bool stopped_ = false;
    std::string failure_;
};

// Splits a command line into words as a shell would quote it ('...', "...",
// backslash), without expanding anything; nullopt-like empty result on an
// unterminated quote.
std::vector<std::string> SplitCommand(const std::string& command, bool* ok = nullptr);

// Runs argv (looked up in PATH) with the extra environment variables added,
// signals unblocked, and waits for it. Returns its exit status, or -1 when it
// could not be started.
int RunProgram(const std::vector<std::string>& argv, const std::vector<std::pair<std::string, std::string>>& env);

}  // namespace kv::cli
