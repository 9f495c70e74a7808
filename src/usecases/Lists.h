#pragma once

#include <cstddef>
#include <expected>
#include <optional>
#include <string>
#include <vector>

#include "lists/FakeCatalogue.h"
#include "lists/FakeList.h"
#include "lists/ListShape.h"
#include "lists/ListSources.h"
#include "settings/Home.h"

namespace kv {

// What one load of the lists found.
struct ListsLoaded {
    std::string mainPath;        // FAKES.DAT, or the list given instead
    bool mainExists = false;     // there is a file of that name
    bool mainLoaded = false;     // it exists and holds bytes
    ListShape mainShape = ListShape::Empty;  // judged on its first bytes, when it exists
    size_t records = 0;          // in every list (signals not counted)
    ExtraListsLoad extra;        // the own list, further sources, client signals
    std::vector<FakeList::SkippedLine> skipped;  // main list lines that are no records
    // Whether any list or signal can name a fake at all.
    bool anyList() const { return records > 0 || !extra.signalFiles.empty(); }
};

enum class ListError {
    GivenListMissing,     // a list named instead of FAKES.DAT does not exist
    GivenListUnreadable,  // ... is empty or cannot be read
    ListUnreadable,       // FAKES.DAT or the list given is there but cannot be read (a FIFO, a directory, no permission)
};

struct ListFailure {
    ListError kind;
    std::string path;
    std::string cause;  // ListUnreadable: why, in the system's words or ours
};

// What a refresh of the lists did.
struct ListsRefresh {
    std::vector<std::string> reloaded;   // the files read again
    std::optional<ListFailure> failure;  // the given main list is unreadable now: what it held before stays
    bool changed() const { return !reloaded.empty(); }
};

// The lists a check consults, decided in one place for every front end: the
// user's own list first, then FAKES.DAT (or the list given instead) when it is
// there, the further sources' lists, and the clients' signal files.
class ListStore {
public:
    explicit ListStore(ProgramHome home) : home_(std::move(home)) {}

    // Loads every list afresh. mainList "" is FAKES.DAT, which may be missing;
    // a list given by name must be readable.
    [[nodiscard]] std::expected<ListsLoaded, ListFailure> Load(const std::string& mainList = "");
    // After the own list changed: the lists beside the main one again.
    const ListsLoaded& ReloadExtras();

    // The files the lists come from, and the settings naming them: what a
    // watch follows to stay current. Files that are not there yet are named too.
    std::vector<std::string> FollowedFiles() const;
    // After the files among paths were written: reloads only the lists they
    // are (the settings: the sources and client files they name anew); the
    // other lists stay as they were loaded. Needs a Load before.
    ListsRefresh Refresh(const std::vector<std::string>& paths);

    const FakeCatalogue& catalogue() const { return fakes_; }
    const ListsLoaded& loaded() const { return loaded_; }
    const ProgramHome& home() const { return home_; }
    bool empty() const { return !loaded_.anyList(); }

private:
    std::string MainPath() const { return mainGiven_.empty() ? home_.FakeListPath() : mainGiven_; }
    [[nodiscard]] std::expected<void, ListFailure> ReloadMain(bool keepOnFailure);
    std::vector<int> SourceNumbers() const;
    // The files read again.
    std::vector<std::string> ReloadForSettings();

    ProgramHome home_;
    std::string mainGiven_;               // the list given instead of FAKES.DAT
    std::vector<int> sourceNumbers_;      // the further sources loaded (by the settings then)
    std::vector<std::string> signalDirs_; // where the client files were looked for
    FakeCatalogue fakes_;
    ListsLoaded loaded_;
};

}  // namespace kv
