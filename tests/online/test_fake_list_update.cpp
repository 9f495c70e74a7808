#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "LoopbackServer.h"
#include "RecordingView.h"
#include "TempDir.h"
#include "common/AppState.h"
#include "common/FileUtil.h"
#include "online/FakeListUpdate.h"
#include "settings/IniFile.h"

namespace kv {
namespace {

using test::RecordingView;
using test::ScopedTempDir;
using test::StaticServer;

const std::string kList =
    "0123456789abcdef0123456789abcdef,700000000,Fake movie\r\n"
    "fedcba9876543210fedcba9876543210,1234,Virus\r\n"
    "00112233445566778899aabbccddeeff,99,Empty archive\r\n";
const std::string kOldList = "ffffffffffffffffffffffffffffffff,1,Old entry\r\n";
const std::string kNewest = "You already have the newest FAKE-DB...";
const std::vector<std::string> kOrder = {"OnlineFakesDB", "OnlineKestrivane", "cbDownloadFakesDB", "cbCheckFiles",
                                         "cbTitelSearch"};

std::vector<std::string> Suffixes(const std::vector<std::string>& entries, const std::string& prefix) {
    std::vector<std::string> out;
    for (const auto& e : entries) out.push_back(e.substr(prefix.size()));
    return out;
}

class FakeListUpdateTest : public ::testing::Test {
protected:
    StaticServer server;
    ScopedTempDir dir;
    AppState state;
    RecordingView view;
    const std::string updatePath = "/fakecheck/update";

    void SetUp() override {
        state.programDir = dir.path();
        state.gIniFile = dir.File("Kestrivane.ini");
        state.gVersionText = "Kestrivane Version 1.0.0";
        state.gDefaultFakesUrl = server.BaseUrl() + updatePath;
        server.Serve(updatePath + "/FAKES.DAT", kList);
    }

