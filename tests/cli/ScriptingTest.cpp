// kestrivane-cli as scripts and headless boxes use it: progress on a terminal
// only, quiet runs, errors that name commands, client detection, watch.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "../online/LoopbackServer.h"
#include "PartMetBuilder.h"
#include "Spawn.h"
#include "TempDir.h"
#include "cli/Terminal.h"
#include "cli/DirectoryWatch.h"
#include "common/StringUtil.h"
#include "settings/IniFile.h"

namespace kv::test {
namespace {

using Args = std::vector<std::string>;

std::string Hash(uint8_t seed) { return HashText(SequentialHash(seed).data()); }
std::string PartMet(uint8_t seed, const std::string& name) {
    return BuildPartMet({.hash = SequentialHash(seed), .name = name, .size = 734003200, .extraTags = {}});
}
size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

class ScriptingTest : public ::testing::Test {
protected:
    ScopedTempDir home, temp, user;  // program directory, client temp directory, the user's $HOME
    void SetUp() override {
        home.Write("Kestrivane.ini", "[eMule]\nTempDir=" + temp.path() + "\n");
        home.Write("FAKES.DAT", ToUpperAscii(Hash(0x20)) + ",734003200,Fake, trailer only\r\n");
    }
    std::unique_ptr<Spawned> Start(Args args, bool pty = false, std::map<std::string, std::string> env = {}) {
        args.insert(args.begin(), {KV_CLI_PATH, "--home", home.path()});
        env.emplace("HOME", user.path());
        env.emplace("no_proxy", "*");
        env.emplace("WINEPREFIX", "");
        auto child = std::make_unique<Spawned>(args, env, pty);
        EXPECT_TRUE(child->Started());
        return child;
    }
    void ForgetListVersion() { WriteIniString("Internet", "FakesDatVersion", "0", home.File("Kestrivane.ini")); }
    std::string Ini(const char* section, const char* key) {
        return ReadIniString(section, key, "", 2000, home.File("Kestrivane.ini"));
    }
};

// A 300 KB list with its length announced, behind a newer version number.
struct ListServer {
    StaticServer server;
    std::string list;
    explicit ListServer(ScriptingTest*) {
        for (int i = 0; list.size() < 300000; ++i) list += "00112233445566778899aabbccdd" + std::to_string(1000 + i) + ",1,x\r\n";
        server.Serve("/u/Fakes.txt", "7\r\n");
        server.Serve("/u/FAKES.DAT", list);
    }
    std::string Url() const { return server.BaseUrl() + "/u"; }
};

TEST_F(ScriptingTest, ProgressIsOneUpdatingLineOnATerminalAndAbsentOnAPipeOrWhenQuiet) {
    ListServer served(this);
    // --url is stored: later runs use it without being told again.
    auto tty = Start({"update", "--url", served.Url()}, /*pty=*/true);
    ASSERT_EQ(tty->Finish(), 0) << tty->err;
    EXPECT_EQ(Ini("Internet", "FakesDatDownloadURL"), served.Url());
    EXPECT_EQ(home.Read("FAKES.DAT"), served.list);
    EXPECT_NE(tty->err.find("\rDownloading: "), std::string::npos) << tty->err;
    EXPECT_NE(tty->err.find(" of 293.0 KiB (100%), "), std::string::npos) << tty->err;  // the last figure
    EXPECT_EQ(Count(tty->err, "Reading:"), 0u);
    // The updating line ends before the next status starts its own.
    EXPECT_NE(tty->err.find("\x1b[K\r\nDownload finished!"), std::string::npos) << tty->err;

    ForgetListVersion();
    auto pipe = Start({"update"});
    ASSERT_EQ(pipe->Finish(), 0);
    EXPECT_EQ(pipe->err, "Please wait, version check is running...\nNew FAKE-DB - Version 7 available! Please "
                         "download it now...\nOpening URL...\nDownload finished! New " +
                             home.File("FAKES.DAT") + " written...\n");

    for (bool pty : {false, true}) {
        ForgetListVersion();
        auto quiet = Start({"-q", "update"}, pty);
        EXPECT_EQ(quiet->Finish(), 0);
        EXPECT_EQ(quiet->err + quiet->out, "") << "on a terminal: " << pty;
    }
}

TEST_F(ScriptingTest, FailedUpdatesSayTheNetworkCauseEvenWhenQuiet) {
    int closedPort;
    {
        StaticServer probe;  // a port that was just free and is closed again
        closedPort = std::stoi(probe.BaseUrl().substr(probe.BaseUrl().rfind(':') + 1));
    }
    const std::string url = "http://127.0.0.1:" + std::to_string(closedPort) + "/u";
    for (const Args& args : {Args{"update", "--url", url}, Args{"-q", "update"}}) {
        auto run = Start(args);
        EXPECT_EQ(run->Finish(), 2);
        EXPECT_NE(run->err.find("Could not open file " + url + "/Fakes.txt.\nNetwork error: "), std::string::npos)
            << run->err;
        EXPECT_NE(ToUpperAscii(run->err).find("CONNECT"), std::string::npos) << run->err;  // curl's own words
    }
}

TEST_F(ScriptingTest, ErrorsNameCommandsAndOptionsNotButtons) {
    struct Case { const char* name; Args args; std::string ini; bool removeList; std::string err; };
    const std::vector<Case> cases = {
        {"no temp dir", {"check"}, "", false,
         "No temp directory is set: run 'kestrivane-cli import FILE' or 'kestrivane-cli import --detect', or pass "
         "--temp-dir DIR.\n"},
        {"search without one", {"search", "avi"}, "", false,
         "No temp directory is set: run 'kestrivane-cli import FILE' or 'kestrivane-cli import --detect', or pass "
         "--temp-dir DIR.\n"},
        {"no list", {"check", "--no-inspect"}, "[eMule]\nTempDir=/tmp\n", true,
         "No fake list: " + home.File("FAKES.DAT") + " does not exist. " +
             std::string("There is no public fake list; to get one, mark fakes yourself ('kestrivane-cli mark'), use a group's address "
         "('kestrivane-cli update --url URL') or pass a list file (--fakes FILE).\n")},
        {"quiet changes no error", {"-q", "check", "--no-inspect", "--fakes", home.File("none.dat")}, "", false,
         "No fake list: " + home.File("none.dat") + " does not exist. " +
             std::string("There is no public fake list; to get one, mark fakes yourself ('kestrivane-cli mark'), use a group's address "
         "('kestrivane-cli update --url URL') or pass a list file (--fakes FILE).\n")},
    };
    const std::string list = home.Read("FAKES.DAT");
    for (const Case& c : cases) {
        home.Write("Kestrivane.ini", c.ini);
        if (c.removeList) std::filesystem::remove(home.File("FAKES.DAT"));
        auto run = Start(c.args);
        EXPECT_EQ(run->Finish(), 2) << c.name;
        EXPECT_EQ(run->err, c.err) << c.name;
        EXPECT_EQ(run->out, "") << c.name;
        home.Write("FAKES.DAT", list);
    }
}

// Without a list the check still inspects; it says so in the CLI's words, also when quiet.
TEST_F(ScriptingTest, ACheckWithoutAListWarnsWithCommandsAndStillInspects) {
    temp.Write("001.part.met", PartMet(0x20, "movie.avi.exe"));
    home.Write("Kestrivane.ini", "[eMule]\nTempDir=" + temp.path() + "\n");
    std::filesystem::remove(home.File("FAKES.DAT"));
    const std::string warning = "Warning: no fake list: " + home.File("FAKES.DAT") +
                                " does not exist, so only names, part hashes and the bytes already downloaded were "
                                "checked. " + std::string("There is no public fake list; to get one, mark fakes yourself ('kestrivane-cli mark'), use a group's address "
         "('kestrivane-cli update --url URL') or pass a list file (--fakes FILE).\n");
    for (const bool quiet : {false, true}) {
        auto run = Start(quiet ? Args{"-q", "check", "--no-header"} : Args{"check", "--no-header"});
        EXPECT_EQ(run->Finish(), 1) << quiet;  // the double extension makes a suspect
        EXPECT_EQ(run->err.substr(0, warning.size()), warning) << run->err;
        EXPECT_EQ(run->err.find("Update DB"), std::string::npos) << run->err;
        EXPECT_NE(run->out.find("movie.avi.exe\tSuspect: "), std::string::npos) << run->out;
    }
}

TEST_F(ScriptingTest, CheckWithoutHeaderAndQuietPrintsTheRowsOnly) {
    temp.Write("001.part.met", PartMet(0x20, "fake.avi"));
    temp.Write("002.part.met", PartMet(0x30, "fine.avi"));
    auto run = Start({"-q", "check", "--no-header", "--no-all"});
    EXPECT_EQ(run->Finish(), 1);
    EXPECT_EQ(run->out, "001.part\tfake.avi\tFake, trailer only\n");
    EXPECT_EQ(run->err, "");
}

TEST_F(ScriptingTest, HomeDirectoryMustExistAndTheEnvironmentServesWithoutOne) {
    const std::map<std::string, std::string> env{{"HOME", user.path()}};
    Spawned missing(Args{KV_CLI_PATH, "--home", home.File("nope"), "check"}, env, false);
    EXPECT_EQ(missing.Finish(), 2);
    EXPECT_EQ(missing.err, "--home " + home.File("nope") + ": no such directory.\n");
    EXPECT_FALSE(std::filesystem::exists(home.File("nope")));

    // KESTRIVANE_HOME without --home: settings and list from there.
    temp.Write("001.part.met", PartMet(0x20, "fake.avi"));
    Spawned fromEnv(Args{"/usr/bin/env", "KESTRIVANE_HOME=" + home.path(), KV_CLI_PATH, "check", "--no-all",
                         "--no-header"}, env, false);
    EXPECT_EQ(fromEnv.Finish(), 1) << fromEnv.err;
    EXPECT_EQ(fromEnv.out, "001.part\tfake.avi\tFake, trailer only\n");
}

TEST_F(ScriptingTest, ImportDetectTakesTheFirstClientFileThatNamesATempDirectory) {
    auto none = Start({"import", "--detect"});
    EXPECT_EQ(none->Finish(), 2);
    EXPECT_NE(none->err.find("No client preference file found (looked for ~/.aMule/amule.conf"), std::string::npos);

    // aMule without a temp directory, then eMule under Wine with a Windows path.
    user.Write(".aMule/amule.conf", "[eMule]\nNick=x\n");
    const std::string ini = user.Write(".wine/drive_c/Program Files/eMule/config/preferences.ini",
                                       "[eMule]\r\nTempDir=C:\\Program Files\\eMule\\Temp\r\n");
    auto run = Start({"import", "--detect"});
    EXPECT_EQ(run->Finish(), 0) << run->err;
    const std::string wineTemp = user.File(".wine/drive_c/Program Files/eMule/Temp");
    EXPECT_EQ(run->err, "Found aMule: " + user.File(".aMule/amule.conf") + " (names no temp directory)\n"
                        "Found eMule: " + ini + " (temp directory " + wineTemp + ")\n"
                        "Importing " + ini + "\n"
                        "eMule PREFERENCES.INI successfully opened, 'PreferencesIniPath' and 'TempDir' written to "
                        "KESTRIVANE.INI\n");
    EXPECT_EQ(Ini("eMule", "TempDir"), wineTemp);
    EXPECT_EQ(Ini("eMule", "PreferencesIniPath"), DirectoryOf(ini));
}

TEST(TerminalProgressLine, SizePercentAndRate) {
    struct Case { int64_t bytes, expected; double seconds; std::string line; };
    for (const Case& c : std::vector<Case>{
             {0, -1, 0, "Downloading: 0 B"},
             {1023, -1, 1, "Downloading: 1023 B, 1023 B/s"},
             {1536, 3072, 1, "Downloading: 1.5 KiB of 3.0 KiB (50%), 1.5 KiB/s"},
             {52428800, 52428800, 4, "Downloading: 50.0 MiB of 50.0 MiB (100%), 12.5 MiB/s"},
             {70, 50, 1, "Downloading: 70 B of 50 B (100%), 70 B/s"},  // a server that sends more than it said
         })
        EXPECT_EQ(cli::TerminalProgress::Line(c.bytes, c.expected, c.seconds), c.line);
}

TEST(TerminalProgress, RedrawsAtMostTenTimesASecondAndNotAtAllWhenDisabled) {
    double now = 0;
    std::ostringstream shown, hidden;
    cli::TerminalProgress on(shown, true, [&] { return now; }), off(hidden, false, [&] { return now; });
    for (auto* p : {&on, &off}) {
        p->Expected(4096);
        for (int i = 0; i < 100; ++i) p->Read(20), now += 0.01;  // 1 s of reads
        p->Read(0);
        p->Finish();
    }
    EXPECT_EQ(hidden.str(), "");
    EXPECT_GE(Count(shown.str(), "\r"), 10u);
    EXPECT_LE(Count(shown.str(), "\r"), 13u);
    EXPECT_EQ(shown.str().substr(shown.str().rfind('\r')), "\rDownloading: 2.0 KiB of 4.0 KiB (48%), 2.0 KiB/s\x1b[K\n");
}

TEST(SplitCommand, QuotesAsAShellWithoutExpanding) {
    struct Case { std::string command; std::vector<std::string> words; bool ok; };
    for (const Case& c : std::vector<Case>{
             {"notify-send Kestrivane", {"notify-send", "Kestrivane"}, true},
             {"  a\t 'b c'  \"d $X\" e\\ f", {"a", "b c", "d $X", "e f"}, true},
             {"sh -c 'echo \"$KV_NAME\"'", {"sh", "-c", "echo \"$KV_NAME\""}, true},
             {"\"a\\\"b\" ''", {"a\"b", ""}, true},
             {"a 'open", {}, false},
         }) {
        bool ok = !c.ok;
        EXPECT_EQ(cli::SplitCommand(c.command, &ok), c.words) << c.command;
        EXPECT_EQ(ok, c.ok) << c.command;
    }
}

TEST_F(ScriptingTest, WatchReportsANewFakeOnceRunsTheCommandWithItAndEndsOnSigterm) {
    const std::string fakeName = "$(touch pwned); `rm -rf x` \"fake\".avi";
    ScopedTempDir hookDir;
    const std::string hook = hookDir.Write("hook.sh", "#!/bin/sh\nprintf '%s|%s|%s|%s\\n' \"$1\" \"$KV_KIND\" "
                                                      "\"$KV_NAME\" \"$KV_HASH\" >> \"$0.out\"\n");
    ::chmod(hook.c_str(), 0755);
    temp.Write("001.part.met", PartMet(0x30, "fine.avi"));

    auto watch = Start({"watch", "--json", "--exec", "'" + hook + "' first-arg"});
    ASSERT_TRUE(watch->ReadUntil([&] { return watch->err.find("Watching ") != std::string::npos; }, 10)) << watch->err;
    EXPECT_EQ(watch->out, "");  // nothing fake yet

    // Written beside and renamed into place, as eMule does.
    temp.Write("002.part.met.tmp", PartMet(0x20, fakeName));
    std::filesystem::rename(temp.File("002.part.met.tmp"), temp.File("002.part.met"));
    ASSERT_TRUE(watch->ReadUntil([&] { return Count(watch->out, "\n") >= 1; }, 10)) << watch->err;
    const auto line = nlohmann::json::parse(watch->out.substr(0, watch->out.find('\n')));
    EXPECT_EQ(line["part"], "002.part");
    EXPECT_EQ(line["name"], fakeName);
    EXPECT_EQ(line["fake"], true);
    EXPECT_EQ(line["description"], "Fake, trailer only");

    // The same download written again, and another fake: only the new one is reported.
    temp.Write("002.part.met", PartMet(0x20, fakeName));
    home.Write("FAKES.DAT", home.Read("FAKES.DAT") + ToUpperAscii(Hash(0x40)) + ",1,Second fake\r\n");
    temp.Write("003.part.met", PartMet(0x40, "second.avi"));
    ASSERT_TRUE(watch->ReadUntil([&] { return Count(watch->out, "\n") >= 2; }, 10)) << watch->err;
    watch->ReadUntil([] { return false; }, 1);  // a late duplicate would arrive here
    EXPECT_EQ(Count(watch->out, "\n"), 2u) << watch->out;
    EXPECT_NE(watch->out.find("\"name\":\"second.avi\""), std::string::npos);

    watch->Signal(SIGTERM);
    EXPECT_EQ(watch->Finish(), 0) << watch->err;
    EXPECT_EQ(hookDir.Read("hook.sh.out"), "first-arg|fake|" + fakeName + "|" + Hash(0x20) + "\n" +
                                               "first-arg|fake|second.avi|" + Hash(0x40) + "\n");
    EXPECT_FALSE(std::filesystem::exists(temp.File("pwned")));
    EXPECT_FALSE(std::filesystem::exists("pwned"));
}

TEST_F(ScriptingTest, WatchPrintsRowsAndEndsOnSigint) {
    temp.Write("002.part.met", PartMet(0x20, "fake.avi"));
    auto watch = Start({"-q", "watch"});
    ASSERT_TRUE(watch->ReadUntil([&] { return Count(watch->out, "\n") >= 1; }, 10)) << watch->err;
    EXPECT_EQ(watch->out, "002.part\tfake.avi\tFake, trailer only\n");
    watch->Signal(SIGINT);
    EXPECT_EQ(watch->Finish(), 0);
    EXPECT_EQ(watch->err, "");
}

// eMule's further temp directories ([eMule] TempDirs, '|'-separated) are
// checked and watched beside the first; one that is gone is said.
TEST_F(ScriptingTest, CheckAndWatchCoverEveryTempDirectoryOfEmule) {
    ScopedTempDir further;
    const std::string gone = further.File("unmounted");
    home.Write("Kestrivane.ini", "[eMule]\nTempDir=" + temp.path() + "\nTempDirs=" + further.path() + "||" +
                                     temp.path() + "|" + gone + "|" + further.path() + "\n");
    temp.Write("001.part.met", PartMet(0x30, "fine.avi"));
    further.Write("001.part.met", PartMet(0x20, "fake.avi"));  // the same part name, elsewhere
    auto check = Start({"check", "--all", "--no-header"});
    EXPECT_EQ(check->Finish(), 1);
    EXPECT_EQ(check->out, "001.part\tfine.avi\t*** OK \n" + further.File("001.part") + "\tfake.avi\tFake, trailer only\n" +
                              gone + "\t\t*** Not checked: the temp directory could not be listed\n");

    auto watch = Start({"watch"});
    // The "Watching" line follows the first full check, whose findings may come first.
    ASSERT_TRUE(watch->ReadUntil(
        [&] { return Count(watch->out, "\n") >= 1 && watch->err.find("reads the lists again)\n") != std::string::npos; }, 10))
        << watch->err;
    EXPECT_NE(watch->err.find("and 1 further temp directory"), std::string::npos) << watch->err;
    further.Write("002.part.met", PartMet(0x20, "again.avi"));
    ASSERT_TRUE(watch->ReadUntil([&] { return Count(watch->out, "\n") >= 2; }, 10)) << watch->err;
    watch->Signal(SIGTERM);
    EXPECT_EQ(watch->Finish(), 0);
    EXPECT_EQ(watch->out, further.File("001.part") + "\tfake.avi\tFake, trailer only\n" + further.File("002.part") +
                              "\tagain.avi\tFake, trailer only\n");

    // eDonkey's temp path wins, and TempDirs is eMule's: not used with it.
    WriteIniString("eDonkey", "TempPath", temp.path(), home.File("Kestrivane.ini"));
    auto edonkey = Start({"check", "--no-all", "--no-header"});
    EXPECT_EQ(edonkey->Finish(), 0);
    EXPECT_EQ(edonkey->out, "");
}

}  // namespace
}  // namespace kv::test
