#include <gtest/gtest.h>

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

TEST_F(CheckRunTest, FakesOnlyThenAllFilesThenNoFakeListThenCopies) {
    Settings("NO", "[eMule]\r\nTempDir=" + tempDir);
    EXPECT_TRUE(presenter.CheckDownloads());
    // Busy once the lists are loaded; the first rows and the end repainted; the extent is the widest row + 500;
    // idle after the summary. Only a repaint in between depends on the clock.
    const std::string fakeRow = "002.part\tsecond, fake.avi\tFake film (German)";
    Rows log = {"busy:1"};
    log.insert(log.end(), {"caption:Kestrivane Version 1.0.0 / Total  2 Fakes in DB", "check:ViewAllFiles:0", "clear",
                           "head:" + kHead, "repaint", "status:Reading *.part.met and matching with FAKE-DB...",
                           "row:" + fakeRow, "repaint", "extent:" + std::to_string(7 * fakeRow.size() + 500),
                           "status:Finished! Found 1 Fakes in  3 checked .part.met"});
    log.push_back("busy:0");
    Rows seen;
    for (size_t i = 0; i < view.log.size(); ++i)
        if (view.log[i] != "repaint" || view.log.at(i + 1) != "repaint") seen.push_back(view.log[i]);
    EXPECT_EQ(seen, log);

    Settings("yes", "[eMule]\r\nTempDir=" + tempDir);
    presenter.CheckDownloads();
    EXPECT_EQ(view.rows, (Rows{"001.part\tfirst.avi\t*** OK ", fakeRow, "003.part\t" + kOdd + "\t*** OK "}));
    // No fake list: the downloads are still inspected and the hint stays in the summary.
    std::filesystem::remove(home.File("FAKES.DAT"));
    EXPECT_EQ(presenter.CheckDownloads().value->found, 0);
    EXPECT_EQ(view.status, "Finished! Found 0 Fakes in  3 checked .part.met - No FAKES-DB found. Please 'Update DB'.");

    // Copies take the check's rows: none selected empties the clipboard; the rows of a text search are no link.
    view.selected = {};
    presenter.CopyLink(false);
    EXPECT_EQ(view.LogWith("clipboard:"), Rows{"clipboard:"});
    presenter.SearchTempFiles("avi", tempDir);
    view.selected = {0};
    presenter.CopyLink(false), presenter.CopyLink(true);
    EXPECT_EQ(view.LogWith("clipboard:"), Rows{"clipboard:"});
}
