#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "PartMetBuilder.h"
#include "RecordingView.h"
#include "TempDir.h"
#include "common/StringUtil.h"
#include "app/presenter/MainPresenter.h"
#include "ed2k/PartMetReader.h"

// The check run as the window shows it: rows, statuses, the order of the window's calls.

using namespace kv;
using namespace kv::test;
using Rows = std::vector<std::string>;

namespace {
std::string HashOf(uint8_t seed) { return HashText(SequentialHash(seed).data()); }
PartMetLayout Meta(const std::string& name, uint64_t size = 0, uint8_t seed = 0x10) {
    return {0xE0, 0x65A1B2C3, SequentialHash(seed), 0, name, 1, false, size, {}};
}
}  // namespace

const std::string kHead = "Partname\tFilename\tError-Description";
const std::string kOdd = "3 |<&\">.mkv";  // blanks, the link separator, HTML markup characters
Rows Toggles(const std::string& verb) {
    return {verb + "OnlineFakesDB", verb + "OnlineKestrivane", verb + "cbDownloadFakesDB", verb + "cbCheckFiles",
            verb + "cbTitelSearch"};
}

// Three downloads, the second a listed fake.
class CheckRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        home.Write("temp/001.part.met", BuildPartMet(Meta("first.avi", 1000, 0x01)));
        home.Write("temp/002.part.met", BuildPartMet(Meta("second, fake.avi", 734003200, 0x02)));
        home.Write("temp/003.part.met", BuildPartMet(Meta(kOdd, 5368709120ull, 0x03)));
        home.Write("FAKES.DAT", HashOf(0x77) + ",1,other\r\n" + HashOf(0x02) + ",734003200,Fake film (German)\r\n");
    }
    void Settings(const std::string& showAll, const std::string& temp) {
        home.Write("Kestrivane.ini", temp + "\r\n[Display]\r\nShowAllPartMet=" + showAll + "\r\n");
    }
    ScopedTempDir home;
    const std::string tempDir = home.File("temp");
    Session session = Session::At(home.path());
    RecordingView view;
    MainPresenter presenter{session, view};
};

TEST_F(CheckRunTest, FakesOnlyThenAllFilesThenNoFakeListThenLinks) {
    Settings("NO", "[eMule]\r\nTempDir=" + tempDir);
    EXPECT_TRUE(presenter.CheckDownloads());
    // Disabled before loading; the first rows and the end repainted; the extent is the widest row + 500; enabled
    // after the summary. Only a repaint in between depends on the clock.
    const std::string fakeRow = "002.part\tsecond, fake.avi\tFake film (German)";
    Rows log = Toggles("disable:");
    log.insert(log.end(), {"caption:Kestrivane Version 1.0.0 / Total  2 Fakes in DB", "check:ViewAllFiles:0", "clear",
                           "head:" + kHead, "repaint", "status:Reading *.part.met and matching with FAKE-DB...",
                           "row:" + fakeRow, "repaint", "extent:" + std::to_string(7 * fakeRow.size() + 500),
                           "status:Finished! Found 1 Fakes in  3 checked .part.met"});
    for (const auto& e : Toggles("enable:")) log.push_back(e);
    Rows seen;
    for (size_t i = 0; i < view.log.size(); ++i)
        if (view.log[i] != "repaint" || view.log.at(i + 1) != "repaint") seen.push_back(view.log[i]);
    EXPECT_EQ(seen, log);

    Settings("yes", "[eMule]\r\nTempDir=" + tempDir);
    presenter.CheckDownloads();
    EXPECT_EQ(view.head, kHead);
    const Rows all = {"001.part\tfirst.avi\t*** OK ", fakeRow, "003.part\t" + kOdd + "\t*** OK "};
    EXPECT_EQ(view.rows, all);
    // No fake list: the downloads are still inspected and the hint stays in the summary; with the inspection
    // off there is nothing to check, and the check stops before anything changes.
    std::filesystem::remove(home.File("FAKES.DAT"));
    EXPECT_EQ(presenter.CheckDownloads().value->found, 0);
    EXPECT_EQ(view.status, "Finished! Found 0 Fakes in  3 checked .part.met - No FAKES-DB found. Please 'Update DB'.");
    view.log.clear();
    CheckOverrides noInspection;
    noInspection.inspect = false;
    EXPECT_FALSE(presenter.CheckDownloads(noInspection));
    EXPECT_EQ(view.log, Rows{"status:No FAKES-DB found. Please 'Update DB'."});

    auto copy = [&](bool html, std::vector<size_t> rows) {
        view.clipboardSet = false, view.selected = rows;
        presenter.CopyLink(html);
        return view.clipboardSet ? view.clipboard : "unchanged";
    };
    const bool plain = false, html = true;
    // Several rows: one link a line, in list order whatever order they were selected in.
    EXPECT_EQ(copy(plain, {2, 0}), "ed2k://|file|first.avi|1000|" + HashOf(1) + "|/\n" +
                                       "ed2k://|file|3 %7C<&\">.mkv|5368709120|" + HashOf(3) + "|/");
    EXPECT_EQ(copy(plain, {}), "");  // no row: the clipboard emptied
    presenter.SearchTempFiles("avi", tempDir);  // text-search rows: the downloads are an earlier run's
    for (auto click : {plain, html}) EXPECT_EQ(copy(click, {0}), "unchanged");
}

