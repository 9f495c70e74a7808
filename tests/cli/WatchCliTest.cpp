// kestrivane-cli watch against a client that keeps its temp directory busy:
// saves as aMule makes them, .bak copies every 100 ms, lists replaced and
// copied over, directories renamed away or mounted over, commands that hang.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <thread>

#include "NotificationsReceiver.h"
#include "PartMetBuilder.h"
#include "Spawn.h"
#include "common/StringUtil.h"

namespace kv::test {
namespace {

namespace fs = std::filesystem;

// The watch reads a change at the latest 2 s after it; a report may take a second more.
constexpr double kReportDeadline = 3.0;
// Waits that only keep a broken watch from hanging the test.
constexpr double kGenerous = 30.0;

std::string Hash(uint8_t seed) { return HashText(SequentialHash(seed).data()); }
std::string ListLine(uint8_t seed, const std::string& description) {
    return ToUpperAscii(Hash(seed)) + ",734003200," + description + "\r\n";
}
std::string PartMet(int seed, const std::string& name) {
    return BuildPartMet({.hash = SequentialHash(static_cast<uint8_t>(seed)), .name = name, .size = 734003200,
                         .extraTags = {}});
}

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}
// The findings of part in the JSON lines printed so far.
size_t CountPart(const std::string& out, const std::string& part) { return Count(out, "{\"part\":\"" + part + "\","); }

// As aMule saves: .part.met.backup written, renamed over the .part.met, copied to .part.met.bak.
void SaveAsAmule(const std::string& met, const std::string& bytes) {
    std::ofstream(met + ".backup", std::ios::binary) << bytes;
    fs::rename(met + ".backup", met);
    fs::copy_file(met, met + ".bak", fs::copy_options::overwrite_existing);
}

class WatchCliTest : public CliFixture {
protected:
    void SetUp() override {
        home.Write("Kestrivane.ini", "[eMule]\nTempDir=" + temp.path() + "\n[Display]\nInspectContent=NO\n");
        home.Write("FAKES.DAT", ListLine(0x20, "Fake, trailer only"));
    }
    // Started, with its first check done and its directories followed.
    std::unique_ptr<Spawned> Watch(Args args = {"--json"}) {
        args.insert(args.begin(), "watch");
        auto watch = Start(args);
        EXPECT_TRUE(watch->ReadUntilErrHas("reads the lists again)\n", kGenerous)) << watch->err;
        return watch;
    }
    // Whether the watch reported part n times within seconds.
    static bool Reported(Spawned& watch, const std::string& part, size_t n, double seconds) {
        return watch.ReadUntil([&] { return CountPart(watch.out, part) >= n; }, seconds);
    }
    // Ends it as a service manager or Ctrl+C would; its exit status.
    static int Stop(Spawned& watch, int sig = SIGTERM) {
        watch.Signal(sig);
        return watch.Finish();
    }
};

// A client keeps ten other downloads busy, saving them every 100 ms as aMule does (.bak copies included);
// meanwhile a new fake comes, and it and an old one are saved 25 times each.
TEST_F(WatchCliTest, ABusyClientsNewFakeIsReportedWithinTheDelayAndEachFakeOnceAcrossItsSaves) {
    const auto busy = [&](int n) { return temp.File("busy" + std::to_string(n) + ".part.met"); };
    for (int n = 0; n < 10; ++n) SaveAsAmule(busy(n), PartMet(0x80 + n, "busy.avi"));
    temp.Write("001.part.met", PartMet(0x20, "old fake.avi"));
    auto watch = Watch();
    ASSERT_TRUE(Reported(*watch, "001.part", 1, kGenerous)) << watch->err;
    int reportedAt = -1;  // in ticks of 100 ms or more after the new fake came
    for (int tick = -10; tick < 50; ++tick) {
        for (int n = 0; n < 10; ++n) SaveAsAmule(busy(n), PartMet(0x80 + n, "busy.avi"));
        for (const char* met : {"001.part.met", "050.part.met"})
            if (tick >= 0 && tick % 2 == 0) SaveAsAmule(temp.File(met), PartMet(0x20, "fake.avi"));
        watch->ReadUntil([] { return false; }, 0.1);
        if (reportedAt < 0 && CountPart(watch->out, "050.part") > 0) reportedAt = tick;
    }
    ASSERT_GE(reportedAt, 0) << watch->err;
    EXPECT_LE(reportedAt, 30) << "not reported within the delay and a second while the client was busy";
    watch->ReadUntil([] { return false; }, kReportDeadline);  // a late duplicate would come now
    EXPECT_EQ(Stop(*watch), 0) << watch->err;
    EXPECT_EQ(Count(watch->out, "\n"), 2u) << watch->out;  // both reported above: each once
}

TEST_F(WatchCliTest, AHashAddedToAListIsReportedWithoutTouchingTheDownload) {
    temp.Write("002.part.met", PartMet(0x51, "replaced.avi"));
    temp.Write("003.part.met", PartMet(0x52, "copied.avi"));
    const auto before = fs::last_write_time(temp.File("002.part.met"));
    const std::string list = home.File("FAKES.DAT");
    auto watch = Watch();
    struct Case { const char* how; std::string part; std::function<void()> add; };
    for (const Case& c : std::vector<Case>{
             {"replaced atomically", "002.part", [&] {
                  input.Write("list", home.Read("FAKES.DAT") + ListLine(0x51, "Replaced"));
                  fs::rename(input.File("list"), list);
              }},
             {"cp over it", "003.part", [&] {
                  const std::string copy = input.Write("list", home.Read("FAKES.DAT") + ListLine(0x52, "Copied"));
                  EXPECT_EQ(RunArgv({"/bin/cp", copy, list}).code, 0);
              }}}) {
        c.add();
        EXPECT_TRUE(Reported(*watch, c.part, 1, kReportDeadline)) << c.how << "\n" << watch->out << watch->err;
    }
    watch->ReadUntil([] { return false; }, kReportDeadline);
    EXPECT_EQ(Stop(*watch), 0);
    EXPECT_EQ(Count(watch->out, "\n"), 2u) << watch->out;
    EXPECT_EQ(fs::last_write_time(temp.File("002.part.met")), before);
}

// --notify-desktop: a notice per finding on the session's Notifications service, the name's
// control bytes made visible; with no bus, said once while the findings go on.
TEST_F(WatchCliTest, DesktopNotificationsReachTheSessionBusOrAreSaidUnavailableOnce) {
    PrivateBus bus;
    ASSERT_FALSE(bus.Address().empty()) << "dbus-daemon did not start: " << bus.Why();
    ReceiverThread receiver(bus.Address());
    env["DBUS_SESSION_BUS_ADDRESS"] = bus.Address();
    temp.Write("004.part.met", PartMet(0x20, "fake\x1b[2J.avi"));
    auto watch = Watch({"--json", "--notify-desktop"});
    const std::vector<Shown> shown = receiver.Get().WaitFor(1, kGenerous);
    ASSERT_EQ(shown.size(), 1u) << watch->err;
    EXPECT_EQ(shown[0].app, "Kestrivane");
    EXPECT_EQ(shown[0].summary, "Kestrivane: fake found");
    EXPECT_EQ(shown[0].body, "fake\\x1B[2J.avi\nFake, trailer only");
    EXPECT_EQ(Stop(*watch), 0) << watch->err;
    EXPECT_EQ(Count(watch->err, "Desktop notifications"), 0u) << watch->err;

    env["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + temp.File("no-bus-here");
    temp.Write("005.part.met", PartMet(0x20, "second.avi"));
    auto unheard = Watch({"--json", "--notify-desktop"});
    ASSERT_TRUE(Reported(*unheard, "005.part", 1, kGenerous)) << unheard->err;
    EXPECT_TRUE(Reported(*unheard, "004.part", 1, kGenerous)) << unheard->err;
    EXPECT_TRUE(unheard->ReadUntilErrHas("the watch goes on without them.\n", kGenerous)) << unheard->err;
    EXPECT_EQ(Stop(*unheard), 0) << unheard->err;
    EXPECT_EQ(Count(unheard->err, "Desktop notifications cannot be shown"), 1u) << unheard->err;
}

// Renamed away and made again, or mounted over (without an event for the old one), the directory is watched anew.
TEST_F(WatchCliTest, ATempDirectoryReplacedOrMountedOverIsWatchedAnew) {
    auto watch = Watch();
    fs::rename(temp.path(), temp.path() + ".away");
    ASSERT_TRUE(watch->ReadUntilErrHas("The directory " + temp.path() + " is gone", kGenerous)) << watch->err;
    fs::create_directory(temp.path());
    ASSERT_TRUE(watch->ReadUntilErrHas("Watching " + temp.path() + " again.", kGenerous)) << watch->err;
    fs::remove_all(temp.path() + ".away");  // the old one gone for good: the watch goes on
    temp.Write("001.part.met", PartMet(0x20, "fake.avi"));
    EXPECT_TRUE(Reported(*watch, "001.part", 1, kGenerous)) << watch->err;

    ScopedTempDir disk;
    disk.Write("002.part.met", PartMet(0x20, "on the disk.avi"));
    if (::mount(disk.path().c_str(), temp.path().c_str(), nullptr, MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "no bind mount here: " << std::strerror(errno);
    const bool replaced = watch->ReadUntilErrHas("Replaced: " + temp.path() + "; watching the new one.", kGenerous);
    const bool reported = Reported(*watch, "002.part", 1, kGenerous);
    ::umount2(temp.path().c_str(), MNT_DETACH);
    EXPECT_TRUE(replaced) << watch->err;
    EXPECT_TRUE(reported) << watch->err;
    EXPECT_EQ(Stop(*watch), 0) << watch->err;
}

// A command that ignores SIGTERM (and its child with it) gets SIGKILL a few seconds later.
TEST_F(WatchCliTest, SigtermEndsTheWatchAndAHangingCommandWithinFiveSeconds) {
    temp.Write("001.part.met", PartMet(0x20, "fake.avi"));
    const std::string pidFile = home.File("command.pid");
    auto watch = Watch({"--json", "--exec", "sh -c 'trap \"\" TERM; sleep 1000 & echo $! > \"$0\"; wait' " + pidFile});
    // Nothing is printed when the file appears: looked at now and then.
    for (int i = 0; i < 300 && home.Read("command.pid").empty(); ++i) watch->ReadUntil([] { return false; }, 0.1);
    ASSERT_FALSE(home.Read("command.pid").empty()) << watch->err;
    const pid_t sleeper = std::stoi(home.Read("command.pid"));
    const auto start = std::chrono::steady_clock::now();
    watch->Signal(SIGTERM);
    EXPECT_EQ(watch->Finish(5), 0) << watch->err;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    for (int i = 0; i < 100 && ::kill(sleeper, 0) == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_NE(::kill(sleeper, 0), 0) << "the command's child outlived the watch";
}

// The command is given the finding as arguments and variables, never through a shell; what it says goes to
// stderr, as stdout holds the findings only; one that runs too long is ended.
TEST_F(WatchCliTest, ACommandGetsTheFindingItsOutputGoesToStderrAndALongOneIsEnded) {
    const std::string fakeName = "$(touch pwned); `rm -rf x` \"fake\".avi";
    const std::string hook = user.Write("hook.sh", "#!/bin/sh\nprintf '%s|%s|%s|%s\\n' \"$1\" \"$KV_KIND\" "
                                                   "\"$KV_NAME\" \"$KV_HASH\"\nexec sleep 100\n");
    ::chmod(hook.c_str(), 0755);
    temp.Write("001.part.met", PartMet(0x30, "fine.avi"));
    auto watch = Watch({"--json", "--exec-timeout", "1", "--exec", "'" + hook + "' first-arg"});
    EXPECT_EQ(watch->out, "");  // nothing fake yet
    // Written beside and renamed into place, as eMule does.
    temp.Write("002.part.met.tmp", PartMet(0x20, fakeName));
    fs::rename(temp.File("002.part.met.tmp"), temp.File("002.part.met"));
    ASSERT_TRUE(watch->ReadUntilErrHas("ran longer than 1 s", kGenerous)) << watch->err;
    EXPECT_EQ(Stop(*watch), 0);
    EXPECT_NE(watch->err.find("first-arg|fake|" + fakeName + "|" + Hash(0x20) + "\n"), std::string::npos) << watch->err;
    ASSERT_EQ(Count(watch->out, "\n"), 1u) << watch->out;
    const auto finding = nlohmann::json::parse(watch->out);
    EXPECT_EQ(finding["name"], fakeName);
    EXPECT_EQ(finding["description"], "Fake, trailer only");
    EXPECT_FALSE(fs::exists(temp.File("pwned")) || fs::exists("pwned"));
}

// A list kept elsewhere behind a link changes without an event the watch follows: SIGHUP reads it.
TEST_F(WatchCliTest, SighupReadsTheListsAgainAndSigintEndsTheWatch) {
    ScopedTempDir elsewhere;
    const std::string list = elsewhere.Write("fakes.txt", ListLine(0x20, "Fake, trailer only"));
    fs::remove(home.File("FAKES.DAT"));
    fs::create_symlink(list, home.File("FAKES.DAT"));
    temp.Write("001.part.met", PartMet(0x60, "linked.avi"));
    auto watch = Watch({});  // rows, as the check prints them
    elsewhere.Write("fakes.txt", ListLine(0x60, "Listed elsewhere"));
    watch->Signal(SIGHUP);
    ASSERT_TRUE(watch->ReadUntil([&] { return !watch->out.empty() && watch->out.back() == '\n'; }, kGenerous))
        << watch->err;
    EXPECT_EQ(Stop(*watch, SIGINT), 0);
    EXPECT_EQ(watch->out, "001.part\tlinked.avi\tListed elsewhere\n");
    EXPECT_NE(watch->err.find("Settings and lists read again.\n"), std::string::npos) << watch->err;
}

// A 4 MiB list copied over in place (cp cuts it, then writes it) 50 times while a watch and 200 checks read it:
// nobody is stopped by a signal, every check reads the old list or the new one (both name 001 a fake, at their
// ends), and the watch lives on and takes the last list (which alone names 002).
TEST_F(WatchCliTest, AListCopiedOverInPlaceStopsNobodyAndTheWatchTakesTheNewOne) {
    temp.Write("001.part.met", PartMet(0x60, "in-both.avi"));
    temp.Write("002.part.met", PartMet(0x61, "in-the-last.avi"));
    const auto list = [](size_t bytes, const std::string& end) {
        std::string text;
        char hash[33];
        for (unsigned i = 0; text.size() < bytes; ++i) {
            std::snprintf(hash, sizeof hash, "e%031x", i);
            text += std::string(hash) + ",734003200,a filler record of a list large enough to be mapped\r\n";
        }
        return text + end;
    };
    const std::string first = input.Write("first.dat", list(4u << 20, ListLine(0x60, "Fake, in both"))),
                      last = input.Write("last.dat", list((4u << 20) - 300000, ListLine(0x60, "Fake, in both") +
                                                                                ListLine(0x61, "Fake, in the last")));
    fs::copy_file(first, home.File("FAKES.DAT"), fs::copy_options::overwrite_existing);
    auto watch = Watch();

    std::atomic<int> checks = 0;
    std::thread copier([&] {
        for (int copy = 1; copy <= 50; ++copy) {
            while (checks < 4 * copy - 3) std::this_thread::sleep_for(std::chrono::milliseconds(1));
            const std::string command = "cp '" + (copy % 2 ? first : last) + "' '" + home.File("FAKES.DAT") + "'";
            EXPECT_EQ(std::system(command.c_str()), 0);
        }
    });
    std::map<int, int> codes;  // exit status: how many checks
    while (checks < 200) {  // four at a time
        std::vector<std::unique_ptr<Spawned>> running;
        for (int i = 0; i < 4; ++i) running.push_back(Start({"check", "--temp-dir", temp.path()}));
        for (auto& check : running) {
            const int code = check->Finish();
            EXPECT_EQ(code, 1) << check->out << check->err;
            ++codes[code], ++checks;
        }
    }
    copier.join();
    EXPECT_EQ(codes, (std::map<int, int>{{1, 200}}));  // 1: fakes found

    EXPECT_TRUE(Reported(*watch, "002.part", 1, kGenerous)) << watch->out << watch->err;
    EXPECT_EQ(Stop(*watch), 0) << watch->err;
}

}  // namespace
}  // namespace kv::test
