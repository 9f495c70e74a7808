// kestrivane-cli as scripts and headless boxes use it: progress on a terminal
// only, quiet runs, no list yet, client detection, every temp directory.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "../online/LoopbackServer.h"
#include "AmuleDaemon.h"
#include "PartMetBuilder.h"
#include "Spawn.h"
#include "cli/DirectoryWatch.h"
#include "cli/Terminal.h"
#include "common/StringUtil.h"
#include "settings/IniFile.h"

namespace kv::test {
namespace {

const std::string kHowToGetAList = "There is no public fake list; to get one, mark fakes yourself ('kestrivane-cli "
                                   "mark'), use a group's address ('kestrivane-cli update --url URL') or pass a list "
                                   "file (--fakes FILE).\n";

std::string PartMet(uint8_t seed, const std::string& name) {
    return BuildPartMet({.hash = SequentialHash(seed), .name = name, .size = 734003200, .extraTags = {}});
}

class ScriptingTest : public CliFixture {
protected:
    void SetUp() override {
        home.Write("Kestrivane.ini", "[eMule]\nTempDir=" + temp.path() + "\n");
        home.Write("FAKES.DAT", HashText(SequentialHash(0x20).data()) + ",734003200,Fake, trailer only\r\n");
    }
    void ForgetListVersion() { WriteIniString("Internet", "FakesDatVersion", "0", home.File("Kestrivane.ini")); }
    std::string Ini(const char* section, const char* key) {
        return ReadIniString(section, key, "", 2000, home.File("Kestrivane.ini"));
    }
};

TEST_F(ScriptingTest, ProgressIsOneUpdatingLineOnATerminalAndAbsentOnAPipeOrWhenQuiet) {
    StaticServer server;  // a 300 KB list with its length announced, behind a newer version number
    std::string list;
    for (int i = 1000; list.size() < 300000; ++i)
        list += "00112233445566778899aabbccdd" + std::to_string(i) + ",1,x\r\n";
    server.Serve("/u/Fakes.txt", "7\r\n");
    server.Serve("/u/FAKES.DAT", list);
    // --url is stored: the later runs use it without being told again.
    auto tty = Start({"update", "--url", server.BaseUrl() + "/u"}, /*onPty=*/true);
    ASSERT_EQ(tty->Finish(), 0) << tty->err;
    EXPECT_EQ(home.Read("FAKES.DAT"), list);
    EXPECT_NE(tty->err.find("\rDownloading: "), std::string::npos) << tty->err;
    EXPECT_NE(tty->err.find(" of 293.0 KiB (100%), "), std::string::npos) << tty->err;  // the last figure
    EXPECT_EQ(tty->err.find("Reading:"), std::string::npos);
    // The updating line ends before the next status starts its own.
    EXPECT_NE(tty->err.find("\x1b[K\r\nDownload finished!"), std::string::npos) << tty->err;

    ForgetListVersion();
    EXPECT_EQ(Run({"update"}), (Ran{0, "", "Please wait, version check is running...\nNew FAKE-DB - Version 7 "
                                           "available! Please download it now...\nOpening URL...\nDownload finished! "
                                           "New " + home.File("FAKES.DAT") + " written...\n"}));
    for (bool pty : {false, true}) {
        ForgetListVersion();
        auto quiet = Start({"-q", "update"}, pty);
        EXPECT_EQ(quiet->Finish(), 0);
        EXPECT_EQ(quiet->err + quiet->out, "") << "on a terminal: " << pty;
    }
}

TEST_F(ScriptingTest, FailedUpdatesSayTheNetworkCauseEvenWhenQuiet) {
    const std::string url = "http://127.0.0.1:" + std::to_string(FreeLoopbackPort()) + "/u";
    const Ran run = Run({"-q", "update", "--url", url});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("Could not open file " + url + "/Fakes.txt.\nNetwork error: "), std::string::npos)
        << run.err;
    EXPECT_NE(ToUpperAscii(run.err).find("CONNECT"), std::string::npos) << run.err;  // curl's own words
    // The address it failed with was not kept for the next update.
    EXPECT_TRUE(Run({"update"}).err.starts_with("No update address is set.")) << Run({"update"}).err;
}

// Without a list the check still inspects and says how to get one, also when quiet; told not to inspect, or given
// a list that is not there, it cannot run.
TEST_F(ScriptingTest, WithoutAListTheCheckInspectsAndSaysHowToGetOne) {
    temp.Write("001.part.met", PartMet(0x20, "movie.avi.exe"));
    std::filesystem::remove(home.File("FAKES.DAT"));
    const std::string warning = "Warning: no fake list: " + home.File("FAKES.DAT") + " does not exist, so only names, "
                                "part hashes and the bytes already downloaded were checked. " + kHowToGetAList;
    for (const bool quiet : {false, true}) {
        const Ran run = Run(quiet ? Args{"-q", "check", "--no-header"} : Args{"check", "--no-header"});
        EXPECT_EQ(run.code, 1) << quiet;  // the double extension makes a suspect
        EXPECT_EQ(run.err.substr(0, warning.size()), warning) << run.err;
        EXPECT_EQ(run.err.find("Update DB"), std::string::npos) << run.err;
        EXPECT_NE(run.out.find("movie.avi.exe\tSuspect: "), std::string::npos) << run.out;
    }
    EXPECT_EQ(Run({"check", "--no-inspect"}),
              (Ran{2, "", "No fake list: " + home.File("FAKES.DAT") + " does not exist. " + kHowToGetAList}));
    EXPECT_EQ(Run({"-q", "check", "--fakes", home.File("none.dat")}),
              (Ran{2, "", "No fake list: " + home.File("none.dat") + " does not exist. " + kHowToGetAList}));
}

TEST_F(ScriptingTest, HomeDirectoryMustExistAndTheEnvironmentServesWithoutOne) {
    // Named by the option or by the environment, a home is never made up: a slip must not become a new directory.
    const std::string file = home.Write("a-file", "");
    for (const auto& [argv, err] : std::vector<std::pair<Args, std::string>>{
             {{KV_CLI_PATH, "--home", home.File("nope"), "check"}, "--home " + home.File("nope") + ": no such directory."},
             {{KV_CLI_PATH, "--home", file, "check"}, "--home " + file + ": not a directory."},
             {{"/usr/bin/env", "KESTRIVANE_HOME=" + home.File("nope"), KV_CLI_PATH, "check"},
              "KESTRIVANE_HOME " + home.File("nope") + ": no such directory."},
             {{"/usr/bin/env", "KESTRIVANE_HOME=" + file, KV_CLI_PATH, "update"},
              "KESTRIVANE_HOME " + file + ": not a directory."}})
        EXPECT_EQ(RunArgv(argv), (Ran{2, "", err + "\n"})) << argv[1];
    EXPECT_FALSE(std::filesystem::exists(home.File("nope")));
    // KESTRIVANE_HOME without --home: settings and list from there. Quiet, without a header: the rows only.
    temp.Write("001.part.met", PartMet(0x20, "fake.avi"));
    temp.Write("002.part.met", PartMet(0x30, "fine.avi"));
    EXPECT_EQ(RunArgv({"/usr/bin/env", "KESTRIVANE_HOME=" + home.path(), KV_CLI_PATH, "-q", "check", "--no-all",
                       "--no-header"}),
              (Ran{1, "001.part\tfake.avi\tFake, trailer only\n", ""}));
}

TEST_F(ScriptingTest, ImportDetectTakesTheFirstClientFileThatNamesATempDirectory) {
    const Ran none = Run({"import", "--detect"});
    EXPECT_EQ(none.code, 2);
    EXPECT_NE(none.err.find("No client preference file found (looked for ~/.aMule/amule.conf"), std::string::npos);

    // aMule without a temp directory, then eMule under Wine with a Windows path.
    user.Write(".aMule/amule.conf", "[eMule]\nNick=x\n");
    const std::string ini = user.Write(".wine/drive_c/Program Files/eMule/config/preferences.ini",
                                       "[eMule]\r\nTempDir=C:\\Program Files\\eMule\\Temp\r\n");
    const std::string wineTemp = user.File(".wine/drive_c/Program Files/eMule/Temp");
    EXPECT_EQ(Run({"import", "--detect"}),
              (Ran{0, "", "Found aMule: " + user.File(".aMule/amule.conf") + " (names no temp directory)\n"
                          "Found eMule: " + ini + " (temp directory " + wineTemp + ")\nImporting " + ini + "\n"
                          "Imported the temp directory " + wineTemp + " from eMule's preferences.ini; it is stored in "
                          "Kestrivane.ini.\n"}));
    EXPECT_EQ(Ini("eMule", "TempDir"), wineTemp);
    EXPECT_EQ(Ini("eMule", "PreferencesIniPath"), DirectoryOf(ini));
}

// eMule's further temp directories ([eMule] TempDirs, '|'-separated) are checked beside the first; one that is
// gone is said. eDonkey's temp path wins, and TempDirs is eMule's: not used with it.
TEST_F(ScriptingTest, CheckCoversEveryTempDirectoryOfEmule) {
    ScopedTempDir further;
    const std::string gone = further.File("unmounted");
    home.Write("Kestrivane.ini", "[eMule]\nTempDir=" + temp.path() + "\nTempDirs=" + further.path() + "||" +
                                     temp.path() + "|" + gone + "|" + further.path() + "\n");
    temp.Write("001.part.met", PartMet(0x30, "fine.avi"));
    further.Write("001.part.met", PartMet(0x20, "fake.avi"));  // the same part name, elsewhere
    EXPECT_EQ(Run({"check", "--all", "--no-header"}).out,
              "001.part\tfine.avi\t*** OK \n" + further.File("001.part") + "\tfake.avi\tFake, trailer only\n" +
                  gone + "\t\t*** Not checked: the temp directory could not be listed\n");
    WriteIniString("eDonkey", "TempPath", temp.path(), home.File("Kestrivane.ini"));
    EXPECT_EQ(Run({"check", "--no-all", "--no-header"}),
              (Ran{0, "", "Finished! Found 0 Fakes in  1 checked .part.met\n"}));
}

// One line with the size, the share and the rate, redrawn at most ten times a second, and not at all when disabled.
TEST(TerminalProgress, OneLineRedrawnAtMostTenTimesASecond) {
    struct Case { int64_t bytes, expected; double seconds; std::string line; };
    for (const Case& c : std::vector<Case>{
             {0, -1, 0, "Downloading: 0 B"},
             {1023, -1, 1, "Downloading: 1023 B, 1023 B/s"},
             {1536, 3072, 1, "Downloading: 1.5 KiB of 3.0 KiB (50%), 1.5 KiB/s"},
             {52428800, 52428800, 4, "Downloading: 50.0 MiB of 50.0 MiB (100%), 12.5 MiB/s"},
             {70, 50, 1, "Downloading: 70 B of 50 B (100%), 70 B/s"},  // a server that sends more than it said
         })
        EXPECT_EQ(cli::TerminalProgress::Line(c.bytes, c.expected, c.seconds), c.line);
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
    const auto redraws = std::ranges::count(shown.str(), '\r');
    EXPECT_GE(redraws, 10);
    EXPECT_LE(redraws, 13);
    EXPECT_EQ(shown.str().substr(shown.str().rfind('\r')),
              "\rDownloading: 2.0 KiB of 4.0 KiB (48%), 2.0 KiB/s\x1b[K\n");
}

TEST(SplitCommand, QuotesAsAShellWithoutExpanding) {
    struct Case { std::string command; std::vector<std::string> words; bool ok; };
    for (const Case& c : std::vector<Case>{
             {"  a\t 'b c'  \"d $X\" e\\ f", {"a", "b c", "d $X", "e f"}, true},
             {"\"a\\\"b\" ''", {"a\"b", ""}, true},
             {"a 'open", {}, false},
         }) {
        bool ok = !c.ok;
        EXPECT_EQ(cli::SplitCommand(c.command, &ok), c.words) << c.command;
        EXPECT_EQ(ok, c.ok) << c.command;
    }
}

}  // namespace
}  // namespace kv::test
