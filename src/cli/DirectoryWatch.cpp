#include "cli/DirectoryWatch.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/signalfd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/StringUtil.h"

extern char** environ;

namespace kv::cli {

namespace {

bool IsMetName(const char* name) {
    const std::string n = ToUpperAscii(name);
    return n.size() >= 4 && n.compare(n.size() - 4, 4, ".MET") == 0;
}

sigset_t StopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

}  // namespace

DirectoryWatch::DirectoryWatch(const std::vector<std::string>& directories) {
    const sigset_t stop = StopSignals();
    sigprocmask(SIG_BLOCK, &stop, nullptr);
    signals_ = signalfd(-1, &stop, SFD_CLOEXEC | SFD_NONBLOCK);
    inotify_ = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    if (signals_ < 0 || inotify_ < 0) {
        failure_ = std::string("Cannot watch for changes: ") + std::strerror(errno);
        return;
    }
    // A download appears (created, or renamed into place) or is written anew.
    for (const std::string& directory : directories) {
        if (inotify_add_watch(inotify_, directory.c_str(), IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE) < 0) {
            failure_ = "Cannot watch " + directory + ": " + std::strerror(errno);
            return;
        }
    }
}

DirectoryWatch::~DirectoryWatch() {
    if (inotify_ >= 0) ::close(inotify_);
    if (signals_ >= 0) {
        // A stop signal that came since is taken as well: the watch is over either way.
        signalfd_siginfo info;
        while (::read(signals_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {}
        ::close(signals_);
    }
    const sigset_t stop = StopSignals();
    sigprocmask(SIG_UNBLOCK, &stop, nullptr);
}

ChangeSource::Event DirectoryWatch::Wait(int timeoutMs) {
    if (!failure_.empty()) return Event::Stopped;
    for (;;) {
        if (stopped_) return Event::Stopped;
        pollfd fds[2] = {{signals_, POLLIN, 0}, {inotify_, POLLIN, 0}};
        const int n = ::poll(fds, 2, timeoutMs);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Event::Stopped;
        if (n == 0) return Event::Quiet;
        if (fds[0].revents & POLLIN) {
            // Taken, or unblocking it in the destructor would end the process after all.
            signalfd_siginfo info;
            while (::read(signals_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {}
            stopped_ = true;
            return Event::Stopped;
        }
        if (fds[1].revents & (POLLERR | POLLHUP)) return Event::Stopped;

        alignas(inotify_event) char buffer[8192];
        bool relevant = false;
        ssize_t got;
        while ((got = ::read(inotify_, buffer, sizeof buffer)) > 0) {
            for (char* p = buffer; p < buffer + got;) {
                const auto* e = reinterpret_cast<const inotify_event*>(p);
                if ((e->mask & IN_Q_OVERFLOW) || (e->len > 0 && IsMetName(e->name))) relevant = true;
                if (e->mask & IN_IGNORED) {
                    failure_ = "The watched directory was removed or unmounted.";
                    return Event::Stopped;
                }
                p += sizeof(inotify_event) + e->len;
            }
        }
        if (relevant) return Event::Changed;
        // Other files changed: keep waiting (a debounce wait may end a little later).
    }
}

std::vector<std::string> SplitCommand(const std::string& command, bool* ok) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (size_t i = 0; i < command.size(); ++i) {
        const char c = command[i];
        if (quote == '\'') {
            if (c == '\'') quote = 0; else word += c;
        } else if (quote == '"') {
            if (c == '"') quote = 0;
            else if (c == '\\' && i + 1 < command.size() && std::strchr("\"\\$`", command[i + 1])) word += command[++i];
            else word += c;
        } else if (c == '\'' || c == '"') {
            quote = c;
            inWord = true;
        } else if (c == '\\' && i + 1 < command.size()) {
            word += command[++i];
            inWord = true;
        } else if (c == ' ' || c == '\t' || c == '\n') {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    if (ok) *ok = quote == 0;
    if (quote != 0) words.clear();
    return words;
}

int RunProgram(const std::vector<std::string>& argv, const std::vector<std::pair<std::string, std::string>>& env) {
    if (argv.empty()) return -1;
    std::vector<std::string> envText;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        bool replaced = false;
        for (const auto& [k, v] : env) replaced = replaced || k == name;
        if (!replaced) envText.push_back(entry);
    }
    for (const auto& [k, v] : env) envText.push_back(k + "=" + v);
    std::vector<char*> envp, args;
    for (auto& e : envText) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> argvCopy = argv;
    for (auto& a : argvCopy) args.push_back(a.data());
    args.push_back(nullptr);

    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t none;
    sigemptyset(&none);
    // The watch blocks its stop signals; the command must get them as usual.
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK);
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, args[0], nullptr, &attr, args.data(), envp.data());
    posix_spawnattr_destroy(&attr);
    if (rc != 0) return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

}  // namespace kv::cli
