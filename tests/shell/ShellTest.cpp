#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "../online/LoopbackServer.h"
#include "RecordingView.h"
#include "TempDir.h"
#include "settings/IniFile.h"
#include "shell/About.h"
#include "shell/Layout.h"
#include "shell/Options.h"
#include "shell/Startup.h"

namespace kv {
namespace {

using Stops = std::vector<int32_t>;
const std::string kTip = "Tip of the day: ALT-F (Check File), CTRL-F (Download Fakes-DB)";
const std::string kNoFakesDb = "No FAKES-DB found. Please 'Update DB'.";
const std::string kDefaultUrl = "http://update.kestrivane.example/fakecheck/update";
const std::string kNowhere = "http://127.0.0.1:1";

// A program directory with an optional settings file; with a site, start-up checks can reach only that.
struct Home {
    test::ScopedTempDir home;
    AppState state;
    test::RecordingView view;
    explicit Home(const std::string& ini = "", const std::string& site = "") {
        if (!ini.empty()) home.Write("Kestrivane.ini", ini);
        InitSharedState(state, view, home.path());
        if (!site.empty()) state.gDownloadSiteUrl = site, state.gDefaultFakesUrl = site + "/fakecheck/update";
    }
    std::string Ini() const { return home.Read("Kestrivane.ini"); }
    std::string Get(const char* s, const char* k) const { return ReadIniString(s, k, "", 2000, state.gIniFile); }
    std::string Stored() const {
        return Get("Tabs", "TabStop1") + "|" + Get("Tabs", "TabStop2") + "|" + Get("Internet", "FakesDatDownloadURL");
    }
    std::string Load() { return Form_Load(state, view, home.path()); }
};

TEST(Startup, FirstStartCreatesSettingsInOrderAndShowsTipThenMissingList) {
    Home h("", kNowhere);
    EXPECT_EQ(h.Load(), "avi");
    EXPECT_EQ(h.Ini(), "[Display]\r\nShowTextSearch=YES\r\nShowAllPartMet=YES\r\n"
                       "[Internet]\r\nCheckFakesDatAtStart=NO\r\nCheckKestrivaneAtStart=NO\r\n"
                       "[Tabs]\r\nTabStop1=60\r\nTabStop2=355\r\n");
    // Caption, View switches, the tip for each check that is off, tab stops, missing list, normal cursor: nothing else.
    EXPECT_EQ(h.view.log, (std::vector<std::string>{"caption:Kestrivane Version 1.0.0", "check:ViewTextSearch:1",
                                                    "check:ViewAllFiles:1", "status:" + kTip, "status:" + kTip,
                                                    "tabstops:60,355", "status:" + kNoFakesDb, "busy:0"}));
    EXPECT_EQ(h.view.statusColour, "0");
}

TEST(Startup, StoredValuesAreUsedAsIsAndAnEmptySearchBoxKeepsTheStoredText) {
    const std::string ini = "[Tabs]\nTabStop1=wide\nTabStop2=  120.5  \n[Search]\nLastSearchString=  \"matrix\"  \n"
                            "[Display]\nShowTextSearch=NO\nShowAllPartMet=NO\n"
                            "[Internet]\nCheckFakesDatAtStart=NO\nCheckKestrivaneAtStart=no\n";
    Home h(ini, kNowhere);
    h.home.Write("FAKES.DAT", "0123456789abcdef0123456789abcdef,100,Fake one\r\n");
    EXPECT_EQ(h.Load(), "matrix");
    EXPECT_EQ(h.view.tabStops, (Stops{0, 120}));  // a word is 0, a half goes to the even neighbour
    EXPECT_EQ(h.Ini(), ini);
    EXPECT_EQ(h.state.gFakeDB.size(), 1u);  // the list is loaded instead of the missing-list text
    EXPECT_EQ(std::count(h.view.statusHistory.begin(), h.view.statusHistory.end(), kNoFakesDb), 0);
    Form_Unload(h.state, "");
    EXPECT_EQ(h.Ini(), ini);
    Form_Unload(h.state, "terminator 2");
    EXPECT_EQ(h.Get("Search", "LastSearchString"), "terminator 2");
    Home cut("[Search]\r\nLastSearchString=" + std::string(2500, 'x') + "\r\n", kNowhere);
    EXPECT_EQ(cut.Load(), std::string(2000, 'x'));
}

TEST(Startup, FlagsInAnyCaseRunBothChecksInOrderInsteadOfTheTip) {
    test::StaticServer server;
    server.Serve("/fakecheck/update/Fakes.txt", "7\r\n");
    server.Serve("/Download/KVVersion.txt", "[Kestrivane]\r\nVersion=100\r\nDisplay=1.0.0\r\nFileName=kv.exe\r\n");
    Home h("[Internet]\r\nCheckFakesDatAtStart=yes\r\nCheckKestrivaneAtStart=Yes\r\n", server.BaseUrl());
    h.Load();
    EXPECT_EQ(server.Requests(), (std::vector<std::string>{"/fakecheck/update/Fakes.txt", "/Download/KVVersion.txt"}));
    const std::vector<std::string> expected = {"New FAKE-DB - Version 7 available! Please download it now...",
                                               "You already have the newest Kestrivane-Version...", kNoFakesDb};
    EXPECT_EQ(h.view.statusHistory, expected);
    EXPECT_EQ(h.home.Read("FAKES.DAT"), "");
    EXPECT_EQ(h.view.tabStops, (Stops{60, 355}));
    EXPECT_EQ(h.Get("Internet", "CheckKestrivaneAtStart"), "Yes");
}

TEST(Startup, UnwritableProgramDirectoryStartsWithDefaultsAndSplashWaitIsBounded) {
    test::ScopedTempDir dir;
    AppState state;
    test::RecordingView view;
    EXPECT_EQ(Form_Load(state, view, dir.File("missing")), "avi");
    EXPECT_EQ(view.tabStops, (Stops{60, 355}));
    EXPECT_EQ(view.statusHistory, (std::vector<std::string>{kTip, kTip, kNoFakesDb}));
    EXPECT_FALSE(std::filesystem::exists(dir.File("missing")));
    // At most 1500 ms, in half-second steps, whatever the clock reports.
    for (const auto& [elapsed, ms] : std::vector<std::pair<double, int>>{
             {0.0, 1500}, {0.5, 1000}, {1.5, 1000}, {1.6, 500}, {2.5, 0}, {-100.0, 1500}, {std::nan(""), 0}})
        EXPECT_EQ(SplashWaitMilliseconds(elapsed), ms) << elapsed;
}

TEST(Layout, ResizeFollowsTheWindowAndKeepsLastValidValuesWhenTooSmallOrMinimized) {
    const MainLayout big = ComputeFormResize(MainLayout{}, 15270, 9000, false);
    EXPECT_EQ(big, (MainLayout{15000, 735, 810, 15000, 6765, 7625, 15000, 14750}));
    // Too low: the list keeps its height and the status frame its place; the width steps still run.
    const MainLayout low = ComputeFormResize(big, 12000, 2000, false);
    EXPECT_EQ(low, (MainLayout{11730, 735, 810, 11730, 6765, 7625, 11730, 11480}));
    EXPECT_EQ(ComputeFormResize(big, 12000, 2235, false).listHeight, 0);
    // Narrow: the frames fit (400 - 270), the status label (400 - 520) does not.
    EXPECT_EQ(ComputeFormResize(low, 400, 5000, false), (MainLayout{130, 735, 810, 130, 2765, 3625, 130, 11480}));
    EXPECT_EQ(ComputeFormResize(low, -1, -1, false), low);
    // A minimized window reports a tiny size that nothing may follow.
    EXPECT_EQ(ComputeFormResize(big, 2000, 400, true), big);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(192), 7.5);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(0), 15.0);  // an unknown screen counts as 96 dpi
}

