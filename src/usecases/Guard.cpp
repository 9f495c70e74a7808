#include "usecases/Guard.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <unordered_map>

#include "common/FileUtil.h"
#include "common/Paths.h"
#include "lists/OwnList.h"
#include "usecases/AmuleCheck.h"
#include "usecases/OwnListEdit.h"
#include "usecases/TempDirs.h"

namespace kv {

namespace {

using Clock = std::chrono::steady_clock;

// The verdict's weight: a heavier one than reported (or acted on) before is news.
int Weight(const Finding& f) { return f.verdict.fake() ? 2 : f.verdict.suspect() ? 1 : 0; }

bool Running(const AmuleView& v) { return v.state != AmuleState::Paused && v.state != AmuleState::Stopped; }

// Why the guard keeps a hash out, for its record: the list and its words, or the suspicion.
std::string WhyOf(const Finding& f) {
    if (!f.verdict.fake()) return ReasonsText(f.verdict);
    std::string said = f.verdict.entry.description;
    if (said.starts_with(kOwnListPrefix)) said.erase(0, std::strlen(kOwnListPrefix));
    return f.verdict.entry.listName.empty() ? said : f.verdict.entry.listName + ": " + said;
}

std::string NamesOf(const GuardedRecord& record) {
    std::string names;
    for (const std::string& n : record.names) names += (names.empty() ? "" : ", ") + n;
    return names;
}

// What tells one version of the own list from the next without reading it.
using Stamp = std::optional<FileStamp>;

Stamp StampOf(const std::string& path) { return StampOfFile(path); }

struct Seen {
    Finding finding;
    uint64_t done = 0;
    Clock::time_point judged{};
    int reported = 0;  // the heaviest verdict reported
    int decided = 0;   // the heaviest verdict acted on
    std::optional<AmuleAction> pending;  // wanted, not done yet (aMule out of reach)
    bool again = false;                  // the pending cancel is of a hash that came back
    bool cancelled = false;              // gone from the queue by the watch's hand
};

class QueueWatch {
public:
    QueueWatch(ListStore& lists, const QueueWatchRequest& request, ChangeSource& changes,
               const QueueWatchHandlers& handlers, const QueueWatchTiming& timing)
        : lists_(lists), request_(request), changes_(changes), handlers_(handlers), timing_(timing),
          ownPath_(OwnListPath(lists.home())) {
        timeouts_ = timing.timeouts;
        timeouts_.cancelFd = changes.RequestFd();  // Ctrl+C ends a wait on aMule at once
    }

    void Run() {
        LoadLists();
        Poll();
        if (handlers_.started) handlers_.started();
        for (;;) {
            const auto since = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - lastPoll_);
            const int wait = static_cast<int>(std::clamp<int64_t>(timing_.pollMs - since.count(), 0, timing_.pollMs));
            const Changes changes = changes_.Wait(wait);
            if (changes.stopped) return;
            if (changes.reload) LoadLists();
            else Refresh(changes);
            if (Clock::now() - lastPoll_ >= std::chrono::milliseconds(timing_.pollMs)) Poll();
        }
    }

private:
    void LoadLists();
    void Follow();
    void Refresh(const Changes& changes);
    void OwnListChanged();
    void Poll();
    void Process(AmuleQueue& queue);
    bool Execute(const Ed2kHash& hash, Seen& s, const std::string& name);
    void Record(const Ed2kHash& hash, const Finding& f, const std::string& why);
    void Lost(const AmuleFailure& failure);
    void Event(GuardEvent::Kind kind, std::string name = {}, std::optional<Ed2kHash> hash = {}, std::string why = {}) {
        if (handlers_.event) handlers_.event({kind, std::move(name), hash, std::move(why)});
    }

    ListStore& lists_;
    const QueueWatchRequest& request_;
    ChangeSource& changes_;
    const QueueWatchHandlers& handlers_;
    const QueueWatchTiming& timing_;
    const std::string ownPath_;
    ec::Timeouts timeouts_;

