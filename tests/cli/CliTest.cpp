#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>

#include "../online/LoopbackServer.h"
#include "PartMetBuilder.h"
#include "Spawn.h"
#include "common/StringUtil.h"
#include "settings/IniFile.h"

namespace kv::test {
namespace {

std::string Hash(uint8_t seed) { return HashText(SequentialHash(seed).data()); }
const std::string kHead = "Partname\tFilename\tError-Description\n \n";
const std::string kFakeRow = "002.part\tbeta, the fake.avi\tFake, trailer only\n";
const std::string kOtherRecord = "00112233445566778899aabbccddeeff,1,first record\r\n";
const std::string kUber = "\xC3\x9C" "berraschung.avi";

std::map<std::string, std::string> Snapshot(const ScopedTempDir& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path()))
        files[entry.path()] = entry.is_regular_file() ? dir.Read(entry.path().lexically_relative(dir.path())) : "<dir>";
    return files;
}

class CliTest : public CliFixture {
protected:
    std::map<std::string, std::string> tempBefore;

    void SetUp() override {
        temp.Write("001.part.met",  // over 4 GB, its name in Windows-1252 as old clients wrote it
                   BuildPartMet({.version = 0xE2, .hash = SequentialHash(0x10), .name = "\xDC" "berraschung.avi",
                                 .size = 5368709120ULL, .extraTags = {}}));
        temp.Write("002.part.met", BuildPartMet({.hash = SequentialHash(0x20), .name = "beta, the fake.avi",
                                                 .size = 734003200, .extraTags = {}}));
        home.Write("FAKES.DAT", kOtherRecord + ToUpperAscii(Hash(0x20)) + ",734003200,Fake, trailer only\r\n");
        home.Write("Kestrivane.ini", "[eMule]\nTempDir=" + temp.path() + "\n");
        tempBefore = Snapshot(temp);
    }
    // Whatever ran, the temp directory is only read and the program directory holds no more than its two files
    // (and the writers' lock).
    void TearDown() override {
        EXPECT_EQ(Snapshot(temp), tempBefore);
        for (const auto& [path, bytes] : Snapshot(home))
            EXPECT_TRUE(path == home.File("FAKES.DAT") || path == home.File("Kestrivane.ini") ||
                        path == home.File(".kestrivane.lock")) << path;
    }
    std::string Ini(std::string s, std::string k) { return ReadIniString(s, k, "", 2000, home.File("Kestrivane.ini")); }
};

TEST_F(CliTest, CheckAndSearchTellWhatTheyFoundByExitStatus) {
    const std::string h1 = Hash(0x10), h2 = Hash(0x20);
    const auto expected = nlohmann::ordered_json::array(
        {{{"part", "001.part"}, {"name", kUber}, {"size", 5368709120LL}, {"hash", h1}, {"fake", false},
          {"description", ""}, {"link", "ed2k://|file|" + kUber + "|5368709120|" + h1 + "|/"}, {"suspect", nullptr},
          {"note", nullptr}, {"allowed", false}},
         {{"part", "002.part"}, {"name", "beta, the fake.avi"}, {"size", 734003200}, {"hash", h2}, {"fake", true},
          {"description", "Fake, trailer only"}, {"link", "ed2k://|file|beta, the fake.avi|734003200|" + h2 + "|/"},
          {"suspect", nullptr}, {"note", nullptr}, {"allowed", false}}});
    // Field order and whole-number sizes count too: compared as text.
    EXPECT_EQ(nlohmann::ordered_json::parse(Run({"check", "--json"}).out).dump(), expected.dump());
    EXPECT_EQ(Run({"check", "--no-all"}),
              (Ran{1, kHead + kFakeRow, "Finished! Found 1 Fakes in  2 checked .part.met\n"}));
    home.Write("FAKES.DAT", kOtherRecord);
    EXPECT_EQ(Run({"check", "--no-all"}), (Ran{0, kHead, "Finished! Found 0 Fakes in  2 checked .part.met\n"}));
    EXPECT_EQ(Run({"search", "BERRASCHUNG"}),
              (Ran{0, "001.part\t" + kUber + "\n", "Finished! Found 1 part.met-File with Text 'BERRASCHUNG'\n"}));
    EXPECT_EQ(Run({"search", "no such text"}).code, 1);
}

