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

struct Result { int code = -1; std::string out, err; bool operator==(const Result&) const = default; };
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
const std::string kOneFake = "Finished! Found 1 Fakes in  4 checked .part.met\n";
const std::string kNoDb = "No FAKES-DB found. Please 'Update DB'.\n";
const std::string kNoTemp =
    "Error: No '[eDonkey] TempPath=' or '[eMule] TempDir=' in Kestrivane.ini found! Use Menu 'File, Open ...'\n";

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
            PartMetLayout m;
            m.hash = SequentialHash(seed), m.name = name, m.size = size, m.version = size > 4290048000 ? 0xE2 : 0xE0;
            m.nameCopies = seed == 0x10 ? 2 : 1, m.nameBom = seed == 0x30;  // aMule doubles the name, eMule marks UTF-8
            temp.Write(file, BuildPartMet(m));
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
    // Whatever ran, the temp directory is only read and the program directory holds no more than its two files.
    void TearDown() override {
        EXPECT_EQ(Snapshot(temp), tempBefore);
        for (const auto& [path, bytes] : Snapshot(home))
            EXPECT_TRUE(path == home.File("FAKES.DAT") || path == home.File("Kestrivane.ini")) << path;
    }
    void Settings(std::string more) { home.Write("Kestrivane.ini", "[eMule]\nTempDir=" + temp.path() + "\n" + more); }
    std::string Ini(std::string s, std::string k) { return ReadIniString(s, k, "", 2000, home.File("Kestrivane.ini")); }
    Result Cli(Args args) { args.insert(args.begin(), {"--home", home.path()}); return Exec(args); }
};

TEST_F(CliTest, CheckAndSearchListWhatTheyFindAsRowsJsonLinksOrAnchors) {
    const std::pair<std::string, int64_t> files[] = {
        {"alpha movie.avi", 2147483648LL}, {"beta, the fake.avi", 734003200},
        {"Gr\xC3\xBC\xC3\x9F" "e.iso", 5368709120LL}, {"\xC3\x9C" "berraschung.avi", 1000}};
    std::string all = kHead, links;
    nlohmann::ordered_json expected = nlohmann::ordered_json::array();
    for (int i = 0; i < 4; ++i) {
        const auto& [name, size] = files[i];
        const std::string part = "00" + std::to_string(i + 1) + ".part", hash = Hash(0x10 * (i + 1)),
                          link = "ed2k://|file|" + name + "|" + std::to_string(size) + "|" + hash + "|/";
        expected.push_back({{"part", part}, {"name", name}, {"size", size}, {"hash", hash}, {"fake", i == 1},
                            {"description", i == 1 ? "Fake, trailer only" : ""}, {"link", link}});
        all += part + "\t" + name + "\t" + (i == 1 ? "Fake, trailer only" : "*** OK ") + "\n";
        links += link + "\n";
    }
    // Field order and whole-number sizes count too: compared as text.
    EXPECT_EQ(nlohmann::ordered_json::parse(Cli({"check", "--json"}).out).dump(), expected.dump());
    EXPECT_EQ(Cli({"check", "--links"}).out, links);
    EXPECT_EQ(Cli({"check", "--html", "--no-all"}).out,
              "<a href=\"ed2k://|file|beta, the fake.avi|734003200|" + Hash(0x20) + "|\">beta, the fake.avi</a>\n");
    EXPECT_EQ(Cli({"check"}), (Result{1, all, kOneFake}));  // "ShowAllPartMet" defaults to YES, stored by the read
    EXPECT_EQ(Ini("Display", "ShowAllPartMet"), "YES");
    EXPECT_EQ(Cli({"check", "--no-all"}), (Result{1, kHead + kFakeRow, kOneFake}));

    Settings("[Display]\nShowAllPartMet=no\n");  // the setting decides unless overridden; no override is stored
    EXPECT_EQ(Cli({"check"}).out, kHead + kFakeRow);
    EXPECT_EQ(Cli({"check", "--all"}).out, all);
    EXPECT_EQ(Ini("Display", "ShowAllPartMet"), "no");
    home.Write("FAKES.DAT", kOtherRecord);
    EXPECT_EQ(Cli({"check"}), (Result{0, kHead, "Finished! Found 0 Fakes in  4 checked .part.met\n"}));
    EXPECT_EQ(Cli({"search", "ALPHA"}),
              (Result{0, "001.part\talpha movie.avi\n", "Finished! Found 1 part.met-File with Text 'ALPHA'\n"}));
    EXPECT_EQ(nlohmann::json::parse(Cli({"search", "BERRASCHUNG", "--json"}).out),
              nlohmann::json::parse(R"([{"part": "004.part", "name": "\u00dcberraschung.avi"}])"));
    EXPECT_EQ(Cli({"search", "no such text"}),
              (Result{1, "", "Finished! Found 0 part.met-File with Text 'no such text'\n"}));
    home.Write("Kestrivane.ini", "");  // no temp directory but the one named
    EXPECT_EQ(Cli({"search", "--temp-dir", temp.path(), "iso"}).out, "003.part\tGr\xC3\xBC\xC3\x9F" "e.iso\n");
}

