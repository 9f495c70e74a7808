#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <array>
#include <filesystem>

#include "PartMetBuilder.h"
#include "RecordingView.h"
#include "TempDir.h"
#include "partmet/PartMetReader.h"
#include "partmet/PrefImport.h"
#include "partmet/TextSearch.h"
#include "settings/IniFile.h"

using namespace kv;
using namespace std::string_literals;
using Strings = std::vector<std::string>;

namespace {

const std::string kTerm = "\x03\x07\x00"s, kHead = "Partname\tFilename";

// A pref.met as eDonkey leaves it: binary tags around "temp!", one length byte, the path, 03 07 00.
std::string PrefMet(const std::string& marker, const std::string& path) {
    return "\x14\x02\x04\x00nick\x05\x00" "Alice\x02\x05\x00"s + marker + static_cast<char>(path.size()) + path +
           kTerm + "\x00\x10\x27\x02\x08\x00incoming\x06\x00/in/ok"s;
}

std::string Download(const std::string& name, uint8_t seed, int nameCopies = 1) {
    test::PartMetLayout meta;
    meta.name = name, meta.nameCopies = nameCopies, meta.hash = test::SequentialHash(seed), meta.size = 734003200;
    return test::BuildPartMet(meta);
}

struct Fixture {
    test::ScopedTempDir home;
    AppState state;
    test::RecordingView view;
    Fixture() { state.programDir = home.path(), state.gIniFile = home.File("Kestrivane.ini"); }
    std::string Ini(std::string s, std::string k) { return ReadIniString(s, k, "<missing>", 4000, state.gIniFile); }
    void Menu(const std::string& client, const std::string& path = "", int filter = 0) {
        if (!path.empty()) view.choices.push_back(FileChoice{true, path, filter});
        ImportClientPrefs(state, view, client);
    }
    bool Import(const std::string& path) { return ImportClientPrefsFile(state, view, path); }
    std::string Put(const std::string& name, const std::string& bytes) {
        WriteIniString("eDonkey", "TempPath", home.File("temp"), state.gIniFile);
        return home.Write("temp/" + name, bytes);
    }
    SearchSummary Search(const std::string& text) { return cbTitelSearch_Click(state, view, text); }
};

}  // namespace

TEST(ReadPrefMetTempPath, CutsFromTheFirstMarkerToTheTerminator) {
    test::ScopedTempDir dir;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {PrefMet("temp!", "/srv/edonkey/temp"), "/srv/edonkey/temp"},
        {PrefMet("TEMP!", "/home/j\xC3\xBCrgen/t"), "/home/j\xC3\xBCrgen/t"},
        {PrefMet("Temp!", "/first") + PrefMet("temp!", "/second"), "/first"},
        {"\x02\x05\x00temp!\x04/abc\x02\x01\x00more"s + kTerm + "tail", "/abc\x02\x01\x00more"s},  // later field
        // No marker, terminator or value: nothing, never bytes from the file's start.
        {"", ""}, {"abcdefgh/path" + kTerm, ""}, {"\x02\x05\x00temp!\x04/abc"s, ""},
        {"xxtemp!", ""}, {"xxtemp!\x01", ""}, {"temp!\x00"s + kTerm, ""},
    };
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(ReadPrefMetTempPath(dir.Write(std::to_string(i), cases[i].first)), cases[i].second) << i;
    EXPECT_EQ(ReadPrefMetTempPath(dir.File("missing.met")) + ReadPrefMetTempPath(dir.path()), "");
}

TEST(ImportClientPrefs, DialogPresetsAndTheRememberedFilterEntry) {
    Fixture f;
    f.Menu("eMule", f.home.Write("c/amule.conf", "[eMule]\nTempDir=/t\n"), 2);
    f.Menu("eDonkey");   // cancelled; it has no third entry, so it opens on the first
    f.Menu("eMule");     // and the eMule dialog still finds its own
    f.Menu("Shareaza");  // no dialog
    const auto& r = f.view.chooserRequests;
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ((std::array{r[0].filterIndex, r[1].filterIndex, r[2].filterIndex}), (std::array{0, 0, 2}));
    using Filters = std::vector<std::pair<std::string, std::string>>;
    const std::pair<std::string, std::string> all{"All Files (*.*)", "*.*"};
    EXPECT_EQ(r[1].filters, (Filters{{"eDonkey pref.met-File (pref.met)", "pref.met"}, all}));
    EXPECT_EQ(r[0].filters, (Filters{{"eMule preferences.ini-File (preferences.ini)", "preferences.ini"}, all,
                                     {"aMule amule.conf-File (amule.conf)", "amule.conf"}}));
    EXPECT_EQ((Strings{r[1].title, r[0].title, r[1].initialFileName, r[0].initialFileName, r[1].initialDir,
                       r[0].initialDir}),
              (Strings{"Search for eDonkey-PREF.MET-File", "Search for eMule-Preferences.INI-File", "pref.met",
                       "preferences.ini", f.home.path(), f.home.path()}));
}

