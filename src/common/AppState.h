#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace kv {

// A hash text's 16 bytes, the key of the fake index.
struct FakeHashKey {
    uint64_t high = 0;
    uint64_t low = 0;
    bool operator==(const FakeHashKey&) const = default;
};

struct FakeHashKeyHash {
    size_t operator()(const FakeHashKey& key) const noexcept {
        return static_cast<size_t>(key.high ^ (key.low * 0x9E3779B97F4A7C15ULL));
    }
};

// Limits of one HTTP download; tests shorten them.
struct DownloadLimits {
    long connectTimeoutSeconds = 30;
    long lowSpeedTimeSeconds = 60;  // abandoned below 1 byte/s for this long
    int64_t maxBytes = int64_t{256} * 1024 * 1024;
};

// The program's shared state: one object, passed to every operation.
struct AppState {
    // Set at start-up.
    std::string programDir;  // where Kestrivane.ini, FAKES.DAT and downloads live
    std::string gVersionText;
    std::string gCommunityUrl;
    std::string gFeedbackAddress;
    std::string gDownloadSiteUrl;
    std::string gDefaultFakesUrl;
    std::string gFakesFileName = "FAKES.DAT";
    std::string gIniFile;
    std::string gDefaultTabStop1 = "60";
    std::string gDefaultTabStop2 = "355";
    std::string gCheckFakesDatAtStart;
    std::string gCheckKestrivaneAtStart;
    std::vector<int32_t> gTabStops;

    // The View switches in effect ("YES" or "NO").
    std::string gShowAllPartMet;
    std::string gShowTextSearch;

    // The fake database: TAB records in file order, and the index built while
    // loading (every window of 32 hex digits -> first record holding it).
    std::vector<std::string> gFakeDB;
    std::unordered_map<FakeHashKey, int32_t, FakeHashKeyHash> gFakeIndex;
    std::string gShowFakesDatErrors;  // "YES" reports skipped FAKES.DAT lines

    // The last check run's result records (record k belongs to list row k + 2).
    std::vector<std::string> gResultRecords;
    // True while the list shows check-run rows (a text search replaces them).
    bool gListHoldsCheckRows = false;

    // Temp directory resolution: the directory and its sorted "*.met" names.
    std::string gTempDir;
    bool gfTempDirOK = false;
    std::vector<std::string> fbFiles;

    // Online update outcomes.
    bool gfDownloadOK = false;
    bool gfProxyAuth = false;
    bool gfFakesDatNeeded = false;
    std::string gPendingFakesDatVersion;
    bool gfNewVersion = false;
    std::string gSetupFileName;
    DownloadLimits downloadLimits;

    // Client preference import: the filter entry chosen last time.
    int nFilterIndex = 0;
};

}  // namespace kv
