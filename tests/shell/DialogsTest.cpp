#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingView.h"
#include "TempDir.h"
#include "settings/IniFile.h"
#include "shell/About.h"
#include "shell/Options.h"
#include "shell/Startup.h"

namespace kv {
namespace {

using test::RecordingView;
using test::ScopedTempDir;

const std::string kDefaultUrl = "http://update.kestrivane.example/fakecheck/update";

struct Dialog {
    ScopedTempDir home;
    AppState state;
    RecordingView view;
    explicit Dialog(const std::string& ini = "") {
        InitSharedState(state, view, home.path());
        if (!ini.empty()) home.Write("Kestrivane.ini", ini);
    }
    std::string Ini() const { return home.Read("Kestrivane.ini"); }
    std::string Get(const char* section, const char* key) const {
        return ReadIniString(section, key, "<none>", 2000, state.gIniFile);
    }
};

TEST(Options, MissingKeysLoadEmptyAndSaveDefaultsInOrder) {
    Dialog d;
    const OptionsValues values = LoadOptions(d.state);
    EXPECT_FALSE(values.checkFakesDat);
    EXPECT_FALSE(values.checkKestrivane);
    EXPECT_EQ(values.tabStop1, "");
    EXPECT_EQ(values.tabStop2, "");
    EXPECT_EQ(values.fakesDatUrl, kDefaultUrl);
    EXPECT_EQ(values.fakesDatVersionCaption, "Fakes-DB-Version: 0");
    // Loading (and so Cancel) writes nothing.
    EXPECT_EQ(d.Ini(), "");

    d.state.gTabStops = {1, 2, 3};
    SaveOptions(d.state, d.view, values);
    EXPECT_EQ(d.Ini(),
              "[Internet]\r\n"
              "CheckKestrivaneAtStart=NO\r\n"
              "CheckFakesDatAtStart=NO\r\n"
              "FakesDatDownloadURL=" + kDefaultUrl + "\r\n"
              "[Tabs]\r\n"
              "TabStop1=60\r\n"
              "TabStop2=355\r\n");
    // The array is rebuilt, not appended to.
    EXPECT_EQ(d.state.gTabStops, (std::vector<int32_t>{60, 355}));
    EXPECT_EQ(d.view.tabStops, (std::vector<int32_t>{60, 355}));
    // The stops reach the list exactly once.
    EXPECT_EQ(d.view.LogWith("tabstops:").size(), 1u);
}

TEST(Options, OnlyExactYesTicksAndTicksAreStoredAsYesOrNo) {
    const std::string ini =
        "[Internet]\r\n"
        "CheckFakesDatAtStart=yes\r\n"
        "CheckKestrivaneAtStart=YES\r\n"
        "FakesDatVersion=42\r\n"
        "[Tabs]\r\n"
        "TabStop1=80\r\n"
        "TabStop2=300\r\n";
    Dialog d(ini);
    OptionsValues values = LoadOptions(d.state);
    EXPECT_FALSE(values.checkFakesDat);
    EXPECT_TRUE(values.checkKestrivane);
    EXPECT_EQ(values.tabStop1, "80");
    EXPECT_EQ(values.tabStop2, "300");
    EXPECT_EQ(values.fakesDatVersionCaption, "Fakes-DB-Version: 42");
    EXPECT_EQ(d.Ini(), ini);

    SaveOptions(d.state, d.view, values);
    EXPECT_EQ(d.Get("Internet", "CheckFakesDatAtStart"), "NO");
    EXPECT_EQ(d.Get("Internet", "CheckKestrivaneAtStart"), "YES");
    EXPECT_EQ(d.Get("Internet", "FakesDatVersion"), "42");  // never written here
    EXPECT_EQ(d.view.tabStops, (std::vector<int32_t>{80, 300}));

    values.checkFakesDat = true;
    values.checkKestrivane = false;
    SaveOptions(d.state, d.view, values);
    EXPECT_EQ(d.Get("Internet", "CheckFakesDatAtStart"), "YES");
    EXPECT_EQ(d.Get("Internet", "CheckKestrivaneAtStart"), "NO");
}

TEST(Options, TabStopBoxesAreStoredAsTypedAndAppliedByTheirNumber) {
    Dialog d("[Tabs]\r\nTabStop1=70\r\nTabStop2=400\r\n");
    OptionsValues values = LoadOptions(d.state);

    values.tabStop1 = "";
    values.tabStop2 = "";
    SaveOptions(d.state, d.view, values);
    EXPECT_EQ(d.Get("Tabs", "TabStop1"), "60");
    EXPECT_EQ(d.Get("Tabs", "TabStop2"), "355");
    EXPECT_EQ(d.view.tabStops, (std::vector<int32_t>{60, 355}));

    values.tabStop1 = "120abc";
    values.tabStop2 = "wide";
    SaveOptions(d.state, d.view, values);
    EXPECT_EQ(d.Get("Tabs", "TabStop1"), "120abc");
    EXPECT_EQ(d.Get("Tabs", "TabStop2"), "wide");
    EXPECT_EQ(d.view.tabStops, (std::vector<int32_t>{120, 0}));

    // What is applied is what is stored, line breaks included.
    values.tabStop1 = "\r\n99";
    values.tabStop2 = "33\r\n44";
    SaveOptions(d.state, d.view, values);
    EXPECT_EQ(d.Get("Tabs", "TabStop1"), "60");
    EXPECT_EQ(d.Get("Tabs", "TabStop2"), "33");
    EXPECT_EQ(d.view.tabStops, (std::vector<int32_t>{60, 33}));
}

TEST(Options, AddressEmptiedGetsDefaultAndLongAddressSurvivesUnchanged) {
    std::string longUrl = "http://127.0.0.1:8080/";
    while (longUrl.size() < 150) longUrl += "very-long-path-segment/";
    longUrl.resize(150);
    Dialog d("[Internet]\r\nFakesDatDownloadURL=" + longUrl + "\r\n");

    OptionsValues values = LoadOptions(d.state);
    EXPECT_EQ(values.fakesDatUrl, longUrl);
    SaveOptions(d.state, d.view, values);
    EXPECT_EQ(d.Get("Internet", "FakesDatDownloadURL"), longUrl);

    values.fakesDatUrl = "";
    SaveOptions(d.state, d.view, values);
    EXPECT_EQ(d.Get("Internet", "FakesDatDownloadURL"), kDefaultUrl);

    // A key present but empty shows an empty box; OK then stores the default.
    Dialog e("[Internet]\r\nFakesDatDownloadURL=\r\nFakesDatVersion=\r\n");
    values = LoadOptions(e.state);
    EXPECT_EQ(values.fakesDatUrl, "");
    EXPECT_EQ(values.fakesDatVersionCaption, "Fakes-DB-Version: ");
    SaveOptions(e.state, e.view, values);
    EXPECT_EQ(e.Get("Internet", "FakesDatDownloadURL"), kDefaultUrl);
}

TEST(About, CaptionCreditAndMailAddressAreExact) {
    EXPECT_EQ(AboutCaption(), "Kestrivane-Info  1.0.0");

    const std::string credit = AboutCreditText();
    const size_t first = credit.find("\r\n");
    ASSERT_NE(first, std::string::npos);
    const size_t second = credit.find("\r\n", first + 2);
    ASSERT_NE(second, std::string::npos);
    const std::string line1 = credit.substr(0, first);
    EXPECT_NE(line1.find("Kestrivane"), std::string::npos);
    EXPECT_NE(line1.find("C++"), std::string::npos);
    EXPECT_EQ(credit.substr(first + 2, second - first - 2), "and powered by Brindlecast.");
    EXPECT_EQ(credit.substr(second + 2), "Thanks to all the SupportinG gUyZ!");

    AppState state;
    RecordingView view;
    InitSharedState(state, view, "/prog");
    EXPECT_EQ(FeedbackMailAddress(state),
              "mailto:feedback@kestrivane.example?Subject=Some feedback about Kestrivane 1.0.0"
              "&body=My very important blabla");
}

TEST(About, OpeningFailuresShowTheirOwnTextsAndSuccessShowsNothing) {
    AppState state;
    RecordingView view;
    InitSharedState(state, view, "/prog");

    OpenAboutLink(view, state.gCommunityUrl);
    SendFeedbackMail(state, view);
    EXPECT_TRUE(view.boxes.empty());
    EXPECT_EQ(view.openedAddresses, (std::vector<std::string>{"http://fakes.kestrivane.example",
                                                              FeedbackMailAddress(state)}));

    view.openAddressResult = false;
    OpenAboutLink(view, state.gDownloadSiteUrl);
    SendFeedbackMail(state, view);
    ASSERT_EQ(view.boxes.size(), 2u);
    EXPECT_EQ(view.boxes[0].text, "Errors occurred.  Could not open link.");
    EXPECT_EQ(view.boxes[0].style, kMbOk);
    EXPECT_EQ(view.boxes[0].title, "Kestrivane");
    EXPECT_EQ(view.boxes[1].text, "What could this error be?");
    EXPECT_EQ(view.boxes[1].style, kMbOk);
    EXPECT_EQ(view.boxes[1].title, "Kestrivane");
    EXPECT_EQ(view.openedAddresses.back(), FeedbackMailAddress(state));
    // Nothing else reached the window.
    EXPECT_TRUE(view.LogWith("status:").empty());
}

}  // namespace
}  // namespace kv
