// kestrivane-cli run as a user runs it: a separate process on files in a
// temporary directory, judged by its exit status and its two output streams.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>

#include "PartMetBuilder.h"
#include "Subprocess.h"
#include "TempDir.h"
#include "common/StringUtil.h"
#include "settings/IniFile.h"

namespace kv::test {
namespace {

namespace fs = std::filesystem;

const std::string kHead = "Partname\tFilename\tError-Description\n \n";

std::string Hash(uint8_t seed) { return HashText(SequentialHash(seed).data()); }

// Every file below root with its content, for before/after comparisons.
std::map<std::string, std::string> Snapshot(const ScopedTempDir& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
        const std::string rel = fs::relative(entry.path(), dir.path()).string();
        files[rel] = entry.is_regular_file() ? dir.Read(rel) : std::string("<dir>");
    }
    return files;
}

class CliTest : public ::testing::Test {
protected:
    ScopedTempDir home;
    ScopedTempDir temp;

    void SetUp() override {
        PartMetLayout alpha;  // aMule: the name twice
        alpha.hash = SequentialHash(0x10);
        alpha.name = "alpha movie.avi";
        alpha.nameCopies = 2;
        alpha.size = 1000;
        temp.Write("001.part.met", BuildPartMet(alpha));

        PartMetLayout beta;  // eMule, the known fake
        beta.hash = SequentialHash(0x20);
        beta.name = "beta, the fake.avi";
        beta.size = 734003200;
        temp.Write("002.part.met", BuildPartMet(beta));

        PartMetLayout gamma;  // over 4 GiB, UTF-8 behind a byte-order mark
        gamma.version = 0xE2;
        gamma.hash = SequentialHash(0x30);
        gamma.name = "Gr\xC3\xBC\xC3\x9F" "e.iso";
        gamma.nameBom = true;
        gamma.size = 5368709120ULL;
        temp.Write("003.part.met", BuildPartMet(gamma));

        // Neither is a *.met file.
        temp.Write("001.part", std::string(100, 'x'));
        temp.Write("002.part.met.bak", BuildPartMet(beta));

        WriteFakes(home);
        WriteIni("[eMule]\nTempDir=" + temp.path() + "\n");
    }

    void WriteFakes(const ScopedTempDir& dir, const std::string& name = "FAKES.DAT") {
        dir.Write(name, "00112233445566778899aabbccddeeff,1,first record\r\n" + ToUpperAscii(Hash(0x20)) +
                            ",734003200,Fake, trailer only\r\n");
    }
    void WriteIni(const std::string& text) { home.Write("Kestrivane.ini", text); }
    std::string Ini(const std::string& section, const std::string& key) {
        return ReadIniString(section, key, "", 2000, home.File("Kestrivane.ini"));
    }

    ProcessResult Cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.path()});
        return RunProcess(KV_CLI_PATH, args);
    }
};

