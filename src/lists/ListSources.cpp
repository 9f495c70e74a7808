#include "lists/ListSources.h"

#include <chrono>
#include <memory>
#include <optional>
#include <set>
#include <thread>

#include "common/FileUtil.h"
#include "lists/OwnList.h"
#include "ed2k/ClientSignals.h"
#include "common/Paths.h"

namespace kv {

namespace {

constexpr Key kSourceKeys[kMaxListSources][3] = {
    {Key::FakesDatDownloadURL, Key::FakesDatVersion, Key::FakesDatLastModified},
    {Key::FakesDatDownloadURL2, Key::FakesDatVersion2, Key::FakesDatLastModified2},
    {Key::FakesDatDownloadURL3, Key::FakesDatVersion3, Key::FakesDatLastModified3},
    {Key::FakesDatDownloadURL4, Key::FakesDatVersion4, Key::FakesDatLastModified4},
    {Key::FakesDatDownloadURL5, Key::FakesDatVersion5, Key::FakesDatLastModified5},
};

// A client's signal file holds hashes only; eMule caps its own far below this.
constexpr uint64_t kSignalReadLimit = uint64_t{64} * 1024 * 1024;

std::string SlotOf(const ListSource& s) { return "source" + std::to_string(s.number); }

// A client rewrites these files while it runs. A reading counts only when the
// file stayed the same while it was read and parses; otherwise it is tried
// again after a pause, a few times (a rewrite takes milliseconds).
constexpr int kSignalReadAttempts = 5;
constexpr auto kSignalReadPause = std::chrono::milliseconds(20);

struct SignalReading {
    FakeCatalogue::Lookup holds;
    std::string error;
    bool changing = false;
    FileStamp stamp;
};

SignalReading ReadSignalOnce(const std::string& path, const std::string& name) {
    SignalReading r;
    const SteadyReading read = ReadWholeFileSteady(path, kSignalReadLimit);
    r.stamp = read.stamp;
    if (read.changing) {
        r.changing = true;
        return r;
    }
    if (!read.bytes) {
        r.error = "cannot be read";
    } else if (name == "SearchSpam.met") {
        if (auto spam = ReadSearchSpam(*read.bytes)) {
            auto kept = std::make_shared<SpamList>(std::move(*spam));
            r.holds = [kept](const Ed2kHash& h) { return kept->IsSpam(h); };
        } else {
            r.error = spam.error();
        }
    } else if (auto cancelled = ReadCancelled(*read.bytes)) {
        auto kept = std::make_shared<CancelledList>(std::move(*cancelled));
        r.holds = [kept](const Ed2kHash& h) { return kept->Contains(h); };
    } else {
        r.error = cancelled.error();
    }
    if (!r.holds && r.error.empty()) r.error = "not readable";
    return r;
}

// A broken reading may be a file caught between two writes of a client that
// rewrites it in place (truncated, then written piece by piece), which looks
// steady for the moment of one read: tried again too. Only a file found in the
// same state every time is broken; one seen in several states is being rewritten.
SignalReading ReadSignal(const std::string& path, const std::string& name) {
    SignalReading r;
    std::optional<FileStamp> first;
    bool sawChange = false;
    for (int attempt = 0; attempt < kSignalReadAttempts; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(kSignalReadPause);
        r = ReadSignalOnce(path, name);
        if (r.holds || (!r.changing && !FileExists(path))) return r;
        if (!first) first = r.stamp;
        sawChange = sawChange || r.changing || r.stamp != *first;
    }
    r.changing = sawChange;
    return r;
}

}  // namespace

ListSource ListSourceNumber(int n) {
    ListSource s;
    s.number = n;
    s.url = kSourceKeys[n - 1][0];
    s.version = kSourceKeys[n - 1][1];
    s.lastModified = kSourceKeys[n - 1][2];
    s.fileName = n == 1 ? std::string(kFakeListFileName) : "FAKES" + std::to_string(n) + ".DAT";
    return s;
}

std::vector<ListSource> ConfiguredListSources(const Settings& settings) {
    std::vector<ListSource> sources{ListSourceNumber(1)};
    for (int n = 2; n <= kMaxListSources; ++n) {
        const ListSource s = ListSourceNumber(n);
        if (!settings.Read(s.url, "").empty()) sources.push_back(s);
    }
    return sources;
}

std::string SourceListPath(const ProgramHome& home, const ListSource& source) {
    return JoinPath(home.programDir, source.fileName);
}

std::vector<ClientSignalFile> FindClientSignalFiles(const Settings& settings) {
    std::vector<ClientSignalFile> found;
    const auto look = [&](const std::string& dir, const char* name, const char* description) {
        if (dir.empty()) return;
        const std::string path = JoinPath(dir, name);
        if (FileExists(path)) found.push_back({path, description});
    };
    for (const std::string& dir : ClientSignalDirs(settings)) {
        look(dir, kClientSignalNames[0], "Marked as spam in eMule");
        look(dir, kClientSignalNames[1], "Cancelled before in eMule");
        look(dir, kClientSignalNames[2], "Cancelled before in aMule");
    }
    return found;
}

std::vector<std::string> ClientSignalDirs(const Settings& settings) {
    std::vector<std::string> dirs;
    for (const Key key : {Key::EmulePreferencesIniPath, Key::EdonkeyPrefMetPath}) {
        std::string dir = settings.Read(key, "");
        if (!dir.empty()) dirs.push_back(std::move(dir));
    }
    return dirs;
}

std::string OwnListFile(const ProgramHome& home) { return JoinPath(home.programDir, kOwnListFileName); }

size_t LoadOwnList(FakeCatalogue& fakes, const ProgramHome& home) {
    fakes.Remove(kOwnListFileName);
    auto own = FakeList::Load(OwnListFile(home), kOwnListFileName, nullptr, kMaxFakeListBytes);
    if (!own) return 0;
    const size_t records = own->size();
    fakes.Put(std::move(*own), ListRank::Own, kOwnListFileName, kOwnListPrefix);
    return records;
}

bool LoadSourceList(FakeCatalogue& fakes, const ProgramHome& home, const ListSource& source) {
    fakes.Remove(SlotOf(source));
    const std::string path = SourceListPath(home, source);
    auto list = FakeList::Load(path, source.fileName, nullptr, kMaxFakeListBytes, KeptIndexPath(path));
    if (!list || list->byteSize() == 0) return false;  // not fetched yet
    fakes.Put(std::move(*list), ListRank::Downloaded, SlotOf(source));
    return true;
}

void LoadClientSignals(FakeCatalogue& fakes, const ProgramHome& home, ExtraListsLoad& load) {
    load.signalFiles.clear();
    std::set<std::string> taken;
    for (const ClientSignalFile& f : FindClientSignalFiles(home.settings)) {
        const std::string name = FileNameOf(f.path);
        if (!taken.insert(name).second) continue;  // the first directory's file of that name wins
        SignalReading r = ReadSignal(f.path, name);
        if (r.holds) {
            // A download cancelled before may have been added again on purpose: a suspect, not a fake.
            const bool cancelled = name != "SearchSpam.met";
            fakes.PutSignal(name, f.description, std::move(r.holds), cancelled ? MatchKind::Suspect : MatchKind::Fake);
            load.signalFiles.push_back(f.path);
        } else if (r.changing && fakes.Has(name)) {
            // Never half a file: what the last load read stands until the client is done.
            load.problems.push_back(f.path + ": it was being rewritten while read; the previous reading is kept");
        } else {
            fakes.Remove(name);
            load.problems.push_back(f.path + ": " + (r.changing ? "it was being rewritten while read; not used this time"
                                                                 : r.error));
        }
    }
    for (const char* slot : kClientSignalNames) {
        if (!taken.count(slot)) fakes.Remove(slot);
    }
}

ExtraListsLoad LoadExtraLists(FakeCatalogue& fakes, const ProgramHome& home) {
    ExtraListsLoad load;
    load.ownRecords = LoadOwnList(fakes, home);
    for (int n = 2; n <= kMaxListSources; ++n) fakes.Remove(SlotOf(ListSourceNumber(n)));
    for (const ListSource& s : ConfiguredListSources(home.settings)) {
        // FAKES.DAT: the main list, loaded by the caller.
        if (s.number != 1 && LoadSourceList(fakes, home, s)) ++load.sourceLists;
    }
    LoadClientSignals(fakes, home, load);
    return load;
}

std::string PlainDescription(const std::string& listName, const std::string& description) {
    const std::string prefix = kOwnListPrefix;
    if (listName == kOwnListFileName && description.compare(0, prefix.size(), prefix) == 0)
        return description.substr(prefix.size());
    return description;
}

}  // namespace kv
