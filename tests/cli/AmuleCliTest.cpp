// kestrivane-cli amule against a throwaway amuled on loopback: the binary as a
// user runs it, the daemon's answer read with its own amulecmd and files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <thread>
#include <nlohmann/json.hpp>

#include "AmuleDaemon.h"
#include "Spawn.h"
#include "PartMetBuilder.h"
#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "ed2k/Ed2kHash.h"

namespace kv::test {
namespace {

const char* const kFilm = "ed2k://|file|Film%20One.avi|734003200|0123456789ABCDEF0123456789ABCDEF|/";
const char* const kFilmHash = "0123456789ABCDEF0123456789ABCDEF";
const char* const kSong = "ed2k://|file|Song.mp3|5242880|FEDCBA9876543210FEDCBA9876543210|/";
const char* const kSongHash = "FEDCBA9876543210FEDCBA9876543210";

// The program's settings in home, aMule's in the user's ~/.aMule.
class AmuleCli : public CliFixture {
protected:
    std::unique_ptr<AmuleDaemon> daemon;
    std::string stored = home.File("amule-connection.ini");

    void SetUp() override {
        if (!AmuleDaemon::Installed())
            GTEST_SKIP() << "amuled or amulecmd is not installed (Debian: amule-daemon, amule-utils)";
        std::filesystem::create_directories(user.File(".aMule"));
        daemon = std::make_unique<AmuleDaemon>(user.File(".aMule"));
        ASSERT_TRUE(daemon->Running()) << daemon->Log();
    }
    std::string Endpoint() const { return "127.0.0.1:" + std::to_string(daemon->Port()); }
    Ran Connect(const std::string& password = AmuleDaemon::kPassword) {
        return Run({"amule", "connect", Endpoint(), "--password-stdin"}, password + "\n");
    }
    // The line amulecmd shows under the download, "(not shown)" without it.
    std::string Shown(const char* hash) const {
        const std::string shown = daemon->Amulecmd("show dl");
        const size_t at = shown.find(hash);
        if (at == std::string::npos) return "(not shown)";
        const size_t next = shown.find('\n', at);
        return shown.substr(next + 1, shown.find('\n', next + 1) - next - 1);
    }
    bool ShownAs(const char* hash, const std::string& state) const {
        return Shown(hash).find(state) != std::string::npos;
    }
};

// Given a host, or found in ~/.aMule/amule.conf (where the daemon runs) without an import or a password.
TEST_F(AmuleCli, ConnectStoresTheConnectionForItsOwnerOnlyAndNamesTheVersion) {
    for (const Args& args : {Args{"amule", "connect"}, Args{"amule", "connect", Endpoint(), "--password-stdin"}}) {
        const Ran run = Run(args, std::string(AmuleDaemon::kPassword) + "\n");
        ASSERT_EQ(run.code, 0) << run.err;
        EXPECT_NE(run.out.find("Connected to aMule 2.3.3 at " + Endpoint()), std::string::npos) << run.out;
        struct stat st{};
        ASSERT_EQ(::stat(stored.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u);
        const std::string bytes = *ReadWholeFile(stored);
        EXPECT_NE(bytes.find(std::string("PasswordMd5=") + AmuleDaemon::kPasswordMd5), std::string::npos) << bytes;
        EXPECT_EQ(bytes.find(AmuleDaemon::kPassword), std::string::npos) << "never the password itself";
        std::filesystem::remove(stored);
    }
}

TEST_F(AmuleCli, EachFailureSaysWhatAndStoresNothing) {
    struct Case { const char* name; Args args; std::string input; const char* says; };
    for (const Case& c : std::vector<Case>{
             {"wrong password", {"amule", "connect", Endpoint(), "--password-stdin"}, "x\n", "refused the password"},
             {"a name that does not resolve", {"amule", "connect", "no-such-host.invalid", "--password-stdin"}, "x\n",
              "aMule's host could not be found"},
             {"no password, no terminal", {"amule", "connect", Endpoint()}, "", "No password"},
             {"check without a connection", {"check", "--amule"}, "", "amule connect' first"},
             {"--pause-fakes without --amule", {"check", "--pause-fakes"}, "", "--amule"}}) {
        const Ran run = Run(c.args, c.input);
        EXPECT_EQ(run.code, 2) << c.name;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.name << ": " << run.err;
        EXPECT_FALSE(FileExists(stored)) << c.name;
    }
    // A failed connect leaves an earlier good one as it was.
    ASSERT_EQ(Connect().code, 0);
    const std::string before = *ReadWholeFile(stored);
    EXPECT_EQ(Connect("guess").code, 2);
    EXPECT_EQ(*ReadWholeFile(stored), before);
}

// Each action as the connection's own tests show it in aMule; here by part name or hash, all or nothing.
TEST_F(AmuleCli, PausesResumesAndCancelsByPartOrHash) {
    daemon->Amulecmd(std::string("add ") + kFilm);
    daemon->Amulecmd(std::string("add ") + kSong);
    // Quiet (-q before the command or after it, or --quiet), what was done is
    // not said and is done all the same; errors are said.
    EXPECT_EQ(Run({"-q", "amule", "connect", Endpoint(), "--password-stdin"}, AmuleDaemon::kPassword + std::string("\n")),
              (Ran{0, "", ""}));
    EXPECT_EQ(Run({"amule", "pause", "001"}),
              (Ran{0, "Paused: Film One.avi (001.part.met, 0123456789abcdef0123456789abcdef)\n", ""}));
    EXPECT_TRUE(ShownAs(kFilmHash, "Paused")) << Shown(kFilmHash);
    EXPECT_TRUE(ShownAs(kSongHash, "Waiting")) << Shown(kSongHash);
    EXPECT_EQ(Run({"amule", "resume", "-q", kFilmHash}), (Ran{0, "", ""}));
    EXPECT_TRUE(ShownAs(kFilmHash, "Waiting")) << Shown(kFilmHash);
    EXPECT_EQ(Run({"amule", "pause", "--quiet", kFilmHash}), (Ran{0, "", ""}));
    EXPECT_TRUE(ShownAs(kFilmHash, "Paused")) << Shown(kFilmHash);
    ASSERT_EQ(Run({"amule", "resume", kFilmHash}).code, 0);
    EXPECT_TRUE(ShownAs(kFilmHash, "Waiting")) << Shown(kFilmHash);
    // One unknown target: nothing is done at all.
    Ran run = Run({"-q", "amule", "pause", "001", "009"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("no download 009"), std::string::npos) << run.err;
    EXPECT_TRUE(ShownAs(kFilmHash, "Waiting"));
    // A script must say --yes to cancel.
    run = Run({"amule", "cancel", "002.part.met"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("--yes"), std::string::npos) << run.err;
    EXPECT_NE(Shown(kSongHash), "(not shown)");
    ASSERT_EQ(Run({"amule", "cancel", "--yes", "002.part.met"}).code, 0);
    EXPECT_EQ(Shown(kSongHash), "(not shown)");
}

TEST_F(AmuleCli, OnATerminalThePasswordIsAskedWithoutEchoAndCancelIsConfirmed) {
    auto connect = Start({"amule", "connect", Endpoint()}, /*onPty=*/true);
    ASSERT_TRUE(connect->ReadUntilErrHas("password: ", 20)) << connect->err;
    connect->Type(AmuleDaemon::kPassword);
    ASSERT_EQ(connect->Finish(), 0) << connect->err;
    EXPECT_EQ(connect->err.find(AmuleDaemon::kPassword), std::string::npos) << "echoed: " << connect->err;
    EXPECT_NE(connect->out.find("Connected to aMule"), std::string::npos) << connect->out;

    daemon->Amulecmd(std::string("add ") + kFilm);
    for (const std::string answer : {"n", "y"}) {
        auto cancel = Start({"amule", "cancel", "001"}, true);
        ASSERT_TRUE(cancel->ReadUntilErrHas("[y/N]", 20)) << cancel->err;
        EXPECT_NE(cancel->err.find("Film One.avi"), std::string::npos) << "the question names the file";
        cancel->Type(answer);
        EXPECT_EQ(cancel->Finish(), answer == "y" ? 0 : 2) << cancel->err;
        EXPECT_EQ(cancel->err.find("Nothing cancelled") != std::string::npos, answer == "n") << cancel->err;
        EXPECT_EQ(Shown(kFilmHash) == "(not shown)", answer == "y");
    }
}

// check --amule judges aMule's own downloads by the same lists, and --pause-fakes stops the fakes' bandwidth.
TEST_F(AmuleCli, CheckAmuleListsTheFakesWithTheClientsViewAndPausesThem) {
    daemon->Amulecmd(std::string("add ") + kFilm);
    daemon->Amulecmd(std::string("add ") + kSong);
    ASSERT_EQ(Connect().code, 0);
    ASSERT_EQ(Run({"mark", kFilmHash, "--size", "734003200", "--reason", "Trailer only"}).code, 0);

    Ran run = Run({"check", "--amule", "--json", "--all", "--no-inspect"});
    ASSERT_EQ(run.code, 1) << run.err;
    // Written a row at a time as the queue is judged: the same bytes as the whole array at once.
    EXPECT_EQ(run.out, nlohmann::ordered_json::parse(run.out).dump(2) + "\n");
    auto rows = nlohmann::json::parse(run.out);
    ASSERT_EQ(rows.size(), 2u) << run.out;
    if (rows[0]["name"] != "Film One.avi") std::swap(rows[0], rows[1]);
    const auto film = nlohmann::json({{"part", "001.part"}, {"size", 734003200}, {"fake", true},
                                      {"description", "[mine] Trailer only"}, {"client/name", "aMule"},
                                      {"client/paused", false}});
    for (const auto& [key, value] : film.items())
        EXPECT_EQ(rows[0][nlohmann::json::json_pointer("/" + key)], value) << key;
    EXPECT_EQ(rows[1]["fake"], false);
    EXPECT_EQ(rows[1]["hash"], "fedcba9876543210fedcba9876543210");
    EXPECT_TRUE(ShownAs(kFilmHash, "Waiting")) << "a check alone changes nothing";

    // Quiet, the rows stay (they are the result), the note of the pause and the summary go (the
    // warning that there is no FAKES.DAT stays).
    run = Run({"-q", "check", "--amule", "--pause-fakes", "--no-all", "--no-header", "--no-inspect"});
    EXPECT_EQ(run.code, 1) << run.err;
    EXPECT_EQ(run.out, "001.part\tFilm One.avi\t[mine] Trailer only\n");
    EXPECT_EQ(run.err.find("Paused"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Finished"), std::string::npos) << run.err;
    EXPECT_TRUE(ShownAs(kFilmHash, "Paused")) << Shown(kFilmHash);
    ASSERT_EQ(Run({"amule", "resume", "001"}).code, 0);

    run = Run({"check", "--amule", "--pause-fakes", "--no-all", "--no-header", "--no-inspect"});
    ASSERT_EQ(run.code, 1) << run.err;
    EXPECT_EQ(run.out, "001.part\tFilm One.avi\t[mine] Trailer only\n");
    EXPECT_NE(run.err.find("Paused in aMule: Film One.avi"), std::string::npos) << run.err;
    EXPECT_TRUE(ShownAs(kFilmHash, "Paused")) << Shown(kFilmHash);
    EXPECT_TRUE(ShownAs(kSongHash, "Waiting")) << "only the fake is paused";
}

// aMule on another machine (a NAS): no temp directory here, so the arrived
// bytes cannot be looked at. Nothing is called OK for it; parts still resolve through aMule.
TEST_F(AmuleCli, ARemoteCheckSaysWhatItCouldNotSeeAndPartsResolveThroughAmule) {
    daemon->Amulecmd(std::string("add ") + kFilm);
    daemon->Amulecmd(std::string("add ") + kSong);
    ASSERT_EQ(Connect().code, 0);
    Ran run = Run({"check", "--amule", "--all", "--no-header"});
    EXPECT_EQ(run.code, 2) << "as a check that could not look: " << run.err;
    EXPECT_EQ(run.out.find("OK"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("were checked"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Film One.avi\t*** Not inspected: the data is on the aMule machine"), std::string::npos)
        << run.out;
    EXPECT_NE(run.err.find("Not inspected: 2 downloads"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("beside aMule"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("bytes already downloaded were checked"), std::string::npos) << run.err;

    // Named as `amule pause` names it: the part's number alone.
    run = Run({"mark", "001", "--reason", "Trailer only"});
    ASSERT_EQ(run.code, 0) << run.err;
    run = Run({"check", "--amule", "--all", "--no-header"});
    EXPECT_EQ(run.code, 1) << run.err;
    EXPECT_NE(run.out.find("Film One.avi\t[mine] Trailer only"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("Not inspected: 1 downloads"), std::string::npos) << run.err;
    EXPECT_NE(Run({"mark", "007", "--reason", "x"}).err.find("has no such download"), std::string::npos);

    // aMule gone: one "aMule", and the next step.
    daemon.reset();
    for (const Args& args : {Args{"check", "--amule"}, Args{"amule", "pause", "001"}}) {
        run = Run(args);
        EXPECT_EQ(run.code, 2) << args[0];
        EXPECT_EQ(run.err.find("aMule: aMule"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("'kestrivane-cli amule connect' again"), std::string::npos) << run.err;
    }
}

// A stopped aMule accepts connections and never answers. The watch's
// findings keep coming meanwhile, and SIGTERM still ends it at once.
TEST_F(AmuleCli, AWatchLivesThroughAHungAmule) {
    daemon->Amulecmd(std::string("add ") + kFilm);
    ASSERT_EQ(Connect().code, 0);
    const auto partMet = [](uint8_t seed, const std::string& name) {
        return BuildPartMet({.hash = SequentialHash(seed), .name = name, .size = 734003200, .extraTags = {}});
    };
    const auto listLine = [](uint8_t seed) {
        return ToUpperAscii(HashText(SequentialHash(seed).data())) + ",734003200,Trailer only\r\n";
    };
    home.Write("FAKES.DAT", listLine(0x20) + listLine(0x40));
    temp.Write("001.part.met", partMet(0x20, "first fake.avi"));
    daemon->Suspend();
    auto watch = Start({"watch", "--amule", "--pause-fakes", "--temp-dir", temp.path()});
    ASSERT_TRUE(watch->ReadUntil([&] { return watch->out.find("first fake.avi") != std::string::npos; }, 30))
        << watch->err;
    temp.Write("002.part.met", partMet(0x40, "second fake.avi"));
    const auto written = std::chrono::steady_clock::now();
    EXPECT_TRUE(watch->ReadUntil([&] { return watch->out.find("second fake.avi") != std::string::npos; }, 30))
        << "a finding while aMule hangs: " << watch->err;
    const auto reported = std::chrono::steady_clock::now();
    watch->Signal(SIGTERM);
    const int status = watch->Finish(10);
    const auto ended = std::chrono::steady_clock::now();
    std::cout << "second finding " << std::chrono::duration_cast<std::chrono::milliseconds>(reported - written).count()
              << " ms after its write; ended " << std::chrono::duration_cast<std::chrono::milliseconds>(ended - reported).count()
              << " ms after SIGTERM\n";
    EXPECT_EQ(status, 0) << watch->err;
    EXPECT_LT(ended - reported, std::chrono::seconds(2)) << "systemd allows 90 s; the watch ends within 2 s";
    daemon->Continue();
}

// The guard with no temp directory here: aMule's queue alone is followed. A
// listed fake is cancelled and recorded; a clean one runs on; SIGTERM ends the
// watch at once even while aMule hangs in the middle of a reply.
TEST_F(AmuleCli, AGuardOverExternalConnectionsAloneKeepsAFakeOut) {
    home.Write("FAKES.DAT", std::string(kFilmHash) + ",734003200,Trailer only\r\n");
    ASSERT_EQ(Connect().code, 0);
    daemon->Amulecmd(std::string("add ") + kSong);
    // aMule's temp directory as another machine would have it: not here.
    auto watch = Start({"watch", "--amule", "--guard", "--cancel-fakes", "--temp-dir", home.File("nas/Temp")});
    ASSERT_TRUE(watch->ReadUntil([&] { return watch->err.find("Watching the aMule queue") != std::string::npos; }, 30))
        << watch->err;
    watch->ReadUntil([&] { return watch->err.find('\n') != std::string::npos; }, 30);
    EXPECT_NE(watch->err.find("not readable here"), std::string::npos) << watch->err;
    daemon->Amulecmd(std::string("add ") + kFilm);
    ASSERT_TRUE(watch->ReadUntil([&] { return watch->err.find("Cancelled in aMule: Film One.avi") != std::string::npos; },
                                 30))
        << watch->err;
    EXPECT_NE(watch->out.find("Film One.avi"), std::string::npos) << watch->out;
    const std::string own = ReadWholeFile(home.File("MYFAKES.DAT")).value_or("");
    EXPECT_NE(own.find(std::string(kFilmHash) + ",734003200,guarded: FAKES.DAT: Trailer only; seen as: Film One.avi"),
              std::string::npos)
        << own;
    EXPECT_EQ(Shown(kFilmHash), "(not shown)");
    EXPECT_FALSE(ShownAs(kSongHash, "Paused"));

    daemon->Suspend();
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));  // a reading of the queue now waits on aMule
    const auto signalled = std::chrono::steady_clock::now();
    watch->Signal(SIGTERM);
    EXPECT_EQ(watch->Finish(10), 0) << watch->err;
    std::cout << "ended " << std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - signalled).count()
              << " ms after SIGTERM while aMule hung\n";
    daemon->Continue();
}

}  // namespace
}  // namespace kv::test
