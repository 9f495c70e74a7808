#include "usecases/Lists.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <algorithm>

#include "common/FileUtil.h"
#include "common/Paths.h"
#include "lists/OwnList.h"

namespace kv {

namespace {

constexpr const char* kNothingThere = "there is no such file";

// Why the list at path cannot be read, or "" when it can (or may: the read says the rest).
std::string UnreadableCause(const std::string& path) {
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0) {
        const int err = errno;
        struct stat link{};
        // A link that leads nowhere is no list; a name with nothing behind it is simply no list yet.
        if (err == ENOENT && ::lstat(path.c_str(), &link) != 0) return kNothingThere;
        return std::strerror(err);
    }
    if (S_ISDIR(st.st_mode)) return "it is a directory";
    if (S_ISFIFO(st.st_mode)) return "it is a FIFO, not a regular file";
    if (!S_ISREG(st.st_mode)) return "it is not a regular file";
    if (::access(path.c_str(), R_OK) != 0) return std::strerror(errno);
    return "";
}

}  // namespace

namespace {
bool Contains(const std::vector<std::string>& paths, const std::string& path) {
    return std::find(paths.begin(), paths.end(), path) != paths.end();
}
}  // namespace

std::expected<ListsLoaded, ListFailure> ListStore::Load(const std::string& mainList) {
    mainGiven_ = mainList;
    if (auto reloaded = ReloadMain(/*keepOnFailure=*/false); !reloaded) return std::unexpected(reloaded.error());
    ReloadExtras();
    return loaded_;
}

// Reads the main list into its slot. A given list must be readable; with
// keepOnFailure an unreadable one leaves what was loaded before.
std::expected<void, ListFailure> ListStore::ReloadMain(bool keepOnFailure) {
    const std::string path = MainPath();
    ListsLoaded loaded;
    loaded.mainPath = path;
    int64_t length = -1;
    std::optional<FakeList> list;
    std::string cause;
    // A list copied over in place meanwhile (cp cuts it, then writes it) is read again once written.
    for (int attempt = 0; attempt < 5; ++attempt) {
        WaitWhileWritten(path);
        const std::optional<FileStamp> before = StampOfFile(path);
        length = FileLength(path);
        list.reset();
        loaded.skipped.clear();
        cause = UnreadableCause(path);
        if (cause.empty() && length > 0) {
            // Only the program's own FAKES.DAT keeps its index: a list given from elsewhere gets no file beside it.
            list = FakeList::Load(path, FileNameOf(path), &loaded.skipped, kMaxFakeListBytes,
                                  mainGiven_.empty() ? KeptIndexPath(path) : "");
            if (!list) cause = static_cast<uint64_t>(length) > kMaxFakeListBytes ? "it is larger than 4 GiB" : "it cannot be read";
        }
        if (StampOfFile(path) == before) break;
    }
    if (cause.empty() && !mainGiven_.empty() && length == 0) cause = "it is empty";
    if (!cause.empty() || (!mainGiven_.empty() && !list)) {
        const bool absent = cause == kNothingThere;
        // FAKES.DAT may be missing (no list yet); anything else that cannot be read is said.
        if (mainGiven_.empty() && absent) {
            cause.clear();
        } else {
            if (!keepOnFailure) fakes_.Remove(kMainListSlot);
            const ListError kind = absent               ? ListError::GivenListMissing
                                   : !mainGiven_.empty() ? ListError::GivenListUnreadable
                                                         : ListError::ListUnreadable;
            return std::unexpected(ListFailure{kind, path, cause});
        }
    }
    fakes_.Remove(kMainListSlot);
    loaded.mainExists = length >= 0;
    if (length >= 0) {
        // The first bytes tell a UTF-16 file; its records cannot be read as lines of bytes.
        loaded.mainShape = length == 0 ? ListShape::Empty : JudgeList(ReadFileHead(path, 4096).value_or("")).shape;
    }
    if (list && list->byteSize() > 0) {
        loaded.mainLoaded = true;
        fakes_.Put(std::move(*list), ListRank::Downloaded, kMainListSlot);
    }
    loaded.extra = std::move(loaded_.extra);
    loaded_ = std::move(loaded);
    loaded_.records = fakes_.records();
    return {};
}

