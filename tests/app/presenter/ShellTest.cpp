#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "../online/LoopbackServer.h"
#include "RecordingView.h"
#include "TempDir.h"
#include "app/presenter/About.h"
#include "app/presenter/Options.h"
#include "app/presenter/MainPresenter.h"
#include "app/presenter/Startup.h"

namespace kv {
namespace {

using Texts = std::vector<std::string>;
const std::string kCaption = "caption:Kestrivane Version 1.0.0";
const std::string kTip = "status:Tip of the day: ALT-F (Check File), CTRL-F (Download Fakes-DB)";
const std::string kDefaultUrl;  // there is no public fake list to default to

// A program directory (sub of a temporary one) with an optional settings file.
struct Home {
    test::ScopedTempDir home;
    Session session;
    test::RecordingView view;
    MainPresenter presenter{session, view};
    explicit Home(const std::string& ini = "", const char* sub = "") {
        if (!ini.empty()) home.Write("Kestrivane.ini", ini);
        session = Session::At(home.File(sub));
    }
    std::string Ini() const { return home.Read("Kestrivane.ini"); }
    std::string Load(const std::string& site = "http://127.0.0.1:1") {  // start-up checks reach only site
        session.addresses.downloadSite = site, session.addresses.defaultFakeList = site + "/fakecheck/update";
        return presenter.Load();
    }
};

TEST(Startup, FirstStartWritesSettingsInOrderLaterStartsUseThemAsStoredAndYesInAnyCaseRunsTheChecks) {
    for (const char* sub : {"", "missing"}) {  // an unwritable program directory starts all the same, with defaults
        Home h("", sub);
        EXPECT_EQ(h.Load(), "avi");
        EXPECT_EQ(h.Ini(), *sub ? "" : "[Display]\r\nShowTextSearch=YES\r\nShowAllPartMet=YES\r\n"
                                      "[Internet]\r\nCheckFakesDatAtStart=NO\r\nCheckKestrivaneAtStart=NO\r\n"
                                      "[Tabs]\r\nTabStop1=60\r\nTabStop2=355\r\n");
        // Nothing else: caption, View switches, a tip for each check that is off, tab stops, missing list, cursor.
        EXPECT_EQ(h.view.log, (Texts{kCaption, "check:ViewTextSearch:1", "check:ViewAllFiles:1",
                                     "check:ViewInspection:1", kTip, kTip,
                                     "tabstops:60,355", "status:No FAKES-DB found. Please 'Update DB'.", "busy:0"}));
    }
    // With no update address either, the missing list's line says where a list comes from.
    Home bare;
    bare.session.addresses.defaultFakeList.clear();
    (void)bare.presenter.Load();
    const std::string hint = "status:No FAKES-DB found. Please 'Update DB'. There is no public fake list: mark fakes "
                             "yourself (right-click > Mark as fake...), or set a group's address in Extras > Options.";
    EXPECT_NE(std::find(bare.view.log.begin(), bare.view.log.end(), hint), bare.view.log.end());
    // Later starts use the stored values as they are; an empty search box keeps the stored text.
    const std::string ini = "[Tabs]\nTabStop1=wide\nTabStop2=  120.5  \n[Search]\nLastSearchString=  \"matrix\"  \n"
                            "[Display]\nShowTextSearch=NO\nShowAllPartMet=NO\n"
                            "[Internet]\nCheckFakesDatAtStart=NO\nCheckKestrivaneAtStart=no\n";
    Home s(ini);
    s.home.Write("FAKES.DAT", "0123456789abcdef0123456789abcdef,100,Fake one\r\n");
    EXPECT_EQ(s.Load(), "matrix");
    EXPECT_EQ(s.view.log, (Texts{kCaption, "check:ViewTextSearch:0", "searchcontrols:0", "check:ViewAllFiles:0",
                                 "check:ViewInspection:1", kTip,
                                 kTip, "tabstops:0,120", kCaption + " / Total  1 Fakes in DB", "busy:0"}));
    s.presenter.Unload("");
    EXPECT_EQ(s.Ini(), ini);
    // Each View click flips its tick, applies it and stores its word.
    s.view.log.clear();
    s.presenter.ToggleTextSearch(), s.presenter.ToggleAllFiles(), s.presenter.ToggleInspection();
    EXPECT_EQ(s.view.log, (Texts{"check:ViewTextSearch:1", "searchcontrols:1", "check:ViewAllFiles:1",
                                 "check:ViewInspection:0"}));
    EXPECT_EQ(s.Ini(), ini.substr(0, ini.find("[Display]")) + "[Display]\nShowTextSearch=YES\nShowAllPartMet=YES\n"
                       "InspectContent=NO\n" + ini.substr(ini.find("[Internet]")));
    test::StaticServer server;  // both checks, in order, instead of the tips
    Home c("[Internet]\r\nCheckFakesDatAtStart=yes\r\nCheckKestrivaneAtStart=Yes\r\n");
    c.Load(server.BaseUrl());
    EXPECT_EQ(server.Requests(), (Texts{"/fakecheck/update/Fakes.txt", "/Download/KVVersion.txt"}));
    EXPECT_EQ(c.view.LogWith(kTip), Texts{});
}

TEST(Window, TheSplashWaitIsBounded) {
    // At most 1500 ms, in half-second steps, whatever the clock reports.
    EXPECT_EQ((std::vector{SplashWaitMilliseconds(1.6), SplashWaitMilliseconds(-100), SplashWaitMilliseconds(NAN)}),
              (std::vector{500, 1500, 0}));
}

TEST(Dialogs, OptionsOkStoresOnlyExactYesTypedTextsOrDefaultsAndTheWholeAddressFeedbackTheExactMailAddress) {
    Home d;
    OptionsValues v = LoadOptions(d.session);
    // The defaults are shown; loading, and so Cancel, writes nothing.
    EXPECT_EQ(v.fakesDatUrl + "|" + v.fakesDatVersionCaption + "|" + d.Ini(), kDefaultUrl + "|Fakes-DB-Version: 0|");
    d.session.tabStops = {1, 2, 3};
    v.tabStop1 = "\r\n99", v.tabStop2 = "120abc", v.fakesDatUrl = "";  // emptied boxes store the defaults
    SaveOptions(d.session, d.view, v);
    EXPECT_EQ(d.Ini() + d.view.log.back(), "[Internet]\r\nCheckKestrivaneAtStart=NO\r\nCheckFakesDatAtStart=NO\r\n"
                                           "FakesDatDownloadURL=" + kDefaultUrl + "\r\n[Tabs]\r\nTabStop1=60\r\n"
                                           "TabStop2=120abc\r\ntabstops:60,120");
    const std::string tail = "FakesDatDownloadURL=http://127.0.0.1:8080/" +
                             std::string(128, 'p') + "\r\n[Tabs]\r\nTabStop1=80\r\nTabStop2=300\r\n";
    Home e("[Internet]\r\nCheckFakesDatAtStart=yes\r\nCheckKestrivaneAtStart=YES\r\n" + tail);
    SaveOptions(e.session, e.view, LoadOptions(e.session));  // OK without editing keeps the 150-character address
    EXPECT_EQ(e.Ini(), "[Internet]\r\nCheckFakesDatAtStart=NO\r\nCheckKestrivaneAtStart=YES\r\n" + tail);
    e.session.addresses.feedback = "feedback@kestrivane.example";  // none is built in
    SendFeedbackMail(e.session, e.view);
    EXPECT_EQ(e.view.LogWith("open:"), Texts{"open:mailto:feedback@kestrivane.example?Subject=Some feedback about "
                                            "Kestrivane 1.0.0&body=My very important blabla"});
}


}  // namespace
}  // namespace kv
