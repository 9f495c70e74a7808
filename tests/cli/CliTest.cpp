// kestrivane-cli run as a separate process, judged by its exit status and its two output streams.
#include <gtest/gtest.h>
#include <httplib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <thread>

#include "PartMetBuilder.h"
#include "TempDir.h"
#include "common/StringUtil.h"
#include "settings/IniFile.h"

namespace kv::test {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;
using namespace std::string_literals;

struct Result {
    int code = -1;
    std::string out, err;
    bool operator==(const Result&) const = default;
};
void PrintTo(const Result& r, std::ostream* os) { *os << r.code << " out[" << r.out << "] err[" << r.err << "]"; }

std::string Quote(const std::string& text) { return "'" + text + "'"; }  // no test argument holds a quote

// The CLI in workDir with env added, without the test's KESTRIVANE_HOME, never through a proxy.
Result Exec(const Args& args, const std::string& workDir = ".", const std::string& env = "") {
    ScopedTempDir capture;
    std::string command =
        "cd " + Quote(workDir) + " && env -u KESTRIVANE_HOME no_proxy='*' " + env + " " + Quote(KV_CLI_PATH);
    for (const auto& arg : args) command += " " + Quote(arg);
    command += " </dev/null >" + Quote(capture.File("out")) + " 2>" + Quote(capture.File("err"));
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, capture.Read("out"), capture.Read("err")};
}

std::string Hash(uint8_t seed) { return HashText(SequentialHash(seed).data()); }
const std::string kHead = "Partname\tFilename\tError-Description\n \n";
const std::string kFakeRow = "002.part\tbeta, the fake.avi\tFake, trailer only\n";
const std::string kOtherRecord = "00112233445566778899aabbccddeeff,1,first record\r\n";

std::map<std::string, std::string> Snapshot(const ScopedTempDir& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir.path()))
        files[entry.path()] = entry.is_regular_file() ? dir.Read(fs::relative(entry.path(), dir.path())) : "<dir>";
    return files;
}

class CliTest : public ::testing::Test {
protected:
    ScopedTempDir home, temp;
    std::map<std::string, std::string> tempBefore;
    std::string fakes = kOtherRecord + ToUpperAscii(Hash(0x20)) + ",734003200,Fake, trailer only\r\n";

    void SetUp() override {
        const auto put = [&](const std::string& file, uint8_t seed, const std::string& name, uint64_t size) {
            PartMetLayout meta;
            meta.hash = SequentialHash(seed), meta.name = name, meta.size = size;
            meta.nameCopies = seed == 0x10 ? 2 : 1;  // aMule writes the name twice
            meta.nameBom = seed == 0x30;             // eMule marks UTF-8
            meta.version = size > 4290048000 ? 0xE2 : 0xE0;
            temp.Write(file, BuildPartMet(meta));
        };
        put("001.part.met", 0x10, "alpha movie.avi", 2147483648ULL);  // past the 32-bit signed range
        put("002.part.met", 0x20, "beta, the fake.avi", 734003200);
        put("003.part.met", 0x30, "Gr\xC3\xBC\xC3\x9F" "e.iso", 5368709120ULL);
        put("004.part.met", 0x40, "\xDC" "berraschung.avi", 1000);       // Windows-1252, as old clients wrote
        put("002.part.met.bak", 0x20, "beta, the fake.avi", 734003200);  // not a *.met file
        temp.Write("001.part", "data");
        home.Write("FAKES.DAT", fakes);
        Settings("");
        tempBefore = Snapshot(temp);
    }
    void TearDown() override { EXPECT_EQ(Snapshot(temp), tempBefore) << "the temp directory is only read"; }
    void Settings(std::string more) { home.Write("Kestrivane.ini", "[eMule]\nTempDir=" + temp.path() + "\n" + more); }
    std::string Ini(std::string s, std::string k) { return ReadIniString(s, k, "", 2000, home.File("Kestrivane.ini")); }
    Result Cli(Args args) { args.insert(args.begin(), {"--home", home.path()}); return Exec(args); }
};

