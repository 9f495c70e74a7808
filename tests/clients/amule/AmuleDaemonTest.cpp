// Against Debian's amuled on loopback: what the daemon itself says after each
// of our requests, read with its own amulecmd and from its own files.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "AmuleDaemon.h"
#include "TempDir.h"
#include "clients/amule/AmuleClient.h"
#include "common/FileUtil.h"
#include "ed2k/ClientSignals.h"

using namespace kv::ec;
using kv::Ed2kHash;
using kv::test::AmuleDaemon;

namespace {

struct Link {
    const char* name;
    uint64_t size;
    const char* hash;
    std::string Text() const {
        std::string escaped = name;
        for (size_t at = 0; (at = escaped.find(' ', at)) != std::string::npos;) escaped.replace(at, 1, "%20");
        return "ed2k://|file|" + escaped + "|" + std::to_string(size) + "|" + hash + "|/";
    }
};

const Link kLinks[] = {{"Film One.avi", 734003200, "0123456789ABCDEF0123456789ABCDEF"},
                       {"Caf\xC3\xA9 del Mar.mp3", 5242880, "FEDCBA9876543210FEDCBA9876543210"},
                       {"Big.iso", 5000000000ull, "00112233445566778899AABBCCDDEEFF"}};

class AmuleDaemonTest : public testing::Test {
protected:
    void SetUp() override {
        if (!AmuleDaemon::Installed())
            GTEST_SKIP() << "amuled or amulecmd is not installed (Debian: amule-daemon, amule-utils)";
        daemon_ = std::make_unique<AmuleDaemon>(dir_.path());
        ASSERT_TRUE(daemon_->Running()) << daemon_->Log();
    }

    std::expected<AmuleClient, AmuleError> Connect() const {
        return AmuleClient::Connect({"127.0.0.1", daemon_->Port(), AmuleDaemon::kPasswordMd5}, {"kv-test", "1"});
    }

    // amulecmd's two lines for a download: "HASH name" and the status line after it.
    std::string ShownStatus(const char* hash) const {
        const std::string shown = daemon_->Amulecmd("show dl");
        const size_t at = shown.find(hash);
        if (at == std::string::npos) return "(not shown)";
        const size_t next = shown.find('\n', at);
        return next == std::string::npos ? "" : shown.substr(next + 1, shown.find('\n', next + 1) - next - 1);
    }

    kv::test::ScopedTempDir dir_;
    std::unique_ptr<AmuleDaemon> daemon_;
};

TEST_F(AmuleDaemonTest, ListsTheDownloadsWithTheirNamesSizesHashesAndPartFilesAndRefusesABadLink) {
    // Two through amulecmd, one through our own EC_OP_ADD_LINK: the one with
    // raw UTF-8 in its name, which amulecmd 2.3.3 mangles in the C locale.
    for (const Link& link : {kLinks[0], kLinks[2]})
        ASSERT_NE(daemon_->Amulecmd("add " + link.Text()).find("successful"), std::string::npos);
    auto client = Connect();
    ASSERT_TRUE(client) << Describe(client.error());
    const auto added = client->AddLink(kLinks[1].Text());
    ASSERT_TRUE(added) << Describe(added.error());
    const auto bad = client->AddLink("ed2k://|file|x|");
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.error().kind, AmuleErrorKind::Failed);
    EXPECT_NE(bad.error().detail.find("Invalid link"), std::string::npos) << bad.error().detail;
    const auto queue = client->Queue();
    ASSERT_TRUE(queue) << Describe(queue.error());
    ASSERT_EQ(queue->downloads.size(), 3u);
    for (const Link& link : kLinks) {
        SCOPED_TRACE(link.name);
        const auto hash = Ed2kHash::FromHex(link.hash);
        const auto it = std::ranges::find(queue->downloads, hash, &kv::Download::hash);
        ASSERT_NE(it, queue->downloads.end());
        EXPECT_EQ(it->name, link.name);
        EXPECT_EQ(it->size, link.size);
        // The part file the daemon names is the one in its temp directory.
        EXPECT_TRUE(kv::FileExists(dir_.path() + "/Temp/" + it->metFile)) << it->metFile;
        EXPECT_EQ(queue->ViewOf(*hash)->state, DownloadState::Waiting);
    }
}

TEST_F(AmuleDaemonTest, PauseStopResumeAndCancelChangeWhatAmuleShows) {
    for (const Link& link : {kLinks[0], kLinks[1]}) daemon_->Amulecmd("add " + link.Text());
    auto client = Connect();
    ASSERT_TRUE(client) << Describe(client.error());
    const auto hash = *Ed2kHash::FromHex(kLinks[0].hash);
    const auto stateNow = [&] {
        const auto queue = client->Queue();
        return queue && queue->ViewOf(hash) ? queue->ViewOf(hash)->state : DownloadState::Other;
    };
    struct Step { Action action; const char* shown; DownloadState state; };
    const Step steps[] = {{Action::Pause, "Paused", DownloadState::Paused},
                          {Action::Resume, "Waiting", DownloadState::Waiting},
                          {Action::Stop, "Paused", DownloadState::Stopped},
                          {Action::Resume, "Waiting", DownloadState::Waiting}};
    for (const Step& step : steps) {
        SCOPED_TRACE(ActionName(step.action));
        ASSERT_TRUE(client->Act(step.action, hash));
        EXPECT_NE(ShownStatus(kLinks[0].hash).find(step.shown), std::string::npos) << ShownStatus(kLinks[0].hash);
        EXPECT_EQ(stateNow(), step.state);
        // The other download is never touched.
        EXPECT_NE(ShownStatus(kLinks[1].hash).find("Waiting"), std::string::npos);
    }
    ASSERT_TRUE(client->Act(Action::Cancel, hash));
    EXPECT_EQ(ShownStatus(kLinks[0].hash), "(not shown)");
    const auto canceled = kv::ReadWholeFile(dir_.path() + "/canceled.met");
    ASSERT_TRUE(canceled) << "aMule writes canceled.met at once";
    const auto list = kv::ReadCancelled(*canceled);
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->Contains(hash));
    EXPECT_FALSE(list->Contains(*Ed2kHash::FromHex(kLinks[1].hash)));
    // Gone: acting on it again is a clear "not found", not a silent success.
    const auto again = client->Act(Action::Pause, hash);
    ASSERT_FALSE(again);
    EXPECT_EQ(again.error().kind, AmuleErrorKind::NotFound);
}

}  // namespace
