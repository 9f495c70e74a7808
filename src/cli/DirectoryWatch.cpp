#include "cli/DirectoryWatch.h"

#include "cli/QmCatalog.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

namespace kv::cli {

namespace {

int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string StatusText(const std::string& command, const ProcessEnd& end) {
    if (end.how == ProcessEnd::How::Exited)
        return T(QT_TRANSLATE_NOOP("Cli", "--exec: %1 ended with status %2."), {command, std::to_string(end.code)});
    if (end.how == ProcessEnd::How::Signalled)
        return T(QT_TRANSLATE_NOOP("Cli", "--exec: %1 was ended by signal %2."), {command, std::to_string(end.code)});
    return T(QT_TRANSLATE_NOOP("Cli", "--exec: %1 ended."), {command});
}

std::string DirectoryGone(const std::string& path) {
    return T(QT_TRANSLATE_NOOP("Cli", "The directory %1 is gone; watching for it to come back."), {path});
}

std::string NoteText(WatchNote note, const std::string& path) {
    switch (note) {
        case WatchNote::NotThere:
            return T(QT_TRANSLATE_NOOP("Cli", "The directory %1 is not there; watching for it to appear."), {path});
        case WatchNote::Gone: return DirectoryGone(path);
        case WatchNote::Replaced: return T(QT_TRANSLATE_NOOP("Cli", "Replaced: %1; watching the new one."), {path});
        case WatchNote::Again: return T(QT_TRANSLATE_NOOP("Cli", "Watching %1 again."), {path});
    }
    return path;
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

int CommandQueue::DueInMs() const {
    if (!running_) return -1;
    const int64_t due = killAt_ >= 0 ? killAt_ : deadline_;
    return static_cast<int>(std::max<int64_t>(0, due - NowMs()));
}

bool CommandQueue::Reap(bool block) {
    const std::optional<ProcessEnd> end = running_->Reap(block);
    if (!end) return false;
    if (!end->Succeeded() && killAt_ < 0) say_(StatusText(runningName_, *end));
    running_.reset();
    killAt_ = -1;
    return true;
}

void CommandQueue::Service() {
    if (running_ && !Reap(false)) {
        const int64_t now = NowMs();
        if (killAt_ >= 0 && now >= killAt_) {
            running_->Kill();
            Reap(true);
        } else if (killAt_ < 0 && now >= deadline_) {
            say_(T(QT_TRANSLATE_NOOP("Cli", "--exec: %1 ran longer than %2 s and is ended."),
                   {runningName_, std::to_string(timeoutMs_ / 1000)}));
            running_->Terminate();
            killAt_ = now + kStopGraceMs;
        }
    }
    while (!running_ && !waiting_.empty()) Start();
}

void CommandQueue::Start() {
    Command c = std::move(waiting_.front());
    waiting_.pop_front();
    running_ = ChildProcess::Start(c.argv, c.env);
    if (!running_) {
        say_(T(QT_TRANSLATE_NOOP("Cli", "--exec: could not start %1."), {c.argv.front()}));
        return;
    }
    runningName_ = c.argv.front();
    deadline_ = NowMs() + timeoutMs_;
    killAt_ = -1;
}

void CommandQueue::StopAll() {
    if (!waiting_.empty())
        say_(T(QT_TRANSLATE_NOOP("Cli", "--exec: %1 findings not handed on."), {std::to_string(waiting_.size())}));
    waiting_.clear();
    if (!running_) return;
    killAt_ = NowMs() + kStopGraceMs;
    running_->Terminate();
    while (!Reap(false)) {
        if (NowMs() >= killAt_) {
            running_->Kill();
            Reap(true);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

// ---- DirectoryWatch ---------------------------------------------------------------

DirectoryWatch::DirectoryWatch(Say say, CommandQueue* commands)
    : watch_(kv::DirectoryWatch::Create([say](WatchNote note, const std::string& path) { say(NoteText(note, path)); },
                                        commands)) {
    if (!watch_->Failure().empty())
        failure_ = T(QT_TRANSLATE_NOOP("Cli", "Cannot watch for changes: %1"), {watch_->Failure()});
}

void DirectoryWatch::Follow(const std::vector<FollowedDirectory>& directories) {
    std::vector<WatchedDirectory> watched;
    for (const FollowedDirectory& d : directories) watched.push_back({d.path, d.downloads, d.names});
    watch_->Follow(watched);
}

Changes DirectoryWatch::Wait(int timeoutMs) {
    WatchEvents events = watch_->Wait(timeoutMs);
    Changes changes;
    for (DirectoryEvent& e : events.files) {
        const FileChange::Kind kind = e.kind == DirectoryEvent::Kind::Removed   ? FileChange::Kind::Removed
                                      : e.kind == DirectoryEvent::Kind::Writing ? FileChange::Kind::Writing
                                                                                : FileChange::Kind::Written;
        changes.files.push_back({std::move(e.directory), std::move(e.name), kind});
    }
    changes.relist = std::move(events.relist);
    changes.reload = events.reload;
    changes.stopped = events.stopped;
    return changes;
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
