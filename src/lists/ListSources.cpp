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
    for (const Key key : {Key::EmulePreferencesIniPath, Key::EdonkeyPrefMetPath}) {
        const std::string dir = settings.Read(key, "");
        look(dir, "SearchSpam.met", "Marked as spam in eMule");
        look(dir, "cancelled.met", "Cancelled before in eMule");
        look(dir, "canceled.met", "Cancelled before in aMule");
    }
    return found;
}

ExtraListsLoad LoadExtraLists(FakeCatalogue& fakes, const ProgramHome& home) {
    ExtraListsLoad load;

    const std::string ownPath = JoinPath(home.programDir, kOwnListFileName);
    fakes.Remove(kOwnListFileName);
    if (auto own = FakeList::Load(ownPath, kOwnListFileName, nullptr, kListReadLimit)) {
        load.ownRecords = own->size();
        fakes.Put(std::move(*own), ListRank::Own, kOwnListFileName, kOwnListPrefix);
    }

    for (int n = 2; n <= kMaxListSources; ++n) fakes.Remove(SlotOf(ListSourceNumber(n)));
    for (const ListSource& s : ConfiguredListSources(home.settings)) {
        if (s.number == 1) continue;  // FAKES.DAT: the main list, loaded by the caller
        auto list = FakeList::Load(SourceListPath(home, s), s.fileName, nullptr, kListReadLimit);
        if (!list || list->byteSize() == 0) continue;  // not fetched yet
        fakes.Put(std::move(*list), ListRank::Downloaded, SlotOf(s));
        ++load.sourceLists;
    }

    for (const char* slot : {"SearchSpam.met", "cancelled.met", "canceled.met"}) fakes.Remove(slot);
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
    return load;
}

std::string PlainDescription(const std::string& listName, const std::string& description) {
    const std::string prefix = kOwnListPrefix;
    if (listName == kOwnListFileName && description.compare(0, prefix.size(), prefix) == 0)
        return description.substr(prefix.size());
    return description;
}

}  // namespace kv
