#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>

#include "RecordingView.h"
#include "TempDir.h"
#include "partmet/PrefImport.h"
#include "partmet/TempDir.h"
#include "settings/IniFile.h"
#include "settings/Paths.h"

using namespace kv;

namespace {

const std::string kEDonkeyOk =
    "eDonkey PREF.MET successfully opened, 'PrefMetPath' and 'TempPath' written to KESTRIVANE.INI";
const std::string kEMuleOk =
    "eMule PREFERENCES.INI successfully opened, 'PreferencesIniPath' and 'TempDir' written to KESTRIVANE.INI";
const std::string kAMuleOk =
    "aMule AMULE.CONF successfully opened, 'PreferencesIniPath' and 'TempDir' written to KESTRIVANE.INI";
const std::string kNoTempBox = "Error: No 'temp!' entry in pref.met found!";
const std::string kNoTempDirBox = "Error: No '[eMule] TempDir=' in preferences.ini found!";
const std::string kTerm("\x03\x07\x00", 3);

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

// A pref.met as eDonkey leaves it: binary tags around a "temp!" entry whose
// value (after one length byte) ends at 03 07 00, the start of the next tag.
std::string PrefMet(const std::string& marker, const std::string& path) {
    std::string bytes = Bytes({0x14, 0x09, 0x00, 0x00, 0x00, 0x02, 0x04, 0x00}) + "nick" + Bytes({0x05, 0x00}) + "Alice";
    bytes += Bytes({0x02, 0x05, 0x00}) + marker + static_cast<char>(path.size()) + path;
    bytes += kTerm + Bytes({0x00, 0x10, 0x27, 0x00, 0x00, 0x02, 0x08, 0x00}) + "incoming" + Bytes({0x06, 0x00}) + "/in/ok";
    return bytes;
}

struct Fixture {
    test::ScopedTempDir home;
    AppState state;
    test::RecordingView view;
    Fixture() {
        state.programDir = home.path();
        state.gIniFile = JoinPath(home.path(), "Kestrivane.ini");
    }
    std::string Ini(const std::string& section, const std::string& key) const {
        return ReadIniString(section, key, "<missing>", 4000, state.gIniFile);
    }
    void Choose(const std::string& path, int filterIndex = 0) {
        view.choices.push_back(FileChoice{true, path, filterIndex});
    }
};

}  // namespace

TEST(ReadPrefMetTempPath, CutsBetweenMarkerAndTerminator) {
    test::ScopedTempDir dir;
    EXPECT_EQ(ReadPrefMetTempPath(dir.Write("a", PrefMet("temp!", "/srv/edonkey/temp"))), "/srv/edonkey/temp");
    // The marker is found in any letter case.
    EXPECT_EQ(ReadPrefMetTempPath(dir.Write("b", PrefMet("TEMP!", "/x/Temp"))), "/x/Temp");
    EXPECT_EQ(ReadPrefMetTempPath(dir.Write("c", PrefMet("Temp!", "/y"))), "/y");

    // Only the first marker counts.
    EXPECT_EQ(ReadPrefMetTempPath(dir.Write("d", PrefMet("temp!", "/first") + PrefMet("temp!", "/second"))),
              "/first");

    // Without a terminator right after the value, the path runs on to the first
    // 03 07 00 in a later field.
    const std::string later = std::string("\x02\x05\x00temp!\x04", 9) + "/abc" + std::string("\x02\x01\x00", 3) +
                              "more" + kTerm + "tail";
    EXPECT_EQ(ReadPrefMetTempPath(dir.Write("e", later)), std::string("/abc\x02\x01\x00more", 11));

    // Bytes that are not ASCII pass through unchanged.
    EXPECT_EQ(ReadPrefMetTempPath(dir.Write("f", PrefMet("temp!", "/home/j\xC3\xBCrgen/t"))),
              "/home/j\xC3\xBCrgen/t");
}

