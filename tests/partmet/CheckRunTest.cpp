#include "partmet/CheckRun.h"
#include "partmet/LinkExport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "PartMetBuilder.h"
#include "RecordingView.h"
#include "TempDir.h"
#include "common/StringUtil.h"

namespace kv {
namespace {

using Rows = std::vector<std::string>;
const std::string kHead = "Partname\tFilename\tError-Description";
const std::string kOdd = "3 |<&\">.mkv";  // blanks, the link separator, HTML markup characters
std::string HashOf(uint8_t seed) { return HashText(test::SequentialHash(seed).data()); }
Rows Toggles(const std::string& verb) {
    return {verb + "OnlineFakesDB", verb + "OnlineKestrivane", verb + "cbDownloadFakesDB", verb + "cbCheckFiles",
            verb + "cbTitelSearch"};
}

class CheckRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.programDir = home.path();
        state.gIniFile = home.File("Kestrivane.ini");
        state.gVersionText = "Kestrivane Version 1.0.0";
    }
    void Settings(const std::string& showAll, const std::string& tempKey = "[eMule]\r\nTempDir=") {
        home.Write("Kestrivane.ini", tempKey + tempDir + "\r\n[Display]\r\nShowAllPartMet=" + showAll + "\r\n");
    }
    void AddPart(const std::string& file, uint8_t seed, const std::string& name, uint64_t size) {
        home.Write("temp/" + file, test::BuildPartMet({0xE0, 0x65A1B2C3, test::SequentialHash(seed), 1, name, 1, false,
                                                       size, {}}));
    }
    void ThreeDownloads() {  // the second is a listed fake
        AddPart("001.part.met", 0x01, "first.avi", 1000);
        AddPart("002.part.met", 0x02, "second, fake.avi", 734003200);
        AddPart("003.part.met", 0x03, kOdd, 5368709120ull);
        home.Write("FAKES.DAT", HashOf(0x77) + ",1,other\r\n" + HashOf(0x02) + ",734003200,Fake film (German)\r\n");
    }
    test::ScopedTempDir home;
    std::string tempDir = home.File("temp");
    AppState state;
    test::RecordingView view;
};

TEST_F(CheckRunTest, ThreeDownloadsOneFakeWithAllFilesOffAndOn) {
    ThreeDownloads();
    Settings("NO");
    CheckSummary summary = cbCheckFiles_Click(state, view);
    const std::string fakeRow = "002.part\tsecond, fake.avi\tFake film (German)";
    const std::string finished = "Finished! Found 1 Fakes in  3 checked .part.met";
    EXPECT_EQ(view.rows, (Rows{kHead, " ", fakeRow}));
    const Rows records = state.gResultRecords;
    EXPECT_EQ(records, Rows{"002.part\tsecond, fake.avi\t" + HashOf(0x02) + "\tFake film (German)\t734003200\t"});
    EXPECT_TRUE(summary.ran && state.gListHoldsCheckRows && !view.allFilesChecked);
    EXPECT_EQ(std::pair(summary.found, summary.checked), std::pair(1, 3));
    // Disabled before loading; after the last row: repaint, extent (widest row + 500), summary, enabled.
    Rows head = Toggles("disable:"), tail = {"repaint", "extent:" + std::to_string(7 * fakeRow.size() + 500),
                                             "status:" + finished};
    head.push_back("caption:Kestrivane Version 1.0.0 / Total  2 Fakes in DB");
    for (const auto& e : Toggles("enable:")) tail.push_back(e);
    const auto lastRow =
        std::find_if(view.log.rbegin(), view.log.rend(), [](auto& e) { return e.rfind("row:", 0) == 0; });
    EXPECT_EQ(Rows(view.log.begin(), view.log.begin() + 6), head);
    EXPECT_EQ(Rows(lastRow.base(), view.log.end()), tail);

    Settings("yes");
    for (int run = 0; run < 2; ++run) {  // a second run gives the same list, not a doubled one
        summary = cbCheckFiles_Click(state, view);
        EXPECT_EQ(view.rows,
                  (Rows{kHead, " ", "001.part\tfirst.avi\t*** OK ", fakeRow, "003.part\t" + kOdd + "\t*** OK "}));
        EXPECT_EQ(state.gResultRecords, (Rows{"001.part\tfirst.avi\t" + HashOf(1) + "\t\t1000\t", records[0],
                                              "003.part\t" + kOdd + "\t" + HashOf(3) + "\t\t5368709120\t"}));
        EXPECT_EQ(view.status, finished);
        EXPECT_TRUE(view.allFilesChecked);
    }

    // No fake list: stopped before anything changes, with --fakes alike.
    const Rows rows = view.rows, allRecords = state.gResultRecords;
    std::filesystem::remove(home.File("FAKES.DAT"));
    view.log.clear();
    EXPECT_FALSE(cbCheckFiles_Click(state, view).ran);
    EXPECT_EQ(view.log, Rows{"status:No FAKES-DB found. Please 'Update DB'."});
    EXPECT_TRUE(view.rows == rows && state.gResultRecords == allRecords);
    EXPECT_FALSE(cbCheckFiles_Click(state, view, {.tempDir = "", .fakesFile = home.File("x"), .showAll = {}}).ran);
    EXPECT_EQ(view.status, "No FAKES-DB found. Please 'Update DB'.");
}

