#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "LoopbackServer.h"
#include "RecordingView.h"
#include "TempDir.h"
#include "common/AppState.h"
#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "online/VersionCheck.h"

namespace kv {
namespace {

using test::RecordingView;
using test::ScopedTempDir;
using test::StaticServer;

const std::string kNewest = "You already have the newest Kestrivane-Version...";
const std::string kNoSetup = "The version record names no usable setup file.";

std::string Record(const std::string& version, const std::string& display, const std::string& fileName) {
    return "[Kestrivane]\r\nVersion=" + version + "\r\nDisplay=" + display + "\r\nFileName=" + fileName + "\r\n";
}

TEST(VersionNumberTest, JoinsTheDigitsOfTheThreeNumbers) {
    EXPECT_EQ(VersionNumber(1, 0, 0), 100);
    EXPECT_EQ(VersionNumber(1, 2, 13), 1213);
    EXPECT_EQ(VersionNumber(1, 10, 0), 1100);
    // Joined digits, not place values: 1.10.0 counts as newer than a record of 200.
    EXPECT_GT(VersionNumber(1, 10, 0), NumericValue("200"));
    EXPECT_EQ(RunningVersionNumber(), 100);
}

TEST(PlainFileNameTest, AcceptsOnlyANameInsideTheDirectory) {
    for (const std::string good : {"KestrivaneSetup-1.0.1.exe", "setup", "a b.msi", "..hidden", "x.."})
        EXPECT_TRUE(IsPlainFileName(good)) << good;
    for (const std::string& bad : std::vector<std::string>{"", ".", "..", "../x", "/etc/x", "dir/setup.exe", "..\\x", "C:\\x.exe",
                                  std::string("a\nb"), std::string("a\tb"), std::string("a\x7f"),
                                  std::string("a\0b", 3)})
        EXPECT_FALSE(IsPlainFileName(bad)) << bad;
}

class VersionCheckTest : public ::testing::Test {
protected:
    StaticServer server;
    ScopedTempDir dir;
    AppState state;
    RecordingView view;
    const std::string settings = "[Internet]\r\nFakesDatVersion=7\r\n";