// The JSON is written a download at a time: the same bytes as the whole array
// laid out at once, across many flushes of the writer, with control bytes in
// names, backups standing in, an unreadable file, and with nothing to list.
TEST_F(CliTest, StreamedJsonIsTheWholeArrayByteForByte) {
    ScopedTempDir many, empty;
    for (int i = 0; i < 400; ++i) {
        const std::string n = std::to_string(i);
        const std::string name = i % 3 ? "film " + n + ".mkv" : "ctl\x1B[31m\n\t\x7F" + n + "\xE9.avi";
        many.Write(std::string(5 - n.size(), '0') + n + (i % 7 ? ".part.met" : ".part.met.bak"),
                   BuildPartMet({.hash = SequentialHash(static_cast<uint8_t>(i)), .name = name,
                                 .size = 1000 + static_cast<uint64_t>(i), .extraTags = {}}));
    }
    many.Write("damaged.part.met", "x");
    for (const Args& args : {Args{"check", "--json", "--temp-dir", many.path()},
                             Args{"check", "--json", "--no-all", "--temp-dir", many.path()},
                             Args{"check", "--json", "--temp-dir", empty.path()}}) {
        const Ran run = Run(args);
        ASSERT_FALSE(run.out.empty()) << run.err;
        EXPECT_EQ(run.out, nlohmann::ordered_json::parse(run.out).dump(2) + "\n") << args[1];
    }
    EXPECT_EQ(nlohmann::json::parse(Run({"check", "--json", "--temp-dir", many.path()}).out).size(), 401u);
    EXPECT_EQ(Run({"check", "--json", "--temp-dir", empty.path()}).out, "[]\n");
}

// Whatever cannot run says why, and what to do instead, on standard error alone with status 2.
TEST_F(CliTest, FailuresSayWhyWithStatus2) {
    const std::string help = "Run with --help for more information.\n", h = Hash(0x10);
    for (const auto& [args, err] : std::vector<std::pair<Args, std::string>>{
             {{}, "A command is required.\n" + help},
             {{"check", "--al"}, "Unknown option '--al'; did you mean '--all'? ('kestrivane-cli check --help' lists "
                                 "the options)\n"},
             {{"mark", "001.part"}, "--reason is required.\n" + help},
             {{"check", "--temp-dir", "/etc/passwd"}, "Cannot read the temp directory /etc/passwd: Not a directory.\n"},
             {{"update", "--url", "ftp://lists.example/"}, "--url ftp://lists.example/: not an http:// or https:// "
                                                          "address.\n"},
             {{"chek"}, "Unknown command 'chek'; did you mean 'check'? ('kestrivane-cli --help' lists the commands)\n"},
             {{"frobnicate"}, "Unknown command 'frobnicate' ('kestrivane-cli --help' lists the commands)\n"},
             {{"check", "--links", "--json"}, "--links cannot be used together with --json.\n" + help},
             {{"check", "--temp-dir", temp.File("gone")}, "Temp directory " + temp.File("gone") + " not found!\n"},
             {{"mark", h, "--reason", "x"},
              "Cannot mark " + h + ": give the file's size with --size BYTES when marking a hash.\n"},
             {{"update"}, "No update address is set. There is no public fake list; the content check works without "
                          "one. To get a list, mark fakes yourself ('kestrivane-cli mark'), use a group's address "
                          "('kestrivane-cli update --url URL') or pass a list file (--fakes FILE).\n"}})
        EXPECT_EQ(Run(args), (Ran{2, "", err}));
    home.Write("Kestrivane.ini", "");
    EXPECT_EQ(Run({"search", "avi"}), (Ran{2, "", "No temp directory is set: run 'kestrivane-cli import FILE' or "
                                                  "'kestrivane-cli import --detect', or pass --temp-dir DIR.\n"}));
}

