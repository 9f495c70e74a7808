#include "lists/ListSources.h"

#include <memory>
#include <set>

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

// The lists and the clients' files are read whole; the same bound as a download.
constexpr uint64_t kListReadLimit = uint64_t{256} * 1024 * 1024;
// A client's signal file holds hashes only; eMule caps its own far below this.
constexpr uint64_t kSignalReadLimit = uint64_t{64} * 1024 * 1024;

std::string SlotOf(const ListSource& s) { return "source" + std::to_string(s.number); }

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
    auto content = ReadWholeFile(OwnListFile(home), kListReadLimit);
    if (!content) return 0;
    FakeList own = FakeList::Parse(std::move(*content), kOwnListFileName);
    const size_t records = own.size();
    fakes.Put(std::move(own), ListRank::Own, kOwnListFileName, kOwnListPrefix);
    return records;
}

bool LoadSourceList(FakeCatalogue& fakes, const ProgramHome& home, const ListSource& source) {
    fakes.Remove(SlotOf(source));
    auto content = ReadWholeFile(SourceListPath(home, source), kListReadLimit);
    if (!content || content->empty()) return false;  // not fetched yet
    fakes.Put(FakeList::Parse(std::move(*content), source.fileName), ListRank::Downloaded, SlotOf(source));
    return true;
}

void LoadClientSignals(FakeCatalogue& fakes, const ProgramHome& home, ExtraListsLoad& load) {
    for (const char* slot : kClientSignalNames) fakes.Remove(slot);
    load.signalFiles.clear();
    std::set<std::string> taken;
    for (const ClientSignalFile& f : FindClientSignalFiles(home.settings)) {
        const std::string name = FileNameOf(f.path);
        if (!taken.insert(name).second) continue;  // the first directory's file of that name wins
        const auto bytes = ReadWholeFile(f.path, kSignalReadLimit);
        std::string error;
        FakeCatalogue::Lookup holds;
        if (!bytes) {
            error = "cannot be read";
        } else if (name == "SearchSpam.met") {
            if (auto spam = ReadSearchSpam(*bytes, &error)) {
                auto kept = std::make_shared<SpamList>(std::move(*spam));
                holds = [kept](const Ed2kHash& h) { return kept->IsSpam(h); };
            }
        } else if (auto cancelled = ReadCancelled(*bytes, &error)) {
            auto kept = std::make_shared<CancelledList>(std::move(*cancelled));
            holds = [kept](const Ed2kHash& h) { return kept->Contains(h); };
        }
        if (!holds) {
            load.problems.push_back(f.path + ": " + (error.empty() ? std::string("not readable") : error));
            continue;
        }
        fakes.PutSignal(name, f.description, std::move(holds));
        load.signalFiles.push_back(f.path);
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
