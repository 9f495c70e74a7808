#include "usecases/AmulePauser.h"

#include <fcntl.h>
#include <unistd.h>

namespace kv {

AmulePauser::AmulePauser(ProgramHome home, std::function<void(const Event&)> told, Options options)
    : home_(std::move(home)), told_(std::move(told)), options_(options) {
#ifndef _WIN32
    // Windows: no descriptor to poll beside a socket; a stop waits for the reply's time-out.
    if (::pipe2(cancel_, O_CLOEXEC) == 0) options_.timeouts.cancelFd = cancel_[0];
#endif
    thread_ = std::thread([this] { Run(); });
}

AmulePauser::~AmulePauser() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    if (cancel_[1] >= 0) (void)!::write(cancel_[1], "x", 1);
    wake_.notify_all();
    thread_.join();
    session_.reset();
    for (const int fd : cancel_)
        if (fd >= 0) ::close(fd);
}

void AmulePauser::Pause(const Ed2kHash& hash, const std::string& name) {
    {
        const std::lock_guard lock(mutex_);
        wanted_.emplace(hash, Wanted{name, false});
        fresh_ = true;
    }
    wake_.notify_all();
}

void AmulePauser::Tell(Event::Kind kind, const Ed2kHash& hash, const std::string& why) {
    std::string name;
    {
        const std::lock_guard lock(mutex_);
        const auto it = wanted_.find(hash);
        if (it == wanted_.end()) return;
        name = it->second.name;
        if (kind == Event::Kind::Waiting || kind == Event::Kind::NoConnection) {
            if (it->second.told) return;
            it->second.told = true;
        } else {
            wanted_.erase(it);
        }
    }
    if (told_) told_({kind, name, why});
}

void AmulePauser::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        // Nothing wanted: sleep until asked. Something still wanted: try again after a while.
        if (wanted_.empty()) wake_.wait(lock, [&] { return stop_ || fresh_; });
        else if (!fresh_) wake_.wait_for(lock, options_.retry, [&] { return stop_ || fresh_; });
        if (stop_) return;
        fresh_ = false;
        std::map<Ed2kHash, Wanted> round = wanted_;
        lock.unlock();
        TryAll(std::move(round));
        lock.lock();
    }
}

bool AmulePauser::TryAll(std::map<Ed2kHash, Wanted> wanted) {
    if (!session_) {
        auto opened = AmuleSession::Open(home_, options_.timeouts);
        if (!opened && opened.error().error.kind == AmuleErrorKind::Cancelled) return false;
        if (!opened) {
            const bool none = opened.error().kind == AmuleFailure::Kind::NoConnection;
            for (const auto& [hash, w] : wanted)
                Tell(none ? Event::Kind::NoConnection : Event::Kind::Waiting, hash, opened.error().Describe());
            return false;
        }
        session_.emplace(std::move(*opened));
    }
    for (const auto& [hash, w] : wanted) {
        const auto done = session_->Act(AmuleAction::Pause, hash);
        if (done) {
            Tell(Event::Kind::Paused, hash, "");
        } else if (!done.error().Broken()) {
            Tell(Event::Kind::Refused, hash, done.error().Describe());
        } else if (done.error().error.kind == AmuleErrorKind::Cancelled) {
            return false;  // on the way out
        } else {
            // No use asking for the rest now: each would wait as long.
            session_.reset();
            for (const auto& [left, _] : wanted)
                if (left >= hash) Tell(Event::Kind::Waiting, left, done.error().Describe());
            return false;
        }
    }
    return true;
}

}  // namespace kv