TEST(ReadPrefMetTempPath, GivesEmptyWhenMarkerTerminatorOrFileIsMissing) {
    test::ScopedTempDir dir;
    EXPECT_EQ(ReadPrefMetTempPath(dir.File("missing.met")), "");
    EXPECT_EQ(ReadPrefMetTempPath(dir.Write("empty", "")), "");
    // No marker: nothing may be cut from the start of the file.
    EXPECT_EQ(ReadPrefMetTempPath(dir.Write("nomark", "abcdefgh/path" + kTerm)), "");
    EXPECT_EQ(ReadPrefMetTempPath(dir.Write("noterm", std::string("\x02\x05\x00temp!\x04/abc", 13))), "");
    // Marker at the very end, with or without the character after it.
    EXPECT_EQ(ReadPrefMetTempPath(dir.Write("end1", "xxtemp!")), "");
    EXPECT_EQ(ReadPrefMetTempPath(dir.Write("end2", "xxtemp!\x01")), "");
    // The terminator directly after the marker's extra character: no path.
    EXPECT_EQ(ReadPrefMetTempPath(dir.Write("emptyval", "temp!" + Bytes({0x00}) + kTerm)), "");
    // A directory is no pref.met.
    EXPECT_EQ(ReadPrefMetTempPath(dir.path()), "");
}

TEST(ImportClientPrefs, DialogPresetsPerClient) {
    Fixture f;
    f.state.nFilterIndex = 0;
    ImportClientPrefs(f.state, f.view, "eDonkey");
    ImportClientPrefs(f.state, f.view, "eMule");
    ImportClientPrefs(f.state, f.view, "Shareaza");  // no dialog for unknown clients
    ASSERT_EQ(f.view.chooserRequests.size(), 2u);

    const FileChooserRequest& ed = f.view.chooserRequests[0];
    EXPECT_EQ(ed.title, "Search for eDonkey-PREF.MET-File");
    ASSERT_EQ(ed.filters.size(), 2u);
    EXPECT_EQ(ed.filters[0], (std::pair<std::string, std::string>{"eDonkey pref.met-File (pref.met)", "pref.met"}));
    EXPECT_EQ(ed.filters[1], (std::pair<std::string, std::string>{"All Files (*.*)", "*.*"}));
    EXPECT_EQ(ed.initialFileName, "pref.met");
    EXPECT_EQ(ed.initialDir, f.home.path());
    EXPECT_EQ(ed.filterIndex, 0);

    const FileChooserRequest& em = f.view.chooserRequests[1];
    EXPECT_EQ(em.title, "Search for eMule-Preferences.INI-File");
    ASSERT_EQ(em.filters.size(), 3u);
    EXPECT_EQ(em.filters[0], (std::pair<std::string, std::string>{"eMule preferences.ini-File (preferences.ini)",
                                                                  "preferences.ini"}));
    EXPECT_EQ(em.filters[1], (std::pair<std::string, std::string>{"All Files (*.*)", "*.*"}));
    EXPECT_EQ(em.filters[2],
              (std::pair<std::string, std::string>{"aMule amule.conf-File (amule.conf)", "amule.conf"}));
    EXPECT_EQ(em.initialFileName, "preferences.ini");
    EXPECT_EQ(em.initialDir, f.home.path());

    // Cancels write nothing and show nothing.
    EXPECT_FALSE(std::filesystem::exists(f.state.gIniFile));
    EXPECT_TRUE(f.view.boxes.empty());
    EXPECT_TRUE(f.view.statusHistory.empty());
}

TEST(ImportClientPrefs, RemembersTheFilterEntryChosenLastTime) {
    Fixture f;
    const std::string prefs = f.home.Write("client/preferences.ini", "[eMule]\nTempDir=/t\n");
    f.Choose(prefs, 1);
    ImportClientPrefs(f.state, f.view, "eMule");
    EXPECT_EQ(f.state.nFilterIndex, 1);

    ImportClientPrefs(f.state, f.view, "eDonkey");  // cancelled: the entry stays
    EXPECT_EQ(f.state.nFilterIndex, 1);

    f.Choose(f.home.Write("client/amule.conf", "[eMule]\nTempDir=/t\n"), 2);
    ImportClientPrefs(f.state, f.view, "eMule");
    EXPECT_EQ(f.state.nFilterIndex, 2);

    // The eDonkey dialog has no third entry: it opens on the first, and the
    // eMule dialog still finds its own afterwards.
    ImportClientPrefs(f.state, f.view, "eDonkey");
    ImportClientPrefs(f.state, f.view, "eMule");

    ASSERT_EQ(f.view.chooserRequests.size(), 5u);
    EXPECT_EQ(f.view.chooserRequests[0].filterIndex, 0);
    EXPECT_EQ(f.view.chooserRequests[1].filterIndex, 1);
    EXPECT_EQ(f.view.chooserRequests[2].filterIndex, 1);
    EXPECT_EQ(f.view.chooserRequests[3].filterIndex, 0);
    EXPECT_EQ(f.view.chooserRequests[4].filterIndex, 2);
}

