#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Check.h"
#include "core/FakeCatalogue.h"
#include "settings/Paths.h"
#include "settings/Settings.h"

namespace kv {

// The program's fixed addresses; tests point them at a loopback server.
struct Addresses {
    std::string community = "http://fakes.kestrivane.example";
    std::string feedback = "feedback@kestrivane.example";
    std::string downloadSite = "http://www.kestrivane.example";
    std::string defaultFakeList = "http://update.kestrivane.example/fakecheck/update";
};

// Limits of one HTTP download; tests shorten them.
struct DownloadLimits {
    long connectTimeoutSeconds = 30;
    long lowSpeedTimeSeconds = 60;  // abandoned below 1 byte/s for this long
    int64_t maxBytes = int64_t{256} * 1024 * 1024;
};

inline constexpr const char* kFakeListFileName = "FAKES.DAT";
inline constexpr const char* kMainListSlot = "main";  // FAKES.DAT, or the list given instead
inline constexpr const char* kSettingsFileName = "Kestrivane.ini";

// Everything the program keeps while it runs: one object, owned by main and
// handed to whatever needs it.
struct Session {
    std::string programDir;  // where FAKES.DAT and downloads live (and Kestrivane.ini for At(dir))
    std::string configDir;   // where Kestrivane.ini lives
    Settings settings;
    Addresses addresses;
    DownloadLimits downloadLimits;

    FakeCatalogue fakes;                     // the loaded lists
    std::optional<CheckReport> shownReport;  // the check whose rows the list shows
    bool proxyRefused = false;               // a proxy asked for authentication: no more updates
    std::vector<int32_t> tabStops;
    YesNo showAllFiles;
    YesNo showTextSearch;
    YesNo inspectContent = YesNo::Yes();
    bool showSkippedListLines = false;  // report FAKES.DAT lines that are no records
    int importFilterIndex = 0;          // the file dialog's filter entry chosen last time

    // One directory for the settings and the data (portable, --home).
    static Session At(const std::string& programDir);
    // Settings in dirs.config, lists and downloads in dirs.data.
    static Session At(const HomeDirs& dirs);
    // Creates both directories when missing; nullopt on success, else the one
    // that could not be made ("" when there is no home to put it in).
    std::optional<std::string> CreateDirectories() const;
    std::string FakeListPath() const;
};

}  // namespace kv
