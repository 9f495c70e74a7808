#include <gtest/gtest.h>

#include <filesystem>

#include "PartMetBuilder.h"
#include "RecordingView.h"
#include "TempDir.h"
#include "clients/ClientImport.h"
#include "app/presenter/MainPresenter.h"
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

std::string MetBytes(const std::string& name, uint8_t seed) {
    return test::BuildPartMet({.hash = test::SequentialHash(seed), .name = name, .size = 734003200, .extraTags = {}});
}

struct Fixture {
    test::ScopedTempDir home;
    Session session = Session::At(home.path());
    test::RecordingView view;
    MainPresenter presenter{session, view};
    std::string Ini(std::string s, std::string k) {
        return ReadIniString(s, k, "<missing>", 4000, session.settings.Path());
    }
    void Menu(const std::string& client, const std::string& path = "") {
        if (!path.empty()) view.choices.push_back(FileChoice{true, path, 1});
        presenter.ImportClient(client == "eDonkey");
    }
    std::string Put(const std::string& name, const std::string& bytes) {
        WriteIniString("eDonkey", "TempPath", home.File("temp"), session.settings.Path());
        return home.Write("temp/" + name, bytes);
    }
    Outcome<std::vector<SearchHit>> Search(const std::string& text) { return presenter.SearchTempFiles(text); }
};

}  // namespace

TEST(ImportClientPrefs, FailuresKeepTheWorkingSettings) {
    Fixture f;
    const std::string before = "; mine\r\n[eDonkey]\r\nTempPath=/good\r\n[eMule]\r\nTempDir=/kept\r\n";
    f.home.Write("Kestrivane.ini", before);
    f.Menu("eDonkey");  // cancelled
    for (const std::string name : {"Pref.met", "xpref.met", "preferences.ini.bak", "AMULE.CONF", "notes.txt"})
        f.Menu("eMule", f.home.Write("other/" + name, PrefMet("temp!", "/c") + "\n[eMule]\nTempDir=/c\n"));
    EXPECT_EQ(f.home.Read("Kestrivane.ini"), before);

    // A path that would be stored cut or trimmed, often to "", is no path: it would not read back as itself.
    const std::string paths[] = {"\r\n/evil", "\n", "   ", "\t/x", "/tmp\r\nX=1", "/x ", "/x\t", "\"/x\"", "'/x'",
                                 "/" + std::string(2000, 'a')};
    for (const std::string& path : paths) f.Menu("eDonkey", f.home.Write("p/pref.met", PrefMet("temp!", path)));
    f.Menu("eMule", f.home.Write("q/preferences.ini", "[eMule]\nTempDir=\"'/x'\"\n"));
    EXPECT_EQ(f.view.LogWith("box:").size(), std::size(paths) + 1);
    f.view.log.clear();
    f.Menu("eDonkey", f.home.Write("a/pref.met", "no such entry" + kTerm));
    f.Menu("eDonkey", f.home.Write("m/preferences.ini", "[Other]\nTempDir=/wrong\n[eMule]\nTempDir=\n"));
    EXPECT_EQ(f.view.LogWith("box:"), (Strings{"box:critical:Kestrivane:Error: No 'temp!' entry in pref.met found!",
                                               "box:critical:Kestrivane:Error: No '[eMule] TempDir=' in preferences.ini "
                                               "found!"}));
    // A file that names no temp directory leaves no trace at all, not even where it lies.
    EXPECT_EQ((Strings{f.Ini("eDonkey", "TempPath"), f.Ini("eMule", "TempDir"), f.Ini("eDonkey", "PrefMetPath"),
                       f.Ini("eMule", "PreferencesIniPath")}), (Strings{"/good", "/kept", "<missing>", "<missing>"}));
    EXPECT_TRUE(f.view.statusHistory.empty());
    // The eMule dialog remembered its third entry, which the eDonkey dialog lacks.
    f.session.importFilterIndex = 2;
    f.Menu("eDonkey");
    EXPECT_EQ(f.view.chooserRequests.back().filterIndex, 0);
}

TEST(ImportClientPrefs, EitherMenuEntryImportsWhatTheFileNameSays) {
    std::string utf16 = "\xFF\xFE";
    for (char c : "[eMule]\r\nAppVersion=0.50a\r\nTempDir=C:\\J\xFCrgen\\Temp\r\n"s) utf16 += c + "\0"s;
    const std::vector<std::array<std::string, 5>> cases = {
        {"eMule", "eDonkey2000/pref.met", PrefMet("temp!", "/data/ed/temp"), "/data/ed/temp", "eDonkey PREF.MET"},
        {"eDonkey", "cfg/preferences.ini", utf16, "C:\\J\xC3\xBCrgen\\Temp", "eMule PREFERENCES.INI"},
        {"eDonkey", ".aMule/amule.conf", "[eMule]\nTempDir=/a\n[Statistics]\nTempDir=/b\n", "/a", "aMule AMULE.CONF"}};
    for (const auto& [menu, name, bytes, temp, client] : cases) {
        Fixture f;
        f.Menu(menu, f.home.Write(name, bytes));
        const bool met = name.ends_with("pref.met");
        const std::string s = met ? "eDonkey" : "eMule", dirKey = met ? "PrefMetPath" : "PreferencesIniPath";
        EXPECT_EQ((Strings{f.Ini(s, met ? "TempPath" : "TempDir"), f.Ini(s, dirKey),
                           f.Ini(met ? "eMule" : "eDonkey", met ? "TempDir" : "TempPath"), f.view.status}),
                  (Strings{temp, f.home.File(name.substr(0, name.find('/'))), "<missing>",
                           client + " successfully opened, '" + dirKey + "' and '" + (met ? "TempPath" : "TempDir") +
                               "' written to KESTRIVANE.INI"}));
    }
}

// Which files are read is the temp directory listing's rule; here: the rows, the status and a missing setting.
TEST(TextSearch, FindsTheTextWithoutRegardToCaseInNamesAndHashesAndNeedsATempDir) {
    Fixture f;
    f.Put("001.part.met", MetBytes("movie.avi", 0x10)), f.Put("003.part.met", MetBytes("Another.mkv", 0xF0));
    f.Put("BACKUP.MET", MetBytes("x.Avi", 0x50));
    f.Search("aVI");
    EXPECT_EQ(f.view.head, kHead);
    EXPECT_EQ(f.view.rows, (Strings{"001.part\tmovie.avi", "BACKUP\tx.Avi"}));
    EXPECT_EQ(f.view.status, "Finished! Found 2 part.met-File with Text 'aVI'");
    f.Search("\xF1\xF2\xF3");  // hash bytes
    EXPECT_EQ(f.view.rows, (Strings{"003.part\tAnother.mkv"}));

    std::filesystem::remove(f.session.settings.Path());
    f.view.statusHistory.clear(), f.view.rows = {"stale"};
    EXPECT_FALSE(f.Search("avi"));
    EXPECT_TRUE(f.view.rows.empty());  // cleared, and the older listing not walked
    EXPECT_EQ(f.view.LogWith("box:critical:").size(), 1u);
    for (const auto& text : f.view.statusHistory) EXPECT_EQ(text.find("Finished!"), std::string::npos) << text;
}
