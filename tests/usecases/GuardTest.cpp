// The guard against a real amuled on loopback: a listed fake is cancelled and
// recorded, comes back under another name and is cancelled again, survives
// aMule's restart; clean and allowed downloads are never touched.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "AmuleDaemon.h"
#include "TempDir.h"
#include "common/FileUtil.h"
#include "ed2k/ClientSignals.h"
#include "lists/OwnList.h"
#include "usecases/Guard.h"
#include "usecases/OwnListEdit.h"

namespace kv {
namespace {

using namespace std::chrono_literals;
using test::AmuleDaemon;
using Clock = std::chrono::steady_clock;
using Kind = GuardEvent::Kind;

constexpr const char* kFakeHash = "0123456789ABCDEF0123456789ABCDEF";
constexpr const char* kCleanHash = "11111111111111111111111111111111";
constexpr const char* kAllowedHash = "22222222222222222222222222222222";

std::string Link(const std::string& name, const char* hash) {
    return "ed2k://|file|" + name + "|734003200|" + hash + "|/";
}

// Sleeps between readings of the queue until told to stop.
class Ticker final : public ChangeSource {
public:
    void Follow(const std::vector<FollowedDirectory>&) override {}
    Changes Wait(int timeoutMs) override {
        std::unique_lock lock(mutex_);
        cv_.wait_for(lock, std::chrono::milliseconds(timeoutMs < 0 ? 1000 : timeoutMs), [&] { return stop_; });
        Changes c;
        c.stopped = stop_;
        return c;
    }
    void Stop() {
        const std::lock_guard lock(mutex_);
        stop_ = true;
        cv_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool stop_ = false;
};

// The events as they come, with when.
struct Heard {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::pair<GuardEvent, Clock::time_point>> events;

    void Add(const GuardEvent& e) {
        const std::lock_guard lock(mutex);
        events.emplace_back(e, Clock::now());
        changed.notify_all();
    }
    // The n-th (0-based) event of that kind, waited for at most limit.
    std::optional<std::pair<GuardEvent, Clock::time_point>> WaitFor(Kind kind, size_t n = 0,
                                                                    std::chrono::seconds limit = 30s) {
        std::unique_lock lock(mutex);
        std::optional<std::pair<GuardEvent, Clock::time_point>> found;
        changed.wait_for(lock, limit, [&] {
            size_t seen = 0;
            for (const auto& e : events)
                if (e.first.kind == kind && seen++ == n) found = e;
            return found.has_value();
        });
        return found;
    }
    size_t Count(Kind kind) {
        const std::lock_guard lock(mutex);
        return static_cast<size_t>(std::ranges::count_if(events, [&](const auto& e) { return e.first.kind == kind; }));
    }
};

class GuardTest : public ::testing::Test {
protected:
    test::ScopedTempDir root;
    std::string amuleDir = root.File("aMule");
    ProgramHome home = ProgramHome::At(root.File("kv"));
    Heard heard;
    Ticker ticker;
    std::optional<std::thread> watch;
    ListStore lists{home};
    QueueWatchRequest request;
    QueueWatchHandlers handlers;
    QueueWatchTiming timing;

    void SetUp() override {
        if (!AmuleDaemon::Installed())
            GTEST_SKIP() << "amuled or amulecmd is not installed (Debian: amule-daemon, amule-utils)";
        std::filesystem::create_directories(amuleDir);
        std::filesystem::create_directories(root.File("kv"));
        // The fake and the allowed download are both listed: the user's allow wins.
        ASSERT_EQ(home.FakeListPath(), root.File("kv/FAKES.DAT"));
        root.Write("kv/FAKES.DAT", std::string(kFakeHash) + ",734003200,Fake film\r\n" + kAllowedHash +
                                       ",734003200,Fake as well\r\n");
        ASSERT_TRUE(AllowHash(OwnListPath(home), *Ed2kHash::FromHex(kAllowedHash), "my own film"));
        request.guard = true;
        request.cancel = true;
        request.inspect = false;
        handlers.event = [&](const GuardEvent& e) { heard.Add(e); };
    }
    void TearDown() override { StopWatch(); }

