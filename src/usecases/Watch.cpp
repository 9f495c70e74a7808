#include "usecases/Watch.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <limits>
#include <map>
#include <optional>
#include <set>

#include "common/FileUtil.h"
#include "common/Paths.h"
#include "common/StringUtil.h"
#include "usecases/TempDirs.h"

namespace kv {

namespace {

// What tells a file's version apart without reading it: a save either
// replaces the file (another inode) or writes it (another time and size).
struct FileStamp {
    uint64_t device = 0, inode = 0;
    int64_t size = 0, modifiedNs = 0, changedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

std::optional<FileStamp> StampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    const auto ns = [](const timespec& t) { return int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec; };
    return FileStamp{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino), static_cast<int64_t>(st.st_size),
                     ns(st.st_mtim), ns(st.st_ctim)};
}

bool IsMetName(const std::string& name) {
    return name.size() > 4 && ToLowerAscii(name.substr(name.size() - 4)) == ".met";
}

// The verdict's weight: a heavier one than reported before is news.
int Weight(const Finding& f) { return f.verdict.fake() ? 2 : f.verdict.suspect() ? 1 : 0; }

// A .met caught in the middle of a write can show a hash before the name and
// size that follow it; such a read waits for the file's next write.
bool Complete(const Finding& f) {
    return f.problem == ReadProblem::None && f.download.hasName && f.download.hasSize;
}

// Part hashes and gaps were wanted by the inspection only; what a report shows stays.
void Slim(Finding& f) {
    std::vector<Ed2kHash>().swap(f.download.partHashes);
    std::vector<ByteRange>().swap(f.download.gaps);
    f.download.name.shrink_to_fit();
}

struct Tracked {
    std::string metName;  // the download's .met name
    std::string file;     // the file read: the .met, or a backup copy standing in
    FileStamp stamp;
    Finding finding;
    int reported = 0;     // the heaviest verdict reported
    int64_t missingSince = -1;
};

struct WatchedDir {
    std::string path;
    std::string partDir;                       // "" for the first temp directory
    std::map<std::string, Tracked> downloads;  // by part name
    std::map<std::string, std::string> dirty;  // part name -> .met name, to read again
    bool relist = true;
};

std::pair<std::string, std::string> SplitPath(const std::string& path) {
    const std::string dir = DirectoryOf(path);
    return {dir.empty() ? std::string(".") : dir, FileNameOf(path)};
}

class WatchEngine {
public:
    WatchEngine(ListStore& lists, const CheckRequest& request, ChangeSource& source, const WatchHandlers& handlers,
                const WatchTiming& timing)
        : lists_(lists), request_(request), source_(source), handlers_(handlers), timing_(timing) {}

    void Run() {
        LoadLists();
        ResolveDirs();
        ReadChanged();
        if (handlers_.started) handlers_.started();
        for (;;) {
            const Changes changes = source_.Wait(NextTimeout());
            if (changes.stopped) return;
            Absorb(changes);
            if (BurstDue()) Process();
            else if (GoneDue()) ConfirmGone();
        }
    }

private:
    int64_t Now() const;
    int NextTimeout() const;
    bool Pending() const;
    bool BurstDue() const { return Pending() && Now() >= std::min(burstStart_ + timing_.delayMs, lastChange_ + timing_.quietMs); }
    bool GoneDue() const { return !missing_.empty() && Now() >= NextGone(); }
    int64_t NextGone() const;

    void Absorb(const Changes& changes);
    void Process();
    void LoadLists();
    bool RefreshLists();
    void CheckAnythingFindable();
    void ResolveDirs();
    void FollowAll();
    void ReadChanged();
    void Relist(WatchedDir& dir);
    void Update(WatchedDir& dir, const std::string& part, const std::string& metName);
    void ConfirmGone();
    void Rejudge();
    void Report(Tracked& t);
    void Problem(CheckError kind, const std::string& path);
    void Resolved(CheckError kind);
    void Notice(WatchNotice::Kind kind, const std::string& path) {
        if (handlers_.notice) handlers_.notice({kind, path});
    }
    WatchedDir* DirAt(const std::string& path);

    ListStore& lists_;
    const CheckRequest& request_;
    ChangeSource& source_;
    const WatchHandlers& handlers_;
    const WatchTiming& timing_;

