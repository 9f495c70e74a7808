#include "partmet/CheckRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "PartMetBuilder.h"
#include "RecordingView.h"
#include "TempDir.h"
#include "common/StringUtil.h"
#include "fakedb/FakeList.h"
#include "partmet/TempDir.h"

namespace kv {
namespace {

using test::BuildPartMet;
using test::PartMetLayout;
using test::RecordingView;
using test::ScopedTempDir;
using test::SequentialHash;

const std::string kHead = "Partname\tFilename\tError-Description";

std::string HashOf(uint8_t seed) { return HashText(SequentialHash(seed).data()); }

class CheckRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.programDir = home.path();
        state.gIniFile = home.File("Kestrivane.ini");
        state.gVersionText = "Kestrivane Version 1.0.0";
        tempDir = home.File("temp");
        std::filesystem::create_directories(tempDir);
    }

    void Settings(const std::string& showAll, const std::string& extra = "") {
        home.Write("Kestrivane.ini",
                   "[eMule]\r\nTempDir=" + tempDir + "\r\n" + extra + "[Display]\r\nShowAllPartMet=" + showAll + "\r\n");
    }

    std::string AddPart(const std::string& fileName, uint8_t seed, const std::string& name, uint64_t size) {
        PartMetLayout meta;
        meta.hash = SequentialHash(seed);
        meta.name = name;
        meta.size = size;
        meta.partHashCount = 1;
        return home.Write("temp/" + fileName, BuildPartMet(meta));
    }

    // Three downloads; the second is a listed fake.
    void ThreeDownloads() {
        AddPart("001.part.met", 0x01, "first.avi", 1000);
        AddPart("002.part.met", 0x02, "second, fake.avi", 734003200);
        AddPart("003.part.met", 0x03, "third.mkv", 5368709120ull);
        home.Write("FAKES.DAT", HashOf(0x77) + ",1,other\r\n" + HashOf(0x02) + ",734003200,Fake film (German)\r\n");
    }

    ScopedTempDir home;
    std::string tempDir;
    AppState state;
    RecordingView view;
};

TEST_F(CheckRunTest, ListsOnlyFakesWhenAllFilesIsOff) {
    ThreeDownloads();
    Settings("NO");
    const CheckSummary summary = cbCheckFiles_Click(state, view);

    ASSERT_EQ(view.rows.size(), 3u);
    EXPECT_EQ(view.rows[0], kHead);
    EXPECT_EQ(view.rows[1], " ");
    EXPECT_EQ(view.rows[2], "002.part\tsecond, fake.avi\tFake film (German)");
    ASSERT_EQ(state.gResultRecords.size(), 1u);
    EXPECT_EQ(state.gResultRecords[0], "002.part\tsecond, fake.avi\t" + HashOf(0x02) + "\tFake film (German)\t734003200\t");
    EXPECT_EQ(view.status, "Finished! Found 1 Fakes in  3 checked .part.met");
    EXPECT_EQ(view.statusColour, "0");
    EXPECT_TRUE(summary.ran);
    EXPECT_EQ(summary.found, 1);
    EXPECT_EQ(summary.checked, 3);
    ASSERT_EQ(summary.listed.size(), 1u);
    EXPECT_TRUE(summary.listed[0].fake);
    EXPECT_EQ(summary.listed[0].size, 734003200);
    EXPECT_FALSE(view.allFilesChecked);
    EXPECT_TRUE(state.gListHoldsCheckRows);
    EXPECT_EQ(view.caption, "Kestrivane Version 1.0.0 / Total  2 Fakes in DB");
    // Widest measured row (7 pixels a character in the fake view) plus 500.
    EXPECT_EQ(view.horizontalExtent, static_cast<int32_t>(7 * view.rows[2].size() + 500));
}

TEST_F(CheckRunTest, ListsEveryDownloadWhenAllFilesIsOn) {
    ThreeDownloads();
    Settings("yes");
    const CheckSummary summary = cbCheckFiles_Click(state, view);

    const std::vector<std::string> expected = {kHead, " ", "001.part\tfirst.avi\t*** OK ",
                                               "002.part\tsecond, fake.avi\tFake film (German)",
                                               "003.part\tthird.mkv\t*** OK "};
    EXPECT_EQ(view.rows, expected);
    ASSERT_EQ(state.gResultRecords.size(), 3u);
    EXPECT_EQ(state.gResultRecords[0], "001.part\tfirst.avi\t" + HashOf(0x01) + "\t\t1000\t");
    EXPECT_EQ(state.gResultRecords[2], "003.part\tthird.mkv\t" + HashOf(0x03) + "\t\t5368709120\t");
    EXPECT_EQ(view.status, "Finished! Found 1 Fakes in  3 checked .part.met");
    EXPECT_EQ(summary.found, 1);
    EXPECT_EQ(summary.checked, 3);
    ASSERT_EQ(summary.listed.size(), 3u);
    EXPECT_FALSE(summary.listed[2].fake);
    EXPECT_EQ(summary.listed[2].size, 5368709120);
    EXPECT_TRUE(view.allFilesChecked);

    // A second run without changes gives the same list, not a doubled one.
    const auto records = state.gResultRecords;
    cbCheckFiles_Click(state, view);
    EXPECT_EQ(view.rows, expected);
    EXPECT_EQ(state.gResultRecords, records);
}