TEST_F(CliTest, CheckPrintsTheListRowsAndTellsFakesByExitStatus) {
    const std::string summary = "Finished! Found 1 Fakes in  3 checked .part.met\n";
    const std::string fakeRow = "002.part\tbeta, the fake.avi\tFake, trailer only\n";

    // "ShowAllPartMet" defaults to YES: every download is listed.
    ProcessResult r = Cli({"check"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, kHead + "001.part\talpha movie.avi\t*** OK \n" + fakeRow +
                         "003.part\tGr\xC3\xBC\xC3\x9F" "e.iso\t*** OK \n");
    EXPECT_EQ(r.err, summary);
    EXPECT_EQ(Ini("Display", "ShowAllPartMet"), "YES");  // the ensure-key read stored it

    r = Cli({"check", "--no-all"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, kHead + fakeRow);
    EXPECT_EQ(r.err, summary);

    // The setting decides unless overridden, and an override is not stored.
    WriteIni("[Display]\nShowAllPartMet=no\n[eMule]\nTempDir=" + temp.path() + "\n");
    r = Cli({"check"});
    EXPECT_EQ(r.out, kHead + fakeRow);
    r = Cli({"check", "--all"});
    EXPECT_EQ(r.out.substr(0, kHead.size() + 9), kHead + "001.part\t");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(Ini("Display", "ShowAllPartMet"), "no");

    // No known fake among the downloads: exit status 0.
    home.Write("FAKES.DAT", "00112233445566778899aabbccddeeff,1,unrelated\r\n");
    r = Cli({"check", "--all"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "Finished! Found 0 Fakes in  3 checked .part.met\n");
    EXPECT_NE(r.out.find("002.part\tbeta, the fake.avi\t*** OK \n"), std::string::npos);
}

TEST_F(CliTest, JsonHoldsEveryListedDownloadWithTypedFields) {
    // A name in Windows-1252, as old clients wrote it.
    PartMetLayout old;
    old.hash = SequentialHash(0x40);
    old.name = "\xDC" "berraschung.avi";
    old.size = 2147483648ULL;  // past the 32-bit signed range
    temp.Write("004.part.met", BuildPartMet(old));

    const ProcessResult r = Cli({"check", "--json"});
    ASSERT_EQ(r.exitCode, 1) << r.err;
    const auto list = nlohmann::json::parse(r.out);
    ASSERT_TRUE(list.is_array());
    ASSERT_EQ(list.size(), 4u);

    EXPECT_EQ(list[0]["part"], "001.part");
    EXPECT_EQ(list[0]["fake"], false);
    EXPECT_EQ(list[0]["description"], "");

    const auto& fake = list[1];
    EXPECT_EQ(fake["part"], "002.part");
    EXPECT_EQ(fake["name"], "beta, the fake.avi");
    EXPECT_TRUE(fake["size"].is_number_integer());
    EXPECT_EQ(fake["size"].get<int64_t>(), 734003200);
    EXPECT_EQ(fake["hash"], Hash(0x20));  // lower case, whatever the list holds
    EXPECT_EQ(fake["fake"], true);
    EXPECT_EQ(fake["description"], "Fake, trailer only");
    EXPECT_EQ(fake["link"], "ed2k://|file|beta, the fake.avi|734003200|" + Hash(0x20) + "|/");

    EXPECT_EQ(list[2]["name"], "Gr\xC3\xBC\xC3\x9F" "e.iso");  // the byte-order mark dropped
    EXPECT_EQ(list[2]["size"].get<int64_t>(), 5368709120LL);
    EXPECT_EQ(list[3]["name"], "\xC3\x9C" "berraschung.avi");  // converted to UTF-8
    EXPECT_EQ(list[3]["size"].get<int64_t>(), 2147483648LL);
    EXPECT_EQ(list[3]["link"], "ed2k://|file|\xC3\x9C" "berraschung.avi|2147483648|" + Hash(0x40) + "|/");

    EXPECT_EQ(Cli({"check", "--json", "--no-all"}).out.find("001.part"), std::string::npos);
}

TEST_F(CliTest, LinksAndAnchorsOneALine) {
    ProcessResult r = Cli({"check", "--links"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "ed2k://|file|alpha movie.avi|1000|" + Hash(0x10) + "|/\n" +
                         "ed2k://|file|beta, the fake.avi|734003200|" + Hash(0x20) + "|/\n" +
                         "ed2k://|file|Gr\xC3\xBC\xC3\x9F" "e.iso|5368709120|" + Hash(0x30) + "|/\n");
    EXPECT_EQ(r.err, "Finished! Found 1 Fakes in  3 checked .part.met\n");

    r = Cli({"check", "--html", "--no-all"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "<a href=\"ed2k://|file|beta, the fake.avi|734003200|" + Hash(0x20) +
                         "|\">beta, the fake.avi</a>\n");
}

TEST_F(CliTest, ErrorsEndWithOneLineAndStatus2) {
    const auto expectError = [](const ProcessResult& r, const std::string& line) {
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, line + "\n");
    };

    // No temp directory in the settings: the box text, on one line.
    WriteIni("[Display]\nShowAllPartMet=YES\n");
    expectError(Cli({"check"}),
                "Error: No '[eDonkey] TempPath=' or '[eMule] TempDir=' in Kestrivane.ini found! "
                "Use Menu 'File, Open ...'");

    // A temp directory that is not there, or is no directory.
    const std::string missing = temp.File("gone");
    expectError(Cli({"check", "--temp-dir", missing}), "Temp directory " + missing + " not found!");
    const std::string plainFile = temp.File("001.part");
    expectError(Cli({"check", "--temp-dir", plainFile}), "Temp directory " + plainFile + " not found!");

    // A directory that cannot be read (root reads every directory, so only
    // an ordinary user can see this).
    if (::geteuid() != 0) {
        ScopedTempDir locked;
        ASSERT_EQ(::chmod(locked.path().c_str(), 0), 0);
        expectError(Cli({"check", "--temp-dir", locked.path()}), "Temp directory " + locked.path() + " not found!");
    }

    // No fake list, in the program directory or where --fakes points.
    expectError(Cli({"check", "--temp-dir", temp.path(), "--fakes", home.File("nowhere.dat")}),
                "No FAKES-DB found. Please 'Update DB'.");
    fs::remove(home.File("FAKES.DAT"));
    expectError(Cli({"check", "--temp-dir", temp.path(), "--json"}), "No FAKES-DB found. Please 'Update DB'.");
}

TEST_F(CliTest, OverridesAndTheProgramDirectoryFromTheEnvironment) {
    // No temp directory and no list in the program directory: both given here.
    WriteIni("");
    fs::remove(home.File("FAKES.DAT"));
    ScopedTempDir elsewhere;
    WriteFakes(elsewhere, "list.dat");
    ProcessResult r = Cli({"check", "--no-all", "--temp-dir", temp.path(), "--fakes", elsewhere.File("list.dat")});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_EQ(r.out, kHead + "002.part\tbeta, the fake.avi\tFake, trailer only\n");

    // KESTRIVANE_HOME stands for --home, and options may follow the command.
    WriteFakes(home);
    WriteIni("[eMule]\nTempDir=" + temp.path() + "\n");
    r = RunProcess(KV_CLI_PATH, {"check", "--no-all"}, "", {{"KESTRIVANE_HOME", home.path()}});
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_EQ(r.out, kHead + "002.part\tbeta, the fake.avi\tFake, trailer only\n");
    r = RunProcess(KV_CLI_PATH, {"check", "--no-all", "--home", home.path()});
    EXPECT_EQ(r.exitCode, 1) << r.err;

    // A relative --home is taken from the current directory.
    r = RunProcess(KV_CLI_PATH, {"--home", fs::path(home.path()).filename().string(), "check", "--no-all"},
                   fs::path(home.path()).parent_path().string());
    EXPECT_EQ(r.exitCode, 1) << r.err;
}

TEST_F(CliTest, CheckAndSearchWriteNothingButTheSettings) {
    WriteIni("[eMule]\nTempDir=" + temp.path() + "\n");
    const auto tempBefore = Snapshot(temp);
    auto homeBefore = Snapshot(home);
    homeBefore.erase("Kestrivane.ini");

    for (const auto& args : std::vector<std::vector<std::string>>{
             {"check"}, {"check", "--json"}, {"check", "--links", "--no-all"}, {"search", "avi"}}) {
        const ProcessResult r = Cli(args);
        EXPECT_LT(r.exitCode, 2) << args[0] << ": " << r.err;
    }

    EXPECT_EQ(Snapshot(temp), tempBefore);
    auto homeAfter = Snapshot(home);
    homeAfter.erase("Kestrivane.ini");
    EXPECT_EQ(homeAfter, homeBefore);
    EXPECT_EQ(Ini("eMule", "TempDir"), temp.path());
}

TEST_F(CliTest, HelpVersionAndUsageErrors) {
    ProcessResult r = RunProcess(KV_CLI_PATH, {"--version"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "kestrivane-cli 1.0.0\n");

    r = RunProcess(KV_CLI_PATH, {"--help"});
    EXPECT_EQ(r.exitCode, 0);
    for (const char* word : {"check", "update", "import", "search", "--home", "--version"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    r = RunProcess(KV_CLI_PATH, {"check", "--help"});
    EXPECT_EQ(r.exitCode, 0);
    for (const char* word : {"--temp-dir", "--fakes", "--no-all", "--links", "--html", "--json", "--update"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;

    // Usage errors: status 2, a message on the error stream, nothing checked.
    for (const auto& args : std::vector<std::vector<std::string>>{{"--bogus", "check"},
                                                                  {},
                                                                  {"frobnicate"},
                                                                  {"check", "--links", "--json"},
                                                                  {"check", "--all", "--no-all"},
                                                                  {"check", "--update", "--fakes", "x"},
                                                                  {"check", "extra"},
                                                                  {"search"},
                                                                  {"import"}}) {
        r = Cli(args);
        EXPECT_EQ(r.exitCode, 2) << (args.empty() ? "(none)" : args.back());
        EXPECT_FALSE(r.err.empty());
        EXPECT_EQ(r.out.find("Partname"), std::string::npos);
    }
}

TEST_F(CliTest, SearchListsMatchingDownloadsByName) {
    ProcessResult r = Cli({"search", "ALPHA"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "001.part\talpha movie.avi\n");  // no head rows
    EXPECT_EQ(r.err, "Finished! Found 1 part.met-File with Text 'ALPHA'\n");

    // The whole file is searched; .bak copies are not listed.
    r = Cli({"search", ".avi", "--json"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const auto hits = nlohmann::json::parse(r.out);
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0], (nlohmann::json{{"part", "001.part"}, {"name", "alpha movie.avi"}}));
    EXPECT_EQ(hits[1], (nlohmann::json{{"part", "002.part"}, {"name", "beta, the fake.avi"}}));

    r = Cli({"search", "no such text"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Finished! Found 0 part.met-File with Text 'no such text'\n");

    // Without a temp directory the search cannot run; --temp-dir supplies one.
    WriteIni("");
    r = Cli({"search", "avi"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    r = Cli({"search", "--temp-dir", temp.path(), "iso"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "003.part\tGr\xC3\xBC\xC3\x9F" "e.iso\n");
}

TEST_F(CliTest, ImportStoresTheTempDirectoryWithAbsolutePaths) {
    WriteIni("");
    ScopedTempDir work;
    work.Write("emule/preferences.ini", "[eMule]\r\nNick=someone\r\nTempDir=C:\\eMule\\Temp\r\n");
    work.Write("amule/amule.conf", "[eMule]\nNick=someone\nTempDir=/home/user/.aMule/Temp\n");
    static const char kPrefMet[] = "\x14junkTEMP!\x07/data/edonkey/temp\x03\x07\x00rest";
    work.Write("edonkey/pref.met", std::string(kPrefMet, sizeof kPrefMet - 1));

    // A relative path is taken from the current directory and stored absolute.
    ProcessResult r = RunProcess(KV_CLI_PATH, {"--home", home.path(), "import", "emule/preferences.ini"},
                                 work.path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Ini("eMule", "PreferencesIniPath"), work.File("emule"));
    EXPECT_EQ(Ini("eMule", "TempDir"), "C:\\eMule\\Temp");
    EXPECT_EQ(r.err,
              "eMule PREFERENCES.INI successfully opened, 'PreferencesIniPath' and 'TempDir' written to "
              "KESTRIVANE.INI\n");

    r = RunProcess(KV_CLI_PATH, {"--home", home.path(), "import", "./amule/../amule/amule.conf"}, work.path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Ini("eMule", "PreferencesIniPath"), work.File("amule"));
    EXPECT_EQ(Ini("eMule", "TempDir"), "/home/user/.aMule/Temp");

    r = Cli({"import", work.File("edonkey/pref.met")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Ini("eDonkey", "PrefMetPath"), work.File("edonkey"));
    EXPECT_EQ(Ini("eDonkey", "TempPath"), "/data/edonkey/temp");

    // Errors leave the settings as they were.
    const std::string before = home.Read("Kestrivane.ini");
    work.Write("other/prefs.txt", "[eMule]\nTempDir=/x\n");
    work.Write("other/Preferences.ini", "[eMule]\nTempDir=/x\n");
    for (const char* name : {"other/prefs.txt", "other/Preferences.ini", "other/pref.met"}) {
        r = Cli({"import", work.File(name)});
        EXPECT_EQ(r.exitCode, 2) << name;
        EXPECT_NE(r.err.find(work.File(name)), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
    EXPECT_EQ(home.Read("Kestrivane.ini"), before);

    // A program directory that cannot take the settings: no success claimed.
    r = RunProcess(KV_CLI_PATH, {"--home", home.File("missing"), "import", work.File("amule/amule.conf")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "Could not write " + home.File("missing/Kestrivane.ini") + ".\n");
    EXPECT_FALSE(fs::exists(home.File("missing")));

    // preferences.ini without "TempDir": the error text on one line.
    work.Write("bare/preferences.ini", "[eMule]\nNick=someone\n");
    r = Cli({"import", work.File("bare/preferences.ini")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "Error: No '[eMule] TempDir=' in preferences.ini found!\n");
    EXPECT_EQ(Ini("eMule", "TempDir"), "/home/user/.aMule/Temp");
}

}  // namespace
}  // namespace kv::test
