#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "TempDir.h"
#include "common/DirectoryLock.h"
#include "settings/IniFile.h"

namespace kv::test {
namespace {

using namespace std::chrono_literals;

// A child process that takes the directory's lock under its own program name and keeps it until it is killed;
// its pid, or -1 when it could not take the lock.
pid_t HoldLock(const std::string& dir) {
    int ready[2];
    if (::pipe(ready) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        DirectoryLock::SetProgramName("holder-test");
        const DirectoryLock lock(dir, 0ms);
        [[maybe_unused]] const ssize_t sent = ::write(ready[1], lock ? "y" : "n", 1);
        for (;;) ::pause();
    }
    char state = 0;
    const bool held = ::read(ready[0], &state, 1) == 1 && state == 'y';
    ::close(ready[0]), ::close(ready[1]);
    if (!held) ::kill(pid, SIGKILL), ::waitpid(pid, nullptr, 0);
    return held ? pid : -1;
}

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
    const pid_t holder = HoldLock(dir.path());
    ASSERT_GT(holder, 0);
    TakeLockBusy();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(WriteIniString("Internet", "FakesDatVersion", "4", ini));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 400ms);
    EXPECT_EQ(dir.Read("Kestrivane.ini"), before);
    const std::optional<LockHolder> busy = TakeLockBusy();
    ASSERT_TRUE(busy);
    EXPECT_EQ(busy->pid, holder);
    EXPECT_EQ(busy->program + " in " + busy->directory, "holder-test in " + dir.path());
    EXPECT_FALSE(TakeLockBusy()) << "taken once";

    // Killed, the holder's flock goes with it; the file it wrote its name in stays and serves again.
    Kill(holder);
    EXPECT_TRUE(WriteIniString("Internet", "FakesDatVersion", "4", ini));
    EXPECT_EQ(ReadIniString("Internet", "FakesDatVersion", "", 10, ini), "4");
    EXPECT_FALSE(TakeLockBusy());
}

TEST_F(LockTest, NestedInOneThreadOnlyCountsAndOtherThreadsWait) {
    {
        const DirectoryLock outer(dir.path() + "/");
        ASSERT_TRUE(outer);
        EXPECT_EQ(dir.Read(DirectoryLock::kFileName), LockFileText(::getpid(), "kestrivane"));
        // The same directory spelled otherwise is the same lock, and a write inside does not wait on it.
        EXPECT_TRUE(WriteIniString("A", "B", "c", ini));
        EXPECT_TRUE(DirectoryLock(dir.path() + "/.", 0ms));
        std::optional<LockHolder> otherSaw;
        std::thread([&] {
            const DirectoryLock other(dir.path(), 100ms);
            if (!other.Held()) otherSaw = other.Busy();
        }).join();
        ASSERT_TRUE(otherSaw);
        EXPECT_EQ(otherSaw->pid, ::getpid());
        EXPECT_EQ(HoldLock(dir.path()), -1);  // released only by the outermost: another process finds it taken
    }
    const pid_t free = HoldLock(dir.path());
    ASSERT_GT(free, 0);
    EXPECT_EQ(dir.Read(DirectoryLock::kFileName), LockFileText(free, "holder-test"));
    Kill(free);
}

TEST(LockFileText, ReadsWhatTheHolderWrote) {
    const auto parsed = ParseLockFileText(LockFileText(1234, "kestrivane-cli"));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(std::to_string(parsed->pid) + " " + parsed->program, "1234 kestrivane-cli");
    // Taken but not yet written, cut short, or no pid: no holder to name.
    for (const char* text : {"", "1234", "x kestrivane\n"}) EXPECT_FALSE(ParseLockFileText(text)) << text;
}

}  // namespace
}  // namespace kv::test
