#include <gtest/gtest.h>
#include <httplib.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <thread>

#include "PartMetBuilder.h"
#include "TempDir.h"
#include "common/StringUtil.h"
#include "settings/IniFile.h"
#include "common/FileUtil.h"

namespace kv::test {
namespace {

using Args = std::vector<std::string>;

struct Result { int code = -1; std::string out, err; bool operator==(const Result&) const = default; };
void PrintTo(const Result& r, std::ostream* os) { *os << r.code << " out[" << r.out << "] err[" << r.err << "]"; }

std::string Quote(const std::string& text) { return "'" + text + "'"; }  // no test argument holds a quote

// The CLI in workDir, without the test's KESTRIVANE_HOME, never through a proxy.
Result Exec(const Args& args, const std::string& workDir = ".") {
    ScopedTempDir capture;
    std::string command = "cd " + Quote(workDir) + " && env -u KESTRIVANE_HOME no_proxy='*' " + Quote(KV_CLI_PATH);
    for (const auto& arg : args) command += " " + Quote(arg);
    const int status = std::system((command + " </dev/null >" + Quote(capture.File("out")) + " 2>" +
                                    Quote(capture.File("err"))).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, capture.Read("out"), capture.Read("err")};
}

std::string Hash(uint8_t seed) { return HashText(SequentialHash(seed).data()); }
const std::string kHead = "Partname\tFilename\tError-Description\n \n";
const std::string kFakeRow = "002.part\tbeta, the fake.avi\tFake, trailer only\n";
const std::string kOtherRecord = "00112233445566778899aabbccddeeff,1,first record\r\n";

std::map<std::string, std::string> Snapshot(const ScopedTempDir& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path()))
        files[entry.path()] = entry.is_regular_file() ? dir.Read(entry.path().lexically_relative(dir.path())) : "<dir>";
    return files;
}

class CliTest : public ::testing::Test {
protected:
    ScopedTempDir home, temp;
    std::map<std::string, std::string> tempBefore;
    std::string fakes = kOtherRecord + ToUpperAscii(Hash(0x20)) + ",734003200,Fake, trailer only\r\n";

    void SetUp() override {
        temp.Write("001.part.met",  // over 4 GB, its name in Windows-1252 as old clients wrote it
                   BuildPartMet({.version = 0xE2, .hash = SequentialHash(0x10), .name = "\xDC" "berraschung.avi",
                                 .size = 5368709120ULL, .extraTags = {}}));
        temp.Write("002.part.met", BuildPartMet({.hash = SequentialHash(0x20), .name = "beta, the fake.avi",
                                                 .size = 734003200, .extraTags = {}}));
        home.Write("FAKES.DAT", fakes), home.Write("Kestrivane.ini", "[eMule]\nTempDir=" + temp.path() + "\n");
        tempBefore = Snapshot(temp);
    }
    // Whatever ran, the temp directory is only read and the program directory holds no more than its two files (and the writers' lock).
    void TearDown() override {
        EXPECT_EQ(Snapshot(temp), tempBefore);
        for (const auto& [path, bytes] : Snapshot(home))
            EXPECT_TRUE(path == home.File("FAKES.DAT") || path == home.File("Kestrivane.ini") ||
                        path == home.File(".kestrivane.lock")) << path;
    }
    std::string Ini(std::string s, std::string k) { return ReadIniString(s, k, "", 2000, home.File("Kestrivane.ini")); }
    Result Cli(Args args) { args.insert(args.begin(), {"--home", home.path()}); return Exec(args); }
};

