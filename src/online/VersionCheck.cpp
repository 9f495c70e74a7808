#include "online/VersionCheck.h"

#include <string>

#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "common/Version.h"
#include "online/HttpDownload.h"
#include "settings/IniFile.h"
#include "settings/Paths.h"

namespace kv {

namespace {

constexpr const char* kRecordName = "KVVersion.txt";
constexpr const char* kNoSetupFile = "The version record names no usable setup file.";

}  // namespace

double VersionNumber(int major, int minor, int revision) {
    return NumericValue(std::to_string(major) + std::to_string(minor) + std::to_string(revision));
}

double RunningVersionNumber() { return VersionNumber(kVersionMajor, kVersionMinor, kVersionRevision); }

bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '/' || c == '\\' || c < 0x20 || c == 0x7f) return false;
    }
    return true;
}

void CheckProgramVersion(AppState& state, MainView& view) {
    const std::string record = JoinPath(state.programDir, kRecordName);
    DownloadUrlToFile(state, view, state.gDownloadSiteUrl + "/Download/" + kRecordName, record, true);
    if (!state.gfDownloadOK) {
        state.gfNewVersion = false;
        return;
    }

    const std::string version = ReadIniString("Kestrivane", "Version", "", 50, record);
    const std::string display = ReadIniString("Kestrivane", "Display", "", 50, record);
    state.gSetupFileName = ReadIniString("Kestrivane", "FileName", "", 100, record);

    if (RunningVersionNumber() >= NumericValue(version)) {
        view.SetStatus("You already have the newest Kestrivane-Version...", "0");
        state.gfNewVersion = false;
    } else if (!IsPlainFileName(state.gSetupFileName)) {
        // The name comes from a server: it must not lead anywhere but into
        // the program directory.
        view.SetStatus(kNoSetupFile, "0");
        state.gfNewVersion = false;
    } else if (FileExists(JoinPath(state.programDir, state.gSetupFileName))) {
        view.SetStatus("NEWER Kestrivane-Version " + display + " already downloaded .-) Please install it ...", "0");
        state.gfNewVersion = false;
    } else {
        view.SetStatus("New Kestrivane-Version " + display + " available! Please download it now...", "0");
        state.gfNewVersion = true;
    }

    RemoveFile(record);
}

void DownloadProgramSetup(AppState& state, MainView& view) {
    if (!IsPlainFileName(state.gSetupFileName)) {
        view.SetStatus(kNoSetupFile, "0");
        state.gfNewVersion = false;
        return;
    }
    // Stored only (never executable); installing it is the user's decision.
    DownloadUrlToFile(state, view, state.gDownloadSiteUrl + "/Download/" + state.gSetupFileName,
                      JoinPath(state.programDir, state.gSetupFileName), false);
}

void OnlineKestrivane_Click(AppState& state, MainView& view) {
    CheckProgramVersion(state, view);
    if (state.gfNewVersion) DownloadProgramSetup(state, view);
}

}  // namespace kv
