#include "settings/IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "TempDir.h"

namespace kv {
namespace {

using test::ScopedTempDir;
namespace fs = std::filesystem;

TEST(IniRead, FindsKeysWithoutRegardToCaseAndTrimsBlanksAndQuotes) {
    ScopedTempDir dir;
    const std::string file = dir.Write("a.ini",
                                       "; a comment=not a key\r\n"
                                       "[Tabs]\r\n"
                                       "TabStop1=  60  \r\n"
                                       "\tTabStop2 =\t355\t\r\n"
                                       "Quoted=\"  inner  \"\r\n"
                                       "Single='x'\r\n"
                                       "Mismatched=\"abc'\r\n"
                                       "Lonely=\"\r\n"
                                       "#Hidden=1\r\n"
                                       "Empty=\r\n"
                                       "Url=http://h/p?a=b&c==\r\n");
    EXPECT_EQ(ReadIniString("tabs", "TABSTOP1", "d", 50, file), "60");
    EXPECT_EQ(ReadIniString("TABS", "tabstop2", "d", 50, file), "355");
    EXPECT_EQ(ReadIniString("Tabs", "Quoted", "d", 50, file), "  inner  ");
    EXPECT_EQ(ReadIniString("Tabs", "Single", "d", 50, file), "x");
    EXPECT_EQ(ReadIniString("Tabs", "Url", "d", 50, file), "http://h/p?a=b&c==");
    EXPECT_EQ(ReadIniString("Tabs", "Mismatched", "d", 50, file), "\"abc'");
    EXPECT_EQ(ReadIniString("Tabs", "Lonely", "d", 50, file), "\"");
    // Comment lines are not keys, wherever they stand.
    EXPECT_EQ(ReadIniString("Tabs", "#Hidden", "d", 50, file), "d");
    EXPECT_EQ(ReadIniString("Tabs", "; a comment", "d", 50, file), "d");
    // Present but empty reads as empty, not as the default.
    EXPECT_EQ(ReadIniString("Tabs", "Empty", "d", 50, file), "");
    // Missing key, missing section, missing file: the default.
    EXPECT_EQ(ReadIniString("Tabs", "TabStop3", "dflt", 50, file), "dflt");
    EXPECT_EQ(ReadIniString("Other", "TabStop1", "dflt", 50, file), "dflt");
    EXPECT_EQ(ReadIniString("Tabs", "TabStop1", "dflt", 50, dir.File("missing.ini")), "dflt");
    EXPECT_FALSE(fs::exists(dir.File("missing.ini")));
}

TEST(IniRead, FirstDuplicateWinsAndSectionsDoNotLeak) {
    ScopedTempDir dir;
    const std::string file = dir.Write("a.ini",
                                       "[A]\n"
                                       "k=first\n"
                                       "k=second\n"
                                       "[B]\n"
                                       "only=b\n"
                                       "[a]\n"
                                       "k=third\n"
                                       "late=x\n");
    EXPECT_EQ(ReadIniString("A", "k", "", 50, file), "first");
    EXPECT_EQ(ReadIniString("A", "only", "none", 50, file), "none");
    // Keys of a later duplicate section are not seen.
    EXPECT_EQ(ReadIniString("A", "late", "none", 50, file), "none");
    EXPECT_EQ(ReadIniString("B", "only", "", 50, file), "b");
}

TEST(IniRead, CutsValueAndDefaultToSize) {
    ScopedTempDir dir;
    const std::string file = dir.Write("a.ini", "[S]\nk=abcdefgh\n");
    EXPECT_EQ(ReadIniString("S", "k", "", 3, file), "abc");
    EXPECT_EQ(ReadIniString("S", "k", "", 8, file), "abcdefgh");
    EXPECT_EQ(ReadIniString("S", "missing", "0123456789", 4, file), "0123");
    EXPECT_EQ(ReadIniString("S", "k", "", 0, file), "");
    EXPECT_EQ(ReadIniString("S", "k", "", -5, file), "");
    const std::string longValue(3000, 'u');
    WriteIniString("S", "long", longValue, file);
    EXPECT_EQ(ReadIniString("S", "long", "", 2000, file), std::string(2000, 'u'));
    // The cut is the reader's only: the file keeps the whole value.
    EXPECT_NE(dir.Read("a.ini").find(longValue), std::string::npos);
}

TEST(IniRead, ReadsByteOrderMarkedFiles) {
    ScopedTempDir dir;
    const std::string utf8 = dir.Write("u8.ini", "\xEF\xBB\xBF[eMule]\r\nTempDir=C:\\T\xC3\xA9mp\r\n");
    EXPECT_EQ(ReadIniString("eMule", "TempDir", "", 2000, utf8), "C:\\T\xC3\xA9mp");

    // UTF-16 LE with mark: "[eMule]\r\nTempDir=/home/\u00e9/\U0001F600\r\n"
    auto le = [](const std::u16string& s) {
        std::string out = "\xFF\xFE";
        for (char16_t c : s) {
            out += static_cast<char>(c & 0xFF);
            out += static_cast<char>(c >> 8);
        }
        return out;
    };
    auto be = [](const std::u16string& s) {
        std::string out = "\xFE\xFF";
        for (char16_t c : s) {
            out += static_cast<char>(c >> 8);
            out += static_cast<char>(c & 0xFF);
        }
        return out;
    };
    const std::u16string text = u"[General]\r\nx=1\r\n[eMule]\r\nTempDir=/home/\u00e9/\U0001F600\r\n";
    const std::string expected = "/home/\xC3\xA9/\xF0\x9F\x98\x80";
    EXPECT_EQ(ReadIniString("eMule", "TempDir", "", 2000, dir.Write("le.ini", le(text))), expected);
    EXPECT_EQ(ReadIniString("emule", "tempdir", "", 2000, dir.Write("be.ini", be(text))), expected);
    EXPECT_EQ(ReadIniString("General", "x", "", 50, dir.Write("le2.ini", le(text))), "1");
}

TEST(IniWrite, CreatesFileWithCrLfAndAppendsInOrderOfFirstWrite) {
    ScopedTempDir dir;
    const std::string file = dir.File("Kestrivane.ini");
    WriteIniString("Display", "ShowTextSearch", "YES", file);
    WriteIniString("Display", "ShowAllPartMet", "YES", file);
    WriteIniString("Internet", "CheckFakesDatAtStart", "NO", file);
    WriteIniString("display", "Third", "3", file);  // joins the existing section
    EXPECT_EQ(dir.Read("Kestrivane.ini"),
              "[Display]\r\nShowTextSearch=YES\r\nShowAllPartMet=YES\r\nThird=3\r\n"
              "[Internet]\r\nCheckFakesDatAtStart=NO\r\n");
}

TEST(IniWrite, ReplacesInPlaceAndKeepsEveryOtherLineByteForByte) {
    ScopedTempDir dir;
    const std::string original =
        "; settings\n"
        "[Tabs]\n"
        "  TabStop1  =  60  \n"
        "weird line without equals\n"
        "TabStop2=355\n"
        "\n"
        "\n"
        "[Search]\n"
        "LastSearchString=avi\n";
    const std::string file = dir.Write("a.ini", original);

    WriteIniString("TABS", "tabstop1", "90", file);
    EXPECT_EQ(dir.Read("a.ini"),
              "; settings\n"
              "[Tabs]\n"
              "  TabStop1  =90\n"
              "weird line without equals\n"
              "TabStop2=355\n"
              "\n"
              "\n"
              "[Search]\n"
              "LastSearchString=avi\n");

    // A new key goes after the section's last key line, before its trailing blank lines.
    WriteIniString("Tabs", "TabStop3", "7", file);
    // A new section goes to the end; the LF file stays LF.
    WriteIniString("Display", "ShowAllPartMet", "NO", file);
    EXPECT_EQ(dir.Read("a.ini"),
              "; settings\n"
              "[Tabs]\n"
              "  TabStop1  =90\n"
              "weird line without equals\n"
              "TabStop2=355\n"
              "TabStop3=7\n"
              "\n"
              "\n"
              "[Search]\n"
              "LastSearchString=avi\n"
              "[Display]\n"
              "ShowAllPartMet=NO\n");
    EXPECT_EQ(ReadIniString("Tabs", "TabStop1", "", 50, file), "90");
    EXPECT_EQ(ReadIniString("Tabs", "TabStop3", "", 50, file), "7");
}

TEST(IniWrite, KeepsCrLfMixedEndingsAndAMissingFinalLineEnding) {
    ScopedTempDir dir;
    const std::string file = dir.Write("a.ini", "[A]\r\nx=1\r\n[B]\r\ny=2");
    WriteIniString("B", "z", "3", file);
    WriteIniString("A", "w", "0", file);
    EXPECT_EQ(dir.Read("a.ini"), "[A]\r\nx=1\r\nw=0\r\n[B]\r\ny=2\r\nz=3\r\n");

    // A file whose lines end differently: untouched lines keep their own endings.
    const std::string mixed = dir.Write("m.ini", "[A]\r\nx=1\nq=2\r\n");
    WriteIniString("A", "x", "9", mixed);
    EXPECT_EQ(dir.Read("m.ini"), "[A]\r\nx=9\nq=2\r\n");
    EXPECT_EQ(ReadIniString("A", "q", "", 50, mixed), "2");

    // A UTF-8 file keeps its byte-order mark.
    const std::string bom = dir.Write("b.ini", "\xEF\xBB\xBF[A]\r\nx=1\r\n");
    WriteIniString("A", "x", "2", bom);
    EXPECT_EQ(dir.Read("b.ini"), "\xEF\xBB\xBF[A]\r\nx=2\r\n");
}

TEST(IniWrite, ValueWithLineBreakIsStoredOnlyUpToIt) {
    ScopedTempDir dir;
    const std::string file = dir.File("a.ini");
    WriteIniString("Search", "LastSearchString", "avi\r\n[Internet]\r\nFakesDatDownloadURL=http://evil", file);
    WriteIniString("Search", "Other", "one\ntwo", file);
    WriteIniString("Search", "Third", "x\ry", file);
    EXPECT_EQ(dir.Read("a.ini"), "[Search]\r\nLastSearchString=avi\r\nOther=one\r\nThird=x\r\n");
    EXPECT_EQ(ReadIniString("Internet", "FakesDatDownloadURL", "none", 100, file), "none");
}

TEST(IniWrite, ReplacesAtomicallyAndFailsSilently) {
    ScopedTempDir dir;
    const std::string file = dir.Write("a.ini", "[A]\r\nx=1\r\n");
    for (int i = 0; i < 5; ++i) WriteIniString("A", "x", std::to_string(i), file);
    // Nothing but the settings file is left beside it.
    int entries = 0;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 1);
    EXPECT_EQ(ReadIniString("A", "x", "", 50, file), "4");

