#include "partmet/PrefImport.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "common/Version.h"
#include "settings/IniFile.h"
#include "settings/Paths.h"

namespace kv {

namespace {

// A pref.met is a few hundred bytes; anything far larger is not one.
constexpr uint64_t kMaxPrefMetBytes = uint64_t{16} * 1024 * 1024;

constexpr int16_t kTempDirSize = 2000;

// The path runs from one character past the end of the marker up to the
// terminator.
constexpr std::string_view kTempMarker = "temp!";
constexpr std::string_view kTempTerminator{"\x03\x07\x00", 3};

constexpr const char* kNoPrefMetTemp = "Error: No 'temp!' entry in pref.met found!";
constexpr const char* kNoIniTempDir = "Error: No '[eMule] TempDir=' in preferences.ini found!";

// Directory (without its trailing separator) and name of a chosen file. A file
// at the root gives an empty directory, as a drive root gives "C:".
std::pair<std::string, std::string> SplitAtLastSeparator(const std::string& fullPath) {
    const size_t cut = fullPath.rfind(kPathSeparator);
    if (cut == std::string::npos) return {"", fullPath};
    return {fullPath.substr(0, cut), fullPath.substr(cut + 1)};
}

FileChooserRequest DialogPresets(const std::string& client) {
    FileChooserRequest request;
    if (client == "eDonkey") {
        request.title = "Search for eDonkey-PREF.MET-File";
        request.filters = {{"eDonkey pref.met-File (pref.met)", "pref.met"}, {"All Files (*.*)", "*.*"}};
        request.initialFileName = "pref.met";
    } else {
        request.title = "Search for eMule-Preferences.INI-File";
        request.filters = {{"eMule preferences.ini-File (preferences.ini)", "preferences.ini"},
                           {"All Files (*.*)", "*.*"},
                           {"aMule amule.conf-File (amule.conf)", "amule.conf"}};
        request.initialFileName = "preferences.ini";
    }
    return request;
}

bool ImportPrefMet(AppState& state, MainView& view, const std::string& fullPath, const std::string& dir) {
    WriteIniString("eDonkey", "PrefMetPath", dir, state.gIniFile);
    const std::string temp = ReadPrefMetTempPath(fullPath);
    if (temp.empty()) {
        // Keep whatever TempPath held: an empty or garbage value would replace a
        // working setting.
        view.SetBusyCursor(false);
        view.MessageBox(kNoPrefMetTemp, kMbCritical, kAppTitle);
        return false;
    }
    const bool stored = WriteIniString("eDonkey", "TempPath", temp, state.gIniFile);
    view.SetStatus(
        "eDonkey PREF.MET successfully opened, 'PrefMetPath' and 'TempPath' written to KESTRIVANE.INI",
        "0");
    return stored;
}

// preferences.ini (eMule) and amule.conf (aMule) keep the temp directory under
// the same section and key.
bool ImportIniPrefs(AppState& state, MainView& view, const std::string& fullPath, const std::string& dir,
                    bool amule) {
    WriteIniString("eMule", "PreferencesIniPath", dir, state.gIniFile);
    const std::string temp = ReadIniString("eMule", "TempDir", "", kTempDirSize, fullPath);
    if (temp.empty()) {
        view.SetBusyCursor(false);
        view.MessageBox(kNoIniTempDir, kMbCritical, kAppTitle);
        return false;
    }
    const bool stored = WriteIniString("eMule", "TempDir", temp, state.gIniFile);
    view.SetStatus(amule ? "aMule AMULE.CONF successfully opened, 'PreferencesIniPath' and 'TempDir' "
                           "written to KESTRIVANE.INI"
                         : "eMule PREFERENCES.INI successfully opened, 'PreferencesIniPath' and "
                           "'TempDir' written to KESTRIVANE.INI",
                   "0");
    return stored;
}

}  // namespace

std::string ReadPrefMetTempPath(const std::string& path) {
    const std::optional<std::string> text = ReadWholeFile(path, kMaxPrefMetBytes);
    if (!text) return "";
    const size_t marker = FindNoCase(*text, kTempMarker);
    if (marker == std::string::npos) return "";
    const size_t start = marker + kTempMarker.size() + 1;
    if (start > text->size()) return "";
    const size_t end = text->find(kTempTerminator, start);
    if (end == std::string::npos) return "";
    return text->substr(start, end - start);
}

void ImportClientPrefs(AppState& state, MainView& view, const std::string& client) {
    if (client != "eDonkey" && client != "eMule") return;
    FileChooserRequest request = DialogPresets(client);
    request.initialDir = state.programDir;
    // The eMule dialog has one entry more than the eDonkey one; an entry the
    // other dialog remembered may not exist here.
    const bool inRange =
        state.nFilterIndex >= 0 && static_cast<size_t>(state.nFilterIndex) < request.filters.size();
    request.filterIndex = inRange ? state.nFilterIndex : 0;

    const FileChoice choice = view.ChooseFile(request);
    if (!choice.accepted) return;
    state.nFilterIndex = choice.filterIndex;
    ImportClientPrefsFile(state, view, choice.path);
}

bool ImportClientPrefsFile(AppState& state, MainView& view, const std::string& fullPath) {
    const auto [dir, name] = SplitAtLastSeparator(fullPath);
    // Only the exact names count, whichever menu entry opened the dialog.
    if (name == "pref.met") return ImportPrefMet(state, view, fullPath, dir);
    if (name == "preferences.ini") return ImportIniPrefs(state, view, fullPath, dir, false);
    if (name == "amule.conf") return ImportIniPrefs(state, view, fullPath, dir, true);
    return false;
}

}  // namespace kv
