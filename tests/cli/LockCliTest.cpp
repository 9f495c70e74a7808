// kestrivane-cli beside other writers of its program directory: a held lock,
// and updates killed before they could write.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <atomic>
#include <filesystem>
#include <map>

#include "../online/LoopbackServer.h"
#include "PartMetBuilder.h"
#include "Spawn.h"
#include "LockHolder.h"
#include "platform/DirectoryLock.h"
#include "common/StringUtil.h"

namespace kv::test {
namespace {

using namespace std::chrono_literals;

std::string Hash(uint8_t seed) { return HashText(SequentialHash(seed).data()); }
const std::string kList = Hash(0x20) + ",734003200,Fake, trailer only\r\n";

// Every file of dir but the lock file, which stays by design.
std::map<std::string, std::string> Files(const ScopedTempDir& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        const std::string name = entry.path().filename();
        if (name != DirectoryLock::kFileName) files[name] = dir.Read(name);
    }
    return files;
}

class LockCliTest : public CliFixture {
protected:
    void SetUp() override {
        env["KESTRIVANE_LOCK_WAIT_MS"] = "300";
        temp.Write("001.part.met", BuildPartMet({.hash = SequentialHash(0x20), .name = "beta.avi", .size = 734003200,
                                                 .extraTags = {}}));
        Configure("");
        home.Write("FAKES.DAT", kList);
    }
    void Configure(const std::string& url) {
        home.Write("Kestrivane.ini", "[eMule]\r\nTempDir=" + temp.path() + "\r\n[Internet]\r\nFakesDatVersion=3\r\n" +
                                         (url.empty() ? "" : "FakesDatDownloadURL=" + url + "\r\n"));
    }
};

TEST_F(LockCliTest, WritingCommandsFailNamingTheHolderAndChangeNothing) {
    StaticServer server;
    server.Serve("/u/Fakes.txt", "7\r\n");
    server.Serve("/u/FAKES.DAT", Hash(0x30) + ",1,new\r\n");
    const auto before = Files(home);
    const pid_t holder = HoldLock(home.path(), "kestrivane");
    ASSERT_GT(holder, 0);
    const std::string busy = "Another Kestrivane (kestrivane, pid " + std::to_string(holder) + ") is writing in " +
                             home.path() + "; try again when it has finished.\n";
    for (const Args& args : {Args{"mark", "001.part", "--reason", "x"}, Args{"unmark", Hash(0x20)},
                             Args{"import", temp.Write("preferences.ini", "[eMule]\r\nTempDir=C:\\t\r\n")}}) {
        EXPECT_EQ(Run(args), (Ran{2, "", busy})) << args[0];
        EXPECT_EQ(Files(home), before) << args[0];
    }
    // An update waits only to replace the list, after its transfer, and names the holder there;
    // the address it failed with is not stored either.
    const auto stored = Files(home);
    const Ran update = Run({"-q", "update", "--url", server.BaseUrl() + "/u"});
    EXPECT_EQ(update.code, 2);
    EXPECT_NE(update.err.find(busy), std::string::npos) << update.err;
    EXPECT_EQ(Files(home), stored);
    EXPECT_EQ(server.Requests(), (std::vector<std::string>{"/u/Fakes.txt", "/u/FAKES.DAT"}));
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_EQ(Run({"mark", "001.part", "--reason", "x"}).code, 0);
}

// Killed halfway through the list's body, when a careless writer would have begun its file, an update leaves the
// program directory as it was, and the next one runs as if it had never started.
TEST_F(LockCliTest, AKilledUpdateLeavesTheDirectoryAsItWas) {
    const std::string list = Hash(0x40) + ",1,new\r\n" + std::string(200000, '#') + "\r\n";
    StaticServer server;
    std::atomic<bool> halfSent{false};
    server.Serve("/u/Fakes.txt", "7\r\n");
    server.Handle("/u/FAKES.DAT", [&](const httplib::Request&, httplib::Response& res) {
        res.set_content_provider(list.size(), "text/plain", [&](size_t offset, size_t, httplib::DataSink& sink) {
            if (offset == 0) return sink.write(list.data(), list.size() / 2);
            halfSent = true;
            server.Hold();
            return false;
        });
    });
    Configure(server.BaseUrl() + "/u");
    const auto before = Files(home);
    auto update = Start({"update"});
    for (int i = 0; i < 1000 && !halfSent; ++i) std::this_thread::sleep_for(10ms);
    ASSERT_TRUE(halfSent);
    std::this_thread::sleep_for(50ms);  // the bytes sent are on their way into the transfer
    update->Signal(SIGKILL);
    EXPECT_EQ(update->Finish(), -1000 - SIGKILL);
    EXPECT_EQ(Files(home), before);

    server.Serve("/u/FAKES.DAT", list);
    EXPECT_EQ(Run({"check", "--no-all"}).code, 1);  // the old list still finds the fake
    EXPECT_EQ(Run({"update"}).code, 0);
    EXPECT_EQ(home.Read("FAKES.DAT"), list);
    EXPECT_NE(home.Read("Kestrivane.ini").find("FakesDatVersion=7\r\n"), std::string::npos);
}

}  // namespace
}  // namespace kv::test