TEST_F(CheckRunTest, MatchingRules) {
    AddPart("001.part.met", 0x0A, "caps.avi", 1);
    AddPart("002.part.met", 0x0B, "twice.avi", 2);
    AddPart("003.part.met", 0x0C, "in description.avi", 3);
    home.Write("FAKES.DAT", ToUpperAscii(HashOf(0x0A)) + ",1,Capitals\r\n" +  // found without regard to case
                                HashOf(0x0B) + ",2,First of two\r\n" + HashOf(0x0B) + ",2,Second of two\r\n" +
                                "zzz,3,see " + ToUpperAscii(HashOf(0x0C)) + " too\n");  // LF-only line end
    Settings("NO");
    cbCheckFiles_Click(state, view);
    const std::vector<std::string> expected = {kHead, " ", "001.part\tcaps.avi\tCapitals",
                                               "002.part\ttwice.avi\tFirst of two",
                                               "003.part\tin description.avi\tsee " + ToUpperAscii(HashOf(0x0C)) + " too"};
    EXPECT_EQ(view.rows, expected);
    // The record keeps the download's own lower-case hash text.
    EXPECT_EQ(GetField(state.gResultRecords[0], 3, TAB), HashOf(0x0A));
}

TEST_F(CheckRunTest, EmptyTempDirectoryAndEmptyFakeList) {
    home.Write("FAKES.DAT", HashOf(1) + ",1,x\r\n");
    Settings("YES");
    CheckSummary summary = cbCheckFiles_Click(state, view);
    EXPECT_EQ(view.rows, (std::vector<std::string>{kHead, " "}));
    EXPECT_EQ(view.status, "Finished! Found 0 Fakes in  0 checked .part.met");
    EXPECT_TRUE(summary.ran);
    EXPECT_EQ(view.horizontalExtent, 500);

    // A list without records matches nothing; the run goes on.
    AddPart("001.part.met", 0x01, "a.avi", 1);
    home.Write("FAKES.DAT", "no records here\r\n");
    summary = cbCheckFiles_Click(state, view);
    EXPECT_EQ(view.rows.size(), 3u);
    EXPECT_EQ(view.rows[2], "001.part\ta.avi\t*** OK ");
    EXPECT_EQ(summary.found, 0);
}

TEST_F(CheckRunTest, MissingFakeListChangesNothing) {
    ThreeDownloads();
    Settings("YES");
    cbCheckFiles_Click(state, view);
    const auto rows = view.rows;
    const auto records = state.gResultRecords;
    std::filesystem::remove(home.File("FAKES.DAT"));
    view.log.clear();

    const CheckSummary summary = cbCheckFiles_Click(state, view);
    EXPECT_FALSE(summary.ran);
    EXPECT_EQ(view.status, "No FAKES-DB found. Please 'Update DB'.");
    EXPECT_EQ(view.rows, rows);
    EXPECT_EQ(state.gResultRecords, records);
    EXPECT_EQ(view.log, std::vector<std::string>{"status:No FAKES-DB found. Please 'Update DB'."});
}

