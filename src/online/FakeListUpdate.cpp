#include "online/FakeListUpdate.h"

#include <cstdint>
#include <optional>
#include <string>

#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "common/Version.h"
#include "fakedb/FakeList.h"
#include "online/HttpDownload.h"
#include "settings/IniFile.h"
#include "settings/Paths.h"

namespace kv {

namespace {

constexpr const char* kSection = "Internet";
constexpr const char* kUrlKey = "FakesDatDownloadURL";
constexpr const char* kVersionKey = "FakesDatVersion";
// Long enough that a long update address is used whole, never cut.
constexpr int16_t kUrlSize = 2000;
constexpr int16_t kVersionSize = 50;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// The version as the server states it: its first line, without surrounding
// blanks. Only this is shown and recorded, so that whatever else the server's
// file holds never reaches the settings file.
std::string VersionLine(const std::string& text) {
    size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin])) ++begin;
    size_t end = text.find_first_of("\r\n", begin);
    if (end == std::string::npos) end = text.size();
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

}  // namespace

void CheckFakesDatVersion(AppState& state, MainView& view) {
    const std::string url = EnsureIniString(kSection, kUrlKey, state.gDefaultFakesUrl, kUrlSize, state.gIniFile);
    const std::string versionFile = JoinPath(state.programDir, "Fakes.txt");

    DownloadUrlToFile(state, view, url + "/Fakes.txt", versionFile, true);
    if (!state.gfDownloadOK) {
        state.gfFakesDatNeeded = false;
        state.gPendingFakesDatVersion.clear();
        return;
    }

    const std::string serverText = ReadWholeFile(versionFile).value_or("");
    const std::string recorded = EnsureIniString(kSection, kVersionKey, "1", kVersionSize, state.gIniFile);

    if (NumericValue(recorded) < NumericValue(serverText)) {
        state.gPendingFakesDatVersion = VersionLine(serverText);
        view.SetStatus("New FAKE-DB - Version " + state.gPendingFakesDatVersion +
                           " available! Please download it now...",
                       "0");
        state.gfFakesDatNeeded = true;
    } else {
        state.gPendingFakesDatVersion.clear();
        view.SetStatus("You already have the newest FAKE-DB...", "0");
        state.gfFakesDatNeeded = FileLength(FakesDatPath(state)) <= 0;
    }

    RemoveFile(versionFile);
}

void DownloadFakesDat(AppState& state, MainView& view) {
    // The check has just ensured the key; if the settings file could not take
    // it, the default the check used is still the address.
    std::string url = ReadIniString(kSection, kUrlKey, "", kUrlSize, state.gIniFile);
    if (url.empty()) url = state.gDefaultFakesUrl;
    DownloadUrlToFile(state, view, url + "/" + state.gFakesFileName,
                      FakesDatPath(state), false);
    if (state.gfDownloadOK && !state.gPendingFakesDatVersion.empty()) {
        WriteIniString(kSection, kVersionKey, state.gPendingFakesDatVersion, state.gIniFile);
        state.gPendingFakesDatVersion.clear();
    }
}

void OnlineFakesDB_Click(AppState& state, MainView& view) {
    if (state.gfProxyAuth) {
        view.MessageBox("Proxy Authentication is not implemented yet", kMbOk, kAppTitle);
        return;
    }
    view.SetStatus("Please wait, version check is running...", "0");
    SetWorkCommandsEnabled(view, false);

    CheckFakesDatVersion(state, view);
    if (state.gfFakesDatNeeded) {
        DownloadFakesDat(state, view);
        // Whatever the download did, the database shows what FAKES.DAT now holds.
        LoadFakeList(state, view);
    }

    SetWorkCommandsEnabled(view, true);
}

}  // namespace kv
