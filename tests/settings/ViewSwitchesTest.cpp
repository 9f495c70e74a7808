#include "settings/ViewSwitches.h"

#include <gtest/gtest.h>

#include <string>

#include "RecordingView.h"
#include "TempDir.h"
#include "settings/IniFile.h"

namespace kv {
namespace {

using test::RecordingView;
using test::ScopedTempDir;

struct Fixture {
    ScopedTempDir dir;
    AppState state;
    RecordingView view;
    explicit Fixture(const std::string& ini = "") {
        state.gIniFile = dir.File("Kestrivane.ini");
        if (!ini.empty()) dir.Write("Kestrivane.ini", ini);
    }
    std::string Read(const char* key) { return ReadIniString("Display", key, "<none>", 50, state.gIniFile); }
};

TEST(ViewSwitches, NoDisplaySectionTicksBothAndStoresYes) {
    Fixture f;
    gfShowTextSearch(f.state, f.view);
    gfShowAllPartMet(f.state, f.view);
    EXPECT_TRUE(f.view.textSearchChecked);
    EXPECT_TRUE(f.view.allFilesChecked);
    EXPECT_EQ(f.state.gShowAllPartMet, "YES");
    EXPECT_EQ(f.state.gShowTextSearch, "YES");
    EXPECT_EQ(f.dir.Read("Kestrivane.ini"), "[Display]\r\nShowTextSearch=YES\r\nShowAllPartMet=YES\r\n");
    // An empty key leaves the search controls as they are.
    EXPECT_TRUE(f.view.LogWith("searchcontrols:").empty());

    ViewAllFiles_Click(f.state, f.view);
    EXPECT_FALSE(f.view.allFilesChecked);
    EXPECT_EQ(f.state.gShowAllPartMet, "NO");
    EXPECT_EQ(f.Read("ShowAllPartMet"), "NO");
    ViewAllFiles_Click(f.state, f.view);
    EXPECT_TRUE(f.view.allFilesChecked);
    EXPECT_EQ(f.Read("ShowAllPartMet"), "YES");
}

TEST(ViewSwitches, StoredNoHidesSearchControlsAndClickShowsThem) {
    Fixture f("[Display]\r\nShowTextSearch=NO\r\nShowAllPartMet=no\r\n");
    gfShowTextSearch(f.state, f.view);
    gfShowAllPartMet(f.state, f.view);
    EXPECT_FALSE(f.view.textSearchChecked);
    EXPECT_FALSE(f.view.searchControlsVisible);
    EXPECT_FALSE(f.view.allFilesChecked);
    EXPECT_EQ(f.state.gShowAllPartMet, "no");

    ViewTextSearch_Click(f.state, f.view);
    EXPECT_TRUE(f.view.textSearchChecked);
    EXPECT_TRUE(f.view.searchControlsVisible);
    EXPECT_EQ(f.Read("ShowTextSearch"), "YES");
    ViewTextSearch_Click(f.state, f.view);
    EXPECT_FALSE(f.view.textSearchChecked);
    EXPECT_FALSE(f.view.searchControlsVisible);
    EXPECT_EQ(f.Read("ShowTextSearch"), "NO");
}

TEST(ViewSwitches, LowerCaseYesCountsAndAnyOtherWordUnticksUntilFirstClick) {
    Fixture f("[Display]\r\nShowTextSearch=yes\r\nShowAllPartMet=maybe\r\n");
    gfShowTextSearch(f.state, f.view);
    gfShowAllPartMet(f.state, f.view);
    EXPECT_TRUE(f.view.textSearchChecked);
    EXPECT_TRUE(f.view.searchControlsVisible);
    EXPECT_FALSE(f.view.allFilesChecked);
    // The stored word is not rewritten by loading.
    EXPECT_EQ(f.Read("ShowAllPartMet"), "maybe");

    ViewAllFiles_Click(f.state, f.view);
    EXPECT_TRUE(f.view.allFilesChecked);
    EXPECT_EQ(f.state.gShowAllPartMet, "YES");
    EXPECT_EQ(f.Read("ShowAllPartMet"), "YES");

    // The check run reloads the switch from the file before each run.
    WriteIniString("Display", "ShowAllPartMet", "NO", f.state.gIniFile);
    gfShowAllPartMet(f.state, f.view);
    EXPECT_EQ(f.state.gShowAllPartMet, "NO");
    EXPECT_FALSE(f.view.allFilesChecked);
}

TEST(ViewSwitches, UnwritableSettingsKeepTickAndValueInStep) {
    Fixture f;
    f.state.gIniFile = f.dir.File("missing-dir/Kestrivane.ini");
    gfShowTextSearch(f.state, f.view);
    EXPECT_TRUE(f.view.textSearchChecked);
    EXPECT_EQ(f.state.gShowTextSearch, "YES");
    // First click therefore hides the controls, as the tick suggests.
    ViewTextSearch_Click(f.state, f.view);
    EXPECT_FALSE(f.view.textSearchChecked);
    EXPECT_FALSE(f.view.searchControlsVisible);
}

}  // namespace
}  // namespace kv
