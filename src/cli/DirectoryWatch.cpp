#include "cli/DirectoryWatch.h"

#include "cli/QmCatalog.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/signalfd.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "common/StringUtil.h"

extern char** environ;

namespace kv::cli {

namespace {

// A directory that is gone is looked for this often; one replaced under the
// same path (or mounted over) is noticed within this time.
constexpr int kPathCheckMs = 1000;
// Events that come together are handed on together: a busy client's saves
// wake the watch a few times a second, not once for every file.
constexpr int kGatherMs = 50;

int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool IsMetName(const char* name) {
    const size_t n = std::strlen(name);
    return n > 4 && ToLowerAscii(std::string_view(name + n - 4, 4)) == ".met";
}

sigset_t WatchSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    return set;
}

int PidFd(pid_t pid) {
#ifdef SYS_pidfd_open
    return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#else
    (void)pid;
    return -1;
#endif
}

std::string StatusText(const std::string& command, int status) {
    if (WIFEXITED(status))
        return T(QT_TRANSLATE_NOOP("Cli", "--exec: %1 ended with status %2."), {command, std::to_string(WEXITSTATUS(status))});
    if (WIFSIGNALED(status))
        return T(QT_TRANSLATE_NOOP("Cli", "--exec: %1 was ended by signal %2."), {command, std::to_string(WTERMSIG(status))});
    return T(QT_TRANSLATE_NOOP("Cli", "--exec: %1 ended."), {command});
}

std::string DirectoryGone(const std::string& path) {
    return T(QT_TRANSLATE_NOOP("Cli", "The directory %1 is gone; watching for it to come back."), {path});
}

}  // namespace

// ---- CommandQueue ---------------------------------------------------------------

void CommandQueue::Add(std::vector<std::string> argv, Environment env) {
    if (argv.empty()) return;
    if (waiting_.size() >= kMaxWaiting) {
        // A command that keeps failing to keep up must not make the watch grow.
        if (dropped_++ == 0) say_(T(QT_TRANSLATE_NOOP("Cli", "--exec: too many findings waiting for %1; some are not run."), {argv.front()}));
        return;
    }
    waiting_.push_back({std::move(argv), std::move(env)});
    Service();
}

int CommandQueue::PollMs() const {
    if (pid_ < 0) return -1;
    const int64_t due = killAt_ >= 0 ? killAt_ : deadline_;
    const int64_t left = std::max<int64_t>(0, due - NowMs());
    // Without a pidfd the command's end is looked for now and then.
    return static_cast<int>(pidfd_ >= 0 ? left : std::min<int64_t>(left, 50));
}

void CommandQueue::Signal(int sig) const {
    // The whole group: a shell's children end with it.
    if (pid_ > 0 && ::kill(-pid_, sig) != 0) ::kill(pid_, sig);
}

bool CommandQueue::Reap(bool block) {
    int status = 0;
    pid_t r;
    while ((r = ::waitpid(pid_, &status, block ? 0 : WNOHANG)) < 0 && errno == EINTR) {}
    if (r == 0) return false;
    if (r == pid_ && !(WIFEXITED(status) && WEXITSTATUS(status) == 0) && killAt_ < 0)
        say_(StatusText(running_, status));
    if (pidfd_ >= 0) ::close(pidfd_);
    pid_ = pidfd_ = -1;
    killAt_ = -1;
    return true;
}

void CommandQueue::Service() {
    if (pid_ > 0 && !Reap(false)) {
        const int64_t now = NowMs();
        if (killAt_ >= 0 && now >= killAt_) {
            Signal(SIGKILL);
            Reap(true);
        } else if (killAt_ < 0 && now >= deadline_) {
            say_(T(QT_TRANSLATE_NOOP("Cli", "--exec: %1 ran longer than %2 s and is ended."),
                   {running_, std::to_string(timeoutMs_ / 1000)}));
            Signal(SIGTERM);
            killAt_ = now + kStopGraceMs;
        }
    }
    while (pid_ < 0 && !waiting_.empty()) Start();
}