TEST(ImportClientPrefs, FailuresKeepTheWorkingSettings) {
    Fixture f;
    const std::string before = "; mine\r\n[eDonkey]\r\nTempPath=/good\r\n[eMule]\r\nTempDir=/kept\r\n";
    f.home.Write("Kestrivane.ini", before);
    f.Menu("eDonkey");  // cancelled
    f.Menu("eMule");
    for (const std::string name : {"Pref.met", "PREF.MET", "xpref.met", "Preferences.ini", "preferences.ini.bak",
                                   "AMULE.CONF", "amule.conf~", "notes.txt"}) {
        const std::string path = f.home.Write("other/" + name, PrefMet("temp!", "/c") + "\n[eMule]\nTempDir=/c\n");
        f.Menu("eMule", path, 1);
        EXPECT_FALSE(f.Import(path)) << name;
    }
    EXPECT_FALSE(f.Import("") || f.Import(f.home.path() + "/"));
    EXPECT_EQ(f.home.Read("Kestrivane.ini"), before);

    f.view.busy = true;
    f.Menu("eDonkey", f.home.File("gone/pref.met"));  // typed by name, not there
    EXPECT_EQ(f.Ini("eDonkey", "PrefMetPath"), f.home.File("gone"));
    EXPECT_FALSE(f.Import(f.home.Write("a/pref.met", "no such entry" + kTerm)));
    EXPECT_FALSE(f.Import(f.home.Write("m/preferences.ini", "[Other]\nTempDir=/wrong\n[eMule]\nTempDir=\n")));
    EXPECT_FALSE(f.Import(f.home.File("n/preferences.ini")));
    EXPECT_FALSE(f.Import(f.home.Write("o/amule.conf", "[eMule]\nNick=a\n")));
    Strings boxes(2, "box:16:Kestrivane:Error: No 'temp!' entry in pref.met found!");
    boxes.resize(5, "box:16:Kestrivane:Error: No '[eMule] TempDir=' in preferences.ini found!");
    EXPECT_EQ(f.view.LogWith("box:"), boxes);
    EXPECT_EQ(f.view.log[f.view.log.size() - 2], "busy:0");  // the pointer reset before the box
    EXPECT_EQ((Strings{f.Ini("eDonkey", "TempPath"), f.Ini("eMule", "TempDir")}), (Strings{"/good", "/kept"}));
    EXPECT_TRUE(f.view.statusHistory.empty());

    // At the root of the file system the directory is stored without its separator (the root's "C:").
    if (std::filesystem::exists("/pref.met")) GTEST_SKIP() << "/pref.met exists here";
    f.Menu("eDonkey", "/pref.met");
    EXPECT_EQ(f.Ini("eDonkey", "PrefMetPath"), "");
    EXPECT_EQ(f.Ini("eDonkey", "TempPath"), "/good");
}

TEST(ImportClientPrefs, EitherMenuEntryImportsWhatTheFileNameSays) {
    std::string longDir = "/", utf16 = "\xFF\xFE", amule = "[eMule]\nAppVersion=2.3.3\nNick=http://www.aMule.org\n";
    while (longDir.size() < 2600) longDir += "abcdefghij/";
    for (char c : "[eMule]\r\nAppVersion=0.50a\r\nTempDir=C:\\J\xFCrgen\\Temp\r\n"s) utf16 += c + "\0"s;
    for (int i = 0; i < 40; ++i) amule += "Key" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    amule += "TempDir=/home/user/.aMule/Temp\n[Proxy]\nProxyPort=1080\n[Statistics]\nTempDir=/not/this/one\n";
    const std::string utf8Dir = "C:\\J\xC3\xBCrgen\\Temp";
    const std::vector<std::array<std::string, 4>> cases = {
        {"eMule", "eDonkey2000/pref.met", PrefMet("temp!", "/data/ed/temp"), "/data/ed/temp"},
        {"eDonkey", "eMule cfg/preferences.ini", "[eMule]\r\nTempDir=" + longDir + "\r\n", longDir.substr(0, 2000)},
        {"eMule", ".aMule/amule.conf", amule, "/home/user/.aMule/Temp"},
        {"eDonkey", "u8/preferences.ini", "\xEF\xBB\xBF[eMule]\r\nNick=J\xC3\xBCrgen\r\nTempDir=" + utf8Dir, utf8Dir},
        {"eMule", "u16/preferences.ini", utf16, utf8Dir},
        {"eMule", "plain/amule.conf", "[eMule]\nTempDir=/j\xC3\xBCrgen/Temp\n", "/j\xC3\xBCrgen/Temp"},
    };
    const auto ok = [](std::string file, std::string keys) {
        return file + " successfully opened, " + keys + " written to KESTRIVANE.INI";
    };
    for (const auto& [menu, name, bytes, temp] : cases) {
        Fixture f;
        f.Menu(menu, f.home.Write(name, bytes), 1);
        const bool met = name.ends_with("pref.met");
        const std::string section = met ? "eDonkey" : "eMule", dir = f.home.File(name.substr(0, name.find('/')));
        EXPECT_EQ(f.Ini(section, met ? "TempPath" : "TempDir"), temp) << name;
        EXPECT_EQ(f.Ini(section, met ? "PrefMetPath" : "PreferencesIniPath"), dir);
        EXPECT_EQ(f.Ini(met ? "eMule" : "eDonkey", met ? "TempDir" : "TempPath"), "<missing>");
        EXPECT_EQ(f.view.status, met ? ok("eDonkey PREF.MET", "'PrefMetPath' and 'TempPath'")
                                     : ok(name.ends_with("amule.conf") ? "aMule AMULE.CONF" : "eMule PREFERENCES.INI",
                                          "'PreferencesIniPath' and 'TempDir'"));
        EXPECT_EQ(f.view.statusColour, "0");
    }
}