TEST_F(CheckRunTest, FirstRecordHoldingTheHashWinsWithoutRegardToCase) {
    AddPart("001.part.met", 0x0A, "caps.avi", 1);
    AddPart("002.part.met", 0x0B, "twice.avi", 2);
    AddPart("003.part.met", 0x0C, "in description.avi", 3);
    const std::string planted = ToUpperAscii(HashOf(0x0C));
    home.Write("FAKES.DAT", ToUpperAscii(HashOf(0x0A)) + ",1,Capitals\r\n" + HashOf(0x0B) + ",2,First\r\n" +
                                HashOf(0x0B) + ",2,Second\n" + "zzz,3,see " + planted + " too\n");
    Settings("NO");
    cbCheckFiles_Click(state, view);
    EXPECT_EQ(view.rows, (Rows{kHead, " ", "001.part\tcaps.avi\tCapitals", "002.part\ttwice.avi\tFirst",
                               "003.part\tin description.avi\tsee " + planted + " too"}));
    EXPECT_EQ(GetField(state.gResultRecords[0], 3, TAB), HashOf(0x0A));  // the download's own hash text
}

TEST_F(CheckRunTest, OnlyRegularMetFilesAreReadInSortedOrder) {
    Settings("YES");
    home.Write("FAKES.DAT", "no records here\r\n");  // matches nothing; the run goes on
    for (const char* file : {"a.met", "B.MET", "001.part", "001.part.met.bak", "001.part.met.backup"})
        AddPart(file, 1, file, 1);
    std::filesystem::create_directories(tempDir + "/dir.met");
    std::filesystem::create_symlink(home.File("nowhere"), tempDir + "/dangling.met");
    home.Write("temp/broken.part.met", "not a part.met at all");
    const CheckSummary summary = cbCheckFiles_Click(state, view);
    EXPECT_EQ(view.rows, (Rows{kHead, " ", "B\tB.MET\t*** OK ", "a\ta.met\t*** OK ", "broken.part\t\t*** OK "}));
    EXPECT_EQ(summary.checked, 3);
    EXPECT_EQ(state.gResultRecords[2], "broken.part\t\t\t\t0\t");  // no name, no hash, size 0
}

TEST_F(CheckRunTest, TempDirectoryUnsetUnlistableFromSettingsOrOverridden) {
    ThreeDownloads();
    home.Write("Kestrivane.ini", "[Display]\r\nShowAllPartMet=YES\r\n");
    view.rows = {"old row"};
    EXPECT_FALSE(cbCheckFiles_Click(state, view).ran);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text + "|" + view.boxes[0].title + "|" + std::to_string(view.boxes[0].style),
              "Error:\r\nNo '[eDonkey] TempPath=' or '[eMule] TempDir='\r\nin Kestrivane.ini found!\r\n\r\nUse Menu "
              "'File, Open ...'|Kestrivane|" + std::to_string(kMbCritical));
    EXPECT_TRUE(view.rows.empty());
    EXPECT_EQ(view.LogWith("enable:"), Toggles("enable:"));

    const std::string dir = tempDir;
    tempDir = home.File("no such dir");
    Settings("YES");
    state.fbFiles = {"stale.part.met"};  // no walk over an old listing
    view.log.clear();
    EXPECT_FALSE(cbCheckFiles_Click(state, view).ran);
    EXPECT_EQ(view.status, "Temp directory " + tempDir + " not found!");
    EXPECT_TRUE(view.rows.empty() && state.fbFiles.empty() && !state.gfTempDirOK && view.boxes.size() == 1);
    EXPECT_EQ(view.LogWith("enable:"), Toggles("enable:"));

    Settings("NO", "[eDonkey]\r\nTempPath=" + dir + "\r\n[eMule]\r\nTempDir=");  // eDonkey's key wins
    EXPECT_EQ(cbCheckFiles_Click(state, view).found, 1);
    home.Write("list.dat", HashOf(0x03) + ",1,Other list\r\n");
    const CheckOptions options{.tempDir = dir + "/", .fakesFile = home.File("list.dat"), .showAll = false};
    EXPECT_EQ(cbCheckFiles_Click(state, view, options).found, 1);  // the command line's overrides
    EXPECT_EQ(view.rows, (Rows{kHead, " ", "003.part\t" + kOdd + "\tOther list"}));
}

TEST_F(CheckRunTest, CopiesTheLinkOfTheSelectedDownloadOnly) {
    ThreeDownloads();
    Settings("YES");
    cbCheckFiles_Click(state, view);
    auto copy = [&](void (*click)(AppState&, MainView&), int32_t row) {
        view.clipboardSet = false, view.clipboard = "previous", view.selected = row;
        click(state, view);
        return view.clipboardSet ? view.clipboard : "unchanged";
    };
    const auto plain = &RechteMaustasteCopyLink_Click, html = &RechteMaustasteCopyLinkHTML_Click;
    EXPECT_EQ(copy(plain, 3), "ed2k://|file|second, fake.avi|734003200|" + HashOf(2) + "|/");
    EXPECT_EQ(copy(plain, 4), "ed2k://|file|" + kOdd + "|5368709120|" + HashOf(3) + "|/");
    EXPECT_EQ(copy(html, 2), "<a href=\"ed2k://|file|first.avi|1000|" + HashOf(1) + "|\">first.avi</a>");
    EXPECT_EQ(copy(html, 4), "<a href=\"ed2k://|file|" + kOdd + "|5368709120|" + HashOf(3) + "|\">" + kOdd + "</a>");
    for (auto click : {plain, html}) {
        for (int32_t row : {-1, 0, 1, 5}) EXPECT_EQ(copy(click, row), "") << row;  // none, head rows, past the end
        state.gListHoldsCheckRows = false;  // text-search rows: the records are an earlier run's
        EXPECT_EQ(copy(click, 2), "unchanged");
        state.gListHoldsCheckRows = true;
        state.gResultRecords.resize(1);  // a row beyond the records
        EXPECT_EQ(copy(click, 3), "unchanged");
    }
}

}  // namespace
}  // namespace kv