void CommandQueue::Start() {
    Command c = std::move(waiting_.front());
    waiting_.pop_front();
    std::vector<std::string> envText;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        if (std::ranges::none_of(c.env, [&](const auto& kv) { return kv.first == name; })) envText.push_back(entry);
    }
    for (const auto& [k, v] : c.env) envText.push_back(k + "=" + v);
    std::vector<char*> envp, args;
    for (auto& e : envText) envp.push_back(e.data());
    envp.push_back(nullptr);
    for (auto& a : c.argv) args.push_back(a.data());
    args.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&files, STDERR_FILENO, STDOUT_FILENO);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t none;
    sigemptyset(&none);
    // The watch blocks its signals; the command gets them as usual.
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setpgroup(&attr, 0);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, args[0], &files, &attr, args.data(), envp.data());
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&files);
    if (rc != 0) {
        say_(T(QT_TRANSLATE_NOOP("Cli", "--exec: could not start %1."), {c.argv.front()}));
        return;
    }
    pid_ = pid;
    pidfd_ = PidFd(pid);
    running_ = c.argv.front();
    deadline_ = NowMs() + timeoutMs_;
    killAt_ = -1;
}

void CommandQueue::StopAll() {
    if (!waiting_.empty())
        say_(T(QT_TRANSLATE_NOOP("Cli", "--exec: %1 findings not handed on."), {std::to_string(waiting_.size())}));
    waiting_.clear();
    if (pid_ < 0) return;
    killAt_ = NowMs() + kStopGraceMs;
    Signal(SIGTERM);
    while (!Reap(false)) {
        if (NowMs() >= killAt_) {
            Signal(SIGKILL);
            Reap(true);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

// ---- DirectoryWatch ---------------------------------------------------------------

DirectoryWatch::DirectoryWatch(Say say, CommandQueue* commands) : say_(std::move(say)), commands_(commands) {
    const sigset_t watched = WatchSignals();
    sigprocmask(SIG_BLOCK, &watched, nullptr);
    signals_ = signalfd(-1, &watched, SFD_CLOEXEC | SFD_NONBLOCK);
    inotify_ = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    if (signals_ < 0 || inotify_ < 0)
        failure_ = T(QT_TRANSLATE_NOOP("Cli", "Cannot watch for changes: %1"), {std::strerror(errno)});
}

DirectoryWatch::~DirectoryWatch() {
    if (inotify_ >= 0) ::close(inotify_);
    if (signals_ >= 0) {
        // A signal that came since is taken as well: the watch is over either way.
        signalfd_siginfo info;
        while (::read(signals_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {}
        ::close(signals_);
    }
    const sigset_t watched = WatchSignals();
    sigprocmask(SIG_UNBLOCK, &watched, nullptr);
}

bool DirectoryWatch::Arm(Followed& f) {
    struct stat st {};
    if (::stat(f.what.path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    // A file written, renamed in or out, removed; the directory itself going away.
    // Lists are read once complete: their writing is followed too (not the
    // downloads': a temp directory's part files are written all the time).
    uint32_t mask = IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
    if (!f.what.names.empty()) mask |= IN_MODIFY;
    const int wd = inotify_add_watch(inotify_, f.what.path.c_str(), mask);
    if (wd < 0) return false;
    f.wd = wd;
    f.device = st.st_dev;
    f.inode = st.st_ino;
    return true;
}

void DirectoryWatch::Disarm(Followed& f) {
    if (f.wd < 0) return;
    // Another path may share the watch (the same directory named twice).
    const int wd = f.wd;
    f.wd = -1;
    if (std::ranges::none_of(followed_, [&](const Followed& o) { return o.wd == wd; }))
        inotify_rm_watch(inotify_, wd);
}

void DirectoryWatch::Follow(const std::vector<FollowedDirectory>& directories) {
    if (!failure_.empty()) return;
    std::vector<Followed> before = std::move(followed_);
    followed_.clear();
    for (const FollowedDirectory& d : directories) {
        auto old = std::ranges::find_if(before, [&](const Followed& f) { return f.what.path == d.path; });
        if (old != before.end() && old->what == d) {
            followed_.push_back(*old);
            old->wd = -1;  // kept
            continue;
        }
        Followed f{d};
        if (!Arm(f))
            say_(T(QT_TRANSLATE_NOOP("Cli", "The directory %1 is not there; watching for it to appear."), {d.path}));
        followed_.push_back(f);
    }
    for (Followed& f : before) {
        if (f.wd < 0) continue;
        const int wd = f.wd;
        if (std::ranges::none_of(followed_, [&](const Followed& o) { return o.wd == wd; }))
            inotify_rm_watch(inotify_, wd);
    }
    nextPathCheck_ = NowMs() + kPathCheckMs;
}

// Each path against the directory watched under it: one gone is looked for,
// one replaced (or mounted over) is watched anew.
void DirectoryWatch::CheckPaths(Changes& changes) {
    for (Followed& f : followed_) {
        struct stat st {};
        const bool there = ::stat(f.what.path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
        if (f.wd >= 0) {
            if (there && st.st_dev == f.device && st.st_ino == f.inode) continue;
            Disarm(f);
            say_(there ? T(QT_TRANSLATE_NOOP("Cli", "Replaced: %1; watching the new one."), {f.what.path})
                       : DirectoryGone(f.what.path));
        }
        if (there && Arm(f)) {
            say_(T(QT_TRANSLATE_NOOP("Cli", "Watching %1 again."), {f.what.path}));
            changes.relist.push_back(f.what.path);
        }
    }
}

void DirectoryWatch::Event(int wd, uint32_t mask, const char* name, Changes& changes) {
    for (Followed& f : followed_) {
        if (f.wd != wd) continue;
        if (mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED | IN_UNMOUNT)) {
            // Looked at by path at once: a new directory may be there already.
            if (!(mask & IN_IGNORED)) inotify_rm_watch(inotify_, wd);
            for (Followed& o : followed_)
                if (o.wd == wd) o.wd = -1;
            say_(DirectoryGone(f.what.path));
            nextPathCheck_ = 0;
            return;
        }
        if (!name || !*name) continue;
        const bool counts = (f.what.downloads && IsMetName(name)) ||
                            std::ranges::count(f.what.names, std::string_view(name)) > 0;
        if (!counts) continue;
        FileChange::Kind kind = FileChange::Kind::Written;
        if (mask & (IN_DELETE | IN_MOVED_FROM)) kind = FileChange::Kind::Removed;
        else if (mask & IN_MODIFY) kind = FileChange::Kind::Writing;
        changes.files.push_back({f.what.path, name, kind});
    }
}

bool DirectoryWatch::ReadEvents(Changes& changes) {
    alignas(inotify_event) char buffer[16384];
    ssize_t got;
    bool overflow = false;
    while ((got = ::read(inotify_, buffer, sizeof buffer)) > 0) {
        for (char* p = buffer; p < buffer + got;) {
            const auto* e = reinterpret_cast<const inotify_event*>(p);
            if (e->mask & IN_Q_OVERFLOW) overflow = true;
            else Event(e->wd, e->mask, e->len > 0 ? e->name : nullptr, changes);
            p += sizeof(inotify_event) + e->len;
        }
    }
    if (overflow) {
        // Events were lost: every directory is listed again.
        for (const Followed& f : followed_)
            if (f.wd >= 0) changes.relist.push_back(f.what.path);
    }
    return !changes.empty();
}

void DirectoryWatch::TakeSignals(Changes& changes) {
    signalfd_siginfo info;
    while (::read(signals_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        if (info.ssi_signo == SIGHUP) changes.reload = true;
        else changes.stopped = true;
    }
}

Changes DirectoryWatch::Wait(int timeoutMs) {
    Changes changes;
    if (!failure_.empty()) {
        changes.stopped = true;
        return changes;
    }
    int64_t end = timeoutMs < 0 ? -1 : NowMs() + timeoutMs;
    bool gathering = false;
    for (;;) {
        const int64_t now = NowMs();
        if (now >= nextPathCheck_) {
            CheckPaths(changes);
            nextPathCheck_ = now + kPathCheckMs;
        }
        if (!changes.empty() && !gathering) {
            gathering = true;
            end = end < 0 ? now + kGatherMs : std::min(end, now + kGatherMs);
        }
        if (end >= 0 && now >= end) {
            if (gathering) ReadEvents(changes);  // what came meanwhile
            return changes;
        }
        int64_t wake = nextPathCheck_;
        if (end >= 0) wake = std::min(wake, end);
        if (commands_ && commands_->PollMs() >= 0) wake = std::min<int64_t>(wake, now + commands_->PollMs());
        // While gathering, the events wait in the queue and are read at the end.
        pollfd fds[3] = {{signals_, POLLIN, 0}, {gathering ? -1 : inotify_, POLLIN, 0},
                         {commands_ ? commands_->Fd() : -1, POLLIN, 0}};
        const int n = ::poll(fds, 3, static_cast<int>(std::max<int64_t>(0, wake - now)));
        if (n < 0 && errno != EINTR) {
            changes.stopped = true;
            return changes;
        }
        if (fds[0].revents & POLLIN) TakeSignals(changes);
        if (changes.stopped) {
            if (commands_) commands_->StopAll();
            return changes;
        }
        if (commands_) commands_->Service();
        if (fds[1].revents & POLLIN) ReadEvents(changes);
        if (changes.reload) return changes;
    }
}

// ---- Command lines ----------------------------------------------------------------

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

}  // namespace kv::cli