TEST_F(CliTest, CheckPrintsTheRowsAndTellsFakesByExitStatus) {
    const std::string all = kHead + "001.part\talpha movie.avi\t*** OK \n" + kFakeRow +
                            "003.part\tGr\xC3\xBC\xC3\x9F" "e.iso\t*** OK \n"
                            "004.part\t\xC3\x9C" "berraschung.avi\t*** OK \n";
    const std::string summary = "Finished! Found 1 Fakes in  4 checked .part.met\n";
    EXPECT_EQ(Cli({"check"}), (Result{1, all, summary}));  // "ShowAllPartMet" defaults to YES, stored by the read
    EXPECT_EQ(Ini("Display", "ShowAllPartMet"), "YES");
    EXPECT_EQ(Cli({"check", "--no-all"}), (Result{1, kHead + kFakeRow, summary}));

    Settings("[Display]\nShowAllPartMet=no\n");  // the setting decides unless overridden; no override is stored
    EXPECT_EQ(Cli({"check"}).out, kHead + kFakeRow);
    EXPECT_EQ(Cli({"check", "--all"}).out, all);
    EXPECT_EQ(Ini("Display", "ShowAllPartMet"), "no");

    home.Write("FAKES.DAT", kOtherRecord);
    const Result r = Cli({"check", "--all"});
    EXPECT_EQ(std::make_pair(r.code, r.err), std::make_pair(0, "Finished! Found 0 Fakes in  4 checked .part.met\n"s));
}

TEST_F(CliTest, JsonLinksAndAnchorsCarry64BitSizesAndUtf8Names) {
    const Result r = Cli({"check", "--json"});
    ASSERT_EQ(r.code, 1) << r.err;
    const auto list = nlohmann::json::parse(r.out);
    ASSERT_EQ(list.size(), 4u);
    const std::string link = "ed2k://|file|beta, the fake.avi|734003200|" + Hash(0x20) + "|/";
    EXPECT_EQ(list[1], (nlohmann::json{{"part", "002.part"}, {"name", "beta, the fake.avi"}, {"size", 734003200},
                                       {"hash", Hash(0x20)}, {"fake", true}, {"description", "Fake, trailer only"},
                                       {"link", link}}));
    EXPECT_EQ(list[0]["fake"], false);
    EXPECT_EQ(list[0]["size"], 2147483648LL);
    EXPECT_TRUE(list[2]["size"].is_number_integer());
    EXPECT_EQ(list[2]["size"], 5368709120LL);
    EXPECT_EQ(list[2]["name"], "Gr\xC3\xBC\xC3\x9F" "e.iso");
    EXPECT_EQ(list[3]["name"], "\xC3\x9C" "berraschung.avi");
    EXPECT_EQ(Cli({"check", "--links"}).out,
              "ed2k://|file|alpha movie.avi|2147483648|" + Hash(0x10) + "|/\n" + link + "\n" +
                  "ed2k://|file|Gr\xC3\xBC\xC3\x9F" "e.iso|5368709120|" + Hash(0x30) + "|/\n" +
                  "ed2k://|file|\xC3\x9C" "berraschung.avi|1000|" + Hash(0x40) + "|/\n");
    EXPECT_EQ(Cli({"check", "--html", "--no-all"}).out,
              "<a href=\"ed2k://|file|beta, the fake.avi|734003200|" + Hash(0x20) + "|\">beta, the fake.avi</a>\n");
}

TEST_F(CliTest, ErrorsEndWithOneLineAndStatus2) {
    EXPECT_EQ(Exec({"check", "--no-all"}, ".", "KESTRIVANE_HOME=" + Quote(home.path())).out, kHead + kFakeRow);
    const auto expectError = [](Result r, std::string line) { EXPECT_EQ(r, (Result{2, "", line + "\n"})); };
    home.Write("Kestrivane.ini", "[Display]\nShowAllPartMet=YES\n");
    expectError(Cli({"check"}), "Error: No '[eDonkey] TempPath=' or '[eMule] TempDir=' in Kestrivane.ini found! "
                                "Use Menu 'File, Open ...'");
    ScopedTempDir locked;
    ::chmod(locked.path().c_str(), 0);
    for (const std::string& dir : {temp.File("gone"), temp.File("001.part"), locked.path()})
        if (dir != locked.path() || ::geteuid() != 0)  // root lists every directory
            expectError(Cli({"check", "--temp-dir", dir}), "Temp directory " + dir + " not found!");
    expectError(Cli({"check", "--temp-dir", temp.path(), "--fakes", home.File("nowhere.dat")}),
                "No FAKES-DB found. Please 'Update DB'.");
    fs::remove(home.File("FAKES.DAT"));
    expectError(Cli({"check", "--temp-dir", temp.path(), "--json"}), "No FAKES-DB found. Please 'Update DB'.");

    ScopedTempDir elsewhere;  // overrides stand in for both
    EXPECT_EQ(Cli({"check", "--no-all", "--temp-dir", temp.path(), "--fakes", elsewhere.Write("l.dat", fakes)}).out,
              kHead + kFakeRow);
}