TEST(Options, MissingKeysShowEmptyBoxesAndOkStoresDefaultsInOrder) {
    Home d;
    const OptionsValues v = LoadOptions(d.state);
    EXPECT_FALSE(v.checkFakesDat || v.checkKestrivane);
    EXPECT_EQ(v.tabStop1 + "|" + v.tabStop2 + "|" + v.fakesDatVersionCaption, "||Fakes-DB-Version: 0");
    EXPECT_EQ(v.fakesDatUrl, kDefaultUrl);
    EXPECT_EQ(d.Ini(), "");  // loading, and so Cancel, writes nothing
    d.state.gTabStops = {1, 2, 3};
    SaveOptions(d.state, d.view, v);
    EXPECT_EQ(d.Ini(), "[Internet]\r\nCheckKestrivaneAtStart=NO\r\nCheckFakesDatAtStart=NO\r\n"
                       "FakesDatDownloadURL=" + kDefaultUrl + "\r\n[Tabs]\r\nTabStop1=60\r\nTabStop2=355\r\n");
    EXPECT_EQ(d.state.gTabStops, (Stops{60, 355}));
    EXPECT_EQ(d.view.LogWith("tabstops:"), (std::vector<std::string>{"tabstops:60,355"}));
}

TEST(Options, OnlyExactYesTicksAndOkStoresTypedTextsOrDefaults) {
    const std::string url = "http://127.0.0.1:8080/" + std::string(128, 'p');
    const std::string tail =
        "FakesDatVersion=42\r\nFakesDatDownloadURL=" + url + "\r\n[Tabs]\r\nTabStop1=80\r\nTabStop2=300\r\n";
    Home d("[Internet]\r\nCheckFakesDatAtStart=yes\r\nCheckKestrivaneAtStart=YES\r\n" + tail);
    OptionsValues v = LoadOptions(d.state);
    EXPECT_TRUE(v.checkKestrivane && !v.checkFakesDat);
    EXPECT_EQ(v.fakesDatVersionCaption, "Fakes-DB-Version: 42");
    SaveOptions(d.state, d.view, v);  // OK without editing keeps the 150-character address
    EXPECT_EQ(d.Ini(), "[Internet]\r\nCheckFakesDatAtStart=NO\r\nCheckKestrivaneAtStart=YES\r\n" + tail);
    // Emptied boxes store defaults; other texts are stored as typed (up to a line break) and applied by number.
    struct Edit { std::string tab1, tab2, url, stored; Stops applied; };
    for (const Edit& e : std::vector<Edit>{{"", "", "", "60|355|" + kDefaultUrl, {60, 355}},
                                           {"120abc", "wide", "x", "120abc|wide|x", {120, 0}},
                                           {"\r\n99", "33\r\n44", "", "60|33|" + kDefaultUrl, {60, 33}}}) {
        v.tabStop1 = e.tab1, v.tabStop2 = e.tab2, v.fakesDatUrl = e.url;
        SaveOptions(d.state, d.view, v);
        EXPECT_EQ(d.Stored(), e.stored);
        EXPECT_EQ(d.view.tabStops, e.applied) << e.stored;
    }
}