TEST(TextSearch, FindsTextAnywhereInEveryMetFileWithoutRegardToCase) {
    Fixture f;
    f.Put("001.part.met", Download("movie.avi", 0x10, 2));  // aMule's doubled name tag: shown once
    f.Put("003.part.met", Download("Another.AVI.Movie.mkv", 0x30) + test::TagString(0xF6, "comment: xyzzy rocks"));
    f.Put("004.part.met", "\x0E\x01\x02XYZZY free text");  // no name pattern: an empty name
    f.Put("BACKUP.MET", Download("x.avi", 0x50)), f.Put("known.met", Download("y.Avi", 0x60));
    f.Put("005.part.met.bak", Download("z.avi", 0x70)), f.Put("notes.txt", Download("w.avi", 0x80));
    f.state.gListHoldsCheckRows = true;

    EXPECT_TRUE(f.Search("AVI").ran);
    EXPECT_EQ(f.view.rows, (Strings{kHead, " ", "001.part\tmovie.avi", "003.part\tAnother.AVI.Movie.mkv",
                                    "BACKUP\tx.avi", "known\ty.Avi"}));
    EXPECT_EQ(f.view.status + "|" + f.view.statusColour, "Finished! Found 4 part.met-File with Text 'AVI'|0");
    EXPECT_FALSE(f.state.gListHoldsCheckRows);  // the link export must not pair these rows with check results
    EXPECT_EQ(f.view.horizontalExtent, 7 * 30 + 200);  // the widest row, 7 pixels a character
    EXPECT_TRUE(f.view.repaints == 1 && f.view.LogWith("disable:").empty());

    f.Search("Xyzzy");
    EXPECT_EQ(f.view.rows, (Strings{kHead, " ", "003.part\tAnother.AVI.Movie.mkv", "004.part\t"}));
    f.Search("\x11\x12\x13");  // hash bytes
    EXPECT_EQ(f.view.rows, (Strings{kHead, " ", "001.part\tmovie.avi"}));
}

TEST(TextSearch, EmptyTextSkipsUnreadableFilesAndStopsWithoutTempDir) {
    Fixture f;
    f.Put("002.part.met", "");
    EXPECT_TRUE(f.Search("").ran);
    EXPECT_EQ(f.view.rows, (Strings{kHead, " "}));
    EXPECT_EQ(f.view.horizontalExtent, 200);

    f.Put("001.part.met", Download("a.avi", 1));
    std::filesystem::create_directories(f.home.File("temp/dir.met"));
    std::filesystem::resize_file(f.Put("big.met", ""), kMaxPartMetBytes + 1);  // sparse; refused unread
    if (::geteuid() != 0) ::chmod(f.Put("locked.met", Download("secret.avi", 2)).c_str(), 0);  // root reads all
    f.Put("zzz.part.met", Download("b.avi", 3));
    EXPECT_EQ(f.Search("").hits.size(), 2u);
    EXPECT_EQ(f.view.rows, (Strings{kHead, " ", "001.part\ta.avi", "zzz.part\tb.avi"}));
    EXPECT_EQ(f.view.status, "Finished! Found 2 part.met-File with Text ''");

    std::filesystem::remove(f.state.gIniFile);
    f.view = test::RecordingView();
    f.view.rows = {"stale"};
    EXPECT_FALSE(f.Search("avi").ran);
    EXPECT_TRUE(f.view.rows.empty());  // cleared, and the older listing not walked
    EXPECT_EQ(f.view.LogWith("box:16:").size(), 1u);
    for (const auto& text : f.view.statusHistory) EXPECT_EQ(text.find("Finished!"), std::string::npos) << text;
}
