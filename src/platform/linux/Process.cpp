#include "platform/Process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

extern char** environ;

namespace kv {

namespace {

int PidFd(pid_t pid) {
#ifdef SYS_pidfd_open
    return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#else
    (void)pid;
    return -1;
#endif
}

}  // namespace

std::optional<ChildProcess> ChildProcess::Start(const std::vector<std::string>& argv, const Environment& env) {
    if (argv.empty()) return std::nullopt;
    std::vector<std::string> envText;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        if (std::ranges::none_of(env, [&](const auto& kv) { return kv.first == name; })) envText.push_back(entry);
    }
    for (const auto& [k, v] : env) envText.push_back(k + "=" + v);
    std::vector<char*> envp, args;
    for (auto& e : envText) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> words = argv;
    for (auto& a : words) args.push_back(a.data());
    args.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&files, STDERR_FILENO, STDOUT_FILENO);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t none;
    sigemptyset(&none);
    // A watch blocks its signals; the child gets them as usual.
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setpgroup(&attr, 0);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, args[0], &files, &attr, args.data(), envp.data());
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&files);
    if (rc != 0) return std::nullopt;
    return ChildProcess(static_cast<long>(pid), PidFd(pid));
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : pid_(std::exchange(other.pid_, -1)), endHandle_(std::exchange(other.endHandle_, -1)) {}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
    if (this != &other) {
        if (endHandle_ >= 0) ::close(static_cast<int>(endHandle_));
        pid_ = std::exchange(other.pid_, -1);
        endHandle_ = std::exchange(other.endHandle_, -1);
    }
    return *this;
}

ChildProcess::~ChildProcess() {
    if (endHandle_ >= 0) ::close(static_cast<int>(endHandle_));
}

std::optional<ProcessEnd> ChildProcess::Reap(bool block) {
    if (pid_ <= 0) return ProcessEnd{};
    int status = 0;
    pid_t r;
    while ((r = ::waitpid(static_cast<pid_t>(pid_), &status, block ? 0 : WNOHANG)) < 0 && errno == EINTR) {}
    if (r == 0) return std::nullopt;
    ProcessEnd end;
    if (r != static_cast<pid_t>(pid_)) end = {ProcessEnd::How::Exited, 0};  // gone, its status not ours to tell
    else if (WIFEXITED(status)) end = {ProcessEnd::How::Exited, WEXITSTATUS(status)};
    else if (WIFSIGNALED(status)) end = {ProcessEnd::How::Signalled, WTERMSIG(status)};
    pid_ = -1;
    return end;
}

namespace {
void SignalGroup(long pid, int sig) {
    // The whole group: a shell's children end with it.
    if (pid > 0 && ::kill(-static_cast<pid_t>(pid), sig) != 0) ::kill(static_cast<pid_t>(pid), sig);
}
}  // namespace

void ChildProcess::Terminate() const { SignalGroup(pid_, SIGTERM); }

void ChildProcess::Kill() const { SignalGroup(pid_, SIGKILL); }

}  // namespace kv
