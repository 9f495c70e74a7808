#include "shell/Startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "../online/LoopbackServer.h"
#include "RecordingView.h"
#include "TempDir.h"
#include "settings/IniFile.h"

namespace kv {
namespace {

using test::RecordingView;
using test::ScopedTempDir;

const std::string kTip = "Tip of the day: ALT-F (Check File), CTRL-F (Download Fakes-DB)";
const std::string kNoFakesDb = "No FAKES-DB found. Please 'Update DB'.";

struct Start {
    ScopedTempDir home;
    AppState state;
    RecordingView view;
    std::string searchText;

    void Run() {
        InitSharedState(state, view, home.path());
        // Never let a start-up check reach beyond this machine.
        state.gDownloadSiteUrl = "http://127.0.0.1:1";
        state.gDefaultFakesUrl = "http://127.0.0.1:1/fakecheck/update";
        state.downloadLimits.connectTimeoutSeconds = 2;
        state.downloadLimits.lowSpeedTimeSeconds = 2;
        searchText = Form_Load(state, view, home.path());
    }
};

TEST(Startup, FirstStartCreatesSettingsInStartupOrderAndAppliesDefaults) {
    Start s;
    s.Run();
    EXPECT_EQ(s.home.Read("Kestrivane.ini"),
              "[Display]\r\n"
              "ShowTextSearch=YES\r\n"
              "ShowAllPartMet=YES\r\n"
              "[Internet]\r\n"
              "CheckFakesDatAtStart=NO\r\n"
              "CheckKestrivaneAtStart=NO\r\n"
              "[Tabs]\r\n"
              "TabStop1=60\r\n"
              "TabStop2=355\r\n");
    EXPECT_EQ(s.searchText, "avi");
    EXPECT_EQ(s.state.gTabStops, (std::vector<int32_t>{60, 355}));
    EXPECT_EQ(s.view.tabStops, (std::vector<int32_t>{60, 355}));
    EXPECT_EQ(s.view.caption, "Kestrivane Version 1.0.0");
    EXPECT_EQ(s.state.gVersionText, "Kestrivane Version 1.0.0");
    EXPECT_EQ(s.state.gIniFile, s.home.path() + "/Kestrivane.ini");
    EXPECT_EQ(s.state.programDir, s.home.path());
    EXPECT_TRUE(s.view.allFilesChecked);
    EXPECT_TRUE(s.view.textSearchChecked);
    EXPECT_EQ(s.state.gShowAllPartMet, "YES");
    // Both checks off: the tip twice, then the missing list, all in black.
    EXPECT_EQ(s.view.statusHistory, (std::vector<std::string>{kTip, kTip, kNoFakesDb}));
    EXPECT_EQ(s.view.statusColour, "0");
    EXPECT_FALSE(s.view.busy);
    // No address was opened or fetched, no box shown.
    EXPECT_TRUE(s.view.boxes.empty());

    // Order of the visible steps: View switches, status texts, tab stops, fake list.
    const auto& log = s.view.log;
    auto at = [&](const std::string& entry) {
        return std::find(log.begin(), log.end(), entry) - log.begin();
    };
    EXPECT_LT(at("check:ViewTextSearch:1"), at("check:ViewAllFiles:1"));
    EXPECT_LT(at("check:ViewAllFiles:1"), at("status:" + kTip));
    EXPECT_LT(at("status:" + kTip), at("tabstops:60,355"));
    EXPECT_LT(at("tabstops:60,355"), at("status:" + kNoFakesDb));
}

TEST(Startup, StoredValuesAreUsedAndWordTabStopGivesZero) {
    Start s;
    s.home.Write("Kestrivane.ini",
                 "[Tabs]\n"
                 "TabStop1=wide\n"
                 "TabStop2=  120.5  \n"
                 "[Search]\n"
                 "LastSearchString=  \"matrix reloaded\"  \n"
                 "[Display]\n"
                 "ShowTextSearch=NO\n"
                 "ShowAllPartMet=NO\n"
                 "[Internet]\n"
                 "CheckFakesDatAtStart=NO\n"
                 "CheckKestrivaneAtStart=no\n");
    s.home.Write("FAKES.DAT", "0123456789abcdef0123456789abcdef,100,Fake one\r\n");
    s.Run();
    EXPECT_EQ(s.searchText, "matrix reloaded");
    // A word is 0; a half goes to the even neighbour.
    EXPECT_EQ(s.view.tabStops, (std::vector<int32_t>{0, 120}));
    EXPECT_FALSE(s.view.searchControlsVisible);
    EXPECT_FALSE(s.view.textSearchChecked);
    EXPECT_FALSE(s.view.allFilesChecked);
    // Stored values are not rewritten and no key is added.
    EXPECT_EQ(ReadIniString("Tabs", "TabStop1", "", 50, s.state.gIniFile), "wide");
    EXPECT_EQ(s.home.Read("Kestrivane.ini").find("TabStop1=60"), std::string::npos);
    // FAKES.DAT exists, so the list is loaded instead of the missing-list text.
    EXPECT_EQ(std::count(s.view.statusHistory.begin(), s.view.statusHistory.end(), kNoFakesDb), 0);
    EXPECT_EQ(s.state.gFakeDB.size(), 1u);
    EXPECT_EQ(s.view.caption.rfind("Kestrivane Version 1.0.0", 0), 0u);
}

TEST(Startup, LongSearchTextIsCutAndUnloadStoresOnlyNonEmptyText) {
    Start s;
    s.home.Write("Kestrivane.ini", "[Search]\r\nLastSearchString=" + std::string(2500, 'x') + "\r\n");
    s.Run();
    EXPECT_EQ(s.searchText, std::string(2000, 'x'));

    WriteIniString("Search", "LastSearchString", "keep me", s.state.gIniFile);
    const std::string before = s.home.Read("Kestrivane.ini");
    Form_Unload(s.state, "");
    EXPECT_EQ(s.home.Read("Kestrivane.ini"), before);

    Form_Unload(s.state, "terminator 2");
    EXPECT_EQ(ReadIniString("Search", "LastSearchString", "", 2000, s.state.gIniFile), "terminator 2");
    // A pasted line break cannot add lines to the settings file.
    Form_Unload(s.state, "first\r\n[Internet]\r\nCheckFakesDatAtStart=YES");
    EXPECT_EQ(ReadIniString("Search", "LastSearchString", "", 2000, s.state.gIniFile), "first");
    EXPECT_EQ(ReadIniString("Internet", "CheckFakesDatAtStart", "", 50, s.state.gIniFile), "NO");
}

TEST(Startup, FlagsInAnyCaseRunBothChecksInOrderInsteadOfTheTip) {
    test::StaticServer server;
    server.Serve("/fakecheck/update/Fakes.txt", "7\r\n");
    server.Serve("/fakecheck/update/FAKES.DAT", "0123456789abcdef0123456789abcdef,1,x\r\n");
    server.Serve("/Download/KVVersion.txt", "[Kestrivane]\r\nVersion=100\r\nDisplay=1.0.0\r\nFileName=kv.exe\r\n");

    Start s;
    s.home.Write("Kestrivane.ini",
                 "[Internet]\r\n"
                 "CheckFakesDatAtStart=yes\r\n"
                 "CheckKestrivaneAtStart=Yes\r\n"
                 "FakesDatDownloadURL=" + server.BaseUrl() + "/fakecheck/update\r\n");
    InitSharedState(s.state, s.view, s.home.path());
    s.state.gDownloadSiteUrl = server.BaseUrl();
    s.searchText = Form_Load(s.state, s.view, s.home.path());

    // The list check first, then the program check; at start neither downloads more.
    EXPECT_EQ(server.Requests(), (std::vector<std::string>{"/fakecheck/update/Fakes.txt", "/Download/KVVersion.txt"}));
    const auto& history = s.view.statusHistory;
    EXPECT_EQ(std::count(history.begin(), history.end(), kTip), 0);
    const auto newList = std::find(history.begin(), history.end(),
                                   "New FAKE-DB - Version 7 available! Please download it now...");
    const auto newest = std::find(history.begin(), history.end(), "You already have the newest Kestrivane-Version...");
    ASSERT_NE(newList, history.end());
    ASSERT_NE(newest, history.end());
    EXPECT_LT(newList, newest);
    EXPECT_FALSE(s.home.Read("FAKES.DAT").size() > 0);
    // Start-up goes on after the checks; the flags are kept as stored.
    EXPECT_EQ(s.view.tabStops, (std::vector<int32_t>{60, 355}));
    EXPECT_EQ(s.view.status, kNoFakesDb);
    EXPECT_EQ(ReadIniString("Internet", "CheckFakesDatAtStart", "", 50, s.state.gIniFile), "yes");
    EXPECT_EQ(ReadIniString("Internet", "CheckKestrivaneAtStart", "", 50, s.state.gIniFile), "Yes");
}

TEST(Startup, UnwritableProgramDirectoryStillStartsWithDefaults) {
    ScopedTempDir dir;
    AppState state;
    RecordingView view;
    const std::string missing = dir.File("not-there");
    InitSharedState(state, view, missing);
    const std::string text = Form_Load(state, view, missing);
    EXPECT_EQ(text, "avi");
    // Nothing can be stored, yet the defaults are in effect.
    EXPECT_EQ(view.tabStops, (std::vector<int32_t>{60, 355}));
    EXPECT_EQ(state.gCheckFakesDatAtStart, "NO");
    EXPECT_EQ(std::count(view.statusHistory.begin(), view.statusHistory.end(), kTip), 2);
    EXPECT_FALSE(dir.Read("not-there/Kestrivane.ini").size() > 0);
    EXPECT_EQ(view.status, kNoFakesDb);
    EXPECT_TRUE(view.textSearchChecked);
    EXPECT_EQ(state.gShowTextSearch, "YES");
}

TEST(Startup, SplashWaitHoldsAtMostFifteenHundredMilliseconds) {
    EXPECT_EQ(SplashWaitMilliseconds(0.0), 1500);
    EXPECT_EQ(SplashWaitMilliseconds(0.5), 1000);  // 2.5 rounds to the even 2
    EXPECT_EQ(SplashWaitMilliseconds(1.5), 1000);  // 1.5 rounds to 2
    EXPECT_EQ(SplashWaitMilliseconds(1.6), 500);
    EXPECT_EQ(SplashWaitMilliseconds(2.5), 0);  // 0.5 rounds to 0
    // A clock that went backwards never makes the splash hold longer.
    EXPECT_EQ(SplashWaitMilliseconds(-100.0), 1500);
    EXPECT_EQ(SplashWaitMilliseconds(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
}  // namespace kv