    // Missing directory: nothing is created, no crash.
    const std::string nowhere = dir.File("no/such/dir/a.ini");
    WriteIniString("A", "x", "1", nowhere);
    EXPECT_FALSE(fs::exists(dir.File("no")));
    // The default stays in effect although it could not be stored.
    EXPECT_EQ(EnsureIniString("A", "x", "def", 50, nowhere), "def");
    EXPECT_EQ(EnsureIniString("A", "x", "defghi", 3, nowhere), "def");
    EXPECT_FALSE(fs::exists(dir.File("no")));

    // A read-only directory keeps the old file. Root ignores permissions, so
    // this part only means something for an ordinary user.
    if (::geteuid() != 0) {
        const std::string ro = dir.Write("ro/a.ini", "[A]\r\nx=old\r\n");
        ASSERT_EQ(::chmod(dir.File("ro").c_str(), 0555), 0);
        WriteIniString("A", "x", "new", ro);
        WriteIniString("B", "y", "new", ro);
        ::chmod(dir.File("ro").c_str(), 0755);
        EXPECT_EQ(dir.Read("ro/a.ini"), "[A]\r\nx=old\r\n");
    }
}

TEST(IniWrite, EnsureReadWritesDefaultOnlyForMissingOrEmptyKeys) {
    ScopedTempDir dir;
    const std::string file = dir.Write("a.ini", "[Tabs]\r\nTabStop1=\r\nTabStop2=  \r\nKept=abc\r\n");
    EXPECT_EQ(EnsureIniString("Tabs", "TabStop1", "60", 50, file), "60");
    EXPECT_EQ(EnsureIniString("Tabs", "TabStop2", "355", 50, file), "355");
    EXPECT_EQ(EnsureIniString("Tabs", "Kept", "zzz", 50, file), "abc");
    EXPECT_EQ(EnsureIniString("Tabs", "New", "1", 50, file), "1");
    EXPECT_EQ(dir.Read("a.ini"), "[Tabs]\r\nTabStop1=60\r\nTabStop2=355\r\nKept=abc\r\nNew=1\r\n");
}

}  // namespace
}  // namespace kv
