#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "PartMetBuilder.h"
#include "RecordingView.h"
#include "TempDir.h"
#include "common/StringUtil.h"
#include "partmet/CheckRun.h"
#include "partmet/PartMetReader.h"
#include "partmet/TextSearch.h"
#include "settings/IniFile.h"
#include "settings/Paths.h"

using namespace kv;

namespace {

std::string Download(const std::string& name, uint8_t seed, std::vector<std::string> extraTags = {}) {
    test::PartMetLayout meta;
    meta.name = name;
    meta.hash = test::SequentialHash(seed);
    meta.size = 734003200;
    meta.extraTags = std::move(extraTags);
    return test::BuildPartMet(meta);
}

// A program directory whose settings point at its "temp" subdirectory.
struct SearchFixture {
    test::ScopedTempDir home;
    AppState state;
    test::RecordingView view;
    std::string temp;
    SearchFixture() {
        state.programDir = home.path();
        state.gIniFile = JoinPath(home.path(), "Kestrivane.ini");
        temp = JoinPath(home.path(), "temp");
        std::filesystem::create_directories(temp);
        WriteIniString("eDonkey", "TempPath", temp, state.gIniFile);
    }
    void Put(const std::string& name, const std::string& bytes) { home.Write("temp/" + name, bytes); }
    std::string Status(int hits, const std::string& text) const {
        return "Finished! Found " + std::to_string(hits) + " part.met-File with Text '" + text + "'";
    }
};

const std::string kHead = std::string("Partname") + TAB + "Filename";

}  // namespace

TEST(TextSearch, IgnoresLetterCaseAndListsOnlyHits) {
    SearchFixture f;
    f.Put("001.part.met", Download("movie.avi", 0x10));
    f.Put("002.part.met", Download("song.mp3", 0x20));
    f.Put("003.part.met", Download("Another.AVI.Movie.mkv", 0x30));
    f.state.gListHoldsCheckRows = true;
    f.view.rows = {"old row"};

    const SearchSummary summary = cbTitelSearch_Click(f.state, f.view, "AVI");
    EXPECT_TRUE(summary.ran);
    const std::vector<std::string> expected = {kHead, " ", "001.part" + std::string(1, TAB) + "movie.avi",
                                               "003.part" + std::string(1, TAB) + "Another.AVI.Movie.mkv"};
    EXPECT_EQ(f.view.rows, expected);
    ASSERT_EQ(summary.hits.size(), 2u);
    EXPECT_EQ(summary.hits[0].part, "001.part");
    EXPECT_EQ(summary.hits[0].name, "movie.avi");
    EXPECT_EQ(summary.hits[1].name, "Another.AVI.Movie.mkv");
    EXPECT_EQ(f.view.status, f.Status(2, "AVI"));
    EXPECT_EQ(f.view.statusColour, "0");
    EXPECT_FALSE(f.state.gListHoldsCheckRows);

    // The extent follows the widest row (7 pixels a character in the fake view).
    EXPECT_EQ(f.view.horizontalExtent, RoundHalfEven32(7.0 * expected[3].size() + 200));
    // One repaint at the end; no command is disabled while searching.
    EXPECT_EQ(f.view.repaints, 1);
    EXPECT_TRUE(f.view.LogWith("disable:").empty());
    EXPECT_TRUE(f.view.boxes.empty());
}

TEST(TextSearch, FindsTextOutsideTheNameAndInBinaryBytes) {
    SearchFixture f;
    // Hash bytes 0x41.. read as "ABCD...".
    f.Put("001.part.met", Download("holiday.mpg", 0x41, {test::TagString(0xF6, "comment: xyzzy rocks")}));
    f.Put("002.part.met", Download("other.mpg", 0x10));
    // A file without the name pattern: listed with an empty name.
    f.Put("003.part.met", std::string("\x0E\x01\x02", 3) + "XYZZY free text");

    SearchSummary summary = cbTitelSearch_Click(f.state, f.view, "Xyzzy");
    ASSERT_EQ(summary.hits.size(), 2u);
    EXPECT_EQ(f.view.rows[2], "001.part" + std::string(1, TAB) + "holiday.mpg");
    EXPECT_EQ(f.view.rows[3], "003.part" + std::string(1, TAB));
    EXPECT_EQ(summary.hits[1].name, "");

    // A hit among the hash bytes is still shown with the download's name.
    summary = cbTitelSearch_Click(f.state, f.view, "cdEF");
    ASSERT_EQ(summary.hits.size(), 1u);
    EXPECT_EQ(summary.hits[0].name, "holiday.mpg");
    summary = cbTitelSearch_Click(f.state, f.view, std::string("\x11\x12\x13", 3));
    ASSERT_EQ(summary.hits.size(), 1u);
    EXPECT_EQ(summary.hits[0].name, "other.mpg");
    summary = cbTitelSearch_Click(f.state, f.view, std::string("\x03\x01\x00", 3) + "x");
    EXPECT_EQ(summary.hits.size(), 0u);
    EXPECT_EQ(f.view.rows.size(), 2u);
}

TEST(TextSearch, EmptyTextMatchesEveryFileWithContentAndCountsStaySingular) {
    SearchFixture f;
    SearchSummary summary = cbTitelSearch_Click(f.state, f.view, "");
    EXPECT_TRUE(summary.ran);
    EXPECT_EQ(f.view.rows, (std::vector<std::string>{kHead, " "}));
    EXPECT_EQ(f.view.status, f.Status(0, ""));
    EXPECT_EQ(f.view.horizontalExtent, 200);

    f.Put("001.part.met", Download("a.avi", 1));
    f.Put("002.part.met", "");  // nothing to find in
    cbTitelSearch_Click(f.state, f.view, "");
    EXPECT_EQ(f.view.status, f.Status(1, ""));

    f.Put("003.part.met", Download("b.avi", 2));
    summary = cbTitelSearch_Click(f.state, f.view, "");
    EXPECT_EQ(summary.hits.size(), 2u);
    EXPECT_EQ(f.view.status, f.Status(2, ""));
    EXPECT_EQ(f.view.rows.size(), 4u);  // replaced, not appended to
}

