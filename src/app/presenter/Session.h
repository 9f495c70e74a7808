#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/Home.h"
#include "usecases/Check.h"
#include "usecases/Lists.h"
#include "usecases/UpdateLists.h"

namespace kv {

// What the window keeps while it runs: the program's home and network setup,
// the lists it loaded, the updater (which remembers a proxy's refusal) and what
// only the window needs (the view switches, ...). The findings on screen are
// the view's: the row menu takes them from the selection.
struct Session : ProgramHome, OnlineSetup {
    ListStore lists{ProgramHome{}};
    std::vector<int32_t> tabStops;
    YesNo showAllFiles;
    YesNo showTextSearch;
    YesNo inspectContent = YesNo::Yes();
    bool showSkippedListLines = false;  // report FAKES.DAT lines that are no records
    int importFilterIndex = 0;          // the file dialog's filter entry chosen last time
    bool proxyRefused = false;          // a proxy asked for authentication: no more updates

    static Session At(const std::string& programDir) { return At(HomeDirs{programDir, programDir}); }
    static Session At(const HomeDirs& dirs) {
        Session s;
        static_cast<ProgramHome&>(s) = ProgramHome::At(dirs);
        s.lists = ListStore(static_cast<const ProgramHome&>(s));
        return s;
    }
    const FakeCatalogue& fakes() const { return lists.catalogue(); }
};

}  // namespace kv
