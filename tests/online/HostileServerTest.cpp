#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "FileSizeLimit.h"
#include "LoopbackServer.h"
#include "TempDir.h"
#include "online/FakeListUpdate.h"
#include "online/HttpDownload.h"

namespace kv {
namespace {

using namespace std::chrono_literals;
using Server = test::StaticServer;

const std::string kList = std::string(32, 'a') + ",700000000,Fake movie\r\n" + std::string(32, 'b') + ",1,Virus\r\n";
const std::string kMore = std::string(32, 'c') + ",2,Second half\r\n";

class Quiet : public TransferProgress {
public:
    explicit Quiet(int cancelAfterWaits) : cancelAfterWaits_(cancelAfterWaits) {}
    void Read(size_t) override {}
    void Waiting() override { ++waits_; }
    bool Cancelled() override { return cancelAfterWaits_ >= 0 && waits_ > cancelAfterWaits_; }

private:
    int waits_ = 0, cancelAfterWaits_;
};

// A server that keeps sending, too slowly or for too long, is left behind on
// time; a user's cancel ends a transfer at once, whatever the server does.
TEST(HostileServer, SlowEndlessAndCancelledTransfersEndInTime) {
    Server server;
    const std::string endless(10'000, 'x');
    server.Handle("/byte-a-second", server.Trickle(endless, 1000ms));
    server.Handle("/ten-a-second", server.Trickle(endless, 100ms));
    server.Handle("/silent", [&](const auto&, auto&) { server.Hold(); });
    struct Case { const char* name; std::string path; DownloadLimits limits; int cancelAfter; };
    for (const Case& c : std::vector<Case>{
             {"below the minimum rate", "/byte-a-second", {.minBytesPerSecond = 64, .lowSpeedTimeSeconds = 1}, -1},
             {"past the deadline", "/ten-a-second", {.totalSeconds = 2, .minBytesPerSecond = 1}, -1},
             {"cancelled while silent", "/silent", {}, 2}}) {
        Quiet progress(c.cancelAfter);
        const DownloadResult r = DownloadToMemory(server.BaseUrl() + c.path, c.limits, &progress);
        EXPECT_EQ(r.status, DownloadStatus::Interrupted) << c.name;
        EXPECT_EQ(r.timedOut, c.cancelAfter < 0) << c.name << ": " << r.networkError;
        EXPECT_EQ(r.cancelled, c.cancelAfter >= 0) << c.name;
        EXPECT_TRUE(r.body.empty()) << c.name;
    }
}

TEST(HostileServer, LastModifiedIsUsedOnlyWhenItIsAPastDate) {
    const int64_t now = 1'796'000'000;  // 2026-11-30
    EXPECT_TRUE(UsableLastModified("Wed, 21 Oct 2026 07:28:00 GMT", now));
    for (const char* value : {"Tue, 01 Dec 2026 08:00:00 GMT", "yesterday-ish", ""})
        EXPECT_FALSE(UsableLastModified(value, now)) << value;
}

class HostileListServer : public ::testing::Test {
protected:
    Server server;
    test::ScopedTempDir dir;
    ProgramHome home = ProgramHome::At(dir.path());
    OnlineSetup net;
    std::vector<std::string> sentStamps;
    void SetUp() override { net.addresses.defaultFakeList = server.BaseUrl() + "/update"; }
    DownloadResult Fetch() { return DownloadSourceList(home, net, ListSourceNumber(1), "12", nullptr); }
    void Serve(const Server::Handler& handler) {
        server.Handle("/update/FAKES.DAT", [this, handler](const httplib::Request& req, httplib::Response& res) {
            sentStamps.push_back(req.get_header_value("If-Modified-Since"));
            handler(req, res);
        });
    }
};

TEST_F(HostileListServer, ALastModifiedInTheFutureIsNeitherStoredNorSent) {
    const std::string past = "Wed, 21 Oct 2026 07:28:00 GMT", future = "Fri, 01 Jan 2100 00:00:00 GMT";
    dir.Write("Kestrivane.ini", "[Internet]\r\nFakesDatLastModified=" + future + "\r\n");
    dir.Write("FAKES.DAT", kList);  // a stored stamp is only sent for a list that is here
    Serve(Server::Stamped(kList, future));
    EXPECT_TRUE(Fetch().ok());
    EXPECT_EQ(home.settings.Read(Key::FakesDatLastModified, "?"), "");  // the stale future stamp is cleared too
    EXPECT_TRUE(Fetch().ok());
    Serve(Server::Stamped(kList, past));
    EXPECT_TRUE(Fetch().ok());
    EXPECT_EQ(Fetch().status, DownloadStatus::NotModified);
    EXPECT_EQ(sentStamps, (std::vector<std::string>{"", "", "", past}));
}

// There is no public fake list: with no address set anywhere, the update says
// so by its result and sends nothing, writes nothing.
TEST(NoUpdateAddress, NothingIsSentOrWritten) {
    test::ScopedTempDir dir;
    const ProgramHome home = ProgramHome::At(dir.path());
    const OnlineSetup net;  // the program's own addresses
    for (const std::string ini : {"", "[Internet]\r\nFakesDatDownloadURL=   \r\n"}) {
        if (!ini.empty()) dir.Write("Kestrivane.ini", ini);
        const ListVersionCheck check = CheckFakeListVersion(home, net, nullptr);
        for (const DownloadResult& r : {check.fetch, DownloadFakeList(home, net, "12", nullptr)})
            EXPECT_TRUE(r.noAddress && r.status == DownloadStatus::NotOpened) << ini;
        EXPECT_FALSE(check.listNeeded);
        EXPECT_EQ(dir.Read("Kestrivane.ini"), ini);
        EXPECT_FALSE(std::filesystem::exists(dir.File("FAKES.DAT")));
    }
}

// The list and its recorded version change together or not at all: whichever
// write fails, both stay byte for byte as they were, the cause is told, and
// nothing is left behind.
TEST_F(HostileListServer, AFailingWriteOfListOrSettingsChangesNeither) {
    const std::string oldIni = "[Internet]\r\nFakesDatVersion=9\r\n[Notes]\r\n;" + std::string(5000, 'n') + "\r\n";
    const std::string newIni = "[Internet]\r\nFakesDatVersion=12" + oldIni.substr(oldIni.find("\r\n[Notes]"));
    std::string large;  // over the 3000 bytes the disk has room for, as the settings are
    while (large.size() < 10'000) large += kList;
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    struct Case { std::string body; rlim_t limit; std::string linked, cause; };
    for (const Case& c : std::vector<Case>{
             {large, 3000, "", "Could not write " + dir.File("FAKES.DAT") + ": File too large."},
             {kMore, RLIM_INFINITY, "Kestrivane.ini", "Not writing through the link " + dir.File("Kestrivane.ini")},
             {kMore, RLIM_INFINITY, "", ""}}) {  // neither fails
        SCOPED_TRACE(c.cause);
        std::filesystem::remove(dir.File("FAKES.DAT")), std::filesystem::remove(dir.File("Kestrivane.ini"));
        dir.Write("FAKES.DAT", kList);
        dir.Write("Kestrivane.ini", oldIni);
        if (!c.linked.empty()) {
            std::filesystem::remove(dir.File(c.linked));
            std::filesystem::create_symlink(dir.File("fifo"), dir.File(c.linked));
        }
        server.Serve("/update/FAKES.DAT", c.body);
        DownloadResult r;
        {
            const test::FileSizeLimit limit(c.limit);
            r = Fetch();
        }
        const bool changed = c.cause.empty();
        EXPECT_EQ(r.status, changed ? DownloadStatus::Written : DownloadStatus::NotWritten);
        EXPECT_EQ(r.refusal.substr(0, c.cause.size()), c.cause);
        if (c.linked != "FAKES.DAT") {
            EXPECT_EQ(dir.Read("FAKES.DAT"), changed ? c.body : kList);
        }
        if (c.linked != "Kestrivane.ini") {
            EXPECT_EQ(dir.Read("Kestrivane.ini"), changed ? newIni : oldIni);
        }
        EXPECT_TRUE(std::filesystem::is_fifo(dir.File("fifo")));
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            EXPECT_EQ(e.path().filename().string().find(".tmp-"), std::string::npos) << e.path();
    }
}

}  // namespace
}  // namespace kv