TEST(ImportClientPrefs, BranchFollowsTheFileNameNotTheMenuEntry) {
    Fixture f;
    const std::string donkeyDir = JoinPath(f.home.path(), "eDonkey2000");
    const std::string muleDir = JoinPath(f.home.path(), "eMule config");
    const std::string prefMet = f.home.Write("eDonkey2000/pref.met", PrefMet("temp!", "/data/ed/temp"));
    const std::string prefsIni =
        f.home.Write("eMule config/preferences.ini", "[eMule]\r\nNick=x\r\nTempDir=/data/emule/Temp\r\n");

    // pref.met through "Open eMule" (with "All Files" chosen).
    f.Choose(prefMet, 1);
    ImportClientPrefs(f.state, f.view, "eMule");
    EXPECT_EQ(f.Ini("eDonkey", "PrefMetPath"), donkeyDir);
    EXPECT_EQ(f.Ini("eDonkey", "TempPath"), "/data/ed/temp");
    EXPECT_EQ(f.Ini("eMule", "TempDir"), "<missing>");
    EXPECT_EQ(f.view.status, kEDonkeyOk);
    EXPECT_EQ(f.view.statusColour, "0");

    // preferences.ini through "Open eDonkey".
    f.Choose(prefsIni, 1);
    ImportClientPrefs(f.state, f.view, "eDonkey");
    EXPECT_EQ(f.Ini("eMule", "PreferencesIniPath"), muleDir);
    EXPECT_EQ(f.Ini("eMule", "TempDir"), "/data/emule/Temp");
    EXPECT_EQ(f.view.status, kEMuleOk);
    EXPECT_EQ(f.Ini("eDonkey", "TempPath"), "/data/ed/temp");  // untouched

    // And each through its own entry.
    f.Choose(JoinPath(muleDir, "preferences.ini"));
    ImportClientPrefs(f.state, f.view, "eMule");
    EXPECT_EQ(f.view.status, kEMuleOk);
    f.Choose(prefMet);
    ImportClientPrefs(f.state, f.view, "eDonkey");
    EXPECT_EQ(f.view.status, kEDonkeyOk);

    EXPECT_TRUE(f.view.boxes.empty());
    EXPECT_EQ(f.view.statusHistory.size(), 4u);
}

TEST(ImportClientPrefs, PrefMetWithoutTempEntryKeepsTheWorkingSetting) {
    Fixture f;
    WriteIniString("eDonkey", "TempPath", "/good/temp", f.state.gIniFile);

    // A pref.met typed by name that does not exist.
    const std::string typed = JoinPath(JoinPath(f.home.path(), "gone"), "pref.met");
    f.Choose(typed);
    ImportClientPrefs(f.state, f.view, "eDonkey");
    ASSERT_EQ(f.view.boxes.size(), 1u);
    EXPECT_EQ(f.view.boxes[0].text, kNoTempBox);
    EXPECT_EQ(f.view.boxes[0].style, kMbCritical);
    EXPECT_EQ(f.view.boxes[0].title, "Kestrivane");
    EXPECT_EQ(f.Ini("eDonkey", "TempPath"), "/good/temp");
    EXPECT_EQ(f.Ini("eDonkey", "PrefMetPath"), JoinPath(f.home.path(), "gone"));
    EXPECT_TRUE(f.view.statusHistory.empty());

    // A pref.met without any marker, and one with a marker but no terminator.
    EXPECT_FALSE(ImportClientPrefsFile(f.state, f.view, f.home.Write("a/pref.met", "no such entry" + kTerm)));
    EXPECT_FALSE(ImportClientPrefsFile(f.state, f.view, f.home.Write("b/pref.met", "xxtemp!\x05/half")));
    EXPECT_EQ(f.view.boxes.size(), 3u);
    EXPECT_EQ(f.view.boxes.back().text, kNoTempBox);
    EXPECT_EQ(f.Ini("eDonkey", "TempPath"), "/good/temp");
    EXPECT_FALSE(f.view.busy);

    // A sound one still replaces it.
    EXPECT_TRUE(ImportClientPrefsFile(f.state, f.view, f.home.Write("c/pref.met", PrefMet("temp!", "/new"))));
    EXPECT_EQ(f.Ini("eDonkey", "TempPath"), "/new");
}

