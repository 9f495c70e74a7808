// The aMule use cases against a real amuled on loopback: pausing beside a
// watch when aMule comes up late, and a first start that sets up the
// connection of a local aMule.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <thread>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <vector>

#include "AmuleDaemon.h"
#include "TempDir.h"
#include "usecases/AmulePauser.h"
#include "usecases/AmuleSession.h"

namespace kv {
namespace {

using namespace std::chrono_literals;
using test::AmuleDaemon;
using Clock = std::chrono::steady_clock;

const char* const kFilm = "ed2k://|file|Film%20One.avi|734003200|0123456789ABCDEF0123456789ABCDEF|/";
const char* const kFilmHash = "0123456789ABCDEF0123456789ABCDEF";

// The pauser's events as they come, from its thread.
struct Heard {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<AmulePauser::Event> events;

    void Add(const AmulePauser::Event& e) {
        const std::lock_guard lock(mutex);
        events.push_back(e);
        changed.notify_all();
    }
    bool WaitFor(AmulePauser::Event::Kind kind, std::chrono::seconds limit) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, limit, [&] {
            return std::ranges::any_of(events, [&](const auto& e) { return e.kind == kind; });
        });
    }
};

class AmuleSessionTest : public ::testing::Test {
protected:
    test::ScopedTempDir root;
    std::string amuleDir = root.File("aMule");
    ProgramHome home = ProgramHome::At(root.File("kv"));

    void SetUp() override {
        if (!AmuleDaemon::Installed())
            GTEST_SKIP() << "amuled or amulecmd is not installed (Debian: amule-daemon, amule-utils)";
        std::filesystem::create_directories(amuleDir);
        std::filesystem::create_directories(root.File("kv"));
    }
};

// A NAS boot: the watch starts before aMule, or aMule restarts. The fake found
// meanwhile is paused once aMule answers, and said so once.
TEST_F(AmuleSessionTest, APauseThatFoundNoAmuleIsDoneOnceAmuleAnswers) {
    const uint16_t port = test::FreeLoopbackPort();
    {
        AmuleDaemon first(amuleDir, port);  // holds the download aMule will come back with
        ASSERT_TRUE(first.Running()) << first.Log();
        first.Amulecmd(std::string("add ") + kFilm);
    }
    ASSERT_TRUE(StoreAmuleConnection(home, {"127.0.0.1", port, AmuleDaemon::kPasswordMd5}));
    Heard heard;
    AmulePauser pauser(home, [&](const AmulePauser::Event& e) { heard.Add(e); });
    pauser.Pause(*Ed2kHash::FromHex(kFilmHash), "Film One.avi");
    ASSERT_TRUE(heard.WaitFor(AmulePauser::Event::Kind::Waiting, 30s));

    AmuleDaemon again(amuleDir, port);
    ASSERT_TRUE(again.Running()) << again.Log();
    const auto answering = Clock::now();
    ASSERT_TRUE(heard.WaitFor(AmulePauser::Event::Kind::Paused, 5s)) << "within 5 s of aMule answering";
    std::cout << "paused " << std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - answering).count()
              << " ms after aMule answered\n";
    EXPECT_NE(again.Amulecmd("show dl").find("Paused"), std::string::npos) << again.Amulecmd("show dl");
    const std::lock_guard lock(heard.mutex);
    ASSERT_EQ(heard.events.size(), 2u) << "one Waiting, however many tries";
    EXPECT_EQ(heard.events[1].name, "Film One.avi");
}

// A hung aMule (stopped, swapping) holds neither the caller nor the way out.
TEST_F(AmuleSessionTest, AHungAmuleHoldsNeitherTheCallerNorTheEnd) {
    AmuleDaemon daemon(amuleDir);
    ASSERT_TRUE(daemon.Running()) << daemon.Log();
    daemon.Amulecmd(std::string("add ") + kFilm);
    ASSERT_TRUE(StoreAmuleConnection(home, {"127.0.0.1", daemon.Port(), AmuleDaemon::kPasswordMd5}));
    daemon.Suspend();
    Heard heard;
    auto pauser = std::make_unique<AmulePauser>(home, [&](const AmulePauser::Event& e) { heard.Add(e); });
    const auto asked = Clock::now();
    for (uint8_t seed = 0; seed < 10; ++seed) {
        std::string hex(32, '0');
        hex[0] = static_cast<char>('a' + seed);
        pauser->Pause(*Ed2kHash::FromHex(hex), "fake " + std::to_string(seed));
    }
    pauser->Pause(*Ed2kHash::FromHex(kFilmHash), "Film One.avi");
    const auto returned = Clock::now() - asked;
    std::this_thread::sleep_for(500ms);  // the pauser is inside its wait on the stopped daemon now
    const auto ending = Clock::now();
    pauser.reset();
    const auto ended = Clock::now() - ending;
    std::cout << "11 pauses asked in " << std::chrono::duration_cast<std::chrono::microseconds>(returned).count()
              << " us; ended in " << std::chrono::duration_cast<std::chrono::milliseconds>(ended).count() << " ms\n";
    EXPECT_LT(ended, 2s) << "a watch ends within 2 s of SIGTERM, a pause in flight included";
    const std::lock_guard lock(heard.mutex);
    EXPECT_TRUE(std::ranges::none_of(heard.events, [](const auto& e) { return e.kind == AmulePauser::Event::Kind::Paused; }));
}

TEST_F(AmuleSessionTest, AFirstStartBesideALocalAmuleSetsUpTheConnection) {
    AmuleDaemon daemon(amuleDir);
    ASSERT_TRUE(daemon.Running()) << daemon.Log();
    EXPECT_EQ(SetUpLocalAmule(home, daemon.ConfFile()), "2.3.3");
    const auto stored = StoredAmuleConnection(home);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->port, daemon.Port());
    auto session = AmuleSession::Open(home);
    ASSERT_TRUE(session) << session.error().Describe();
    // One stored already (the user's own choice, say): left as it is.
    ASSERT_TRUE(StoreAmuleConnection(home, {"nas", 4712, AmuleDaemon::kPasswordMd5}));
    EXPECT_EQ(SetUpLocalAmule(home, daemon.ConfFile()), std::nullopt);
    EXPECT_EQ(StoredAmuleConnection(home)->host, "nas");
}

}  // namespace
}  // namespace kv
