#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "LoopbackServer.h"
#include "Packing.h"
#include "FileSizeLimit.h"
#include "TempDir.h"
#include "online/FakeListUpdate.h"
#include "online/HttpDownload.h"
#include "online/ListArchive.h"

namespace kv {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Server = test::StaticServer;

const std::string kList = std::string(32, 'a') + ",700000000,Fake movie\r\n" + std::string(32, 'b') + ",1,Virus\r\n";
const std::string kMore = std::string(32, 'c') + ",2,Second half\r\n";

class Quiet : public TransferProgress {
public:
    void Read(size_t) override {}
    void Waiting() override { ++waits; }
    bool Cancelled() override { return cancelAfterWaits >= 0 && waits > cancelAfterWaits; }
    int waits = 0;
    int cancelAfterWaits = -1;
};

// A server that keeps sending, too slowly or for too long, is left behind on
// time; a user's cancel ends a transfer at once, whatever the server does.
TEST(HostileServer, SlowEndlessAndCancelledTransfersEndInTime) {
    Server server;
    const std::string endless(10'000, 'x');
    server.Handle("/byte-a-second", server.Trickle(endless, 1000ms));
    server.Handle("/ten-a-second", server.Trickle(endless, 100ms));
    server.Handle("/silent", [&](const auto&, auto&) { server.Hold(); });
    struct Case { const char* name; std::string path; DownloadLimits limits; int cancelAfter; bool timedOut; };
    for (const Case& c : std::vector<Case>{
             {"below the minimum rate", "/byte-a-second", {.minBytesPerSecond = 64, .lowSpeedTimeSeconds = 1}, -1, true},
             {"past the deadline", "/ten-a-second",
              {.totalSeconds = 2, .minBytesPerSecond = 1, .lowSpeedTimeSeconds = 60}, -1, true},
             {"cancelled while silent", "/silent", {}, 2, false},
             {"cancelled while trickling", "/ten-a-second", {}, 2, false}}) {
        Quiet progress;
        progress.cancelAfterWaits = c.cancelAfter;
        const auto start = Clock::now();
        const DownloadResult r = DownloadToMemory(server.BaseUrl() + c.path, c.limits, &progress);
        const auto took = Clock::now() - start;
        EXPECT_EQ(r.status, DownloadStatus::Interrupted) << c.name;
        EXPECT_EQ(r.timedOut, c.timedOut) << c.name << ": " << r.networkError;
        EXPECT_EQ(r.cancelled, !c.timedOut) << c.name;
        EXPECT_TRUE(r.body.empty()) << c.name;
        EXPECT_LT(took, 5s) << c.name;
    }
}

TEST(HostileServer, LastModifiedIsUsedOnlyWhenItIsAPastDate) {
    const int64_t now = 1'796'000'000;  // 2026-11-30
    struct Case { const char* name; std::string value; bool usable; };
    for (const Case& c : std::vector<Case>{{"past", "Wed, 21 Oct 2026 07:28:00 GMT", true},
                                           {"a year ahead", "Thu, 21 Oct 2027 07:28:00 GMT", false},
                                           {"a day ahead", "Tue, 01 Dec 2026 08:00:00 GMT", false},
                                           {"not a date", "yesterday-ish", false},
                                           {"empty", "", false}})
        EXPECT_EQ(UsableLastModified(c.value, now), c.usable) << c.name;
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

TEST_F(HostileListServer, EveryGzipMemberIsReadAndAZipOfSeveralFilesIsRefusedByName) {
    using test::Gzip, test::Zip;
    struct Case { const char* name; std::string body; std::string stored; std::string refusalHas; };
    for (const Case& c : std::vector<Case>{
             {"two gzip members", Gzip(kList) + Gzip(kMore), kList + kMore, ""},
             {"three members, one empty", Gzip(kList) + Gzip("") + Gzip(kMore), kList + kMore, ""},
             {"a member then junk", Gzip(kList) + "junk", "", "damaged or cut short"},
             {"a second member cut short", Gzip(kList) + Gzip(kMore).substr(0, 12), "", "damaged or cut short"},
             {"two zip entries", Zip({{"FAKES.DAT", kList}, {"readme.txt", kMore}}), "",
              "holds 2 files (FAKES.DAT, readme.txt), not one fake list"},
             {"a folder and one list", Zip({{"lists/", ""}, {"lists/FAKES.DAT", kList}}), kList, ""},
             {"an empty archive", Zip(std::vector<test::ZipEntry>{}), "", "holds no file"},
             {"a wrong checksum", [] { std::string z = Zip(kList, true); z[40] ^= 1; return z; }(), "",
              "damaged or cut short"}}) {
        dir.Write("FAKES.DAT", "old");
        server.Serve("/update/FAKES.DAT", c.body);
        const DownloadResult r = Fetch();
        EXPECT_EQ(r.ok(), c.refusalHas.empty()) << c.name << ": " << r.refusal;
        EXPECT_NE(r.refusal.find(c.refusalHas), std::string::npos) << c.name << ": " << r.refusal;
        EXPECT_EQ(dir.Read("FAKES.DAT"), c.stored.empty() ? "old" : c.stored) << c.name;
    }
}

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
    ASSERT_EQ(net.addresses.defaultFakeList, "");
    struct Case { const char* name; std::string ini; };
    for (const Case& c : std::vector<Case>{{"no settings file", ""},
                                           {"an empty address", "[Internet]\r\nFakesDatDownloadURL=\r\n"},
                                           {"a blank address", "[Internet]\r\nFakesDatDownloadURL=   \r\n"}}) {
        std::filesystem::remove(dir.File("Kestrivane.ini"));
        if (!c.ini.empty()) dir.Write("Kestrivane.ini", c.ini);
        const ListVersionCheck check = CheckFakeListVersion(home, net, nullptr);
        const DownloadResult list = DownloadFakeList(home, net, "12", nullptr);
        for (const DownloadResult& r : {check.fetch, list}) {
            EXPECT_TRUE(r.noAddress) << c.name;
            EXPECT_EQ(r.status, DownloadStatus::NotOpened) << c.name;
        }
        EXPECT_FALSE(check.listNeeded) << c.name;
        EXPECT_EQ(dir.Read("Kestrivane.ini"), c.ini) << c.name;
        EXPECT_FALSE(std::filesystem::exists(dir.File("FAKES.DAT"))) << c.name;
    }
}


std::string Records(size_t count) {
    std::string list;
    for (size_t i = 0; i < count; ++i) {
        std::string hash = std::to_string(i);
        list += std::string(32 - hash.size(), 'a') + hash + ",1,Fake " + hash + "\r\n";
    }
    return list;
}

// The list and its recorded version change together or not at all: whichever
// write fails, both stay byte for byte as they were, the cause is told, and
// nothing is left behind.
TEST_F(HostileListServer, AFailingWriteOfListOrSettingsChangesNeither) {
    const std::string oldIni = "[Internet]\r\nFakesDatVersion=9\r\n[Notes]\r\n;" + std::string(5000, 'n') + "\r\n";
    const std::string small = Records(2), large = Records(200);  // about 100 bytes and 10 KB
    ASSERT_GT(oldIni.size(), 3000u);
    ASSERT_GT(large.size(), 3000u);
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    struct Case { const char* name; std::string body; rlim_t limit; std::string linked; std::string cause; };
    for (const Case& c : std::vector<Case>{
             {"the list past the disk's room", large, 3000, "", "Could not write " + dir.File("FAKES.DAT") + ": File too large."},
             {"the settings past the disk's room", small, 3000, "", "Could not write " + dir.File("Kestrivane.ini") + ": File too large."},
             {"the list a link to a FIFO", small, RLIM_INFINITY, "FAKES.DAT", "Not writing through the link " + dir.File("FAKES.DAT")},
             {"the settings a link to a FIFO", small, RLIM_INFINITY, "Kestrivane.ini",
              "Not writing through the link " + dir.File("Kestrivane.ini")},
             {"neither fails", small, RLIM_INFINITY, "", ""}}) {
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
        EXPECT_EQ(r.status, c.cause.empty() ? DownloadStatus::Written : DownloadStatus::NotWritten) << c.name;
        EXPECT_EQ(r.refusal.substr(0, c.cause.size()), c.cause) << c.name;
        const bool changed = c.cause.empty();
        if (c.linked != "FAKES.DAT") {
            EXPECT_EQ(dir.Read("FAKES.DAT"), changed ? c.body : kList) << c.name;
        }
        if (c.linked != "Kestrivane.ini") {
            const std::string newIni = "[Internet]\r\nFakesDatVersion=12" + oldIni.substr(oldIni.find("\r\n[Notes]"));
            EXPECT_EQ(dir.Read("Kestrivane.ini"), changed ? newIni : oldIni) << c.name;
        }
        EXPECT_TRUE(std::filesystem::is_fifo(dir.File("fifo"))) << c.name;
        size_t files = 0;
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            files += e.path().filename().string().find(".tmp-") == std::string::npos;
        EXPECT_EQ(files, static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir.path()), {}))) << c.name;
    }
}

}  // namespace
}  // namespace kv