TEST(ImportClientPrefs, FileAtTheRootStoresAnEmptyDirectory) {
    // Only read: a missing /pref.met also shows the directory rule, with the
    // error box for its missing entry. Nothing is written to "/".
    if (std::filesystem::exists("/pref.met")) GTEST_SKIP() << "/pref.met exists on this machine";
    Fixture f;
    EXPECT_FALSE(ImportClientPrefsFile(f.state, f.view, "/pref.met"));
    const std::string ini = f.home.Read("Kestrivane.ini");
    EXPECT_NE(ini.find("PrefMetPath="), std::string::npos) << ini;
    EXPECT_EQ(f.Ini("eDonkey", "PrefMetPath"), "");
    ASSERT_EQ(f.view.boxes.size(), 1u);
    EXPECT_EQ(f.view.boxes[0].text, kNoTempBox);
    EXPECT_EQ(f.Ini("eDonkey", "TempPath"), "<missing>");
}

TEST(ImportClientPrefs, PreferencesIniWithoutTempDirShowsTheBox) {
    Fixture f;
    WriteIniString("eMule", "TempDir", "/kept", f.state.gIniFile);
    f.view.busy = true;

    // TempDir only in another section, and empty in [eMule].
    const std::string ini = f.home.Write("m/preferences.ini", "[Other]\nTempDir=/wrong\n[eMule]\nTempDir=\n");
    EXPECT_FALSE(ImportClientPrefsFile(f.state, f.view, ini));
    EXPECT_FALSE(f.view.busy);
    ASSERT_EQ(f.view.boxes.size(), 1u);
    EXPECT_EQ(f.view.boxes[0].text, kNoTempDirBox);
    EXPECT_EQ(f.view.boxes[0].style, kMbCritical);
    EXPECT_EQ(f.view.boxes[0].title, "Kestrivane");
    // The pointer reset comes before the box.
    const auto& log = f.view.log;
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 1].rfind("box:", 0), 0u);
    EXPECT_EQ(log[log.size() - 2], "busy:0");

    EXPECT_EQ(f.Ini("eMule", "PreferencesIniPath"), JoinPath(f.home.path(), "m"));
    EXPECT_EQ(f.Ini("eMule", "TempDir"), "/kept");
    EXPECT_TRUE(f.view.statusHistory.empty());

    // A missing preferences.ini and amule.conf read as empty: the same box.
    EXPECT_FALSE(ImportClientPrefsFile(f.state, f.view, f.home.File("n/preferences.ini")));
    EXPECT_FALSE(ImportClientPrefsFile(f.state, f.view, f.home.Write("o/amule.conf", "[eMule]\nNick=a\n")));
    EXPECT_EQ(f.view.boxes.size(), 3u);
    EXPECT_EQ(f.view.boxes[2].text, kNoTempDirBox);
    EXPECT_EQ(f.Ini("eMule", "TempDir"), "/kept");
}

TEST(ImportClientPrefs, LongTempDirIsCutTo2000Characters) {
    Fixture f;
    std::string longDir = "/";
    while (longDir.size() < 2600) longDir += "abcdefghij/";
    const std::string ini = f.home.Write("preferences.ini", "[eMule]\nTempDir=" + longDir + "\n");
    EXPECT_TRUE(ImportClientPrefsFile(f.state, f.view, ini));
    EXPECT_EQ(f.Ini("eMule", "TempDir"), longDir.substr(0, 2000));
}

