// The update command and check --update against an update server on 127.0.0.1.
#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

#include "PartMetBuilder.h"
#include "Subprocess.h"
#include "TempDir.h"
#include "common/StringUtil.h"
#include "settings/IniFile.h"

namespace kv::test {
namespace {

// Serves fixed bodies under /fakecheck/update; anything else is 404.
class UpdateServer {
public:
    UpdateServer() {
        server_.Get(R"(/fakecheck/update/(.*))", [this](const httplib::Request& req, httplib::Response& res) {
            std::lock_guard<std::mutex> lock(mutex_);
            const auto it = files_.find(req.matches[1]);
            ++requests_[req.matches[1]];
            if (it == files_.end()) {
                res.status = 404;
                res.set_content("<html><body>404 Not Found</body></html>", "text/html");
                return;
            }
            res.set_content(it->second, "application/octet-stream");
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        // The socket is bound already, so early connections wait in its backlog;
        // this only spares the first request that wait.
        for (int i = 0; i < 500 && !server_.is_running(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ~UpdateServer() {
        server_.stop();
        thread_.join();
    }
    std::string Url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/fakecheck/update"; }
    void Serve(const std::string& name, const std::string& body) {
        std::lock_guard<std::mutex> lock(mutex_);
        files_[name] = body;
    }
    int Requests(const std::string& name) {
        std::lock_guard<std::mutex> lock(mutex_);
        return requests_[name];
    }

private:
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    std::mutex mutex_;
    std::map<std::string, std::string> files_;
    std::map<std::string, int> requests_;
};

class CliUpdateTest : public ::testing::Test {
protected:
    UpdateServer server;
    ScopedTempDir home;
    ScopedTempDir temp;
    const std::string oldList = "00112233445566778899aabbccddeeff,1,old record\r\n";
    std::string newList;

    void SetUp() override {
        PartMetLayout meta;
        meta.hash = SequentialHash(0x50);
        meta.name = "delta.avi";
        meta.size = 4096;
        temp.Write("001.part.met", BuildPartMet(meta));
        newList = oldList + HashText(SequentialHash(0x50).data()) + ",4096,Fake found by the new list\r\n";

        home.Write("FAKES.DAT", oldList);
        home.Write("Kestrivane.ini", "[Internet]\nFakesDatDownloadURL=" + server.Url() +
                                         "\nFakesDatVersion=9\n[eMule]\nTempDir=" + temp.path() + "\n");
    }

    std::string Ini(const std::string& key) {
        return ReadIniString("Internet", key, "", 2000, home.File("Kestrivane.ini"));
    }
    ProcessResult Cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.path()});
        return RunProcess(KV_CLI_PATH, args);
    }
};

TEST_F(CliUpdateTest, UpdateFetchesANewerListAndRecordsItsVersion) {
    server.Serve("Fakes.txt", "12\r\n");
    server.Serve("FAKES.DAT", newList);

    ProcessResult r = Cli({"update"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(home.Read("FAKES.DAT"), newList);
    EXPECT_EQ(Ini("FakesDatVersion"), "12");
    // Every status text on the error stream, in order.
    const size_t announced = r.err.find("New FAKE-DB - Version 12 available!");
    EXPECT_NE(announced, std::string::npos) << r.err;
    EXPECT_LT(r.err.find("Please wait, version check is running..."), announced);
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(std::filesystem::exists(home.File("Fakes.txt")));  // the version file is not left behind

    // Now current: nothing fetched but the version file.
    r = Cli({"update"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("You already have the newest FAKE-DB..."), std::string::npos) << r.err;
    EXPECT_EQ(server.Requests("FAKES.DAT"), 1);
    EXPECT_EQ(server.Requests("Fakes.txt"), 2);
}

TEST_F(CliUpdateTest, FailedUpdatesSayWhyAndKeepTheLocalList) {
    const std::string iniBefore = home.Read("Kestrivane.ini");

    // No version file on the server.
    ProcessResult r = Cli({"update"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("Online-Check/Download not available!: "), std::string::npos) << r.err;
    EXPECT_EQ(home.Read("FAKES.DAT"), oldList);
    EXPECT_EQ(home.Read("Kestrivane.ini"), iniBefore);

    // A newer version announced, but the list itself is missing.
    server.Serve("Fakes.txt", "12");
    r = Cli({"update"});
    EXPECT_EQ(r.exitCode, 2) << r.err;
    EXPECT_EQ(home.Read("FAKES.DAT"), oldList);
    EXPECT_EQ(Ini("FakesDatVersion"), "9");

    // Nobody listening at the address.
    home.Write("Kestrivane.ini", "[Internet]\nFakesDatDownloadURL=http://127.0.0.1:1/fakecheck/update\n");
    r = Cli({"update"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(home.Read("FAKES.DAT"), oldList);
}

TEST_F(CliUpdateTest, CheckWithUpdateUsesTheFreshList) {
    server.Serve("Fakes.txt", "12");
    server.Serve("FAKES.DAT", newList);

    // Before the update the download is not known as a fake.
    ProcessResult r = Cli({"check", "--no-all"});
    EXPECT_EQ(r.exitCode, 0) << r.err;

    r = Cli({"check", "--no-all", "--update"});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_EQ(r.out, "Partname\tFilename\tError-Description\n \n001.part\tdelta.avi\tFake found by the new list\n");
    EXPECT_NE(r.err.find("New FAKE-DB - Version 12 available!"), std::string::npos);
    EXPECT_NE(r.err.find("Finished! Found 1 Fakes in  1 checked .part.met\n"), std::string::npos) << r.err;

    // A failing update still checks with the local list, but does not pass for success.
    home.Write("Kestrivane.ini", "[Internet]\nFakesDatDownloadURL=" + server.Url() +
                                     "/missing\nFakesDatVersion=12\n[eMule]\nTempDir=" + temp.path() + "\n");
    r = Cli({"check", "--no-all", "--update"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.out.find("001.part\tdelta.avi\tFake found by the new list"), std::string::npos);
    EXPECT_NE(r.err.find("Update failed"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace kv::test
