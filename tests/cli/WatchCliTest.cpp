// kestrivane-cli watch against a client that keeps its temp directory busy:
// saves as aMule makes them, .bak copies every 100 ms, lists replaced and
// copied over, directories renamed away, commands that hang.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <thread>

#include "PartMetBuilder.h"
#include "Spawn.h"
#include "TempDir.h"
#include "common/StringUtil.h"

namespace kv::test {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

// The watch reads a change at the latest this long after it; a report may take a second more.
constexpr double kDelay = 2.0;
constexpr double kReportDeadline = kDelay + 1.0;
// Waits that only keep a broken watch from hanging the test.
constexpr double kGenerous = 30.0;

std::string Hash(uint8_t seed) { return HashText(SequentialHash(seed).data()); }
std::string ListLine(uint8_t seed, const std::string& description) {
    return ToUpperAscii(Hash(seed)) + ",734003200," + description + "\r\n";
}
std::string PartMet(uint8_t seed, const std::string& name) {
    return BuildPartMet({.hash = SequentialHash(seed), .name = name, .size = 734003200, .extraTags = {}});
}
std::string PartName(int n) {
    char name[32];
    std::snprintf(name, sizeof name, "%03d.part.met", n);
    return name;
}

// The findings printed so far, one JSON object per line.
std::vector<nlohmann::json> Findings(const std::string& out) {
    std::vector<nlohmann::json> found;
    for (size_t at = 0, end; (end = out.find('\n', at)) != std::string::npos; at = end + 1)
        found.push_back(nlohmann::json::parse(out.substr(at, end - at)));
    return found;
}
size_t CountPart(const std::string& out, const std::string& part) {
    size_t n = 0;
    for (const auto& f : Findings(out)) n += f["part"] == part;
    return n;
}

// Writes beside, then renames over: a reader sees the old file or the new one.
void ReplaceAtomically(const std::string& path, const std::string& bytes) {
    std::ofstream(path + ".new", std::ios::binary) << bytes;
    fs::rename(path + ".new", path);
}

// A client saving its downloads all the time, from threads of its own.
class BusyClient {
public:
    explicit BusyClient(const std::string& dir) : dir_(dir) {}
    ~BusyClient() { Stop(); }
    // aMule: .part.met.backup written, renamed over the .part.met, copied to .part.met.bak.
    static void SaveAsAmule(const std::string& dir, const std::string& name, const std::string& bytes) {
        const std::string met = dir + "/" + name;
        std::ofstream(met + ".backup", std::ios::binary) << bytes;
        fs::rename(met + ".backup", met);
        fs::copy_file(met, met + ".bak", fs::copy_options::overwrite_existing);
    }
    // Downloads first..last saved in turn, one every 10 ms (unless bakOnly); and their .bak copies alone every 100 ms.
    void Start(int first, int last, bool bakOnly) {
        if (!bakOnly) threads_.emplace_back([=, this] {
            for (int n = first; !stop_; n = n == last ? first : n + 1) {
                SaveAsAmule(dir_, PartName(n), PartMet(static_cast<uint8_t>(0x80 + n % 64), "busy" + std::to_string(n) + ".avi"));
                ++saves_;
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        });
        threads_.emplace_back([=, this] {
            while (!stop_) {
                for (int n = first; n <= last; ++n) {
                    std::error_code ec;
                    fs::copy_file(dir_ + "/" + PartName(n), dir_ + "/" + PartName(n) + ".bak",
                                  fs::copy_options::overwrite_existing, ec);
                }
                saves_ += last - first + 1;
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
        });
    }
    void Stop() {
        stop_ = true;
        for (auto& t : threads_) t.join();
        threads_.clear();
    }
    int Saves() const { return saves_; }

private:
    std::string dir_;
    std::atomic<bool> stop_{false};
    std::atomic<int> saves_{0};
    std::vector<std::thread> threads_;
};

class WatchCliTest : public ::testing::Test {
protected:
    ScopedTempDir home, temp, user;
    void SetUp() override {
        home.Write("Kestrivane.ini", "[eMule]\nTempDir=" + temp.path() + "\n[Display]\nInspectContent=NO\n");
        home.Write("FAKES.DAT", ListLine(0x20, "Fake, trailer only"));
    }
    std::unique_ptr<Spawned> Run(Args args) {
        args.insert(args.begin(), {KV_CLI_PATH, "--home", home.path()});
        auto child = std::make_unique<Spawned>(args, std::map<std::string, std::string>{{"HOME", user.path()}}, false);
        EXPECT_TRUE(child->Started());
        return child;
    }
    std::unique_ptr<Spawned> Watch(Args extra = {}) {
        Args args = {"watch", "--json"};
        args.insert(args.end(), extra.begin(), extra.end());
        auto watch = Run(args);
        EXPECT_TRUE(watch->ReadUntil([&] { return watch->err.find("Watching ") != std::string::npos; }, kGenerous))
            << watch->err;
        return watch;
    }
    // Whether the watch reported part n times within seconds.
    static bool Reported(Spawned& watch, const std::string& part, size_t n, double seconds) {
        return watch.ReadUntil([&] { return CountPart(watch.out, part) >= n; }, seconds);
    }
};

TEST_F(WatchCliTest, ABusyClientsNewFakeIsReportedWithinTheDelayAndEachFakeOnceAcrossItsSaves) {
    for (int n = 2; n <= 41; ++n) temp.Write(PartName(n), PartMet(static_cast<uint8_t>(0x80 + n % 64), "busy.avi"));
    struct Case { const char* client; bool bakOnly; };
    for (const Case& c : {Case{"aMule saving", false}, Case{".bak copies only", true}}) {
        SCOPED_TRACE(c.client);
        for (const char* met : {"001.part.met", "001.part.met.bak", "050.part.met", "050.part.met.bak"}) fs::remove(temp.File(met));
        temp.Write(PartName(1), PartMet(0x20, "old fake.avi"));
        auto watch = Watch();
        ASSERT_TRUE(Reported(*watch, "001.part", 1, kGenerous)) << watch->err;

        BusyClient client(temp.path());
        client.Start(2, 41, c.bakOnly);
        std::this_thread::sleep_for(std::chrono::seconds(1));
        BusyClient::SaveAsAmule(temp.path(), PartName(50), PartMet(0x20, "new fake.avi"));
        EXPECT_TRUE(Reported(*watch, "050.part", 1, kReportDeadline)) << watch->err;
        for (int i = 0; i < 20; ++i) {
            BusyClient::SaveAsAmule(temp.path(), PartName(1), PartMet(0x20, "old fake.avi"));
            BusyClient::SaveAsAmule(temp.path(), PartName(50), PartMet(0x20, "new fake.avi"));
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
        }
        client.Stop();
        EXPECT_GT(client.Saves(), 100);
        watch->ReadUntil([] { return false; }, kReportDeadline);  // a late duplicate would come now
        watch->Signal(SIGTERM);
        EXPECT_EQ(watch->Finish(), 0) << watch->err;
        EXPECT_EQ(CountPart(watch->out, "001.part"), 1u) << watch->out;
        EXPECT_EQ(CountPart(watch->out, "050.part"), 1u) << watch->out;
        EXPECT_EQ(Findings(watch->out).size(), 2u) << watch->out;
    }
}

TEST_F(WatchCliTest, AHalfWrittenMetIsNeverReportedWithAnEmptyName) {
    const std::string whole = PartMet(0x20, "half.avi");
    auto watch = Watch();
    struct Case { const char* name; std::function<void(const std::string&)> finish; };
    for (const Case& c : std::vector<Case>{
             {"renamed into place", [&](const std::string& n) { ReplaceAtomically(temp.File(n), whole); }},
             {"written in place", [&](const std::string& n) { temp.Write(n, whole); }},
         }) {
        const std::string name = std::string(c.name) == "written in place" ? "002.part.met" : "001.part.met";
        temp.Write(name, whole.substr(0, 30));  // the hash, not yet the name and size
        watch->ReadUntil([] { return false; }, kReportDeadline);
        EXPECT_EQ(CountPart(watch->out, name.substr(0, 8)), 0u) << c.name << watch->out;
        c.finish(name);
        EXPECT_TRUE(Reported(*watch, name.substr(0, 8), 1, kGenerous)) << c.name << watch->err;
    }
    watch->Signal(SIGTERM);
    EXPECT_EQ(watch->Finish(), 0);
    for (const auto& f : Findings(watch->out)) EXPECT_EQ(f["name"], "half.avi") << watch->out;
}

TEST_F(WatchCliTest, AHashAddedToAListIsReportedWithoutTouchingTheDownload) {
    temp.Write("001.part.met", PartMet(0x50, "marked.avi"));
    temp.Write("002.part.met", PartMet(0x51, "replaced.avi"));
    temp.Write("003.part.met", PartMet(0x52, "copied.avi"));
    const auto before = fs::last_write_time(temp.File("001.part.met"));
    auto watch = Watch();
    struct Case { const char* how; std::string part; std::function<void()> add; };
    for (const Case& c : std::vector<Case>{
             {"mark", "001.part", [&] { EXPECT_EQ(Run({"-q", "mark", Hash(0x50), "--reason", "Mine", "--size", "1"})->Finish(), 0); }},
             {"replaced atomically", "002.part",
              [&] { ReplaceAtomically(home.File("FAKES.DAT"), home.Read("FAKES.DAT") + ListLine(0x51, "Replaced")); }},
             {"cp over it", "003.part", [&] {
                  const std::string copy = temp.Write("../list-copy", home.Read("FAKES.DAT") + ListLine(0x52, "Copied"));
                  auto cp = std::make_unique<Spawned>(Args{"/bin/cp", copy, home.File("FAKES.DAT")},
                                                      std::map<std::string, std::string>{}, false);
                  EXPECT_EQ(cp->Finish(), 0);
                  fs::remove(copy);
              }},
         }) {
        c.add();
        EXPECT_TRUE(Reported(*watch, c.part, 1, kReportDeadline)) << c.how << "\n" << watch->out << watch->err;
    }
    watch->ReadUntil([] { return false; }, kReportDeadline);
    watch->Signal(SIGTERM);
    EXPECT_EQ(watch->Finish(), 0);
    EXPECT_EQ(Findings(watch->out).size(), 3u) << watch->out;
    EXPECT_EQ(fs::last_write_time(temp.File("001.part.met")), before);
}

TEST_F(WatchCliTest, ACancelledAndReAddedFakeIsReportedTwice) {
    BusyClient::SaveAsAmule(temp.path(), "001.part.met", PartMet(0x20, "fake.avi"));
    auto watch = Watch();
    ASSERT_TRUE(Reported(*watch, "001.part", 1, kGenerous)) << watch->err;
    fs::remove(temp.File("001.part.met"));
    fs::remove(temp.File("001.part.met.bak"));
    ASSERT_TRUE(watch->ReadUntil([&] { return watch->err.find("Gone: 001.part\n") != std::string::npos; }, kGenerous))
        << watch->err;
    BusyClient::SaveAsAmule(temp.path(), "001.part.met", PartMet(0x20, "fake.avi"));
    EXPECT_TRUE(Reported(*watch, "001.part", 2, kGenerous)) << watch->err;
    watch->Signal(SIGTERM);
    EXPECT_EQ(watch->Finish(), 0);
}

TEST_F(WatchCliTest, ATempDirectoryRenamedAwayAndMadeAgainIsWatchedAgain) {
    auto watch = Watch();
    const std::string away = temp.path() + ".away";
    fs::rename(temp.path(), away);
    ASSERT_TRUE(watch->ReadUntil([&] { return watch->err.find("The directory " + temp.path() + " is gone") != std::string::npos; }, kGenerous))
        << watch->err;
    fs::create_directory(temp.path());
    ASSERT_TRUE(watch->ReadUntil(
        [&] { return watch->err.find("Watching " + temp.path() + " again.") != std::string::npos; }, kGenerous))
        << watch->err;
    fs::remove_all(away);  // the old one gone for good: the watch goes on
    temp.Write("001.part.met", PartMet(0x20, "fake.avi"));
    EXPECT_TRUE(Reported(*watch, "001.part", 1, kGenerous)) << watch->err;
    watch->Signal(SIGTERM);
    EXPECT_EQ(watch->Finish(), 0) << watch->err;
}

// Mounted over, the path holds another directory without an event for the old one.
TEST_F(WatchCliTest, ATempDirectoryMountedOverIsWatchedAnew) {
    ScopedTempDir disk;
    disk.Write("001.part.met", PartMet(0x20, "on the disk.avi"));
    auto watch = Watch();
    if (::mount(disk.path().c_str(), temp.path().c_str(), nullptr, MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "no bind mount here: " << std::strerror(errno);
    const bool replaced = watch->ReadUntil(
        [&] { return watch->err.find("Replaced: " + temp.path() + "; watching the new one.") != std::string::npos; },
        kGenerous);
    const bool reported = Reported(*watch, "001.part", 1, kGenerous);
    ::umount2(temp.path().c_str(), MNT_DETACH);
    EXPECT_TRUE(replaced) << watch->err;
    EXPECT_TRUE(reported) << watch->err;
    watch->Signal(SIGTERM);
    EXPECT_EQ(watch->Finish(), 0) << watch->err;
}

// A command that ignores SIGTERM (and its child with it) gets SIGKILL a few seconds later.
TEST_F(WatchCliTest, SigtermEndsTheWatchAndAHangingCommandWithinFiveSeconds) {
    temp.Write("001.part.met", PartMet(0x20, "fake.avi"));
    const std::string pidFile = home.File("command.pid");
    auto watch = Watch({"--exec", "sh -c 'trap \"\" TERM; sleep 1000 & echo $! > \"$0\"; wait' " + pidFile});
    // Nothing is printed when the file appears: looked at now and then.
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (home.Read("command.pid").empty() && std::chrono::steady_clock::now() < end) watch->ReadUntil([] { return false; }, 0.1);
    ASSERT_FALSE(home.Read("command.pid").empty()) << watch->err;
    const pid_t sleeper = std::stoi(home.Read("command.pid"));
    const auto start = std::chrono::steady_clock::now();
    watch->Signal(SIGTERM);
    EXPECT_EQ(watch->Finish(5), 0) << watch->err;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    for (int i = 0; i < 100 && ::kill(sleeper, 0) == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_NE(::kill(sleeper, 0), 0) << "the command's child outlived the watch";
}

TEST_F(WatchCliTest, ACommandsOutputGoesToStandardErrorAndALongOneIsEnded) {
    temp.Write("001.part.met", PartMet(0x20, "fake.avi"));
    auto watch = Watch({"--exec-timeout", "1", "--exec", "sh -c 'echo said by the command; exec sleep 100'"});
    ASSERT_TRUE(watch->ReadUntil([&] { return watch->err.find("ran longer than 1 s") != std::string::npos; }, kGenerous))
        << watch->err;
    watch->Signal(SIGTERM);
    EXPECT_EQ(watch->Finish(), 0);
    EXPECT_NE(watch->err.find("said by the command\n"), std::string::npos) << watch->err;
    EXPECT_EQ(Findings(watch->out).size(), 1u) << watch->out;  // stdout holds JSON lines only
}

// A list kept elsewhere behind a link changes without an event the watch follows: SIGHUP reads it.
TEST_F(WatchCliTest, SighupReadsTheSettingsAndListsAgainAndTheWatchGoesOn) {
    ScopedTempDir elsewhere;
    const std::string list = elsewhere.Write("fakes.txt", ListLine(0x20, "Fake, trailer only"));
    fs::remove(home.File("FAKES.DAT"));
    fs::create_symlink(list, home.File("FAKES.DAT"));
    temp.Write("001.part.met", PartMet(0x60, "linked.avi"));
    auto watch = Watch();
    elsewhere.Write("fakes.txt", ListLine(0x60, "Listed elsewhere"));
    watch->Signal(SIGHUP);
    ASSERT_TRUE(Reported(*watch, "001.part", 1, kGenerous)) << watch->err;
    EXPECT_NE(watch->err.find("Settings and lists read again.\n"), std::string::npos) << watch->err;
    watch->Signal(SIGTERM);
    EXPECT_EQ(watch->Finish(), 0);
    EXPECT_EQ(Findings(watch->out).size(), 1u) << watch->out;
}

}  // namespace
}  // namespace kv::test