    void SetUp() override {
        state.programDir = dir.path();
        state.gIniFile = dir.Write("Kestrivane.ini", settings);
        state.gDownloadSiteUrl = server.BaseUrl();
        server.Serve("/Download/KV101.exe", "MZ setup bytes");
    }
    void Publish(const std::string& record) { server.Serve("/Download/KVVersion.txt", record); }
    int SetupRequests() const {
        int n = 0;
        for (const auto& p : server.Requests()) n += p != "/Download/KVVersion.txt" ? 1 : 0;
        return n;
    }
    void ExpectSettingsUntouched() const { EXPECT_EQ(dir.Read("Kestrivane.ini"), settings); }
};

TEST_F(VersionCheckTest, NewerVersionIsAnnouncedThenStoredOnce) {
    Publish(Record("101", "1.0.1", "KV101.exe"));

    CheckProgramVersion(state, view);  // the start-up check: only reports
    EXPECT_EQ(view.statusHistory,
              (std::vector<std::string>{"New Kestrivane-Version 1.0.1 available! Please download it now..."}));
    EXPECT_TRUE(state.gfNewVersion);
    EXPECT_EQ(state.gSetupFileName, "KV101.exe");
    EXPECT_EQ(SetupRequests(), 0);
    EXPECT_FALSE(FileExists(dir.File("KVVersion.txt")));

    view = RecordingView();
    OnlineKestrivane_Click(state, view);
    EXPECT_TRUE(state.gfDownloadOK);
    EXPECT_EQ(dir.Read("KV101.exe"), "MZ setup bytes");
    EXPECT_EQ(view.status, "Download finished! New " + dir.File("KV101.exe") + " written...");
    struct stat st {};
    ASSERT_EQ(::stat(dir.File("KV101.exe").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0111, 0u) << "stored, never made runnable";

    // Once stored, every later check points at it and fetches nothing.
    view = RecordingView();
    OnlineKestrivane_Click(state, view);
    EXPECT_EQ(view.statusHistory, (std::vector<std::string>{
                                      "NEWER Kestrivane-Version 1.0.1 already downloaded .-) Please install it ..."}));
    EXPECT_FALSE(state.gfNewVersion);
    EXPECT_EQ(SetupRequests(), 1);
    ExpectSettingsUntouched();
}

TEST_F(VersionCheckTest, SameOlderOrUnnumberedVersionIsNotNewer) {
    for (const std::string version : {"100", "99", "", "beta"}) {
        view = RecordingView();
        state.gfNewVersion = true;
        Publish(Record(version, "x", "KV101.exe"));
        OnlineKestrivane_Click(state, view);
        EXPECT_EQ(view.statusHistory, (std::vector<std::string>{kNewest})) << version;
        EXPECT_FALSE(state.gfNewVersion) << version;
    }
    EXPECT_EQ(SetupRequests(), 0);
    EXPECT_FALSE(FileExists(dir.File("KV101.exe")));
    EXPECT_FALSE(FileExists(dir.File("KVVersion.txt")));
    ExpectSettingsUntouched();
}

TEST_F(VersionCheckTest, EmptyDisplayLeavesTwoBlanks) {
    Publish(Record("101", "", "KV101.exe"));
    CheckProgramVersion(state, view);
    EXPECT_EQ(view.status, "New Kestrivane-Version  available! Please download it now...");

    dir.Write("KV101.exe", "already here");
    CheckProgramVersion(state, view);
    EXPECT_EQ(view.status, "NEWER Kestrivane-Version  already downloaded .-) Please install it ...");
    EXPECT_EQ(dir.Read("KV101.exe"), "already here");
}

TEST_F(VersionCheckTest, UnusableSetupFileNameFetchesNothing) {
    server.Serve("/x", "evil");
    server.Serve("/etc/x", "evil");
    ScopedTempDir outside;
    for (const std::string& name : std::vector<std::string>{"../x", "/etc/x", "", "..", "sub/x", outside.File("x")}) {
        view = RecordingView();
        Publish(Record("101", "1.0.1", name));
        OnlineKestrivane_Click(state, view);
        EXPECT_EQ(view.statusHistory, (std::vector<std::string>{kNoSetup})) << name;
        EXPECT_FALSE(state.gfNewVersion) << name;
    }
    EXPECT_EQ(SetupRequests(), 0);
    EXPECT_FALSE(FileExists(outside.File("x")));
    EXPECT_FALSE(FileExists(dir.File("../x")));
    ExpectSettingsUntouched();

    // Even called on its own, the download refuses such a name.
    view = RecordingView();
    state.gSetupFileName = "../x";
    DownloadProgramSetup(state, view);
    EXPECT_EQ(view.status, kNoSetup);
    EXPECT_EQ(SetupRequests(), 0);
}

TEST_F(VersionCheckTest, MissingRecordEndsTheCheckQuietlyApartFromItsFailure) {
    state.gfNewVersion = true;
    state.gfProxyAuth = true;  // not consulted by this command
    OnlineKestrivane_Click(state, view);
    EXPECT_FALSE(state.gfNewVersion);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.status, "File actually not available: " + server.BaseUrl() + "/Download/KVVersion.txt");
    EXPECT_EQ(SetupRequests(), 0);
    EXPECT_FALSE(FileExists(dir.File("KVVersion.txt")));
    ExpectSettingsUntouched();
}

TEST_F(VersionCheckTest, FailedSetupDownloadIsAnnouncedAgainNextTime) {
    Publish(Record("101", "1.0.1", "KV102.exe"));  // not served: 404
    OnlineKestrivane_Click(state, view);
    EXPECT_FALSE(state.gfDownloadOK);
    EXPECT_FALSE(FileExists(dir.File("KV102.exe")));
    EXPECT_EQ(view.status, "File actually not available: " + server.BaseUrl() + "/Download/KV102.exe");

    view = RecordingView();
    CheckProgramVersion(state, view);
    EXPECT_EQ(view.status, "New Kestrivane-Version 1.0.1 available! Please download it now...");
}

}  // namespace
}  // namespace kv
