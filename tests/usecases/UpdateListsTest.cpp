// The list update as a use case: which addresses it takes, and one deadline over all its sources.
#include <gtest/gtest.h>

#include "LoopbackServer.h"
#include "TempDir.h"
#include "usecases/UpdateLists.h"

namespace kv {
namespace {

TEST(UpdateLists, OnlyWebAddressesWithAHostAreTaken) {
    const struct {
        const char* address;
        bool taken;
    } rows[] = {
        {"http://lists.example/fakes", true}, {"HTTPS://lists.example", true}, {"http://127.0.0.1:8080/u", true},
        {"ftp://lists.example/", false},      {"notaurl", false},              {"http://", false},
        {"https:///path", false},             {"http://a b/", false},          {"http://a\n/", false},
        {"file:///etc/passwd", false},        {"", false},
    };
    for (const auto& r : rows) EXPECT_EQ(IsWebAddress(r.address), r.taken) << r.address;
}

class Recorder : public UpdateObserver {
public:
    TransferProgress* Progress(bool) override { return &silent_; }
    void TransferEnded(const DownloadResult&, const std::string&, const std::string&, bool) override {}
    void SourcesFailed(const std::string& numbers) override { failed = numbers; }
    std::string failed;

private:
    class Silent : public TransferProgress {
        void Read(size_t) override {}
        void Waiting() override {}
    } silent_;
};

// Five sources that never answer cost the update's time once, not five transfers' time: once it is spent, the
// sources left are not even asked.
TEST(UpdateLists, FiveSourcesThatNeverAnswerShareOneDeadline) {
    test::StaticServer server;
    test::ScopedTempDir dir;
    for (int n = 1; n <= 5; ++n)
        server.Handle("/s" + std::to_string(n) + "/Fakes.txt", [&](const auto&, auto&) { server.Hold(); });
    std::string ini = "[Internet]\r\nFakesDatDownloadURL=" + server.BaseUrl() + "/s1\r\n";
    for (int n = 2; n <= 5; ++n)
        ini += "FakesDatDownloadURL" + std::to_string(n) + "=" + server.BaseUrl() + "/s" + std::to_string(n) + "\r\n";
    dir.Write("Kestrivane.ini", ini);
    OnlineSetup net;
    net.downloadLimits.updateSeconds = 1;  // each transfer alone would wait 600 s
    ListUpdater updater(ProgramHome::At(dir.path()), net);
    Recorder recorder;
    const auto done = updater.Update(recorder);
    ASSERT_FALSE(done);
    EXPECT_EQ(done.error().kind, UpdateError::Failed);
    EXPECT_EQ(recorder.failed, "1, 2, 3, 4, 5");
    EXPECT_EQ(server.Requests(), std::vector<std::string>{"/s1/Fakes.txt"});
}

}  // namespace
}  // namespace kv
