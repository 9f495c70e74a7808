// kestrivane-cli emule and check --emule against a loopback server made from
// eMule's own Web Interface template: the binary as a user runs it, through
// the program's own HTTP client.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <nlohmann/json.hpp>

#include "FakeEmule.h"
#include "PartMetBuilder.h"
#include "Spawn.h"
#include "common/StringUtil.h"

namespace kv::test {
namespace {

constexpr const char* kFakeHash = "0123456789ABCDEF0123456789ABCDEF";
// The hash SequentialHash(0x10) gives: the download whose .part.met is in the temp directory.
constexpr const char* kLocalHash = "101112131415161718191A1B1C1D1E1F";

class EmuleCli : public CliFixture {
protected:
    FakeEmule emule{"pass word"};
    std::string Endpoint() const { return "127.0.0.1:" + std::to_string(emule.Port()); }
    Ran Connect(const std::string& password) {
        return Run({"emule", "connect", Endpoint(), "--password-stdin"}, password + "\n");
    }
};

TEST_F(EmuleCli, ConnectStoresTheWebInterfaceForItsOwnerOnly) {
    const Ran refused = Connect("wrong");
    EXPECT_EQ(refused.code, 2);
    EXPECT_NE(refused.err.find("eMule's Web Interface refused the password"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("Nothing stored."), std::string::npos) << refused.err;
    EXPECT_EQ(home.Read("emule-connection.ini"), "");

    const Ran stored = Connect("pass word");
    ASSERT_EQ(stored.code, 0) << stored.err;
    EXPECT_EQ(stored.out, "Connected to eMule's Web Interface at " + Endpoint() + "; stored in " +
                              home.File("emule-connection.ini") + ".\n");
    struct stat st{};
    ASSERT_EQ(::stat(home.File("emule-connection.ini").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(home.Read("emule-connection.ini").find("pass word"), std::string::npos) << "not as plain text";
}

TEST_F(EmuleCli, ChecksTheTransferListByHashAndPausesTheFakes) {
    home.Write("FAKES.DAT", std::string(kFakeHash) + ",734003200,Trailer only\r\n");
    PartMetLayout local;
    local.hash = SequentialHash(0x10);
    local.name = "Holiday.avi";
    local.size = 2000;
    temp.Write("001.part.met", BuildPartMet(local));
    emule.files = {{kFakeHash, "Blockbuster 2026.avi", 734003200, "downloading"},
                   {kLocalHash, "Holiday.avi", 2000, "waiting"}};
    ASSERT_EQ(Connect("pass word").code, 0);
    emule.gzip = true;  // eMule's default, whatever the client asked for

    const Ran run = Run({"check", "--emule", "--json", "--pause-fakes", "--temp-dir", temp.path()});
    EXPECT_EQ(run.code, 1) << run.err;
    const auto rows = nlohmann::json::parse(run.out);
    ASSERT_EQ(rows.size(), 2u) << run.out;
    const auto& fake = rows[0]["hash"] == ToLowerAscii(kFakeHash) ? rows[0] : rows[1];
    const auto& here = rows[0]["hash"] == ToLowerAscii(kFakeHash) ? rows[1] : rows[0];
    EXPECT_EQ(fake["description"], "Trailer only");
    EXPECT_EQ(fake["client"]["name"], "eMule");
    EXPECT_EQ(fake["client"]["paused"], true);
    EXPECT_EQ(fake["client"]["inspected"], false) << "no .part.met of it here";
    EXPECT_EQ(here["part"], "001.part") << "judged on its .part.met here";
    EXPECT_EQ(here["client"]["inspected"], true);
    EXPECT_NE(run.err.find("Paused in eMule: Blockbuster 2026.avi"), std::string::npos) << run.err;
    EXPECT_EQ(emule.files.front().state, "paused");
    EXPECT_EQ(emule.files.back().state, "waiting") << "not a fake: left alone";
}

TEST_F(EmuleCli, ActsOnADownloadByHash) {
    emule.files = {{kFakeHash, "Blockbuster 2026.avi", 734003200, "downloading"}};
    ASSERT_EQ(Connect("pass word").code, 0);
    EXPECT_EQ(Run({"emule", "pause", kFakeHash}),
              (Ran{0, std::string("Paused: Blockbuster 2026.avi (") + ToLowerAscii(kFakeHash) + ")\n", ""}));
    EXPECT_EQ(emule.files.front().state, "paused");
    const Ran unknown = Run({"emule", "resume", kLocalHash});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_EQ(unknown.err, std::string("eMule has no download ") + kLocalHash + ".\n");
    const Ran unconfirmed = Run({"emule", "cancel", kFakeHash});
    EXPECT_EQ(unconfirmed.code, 2);
    EXPECT_EQ(emule.files.size(), 1u) << "nothing cancelled without --yes";
    EXPECT_EQ(Run({"emule", "cancel", "--yes", kFakeHash}).code, 0);
    EXPECT_TRUE(emule.files.empty());
}

}  // namespace
}  // namespace kv::test