TEST(About, TextsMailAddressAndOpeningFailures) {
    EXPECT_EQ(AboutCaption(), "Kestrivane-Info  1.0.0");
    const std::string credit = AboutCreditText();
    const size_t cut = std::min(credit.find("\r\n"), credit.size());
    EXPECT_EQ(credit.substr(cut), "\r\nand powered by Brindlecast.\r\nThanks to all the SupportinG gUyZ!");
    EXPECT_TRUE(credit.find("Kestrivane") < cut && credit.find("C++") < cut) << credit;

    Home h;
    const std::string mail = "mailto:feedback@kestrivane.example?Subject=Some feedback about Kestrivane 1.0.0"
                             "&body=My very important blabla";
    EXPECT_EQ(FeedbackMailAddress(h.state), mail);
    OpenAboutLink(h.view, h.state.gCommunityUrl);
    SendFeedbackMail(h.state, h.view);
    EXPECT_TRUE(h.view.boxes.empty());
    EXPECT_EQ(h.view.openedAddresses, (std::vector<std::string>{"http://fakes.kestrivane.example", mail}));
    h.view.openAddressResult = false;
    OpenAboutLink(h.view, h.state.gCommunityUrl);
    SendFeedbackMail(h.state, h.view);
    ASSERT_EQ(h.view.boxes.size(), 2u);
    for (int i : {0, 1}) {
        EXPECT_EQ(h.view.boxes[i].text, i ? "What could this error be?" : "Errors occurred.  Could not open link.");
        EXPECT_EQ(h.view.boxes[i].style, kMbOk);
        EXPECT_EQ(h.view.boxes[i].title, "Kestrivane");
    }
}

}  // namespace
}  // namespace kv
