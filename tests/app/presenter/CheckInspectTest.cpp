#include <gtest/gtest.h>

#include <filesystem>

#include "RecordingView.h"
#include "Samples.h"
#include "TempDir.h"
#include "ed2k/PartMetReader.h"
#include "app/presenter/MainPresenter.h"

using namespace kv;
using namespace kv::test;
using Rows = std::vector<std::string>;

namespace {

// A temp directory with a listed fake, a fake no list knows, a right file and one whose head has not arrived.
class CheckInspectTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string t = home.File("temp");
        std::filesystem::create_directories(t);
        const uint64_t big = 700ull << 20;
        LayOut(t, "Movie.DVDRip.avi", Sample("wmv"), big, {{1 << 20, big}}, {}, "001");   // a padded clip
        LayOut(t, "Sintel.avi", Sample("avi"), SampleSize("avi"), {}, {}, "003");           // right
        LayOut(t, "Movie.mkv", Sample("pe"), big, {{0, 4096}, {1 << 20, big}}, {}, "004");  // head missing
        const LaidOut listed = LayOut(t, "Listed.avi", Sample("elf"), big, {{1 << 20, big}}, {}, "006");
        home.Write("FAKES.DAT", ReadPartMet(listed.metPath)->hash->ToHex() + ",1,Known fake\r\n");
        home.Write("Kestrivane.ini", "[eMule]\r\nTempDir=" + t + "\r\n[Display]\r\nShowAllPartMet=NO\r\n");
    }
    ScopedTempDir home;
    Session session = Session::At(home.path());
    RecordingView view;
    MainPresenter presenter{session, view};
};

TEST_F(CheckInspectTest, SuspectsAreListedBesideFakesWithTheirReasonAndOnlyArrivedBytesAreJudged) {
    const auto outcome = presenter.CheckDownloads();
    ASSERT_TRUE(outcome);
    EXPECT_EQ(view.rows, (Rows{"001.part\tMovie.DVDRip.avi\tSuspect: a short clip padded to a larger size: the "
                               "Windows Media header says it is 32,901 bytes long, the download is published as "
                               "734,003,200 bytes",
                               "006.part\tListed.avi\tKnown fake"}));
    EXPECT_EQ(view.rowKinds, (std::vector<RowKind>{RowKind::Suspect, RowKind::Fake}));
    EXPECT_EQ(view.status, "Finished! Found 1 Fakes and 1 Suspects in  4 checked .part.met");
    // A listed fake keeps its list's description; what inspection says of it is still known.
    ASSERT_TRUE(view.rowFindings.back());
    EXPECT_TRUE(view.rowFindings.back()->suspicion.has_value());

    // Turned off in the View menu (and stored), the check is the list lookup alone.
    presenter.ToggleInspection();
    EXPECT_EQ(session.settings.Read(Key::InspectContent), "NO");
    presenter.CheckDownloads();
    EXPECT_EQ(view.rows, (Rows{"006.part\tListed.avi\tKnown fake"}));
}

// The reader takes the gaps the builder wrote, and a hostile gap table leaves no verdict and no hang.
TEST_F(CheckInspectTest, GapTagsAreReadAndHostileOnesJudgeNothing) {
    const std::string t = home.File("temp");
    const LaidOut d = LayOut(t, "x.avi", Sample("pe"), 5000, {{100, 200}, {300, 400}}, {}, "010");
    const auto read = ReadPartMet(d.metPath);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->gaps, (std::vector<ByteRange>{{100, 200}, {300, 400}}));
    std::vector<ByteRange> many;
    for (uint64_t i = 0; i < 3000; ++i) many.push_back({i * 10 + 5000, i * 10 + 5002});
    many.push_back({900, 100});  // reversed: dropped
    const LaidOut h = LayOut(t, "y.avi", Sample("pe"), 1 << 20, many, {}, "011");
    EXPECT_EQ(ReadPartMet(h.metPath)->gaps.size(), 3000u);
}

}  // namespace