TEST_F(CliTest, ImportStoresAnAbsolutePathAndClaimsNoSuccessItDidNotStore) {
    ScopedTempDir work;
    work.Write("emule/preferences.ini", "[eMule]\r\nNick=someone\r\nTempDir=C:\\eMule\\Temp\r\n");
    Args relative = Command({"import", "./emule/../emule/preferences.ini"});
    relative.insert(relative.begin(), {"/usr/bin/env", "-C", work.path()});
    EXPECT_EQ(RunArgv(relative), (Ran{0, "", "Imported the temp directory C:\\eMule\\Temp from eMule's "
                                             "preferences.ini; it is stored in Kestrivane.ini.\n"}));
    EXPECT_EQ(Ini("eMule", "PreferencesIniPath"), work.File("emule"));
    ScopedTempDir unwritable;  // its settings file cannot be written: a directory stands in its place
    unwritable.Write("Kestrivane.ini/x", "");
    EXPECT_EQ(RunArgv({KV_CLI_PATH, "--home", unwritable.path(), "import", work.File("emule/preferences.ini")}),
              (Ran{2, "", "Could not write " + unwritable.File("Kestrivane.ini") + ".\n"}));
}

// A newer version announced, but no list behind it (a successful update is shown with its progress).
TEST_F(CliTest, ACheckWhoseUpdateFailsChecksWithTheLocalListAndExits3) {
    StaticServer server;
    const std::string url = server.BaseUrl() + "/update";
    home.Write("Kestrivane.ini", home.Read("Kestrivane.ini") + "[Internet]\nFakesDatDownloadURL=" + url + "\n");
    server.Serve("/update/Fakes.txt", "12\r\n");
    EXPECT_EQ(Run({"check", "--no-all", "--update"}),
              (Ran{3, kHead + kFakeRow,
                   "Please wait, version check is running...\nNew FAKE-DB - Version 12 available! Please download it "
                   "now...\nOpening URL...\nOnline-Check/Download not available!: The choosen URL is temporary not "
                   "available. Please try later!\nFile actually not available: " + url + "/FAKES.DAT\nUpdate failed; "
                   "checking with the local fake list.\nFinished! Found 1 Fakes in  2 checked .part.met\n"}));
}

TEST_F(CliTest, MarkUnmarkAndExportTellByExitStatusAndMarksShowInTheCheck) {
    const std::string h1 = ToUpperAscii(Hash(0x10)), other(32, 'E');
    struct Step { Args args; int code; std::string errHas; };
    for (const Step& s : std::vector<Step>{
             {{"mark", "001.part", "--reason", "Surprise, renamed"}, 0, "Marked as fake in MYFAKES.DAT: " + kUber},
             {{"mark", "001.part.met", "--reason", "Surprise, renamed"}, 0, "Marked"},  // once in the list
             {{"mark", other, "--reason", "by hash", "--size", "99"}, 0, "Marked"},
             {{"mark", "009.part", "--reason", "x"}, 2, "no such .part.met in " + temp.path()},
             {{"mark", "../001.part", "--reason", "x"}, 2, "a hash of 32 hex digits"},
             {{"unmark", std::string(32, 'd')}, 1, "does not name"},
             {{"export", home.File("no-dir/x.dat")}, 2,
              "Could not write " + home.File("no-dir/x.dat") + ": No such file or directory."}}) {
        const Ran r = Run(s.args);
        EXPECT_EQ(r.code, s.code) << s.args[0] << " " << s.args[1] << ": " << r.err;
        EXPECT_NE(r.err.find(s.errHas), std::string::npos) << r.err;
    }
    const std::string own = h1 + ",5368709120,Surprise, renamed\r\n" + other + ",99,by hash\r\n";
    // The check names whose judgement it is; FAKES.DAT rows stay as they were.
    EXPECT_EQ(Run({"check", "--no-all"}).out, kHead + "001.part\t" + kUber + "\t[mine] Surprise, renamed\n" + kFakeRow);
    // The mark counts in the link check too, and without FAKES.DAT: the own list alone is a list.
    const std::string fakes = home.Read("FAKES.DAT");
    std::filesystem::remove(home.File("FAKES.DAT"));
    const Ran links = Run({"links", "--no-all"}, "ed2k://|file|" + kUber + "|5368709120|" + Hash(0x10) + "|/\n");
    EXPECT_EQ(links.code, 1) << links.err;
    EXPECT_NE(links.out.find("\t[mine] Surprise, renamed\n"), std::string::npos) << links.out;
    EXPECT_EQ(links.err.find("No fake list loaded"), std::string::npos) << links.err;
    EXPECT_EQ(Run({"check", "--no-all", "--no-inspect"}).code, 1);
    home.Write("FAKES.DAT", fakes);
    EXPECT_EQ(Run({"export", "-"}).out, h1 + ",5368709120,Surprise, renamed\r\n" + ToUpperAscii(Hash(0x20)) +
                                            ",734003200,Fake, trailer only\r\n");
    EXPECT_EQ(Run({"export", "--own", input.File("FAKES.DAT")}).code, 0);
    EXPECT_EQ(input.Read("FAKES.DAT"), own);

    EXPECT_EQ(Run({"unmark", "001.part"}).code, 0);
    EXPECT_EQ(Run({"unmark", other}).code, 0);
    EXPECT_EQ(Run({"export", "--own"}), (Ran{1, "", "Your own fake list MYFAKES.DAT holds no record yet.\n"}));
    // Unmarked, and with no list left at all, nothing could be found.
    std::filesystem::remove(home.File("FAKES.DAT"));
    EXPECT_EQ(Run({"check", "--no-inspect"}).code, 2);
    std::filesystem::remove(home.File("MYFAKES.DAT"));
}

