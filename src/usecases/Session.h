#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "usecases/Check.h"
#include "lists/FakeCatalogue.h"
#include "online/OnlineSetup.h"
#include "settings/Home.h"

namespace kv {

// Everything the program keeps while it runs: one object, owned by main and
// handed to whatever needs it.
struct Session : ProgramHome, OnlineSetup {

    FakeCatalogue fakes;                     // the loaded lists
    std::optional<CheckReport> shownReport;  // the check whose rows the list shows
    bool proxyRefused = false;               // a proxy asked for authentication: no more updates
    std::vector<int32_t> tabStops;
    YesNo showAllFiles;
    YesNo showTextSearch;
    YesNo inspectContent = YesNo::Yes();
    bool showSkippedListLines = false;  // report FAKES.DAT lines that are no records
    int importFilterIndex = 0;          // the file dialog's filter entry chosen last time

    static Session At(const std::string& programDir) { return At(HomeDirs{programDir, programDir}); }
    static Session At(const HomeDirs& dirs) {
        Session s;
        static_cast<ProgramHome&>(s) = ProgramHome::At(dirs);
        return s;
    }
};

}  // namespace kv