    void StartWatch(uint16_t port) {
        ASSERT_TRUE(StoreAmuleConnection(home, {"127.0.0.1", port, AmuleDaemon::kPasswordMd5}));
        watch.emplace([&] { RunQueueWatch(lists, request, ticker, handlers, timing); });
    }
    void StopWatch() {
        ticker.Stop();
        if (watch) watch->join();
        watch.reset();
    }
    static std::string Queue(const AmuleDaemon& daemon) { return daemon.Amulecmd("show dl"); }
    // What aMule says of one download now; Other when it is not in the queue.
    static AmuleState StateOf(uint16_t port, const char* hash) {
        auto session = AmuleSession::OpenAt({"127.0.0.1", port, AmuleDaemon::kPasswordMd5});
        if (!session) return AmuleState::Error;
        const auto queue = session->Queue();
        const AmuleView* view = queue ? queue->ViewOf(*Ed2kHash::FromHex(hash)) : nullptr;
        return view ? view->state : AmuleState::Other;
    }
    std::optional<GuardedRecord> Record() {
        const auto all = ReadGuarded(OwnListPath(home));
        const auto it = all.find(*Ed2kHash::FromHex(kFakeHash));
        if (it == all.end()) return std::nullopt;
        return it->second;
    }
    bool InCanceledMet() {
        const auto bytes = ReadWholeFile(amuleDir + "/canceled.met", 1 << 20);
        if (!bytes) return false;
        const auto list = ReadCancelled(*bytes);
        return list && list->Contains(*Ed2kHash::FromHex(kFakeHash));
    }
};

long long Ms(Clock::duration d) { return std::chrono::duration_cast<std::chrono::milliseconds>(d).count(); }

TEST_F(GuardTest, AListedFakeIsCancelledRecordedAndCancelledAgainUnderAnotherName) {
    AmuleDaemon daemon(amuleDir);
    ASSERT_TRUE(daemon.Running()) << daemon.Log();
    daemon.Amulecmd("add " + Link("Clean film.avi", kCleanHash));
    daemon.Amulecmd("add " + Link("My film.avi", kAllowedHash));
    StartWatch(daemon.Port());

    auto added = Clock::now();
    daemon.Amulecmd("add " + Link("Big film 2024.avi", kFakeHash));
    const auto cancelled = heard.WaitFor(Kind::Cancelled);
    ASSERT_TRUE(cancelled) << Queue(daemon);
    std::cout << "cancelled " << Ms(cancelled->second - added) << " ms after it was added\n";
    EXPECT_EQ(cancelled->first.name, "Big film 2024.avi");
    ASSERT_TRUE(Record());
    EXPECT_EQ(Record()->names, std::vector<std::string>{"Big film 2024.avi"});
    EXPECT_EQ(Record()->why, "FAKES.DAT: Fake film");

    // The same hash from another link, under another name.
    added = Clock::now();
    daemon.Amulecmd("add " + Link("Other name.mkv", kFakeHash));
    const auto again = heard.WaitFor(Kind::CancelledAgain);
    ASSERT_TRUE(again) << Queue(daemon);
    std::cout << "cancelled again " << Ms(again->second - added) << " ms after it came back\n";
    EXPECT_EQ(again->first.name, "Other name.mkv");
    EXPECT_EQ(again->first.why, "Big film 2024.avi");
    EXPECT_TRUE(InCanceledMet());
    EXPECT_EQ(Record()->names, (std::vector<std::string>{"Big film 2024.avi", "Other name.mkv"}));

    StopWatch();
    const std::string queue = Queue(daemon);
    EXPECT_EQ(queue.find("Big film"), std::string::npos) << queue;
    EXPECT_EQ(queue.find("Other name"), std::string::npos) << queue;
    // The clean and the allowed download run on, untouched.
    EXPECT_EQ(StateOf(daemon.Port(), kCleanHash), AmuleState::Waiting) << queue;
    EXPECT_EQ(StateOf(daemon.Port(), kAllowedHash), AmuleState::Waiting) << queue;
    EXPECT_EQ(heard.Count(Kind::Paused) + heard.Count(Kind::Cancelled), 1u);
    // One record of the hash, the allow kept as the user wrote it.
    const std::string own = *ReadWholeFile(OwnListPath(home), 1 << 20);
    EXPECT_EQ(std::ranges::count(own, '\n'), 2) << own;
    EXPECT_NE(own.find(std::string(kAllowedHash) + ",allowed,my own film"), std::string::npos) << own;
}

// Without --cancel-fakes a fake is paused; across an aMule restart the guard
// says once that aMule is gone, and afterwards still keeps the hash out.
TEST_F(GuardTest, AGuardSurvivesAnAmuleRestart) {
    request.cancel = false;
    const uint16_t port = test::FreeLoopbackPort();
    std::optional<AmuleDaemon> daemon(std::in_place, amuleDir, port);
    ASSERT_TRUE(daemon->Running()) << daemon->Log();
    daemon->Amulecmd("add " + Link("Clean film.avi", kCleanHash));
    StartWatch(port);
    daemon->Amulecmd("add " + Link("Big film 2024.avi", kFakeHash));
    ASSERT_TRUE(heard.WaitFor(Kind::Paused)) << Queue(*daemon);
    ASSERT_TRUE(Record());

    daemon.reset();
    ASSERT_TRUE(heard.WaitFor(Kind::Unreachable));
    std::this_thread::sleep_for(2500ms);  // a few readings that fail
    EXPECT_EQ(heard.Count(Kind::Unreachable), 1u) << "said once while aMule is away";
    daemon.emplace(amuleDir, port);
    ASSERT_TRUE(daemon->Running()) << daemon->Log();
    ASSERT_TRUE(heard.WaitFor(Kind::Reachable));
    // The paused fake stays paused: it is the guard's own pause, not a return.
    std::this_thread::sleep_for(1500ms);
    EXPECT_EQ(heard.Count(Kind::CancelledAgain), 0u) << Queue(*daemon);

    // The user cancels it in aMule and adds it again: out at once.
    daemon->Amulecmd(std::string("cancel ") + kFakeHash);
    std::this_thread::sleep_for(1500ms);
    daemon->Amulecmd("add " + Link("Renamed.avi", kFakeHash));
    const auto again = heard.WaitFor(Kind::CancelledAgain);
    ASSERT_TRUE(again) << Queue(*daemon);
    EXPECT_EQ(again->first.name, "Renamed.avi");
    StopWatch();
    const std::string queue = Queue(*daemon);
    EXPECT_NE(queue.find("Clean film.avi"), std::string::npos) << queue;
    EXPECT_EQ(queue.find("Renamed.avi"), std::string::npos) << queue;
    EXPECT_EQ(StateOf(port, kCleanHash), AmuleState::Waiting) << queue;
}

}  // namespace
}  // namespace kv