    CheckRules rules_;
    bool rulesKnown_ = false;
    std::vector<WatchedDir> dirs_;
    std::map<std::pair<std::string, std::string>, std::string> listFiles_;  // (directory, name) -> path
    std::set<std::string> dirtyLists_, writingLists_;
    std::set<std::pair<std::string, std::string>> missing_;  // (directory, part)
    std::vector<FollowedDirectory> followed_;
    std::set<std::pair<CheckError, std::string>> problems_;
    bool reload_ = false;
    int64_t burstStart_ = -1, lastChange_ = -1;
};

int64_t WatchEngine::Now() const {
    if (timing_.clock) return timing_.clock();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Lists still being written wait for their end and keep no timer running.
bool WatchEngine::Pending() const {
    if (reload_) return true;
    for (const WatchedDir& d : dirs_)
        if (d.relist || !d.dirty.empty()) return true;
    return std::ranges::any_of(dirtyLists_, [&](const std::string& p) { return !writingLists_.count(p); });
}

int64_t WatchEngine::NextGone() const {
    int64_t next = std::numeric_limits<int64_t>::max();
    for (const auto& [dirPath, part] : missing_) {
        for (const WatchedDir& d : dirs_) {
            if (d.path != dirPath) continue;
            if (auto it = d.downloads.find(part); it != d.downloads.end() && it->second.missingSince >= 0)
                next = std::min(next, it->second.missingSince + timing_.goneMs);
        }
    }
    return next;
}

int WatchEngine::NextTimeout() const {
    int64_t next = std::numeric_limits<int64_t>::max();
    if (Pending()) next = std::min(burstStart_ + timing_.delayMs, lastChange_ + timing_.quietMs);
    if (!missing_.empty()) next = std::min(next, NextGone());
    if (next == std::numeric_limits<int64_t>::max()) return -1;
    return static_cast<int>(std::clamp<int64_t>(next - Now(), 0, std::numeric_limits<int>::max()));
}

WatchedDir* WatchEngine::DirAt(const std::string& path) {
    for (WatchedDir& d : dirs_)
        if (d.path == path) return &d;
    return nullptr;
}

void WatchEngine::Absorb(const Changes& changes) {
    const bool wasPending = Pending();
    bool news = changes.reload;
    for (const FileChange& c : changes.files) {
        WatchedDir* dir = DirAt(c.directory);
        if (dir && IsMetName(c.name) && c.kind != FileChange::Kind::Writing) {
            dir->dirty[PartNameOf(c.name)] = c.name;
            news = true;
        }
        const auto list = listFiles_.find({c.directory, c.name});
        if (list == listFiles_.end()) continue;
        if (c.kind == FileChange::Kind::Writing) {
            writingLists_.insert(list->second);
        } else {
            writingLists_.erase(list->second);
            dirtyLists_.insert(list->second);
            news = true;
        }
    }
    for (const std::string& path : changes.relist) {
        if (WatchedDir* dir = DirAt(path)) dir->relist = true;
        for (const auto& [key, file] : listFiles_)
            if (key.first == path) dirtyLists_.insert(file);
        news = true;
    }
    reload_ = reload_ || changes.reload;
    if (!news || !Pending()) return;
    lastChange_ = Now();
    if (!wasPending) burstStart_ = lastChange_;
}

void WatchEngine::Process() {
    bool listsChanged = false;
    if (reload_) {
        reload_ = false;
        dirtyLists_.clear();
        writingLists_.clear();
        LoadLists();
        for (WatchedDir& d : dirs_) d.relist = true;
        listsChanged = true;
        Notice(WatchNotice::Kind::Reloaded, "");
        ResolveDirs();
    } else if (!dirtyLists_.empty()) {
        const std::string settings = lists_.home().settings.Path();
        const bool settingsChanged = dirtyLists_.count(settings) && !writingLists_.count(settings);
        listsChanged = RefreshLists();
        if (settingsChanged) ResolveDirs();
    }
    ReadChanged();
    if (listsChanged) Rejudge();
    ConfirmGone();
}

void WatchEngine::LoadLists() {
    auto loaded = lists_.Load(request_.fakeList);
    Resolved(CheckError::GivenListMissing);
    Resolved(CheckError::GivenListUnreadable);
    if (!loaded) {
        const bool missing = loaded.error().kind == ListError::GivenListMissing;
        Problem(missing ? CheckError::GivenListMissing : CheckError::GivenListUnreadable, loaded.error().path);
    }
}

// Reads again the lists written since, except those still being written.
bool WatchEngine::RefreshLists() {
    std::vector<std::string> ready;
    for (const std::string& path : dirtyLists_)
        if (!writingLists_.count(path)) ready.push_back(path);
    for (const std::string& path : ready) dirtyLists_.erase(path);
    const ListsRefresh refresh = lists_.Refresh(ready);
    if (refresh.failure) {
        Notice(WatchNotice::Kind::ListKept, refresh.failure->path);
    } else if (std::ranges::count(ready, lists_.loaded().mainPath)) {
        Resolved(CheckError::GivenListMissing);
        Resolved(CheckError::GivenListUnreadable);
    }
    for (const std::string& path : refresh.reloaded) Notice(WatchNotice::Kind::ListReloaded, path);
    CheckAnythingFindable();
    return refresh.changed();
}

// Without any list and without the inspection nothing could be found: said while it lasts.
void WatchEngine::CheckAnythingFindable() {
    const ListsLoaded& loaded = lists_.loaded();
    // A given list that is missing is said already.
    const bool givenMissing = std::ranges::any_of(problems_, [](const auto& p) {
        return p.first == CheckError::GivenListMissing || p.first == CheckError::GivenListUnreadable;
    });
    if (!rules_.inspect && !loaded.mainExists && !loaded.anyList() && !givenMissing)
        Problem(CheckError::NoList, loaded.mainPath);
    else Resolved(CheckError::NoList);
}

// The temp directories and the lists as the request and the settings name them now.
void WatchEngine::ResolveDirs() {
    const Settings& settings = lists_.home().settings;
    const CheckRules rules{false, request_.inspect.value_or(YesNo(settings.Read(Key::InspectContent)).IsYes())};
    const bool reinspect = rulesKnown_ && rules.inspect != rules_.inspect;
    rules_ = rules;
    rulesKnown_ = true;
    CheckAnythingFindable();

    std::vector<std::pair<std::string, std::string>> wanted;  // path, part prefix
    const std::string first = request_.tempDir.empty() ? ConfiguredTempDir(settings) : request_.tempDir;
    if (first.empty()) Problem(CheckError::NoTempDirSetting, "");
    else wanted.emplace_back(first, "");
    if (request_.tempDir.empty())
        for (const std::string& further : FurtherTempDirs(settings)) wanted.emplace_back(further, further);
    std::vector<WatchedDir> dirs;
    for (const auto& [path, partDir] : wanted) {
        WatchedDir* kept = DirAt(path);
        dirs.push_back(kept && kept->partDir == partDir ? std::move(*kept) : WatchedDir{path, partDir, {}, {}, true});
        // Another inspection switch: every download is read again.
        if (reinspect)
            for (auto& [part, t] : dirs.back().downloads) t.stamp = {};
        dirs.back().relist = dirs.back().relist || reinspect;
    }
    dirs_ = std::move(dirs);
    std::erase_if(missing_, [&](const auto& m) { return DirAt(m.first) == nullptr; });
    FollowAll();
}

void WatchEngine::FollowAll() {
    listFiles_.clear();
    for (const std::string& file : lists_.FollowedFiles()) listFiles_[SplitPath(file)] = file;
    std::vector<FollowedDirectory> followed;
    for (const WatchedDir& d : dirs_) followed.push_back({d.path, true, {}});
    for (const auto& [key, file] : listFiles_) {
        auto at = std::ranges::find_if(followed, [&](const FollowedDirectory& f) { return f.path == key.first; });
        if (at == followed.end()) at = followed.insert(followed.end(), {key.first, false, {}});
        at->names.push_back(key.second);
    }
    if (followed == followed_) return;
    followed_ = followed;
    source_.Follow(followed_);
}

void WatchEngine::ReadChanged() {
    for (WatchedDir& dir : dirs_) {
        if (dir.relist) Relist(dir);
        std::map<std::string, std::string> dirty;
        dirty.swap(dir.dirty);
        for (const auto& [part, metName] : dirty) Update(dir, part, metName);
    }
    burstStart_ = lastChange_ = -1;
    if (Pending()) burstStart_ = lastChange_ = Now();  // a file changed while it was read: once more
}

void WatchEngine::Relist(WatchedDir& dir) {
    const std::optional<std::vector<std::string>> names = ListMetFiles(dir.path, /*backups=*/true);
    if (!names) {
        // Not known either way: its downloads stay until it can be listed again.
        if (dir.partDir.empty()) Problem(CheckError::TempDirMissing, dir.path);
        dir.relist = false;
        return;
    }
    if (dir.partDir.empty()) Resolved(CheckError::TempDirMissing);
    dir.relist = false;
    for (const std::string& name : *names) {
        const std::string part = PartNameOf(name);
        dir.dirty[part] = IsBackupCopy(name) ? part + name.substr(part.size(), 4) : name;
    }
    for (const auto& [part, t] : dir.downloads) dir.dirty.emplace(part, t.metName);
}

void WatchEngine::Update(WatchedDir& dir, const std::string& part, const std::string& metName) {
    // The .met, or while a save has it away the copy the client keeps beside it.
    std::string file;
    std::optional<FileStamp> stamp;
    for (const char* suffix : {"", ".bak", ".backup"}) {
        file = metName + suffix;
        if ((stamp = StampOf(JoinPath(dir.path, file)))) break;
    }
    auto it = dir.downloads.find(part);
    if (!stamp) {
        if (it != dir.downloads.end() && it->second.missingSince < 0) {
            it->second.missingSince = Now();
            missing_.insert({dir.path, part});
        }
        return;
    }
    if (it != dir.downloads.end()) {
        it->second.missingSince = -1;
        missing_.erase({dir.path, part});
        if (it->second.file == file && it->second.stamp == *stamp) return;  // as read before
    }
    Finding finding = CheckOneDownload(dir.path, file, dir.partDir, lists_.catalogue(), rules_);
    if (StampOf(JoinPath(dir.path, file)) != stamp) {
        dir.dirty[part] = metName;  // written again meanwhile: read once it is done
        return;
    }
    if (!Complete(finding)) return;  // half-written: its next write tells
    Slim(finding);
    if (it == dir.downloads.end()) it = dir.downloads.emplace(part, Tracked{}).first;
    Tracked& t = it->second;
    // Another hash under the same part name is another download.
    if (t.finding.download.hash != finding.download.hash) t.reported = 0;
    t.metName = metName;
    t.file = file;
    t.stamp = *stamp;
    t.finding = std::move(finding);
    Report(t);
}

// Downloads missing long enough are gone; a directory that cannot be listed
// says nothing about its downloads.
void WatchEngine::ConfirmGone() {
    const int64_t now = Now();
    for (auto m = missing_.begin(); m != missing_.end();) {
        WatchedDir* dir = DirAt(m->first);
        auto it = dir ? dir->downloads.find(m->second) : decltype(dir->downloads.end()){};
        if (!dir || it == dir->downloads.end()) {
            m = missing_.erase(m);
            continue;
        }
        if (now < it->second.missingSince + timing_.goneMs) {
            ++m;
            continue;
        }
        if (!IsDirectory(dir->path)) {
            it->second.missingSince = now;  // asked again later, not at every wake
            ++m;
            continue;
        }
        const std::string metName = it->second.metName;
        m = missing_.erase(m);
        it->second.missingSince = -1;
        Update(*dir, it->first, metName);  // back meanwhile: read; still missing: missing anew
        if (it->second.missingSince < 0) continue;
        missing_.erase({dir->path, it->first});
        if (it->second.reported > 0) Notice(WatchNotice::Kind::Gone, it->second.finding.part);
        dir->downloads.erase(it);
    }
}

void WatchEngine::Rejudge() {
    for (WatchedDir& dir : dirs_) {
        for (auto& [part, t] : dir.downloads) {
            JudgeByLists(t.finding, lists_.catalogue());
            Report(t);
        }
    }
}

void WatchEngine::Report(Tracked& t) {
    const int weight = Weight(t.finding);
    if (weight <= t.reported) return;
    t.reported = weight;
    if (handlers_.finding) handlers_.finding(t.finding);
}

void WatchEngine::Problem(CheckError kind, const std::string& path) {
    if (std::ranges::any_of(problems_, [&](const auto& p) { return p.first == kind; })) return;
    problems_.insert({kind, path});
    if (handlers_.problem) handlers_.problem(CheckFailure{kind, path, ""});
}

void WatchEngine::Resolved(CheckError kind) {
    std::erase_if(problems_, [&](const auto& p) { return p.first == kind; });
}

}  // namespace

void RunWatch(ListStore& lists, const CheckRequest& request, ChangeSource& changes, const WatchHandlers& handlers,
              const WatchTiming& timing) {
    WatchEngine(lists, request, changes, handlers, timing).Run();
}

}  // namespace kv
