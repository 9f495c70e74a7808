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

using Texts = std::vector<std::string>;
const std::string kTip = "Tip of the day: ALT-F (Check File), CTRL-F (Download Fakes-DB)";
const std::string kNoFakesDb = "No FAKES-DB found. Please 'Update DB'.";
const std::string kDefaultUrl = "http://update.kestrivane.example/fakecheck/update";

// A program directory (in a temporary one) with an optional settings file; start-up checks reach only site.
struct Home {
    test::ScopedTempDir home;
    std::string dir, site;
    AppState state;
    test::RecordingView view;
    explicit Home(const std::string& ini = "", std::string url = "http://127.0.0.1:1", const char* sub = "")
        : dir(home.File(sub)), site(std::move(url)) {
        if (!ini.empty()) home.Write("Kestrivane.ini", ini);
        InitSharedState(state, view, dir);
    }
    std::string Ini() const { return home.Read("Kestrivane.ini"); }
    std::string Get(const char* s, const char* k) const { return ReadIniString(s, k, "", 2000, state.gIniFile); }
    std::string Load() {
        state.gDownloadSiteUrl = site, state.gDefaultFakesUrl = site + "/fakecheck/update";
        return Form_Load(state, view, dir);
    }
};

TEST(Startup, FirstStartWritesSettingsInOrderAndLaterStartsUseThemAsStored) {
    Home h;
    EXPECT_EQ(h.Load(), "avi");
    EXPECT_EQ(h.Ini(), "[Display]\r\nShowTextSearch=YES\r\nShowAllPartMet=YES\r\n"
                       "[Internet]\r\nCheckFakesDatAtStart=NO\r\nCheckKestrivaneAtStart=NO\r\n"
                       "[Tabs]\r\nTabStop1=60\r\nTabStop2=355\r\n");
    // Nothing else: caption, View switches, a tip for each check that is off, tab stops, missing list, cursor.
    EXPECT_EQ(h.view.log, (Texts{"caption:Kestrivane Version 1.0.0", "check:ViewTextSearch:1", "check:ViewAllFiles:1",
                                 "status:" + kTip, "status:" + kTip, "tabstops:60,355", "status:" + kNoFakesDb,
                                 "busy:0"}));
    EXPECT_EQ(h.view.statusColour, "0");
    // An unwritable program directory starts all the same, with the defaults, and is not created.
    Home m("", "", "missing");
    EXPECT_EQ(m.Load(), "avi");
    EXPECT_EQ(m.view.log, h.view.log);
    EXPECT_FALSE(std::filesystem::exists(m.dir));
    // Later starts use the stored values as they are; an empty search box keeps the stored text.
    const std::string ini = "[Tabs]\nTabStop1=wide\nTabStop2=  120.5  \n[Search]\nLastSearchString=  \"matrix\"  \n"
                            "[Display]\nShowTextSearch=NO\nShowAllPartMet=NO\n"
                            "[Internet]\nCheckFakesDatAtStart=NO\nCheckKestrivaneAtStart=no\n";
    Home s(ini);
    s.home.Write("FAKES.DAT", "0123456789abcdef0123456789abcdef,100,Fake one\r\n");
    EXPECT_EQ(s.Load(), "matrix");
    EXPECT_EQ(s.view.tabStops, (std::vector<int32_t>{0, 120}));  // a word is 0, a half goes to the even neighbour
    EXPECT_EQ(s.state.gFakeDB.size(), 1u);  // the list is loaded instead of the missing-list text
    EXPECT_EQ(std::count(s.view.statusHistory.begin(), s.view.statusHistory.end(), kNoFakesDb), 0);
    Form_Unload(s.state, "");
    EXPECT_EQ(s.Ini(), ini);
    Form_Unload(s.state, "terminator 2");
    EXPECT_EQ(s.Get("Search", "LastSearchString"), "terminator 2");
    Home cut("[Search]\r\nLastSearchString=" + std::string(2500, 'x') + "\r\n");
    EXPECT_EQ(cut.Load(), std::string(2000, 'x'));
}

TEST(Startup, FlagsInAnyCaseRunBothChecksInOrderInsteadOfTheTipAndTheSplashWaitIsBounded) {
    test::StaticServer server;
    server.Serve("/fakecheck/update/Fakes.txt", "7\r\n");
    server.Serve("/Download/KVVersion.txt", "[Kestrivane]\r\nVersion=100\r\nDisplay=1.0.0\r\nFileName=kv.exe\r\n");
    Home h("[Internet]\r\nCheckFakesDatAtStart=yes\r\nCheckKestrivaneAtStart=Yes\r\n", server.BaseUrl());
    h.Load();
    EXPECT_EQ(server.Requests(), (Texts{"/fakecheck/update/Fakes.txt", "/Download/KVVersion.txt"}));
    EXPECT_EQ(h.view.statusHistory, (Texts{"New FAKE-DB - Version 7 available! Please download it now...",
                                           "You already have the newest Kestrivane-Version...", kNoFakesDb}));
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
    EXPECT_EQ(ComputeFormResize(big, 2000, 400, true), big);  // minimized: a tiny size nothing may follow
    EXPECT_DOUBLE_EQ(TwipsPerPixel(192), 7.5);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(0), 15.0);  // an unknown screen counts as 96 dpi
}

