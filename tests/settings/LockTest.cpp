#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "TempDir.h"
#include "LockHolder.h"
#include "platform/DirectoryLock.h"
#include "settings/IniFile.h"

namespace kv::test {
namespace {

using namespace std::chrono_literals;

void Kill(pid_t pid) { ::kill(pid, SIGKILL), ::waitpid(pid, nullptr, 0); }

class LockTest : public ::testing::Test {
protected:
    ScopedTempDir dir;
    std::string ini = dir.File("Kestrivane.ini");
    void SetUp() override { DirectoryLock::SetDefaultWait(400ms); }
    void TearDown() override { DirectoryLock::SetDefaultWait(10000ms); }
};

TEST_F(LockTest, ConcurrentWritersEachKeepTheirOwnKey) {
    constexpr int kWriters = 8, kRounds = 60;
    DirectoryLock::SetDefaultWait(30000ms);  // the others' writes are the only wait
    dir.Write("Kestrivane.ini", "[Other]\r\nKept=yes\r\n");
    std::vector<pid_t> children;
    for (int w = 0; w < kWriters; ++w) {
        children.push_back(::fork());
        if (children.back() != 0) continue;
        const std::string key = "Key" + std::to_string(w);
        bool ok = true;
        for (int r = 0; r < kRounds; ++r)
            ok = WriteIniString("Writers", key, std::to_string(w) + "-" + std::to_string(r), ini) && ok;
        ::_exit(ok ? 0 : 1);
    }
    for (pid_t pid : children) {
        int status = -1;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int w = 0; w < kWriters; ++w)
        EXPECT_EQ(ReadIniString("Writers", "Key" + std::to_string(w), "", 100, ini),
                  std::to_string(w) + "-" + std::to_string(kRounds - 1)) << "writer " << w;
    EXPECT_EQ(ReadIniString("Other", "Kept", "", 100, ini), "yes");
}

TEST_F(LockTest, AHeldLockMakesTheWriterWaitThenFailNamingTheHolder) {
    const std::string before = "[Internet]\r\nFakesDatVersion=3\r\n";
    dir.Write("Kestrivane.ini", before);
    const pid_t holder = HoldLock(dir.path(), "holder-test");
    ASSERT_GT(holder, 0);
    const auto start = std::chrono::steady_clock::now();
    const auto written = WriteIniStrings("Internet", {{"FakesDatVersion", "4"}}, ini);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 400ms);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error(), "Could not write " + ini + ": another program is writing in its directory (holder-test, pid " +
                                   std::to_string(holder) + ").");
    EXPECT_EQ(dir.Read("Kestrivane.ini"), before);
    const auto refused = DirectoryLock::Take(dir.path(), 0ms);
    ASSERT_FALSE(refused);
    ASSERT_TRUE(refused.error().holder);
    EXPECT_EQ(refused.error().holder->pid, holder);
    EXPECT_EQ(refused.error().holder->program + " in " + refused.error().holder->directory, "holder-test in " + dir.path());

    // Killed, the holder's flock goes with it; the file it wrote its name in stays and serves again.
    Kill(holder);
    EXPECT_TRUE(WriteIniString("Internet", "FakesDatVersion", "4", ini));
    EXPECT_EQ(ReadIniString("Internet", "FakesDatVersion", "", 10, ini), "4");
}

TEST_F(LockTest, NestedInOneThreadOnlyCountsAndOtherThreadsWait) {
    {
        const auto outer = DirectoryLock::Take(dir.path() + "/");
        ASSERT_TRUE(outer);
        EXPECT_EQ(dir.Read(DirectoryLock::kFileName), LockFileText(::getpid(), "kestrivane"));
        // The same directory spelled otherwise is the same lock, and a write inside does not wait on it.
        EXPECT_TRUE(WriteIniString("A", "B", "c", ini));
        EXPECT_TRUE(DirectoryLock::Take(dir.path() + "/.", 0ms));
        std::optional<LockHolder> otherSaw;
        std::thread([&] {
            const auto other = DirectoryLock::Take(dir.path(), 100ms);
            if (!other) otherSaw = other.error().holder;
        }).join();
        ASSERT_TRUE(otherSaw);
        EXPECT_EQ(otherSaw->pid, ::getpid());
        // Released only by the outermost: another process finds it taken.
        EXPECT_EQ(HoldLock(dir.path(), "holder-test"), -1);
    }
    const pid_t free = HoldLock(dir.path(), "holder-test");
    ASSERT_GT(free, 0);
    EXPECT_EQ(dir.Read(DirectoryLock::kFileName), LockFileText(free, "holder-test"));
    Kill(free);
}

}  // namespace
}  // namespace kv::test
