#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "TempDir.h"
#include "common/DirectoryLock.h"
#include "settings/IniFile.h"

namespace kv::test {
namespace {

using namespace std::chrono_literals;

// A child process that takes the directory's lock under its own program name
// and keeps it until it is killed.
class Holder {
public:
    explicit Holder(const std::string& dir) {
        int ready[2];
        if (::pipe(ready) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            DirectoryLock::SetProgramName("holder-test");
            const DirectoryLock lock(dir, 0ms);
            const char state = lock ? 'y' : 'n';
            [[maybe_unused]] const ssize_t sent = ::write(ready[1], &state, 1);
            for (;;) ::pause();
        }
        ::close(ready[1]);
        char state = 0;
        held_ = ::read(ready[0], &state, 1) == 1 && state == 'y';
        ::close(ready[0]);
    }
    ~Holder() { Kill(); }
    void Kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    bool held() const { return held_; }
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    bool held_ = false;
};

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
        const pid_t pid = ::fork();
        if (pid == 0) {
            bool ok = true;
            for (int r = 0; r < kRounds; ++r)
                ok = WriteIniString("Writers", "Key" + std::to_string(w), std::to_string(w) + "-" + std::to_string(r), ini) && ok;
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(pid);
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
    Holder holder(dir.path());
    ASSERT_TRUE(holder.held());

    TakeLockBusy();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(WriteIniString("Internet", "FakesDatVersion", "4", ini));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 400ms);
    EXPECT_EQ(dir.Read("Kestrivane.ini"), before);

    const std::optional<LockHolder> busy = TakeLockBusy();
    ASSERT_TRUE(busy);
    EXPECT_EQ(busy->pid, holder.pid());
    EXPECT_EQ(busy->program, "holder-test");
    EXPECT_EQ(busy->directory, dir.path());
    EXPECT_FALSE(TakeLockBusy()) << "taken once";

    // Killed, the holder's flock goes with it; the file it wrote its name in stays and serves again.
    holder.Kill();
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
        {
            const DirectoryLock inner(dir.path() + "/.", 0ms);
            EXPECT_TRUE(inner);
        }
        bool otherHad = true;
        std::optional<LockHolder> otherSaw;
        std::thread([&] {
            const DirectoryLock other(dir.path(), 100ms);
            otherHad = other.Held();
            otherSaw = other.Busy();
        }).join();
        EXPECT_FALSE(otherHad);
        ASSERT_TRUE(otherSaw);
        EXPECT_EQ(otherSaw->pid, ::getpid());
        // Released only by the outermost: another process still finds it taken.
        Holder blocked(dir.path());
        EXPECT_FALSE(blocked.held());
    }
    Holder free(dir.path());
    EXPECT_TRUE(free.held());
    EXPECT_EQ(dir.Read(DirectoryLock::kFileName), LockFileText(free.pid(), "holder-test"));
}

TEST(LockFileText, ReadsWhatTheHolderWrote) {
    struct Case { std::string text; std::optional<std::pair<long, std::string>> expected; };
    const std::vector<Case> cases = {
        {LockFileText(1234, "kestrivane-cli"), std::pair<long, std::string>{1234, "kestrivane-cli"}},
        {"77 kestrivane", std::pair<long, std::string>{77, "kestrivane"}},
        {"", std::nullopt},            // taken, not yet written
        {"1234", std::nullopt},        // cut short
        {"x kestrivane\n", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseLockFileText(c.text);
        ASSERT_EQ(parsed.has_value(), c.expected.has_value()) << c.text;
        if (parsed) {
            EXPECT_EQ(std::make_pair(parsed->pid, parsed->program), *c.expected) << c.text;
        }
    }
}

}  // namespace
}  // namespace kv::test
