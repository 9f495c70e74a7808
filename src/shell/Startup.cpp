#include "shell/Startup.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "common/Version.h"
#include "fakedb/FakeList.h"
#include "online/FakeListUpdate.h"
#include "online/VersionCheck.h"
#include "settings/IniFile.h"
#include "settings/Paths.h"
#include "settings/ViewSwitches.h"

namespace kv {

namespace {

constexpr const char* kTipOfTheDay = "Tip of the day: ALT-F (Check File), CTRL-F (Download Fakes-DB)";
constexpr const char* kNoFakesDb = "No FAKES-DB found. Please 'Update DB'.";

bool IsYes(const std::string& value) { return ToUpperAscii(value) == "YES"; }

}  // namespace

std::string VersionText() {
    return "Kestrivane Version" + DecimalText(kVersionMajor, true) + "." + DecimalText(kVersionMinor) + "." +
           DecimalText(kVersionRevision);
}

void InitSharedState(AppState& state, MainView& view, const std::string& programDir) {
    state.gVersionText = VersionText();
    view.SetCaption(state.gVersionText);

    state.gCommunityUrl = "http://fakes.kestrivane.example";
    state.gFeedbackAddress = "feedback@kestrivane.example";
    state.gDownloadSiteUrl = "http://www.kestrivane.example";
    state.gDefaultFakesUrl = "http://update.kestrivane.example/fakecheck/update";
    state.gFakesFileName = "FAKES.DAT";

    state.programDir = programDir;
    state.gIniFile = JoinPath(programDir, "Kestrivane.ini");

    state.gDefaultTabStop1 = "60";
    state.gDefaultTabStop2 = "355";
}

std::string Form_Load(AppState& state, MainView& view, const std::string& programDir) {
    if (state.gIniFile.empty()) InitSharedState(state, view, programDir);

    gfShowTextSearch(state, view);
    gfShowAllPartMet(state, view);

    state.gCheckFakesDatAtStart = EnsureIniString("Internet", "CheckFakesDatAtStart", "NO", 50, state.gIniFile);
    if (IsYes(state.gCheckFakesDatAtStart)) {
        CheckFakesDatVersion(state, view);
    } else {
        view.SetStatus(kTipOfTheDay, "0");
    }

    state.gCheckKestrivaneAtStart = EnsureIniString("Internet", "CheckKestrivaneAtStart", "NO", 50, state.gIniFile);
    if (IsYes(state.gCheckKestrivaneAtStart)) {
        CheckProgramVersion(state, view);
    } else {
        view.SetStatus(kTipOfTheDay, "0");
    }

    const std::string searchText = ReadIniString("Search", "LastSearchString", "avi", 2000, state.gIniFile);

    const std::string tabStop1 = EnsureIniString("Tabs", "TabStop1", state.gDefaultTabStop1, 50, state.gIniFile);
    const std::string tabStop2 = EnsureIniString("Tabs", "TabStop2", state.gDefaultTabStop2, 50, state.gIniFile);
    // Start-up runs once; starting from an empty array keeps the two stops at
    // elements 0 and 1 even if a caller ran it twice.
    state.gTabStops.clear();
    AppendToArray(state.gTabStops, RoundHalfEven32(NumericValue(tabStop1)));
    AppendToArray(state.gTabStops, RoundHalfEven32(NumericValue(tabStop2)));
    view.SetListTabStops(state.gTabStops, 2);

    if (FileExists(FakesDatPath(state))) {
        LoadFakeList(state, view);
    } else {
        view.SetStatus(kNoFakesDb, "0");
    }

    view.SetBusyCursor(false);
    return searchText;
}

void Form_Unload(AppState& state, const std::string& searchText) {
    if (!searchText.empty()) WriteIniString("Search", "LastSearchString", searchText, state.gIniFile);
}

int SplashWaitMilliseconds(double elapsedSeconds) {
    if (!std::isfinite(elapsedSeconds)) return 0;
    const int64_t remaining = RoundHalfEven(3.0 - elapsedSeconds);
    if (remaining <= 0) return 0;
    return static_cast<int>(std::min<int64_t>(remaining, 3) * 500);
}

}  // namespace kv