const ListsLoaded& ListStore::ReloadExtras() {
    // The own list, the further sources (after the main list: it wins a hash
    // both name) and the clients' signals come with every load.
    loaded_.extra = LoadExtraLists(fakes_, home_);
    loaded_.records = fakes_.records();
    sourceNumbers_ = SourceNumbers();
    signalDirs_ = ClientSignalDirs(home_.settings);
    return loaded_;
}

std::vector<int> ListStore::SourceNumbers() const {
    std::vector<int> numbers;
    for (const ListSource& s : ConfiguredListSources(home_.settings))
        if (s.number != 1) numbers.push_back(s.number);
    return numbers;
}

std::vector<std::string> ListStore::FollowedFiles() const {
    std::vector<std::string> files = {MainPath(), OwnListFile(home_), home_.settings.Path()};
    for (const int n : sourceNumbers_) files.push_back(SourceListPath(home_, ListSourceNumber(n)));
    for (const std::string& dir : signalDirs_)
        for (const char* name : kClientSignalNames) files.push_back(JoinPath(dir, name));
    return files;
}

// The settings may name other further sources or other client directories:
// those lists come and go, the others stay.
std::vector<std::string> ListStore::ReloadForSettings() {
    std::vector<std::string> reloaded;
    const std::vector<int> numbers = SourceNumbers();
    for (int n = 2; n <= kMaxListSources; ++n) {
        const bool before = std::ranges::count(sourceNumbers_, n) > 0, now = std::ranges::count(numbers, n) > 0;
        if (before == now) continue;
        const ListSource source = ListSourceNumber(n);
        LoadSourceList(fakes_, home_, source);
        if (now) reloaded.push_back(SourceListPath(home_, source));
    }
    sourceNumbers_ = numbers;
    const std::vector<std::string> dirs = ClientSignalDirs(home_.settings);
    if (dirs != signalDirs_) {
        signalDirs_ = dirs;
        loaded_.extra.problems.clear();
        LoadClientSignals(fakes_, home_, loaded_.extra);
        reloaded.insert(reloaded.end(), loaded_.extra.signalFiles.begin(), loaded_.extra.signalFiles.end());
    }
    return reloaded;
}

ListsRefresh ListStore::Refresh(const std::vector<std::string>& paths) {
    ListsRefresh refresh;
    if (Contains(paths, home_.settings.Path())) refresh.reloaded = ReloadForSettings();
    if (Contains(paths, MainPath())) {
        if (auto reloaded = ReloadMain(/*keepOnFailure=*/true); reloaded) refresh.reloaded.push_back(MainPath());
        else refresh.failure = std::move(reloaded.error());
    }
    if (Contains(paths, OwnListFile(home_))) {
        loaded_.extra.ownRecords = LoadOwnList(fakes_, home_);
        refresh.reloaded.push_back(OwnListFile(home_));
    }
    for (const int n : sourceNumbers_) {
        const ListSource source = ListSourceNumber(n);
        if (!Contains(paths, SourceListPath(home_, source))) continue;
        LoadSourceList(fakes_, home_, source);
        refresh.reloaded.push_back(SourceListPath(home_, source));
    }
    std::vector<std::string> signals;
    for (const std::string& dir : signalDirs_)
        for (const char* name : kClientSignalNames)
            if (Contains(paths, JoinPath(dir, name))) signals.push_back(JoinPath(dir, name));
    if (!signals.empty()) {
        // They are small, and which one counts depends on which exist: read together.
        loaded_.extra.problems.clear();
        LoadClientSignals(fakes_, home_, loaded_.extra);
        refresh.reloaded.insert(refresh.reloaded.end(), signals.begin(), signals.end());
    }
    loaded_.records = fakes_.records();
    return refresh;
}

}  // namespace kv