TEST_F(CliTest, CheckAndSearchTellWhatTheyFoundByExitStatus) {
    const std::string uber = "\xC3\x9C" "berraschung.avi", h1 = Hash(0x10), h2 = Hash(0x20);
    const auto expected = nlohmann::ordered_json::array(
        {{{"part", "001.part"}, {"name", uber}, {"size", 5368709120LL}, {"hash", h1}, {"fake", false},
          {"description", ""}, {"link", "ed2k://|file|" + uber + "|5368709120|" + h1 + "|/"}, {"suspect", nullptr},
          {"note", nullptr}, {"allowed", false}},
         {{"part", "002.part"}, {"name", "beta, the fake.avi"}, {"size", 734003200}, {"hash", h2}, {"fake", true},
          {"description", "Fake, trailer only"}, {"link", "ed2k://|file|beta, the fake.avi|734003200|" + h2 + "|/"},
          {"suspect", nullptr}, {"note", nullptr}, {"allowed", false}}});
    // Field order and whole-number sizes count too: compared as text.
    EXPECT_EQ(nlohmann::ordered_json::parse(Cli({"check", "--json"}).out).dump(), expected.dump());
    EXPECT_EQ(Cli({"check", "--no-all"}),
              (Result{1, kHead + kFakeRow, "Finished! Found 1 Fakes in  2 checked .part.met\n"}));
    home.Write("FAKES.DAT", kOtherRecord);
    EXPECT_EQ(Cli({"check", "--no-all"}), (Result{0, kHead, "Finished! Found 0 Fakes in  2 checked .part.met\n"}));
    EXPECT_EQ(Cli({"search", "BERRASCHUNG"}),
              (Result{0, "001.part\t" + uber + "\n", "Finished! Found 1 part.met-File with Text 'BERRASCHUNG'\n"}));
    EXPECT_EQ(Cli({"search", "no such text"}).code, 1);
}

TEST_F(CliTest, ErrorsEndWithOneLineAndStatus2) {
    for (const Args& args : std::vector<Args>{{}, {"frobnicate"}, {"check", "--links", "--json"}, {"search"}})
        EXPECT_PRED1([](const Result& r) { return r.code == 2 && r.out.empty() && !r.err.empty(); }, Cli(args));
    EXPECT_EQ(Cli({"check", "--temp-dir", temp.File("gone")}), (Result{2, "", "Temp directory " + temp.File("gone") +
                                                                              " not found!\n"}));
}

TEST_F(CliTest, ImportStoresAnAbsolutePathAndClaimsNoSuccessItDidNotStore) {
    ScopedTempDir work;
    work.Write("emule/preferences.ini", "[eMule]\r\nNick=someone\r\nTempDir=C:\\eMule\\Temp\r\n");
    EXPECT_EQ(Exec({"--home", home.path(), "import", "./emule/../emule/preferences.ini"}, work.path()),  // relative
              (Result{0, "", "eMule PREFERENCES.INI successfully opened, 'PreferencesIniPath' and 'TempDir' written "
                             "to KESTRIVANE.INI\n"}));
    EXPECT_EQ(Ini("eMule", "PreferencesIniPath"), work.File("emule"));
    EXPECT_EQ(Exec({"--home", home.File("missing"), "import", work.File("emule/preferences.ini")}),
              (Result{2, "", "--home " + home.File("missing") + ": no such directory.\n"}));
    ScopedTempDir unwritable;  // its settings file cannot be written: a directory stands in its place
    unwritable.Write("Kestrivane.ini/x", "");
    EXPECT_EQ(Exec({"--home", unwritable.path(), "import", work.File("emule/preferences.ini")}),
              (Result{2, "", "Could not write " + unwritable.File("Kestrivane.ini") + ".\n"}));
}

TEST_F(CliTest, UpdateFetchesANewerListOrChecksWithTheLocalOneAndFails) {
    ScopedTempDir served;  // on 127.0.0.1
    httplib::Server server;
    server.set_mount_point("/update", served.path());
    const std::string url = "http://127.0.0.1:" + std::to_string(server.bind_to_any_port("127.0.0.1")) + "/update";
    std::thread thread([&] { server.listen_after_bind(); });
    home.Write("Kestrivane.ini", home.Read("Kestrivane.ini") + "[Internet]\nFakesDatDownloadURL=" + url + "\n");
    const std::string newer = "Please wait, version check is running...\nNew FAKE-DB - Version 12 available! Please "
                              "download it now...\nOpening URL...\n";
    served.Write("Fakes.txt", "12\r\n");  // a newer version, but no list
    EXPECT_EQ(Cli({"check", "--no-all", "--update"}),  // 3: the update failed, the local list found a fake
              (Result{3, kHead + kFakeRow,
                      newer + "Online-Check/Download not available!: The choosen URL is temporary not available. "
                              "Please try later!\nFile actually not available: " + url + "/FAKES.DAT\n"
                              "Update failed; checking with the local fake list.\n"
                              "Finished! Found 1 Fakes in  2 checked .part.met\n"}));
    served.Write("FAKES.DAT", kOtherRecord);
    EXPECT_EQ(Cli({"update"}),
              (Result{0, "", newer + "Download finished! New " + home.File("FAKES.DAT") + " written...\n"}));
    EXPECT_EQ(home.Read("FAKES.DAT") + Ini("Internet", "FakesDatVersion"), kOtherRecord + "12");
    server.stop();
    thread.join();
}