TEST(ImportClientPrefs, AmuleConfAsAmuleWritesIt) {
    Fixture f;
    std::string conf =
        "[eMule]\nAppVersion=2.3.3\nNick=http://www.aMule.org\nQueueSizePref=50\nMaxUpload=0\n"
        "MaxDownload=0\nSlotAllocation=2\nPort=4662\nUDPPort=4672\nUDPEnable=1\nAddress=\n"
        "Autoconnect=1\nMaxSourcesPerFile=300\nMaxConnections=500\nMaxConnectionsPerFiveSeconds=20\n"
        "RemoveDeadServer=1\nDeadServerRetry=3\nServerKeepAliveTimeout=0\nReconnect=1\nScoring=1\n"
        "AddServersFromServer=0\nAddServersFromClient=0\nSafeServerConnect=0\nAutoConnectStaticOnly=0\n"
        "SmartIdCheck=1\nConnectToKad=1\nConnectToED2K=1\nTempDir=/home/user/.aMule/Temp\n"
        "IncomingDir=/home/user/.aMule/Incoming\nICH=1\nAICHTrust=0\nCheckDiskspace=1\n"
        "MinFreeDiskSpace=1\nAddNewFilesPaused=0\nPreviewPrio=0\nStartNextFile=0\n"
        "StartNextFileSameCat=0\nStartNextFileAlpha=0\nFileBufferSizePref=16\nDAPPref=1\n"
        "UAPPref=1\nAllocateFullFile=0\nOSDirectory=/home/user/.aMule/\nOnlineSignature=0\n"
        "OnlineSignatureUpdate=5\nEnableTrayIcon=0\nMinToTray=0\nConfirmExit=1\nStartupMinimized=0\n"
        "3DDepth=10\nToolTipDelay=1\nShowOverhead=0\nShowInfoOnCatTabs=1\nVerticalToolbar=0\n"
        "GeoIPEnabled=1\nShowVersionOnTitle=0\nVideoPlayer=\nStatGraphsInterval=3\n"
        "statsInterval=30\nDownloadCapacity=300\nUploadCapacity=100\nStatColor0=14732872\n"
        "[Browser]\nOpenPageInTab=1\nCustomBrowserString=\n"
        "[Proxy]\nProxyEnableProxy=0\nProxyType=0\nProxyName=\nProxyPort=1080\n"
        "[ExternalConnect]\nUseSrcSeeds=0\nAcceptExternalConnections=0\nECAddress=\nECPort=4712\n"
        "[WebServer]\nEnabled=0\nPassword=\nPort=4711\n"
        "[Razor_Preferences]\nFastED2KLinksHandler=1\n"
        "[SkinGUIOptions]\nSkin=\n"
        "[Statistics]\nMaxClientVersions=0\nTempDir=/not/this/one\n";
    const std::string path = f.home.Write(".aMule/amule.conf", conf);
    f.Choose(path, 2);
    ImportClientPrefs(f.state, f.view, "eMule");
    EXPECT_EQ(f.Ini("eMule", "TempDir"), "/home/user/.aMule/Temp");
    EXPECT_EQ(f.Ini("eMule", "PreferencesIniPath"), JoinPath(f.home.path(), ".aMule"));
    EXPECT_EQ(f.view.status, kAMuleOk);
    EXPECT_TRUE(f.view.boxes.empty());
}

