#pragma once

#include <string>

#include "app/presenter/Session.h"
#include "app/presenter/MainView.h"

namespace kv {

// What the options dialog shows and edits.
struct OptionsValues {
    bool checkFakesDat = false;
    bool checkKestrivane = false;
    std::string tabStop1;
    std::string tabStop2;
    std::string fakesDatUrl;
    std::string fakesDatVersionCaption;  // "Fakes-DB-Version: " + version
    // The client's temp directory: [eDonkey] TempPath when that is set, else [eMule] TempDir.
    std::string tempDir;
    std::string tempDirLoaded;  // as it was read: an unchanged value is not written back
};

OptionsValues LoadOptions(const Session& session);

// OK: writes the settings in their fixed order and applies the tab stops.
void SaveOptions(Session& session, MainView& view, const OptionsValues& values);

}  // namespace kv
