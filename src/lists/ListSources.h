#pragma once

#include <string>
#include <vector>

#include "lists/FakeCatalogue.h"
#include "settings/Home.h"

namespace kv {

inline constexpr const char* kMainListSlot = "main";  // FAKES.DAT, or the list given instead

// One update address with its own recorded version, its server's Last-Modified
// and its own file. Source 1 is the classic FakesDatDownloadURL / FAKES.DAT.
struct ListSource {
    int number = 1;
    Key url = Key::FakesDatDownloadURL;
    Key version = Key::FakesDatVersion;
    Key lastModified = Key::FakesDatLastModified;
    std::string fileName = kFakeListFileName;  // FAKES.DAT, FAKES2.DAT, ...
};

inline constexpr int kMaxListSources = 5;

// Source n, 1..kMaxListSources.
ListSource ListSourceNumber(int n);
// Source 1 always; further sources whose address is set, in number order.
std::vector<ListSource> ConfiguredListSources(const Settings& settings);
std::string SourceListPath(const ProgramHome& home, const ListSource& source);

// Where the clients keep what they remember about files, next to their preferences.
struct ClientSignalFile {
    std::string path;
    std::string description;  // the row text for a download it names
};
// The clients' files of that kind, by name.
inline constexpr const char* kClientSignalNames[] = {"SearchSpam.met", "cancelled.met", "canceled.met"};
// The directories where they may be: beside eMule's preferences.ini and eDonkey's pref.met.
std::vector<std::string> ClientSignalDirs(const Settings& settings);
// SearchSpam.met and cancelled.met beside preferences.ini ([eMule] PreferencesIniPath,
// also aMule's canceled.met there) and beside eDonkey's pref.met; existing files only.
std::vector<ClientSignalFile> FindClientSignalFiles(const Settings& settings);

// What loading the lists beside FAKES.DAT found.
struct ExtraListsLoad {
    size_t ownRecords = 0;
    size_t sourceLists = 0;             // further sources' lists loaded
    std::vector<std::string> signalFiles;   // client files loaded
    std::vector<std::string> problems;  // files that could not be used, with the cause
};

// Puts the own list (rank Own), the further sources' lists (Downloaded, after
// FAKES.DAT, in source order) and the clients' signals (ClientSignal) into
// fakes, replacing what an earlier load put there.
ExtraListsLoad LoadExtraLists(FakeCatalogue& fakes, const ProgramHome& home);

// The pieces of that load, each replacing only what it put there before, so
// that a watch reloads the one file that changed.
std::string OwnListFile(const ProgramHome& home);
size_t LoadOwnList(FakeCatalogue& fakes, const ProgramHome& home);  // its records
// A further source's list (not source 1, the main list); false when it is missing or empty.
bool LoadSourceList(FakeCatalogue& fakes, const ProgramHome& home, const ListSource& source);
// Every client file found; fills load's signalFiles and problems.
void LoadClientSignals(FakeCatalogue& fakes, const ProgramHome& home, ExtraListsLoad& load);

// A found fake's description as a list line keeps it: without the own list's kOwnListPrefix.
std::string PlainDescription(const std::string& listName, const std::string& description);

}  // namespace kv