TEST_F(CliTest, WritesNothingButTheSettings) {
    for (const Args& args : {Args{"check"}, Args{"check", "--json"}, Args{"check", "--links"}, Args{"search", "avi"}})
        EXPECT_LT(Cli(args).code, 2) << args.back();
    fs::remove(home.File("Kestrivane.ini"));
    EXPECT_EQ(Snapshot(home), (std::map<std::string, std::string>{{home.File("FAKES.DAT"), fakes}}));
}

TEST_F(CliTest, HelpVersionAndUsageErrors) {
    EXPECT_EQ(Exec({"--version"}), (Result{0, "kestrivane-cli 1.0.0\n", ""}));
    const Result help = Exec({"--help"}), checkHelp = Exec({"check", "--help"});
    EXPECT_EQ(std::make_pair(help.code, checkHelp.code), std::make_pair(0, 0));
    for (const char* word : {"check", "update", "import", "search", "--home", "--version"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    for (const char* word : {"--temp-dir", "--fakes", "--no-all", "--links", "--html", "--json", "--update"})
        EXPECT_NE(checkHelp.out.find(word), std::string::npos) << word;
    for (const Args& args : {Args{"--bogus", "check"}, Args{}, Args{"frobnicate"}, Args{"check", "--links", "--json"},
                             Args{"check", "--all", "--no-all"}, Args{"check", "--update", "--fakes", "x"},
                             Args{"check", "extra"}, Args{"search"}, Args{"import"}}) {
        const Result r = Cli(args);
        EXPECT_TRUE(r.code == 2 && r.out.empty() && !r.err.empty()) << ::testing::PrintToString(r);
    }
}

TEST_F(CliTest, SearchListsHitsAndTellsThemByExitStatus) {
    EXPECT_EQ(Cli({"search", "ALPHA"}),
              (Result{0, "001.part\talpha movie.avi\n", "Finished! Found 1 part.met-File with Text 'ALPHA'\n"}));
    EXPECT_EQ(nlohmann::json::parse(Cli({"search", "BERRASCHUNG", "--json"}).out),
              nlohmann::json::parse(R"([{"part": "004.part", "name": "\u00dcberraschung.avi"}])"));
    EXPECT_EQ(Cli({"search", "no such text"}),
              (Result{1, "", "Finished! Found 0 part.met-File with Text 'no such text'\n"}));
    home.Write("Kestrivane.ini", "");
    const Result r = Cli({"search", "avi"});
    EXPECT_TRUE(r.code == 2 && r.out.empty() && r.err.find('\n') == r.err.size() - 1) << ::testing::PrintToString(r);
    EXPECT_EQ(Cli({"search", "--temp-dir", temp.path(), "iso"}).out, "003.part\tGr\xC3\xBC\xC3\x9F" "e.iso\n");
}

TEST_F(CliTest, ImportStoresTheTempDirectoryWithAbsolutePaths) {
    ScopedTempDir work;
    work.Write("emule/preferences.ini", "[eMule]\r\nNick=someone\r\nTempDir=C:\\eMule\\Temp\r\n");
    work.Write("edonkey/pref.met", "\x14junkTEMP!\x07/data/edonkey/temp\x03\x07\x00rest"s);
    const auto Import = [&](std::string file) { return Exec({"--home", home.path(), "import", file}, work.path()); };

    EXPECT_EQ(Import("./emule/../emule/preferences.ini"),  // relative to the current directory, stored absolute
              (Result{0, "", "eMule PREFERENCES.INI successfully opened, 'PreferencesIniPath' and 'TempDir' written to "
                             "KESTRIVANE.INI\n"}));
    EXPECT_EQ(Ini("eMule", "PreferencesIniPath"), work.File("emule"));
    EXPECT_EQ(Import(work.File("edonkey/pref.met")).code, 0);
    EXPECT_EQ(Ini("eDonkey", "PrefMetPath"), work.File("edonkey"));
    EXPECT_EQ(Ini("eDonkey", "TempPath"), "/data/edonkey/temp");

    const std::string before = home.Read("Kestrivane.ini");  // errors leave the settings as they were
    work.Write("other/Preferences.ini", "[eMule]\nTempDir=/x\n");
    for (const std::string name : {"other/Preferences.ini", "other/pref.met"}) {
        const Result r = Import(name);  // the path named on one line
        EXPECT_TRUE(r.code == 2 && r.err.find(work.File(name)) < r.err.find('\n') && r.err.ends_with(".\n")) << r.err;
    }
    EXPECT_EQ(home.Read("Kestrivane.ini"), before);
    work.Write("bare/preferences.ini", "[eMule]\nNick=someone\n");
    EXPECT_EQ(Import("bare/preferences.ini"),
              (Result{2, "", "Error: No '[eMule] TempDir=' in preferences.ini found!\n"}));
    EXPECT_EQ(Ini("eMule", "TempDir"), "C:\\eMule\\Temp");

    // A program directory that cannot take the settings: no success claimed.
    EXPECT_EQ(Exec({"--home", home.File("missing"), "import", work.File("emule/preferences.ini")}),
              (Result{2, "", "Could not write " + home.File("missing/Kestrivane.ini") + ".\n"}));
    EXPECT_FALSE(fs::exists(home.File("missing")));
}

TEST_F(CliTest, UpdateFetchesANewerListOrSaysWhyNot) {
    ScopedTempDir served;  // on 127.0.0.1
    httplib::Server server;
    server.set_mount_point("/fakecheck/update", served.path());
    const int port = server.bind_to_any_port("127.0.0.1");
    const std::string url = "http://127.0.0.1:" + std::to_string(port) + "/fakecheck/update";
    std::thread thread([&] { server.listen_after_bind(); });
    home.Write("FAKES.DAT", kOtherRecord);
    Settings("[Internet]\nFakesDatDownloadURL=" + url + "\nFakesDatVersion=9\n");
    const std::string iniBefore = home.Read("Kestrivane.ini");

    EXPECT_EQ(Cli({"update"}).code, 2);  // no version file on the server
    served.Write("Fakes.txt", "12\r\n");  // a newer version, but no list
    EXPECT_EQ(Cli({"update"}).code, 2);
    EXPECT_EQ(home.Read("FAKES.DAT") + home.Read("Kestrivane.ini"), kOtherRecord + iniBefore);
    Result r = Cli({"check", "--no-all", "--update"});  // checks with the local list, but is no success
    EXPECT_EQ(std::make_pair(r.code, r.out), std::make_pair(2, kHead));
    EXPECT_NE(r.err.find("Update failed"), std::string::npos) << r.err;

    served.Write("FAKES.DAT", fakes);
    r = Cli({"check", "--no-all", "--update"});
    EXPECT_EQ(std::make_pair(r.code, r.out), std::make_pair(1, kHead + kFakeRow)) << r.err;
    const size_t wait = r.err.find("Please wait, version check is running..."),
                 announced = r.err.find("New FAKE-DB - Version 12 available!");
    EXPECT_TRUE(wait < announced && announced != std::string::npos) << r.err;
    EXPECT_TRUE(r.err.ends_with("Finished! Found 1 Fakes in  4 checked .part.met\n")) << r.err;
    EXPECT_EQ(home.Read("FAKES.DAT"), fakes);
    EXPECT_EQ(Ini("Internet", "FakesDatVersion"), "12");
    EXPECT_FALSE(fs::exists(home.File("Fakes.txt")));

    fs::remove(served.File("FAKES.DAT"));  // now current: the list is not fetched again
    r = Cli({"update"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.err.find("You already have the newest FAKE-DB..."), std::string::npos) << r.err;
    server.stop();
    thread.join();
}

}  // namespace
}  // namespace kv::test
