#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "LoopbackServer.h"
#include "RecordingView.h"
#include "TempDir.h"
#include "common/FileUtil.h"
#include "online/FakeListUpdate.h"
#include "online/HttpDownload.h"
#include "online/VersionCheck.h"

namespace kv {
namespace {

using httplib::DataSink, httplib::Request, httplib::Response;
using Strings = std::vector<std::string>;

const std::string kNotAvailable = "The choosen URL is temporary not available. Please try later!";
const std::string kList = std::string(32, 'a') + ",700000000,Fake movie\r\n" + std::string(32, 'b') + ",1,Virus\r\n";
const std::string kOldList = std::string(32, 'f') + ",1,Old entry\r\n";
const Strings kCommands = {"OnlineFakesDB", "OnlineKestrivane", "cbDownloadFakesDB", "cbCheckFiles", "cbTitelSearch"};

std::string Bytes(size_t n) {
    std::string s;
    for (size_t i = 0; i < n; ++i) s += static_cast<char>('a' + i % 26);
    return s;
}

Strings Starting(const std::string& prefix, const Strings& in) {
    Strings out;
    for (const auto& s : in)
        if (s.rfind(prefix, 0) == 0) out.push_back(s.substr(prefix.size()));
    return out;
}

class OnlineTest : public ::testing::Test {
protected:
    test::StaticServer server;
    test::ScopedTempDir dir;
    AppState state;
    test::RecordingView view;
    // Long on purpose: the address must be used whole.
    const std::string updatePath = "/" + std::string(150, 'u') + "/fakecheck/update";
    void SetUp() override {
        state.programDir = dir.path();
        state.gIniFile = dir.File("Kestrivane.ini");
        state.gDefaultFakesUrl = server.BaseUrl() + updatePath;
        state.gDownloadSiteUrl = server.BaseUrl();
        server.Serve(updatePath + "/FAKES.DAT", kList);
    }
    std::string Url(const std::string& path) const { return server.BaseUrl() + path; }
    void Run(void (*command)(AppState&, MainView&)) {
        view = {};
        command(state, view);
    }
    void Fetch(const std::string& address, const std::string& target, bool quiet = false) {
        view = {};
        DownloadUrlToFile(state, view, address[0] == '/' ? Url(address) : address, target, quiet);
    }
    std::string Ini(const std::string& recorded) const {
        return "[Internet]\r\nFakesDatDownloadURL=" + Url(updatePath) + "\r\nFakesDatVersion=" + recorded + "\r\n";
    }
    // `sent` bytes of `announced` (0: no length given, the body ends whole); then the
    // connection closes, or with hold the rest follows after a long silence, which
    // a client without a stall limit would wait out and accept.
    test::StaticServer::Handler Body(size_t sent, size_t announced, bool hold = false) {
        return [=, this](const Request&, Response& res) {
            const auto send = [=, this](size_t, DataSink& sink) {
                sink.write(Bytes(sent).data(), sent);
                if (hold) {
                    server.Hold();
                    sink.write(Bytes(announced - sent).data(), announced - sent);
                    return true;
                }
                if (announced == 0) sink.done();
                return announced == 0;
            };
            if (announced == 0) return res.set_chunked_content_provider("text/plain", send);
            res.set_content_provider(announced, "text/plain", [=](auto o, auto, auto& d) { return send(o, d); });
        };
    }
};

TEST_F(OnlineTest, ProgressFigureAfterEveryTenthReadOfTwoKilobytes) {
    const std::string target = dir.File("t");
    const auto figure = [](const std::string& n) { return n + " Bytes. Please wait..."; };
    struct Case { size_t size; Strings figures; };
    for (const Case& c : std::vector<Case>{
             {0, {}},                                   // an empty resource is stored empty
             {10 * 2048, {figure("20480")}},            // the empty 11th read shows nothing
             {20 * 2048 + 100, {figure("20480"), figure("40960")}},
             {9 * 2048 + 100, {figure("1000")}},        // a short 10th read counts as itself
             {9 * 2048, {figure("0")}}}) {              // the 10th read is the empty last one
        server.Serve("/f", Bytes(c.size));
        Fetch("/f", target);
        EXPECT_EQ(Starting("Reading: ", view.statusHistory), c.figures) << c.size;
        EXPECT_EQ(view.statusHistory.front(), "Opening URL...");
        EXPECT_EQ(view.statusHistory.back(), "Download finished! New " + target + " written...");
        EXPECT_TRUE(state.gfDownloadOK && view.boxes.empty() && FileExists(target) && dir.Read("t") == Bytes(c.size));
    }
    const auto header = [this](const char* name) { return server.LastHeader(name); };
    EXPECT_EQ((Strings{header("User-Agent"), header("Cache-Control"), header("Pragma")}),
              (Strings{"Kestrivane", "no-cache", "no-cache"}));
    server.Serve("/f", Bytes(215 * 2048));  // the read counter wraps at the 200th read; sampling goes on
    Fetch("/f", target);
    const Strings figures = Starting("Reading: ", view.statusHistory);
    ASSERT_EQ(figures.size(), 21u);
    EXPECT_EQ(Strings(figures.begin() + 19, figures.end()), (Strings{figure("409600"), figure("430080")}));
    Fetch("/f", target, true);  // quiet: not a single status text
    EXPECT_TRUE(state.gfDownloadOK && view.statusHistory.empty());
}

TEST_F(OnlineTest, RecognisedPagesAndErrorStatusesAreRejectedEvenQuietly) {
    const std::string target = dir.Write("FAKES.DAT", kOldList);
    const std::string both = "<b>PROXY AUTHENTICATION required</b> Object Not Found";
    const std::string longProxy = "Proxy Authentication Required " + Bytes(5000);
    struct Case { int status; std::string body; bool proxy; std::string box; };
    for (const Case& c : std::vector<Case>{
             {200, "THE PAGE CANNOT BE FOUND", false, kNotAvailable}, {404, "", false, kNotAvailable},
             {200, "error: object not found", false, kNotAvailable}, {500, "Oops", false, kNotAvailable},
             {200, both, true, both},  // the proxy page wins
             {200, longProxy, true, longProxy.substr(0, 2000)}, {407, "", true, "Proxy Authentication Required"},
             {407, "<p>Log in first</p>", true, "<p>Log in first</p>"}}) {
        SCOPED_TRACE(std::to_string(c.status) + " " + c.body.substr(0, 30));
        state.gfDownloadOK = true;  // as after an earlier success
        state.gfProxyAuth = false;
        server.Serve("/p", c.body, c.status);
        Fetch("/p", target, true);
        EXPECT_FALSE(state.gfDownloadOK);
        EXPECT_EQ(state.gfProxyAuth, c.proxy);
        // The box first; after the not-found box the status line, after the proxy page nothing.
        Strings log = {"box:16:Online-Check/Download not available!:" + c.box};
        if (!c.proxy) log.push_back("status:File actually not available: " + Url("/p"));
        EXPECT_EQ(view.log, log);
        EXPECT_EQ(dir.Read("FAKES.DAT"), kOldList);
    }
}

TEST_F(OnlineTest, OnlyAFullDownloadReplacesTheFileAndTheProxyStaysKnown) {
    const std::string target = dir.Write("f", Bytes(10000));
    server.Serve("/proxy", "Proxy Authentication Required");
    server.Serve("/short", "abc");
    server.Handle("/moved", [this](const Request&, Response& res) { res.set_redirect(Url("/short")); });
    server.Handle("/unannounced", Body(3000, 0));
    state.downloadLimits.maxBytes = 4096;
    Fetch("/proxy", target);
    Fetch("/moved", target);  // shorter, over a longer file, after a redirect
    EXPECT_TRUE(state.gfDownloadOK && state.gfProxyAuth);
    EXPECT_EQ(dir.Read("f"), "abc");
    Fetch("/unannounced", target);  // no length given, within the limit: whole
    EXPECT_EQ(dir.Read("f"), Bytes(3000));
    const std::string refused = test::StaticServer().BaseUrl() + "/x";  // closed again
    const std::string unwritable = dir.File("no-such-dir/x");
    struct Case { std::string address, path, status; };
    for (const Case& c : std::vector<Case>{{refused, target, "Could not open file " + refused + "."},
             {"file://" + target, dir.File("copy"), "Could not open file file://" + target + "."},
             {"/short", unwritable, "Could not write file " + unwritable + "."}}) {
        state.gfDownloadOK = true;
        Fetch(c.address, c.path, true);
        EXPECT_FALSE(state.gfDownloadOK) << c.status;
        EXPECT_EQ(view.statusHistory, Strings{c.status});  // shown even when quiet
        EXPECT_FALSE(FileExists(c.path) && c.path != target) << c.status;
    }
    EXPECT_EQ(dir.Read("f"), Bytes(3000));
}

TEST_F(OnlineTest, NewerListIsReportedAtStartThenDownloadedRecordedAndLoaded) {
    // The server's text tries to smuggle a section into the settings.
    server.Serve(updatePath + "/Fakes.txt", "  12 \r\n[eDonkey]\r\nTempPath=/tmp\r\n");
    const std::string available = "New FAKE-DB - Version 12 available! Please download it now...";
    Run(CheckFakesDatVersion);  // the start-up check, no settings yet: fills them and only reports
    EXPECT_EQ(dir.Read("Kestrivane.ini"), Ini("1"));
    EXPECT_EQ(view.log, Strings{"status:" + available});
    dir.Write("Kestrivane.ini", Ini("9"));
    dir.Write("FAKES.DAT", kOldList);
    Run(OnlineFakesDB_Click);
    EXPECT_EQ(dir.Read("FAKES.DAT"), kList);
    EXPECT_EQ(dir.Read("Kestrivane.ini"), Ini("12"));
    EXPECT_FALSE(FileExists(dir.File("Fakes.txt")));
    EXPECT_EQ(Starting("Download finished!", view.statusHistory).size(), 1u);
    EXPECT_NE(view.caption.find("Total  2 Fakes in DB"), std::string::npos) << view.caption;
    // All five commands locked before the check, released after the reload, in order.
    Strings begin = {"status:Please wait, version check is running..."}, end = {"caption:" + view.caption};
    for (const auto& c : kCommands) { begin.push_back("disable:" + c); end.push_back("enable:" + c); }
    begin.push_back("status:" + available);
    ASSERT_GE(view.log.size(), begin.size() + end.size());
    EXPECT_EQ(Strings(view.log.begin(), view.log.begin() + 7), begin);
    EXPECT_EQ(Strings(view.log.end() - 6, view.log.end()), end);
}

TEST_F(OnlineTest, CurrentOrNewerLocalVersionIsKeptAndAMissingListFetched) {
    struct Case { std::string recorded, server; const char* local; };
    for (const Case& c : std::vector<Case>{{"12", "12", kOldList.c_str()}, {"15", "12", kOldList.c_str()},
                                           {"9", "<html>maintenance</html>", kOldList.c_str()},
                                           {"12", "12", nullptr}, {"12", "12", ""}}) {
        dir.Write("Kestrivane.ini", Ini(c.recorded));
        c.local ? (void)dir.Write("FAKES.DAT", c.local) : (void)RemoveFile(dir.File("FAKES.DAT"));
        server.Serve(updatePath + "/Fakes.txt", c.server);
        Run(OnlineFakesDB_Click);
        EXPECT_EQ(view.statusHistory[1], "You already have the newest FAKE-DB...") << c.recorded;
        EXPECT_EQ(dir.Read("FAKES.DAT"), c.local && *c.local ? kOldList : kList) << c.recorded;
        EXPECT_EQ(dir.Read("Kestrivane.ini"), Ini(c.recorded)) << "never lowered, never rewritten";
        EXPECT_EQ(Starting("enable:", view.log), kCommands);
    }
}

TEST_F(OnlineTest, FailedUpdatesLeaveListAndSettingsByteIdentical) {
    dir.Write("Kestrivane.ini", Ini("9"));
    dir.Write("FAKES.DAT", kOldList);
    state.downloadLimits.lowSpeedTimeSeconds = 1;
    state.downloadLimits.maxBytes = 4096;
    const std::string version = updatePath + "/Fakes.txt", list = updatePath + "/FAKES.DAT";
    const auto gone = [this](const std::string& p) { return "File actually not available: " + Url(p); };
    const auto cut = [this](const std::string& p) { return "Download of " + Url(p) + " was interrupted."; };
    const auto& fixed = test::StaticServer::Fixed;
    int pumps = 0;
    struct Case { std::string path; test::StaticServer::Handler handler; std::string status; };
    for (const Case& c : std::vector<Case>{
             {version, fixed("", 404), gone(version)}, {version, Body(2, 100), cut(version)},
             {list, fixed("Internal Server Error", 500), gone(list)}, {list, Body(2000, 4000), cut(list)},
             {list, [this](const Request&, Response&) { server.Hold(); }, cut(list)},
             {list, fixed(Bytes(5000), 200), cut(list)}, {list, Body(9000, 0), cut(list)},
             {list, Body(1, 4000, true), cut(list)},
             {list, fixed("<h1>407 Proxy Authentication Required</h1>", 200), ""}}) {
        server.Serve(version, "12");
        server.Serve(list, kList);
        server.Handle(c.path, c.handler);
        Run(OnlineFakesDB_Click);
        EXPECT_TRUE(c.status.empty() ? state.gfProxyAuth : view.status == c.status) << view.status;
        EXPECT_EQ(dir.Read("FAKES.DAT"), kOldList) << c.status;
        EXPECT_EQ(dir.Read("Kestrivane.ini"), Ini("9")) << c.status;
        EXPECT_EQ(Starting("enable:", view.log), kCommands) << c.status;
        // Reloaded all the same: the database shows the list that is still there.
        EXPECT_TRUE(c.path == version || view.caption.find("Total  1 Fakes") != std::string::npos) << view.caption;
        pumps = std::max(pumps, view.paintEventPumps);
    }
    EXPECT_GE(pumps, 3);  // the window was kept painted while a server stalled
    // From now on the command only refuses: one box, no request, no command touched.
    const size_t requests = server.Requests().size();
    Run(OnlineFakesDB_Click);
    EXPECT_EQ(view.log, (Strings{"box:0:Kestrivane:Proxy Authentication is not implemented yet"}));
    EXPECT_EQ(server.Requests().size(), requests);
}

TEST_F(OnlineTest, ProgramVersionCheckStoresOnlyANewerSetupUnderAPlainName) {
    const auto publish = [this](const std::string& version, const std::string& display, const std::string& name) {
        server.Serve("/Download/KVVersion.txt", "[Kestrivane]\r\nVersion=" + version + "\r\nDisplay=" + display +
                                                    "\r\nFileName=" + name + "\r\n");
    };
    const std::string newest = "You already have the newest Kestrivane-Version...";
    const std::string unusable = "The version record names no usable setup file.";
    struct Case { std::string version, fileName, status; };
    for (const Case& c : std::vector<Case>{
             {"100", "KV.exe", newest}, {"99", "KV.exe", newest}, {"", "KV.exe", newest}, {"101", "../x", unusable},
             {"101", "/etc/x", unusable}, {"101", "", unusable}, {"101", "..", unusable}, {"101", "..\\x", unusable}}) {
        state.gfNewVersion = true;
        publish(c.version, "1.0.1", c.fileName);
        Run(OnlineKestrivane_Click);
        EXPECT_EQ(view.statusHistory, (Strings{c.status})) << c.version << " " << c.fileName;
        EXPECT_FALSE(state.gfNewVersion);
    }
    EXPECT_EQ(server.Requests(), Strings(8, "/Download/KVVersion.txt"));
    EXPECT_GT(VersionNumber(1, 10, 0), 200);  // digits joined: 1.10.0 is newer than a record of 200
    server.Serve("/Download/KV101.exe", "MZ setup bytes");
    publish("101", "1.0.1", "KV101.exe");
    Run(CheckProgramVersion);  // the start-up check only reports
    EXPECT_EQ(view.statusHistory, (Strings{"New Kestrivane-Version 1.0.1 available! Please download it now..."}));
    EXPECT_TRUE(state.gfNewVersion);
    Run(OnlineKestrivane_Click);
    EXPECT_EQ(dir.Read("KV101.exe"), "MZ setup bytes");
    EXPECT_EQ(view.status, "Download finished! New " + dir.File("KV101.exe") + " written...");
    EXPECT_NE(::access(dir.File("KV101.exe").c_str(), X_OK), 0);  // stored, never made runnable
    OnlineKestrivane_Click(state, view);
    EXPECT_EQ(view.status, "NEWER Kestrivane-Version 1.0.1 already downloaded .-) Please install it ...");
    EXPECT_FALSE(FileExists(dir.File("KVVersion.txt")));
    publish("101", "", "KV101.exe");  // an empty Display leaves its two blanks
    CheckProgramVersion(state, view);
    EXPECT_EQ(view.status, "NEWER Kestrivane-Version  already downloaded .-) Please install it ...");
}

}  // namespace
}  // namespace kv