TEST(Options, MissingKeysCancelAndOkOnlyExactYesTicksAndTypedTextsOrDefaultsAreStored) {
    Home d;
    const OptionsValues v = LoadOptions(d.state);
    EXPECT_EQ(v.tabStop1 + "|" + v.tabStop2 + "|" + v.fakesDatUrl + "|" + v.fakesDatVersionCaption,
              "||" + kDefaultUrl + "|Fakes-DB-Version: 0");
    EXPECT_EQ(d.Ini(), "");  // loading, and so Cancel, writes nothing
    d.state.gTabStops = {1, 2, 3};
    SaveOptions(d.state, d.view, v);
    EXPECT_EQ(d.Ini(), "[Internet]\r\nCheckKestrivaneAtStart=NO\r\nCheckFakesDatAtStart=NO\r\n"
                       "FakesDatDownloadURL=" + kDefaultUrl + "\r\n[Tabs]\r\nTabStop1=60\r\nTabStop2=355\r\n");
    EXPECT_EQ(d.view.LogWith("tabstops:"), Texts{"tabstops:60,355"});
    const std::string tail = "FakesDatVersion=42\r\nFakesDatDownloadURL=http://127.0.0.1:8080/" +
                             std::string(128, 'p') + "\r\n[Tabs]\r\nTabStop1=80\r\nTabStop2=300\r\n";
    Home e("[Internet]\r\nCheckFakesDatAtStart=yes\r\nCheckKestrivaneAtStart=YES\r\n" + tail);
    OptionsValues w = LoadOptions(e.state);
    EXPECT_EQ(w.fakesDatVersionCaption, "Fakes-DB-Version: 42");
    SaveOptions(e.state, e.view, w);  // OK without editing keeps the 150-character address
    EXPECT_EQ(e.Ini(), "[Internet]\r\nCheckFakesDatAtStart=NO\r\nCheckKestrivaneAtStart=YES\r\n" + tail);
    // Emptied boxes store defaults; other texts are stored as typed (up to a line break) and applied by number.
    const auto Ok = [&](const char* tab1, const char* tab2, const char* url) {
        w.tabStop1 = tab1, w.tabStop2 = tab2, w.fakesDatUrl = url;
        SaveOptions(e.state, e.view, w);
        return e.Get("Tabs", "TabStop1") + "|" + e.Get("Tabs", "TabStop2") + "|" +
               e.Get("Internet", "FakesDatDownloadURL") + "|" + e.view.log.back();
    };
    EXPECT_EQ(Ok("120abc", "wide", "x"), "120abc|wide|x|tabstops:120,0");
    EXPECT_EQ(Ok("\r\n99", "33\r\n44", ""), "60|33|" + kDefaultUrl + "|tabstops:60,33");
}

TEST(About, TextsMailAddressAndOpeningFailures) {
    EXPECT_EQ(AboutCaption(), "Kestrivane-Info  1.0.0");
    const std::string credit = AboutCreditText();
    EXPECT_EQ(credit.substr(credit.find("\r\n")),
              "\r\nand powered by Brindlecast.\r\nThanks to all the SupportinG gUyZ!");
    EXPECT_LT(std::max(credit.find("Kestrivane"), credit.find("C++")), credit.find("\r\n")) << credit;
    Home h;
    const std::string mail = "mailto:feedback@kestrivane.example?Subject=Some feedback about Kestrivane 1.0.0"
                             "&body=My very important blabla";
    for (bool opens : {true, false}) {
        h.view.openAddressResult = opens;
        OpenAboutLink(h.view, h.state.gCommunityUrl);
        SendFeedbackMail(h.state, h.view);
    }
    EXPECT_EQ(h.view.openedAddresses, (Texts{"http://fakes.kestrivane.example", mail, h.state.gCommunityUrl, mail}));
    const std::string box = "box:" + std::to_string(kMbOk) + ":Kestrivane:";
    EXPECT_EQ(h.view.LogWith("box:"),
              (Texts{box + "Errors occurred.  Could not open link.", box + "What could this error be?"}));
}

}  // namespace
}  // namespace kv