TEST(TextSearch, SearchesEveryMetFileWhateverItsName) {
    SearchFixture f;
    f.Put("001.part.met", Download("x1.avi", 1));
    f.Put("known.met", Download("x2.avi", 2));
    f.Put("BACKUP.MET", Download("x3.avi", 3));
    f.Put("004.part.met.bak", Download("x4.avi", 4));
    f.Put("notes.txt", Download("x5.avi", 5));

    const SearchSummary summary = cbTitelSearch_Click(f.state, f.view, ".avi");
    std::vector<std::string> parts;
    for (const auto& hit : summary.hits) parts.push_back(hit.part);
    std::sort(parts.begin(), parts.end());
    EXPECT_EQ(parts, (std::vector<std::string>{"001.part", "BACKUP", "known"}));
}

TEST(TextSearch, SkipsFilesThatCannotBeRead) {
    SearchFixture f;
    f.Put("001.part.met", Download("a.avi", 1));
    std::filesystem::create_directories(JoinPath(f.temp, "dir.met"));
    // Larger than any .part.met: refused before reading (sparse, takes no space).
    {
        const std::string big = JoinPath(f.temp, "big.met");
        f.Put("big.met", "");
        std::filesystem::resize_file(big, kMaxPartMetBytes + 1);
    }
    if (::geteuid() != 0) {  // root reads any file
        f.Put("locked.met", Download("secret.avi", 2));
        ::chmod(JoinPath(f.temp, "locked.met").c_str(), 0);
    }
    f.Put("zzz.part.met", Download("b.avi", 3));

    const SearchSummary summary = cbTitelSearch_Click(f.state, f.view, "");
    ASSERT_EQ(summary.hits.size(), 2u);
    EXPECT_EQ(summary.hits[0].name, "a.avi");
    EXPECT_EQ(summary.hits[1].name, "b.avi");  // not the previous file's name
    EXPECT_EQ(f.view.status, f.Status(2, ""));
}

TEST(TextSearch, StopsWithoutTempDirectory) {
    SearchFixture f;
    f.Put("001.part.met", Download("a.avi", 1));
    cbTitelSearch_Click(f.state, f.view, "avi");  // fills fbFiles once
    ASSERT_EQ(f.view.rows.size(), 3u);

    std::filesystem::remove(f.state.gIniFile);
    test::RecordingView view;
    view.rows = {"stale"};
    const SearchSummary summary = cbTitelSearch_Click(f.state, view, "avi");
    EXPECT_FALSE(summary.ran);
    EXPECT_TRUE(summary.hits.empty());
    EXPECT_TRUE(view.rows.empty());  // cleared, and the older listing not walked
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].style, kMbCritical);
    for (const auto& text : view.statusHistory) EXPECT_EQ(text.find("Finished!"), std::string::npos) << text;
}

TEST(TextSearch, OverrideDirectoryReplacesTheSettings) {
    SearchFixture f;
    test::ScopedTempDir other;
    other.Write("007.part.met", Download("elsewhere.avi", 7));
    f.Put("001.part.met", Download("here.avi", 1));
    const SearchSummary summary = cbTitelSearch_Click(f.state, f.view, "avi", other.path());
    ASSERT_EQ(summary.hits.size(), 1u);
    EXPECT_EQ(summary.hits[0].name, "elsewhere.avi");
}

TEST(TextSearch, NamesMatchTheCheckRun) {
    SearchFixture f;
    test::PartMetLayout amule;  // aMule writes the name tag twice
    amule.name = "Doubled Name (2006).avi";
    amule.nameCopies = 2;
    amule.size = 1234567;
    amule.hash = test::SequentialHash(0x90);
    f.Put("001.part.met", test::BuildPartMet(amule));
    test::PartMetLayout bom;  // eMule marks a non-ASCII name
    bom.name = "Caf\xC3\xA9 del Mar.mp3";
    bom.nameBom = true;
    bom.size = 4000;
    bom.hash = test::SequentialHash(0xA0);
    f.Put("002.part.met", test::BuildPartMet(bom));
    test::PartMetLayout old;
    old.name = "old edonkey, file.mpg";
    old.size = 99999;
    old.hash = test::SequentialHash(0xB0);
    f.Put("003.part.met", test::BuildOldEdonkeyPartMet(old, false));
    f.Put("004.part.met", Download("plain.avi", 0xC0));

    const SearchSummary search = cbTitelSearch_Click(f.state, f.view, "");
    const std::string fakes = f.home.Write("FAKES.DAT", "");
    test::RecordingView checkView;
    CheckOptions options;
    options.fakesFile = fakes;
    options.showAll = true;
    const CheckSummary check = cbCheckFiles_Click(f.state, checkView, options);

    ASSERT_EQ(search.hits.size(), 4u);
    ASSERT_EQ(check.listed.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(search.hits[i].part, check.listed[i].part);
        EXPECT_EQ(search.hits[i].name, check.listed[i].name);
    }
    EXPECT_NE(search.hits[0].name.find("Doubled Name (2006).avi"), std::string::npos);
    EXPECT_NE(search.hits[1].name.find("Caf\xC3\xA9 del Mar.mp3"), std::string::npos);
    EXPECT_EQ(search.hits[3].name, "plain.avi");
}
