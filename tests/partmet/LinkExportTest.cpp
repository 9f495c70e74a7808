#include "partmet/LinkExport.h"

#include <gtest/gtest.h>

#include "RecordingView.h"

namespace kv {
namespace {

using test::RecordingView;

const std::string kHash = "0123456789abcdef0123456789abcdef";

TEST(Ed2kLink, BothFormsKeepTheFieldsAsTheyStand) {
    EXPECT_EQ(Ed2kLink("movie.avi", "734003200", kHash), "ed2k://|file|movie.avi|734003200|" + kHash + "|/");
    EXPECT_EQ(Ed2kLinkHtml("movie.avi", "734003200", kHash),
              "<a href=\"ed2k://|file|movie.avi|734003200|" + kHash + "|\">movie.avi</a>");
    const std::string odd = "a b|c<d>&e\".avi";
    EXPECT_EQ(Ed2kLink(odd, "5368709120", kHash), "ed2k://|file|" + odd + "|5368709120|" + kHash + "|/");
    EXPECT_EQ(Ed2kLinkHtml(odd, "1", kHash), "<a href=\"ed2k://|file|" + odd + "|1|" + kHash + "|\">" + odd + "</a>");
}

class CopyLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.rows = {"Partname\tFilename\tError-Description", " ", "001.part\tmy film.avi\tFake",
                     "002.part\tx|<&.avi\t*** OK "};
        state.gResultRecords = {"001.part\tmy film.avi\t" + kHash + "\tFake\t734003200\t",
                                "002.part\tx|<&.avi\tfedcba9876543210fedcba9876543210\t\t5368709120\t"};
        state.gListHoldsCheckRows = true;
    }
    AppState state;
    RecordingView view;
};

TEST_F(CopyLinkTest, SelectedRowsRecordGoesToTheClipboard) {
    view.selected = 2;
    RechteMaustasteCopyLink_Click(state, view);
    EXPECT_EQ(view.clipboard, "ed2k://|file|my film.avi|734003200|" + kHash + "|/");
    RechteMaustasteCopyLinkHTML_Click(state, view);
    EXPECT_EQ(view.clipboard, "<a href=\"ed2k://|file|my film.avi|734003200|" + kHash + "|\">my film.avi</a>");

    view.selected = 3;
    RechteMaustasteCopyLink_Click(state, view);
    EXPECT_EQ(view.clipboard, "ed2k://|file|x|<&.avi|5368709120|fedcba9876543210fedcba9876543210|/");
    RechteMaustasteCopyLinkHTML_Click(state, view);
    EXPECT_EQ(view.clipboard,
              "<a href=\"ed2k://|file|x|<&.avi|5368709120|fedcba9876543210fedcba9876543210|\">x|<&.avi</a>");
}

TEST_F(CopyLinkTest, NoDownloadRowSelectedEmptiesTheClipboard) {
    for (int32_t row : {-1, 0, 1, 4}) {  // none, the head rows, past the end
        for (auto click : {&RechteMaustasteCopyLink_Click, &RechteMaustasteCopyLinkHTML_Click}) {
            view.clipboard = "previous";
            view.clipboardSet = false;
            view.selected = row;
            click(state, view);
            EXPECT_TRUE(view.clipboardSet) << row;
            EXPECT_EQ(view.clipboard, "") << row;
        }
    }
}

TEST_F(CopyLinkTest, RowsWithoutARecordOfTheirOwnCopyNothing) {
    // The list shows text-search rows: the records belong to an earlier check run.
    state.gListHoldsCheckRows = false;
    view.selected = 2;
    for (auto click : {&RechteMaustasteCopyLink_Click, &RechteMaustasteCopyLinkHTML_Click}) {
        view.clipboard = "previous";
        view.clipboardSet = false;
        click(state, view);
        EXPECT_FALSE(view.clipboardSet);
        EXPECT_EQ(view.clipboard, "previous");
    }

    // A row beyond the records.
    state.gListHoldsCheckRows = true;
    state.gResultRecords.resize(1);
    view.selected = 3;
    view.clipboardSet = false;
    RechteMaustasteCopyLink_Click(state, view);
    EXPECT_FALSE(view.clipboardSet);
    EXPECT_TRUE(view.LogWith("clipboard:").empty());
}

}  // namespace
}  // namespace kv
