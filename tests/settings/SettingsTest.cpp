#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>
#include <vector>

#include "RecordingView.h"
#include "TempDir.h"
#include "settings/IniFile.h"
#include "settings/Paths.h"
#include "settings/ViewSwitches.h"

namespace kv {
namespace {

using test::ScopedTempDir;
namespace fs = std::filesystem;

std::string Get(const std::string& file, const std::string& section, const std::string& key, int size = 50) {
    return ReadIniString(section, key, "<d>", static_cast<int16_t>(size), file);
}

TEST(IniRead, CaseBlanksQuotesCommentsDuplicatesAndSizeCuts) {
    ScopedTempDir dir;
    const std::string file = dir.Write("a.ini",
        "[Tabs]\r\n; c=1\r\n#Hidden=1\r\nTabStop1=  60  \r\n\tTabStop2 =\t355\t\r\n"
        "Quoted=\"  in  \"\r\nSingle='x'\r\nOdd=\"abc'\r\nLonely=\"\r\nEmpty=\r\nUrl=http://h/p?a=b&c==\r\n"
        "k=first\r\nk=second\r\nLong=abcdefgh\r\n[B]\nonly=b\n[tabs]\nlate=x\n");
    struct Case { const char *section, *key, *expected; int size = 50; };
    for (const Case& c : std::vector<Case>{
        {"tabs", "TABSTOP1", "60"}, {"TABS", "tabstop2", "355"}, {"Tabs", "Quoted", "  in  "}, {"B", "only", "b"},
        {"Tabs", "Odd", "\"abc'"}, {"Tabs", "Lonely", "\""}, {"Tabs", "Empty", ""}, {"Tabs", "#Hidden", "<d>"},
        {"Tabs", "Url", "http://h/p?a=b&c=="}, {"Tabs", "; c", "<d>"}, {"Tabs", "k", "first"}, {"Tabs", "no", "<d", 2},
        {"Tabs", "late", "<d>"}, {"Tabs", "only", "<d>"}, {"Other", "TabStop1", "<d>"}, {"Tabs", "Long", "abc", 3},
        {"Tabs", "Long", "abcdefgh", 8}, {"Tabs", "Long", "", 0}, {"Tabs", "Long", "", -5}, {"Tabs", "Single", "x"}})
        EXPECT_EQ(Get(file, c.section, c.key, c.size), c.expected) << c.section << "/" << c.key << "/" << c.size;
    EXPECT_EQ(Get(dir.File("none.ini"), "Tabs", "TabStop1"), "<d>");
    EXPECT_FALSE(fs::exists(dir.File("none.ini")));
}

TEST(IniRead, Utf16FilesWithEitherByteOrderReadAsUtf8) {
    ScopedTempDir dir;
    for (bool little : {true, false}) {
        std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
        for (char16_t c : std::u16string(u"[General]\r\nx=1\r\n[eMule]\r\nTempDir=/home/\u00e9/\U0001F600\r\n"))
            bytes += little ? std::string{char(c & 0xFF), char(c >> 8)} : std::string{char(c >> 8), char(c & 0xFF)};
        const std::string file = dir.Write("u16.ini", bytes);
        EXPECT_EQ(Get(file, "General", "x") + Get(file, "emule", "tempdir"), "1/home/\xC3\xA9/\xF0\x9F\x98\x80");
    }
}

TEST(IniWrite, ReplacesInPlaceAppendsKeysAndSectionsKeepsOtherBytesAndCutsAtLineBreaks) {
    ScopedTempDir dir;
    const std::string lf = dir.Write("lf.ini", "; note\n[Tabs]\n  TabStop1  =  60  \nno equals\nTabStop2=355\n\n\n"
                                               "[Search]\nLastSearchString=avi\n");
    WriteIniString("TABS", "tabstop1", "90", lf);
    WriteIniString("Tabs", "TabStop3", "7", lf);
    WriteIniString("Display", "ShowAllPartMet", "NO", lf);
    EXPECT_EQ(dir.Read("lf.ini"), "; note\n[Tabs]\n  TabStop1  =90\nno equals\nTabStop2=355\nTabStop3=7\n\n\n"
                                  "[Search]\nLastSearchString=avi\n[Display]\nShowAllPartMet=NO\n");
    // Each line keeps its own ending and the UTF-8 mark stays; a missing last ending is added.
    const std::string crlf = dir.Write("crlf.ini", "\xEF\xBB\xBF[A]\r\nx=1\nq=2\r\n[B]\r\ny=2");
    WriteIniString("B", "z", "3", crlf);
    WriteIniString("A", "x", "9", crlf);
    WriteIniString("a", "w", "0", crlf);
    EXPECT_EQ(dir.Read("crlf.ini"), "\xEF\xBB\xBF[A]\r\nx=9\nq=2\r\nw=0\r\n[B]\r\ny=2\r\nz=3\r\n");
    const std::string file = dir.File("new.ini");
    WriteIniString("Display", "ShowTextSearch", "YES", file);
    WriteIniString("Search", "Last", "avi\r\n[Internet]\r\nUrl=http://evil", file);
    WriteIniString("display", "Third", "x\ry", file);
    WriteIniString("Search", "Other", "one\ntwo", file);
    EXPECT_EQ(dir.Read("new.ini"),
              "[Display]\r\nShowTextSearch=YES\r\nThird=x\r\n[Search]\r\nLast=avi\r\nOther=one\r\n");
}

TEST(IniWrite, FailedWritesKeepTheOldFileAndEnsureFillsEmptyKeys) {
    ScopedTempDir dir;
    const std::string old = "[A]\r\nx=old\r\nEmpty=\r\nBlank=  \r\n";
    const std::string file = dir.Write("a.ini", old);
    ::signal(SIGXFSZ, SIG_IGN);  // a disk that fills up while the new content is written out
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const rlimit full{20, saved.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
    WriteIniString("A", "x", std::string(200, 'n'), file);
    const std::string ensured = EnsureIniString("A", "Empty", "fallback", 50, file);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(dir.Read("a.ini"), old);
    EXPECT_EQ(ensured, "fallback");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1);  // no leftovers
    EXPECT_EQ(EnsureIniString("A", "Empty", "60", 50, file), "60");
    EXPECT_EQ(EnsureIniString("A", "Blank", "355", 50, file), "355");
    EXPECT_EQ(EnsureIniString("A", "x", "zzz", 50, file), "old");
    EXPECT_EQ(dir.Read("a.ini"), "[A]\r\nx=old\r\nEmpty=60\r\nBlank=355\r\n");
    EXPECT_EQ(EnsureIniString("A", "x", "defghi", 3, dir.File("no/dir/a.ini")), "def");
    EXPECT_FALSE(fs::exists(dir.File("no")));
}

TEST(Paths, JoinPathAndProgramDirectoryRule) {
    EXPECT_EQ(JoinPath("/", "/FAKES.DAT") + "|" + JoinPath("/prog", "F") + "|" + JoinPath("", "F") + "|" +
                  JoinPath("/prog/", "/F"), "/FAKES.DAT|/prog/F|/F|/prog/F");
    ScopedTempDir dir;
    const std::string gone = dir.File("gone"), xdg = dir.File("data"), home = dir.File("home");
    EXPECT_EQ(ResolveProgramDirectory(dir.path(), gone, xdg, home), dir.path());
    EXPECT_EQ(ResolveProgramDirectory("", dir.path(), xdg, home), dir.path());
    EXPECT_EQ(ResolveProgramDirectory("", gone, xdg, home), xdg + "/kestrivane");
    EXPECT_EQ(ResolveProgramDirectory("", gone, "", home), home + "/.local/share/kestrivane");
    EXPECT_TRUE(fs::is_directory(xdg + "/kestrivane") && fs::is_directory(home + "/.local/share/kestrivane"));
}

std::string DisplayIni(const std::string& w) {
    return "[Display]\r\nShowTextSearch=" + w + "\r\nShowAllPartMet=" + w + "\r\n";
}

struct Switches {
    ScopedTempDir dir;
    AppState state;
    test::RecordingView view;
    Switches(const std::string& word, bool ticked, const char* name = "Kestrivane.ini") {
        state.gIniFile = word.empty() ? dir.File(name) : dir.Write(name, DisplayIni(word));
        view.textSearchChecked = view.allFilesChecked = ticked;  // the search controls start visible
        gfShowTextSearch(state, view);
        gfShowAllPartMet(state, view);
    }
    int Shown() const { return view.textSearchChecked + view.searchControlsVisible + view.allFilesChecked; }
    void ClickBoth() { ViewTextSearch_Click(state, view), ViewAllFiles_Click(state, view); }
};

TEST(ViewSwitches, StoredWordDecidesTheTicksAndEachClickFlipsAppliesAndStores) {
    for (const auto& [word, on] :
         std::vector<std::pair<std::string, int>>{{"", 1}, {"NO", 0}, {"maybe", 0}, {"yes", 1}}) {
        Switches s(word, !on);
        EXPECT_EQ(s.Shown(), 3 * on) << word;
        EXPECT_EQ(s.dir.Read("Kestrivane.ini"), DisplayIni(word.empty() ? "YES" : word));
        s.ClickBoth();
        EXPECT_EQ(s.Shown(), 3 * !on) << word;
        EXPECT_EQ(s.dir.Read("Kestrivane.ini"), DisplayIni(on ? "NO" : "YES"));
    }
    Switches u("", false, "missing/Kestrivane.ini");  // unwritable: the ticks and values stay in step
    EXPECT_EQ(u.Shown(), 3);
    u.ClickBoth();
    EXPECT_EQ(u.Shown(), 0);
}

}  // namespace
}  // namespace kv