TEST_F(CliTest, MarkUnmarkAndExportTellByExitStatusAndMarksShowInTheCheck) {
    const std::string h1 = ToUpperAscii(Hash(0x10)), other(32, 'E');
    const std::string uber = "\xC3\x9C" "berraschung.avi";
    struct Step { Args args; int code; std::string errHas; };
    for (const Step& s : std::vector<Step>{
             {{"mark", "001.part", "--reason", "Surprise, renamed"}, 0, "Marked as fake in MYFAKES.DAT: " + uber},
             {{"mark", "001.part.met", "--reason", "Surprise, renamed"}, 0, "Marked"},  // once in the list
             {{"mark", other, "--reason", "by hash", "--size", "99"}, 0, "Marked"},
             {{"mark", "009.part", "--reason", "x"}, 2, "no such .part.met in " + temp.path()},
             {{"mark", "../001.part", "--reason", "x"}, 2, "a hash of 32 hex digits"},
             {{"mark", "001.part"}, 2, "--reason"},
             {{"unmark", std::string(32, 'd')}, 1, "does not name"},
             {{"export", home.File("no-dir/x.dat")}, 2, "Could not write " + home.File("no-dir/x.dat") + ": No such file or directory."}}) {
        const Result r = Cli(s.args);
        EXPECT_EQ(r.code, s.code) << s.args[0] << " " << s.args[1] << ": " << r.err;
        EXPECT_NE(r.err.find(s.errHas), std::string::npos) << r.err;
    }
    const std::string own = h1 + ",5368709120,Surprise, renamed\r\n" + other + ",99,by hash\r\n";
    EXPECT_EQ(home.Read("MYFAKES.DAT"), own);
    EXPECT_EQ(Cli({"export", "--own"}), (Result{0, own, ""}));
    // The check names whose judgement it is; FAKES.DAT rows stay as they were.
    EXPECT_EQ(Cli({"check", "--no-all"}).out,
              kHead + "001.part\t" + uber + "\t[mine] Surprise, renamed\n" + kFakeRow);
    EXPECT_EQ(Cli({"export", "-"}).out, h1 + ",5368709120,Surprise, renamed\r\n" + ToUpperAscii(Hash(0x20)) +
                                            ",734003200,Fake, trailer only\r\n");
    ScopedTempDir shared;
    EXPECT_EQ(Cli({"export", "--own", shared.File("FAKES.DAT")}).code, 0);
    EXPECT_EQ(shared.Read("FAKES.DAT"), own);

    EXPECT_EQ(Cli({"unmark", "001.part"}).code, 0);
    EXPECT_EQ(Cli({"unmark", other}).code, 0);
    EXPECT_EQ(Cli({"unmark", other}).code, 1);
    EXPECT_EQ(Cli({"export", "--own"}), (Result{1, "", "Your own fake list MYFAKES.DAT holds no record yet.\n"}));
    EXPECT_EQ(home.Read("MYFAKES.DAT"), "");
    RemoveFile(home.File("MYFAKES.DAT"));
}

TEST_F(CliTest, CheckWarnsWhenItsListsCanFindNothing) {
    const std::string warned = "Warning: " + home.File("FAKES.DAT");
    struct Case { std::string list, warning; };
    for (const Case& c : std::vector<Case>{
             {"", warned + " is empty; no download can be found as a fake with it.\n"},
             {"\xFF\xFE" + std::string("0\0" "0\0", 4), warned + " is a UTF-16 text, not a list of lines in single bytes; "
                                                        "no download can be found as a fake with it.\n"},
             {"no records here\r\n", "Warning: the loaded fake lists hold no record; no download can be found as a fake.\n"},
             {kOtherRecord, ""},
             // A list past the first MiB is judged by its start like any other.
             {[] { std::string big; while (big.size() < (3u << 20)) big += kOtherRecord; return big; }(), ""}}) {
        home.Write("FAKES.DAT", c.list);
        const Result r = Cli({"check", "--no-all"});
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.err.substr(0, c.warning.size()), c.warning) << r.err;
        EXPECT_EQ(r.err.find("Warning") != std::string::npos, !c.warning.empty()) << r.err;
    }
}

}  // namespace
}  // namespace kv::test
