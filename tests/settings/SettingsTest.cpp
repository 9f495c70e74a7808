#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "TempDir.h"
#include "common/Paths.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

namespace kv {
namespace {

using test::ScopedTempDir;

// The values of keys in section, each cut to size and followed by '|'; "<d>" (cut too) where a key is missing.
std::string Get(const std::string& file, const char* section, const std::vector<const char*>& keys, int size = 50) {
    std::string got;
    for (const char* key : keys) got += ReadIniString(section, key, "<d>", int16_t(size), file) + "|";
    return got;
}

TEST(IniFile, ReadRulesUtf16AndWritesKeepingOtherBytes) {
    ScopedTempDir dir;
    const std::string file = dir.Write("a.ini", "[Tabs]\r\n; c=1\r\n\tT1 =\t 60 \r\nQ=\"  in  \"\r\nOne='x'\r\n"
                                                "Odd=\"abc'\r\nU=a=b=\r\nk=1\r\nk=2\r\n[B]\nb=1\n[tabs]\nlate=x\n");
    EXPECT_EQ(Get(file, "TABS", {"t1", "Q", "One", "Odd", "U", "k", "late", "; c", "b"}),
              "60|  in  |x|\"abc'|a=b=|1|<d>|<d>|<d>|");
    EXPECT_EQ(Get(file, "tabs", {"U", "no"}, 2) + Get(file, "Tabs", {"k"}, -5), "a=|<d||");
    EXPECT_EQ(Get(dir.File("none.ini"), "Tabs", {"k"}), "<d>|");  // and not created: see the count at the end
    for (bool little : {true, false}) {  // either byte order, values returned as UTF-8
        std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
        for (char16_t c : std::u16string(u"[eMule]\r\nTempDir=/home/\u00e9/\U0001F600\r\n"))
            bytes += little ? std::string{char(c & 0xFF), char(c >> 8)} : std::string{char(c >> 8), char(c & 0xFF)};
        EXPECT_EQ(Get(dir.Write("a.ini", bytes), "emule", {"tempdir"}), "/home/\xC3\xA9/\xF0\x9F\x98\x80|");
    }
    // Writes: in place, at the end of the section or in a new section at the end, up to a line break. Each line keeps
    // its own ending, new ones take the first line's; the UTF-8 mark stays; a missing last ending is added.
    dir.Write("a.ini", "\xEF\xBB\xBF; note\n[Tabs]\n  T1  =  60  \r\nno equals\nEmpty=\n\n\n[Search]\nLast=avi");
    WriteIniString("TABS", "t1", "90\r\n[Internet]\r\nUrl=http://evil", file);
    WriteIniString("Tabs", "TabStop3", "7\nx", file);
    WriteIniString("Display", "ShowAllPartMet", "NO", file);
    EXPECT_EQ(EnsureIniString("tabs", "Empty", "60", 50, file) + EnsureIniString("Tabs", "T1", "8", 50, file), "6090");
    EXPECT_EQ(dir.Read("a.ini"), "\xEF\xBB\xBF; note\n[Tabs]\n  T1  =90\r\nno equals\nEmpty=60\nTabStop3=7\n\n\n"
                                 "[Search]\nLast=avi\n[Display]\nShowAllPartMet=NO\n");
    // A failed write (a full disk) keeps the old file: shown with the list update's writes.
    EXPECT_TRUE(WriteIniString("A", "x", "new", dir.File("new.ini")));
    EXPECT_EQ(dir.Read("new.ini"), "[A]\r\nx=new\r\n");
    // No leftovers: the two files and the writers' lock file, which stays by design.
    EXPECT_TRUE(std::filesystem::exists(dir.File(".kestrivane.lock")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
}

// A file whose last line ends in a lone CR: the value there keeps its CR when
// a key is added after it (an LF right after the CR would end the line as CR LF).
TEST(IniFile, AddingAfterALastLineEndingInALoneCrKeepsThatLine) {
    ScopedTempDir dir;
    for (const char* eol : {"\n", "\r\n"}) {
        const std::string file = dir.Write("a.ini", std::string("[A]") + eol + "x=1\r");
        ASSERT_EQ(ReadIniString("A", "x", "", 50, file), "1\r");
        ASSERT_TRUE(WriteIniString("B", "y", "2", file));
        EXPECT_EQ(ReadIniString("A", "x", "", 50, file), "1\r") << eol;
        EXPECT_EQ(ReadIniString("B", "y", "", 50, file), "2");
        EXPECT_EQ(dir.Read("a.ini"), std::string("[A]") + eol + "x=1\r\r\n[B]" + eol + "y=2" + eol);
    }
}

TEST(Paths, JoinPathAndProgramDirectoryRule) {
    EXPECT_EQ(JoinPath("/", "/F") + "|" + JoinPath("/prog", "F") + "|" + JoinPath("", "F"), "/F|/prog/F|/F");
    ScopedTempDir dir;  // beside the program when it may write there, else in the user's data directory
    EXPECT_EQ(ResolveProgramDirectory("", dir.path(), "", "/none"), dir.path());
    EXPECT_EQ(ResolveProgramDirectory("", dir.File("gone"), "", dir.path()), dir.path() + "/.local/share/kestrivane");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() + "/.local/share/kestrivane"));
}

// A yes/no value keeps its stored text: start-up reads "yes" in any case, the options dialog only "YES".
TEST(YesNo, BothReadingsAndTheStoredTextKept) {
    for (const auto& [stored, anyCase, exact, flipped] : std::vector<std::tuple<std::string, bool, bool, std::string>>{
             {"YES", true, true, "NO"}, {"yes", true, false, "NO"},
             {" YES", false, false, "YES"}, {"NO", false, false, "YES"}, {"", false, false, "YES"},
             {"YESS", false, false, "YES"}}) {
        const YesNo v(stored);
        EXPECT_EQ(v.IsYes(), anyCase) << stored;
        EXPECT_EQ(v.IsExactlyYes(), exact) << stored;
        EXPECT_EQ(v.Stored() + ">" + v.Flipped().Stored(), stored + ">" + flipped);
    }
    ScopedTempDir dir;  // the table's defaults and sizes: a missing key reads its default, a long value is cut
    const Settings s(dir.Write("k.ini", "[Tabs]\nTabStop2=" + std::string(60, '7') + "\n"));
    EXPECT_EQ(s.Read(Key::TabStop1) + "|" + s.Read(Key::TabStop2) + "|" + s.Read(Key::LastSearchString),
              "60|" + std::string(50, '7') + "|avi");
}

}  // namespace
}  // namespace kv
