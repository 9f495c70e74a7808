#include "settings/ViewSwitches.h"

#include <string>

#include "common/StringUtil.h"
#include "settings/IniFile.h"

namespace kv {

namespace {

constexpr const char* kDisplay = "Display";
constexpr const char* kShowAllPartMet = "ShowAllPartMet";
constexpr const char* kShowTextSearch = "ShowTextSearch";

bool IsYes(const std::string& value) { return ToUpperAscii(value) == "YES"; }

}  // namespace

void gfShowAllPartMet(AppState& state, MainView& view) {
    state.gShowAllPartMet = ReadIniString(kDisplay, kShowAllPartMet, "", 50, state.gIniFile);
    if (!state.gShowAllPartMet.empty()) {
        view.SetMenuChecked(MenuCheck::ViewAllFiles, IsYes(state.gShowAllPartMet));
        return;
    }
    WriteIniString(kDisplay, kShowAllPartMet, "YES", state.gIniFile);
    state.gShowAllPartMet = "YES";
    view.SetMenuChecked(MenuCheck::ViewAllFiles, true);
}

void gfShowTextSearch(AppState& state, MainView& view) {
    state.gShowTextSearch = ReadIniString(kDisplay, kShowTextSearch, "", 50, state.gIniFile);
    if (!state.gShowTextSearch.empty()) {
        const bool on = IsYes(state.gShowTextSearch);
        view.SetMenuChecked(MenuCheck::ViewTextSearch, on);
        view.SetSearchControlsVisible(on);
        return;
    }
    // The controls keep their visibility here: they are visible when the window opens.
    WriteIniString(kDisplay, kShowTextSearch, "YES", state.gIniFile);
    state.gShowTextSearch = ReadIniString(kDisplay, kShowTextSearch, "", 50, state.gIniFile);
    // An unwritable settings file must not leave the ticked item with an empty
    // value, or the first click would store "YES" while unticking it.
    if (state.gShowTextSearch.empty()) state.gShowTextSearch = "YES";
    view.SetMenuChecked(MenuCheck::ViewTextSearch, true);
}

void ViewAllFiles_Click(AppState& state, MainView& view) {
    state.gShowAllPartMet = IsYes(state.gShowAllPartMet) ? "NO" : "YES";
    const bool on = state.gShowAllPartMet == "YES";
    view.SetMenuChecked(MenuCheck::ViewAllFiles, on);
    WriteIniString(kDisplay, kShowAllPartMet, state.gShowAllPartMet, state.gIniFile);
}

void ViewTextSearch_Click(AppState& state, MainView& view) {
    state.gShowTextSearch = IsYes(state.gShowTextSearch) ? "NO" : "YES";
    const bool on = state.gShowTextSearch == "YES";
    view.SetMenuChecked(MenuCheck::ViewTextSearch, on);
    view.SetSearchControlsVisible(on);
    WriteIniString(kDisplay, kShowTextSearch, state.gShowTextSearch, state.gIniFile);
}

}  // namespace kv
