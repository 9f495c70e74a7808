#include "platform/DirectoryWatch.h"

#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/signalfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "common/StringUtil.h"
#include "platform/Process.h"

namespace kv {

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

// Stop and reload requests, taken as events: blocked while the watch lives
// and read from a signalfd.
class StopSignals {
public:
    StopSignals() {
        const sigset_t watched = WatchSignals();
        sigprocmask(SIG_BLOCK, &watched, nullptr);
        fd_ = signalfd(-1, &watched, SFD_CLOEXEC | SFD_NONBLOCK);
    }
    ~StopSignals() {
        if (fd_ >= 0) {
            // A signal that came since is taken as well: the watch is over either way.
            signalfd_siginfo info;
            while (::read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {}
            ::close(fd_);
        }
        const sigset_t watched = WatchSignals();
        sigprocmask(SIG_UNBLOCK, &watched, nullptr);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;
    int Fd() const { return fd_; }
    void Take(WatchEvents& events) const {
        signalfd_siginfo info;
        while (::read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
            if (info.ssi_signo == SIGHUP) events.reload = true;
            else events.stopped = true;
        }
    }

private:
    int fd_ = -1;
};

class InotifyWatch final : public DirectoryWatch {
public:
    InotifyWatch(Say say, WaitCompanion* companion) : say_(std::move(say)), companion_(companion) {
        inotify_ = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
        if (signals_.Fd() < 0 || inotify_ < 0) failure_ = std::strerror(errno);
    }
    ~InotifyWatch() override {
        if (inotify_ >= 0) ::close(inotify_);
    }
    const std::string& Failure() const override { return failure_; }
    void Follow(const std::vector<WatchedDirectory>& directories) override;
    WatchEvents Wait(int timeoutMs) override;
    int RequestFd() const override { return signals_.Fd(); }

private:
    struct Followed {
        WatchedDirectory what;
        int wd = -1;  // -1: not there now
        dev_t device = 0;
        ino_t inode = 0;
    };
    bool Arm(Followed& f);
    void Disarm(Followed& f);
    void CheckPaths(WatchEvents& events);
    void ReadEvents(WatchEvents& events);
    void Event(int wd, uint32_t mask, const char* name, WatchEvents& events);

    Say say_;
    WaitCompanion* companion_;
    StopSignals signals_;
    int inotify_ = -1;
    std::vector<Followed> followed_;
    int64_t nextPathCheck_ = 0;
    std::string failure_;
};

bool InotifyWatch::Arm(Followed& f) {
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

void InotifyWatch::Disarm(Followed& f) {
    if (f.wd < 0) return;
    // Another path may share the watch (the same directory named twice).
    const int wd = f.wd;
    f.wd = -1;
    if (std::ranges::none_of(followed_, [&](const Followed& o) { return o.wd == wd; }))
        inotify_rm_watch(inotify_, wd);
}

void InotifyWatch::Follow(const std::vector<WatchedDirectory>& directories) {
    if (!failure_.empty()) return;
    std::vector<Followed> before = std::move(followed_);
    followed_.clear();
    for (const WatchedDirectory& d : directories) {
        auto old = std::ranges::find_if(before, [&](const Followed& f) { return f.what.path == d.path; });
        if (old != before.end() && old->what == d) {
            followed_.push_back(*old);
            old->wd = -1;  // kept
            continue;
        }
        Followed f{d};
        if (!Arm(f)) say_(WatchNote::NotThere, d.path);
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
void InotifyWatch::CheckPaths(WatchEvents& events) {
    for (Followed& f : followed_) {
        struct stat st {};
        const bool there = ::stat(f.what.path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
        if (f.wd >= 0) {
            if (there && st.st_dev == f.device && st.st_ino == f.inode) continue;
            Disarm(f);
            say_(there ? WatchNote::Replaced : WatchNote::Gone, f.what.path);
        }
        if (there && Arm(f)) {
            say_(WatchNote::Again, f.what.path);
            events.relist.push_back(f.what.path);
        }
    }
}

void InotifyWatch::Event(int wd, uint32_t mask, const char* name, WatchEvents& events) {
    for (Followed& f : followed_) {
        if (f.wd != wd) continue;
        if (mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED | IN_UNMOUNT)) {
            // Looked at by path at once: a new directory may be there already.
            if (!(mask & IN_IGNORED)) inotify_rm_watch(inotify_, wd);
            for (Followed& o : followed_)
                if (o.wd == wd) o.wd = -1;
            say_(WatchNote::Gone, f.what.path);
            nextPathCheck_ = 0;
            return;
        }
        if (!name || !*name) continue;
        const bool counts = (f.what.downloads && IsMetName(name)) ||
                            std::ranges::count(f.what.names, std::string_view(name)) > 0;
        if (!counts) continue;
        DirectoryEvent::Kind kind = DirectoryEvent::Kind::Written;
        if (mask & (IN_DELETE | IN_MOVED_FROM)) kind = DirectoryEvent::Kind::Removed;
        else if (mask & IN_MODIFY) kind = DirectoryEvent::Kind::Writing;
        events.files.push_back({f.what.path, name, kind});
    }
}

void InotifyWatch::ReadEvents(WatchEvents& events) {
    alignas(inotify_event) char buffer[16384];
    ssize_t got;
    bool overflow = false;
    while ((got = ::read(inotify_, buffer, sizeof buffer)) > 0) {
        for (char* p = buffer; p < buffer + got;) {
            const auto* e = reinterpret_cast<const inotify_event*>(p);
            if (e->mask & IN_Q_OVERFLOW) overflow = true;
            else Event(e->wd, e->mask, e->len > 0 ? e->name : nullptr, events);
            p += sizeof(inotify_event) + e->len;
        }
    }
    if (overflow) {
        // Events were lost: every directory is listed again.
        for (const Followed& f : followed_)
            if (f.wd >= 0) events.relist.push_back(f.what.path);
    }
}

WatchEvents InotifyWatch::Wait(int timeoutMs) {
    WatchEvents events;
    if (!failure_.empty()) {
        events.stopped = true;
        return events;
    }
    int64_t end = timeoutMs < 0 ? -1 : NowMs() + timeoutMs;
    bool gathering = false;
    for (;;) {
        const int64_t now = NowMs();
        if (now >= nextPathCheck_) {
            CheckPaths(events);
            nextPathCheck_ = now + kPathCheckMs;
        }
        if (!events.empty() && !gathering) {
            gathering = true;
            end = end < 0 ? now + kGatherMs : std::min(end, now + kGatherMs);
        }
        if (end >= 0 && now >= end) {
            if (gathering) ReadEvents(events);  // what came meanwhile
            return events;
        }
        int64_t wake = nextPathCheck_;
        if (end >= 0) wake = std::min(wake, end);
        const ChildProcess* child = companion_ ? companion_->Running() : nullptr;
        int due = companion_ ? companion_->DueInMs() : -1;
        // Without a handle for its end a child is looked at now and then.
        if (child && child->EndHandle() < 0) due = due < 0 ? 50 : std::min(due, 50);
        if (due >= 0) wake = std::min<int64_t>(wake, now + due);
        // While gathering, the events wait in the queue and are read at the end.
        pollfd fds[3] = {{signals_.Fd(), POLLIN, 0}, {gathering ? -1 : inotify_, POLLIN, 0},
                         {child ? static_cast<int>(child->EndHandle()) : -1, POLLIN, 0}};
        const int n = ::poll(fds, 3, static_cast<int>(std::max<int64_t>(0, wake - now)));
        if (n < 0 && errno != EINTR) {
            events.stopped = true;
            return events;
        }
        if (fds[0].revents & POLLIN) signals_.Take(events);
        if (events.stopped) {
            if (companion_) companion_->StopAll();
            return events;
        }
        if (companion_) companion_->Service();
        if (fds[1].revents & POLLIN) ReadEvents(events);
        if (events.reload) return events;
    }
}

}  // namespace

std::unique_ptr<DirectoryWatch> DirectoryWatch::Create(Say say, WaitCompanion* companion) {
    return std::make_unique<InotifyWatch>(std::move(say), companion);
}

}  // namespace kv