TEST_F(CliTest, CheckWarnsWhenItsListsCanFindNothing) {
    const std::string warned = "Warning: " + home.File("FAKES.DAT");
    const std::string found = "; no download can be found as a fake with it.\n";
    struct Case { std::string list, warning; };
    for (const Case& c : std::vector<Case>{
             {"", warned + " is empty" + found},
             {"\xFF\xFE" + std::string("0\0" "0\0", 4),
              warned + " is a UTF-16 text, not a list of lines in single bytes" + found},
             {"no records here\r\n", warned + " holds no fake list record (is it a list at all?)" + found},
             {std::string("\x7F" "ELF\x02\x01\x01\0\0\0", 10), warned + " holds no fake list record (is it a list at all?)" + found},
             // A list past the first MiB is judged by its start like any other.
             {[] { std::string big; while (big.size() < (3u << 20)) big += kOtherRecord; return big; }(), ""}}) {
        home.Write("FAKES.DAT", c.list);
        const Ran r = Run({"check", "--no-all"});
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.err.substr(0, c.warning.size()), c.warning) << r.err;
        EXPECT_EQ(r.err.find("Warning") != std::string::npos, !c.warning.empty()) << r.err;
    }
}

}  // namespace
}  // namespace kv::test

namespace kv::test {
namespace {

// No program site is built in: the version check asks nobody until the user names one, and keeps a site only
// after it answered.
TEST_F(CliTest, TheProgramVersionCheckAsksOnlyASiteTheUserNamed) {
    EXPECT_EQ(Run({"update", "--program"}),
              (Ran{2, "", "Please wait, version check is running...\nNo program site is set, so nothing was asked. Set "
                          "the site you get Kestrivane from with 'kestrivane-cli update --program --site URL'.\n"}));
    EXPECT_EQ(Run({"update", "--program", "--site", "notaurl"}),
              (Ran{2, "", "--site notaurl: not an http:// or https:// address.\n"}));
    StaticServer site;
    EXPECT_EQ(Run({"-q", "update", "--program", "--site", site.BaseUrl()}).code, 2);  // 404: not kept
    EXPECT_EQ(Ini("Internet", "KestrivaneDownloadURL"), "");
    site.Serve("/Download/KVVersion.txt", "[Kestrivane]\r\nVersion=99.0.0\r\nDisplay=99.0\r\nFileName=kv-99.deb\r\n");
    EXPECT_EQ(Run({"-q", "update", "--program", "--site", site.BaseUrl()}),
              (Ran{1, "", "Kestrivane 99.0 is out: " + site.BaseUrl() + "/Download/kv-99.deb\n"}));
    EXPECT_EQ(Run({"-q", "update", "--program"}).code, 1) << "the site answered, so it was kept";
    site.Serve("/Download/KVVersion.txt", "[Kestrivane]\r\nVersion=0.0.1\r\n");
    EXPECT_EQ(Run({"-q", "update", "--program"}), (Ran{0, "", ""}));
}

}  // namespace
}  // namespace kv::test