TEST_F(CheckRunTest, DisablesAndEnablesTheCommandsInOrder) {
    ThreeDownloads();
    Settings("NO");
    cbCheckFiles_Click(state, view);

    std::vector<std::string> toggles;
    size_t firstDisable = view.log.size(), caption = 0, lastRow = 0, finalRepaint = 0, finished = 0, firstEnable = 0;
    for (size_t i = 0; i < view.log.size(); ++i) {
        const std::string& e = view.log[i];
        if (e.rfind("disable:", 0) == 0 || e.rfind("enable:", 0) == 0) toggles.push_back(e);
        if (e.rfind("disable:", 0) == 0 && firstDisable == view.log.size()) firstDisable = i;
        if (e.rfind("caption:", 0) == 0) caption = i;
        if (e.rfind("row:", 0) == 0) lastRow = i;
        if (e == "repaint") finalRepaint = i;
        if (e.rfind("status:Finished!", 0) == 0) finished = i;
        if (e.rfind("enable:", 0) == 0 && firstEnable == 0) firstEnable = i;
    }
    const std::vector<std::string> expected = {
        "disable:OnlineFakesDB", "disable:OnlineKestrivane", "disable:cbDownloadFakesDB", "disable:cbCheckFiles",
        "disable:cbTitelSearch", "enable:OnlineFakesDB",     "enable:OnlineKestrivane",   "enable:cbDownloadFakesDB",
        "enable:cbCheckFiles",   "enable:cbTitelSearch"};
    EXPECT_EQ(toggles, expected);
    EXPECT_LT(firstDisable, caption);      // disabled before the list is loaded
    EXPECT_LT(lastRow, finalRepaint);      // the last rows are painted ...
    EXPECT_LT(finalRepaint, finished);     // ... before the summary
    EXPECT_LT(finished, firstEnable);
    for (int c = 0; c < 5; ++c) EXPECT_TRUE(view.IsEnabled(static_cast<Command>(c)));
}

TEST_F(CheckRunTest, EveryMetFileIsReadAndNothingElse) {
    AddPart("a.met", 0x01, "a", 1);
    AddPart("B.MET", 0x02, "b", 2);
    AddPart("001.part", 0x03, "data", 3);
    AddPart("001.part.met.bak", 0x04, "backup", 4);
    AddPart("001.part.met.backup", 0x05, "backup", 5);
    std::filesystem::create_directories(tempDir + "/dir.met");
    home.Write("temp/broken.part.met", "not a part.met at all");
    home.Write("FAKES.DAT", "x,1,y\r\n");
    Settings("YES");
    const CheckSummary summary = cbCheckFiles_Click(state, view);

    const std::vector<std::string> expected = {kHead, " ", "B\tb\t*** OK ", "a\ta\t*** OK ", "broken.part\t\t*** OK "};
    EXPECT_EQ(view.rows, expected);
    EXPECT_EQ(summary.checked, 3);
    // An unreadable download is listed with no name, no hash and size 0.
    EXPECT_EQ(state.gResultRecords[2], "broken.part\t\t\t\t0\t");
}

TEST_F(CheckRunTest, TempDirectoryProblems) {
    home.Write("FAKES.DAT", HashOf(1) + ",1,x\r\n");
    home.Write("Kestrivane.ini", "[Display]\r\nShowAllPartMet=YES\r\n");
    view.rows = {"old row"};
    CheckSummary summary = cbCheckFiles_Click(state, view);
    EXPECT_FALSE(summary.ran);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text,
              "Error:\r\nNo '[eDonkey] TempPath=' or '[eMule] TempDir='\r\nin Kestrivane.ini found!\r\n\r\nUse Menu "
              "'File, Open ...'");
    EXPECT_EQ(view.boxes[0].style, kMbCritical);
    EXPECT_EQ(view.boxes[0].title, "Kestrivane");
    EXPECT_TRUE(view.rows.empty());
    EXPECT_FALSE(state.gfTempDirOK);
    for (int c = 0; c < 5; ++c) EXPECT_TRUE(view.IsEnabled(static_cast<Command>(c)));

    // Set but not there: a status text, no walk over an old listing.
    const std::string missing = home.File("no such dir");
    home.Write("Kestrivane.ini", "[eMule]\r\nTempDir=" + missing + "\r\n[Display]\r\nShowAllPartMet=YES\r\n");
    state.fbFiles = {"stale.part.met"};
    view.boxes.clear();
    view.log.clear();
    summary = cbCheckFiles_Click(state, view);
    EXPECT_FALSE(summary.ran);
    EXPECT_EQ(view.status, "Temp directory " + missing + " not found!");
    EXPECT_TRUE(view.boxes.empty());
    EXPECT_TRUE(view.rows.empty());
    EXPECT_TRUE(state.fbFiles.empty());
    EXPECT_FALSE(state.gfTempDirOK);
    EXPECT_EQ(view.LogWith("enable:").size(), 5u);
    EXPECT_EQ(view.LogWith("disable:").size(), 5u);
}