TEST_F(CheckRunTest, UnlistableTempDirectoryStopsWithoutAnOldListingAndEdonkeysKeyWins) {
    const std::string missing = home.File("no such dir");
    Settings("YES", "[eMule]\r\nTempDir=" + missing);
    view.rows = {"old row"};
    const auto outcome = presenter.CheckDownloads();
    EXPECT_EQ(outcome.failure, "Temp directory " + missing + " not found!");
    EXPECT_EQ(view.status, outcome.failure);
    EXPECT_TRUE(!outcome && view.rows.empty() && view.boxes.empty());
    EXPECT_EQ(view.LogWith("enable:"), Toggles("enable:"));
    Settings("NO", "[eDonkey]\r\nTempPath=" + tempDir + "\r\n[eMule]\r\nTempDir=" + missing);
    EXPECT_EQ(presenter.CheckDownloads().value->found, 1);
}

// Faults found by fault probes, each as the user met it.
TEST_F(CheckRunTest, DamagedFilesBackupsControlBytesAndFragmentedDownloadsAreReportedAsTheyAre) {
    // A download fragmented into 150 gaps has over 256 tags: name and size still found.
    PartMetLayout fragmented = Meta("fragmented.avi", 1u << 30, 0x04);
    for (int i = 0; i < 150; ++i) {
        fragmented.extraTags.push_back(TagGap(true, i, uint64_t(i) * 4000000 + 100, false));
        fragmented.extraTags.push_back(TagGap(false, i, uint64_t(i) * 4000000 + 200, false));
    }
    home.Write("temp/004.part.met", BuildPartMet(fragmented));
    home.Write("temp/005.part.met", "\xE0");
    std::filesystem::resize_file(home.Write("temp/007.part.met", ""), kMaxPartMetBytes + 1);
    // eMule saving: no .part.met for a moment, its copy stands in.
    home.Write("temp/008.part.met.bak", BuildPartMet(Meta("saved.avi", 5, 0x08)));
    // Names and list texts with control bytes cannot forge rows or reach a terminal.
    home.Write("temp/010.part.met", BuildPartMet(Meta("two\tfields\nand a row\x1B[2J.avi", 5, 0x0A)));
    home.Write("FAKES.DAT", HashOf(0x0A) + ",5,tab\there\r\n");
    // A FIFO in a .part.met's place is not waited on.
    ASSERT_EQ(::mkfifo(home.File("temp/011.part.met").c_str(), 0600), 0);
    Settings("NO", "[eMule]\r\nTempDir=" + tempDir);
    const auto outcome = presenter.CheckDownloads();
    EXPECT_EQ(view.rows,
              (Rows{"005.part\t\t*** Not checked: the .met file is empty or damaged",
                    "007.part\t\t*** Not checked: the .met file is larger than 64 MiB, no .part.met",
                    "010.part\ttwo\\tfields\\nand a row\\x1B[2J.avi\ttab\\there"}));
    EXPECT_EQ(view.status, "Finished! Found 1 Fakes in  6 checked .part.met, 2 could not be read");
    Settings("YES", "[eMule]\r\nTempDir=" + tempDir);
    presenter.CheckDownloads();
    EXPECT_EQ(view.rows.at(3), "004.part\tfragmented.avi\t*** OK ");
    EXPECT_EQ(view.rows.at(6), "008.part\tsaved.avi\t*** OK  (read from the client's backup 008.part.met.bak)");
    EXPECT_EQ(view.rows.size(), 8u);
}