    std::string Ini(const std::string& recordedVersion) const {
        return "[Internet]\r\nFakesDatDownloadURL=" + server.BaseUrl() + updatePath + "\r\nFakesDatVersion=" +
               recordedVersion + "\r\n";
    }
    void ServerVersion(const std::string& text) { server.Serve(updatePath + "/Fakes.txt", text); }
    int ListRequests() const { return server.RequestCount(updatePath + "/FAKES.DAT"); }
    std::string Setting(const std::string& key) const {
        return ReadIniString("Internet", key, "<missing>", 2000, state.gIniFile);
    }
    bool HasStatus(const std::string& text) const {
        return std::find(view.statusHistory.begin(), view.statusHistory.end(), text) != view.statusHistory.end();
    }
};

TEST_F(FakeListUpdateTest, NewerListIsDownloadedRecordedAndLoaded) {
    dir.Write("Kestrivane.ini", Ini("9"));
    dir.Write("FAKES.DAT", kOldList);
    ServerVersion("12\r\n");

    OnlineFakesDB_Click(state, view);

    ASSERT_GE(view.statusHistory.size(), 2u);
    EXPECT_EQ(view.statusHistory[0], "Please wait, version check is running...");
    // The version check is quiet; its result and then the list's own progress follow.
    EXPECT_EQ(view.statusHistory[1], "New FAKE-DB - Version 12 available! Please download it now...");
    EXPECT_TRUE(HasStatus("Download finished! New " + dir.File("FAKES.DAT") + " written..."));
    EXPECT_EQ(dir.Read("FAKES.DAT"), kList);
    EXPECT_EQ(dir.Read("Kestrivane.ini"), Ini("12"));
    EXPECT_TRUE(state.gPendingFakesDatVersion.empty());
    EXPECT_EQ(state.gFakeDB.size(), 3u);
    EXPECT_NE(view.caption.find("Total  3 Fakes in DB"), std::string::npos) << view.caption;
    EXPECT_FALSE(FileExists(dir.File("Fakes.txt")));

    // The five commands: all disabled before the check, all enabled after the reload, in order.
    EXPECT_EQ(Suffixes(view.LogWith("disable:"), "disable:"), kOrder);
    EXPECT_EQ(Suffixes(view.LogWith("enable:"), "enable:"), kOrder);
    const auto at = [&](const std::string& entry) {
        return std::find(view.log.begin(), view.log.end(), entry) - view.log.begin();
    };
    EXPECT_LT(at("disable:cbTitelSearch"), at("status:New FAKE-DB - Version 12 available! Please download it now..."));
    EXPECT_GT(at("enable:OnlineFakesDB"), at("caption:" + view.caption));
    EXPECT_EQ(view.log.back(), "enable:cbTitelSearch");
}

TEST_F(FakeListUpdateTest, CurrentOrNewerLocalListIsKept) {
    dir.Write("FAKES.DAT", kOldList);
    ServerVersion("12");
    for (const std::string recorded : {"12", "15"}) {
        view = RecordingView();
        dir.Write("Kestrivane.ini", Ini(recorded));
        OnlineFakesDB_Click(state, view);
        EXPECT_EQ(view.status, kNewest) << recorded;
        EXPECT_FALSE(state.gfFakesDatNeeded);
        EXPECT_EQ(dir.Read("Kestrivane.ini"), Ini(recorded)) << "never lowered, never rewritten";
        EXPECT_EQ(Suffixes(view.LogWith("enable:"), "enable:"), kOrder);
    }
    EXPECT_EQ(ListRequests(), 0);
    EXPECT_EQ(dir.Read("FAKES.DAT"), kOldList);
}

TEST_F(FakeListUpdateTest, MissingOrEmptyLocalListIsFetchedWithoutRecording) {
    ServerVersion("12");
    dir.Write("Kestrivane.ini", Ini("12"));

    OnlineFakesDB_Click(state, view);  // no FAKES.DAT at all
    EXPECT_TRUE(HasStatus(kNewest));
    EXPECT_EQ(dir.Read("FAKES.DAT"), kList);
    EXPECT_EQ(state.gFakeDB.size(), 3u);
    EXPECT_EQ(dir.Read("Kestrivane.ini"), Ini("12"));

    view = RecordingView();
    dir.Write("FAKES.DAT", "");
    OnlineFakesDB_Click(state, view);
    EXPECT_TRUE(HasStatus(kNewest));
    EXPECT_EQ(dir.Read("FAKES.DAT"), kList);
    EXPECT_EQ(ListRequests(), 2);
    EXPECT_EQ(dir.Read("Kestrivane.ini"), Ini("12"));
}

TEST_F(FakeListUpdateTest, StartupCheckReportsAndFillsDefaultsThenCommandDownloads) {
    // No settings file at all: the address and the version get their defaults.
    ServerVersion("3");
    CheckFakesDatVersion(state, view);
    EXPECT_EQ(Setting("FakesDatDownloadURL"), state.gDefaultFakesUrl);
    EXPECT_EQ(Setting("FakesDatVersion"), "1");
    EXPECT_EQ(view.statusHistory,
              (std::vector<std::string>{"New FAKE-DB - Version 3 available! Please download it now..."}));
    EXPECT_TRUE(state.gfFakesDatNeeded);
    EXPECT_EQ(state.gPendingFakesDatVersion, "3");
    EXPECT_EQ(ListRequests(), 0);
    EXPECT_TRUE(view.LogWith("disable:").empty());
    EXPECT_FALSE(FileExists(dir.File("Fakes.txt")));
    EXPECT_FALSE(FileExists(dir.File("FAKES.DAT")));

    // The recorded version was left alone, so the command finds the difference again.
    OnlineFakesDB_Click(state, view);
    EXPECT_EQ(dir.Read("FAKES.DAT"), kList);
    EXPECT_EQ(Setting("FakesDatVersion"), "3");
}

TEST_F(FakeListUpdateTest, UnwritableSettingsStillUpdateFromTheDefaultAddress) {
    state.gIniFile = dir.File("missing-dir/Kestrivane.ini");
    ServerVersion("3");
    OnlineFakesDB_Click(state, view);
    EXPECT_TRUE(HasStatus("New FAKE-DB - Version 3 available! Please download it now..."));
    EXPECT_EQ(dir.Read("FAKES.DAT"), kList);
    EXPECT_EQ(state.gFakeDB.size(), 3u);
}

TEST_F(FakeListUpdateTest, ServerVersionTextCannotInjectSettings) {
    dir.Write("Kestrivane.ini", Ini("9"));
    ServerVersion("  12 \r\n[eDonkey]\r\nTempPath=/tmp\r\n");
    OnlineFakesDB_Click(state, view);
    EXPECT_TRUE(HasStatus("New FAKE-DB - Version 12 available! Please download it now..."));
    EXPECT_EQ(dir.Read("Kestrivane.ini"), Ini("12"));
    EXPECT_EQ(ReadIniString("eDonkey", "TempPath", "", 2000, state.gIniFile), "");
}

TEST_F(FakeListUpdateTest, VersionWithoutNumberIsNeverNewer) {
    dir.Write("Kestrivane.ini", Ini("9"));
    dir.Write("FAKES.DAT", kOldList);
    ServerVersion("<html>maintenance</html>");
    OnlineFakesDB_Click(state, view);
    EXPECT_EQ(view.status, kNewest);
    EXPECT_EQ(ListRequests(), 0);
    EXPECT_EQ(dir.Read("Kestrivane.ini"), Ini("9"));
}

TEST_F(FakeListUpdateTest, LongUpdateAddressIsUsedWhole) {
    const std::string longPath = "/" + std::string(150, 'u');
    server.Serve(longPath + "/Fakes.txt", "5");
    server.Serve(longPath + "/FAKES.DAT", kList);
    const std::string ini = "[Internet]\r\nFakesDatDownloadURL=" + server.BaseUrl() + longPath +
                            "\r\nFakesDatVersion=4\r\n";
    dir.Write("Kestrivane.ini", ini);
    OnlineFakesDB_Click(state, view);
    EXPECT_EQ(dir.Read("FAKES.DAT"), kList);
    EXPECT_EQ(Setting("FakesDatVersion"), "5");
}

TEST_F(FakeListUpdateTest, FailedVersionFileChangesNothing) {
    dir.Write("Kestrivane.ini", Ini("9"));
    dir.Write("FAKES.DAT", kOldList);
    // Fakes.txt is not served: 404.
    OnlineFakesDB_Click(state, view);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.status, "File actually not available: " + server.BaseUrl() + updatePath + "/Fakes.txt");
    EXPECT_FALSE(state.gfFakesDatNeeded);
    EXPECT_TRUE(state.gPendingFakesDatVersion.empty());
    EXPECT_EQ(ListRequests(), 0);
    EXPECT_EQ(dir.Read("Kestrivane.ini"), Ini("9"));
    EXPECT_EQ(dir.Read("FAKES.DAT"), kOldList);
    EXPECT_EQ(Suffixes(view.LogWith("enable:"), "enable:"), kOrder);
}

TEST_F(FakeListUpdateTest, FailedListDownloadKeepsListAndVersionButReloads) {
    dir.Write("Kestrivane.ini", Ini("9"));
    dir.Write("FAKES.DAT", kOldList);
    ServerVersion("12");
    server.Serve(updatePath + "/FAKES.DAT", "Internal Server Error", 500);
    OnlineFakesDB_Click(state, view);
    EXPECT_FALSE(state.gfDownloadOK);
    EXPECT_EQ(dir.Read("FAKES.DAT"), kOldList);
    EXPECT_EQ(dir.Read("Kestrivane.ini"), Ini("9"));
    EXPECT_EQ(state.gFakeDB.size(), 1u);
    EXPECT_NE(view.caption.find("Total  1 Fakes in DB"), std::string::npos) << view.caption;
    EXPECT_FALSE(std::any_of(view.statusHistory.begin(), view.statusHistory.end(),
                             [](const std::string& s) { return s.rfind("Download finished!", 0) == 0; }));
    EXPECT_EQ(Suffixes(view.LogWith("enable:"), "enable:"), kOrder);
}

TEST_F(FakeListUpdateTest, ProxyPageStopsLaterUpdates) {
    dir.Write("Kestrivane.ini", Ini("9"));
    dir.Write("FAKES.DAT", kOldList);
    ServerVersion("<h1>407 Proxy Authentication Required</h1>");
    OnlineFakesDB_Click(state, view);
    EXPECT_TRUE(state.gfProxyAuth);
    EXPECT_EQ(dir.Read("FAKES.DAT"), kOldList);
    EXPECT_EQ(dir.Read("Kestrivane.ini"), Ini("9"));

    // From now on the command only refuses: no status, no commands touched, no request.
    view = RecordingView();
    ServerVersion("12");
    const size_t requests = server.Requests().size();
    OnlineFakesDB_Click(state, view);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text, "Proxy Authentication is not implemented yet");
    EXPECT_EQ(view.boxes[0].style, kMbOk);
    EXPECT_EQ(view.boxes[0].title, "Kestrivane");
    EXPECT_EQ(view.log.size(), 1u);
    EXPECT_EQ(server.Requests().size(), requests);
}

}  // namespace
}  // namespace kv
