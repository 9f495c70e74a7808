#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "platform/DirectoryLock.h"

namespace kv::test {

// A child process that takes the directory's lock under the given program name
// and keeps it until it is killed; its pid, or -1 when it could not take the lock.
inline pid_t HoldLock(const std::string& dir, const char* programName) {
    int ready[2];
    if (::pipe(ready) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        DirectoryLock::SetProgramName(programName);
        const auto lock = DirectoryLock::Take(dir, std::chrono::milliseconds(0));
        [[maybe_unused]] const ssize_t sent = ::write(ready[1], lock ? "y" : "n", 1);
        for (;;) ::pause();
    }
    char state = 0;
    const bool held = ::read(ready[0], &state, 1) == 1 && state == 'y';
    ::close(ready[0]), ::close(ready[1]);
    if (!held) ::kill(pid, SIGKILL), ::waitpid(pid, nullptr, 0);
    return held ? pid : -1;
}

}  // namespace kv::test
