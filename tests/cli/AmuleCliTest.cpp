// kestrivane-cli amule against a throwaway amuled on loopback: the binary as a
// user runs it, the daemon's answer read with its own amulecmd and files.
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>

#include "AmuleDaemon.h"
#include "Spawn.h"
#include "TempDir.h"
#include "common/FileUtil.h"
#include "ed2k/ClientSignals.h"

namespace kv::test {
namespace {

using Args = std::vector<std::string>;

const char* const kFilm = "ed2k://|file|Film%20One.avi|734003200|0123456789ABCDEF0123456789ABCDEF|/";
const char* const kFilmHash = "0123456789ABCDEF0123456789ABCDEF";
const char* const kSong = "ed2k://|file|Song.mp3|5242880|FEDCBA9876543210FEDCBA9876543210|/";
const char* const kSongHash = "FEDCBA9876543210FEDCBA9876543210";

struct Outcome {
    int status = -1;
    std::string out, err;
};

// The CLI on a pseudo-terminal for stdin and both outputs: answers each
// prompt (a text that appears) with a line.
Outcome OnTerminal(const Args& args, const std::map<std::string, std::string>& env,
               const std::vector<std::pair<std::string, std::string>>& answers) {
    int master = -1;
    const pid_t pid = ::forkpty(&master, nullptr, nullptr, nullptr);
    if (pid == 0) {
        for (const auto& [k, v] : env) ::setenv(k.c_str(), v.c_str(), 1);
        std::vector<char*> argv;
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    Outcome run;
    size_t next = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < end) {
        pollfd p{master, POLLIN, 0};
        if (::poll(&p, 1, 200) <= 0) continue;
        char buffer[4096];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0) break;
        run.out.append(buffer, static_cast<size_t>(n));
        if (next < answers.size() && run.out.find(answers[next].first) != std::string::npos) {
            const std::string line = answers[next++].second + "\n";
            [[maybe_unused]] const ssize_t written = ::write(master, line.data(), line.size());
        }
    }
    int status = 0;
    if (::waitpid(pid, &status, WNOHANG) != pid) {
        // Still waiting for an answer that never came.
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    }
    ::close(master);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class AmuleCli : public testing::Test {
protected:
    ScopedTempDir root;  // the user's HOME: aMule's config in .aMule, ours in kv
    std::string home;
    std::unique_ptr<AmuleDaemon> daemon;

    void SetUp() override {
        if (!AmuleDaemon::Installed())
            GTEST_SKIP() << "amuled or amulecmd is not installed (Debian: amule-daemon, amule-utils)";
        std::filesystem::create_directories(root.path() + "/.aMule");
        std::filesystem::create_directories(root.path() + "/kv");
        home = root.path() + "/kv";
        daemon = std::make_unique<AmuleDaemon>(root.path() + "/.aMule");
        ASSERT_TRUE(daemon->Running()) << daemon->Log();
    }

    std::map<std::string, std::string> Env() const { return {{"HOME", root.path()}, {"WINEPREFIX", ""}}; }
    std::string Endpoint() const { return "127.0.0.1:" + std::to_string(daemon->Port()); }
    std::string StoredFile() const { return home + "/amule-connection.ini"; }

    Outcome Cli(const Args& args, const std::string& stdinText = "") {
        std::string line = "exec '" KV_CLI_PATH "' --home '" + home + "'";
        for (const auto& a : args) line += " '" + a + "'";
        if (!stdinText.empty()) line = "printf '%s\\n' '" + stdinText + "' | " + line;
        Spawned child({"/bin/sh", "-c", line}, Env(), false);
        Outcome run;
        run.status = child.Finish();
        run.out = child.out;
        run.err = child.err;
        return run;
    }

    void Connect() {
        const Outcome run = Cli({"amule", "connect", Endpoint(), "--password-stdin"}, AmuleDaemon::kPassword);
        ASSERT_EQ(run.status, 0) << run.err;
    }

    std::string Shown(const char* hash) const {
        const std::string shown = daemon->Amulecmd("show dl");
        const size_t at = shown.find(hash);
        if (at == std::string::npos) return "(not shown)";
        const size_t next = shown.find('\n', at);
        return shown.substr(next + 1, shown.find('\n', next + 1) - next - 1);
    }
};

TEST_F(AmuleCli, ConnectStoresTheConnectionForItsOwnerOnlyAndNamesTheVersion) {
    const Outcome run = Cli({"amule", "connect", Endpoint(), "--password-stdin"}, AmuleDaemon::kPassword);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Connected to aMule 2.3.3 at " + Endpoint()), std::string::npos) << run.out;
    struct stat st{};
    ASSERT_EQ(::stat(StoredFile().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    const std::string stored = *ReadWholeFile(StoredFile());
    EXPECT_NE(stored.find(std::string("PasswordMd5=") + AmuleDaemon::kPasswordMd5), std::string::npos) << stored;
    EXPECT_EQ(stored.find(AmuleDaemon::kPassword), std::string::npos) << "never the password itself";
}

TEST_F(AmuleCli, EachFailureSaysWhatAndStoresNothing) {
    const std::string nobody = "127.0.0.1:" + std::to_string(FreeLoopbackPort());
    struct Case { const char* name; Args args; std::string input; const char* says; };
    const Case cases[] = {
        {"wrong password", {"amule", "connect", Endpoint(), "--password-stdin"}, "guess", "refused the password"},
        {"nothing listening", {"amule", "connect", nobody, "--password-stdin"}, "x", "refused the connection"},
        {"no port", {"amule", "connect", "127.0.0.1:http", "--password-stdin"}, "x", "Not a host or host:port"},
        {"no password, no terminal", {"amule", "connect", Endpoint()}, "", "No password"},
        {"pause without a connection", {"amule", "pause", "001"}, "", "amule connect' first"},
    };
    for (const Case& c : cases) {
        const Outcome run = Cli(c.args, c.input);
        EXPECT_EQ(run.status, 2) << c.name;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.name << ": " << run.err;
        EXPECT_FALSE(FileExists(StoredFile())) << c.name;
    }
    // A failed connect leaves an earlier good one as it was.
    Connect();
    const std::string before = *ReadWholeFile(StoredFile());
    EXPECT_EQ(Cli({"amule", "connect", Endpoint(), "--password-stdin"}, "guess").status, 2);
    EXPECT_EQ(*ReadWholeFile(StoredFile()), before);
}

TEST_F(AmuleCli, WithoutAHostTheDetectedAmuleConfIsEnough) {
    // ~/.aMule/amule.conf is where the daemon runs: found without an import, no password asked.
    const Outcome run = Cli({"amule", "connect"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Connected to aMule 2.3.3"), std::string::npos) << run.out;
    EXPECT_TRUE(FileExists(StoredFile()));
}

TEST_F(AmuleCli, PausesResumesStopsAndCancelsByPartOrHash) {
    daemon->Amulecmd(std::string("add ") + kFilm);
    daemon->Amulecmd(std::string("add ") + kSong);
    Connect();
    Outcome run = Cli({"amule", "pause", "001"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Paused: Film One.avi (001.part.met, 0123456789abcdef0123456789abcdef)\n");
    EXPECT_NE(Shown(kFilmHash).find("Paused"), std::string::npos) << Shown(kFilmHash);
    EXPECT_NE(Shown(kSongHash).find("Waiting"), std::string::npos) << Shown(kSongHash);
    ASSERT_EQ(Cli({"amule", "resume", kFilmHash}).status, 0);
    EXPECT_NE(Shown(kFilmHash).find("Waiting"), std::string::npos) << Shown(kFilmHash);
    ASSERT_EQ(Cli({"amule", "stop", "002.part.met"}).status, 0);
    EXPECT_NE(Shown(kSongHash).find("Paused"), std::string::npos) << "amulecmd 2.3.3 shows a stop as a pause";

    // One unknown target: nothing is done at all.
    run = Cli({"amule", "pause", "001", "009"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("no download 009"), std::string::npos) << run.err;
    EXPECT_NE(Shown(kFilmHash).find("Waiting"), std::string::npos);

    // A script must say --yes to cancel.
    run = Cli({"amule", "cancel", "001"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--yes"), std::string::npos) << run.err;
    EXPECT_NE(Shown(kFilmHash), "(not shown)");
    run = Cli({"amule", "cancel", "--yes", "001"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Shown(kFilmHash), "(not shown)");
    const auto canceled = ReadCancelled(*ReadWholeFile(daemon->ConfigDir() + "/canceled.met"));
    ASSERT_TRUE(canceled);
    EXPECT_TRUE(canceled->Contains(*Ed2kHash::FromHex(kFilmHash)));
}

TEST_F(AmuleCli, OnATerminalThePasswordIsAskedWithoutEchoAndCancelIsConfirmed) {
    const Args connect = {KV_CLI_PATH, "--home", home, "amule", "connect", Endpoint()};
    Outcome run = OnTerminal(connect, Env(), {{"password: ", AmuleDaemon::kPassword}});
    ASSERT_EQ(run.status, 0) << run.out;
    // (The temporary paths in the result line hold the same word.)
    const std::string typed = run.out.substr(0, run.out.find("Connected"));
    EXPECT_EQ(typed.find(AmuleDaemon::kPassword), std::string::npos) << "echoed: " << run.out;
    EXPECT_NE(run.out.find("Connected to aMule"), std::string::npos) << run.out;

    daemon->Amulecmd(std::string("add ") + kFilm);
    const Args cancel = {KV_CLI_PATH, "--home", home, "amule", "cancel", "001"};
    run = OnTerminal(cancel, Env(), {{"[y/N]", "n"}});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.out.find("Film One.avi"), std::string::npos) << "the question names the file: " << run.out;
    EXPECT_NE(run.out.find("Nothing cancelled"), std::string::npos) << run.out;
    EXPECT_NE(Shown(kFilmHash), "(not shown)");
    run = OnTerminal(cancel, Env(), {{"[y/N]", "y"}});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(Shown(kFilmHash), "(not shown)");
}

}  // namespace
}  // namespace kv::test

namespace kv::test {
namespace {

// check --amule judges aMule's own downloads by the same lists, and --pause-fakes stops the fakes' bandwidth.
TEST_F(AmuleCli, CheckAmuleListsTheFakesWithTheClientsViewAndPausesThem) {
    daemon->Amulecmd(std::string("add ") + kFilm);
    daemon->Amulecmd(std::string("add ") + kSong);
    Connect();
    ASSERT_EQ(Cli({"mark", kFilmHash, "--size", "734003200", "--reason", "Trailer only"}).status, 0);

    Outcome run = Cli({"check", "--amule", "--json", "--all", "--no-inspect"});
    ASSERT_EQ(run.status, 1) << run.err;
    const auto rows = nlohmann::json::parse(run.out);
    ASSERT_EQ(rows.size(), 2u) << run.out;
    std::map<std::string, nlohmann::json> byName;
    for (const auto& r : rows) byName[r["name"]] = r;
    EXPECT_EQ(byName["Film One.avi"]["fake"], true);
    EXPECT_EQ(byName["Film One.avi"]["description"], "[mine] Trailer only");
    EXPECT_EQ(byName["Film One.avi"]["size"], 734003200);
    EXPECT_EQ(byName["Film One.avi"]["part"], "001.part");
    EXPECT_EQ(byName["Film One.avi"]["client"]["name"], "aMule");
    EXPECT_EQ(byName["Film One.avi"]["client"]["paused"], false);
    EXPECT_EQ(byName["Song.mp3"]["fake"], false);
    EXPECT_EQ(byName["Song.mp3"]["hash"], "fedcba9876543210fedcba9876543210");
    EXPECT_NE(Shown(kFilmHash).find("Waiting"), std::string::npos) << "a check alone changes nothing";

    run = Cli({"check", "--amule", "--pause-fakes", "--no-all", "--no-header", "--no-inspect"});
    ASSERT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, "001.part\tFilm One.avi\t[mine] Trailer only\n");
    EXPECT_NE(run.err.find("Paused in aMule: Film One.avi"), std::string::npos) << run.err;
    EXPECT_NE(Shown(kFilmHash).find("Paused"), std::string::npos) << Shown(kFilmHash);
    EXPECT_NE(Shown(kSongHash).find("Waiting"), std::string::npos) << "only the fake is paused";
}

TEST_F(AmuleCli, CheckAmuleWithoutAConnectionSaysHowToMakeOne) {
    const Outcome run = Cli({"check", "--amule"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("amule connect' first"), std::string::npos) << run.err;
    EXPECT_EQ(Cli({"check", "--pause-fakes"}).status, 2) << "--pause-fakes needs --amule";
}

}  // namespace
}  // namespace kv::test