TEST_F(CliTest, HelpVersionAndErrorsEndingWithOneLineAndStatus2) {
    EXPECT_EQ(Exec({"--version"}), (Result{0, "kestrivane-cli 1.0.0\n", ""}));
    for (const auto& [args, words] : std::vector<std::pair<Args, Args>>{
             {{"--help"}, {"check", "update", "import", "search", "--home", "--version"}},
             {{"check", "--help"}, {"--temp-dir", "--fakes", "--no-all", "--links", "--html", "--json", "--update"}}})
        for (const Result r = Exec(args); const auto& word : words)
            EXPECT_TRUE(r.code == 0 && r.out.find(word) != std::string::npos) << args.back() << ": " << word;
    for (const Args& args : std::vector<Args>{{"--bogus", "check"}, {}, {"frobnicate"}, {"check", "--links", "--json"},
                                              {"check", "--all", "--no-all"}, {"check", "--update", "--fakes", "x"},
                                              {"check", "extra"}, {"search"}, {"import"}})
        EXPECT_PRED1([](const Result& r) { return r.code == 2 && r.out.empty() && !r.err.empty(); }, Cli(args));
    EXPECT_EQ(Exec({"check", "--no-all"}, ".", "KESTRIVANE_HOME=" + Quote(home.path())).out, kHead + kFakeRow);
    const auto expectError = [](Result r, std::string err) { EXPECT_EQ(r, (Result{2, "", err})); };
    home.Write("Kestrivane.ini", "[Display]\nShowAllPartMet=YES\n");
    expectError(Cli({"check"}), kNoTemp);
    expectError(Cli({"search", "avi"}), kNoTemp);
    ScopedTempDir locked;
    ::chmod(locked.path().c_str(), 0);
    for (const std::string& dir : {temp.File("gone"), temp.File("001.part"), locked.path()})
        if (dir != locked.path() || ::geteuid() != 0)  // root lists every directory
            expectError(Cli({"check", "--temp-dir", dir}), "Temp directory " + dir + " not found!\n");
    expectError(Cli({"check", "--temp-dir", temp.path(), "--fakes", home.File("nowhere.dat")}), kNoDb);
    fs::remove(home.File("FAKES.DAT"));
    expectError(Cli({"check", "--temp-dir", temp.path(), "--json"}), kNoDb);
    ScopedTempDir elsewhere;  // overrides stand in for both
    EXPECT_EQ(Cli({"check", "--no-all", "--temp-dir", temp.path(), "--fakes", elsewhere.Write("l.dat", fakes)}).out,
              kHead + kFakeRow);
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
    EXPECT_EQ(Ini("eDonkey", "PrefMetPath") + "|" + Ini("eDonkey", "TempPath"),
              work.File("edonkey") + "|/data/edonkey/temp");

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
}

TEST_F(CliTest, UpdateFetchesANewerListOrSaysWhyNot) {
    ScopedTempDir served;  // on 127.0.0.1
    httplib::Server server;
    server.set_mount_point("/fakecheck/update", served.path());
    const std::string url =
        "http://127.0.0.1:" + std::to_string(server.bind_to_any_port("127.0.0.1")) + "/fakecheck/update";
    std::thread thread([&] { server.listen_after_bind(); });
    home.Write("FAKES.DAT", kOtherRecord);
    Settings("[Internet]\nFakesDatDownloadURL=" + url + "\nFakesDatVersion=9\n");
    const std::string iniBefore = home.Read("Kestrivane.ini"), wait = "Please wait, version check is running...\n",
                      newer = wait + "New FAKE-DB - Version 12 available! Please download it now...\nOpening URL...\n";
    const std::string missing = "Online-Check/Download not available!: The choosen URL is temporary not available. "
                                "Please try later!\nFile actually not available: " + url + "/";

    EXPECT_EQ(Cli({"update"}), (Result{2, "", wait + missing + "Fakes.txt\n"}));
    served.Write("Fakes.txt", "12\r\n");  // a newer version, but no list
    EXPECT_EQ(Cli({"update"}), (Result{2, "", newer + missing + "FAKES.DAT\n"}));
    EXPECT_EQ(home.Read("FAKES.DAT") + home.Read("Kestrivane.ini"), kOtherRecord + iniBefore);
    EXPECT_EQ(Cli({"check", "--no-all", "--update"}),  // checks with the local list, but is no success
              (Result{2, kHead, newer + missing + "FAKES.DAT\n" + "Update failed; checking with the local fake list.\n"
                                    "Finished! Found 0 Fakes in  4 checked .part.met\n"}));

    served.Write("FAKES.DAT", fakes);
    EXPECT_EQ(Cli({"check", "--no-all", "--update"}),
              (Result{1, kHead + kFakeRow,
                      newer + "Download finished! New " + home.File("FAKES.DAT") + " written...\n" + kOneFake}));
    EXPECT_EQ(home.Read("FAKES.DAT") + Ini("Internet", "FakesDatVersion"), fakes + "12");
    fs::remove(served.File("FAKES.DAT"));  // now current: the list is not fetched again
    EXPECT_EQ(Cli({"update"}), (Result{0, "", wait + "You already have the newest FAKE-DB...\n"}));
    server.stop();
    thread.join();
}

}  // namespace
}  // namespace kv::test