TEST(ImportClientPrefs, ReadsUtf8AndUtf16PreferencesWithByteOrderMark) {
    const std::string dirUtf8 = "C:\\Users\\J\xC3\xBCrgen\\Downloads\\Temp";  // as eMule on Windows writes it
    {
        Fixture f;
        const std::string bytes = "\xEF\xBB\xBF[eMule]\r\nNick=J\xC3\xBCrgen\r\nTempDir=" + dirUtf8 + "\r\n";
        EXPECT_TRUE(ImportClientPrefsFile(f.state, f.view, f.home.Write("u8/preferences.ini", bytes)));
        EXPECT_EQ(f.Ini("eMule", "TempDir"), dirUtf8);
    }
    {
        Fixture f;
        // UTF-16 LE with its mark; the text is ASCII except for the u-umlaut (U+00FC).
        const std::string text = "[eMule]\r\nAppVersion=0.50a\r\nTempDir=C:\\Users\\J\xFC" "rgen\\Downloads\\Temp\r\n";
        std::string bytes = "\xFF\xFE";
        for (unsigned char c : text) {
            bytes += static_cast<char>(c);
            bytes += '\0';
        }
        EXPECT_TRUE(ImportClientPrefsFile(f.state, f.view, f.home.Write("u16/preferences.ini", bytes)));
        EXPECT_EQ(f.Ini("eMule", "TempDir"), dirUtf8);
        EXPECT_EQ(f.view.status, kEMuleOk);
    }
    {
        Fixture f;  // UTF-8 without a mark: bytes as written
        const std::string bytes = "[eMule]\nTempDir=/home/j\xC3\xBCrgen/.aMule/Temp\n";
        EXPECT_TRUE(ImportClientPrefsFile(f.state, f.view, f.home.Write("plain/amule.conf", bytes)));
        EXPECT_EQ(f.Ini("eMule", "TempDir"), "/home/j\xC3\xBCrgen/.aMule/Temp");
    }
}

TEST(ImportClientPrefs, EDonkeyValueWinsOverEMuleValueAfterwards) {
    Fixture f;
    const std::string emuleTemp = JoinPath(f.home.path(), "emule-temp");
    const std::string edonkeyTemp = JoinPath(f.home.path(), "edonkey-temp");
    std::filesystem::create_directories(emuleTemp);
    std::filesystem::create_directories(edonkeyTemp);

    EXPECT_TRUE(ImportClientPrefsFile(f.state, f.view,
                                      f.home.Write("m/preferences.ini", "[eMule]\nTempDir=" + emuleTemp + "\n")));
    ResolveTempDir(f.state, f.view);
    EXPECT_TRUE(f.state.gfTempDirOK);
    EXPECT_EQ(f.state.gTempDir, emuleTemp);

    EXPECT_TRUE(ImportClientPrefsFile(f.state, f.view, f.home.Write("d/pref.met", PrefMet("temp!", edonkeyTemp))));
    ResolveTempDir(f.state, f.view);
    EXPECT_EQ(f.state.gTempDir, edonkeyTemp);

    // A later eMule import does not displace the eDonkey value.
    EXPECT_TRUE(ImportClientPrefsFile(f.state, f.view,
                                      f.home.Write("m/preferences.ini", "[eMule]\nTempDir=" + emuleTemp + "\n")));
    ResolveTempDir(f.state, f.view);
    EXPECT_EQ(f.state.gTempDir, edonkeyTemp);
}

TEST(ImportClientPrefs, CancelAndOtherNamesChangeNothing) {
    Fixture f;
    const std::string before = "; mine\r\n[eDonkey]\r\nTempPath=/a\r\n[eMule]\r\nTempDir=/b\r\n";
    f.home.Write("Kestrivane.ini", before);

    ImportClientPrefs(f.state, f.view, "eDonkey");  // cancelled (no answer queued)
    ImportClientPrefs(f.state, f.view, "eMule");

    // Names that differ from the three in any way, even in letter case.
    const std::string holder = "[eMule]\nTempDir=/c\n";
    for (const std::string name : {"Pref.met", "PREF.MET", "notes.txt", "Preferences.ini", "preferences.ini.bak",
                                   "amule.conf~", "AMULE.CONF", "xpref.met"}) {
        const std::string path = f.home.Write("other/" + name, name.find("met") != std::string::npos
                                                                   ? PrefMet("temp!", "/c")
                                                                   : holder);
        f.Choose(path, 1);
        ImportClientPrefs(f.state, f.view, "eMule");
        EXPECT_FALSE(ImportClientPrefsFile(f.state, f.view, path)) << name;
    }
    EXPECT_FALSE(ImportClientPrefsFile(f.state, f.view, ""));
    EXPECT_FALSE(ImportClientPrefsFile(f.state, f.view, f.home.path() + "/"));

    EXPECT_EQ(f.home.Read("Kestrivane.ini"), before);
    EXPECT_TRUE(f.view.boxes.empty());
    EXPECT_TRUE(f.view.statusHistory.empty());
}
