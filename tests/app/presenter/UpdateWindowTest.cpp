#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "LoopbackServer.h"
#include "RecordingView.h"
#include "TempDir.h"
#include "common/FileUtil.h"
#include "app/presenter/MainPresenter.h"
#include "online/VersionCheck.h"

// The update as the window runs it, against a loopback server.

namespace kv {
namespace {

using httplib::DataSink, httplib::Request, httplib::Response;
using Strings = std::vector<std::string>;
using Server = test::StaticServer;

const std::string kList = std::string(32, 'a') + ",700000000,Fake movie\r\n" + std::string(32, 'b') + ",1,Virus\r\n";
const std::string kOldList = std::string(32, 'f') + ",1,Old entry\r\n";

// A repeating alphabet, so that a lost or misplaced piece shows.
std::string Bytes(size_t n) {
    std::string s;
    while (s.size() < n) s += "abcdefghijklmnopqrstuvwxyz";
    return s.substr(0, n);
}

class OnlineTest : public ::testing::Test {
protected:
    Server server;
    test::ScopedTempDir dir;
    Session session;
    test::RecordingView view;
    MainPresenter presenter{session, view};
    // Long on purpose: the address must be used whole.
    const std::string updatePath = "/" + std::string(150, 'u') + "/fakecheck/update";
    const std::string version = updatePath + "/Fakes.txt", list = updatePath + "/FAKES.DAT";
    void SetUp() override {
        session = Session::At(dir.path());
        session.addresses.defaultFakeList = server.BaseUrl() + updatePath;
        session.addresses.downloadSite = server.BaseUrl();
        server.Serve(version, "12");
        server.Serve(list, kList);
    }
    std::string Url(const std::string& path) const { return server.BaseUrl() + path; }
    bool UpdateList() { view = {}; return presenter.UpdateFakeList(); }
    std::string Ini(const std::string& recorded, const std::string& more = "") const {
        return "[Internet]\r\nFakesDatDownloadURL=" + Url(updatePath) + "\r\nFakesDatVersion=" + recorded + "\r\n" +
               more;
    }
    // The list and the settings as they stand.
    std::string Stored() const { return dir.Read("FAKES.DAT") + dir.Read("Kestrivane.ini"); }
    // `sent` bytes without a length, then the connection closes.
    static Server::Handler CutOff(size_t sent) {
        return [=](const Request&, Response& res) {
            res.set_chunked_content_provider("text/plain", [=](size_t, DataSink& sink) {
                sink.write(Bytes(sent).data(), sent);
                return false;
            });
        };
    }
};

// The setup file's download as the window follows it; the version record's own fetch is quiet.
TEST_F(OnlineTest, ProgressAfterEveryTenthTwoKilobyteReadAndQuietFetchesShowOnlyFailures) {
    std::vector<long> wrapped;  // the read counter wraps at the 200th read; sampling goes on
    for (long k = 1; k <= 21; ++k) wrapped.push_back(20480 * k);
    const std::string setup = dir.File("KV101.exe");
    server.Serve("/Download/KVVersion.txt", "[Kestrivane]\r\nVersion=101\r\nDisplay=1.0.1\r\nFileName=KV101.exe\r\n");
    for (const auto& [size, figures] : std::vector<std::pair<size_t, std::vector<long>>>{
             {215 * 2048, wrapped}, {10 * 2048, {20480}},            // the empty 11th read shows nothing
             {9 * 2048 + 100, {1000}}, {9 * 2048, {0}}, {0, {}}}) {  // a short or empty 10th read counts
        (void)RemoveFile(setup);
        server.Serve("/Download/KV101.exe", Bytes(size));
        view = {};
        presenter.UpdateProgram();
        Strings expected = {"New Kestrivane-Version 1.0.1 available! Please download it now...", "Opening URL..."};
        for (long n : figures) expected.push_back("Reading: " + std::to_string(n) + " Bytes. Please wait...");
        expected.push_back("Download finished! New " + setup + " written...");
        EXPECT_EQ(view.statusHistory, expected) << size;
        EXPECT_TRUE(view.boxes.empty() && dir.Read("KV101.exe") == Bytes(size)) << size;
    }
    // Quiet hides progress, never a failure: web addresses only.
    session.addresses.downloadSite = "file://" + dir.path();
    view = {};
    presenter.UpdateProgram();
    EXPECT_EQ(view.statusHistory, Strings{"Could not open file file://" + dir.path() + "/Download/KVVersion.txt."});
}

TEST_F(OnlineTest, ListIsFetchedWhenNewerOrMissingAndOnlyTheVersionLineRecorded) {
    // The server's text tries to smuggle a section into the settings.
    const std::string newer = "  12 \r\n[eDonkey]\r\nTempPath=/tmp\r\n";
    const std::string available = "New FAKE-DB - Version 12 available! Please download it now...";
    struct Case { std::string recorded, server; const char* local; std::string after; };
    for (const Case& c : std::vector<Case>{{"9", newer, kOldList.c_str(), "12"}, {"15", "12", kOldList.c_str(), "15"},
             {"12", "12", nullptr, "12"}, {"12", "12", "", "12"}, {"9", "<html>down</html>", kOldList.c_str(), "9"}}) {
        dir.Write("Kestrivane.ini", Ini(c.recorded));
        c.local ? (void)dir.Write("FAKES.DAT", c.local) : (void)RemoveFile(dir.File("FAKES.DAT"));
        server.Serve(version, c.server);
        UpdateList();
        const bool isNewer = c.after != c.recorded, fetched = isNewer || !c.local || !*c.local;
        EXPECT_EQ(view.statusHistory.at(1), isNewer ? available : "You already have the newest FAKE-DB...");
        EXPECT_EQ(Stored(), (fetched ? kList : kOldList) + Ini(c.after));
        EXPECT_TRUE(!fetched || view.caption.find("Total  2 Fakes in DB") != std::string::npos) << view.caption;
        // Busy during the update, idle after it.
        EXPECT_EQ(view.LogWith("busy:"), (Strings{"busy:1", "busy:0"})) << c.recorded;
    }
}

// One row per way an update fails: what the window says, in the status or a box; list and settings unchanged.
TEST_F(OnlineTest, EverySourceIsFetchedInTurnAndAFailingOneIsNamed) {
    const std::string three = std::string(32, 'b') + ",1,from three\r\n" + std::string(32, 'c') + ",1,from three\r\n";
    server.Serve("/three/Fakes.txt", "5");
    server.Serve("/three/FAKES.DAT", three);
    // Source 2 answers 404 for everything.
    dir.Write("Kestrivane.ini", Ini("9", "FakesDatDownloadURL2=" + Url("/two") + "\r\nFakesDatDownloadURL3=" +
                                             Url("/three") + "\r\n"));
    EXPECT_FALSE(UpdateList());
    EXPECT_EQ(view.status, "Not updated: fake list source 2 (the other sources were updated or are current).");
    EXPECT_EQ(dir.Read("FAKES.DAT") + "|" + dir.Read("FAKES2.DAT") + "|" + dir.Read("FAKES3.DAT"),
              kList + "||" + three);
    EXPECT_NE(dir.Read("Kestrivane.ini").find("FakesDatVersion3=5\r\n"), std::string::npos);
}

// A dotted version is compared number by number; a plain number keeps its old meaning (digits joined: 1.0.0 = 100).
TEST(VersionRecord, DottedVersionsComparePartByPart) {
    struct Case { const char* record; int major, minor; bool newer; };
    for (const Case& c : std::vector<Case>{{"1.10.0", 2, 0, false}, {"2.0.0", 1, 10, true}, {"1.0.1", 1, 0, true},
                                           {"1.0.0", 1, 0, false}, {"1.1", 1, 0, true}, {"0.9.9", 1, 0, false},
                                           {"101", 1, 0, true}, {"100", 1, 0, false}, {"", 1, 0, false},
                                           {"1.0.0-beta", 1, 0, false}, {"99999999999999.0.0", 1, 0, true}})
        EXPECT_EQ(IsNewerVersion(c.record, c.major, c.minor, 0), c.newer) << c.record;
}

TEST_F(OnlineTest, FailedOrRejectedUpdatesLeaveListAndSettingsByteIdenticalAndAProxyStopsThem) {
    dir.Write("Kestrivane.ini", Ini("9"));
    dir.Write("FAKES.DAT", kOldList);
    session.downloadLimits = {.lowSpeedTimeSeconds = 1, .maxBytes = 4096};
    const std::string gone = "Online-Check/Download not available!:The choosen URL is temporary not available. "
                             "Please try later!";
    const std::string proxy = "Online-Check/Download not available!:";
    const std::string noRecord = "The downloaded fake list holds no record (no line starts with a 32-digit hash); "
                                 "the list here was kept.";
    const std::string both = "<b>PROXY Authentication required</b> Object Not Found" + Bytes(3000);
    const auto page = [](const std::string& body, int code = 200) { return Server::Fixed(body, code); };
    struct Case { std::string path; Server::Handler handler; std::string status, box; bool proxied = false; };
    for (const Case& c : std::vector<Case>{
             {version, page("", 404), "File actually not available: " + Url(version), gone},
             {list, page("THE PAGE CANNOT BE FOUND"), noRecord, "Fake list not used:" + noRecord},
             {list, CutOff(2000), "Download of " + Url(list) + " was interrupted.", ""},  // closed mid-body
             // Only the status names a proxy: its page is cut for the box, and no failure text follows it.
             {list, page("", 407), "Opening URL...", proxy + "Proxy Authentication Required", true},
             {list, page(both, 407), "Opening URL...", proxy + both.substr(0, 2000), true}}) {
        session.proxyRefused = false;
        server.Serve(version, "12");  // the list's handler is each row's own
        server.Handle(c.path, c.handler);
        UpdateList();
        EXPECT_EQ(view.LogWith("box"), Strings(!c.box.empty(), "box:critical:" + c.box)) << c.status;
        EXPECT_EQ(view.status, c.status);
        EXPECT_EQ(session.proxyRefused, c.proxied) << c.status;
        EXPECT_EQ(Stored(), kOldList + Ini("9")) << c.status;
        EXPECT_EQ(view.LogWith("busy:"), (Strings{"busy:1", "busy:0"})) << c.status;
    }
    session.proxyRefused = true;
    const size_t requests = server.Requests().size();
    UpdateList();  // after a proxy page the command only refuses: no request, no command touched
    EXPECT_EQ(view.log, (Strings{"box:plain:Kestrivane:Proxy Authentication is not implemented yet"}));
    EXPECT_EQ(server.Requests().size(), requests);
    // A version line over 50 characters is refused; 50 exactly is stored whole.
    session.proxyRefused = false;
    server.Serve(list, kList);
    server.Serve(version, "12" + std::string(49, '0'));
    EXPECT_FALSE(UpdateList());
    EXPECT_EQ(Stored(), kOldList + Ini("9"));
    EXPECT_EQ(view.status, "The version line of " + Url(version) + " is longer than 50 characters; the list was not "
                           "updated.");
    server.Serve(version, "12" + std::string(48, '0'));
    EXPECT_TRUE(UpdateList());
    EXPECT_EQ(dir.Read("Kestrivane.ini"), Ini("12" + std::string(48, '0')));
}

TEST_F(OnlineTest, ProgramVersionCheckStoresOnlyANewerSetupUnderAPlainName) {
    const std::string setup = dir.File("KV101.exe");
    const std::string unusable = "The version record names no usable setup file.";
    server.Serve("/Download/KV101.exe", "MZ setup bytes");
    for (const Strings& c : std::vector<Strings>{
             {"100", "KV101.exe", "You already have the newest Kestrivane-Version..."},
             {"101", "KV101.exe", "New Kestrivane-Version 1.0.1 available! Please download it now...",
              "Opening URL...", "Download finished! New " + setup + " written..."},
             {"101", "KV101.exe", "NEWER Kestrivane-Version 1.0.1 already downloaded .-) Please install it ..."},
             {"101", "../x", unusable}, {"101", "..", unusable}, {"101", "..\\x", unusable}}) {
        server.Serve("/Download/KVVersion.txt",
                     "[Kestrivane]\r\nVersion=" + c[0] + "\r\nDisplay=1.0.1\r\nFileName=" + c[1] + "\r\n");
        view = {};
        presenter.UpdateProgram();
        EXPECT_EQ(view.statusHistory, Strings(c.begin() + 2, c.end())) << c[0] << " " << c[1];
    }
    EXPECT_EQ(dir.Read("KV101.exe"), "MZ setup bytes");
    EXPECT_NE(::access(setup.c_str(), X_OK), 0);  // stored, never made runnable
}

}  // namespace
}  // namespace kv