TEST_F(CheckRunTest, TempDirectoryFromTheSettings) {
    AddPart("001.part.met", 0x01, "from emule dir", 1);
    home.Write("other/009.part.met", BuildPartMet(PartMetLayout{}));
    home.Write("FAKES.DAT", "x,1,y\r\n");

    // eDonkey's key wins over eMule's.
    Settings("YES", "[eDonkey]\r\nTempPath=" + home.File("other") + "\r\n");
    cbCheckFiles_Click(state, view);
    EXPECT_EQ(state.gTempDir, home.File("other"));
    ASSERT_EQ(view.rows.size(), 3u);
    EXPECT_EQ(view.rows[2].substr(0, 9), "009.part\t");

    // A closing separator makes no difference.
    home.Write("Kestrivane.ini", "[eMule]\r\nTempDir=" + tempDir + "/\r\n[Display]\r\nShowAllPartMet=YES\r\n");
    cbCheckFiles_Click(state, view);
    ASSERT_EQ(view.rows.size(), 3u);
    EXPECT_EQ(view.rows[2], "001.part\tfrom emule dir\t*** OK ");
}

TEST_F(CheckRunTest, CommandLineOverrides) {
    ThreeDownloads();
    home.Write("elsewhere/list.dat", HashOf(0x03) + ",1,Other list\r\n");
    home.Write("Kestrivane.ini", "[Display]\r\nShowAllPartMet=NO\r\n");  // no temp directory set
    CheckOptions options;
    options.tempDir = tempDir;
    options.fakesFile = home.File("elsewhere/list.dat");
    options.showAll = true;
    CheckSummary summary = cbCheckFiles_Click(state, view, options);
    EXPECT_TRUE(summary.ran);
    EXPECT_EQ(view.rows.size(), 5u);
    EXPECT_EQ(view.rows[4], "003.part\tthird.mkv\tOther list");
    EXPECT_EQ(summary.found, 1);

    options.showAll = false;
    summary = cbCheckFiles_Click(state, view, options);
    EXPECT_EQ(view.rows.size(), 3u);

    // A fake list given but missing stops the run like a missing FAKES.DAT.
    options.fakesFile = home.File("elsewhere/none.dat");
    summary = cbCheckFiles_Click(state, view, options);
    EXPECT_FALSE(summary.ran);
    EXPECT_EQ(view.status, "No FAKES-DB found. Please 'Update DB'.");
}

// Many downloads against a large generated list: each gets the description a
// plain record-by-record scan in file order gives.
TEST_F(CheckRunTest, AgreesWithAPlainScanOnALargeList) {
    std::mt19937 rng(7);
    std::string list;
    for (int r = 0; r < 3000; ++r) {
        const std::string h = HashOf(static_cast<uint8_t>(rng() % 120));
        switch (rng() % 4) {
            case 0: list += ToUpperAscii(h) + ",1,caps " + std::to_string(r) + "\r\n"; break;
            case 1: list += "n" + std::to_string(r) + ",1,planted " + h + " " + std::to_string(r) + "\r\n"; break;
            case 2: list += std::to_string(r) + ",1,no hash " + std::to_string(r) + "\n"; break;
            default: list += h + ",1,plain " + std::to_string(r) + "\r\n"; break;
        }
    }
    home.Write("FAKES.DAT", list);
    for (int i = 0; i < 160; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "%03d.part.met", i);
        AddPart(name, static_cast<uint8_t>(i), "f" + std::to_string(i), i);
    }
    Settings("YES");
    const CheckSummary summary = cbCheckFiles_Click(state, view);
    ASSERT_EQ(summary.listed.size(), 160u);

    const std::vector<std::string> records = ParseFakeList(list);
    int32_t found = 0;
    for (const auto& download : summary.listed) {
        std::string expected;
        bool fake = false;
        for (const auto& record : records) {
            if (ContainsNoCase(record, download.hash)) {
                expected = GetField(record, 3, TAB);
                fake = true;
                break;
            }
        }
        found += fake;
        EXPECT_EQ(download.fake, fake) << download.part;
        EXPECT_EQ(download.description, expected) << download.part;
    }
    EXPECT_EQ(summary.found, found);
    EXPECT_GT(found, 0);
    EXPECT_LT(found, 160);
}

TEST(ListMetFiles, SortedRegularMetFilesOnly) {
    ScopedTempDir dir;
    for (const char* name : {"b.part.met", "A.part.met", "c.MeT", "x.met.bak", "noext", ".met", "a.part"})
        dir.Write(name, "x");
    std::filesystem::create_directories(dir.File("sub.met"));
    std::filesystem::create_symlink(dir.File("nowhere"), dir.File("dangling.met"));
    const auto names = ListMetFiles(dir.path());
    ASSERT_TRUE(names.has_value());
    EXPECT_EQ(*names, (std::vector<std::string>{".met", "A.part.met", "b.part.met", "c.MeT"}));

    EXPECT_FALSE(ListMetFiles(dir.File("missing")).has_value());
    EXPECT_FALSE(ListMetFiles(dir.File("noext")).has_value());  // a file, not a directory
}

}  // namespace
}  // namespace kv