    std::optional<AmuleSession> session_;
    std::unordered_map<Ed2kHash, Seen> seen_;  // in aMule's queue at its last reading
    std::unordered_map<Ed2kHash, GuardedRecord> guarded_;
    Stamp ownStamp_;
    std::map<std::pair<std::string, std::string>, std::string> listFiles_;  // (directory, name) -> path
    Clock::time_point lastPoll_{};
    bool firstRead_ = true;
    bool listsChanged_ = false;
    bool saidLost_ = false;
    bool inspect_ = true;
};

void QueueWatch::LoadLists() {
    inspect_ = request_.inspect.value_or(YesNo(lists_.home().settings.Read(Key::InspectContent)).IsYes());
    if (auto loaded = lists_.Load(request_.fakeList); !loaded && handlers_.problem) {
        const bool missing = loaded.error().kind == ListError::GivenListMissing;
        handlers_.problem(CheckFailure{missing ? CheckError::GivenListMissing : CheckError::GivenListUnreadable,
                                       loaded.error().path, loaded.error().cause});
    }
    ownStamp_ = StampOf(ownPath_);
    guarded_ = ReadGuarded(ownPath_);
    listsChanged_ = true;
    Follow();
}

void QueueWatch::Follow() {
    listFiles_.clear();
    std::vector<FollowedDirectory> followed;
    for (const std::string& file : lists_.FollowedFiles()) {
        std::string dir = DirectoryOf(file);
        if (dir.empty()) dir = ".";
        listFiles_[{dir, FileNameOf(file)}] = file;
        auto at = std::ranges::find_if(followed, [&](const FollowedDirectory& f) { return f.path == dir; });
        if (at == followed.end()) at = followed.insert(followed.end(), {dir, false, {}});
        at->names.push_back(FileNameOf(file));
    }
    changes_.Follow(followed);
}

void QueueWatch::Refresh(const Changes& changes) {
    std::vector<std::string> written;
    for (const FileChange& c : changes.files) {
        const auto list = listFiles_.find({c.directory, c.name});
        if (list != listFiles_.end() && c.kind != FileChange::Kind::Writing) written.push_back(list->second);
    }
    for (const std::string& dir : changes.relist)
        for (const auto& [key, file] : listFiles_)
            if (key.first == dir) written.push_back(file);
    if (written.empty()) return;
    const std::string settings = lists_.home().settings.Path();
    if (lists_.Refresh(written).changed()) listsChanged_ = true;
    if (std::ranges::count(written, settings)) Follow();  // other sources may be named now
    ownStamp_ = StampOf(ownPath_);
    guarded_ = ReadGuarded(ownPath_);
}

// The own list written (by the guard itself, by `mark`, by the window): read
// at the next reading of the queue, whatever the change source says.
void QueueWatch::OwnListChanged() {
    const Stamp now = StampOf(ownPath_);
    if (now == ownStamp_) return;
    ownStamp_ = now;
    (void)lists_.Refresh({ownPath_});
    guarded_ = ReadGuarded(ownPath_);
    listsChanged_ = true;
}

void QueueWatch::Lost(const AmuleFailure& failure) {
    session_.reset();
    // A stop or reload cut the wait short: aMule is not to blame.
    if (failure.kind == AmuleFailure::Kind::Failed && failure.error.kind == AmuleErrorKind::Cancelled) return;
    if (saidLost_) return;
    saidLost_ = true;
    if (failure.kind == AmuleFailure::Kind::NoConnection) Event(GuardEvent::Kind::NoConnection);
    else Event(GuardEvent::Kind::Unreachable, "", std::nullopt, failure.where + ": " + failure.Describe());
}

void QueueWatch::Poll() {
    lastPoll_ = Clock::now();
    OwnListChanged();
    if (!session_) {
        auto opened = AmuleSession::Open(lists_.home(), timeouts_);
        if (!opened) return Lost(opened.error());
        session_.emplace(std::move(*opened));
    }
    auto queue = session_->Queue();
    if (!queue) return Lost(queue.error());
    if (saidLost_) Event(GuardEvent::Kind::Reachable, "", std::nullopt, session_->Where());
    saidLost_ = false;
    Process(*queue);
    lastPoll_ = Clock::now();
}

void QueueWatch::Record(const Ed2kHash& hash, const Finding& f, const std::string& why) {
    const auto edit = RecordGuarded(ownPath_, hash, f.download.hasSize ? std::optional(f.download.size) : std::nullopt,
                                        f.download.name, why);
    if (!edit) Event(GuardEvent::Kind::NotRecorded, f.download.name, hash, edit.error().failure);
}

// Does what s wants; false when aMule stopped answering (nothing more is asked this round).
bool QueueWatch::Execute(const Ed2kHash& hash, Seen& s, const std::string& name) {
    const AmuleAction action = *s.pending;
    const auto done = session_->Act(action, hash);
    if (!done && done.error().Broken()) {
        Lost(done.error());
        return false;
    }
    s.pending.reset();
    if (!done) {
        Event(GuardEvent::Kind::Refused, name, hash, done.error().Describe());
        return true;
    }
    s.cancelled = action == AmuleAction::Cancel;
    const auto before = guarded_.find(hash);
    const std::string seenAs = before == guarded_.end() ? std::string() : NamesOf(before->second);
    // Recorded before it is told: whoever hears of it finds it in the own list.
    if (request_.guard) Record(hash, s.finding, s.again ? std::string() : WhyOf(s.finding));
    if (s.again) Event(GuardEvent::Kind::CancelledAgain, name, hash, seenAs);
    else Event(action == AmuleAction::Cancel ? GuardEvent::Kind::Cancelled : GuardEvent::Kind::Paused, name, hash);
    return true;
}

void QueueWatch::Process(AmuleQueue& queue) {
    const std::string dir = request_.tempDir.empty() ? ConfiguredTempDir(lists_.home().settings) : request_.tempDir;
    const std::string readable = TempDirReadable(dir) ? dir : std::string();
    const CheckRules rules{false, inspect_};
    const auto now = Clock::now();
    const AmuleAction act = request_.guard && request_.cancel ? AmuleAction::Cancel : AmuleAction::Pause;
    bool reachable = true;
    std::unordered_map<Ed2kHash, Seen> next;
    for (const Download& d : queue.downloads) {
        const AmuleView& view = queue.views.at(*d.hash);
        auto old = seen_.find(*d.hash);
        const bool isNew = old == seen_.end();
        Seen s = isNew ? Seen{} : std::move(old->second);
        // Judged when it appears or is renamed, and as its bytes arrive where they can be read.
        const bool reread = !readable.empty() && view.done != s.done &&
                            now - s.judged >= std::chrono::milliseconds(timing_.reinspectMs);
        if (isNew || s.finding.download.name != d.name || reread) {
            s.finding = JudgeAmuleDownload(d, view, readable, lists_.catalogue(), rules);
            std::vector<Ed2kHash>().swap(s.finding.download.partHashes);
            std::vector<ByteRange>().swap(s.finding.download.gaps);
            s.judged = now;
        } else if (listsChanged_) {
            JudgeByLists(s.finding, lists_.catalogue());
        }
        s.done = view.done;
        const Finding& f = s.finding;
        const int weight = Weight(f);
        if (weight > s.reported) {
            s.reported = weight;
            if (handlers_.finding) handlers_.finding(f);
        }
        if (f.verdict.allowed) {
            s.pending.reset();  // what the user allowed is never touched
        } else if (request_.guard && isNew && guarded_.contains(*d.hash) && (!firstRead_ || Running(view))) {
            // Back in the queue: out at once. At the first reading a paused
            // one is the guard's own pause from before and stays.
            s.pending = AmuleAction::Cancel;
            s.again = true;
            s.decided = 2;
        } else if (weight > s.decided && (request_.guard || request_.pause)) {
            const bool target = f.verdict.fake() || (f.verdict.suspect() && (request_.pause || request_.suspects));
            if (target) {
                s.decided = weight;
                if (act == AmuleAction::Cancel || Running(view)) s.pending = act;
                else if (request_.guard) Record(*d.hash, f, WhyOf(f));  // paused already: only kept out
            }
        }
        if (s.pending && reachable) reachable = Execute(*d.hash, s, d.name);
        // A cancelled download has left the queue: its return is news.
        if (s.cancelled) continue;
        next.emplace(*d.hash, std::move(s));
    }
    seen_ = std::move(next);
    firstRead_ = false;
    listsChanged_ = false;
}

}  // namespace

bool TempDirReadable(const std::string& path) {
    if (path.empty()) return false;
    std::error_code error;
    std::filesystem::directory_iterator it(path, error);
    return !error;
}

void RunQueueWatch(ListStore& lists, const QueueWatchRequest& request, ChangeSource& changes,
                   const QueueWatchHandlers& handlers, const QueueWatchTiming& timing) {
    QueueWatch(lists, request, changes, handlers, timing).Run();
}

std::expected<ListEdited, ListEditFailure> KeepOutForGood(const ProgramHome& home, const Finding& f) {
    if (!f.download.hash) return std::unexpected(ListEditFailure{ListEditError::NotWritten, {}, "no ed2k hash"});
    const std::string why = WhyOf(f);
    return RecordGuarded(OwnListPath(home), *f.download.hash,
                         f.download.hasSize ? std::optional(f.download.size) : std::nullopt, f.download.name,
                         why.empty() ? "cancelled by the user" : why);
}

}  // namespace kv
