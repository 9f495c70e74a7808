#include "fakedb/FakeList.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "RecordingView.h"
#include "TempDir.h"
#include "common/StringUtil.h"

namespace kv {
namespace {

using test::RecordingView;
using test::ScopedTempDir;

const std::string kHashA = "0123456789abcdef0123456789abcdef";
const std::string kHashB = "fedcba9876543210fedcba9876543210";

TEST(ParseFakeList, CrLfRecordsFieldsAndSkippedLines) {
    std::vector<SkippedFakeLine> skipped;
    const auto records = ParseFakeList(kHashA + ",734869504,Movie (German)\r\n" +  // plain record
                                           ",12,starts with a comma\r\n" +       // empty field 1
                                           "no comma at all\r\n" +               // skipped silently
                                           kHashB + ",100,Title, with, commas\r\n" + "\r\n",
                                       &skipped);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], kHashA + "\t734869504\tMovie (German)\t");
    EXPECT_EQ(records[1], kHashB + "\t100\tTitle, with, commas\t");
    EXPECT_EQ(GetField(records[1], 3, TAB), "Title, with, commas");
    EXPECT_EQ(GetField(records[1], 4, TAB), "");
    // Only the line with an empty field 1 is reported; the index counts every line.
    ASSERT_EQ(skipped.size(), 1u);
    EXPECT_EQ(skipped[0].index, 1);
    EXPECT_EQ(skipped[0].line, ",12,starts with a comma");
}

TEST(ParseFakeList, LineEndsAndOddLines) {
    // LF alone ends a line too, and a CR before it is dropped.
    auto records = ParseFakeList(kHashA + ",1,a\n" + kHashB + ",2,b\r\n" + "ABC,3,c");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0], kHashA + "\t1\ta\t");
    EXPECT_EQ(records[1], kHashB + "\t2\tb\t");
    EXPECT_EQ(records[2], "ABC\t3\tc\t");  // no line end after the last line

    // A lone CR stays part of the text.
    records = ParseFakeList("h,1,a\rb\r\n");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], "h\t1\ta\rb\t");

    // One comma: stored with an empty field 2, the rest as field 3.
    records = ParseFakeList(kHashA + ",only a description\r\n");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(GetField(records[0], 1, TAB), kHashA);
    EXPECT_EQ(GetField(records[0], 2, TAB), "");
    EXPECT_EQ(GetField(records[0], 3, TAB), "only a description");

    // Fields are kept as they stand, blanks and capitals included.
    records = ParseFakeList(" ABCDEF , x ,  desc  ");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], " ABCDEF \t x \t  desc  \t");

    EXPECT_TRUE(ParseFakeList("").empty());
    EXPECT_TRUE(ParseFakeList("\r\n\r\n\n").empty());
}

TEST(FakeIndex, FindsFirstRecordWithoutRegardToCase) {
    AppState state;
    state.gFakeDB = {
        "0000\t1\tno hash here\t",
        ToUpperAscii(kHashA) + "\t5\tfirst, in capitals\t",
        kHashA + "\t5\tsecond\t",
        "x\t1\tdescription naming " + kHashB + " inside\t",
        "y\t1\ta longer run 9" + kHashB + "9 still found\t",
    };
    BuildFakeIndex(state);
    EXPECT_EQ(FindFakeRecord(state, kHashA), 1);
    EXPECT_EQ(FindFakeRecord(state, ToUpperAscii(kHashA)), 1);
    EXPECT_EQ(FindFakeRecord(state, kHashB), 3);
    // Any 32-digit window of a longer hex run is a substring of the record.
    EXPECT_EQ(FindFakeRecord(state, "9" + kHashB.substr(0, 31)), 4);
    EXPECT_EQ(FindFakeRecord(state, "11111111111111111111111111111111"), -1);
    EXPECT_EQ(FindFakeRecord(state, ""), -1);
    // Texts that are no hash text are still looked up as substrings.
    EXPECT_EQ(FindFakeRecord(state, "FIRST, IN"), 1);
    EXPECT_EQ(FindFakeRecord(state, "0000"), 0);

    // Rebuilding after the records change forgets the old entries.
    state.gFakeDB = {kHashB + "\t1\tonly\t"};
    BuildFakeIndex(state);
    EXPECT_EQ(FindFakeRecord(state, kHashA), -1);
    EXPECT_EQ(FindFakeRecord(state, kHashB), 0);
}

std::string RandomHash(std::mt19937& rng) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (int i = 0; i < 32; ++i) out += digits[rng() % 16];
    return out;
}

// The index must give what a record-by-record scan in file order gives.
TEST(FakeIndex, AgreesWithPlainScanOnGeneratedLists) {
    for (uint32_t seed : {1u, 2u, 3u}) {
        std::mt19937 rng(seed);
        std::vector<std::string> pool;
        for (int i = 0; i < 400; ++i) pool.push_back(RandomHash(rng));

        std::string file;
        for (int r = 0; r < 4000; ++r) {
            const std::string& h = pool[rng() % pool.size()];
            switch (rng() % 6) {
                case 0: file += ToUpperAscii(h) + "," + std::to_string(rng()) + ",Film " + std::to_string(r); break;
                case 1: file += "bad" + std::to_string(r) + ",1,see " + h + " (repost)"; break;
                case 2: file += "x,1,mixed " + h.substr(0, 10) + ToUpperAscii(h.substr(10)) + "!"; break;
                case 3: file += h.substr(0, 20) + ",1,half a hash"; break;
                case 4: file += "deadbeef" + h + ",2,longer hex run"; break;
                default: file += h + "," + std::to_string(rng() % 100000) + ",Plain"; break;
            }
            file += (rng() % 3 == 0) ? "\n" : "\r\n";
        }

        AppState state;
        state.gFakeDB = ParseFakeList(file);
        ASSERT_EQ(state.gFakeDB.size(), 4000u);
        BuildFakeIndex(state);

        std::vector<std::string> probes = pool;
        for (int i = 0; i < 200; ++i) probes.push_back(RandomHash(rng));  // almost surely absent
        probes.push_back(("deadbeef" + pool[0]).substr(3, 32));           // straddles a run
        for (const auto& probe : probes) {
            int32_t scan = -1;
            for (size_t r = 0; r < state.gFakeDB.size() && scan < 0; ++r)
                if (ContainsNoCase(state.gFakeDB[r], probe)) scan = static_cast<int32_t>(r);
            ASSERT_EQ(FindFakeRecord(state, probe), scan) << "seed " << seed << " hash " << probe;
        }
    }
}

class LoadFakeListTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.programDir = dir.path();
        state.gVersionText = "Kestrivane Version 1.0.0";
        view.caption = "old caption";
    }
    ScopedTempDir dir;
    AppState state;
    RecordingView view;
};

TEST_F(LoadFakeListTest, LoadsRecordsAndShowsTheCount) {
    dir.Write("FAKES.DAT", kHashA + ",1,a\r\n" + kHashB + ",2,b\r\n" + "c,3,c\r\n");
    LoadFakeList(state, view);
    EXPECT_EQ(state.gFakeDB.size(), 3u);
    EXPECT_EQ(view.caption, "Kestrivane Version 1.0.0 / Total  3 Fakes in DB");
    EXPECT_EQ(FindFakeRecord(state, kHashB), 1);
    EXPECT_TRUE(view.boxes.empty());

    // Loading again replaces the records rather than adding to them.
    LoadFakeList(state, view);
    EXPECT_EQ(state.gFakeDB.size(), 3u);
    EXPECT_EQ(view.caption, "Kestrivane Version 1.0.0 / Total  3 Fakes in DB");

    // A list without records still loads and counts 0.
    dir.Write("FAKES.DAT", "nothing useful\r\n");
    LoadFakeList(state, view);
    EXPECT_TRUE(state.gFakeDB.empty());
    EXPECT_EQ(FindFakeRecord(state, kHashA), -1);
    EXPECT_EQ(view.caption, "Kestrivane Version 1.0.0 / Total  0 Fakes in DB");
}

TEST_F(LoadFakeListTest, MissingOrEmptyFileEmptiesTheDatabaseAndKeepsTheCaption) {
    dir.Write("FAKES.DAT", kHashA + ",1,a\r\n");
    LoadFakeList(state, view);
    ASSERT_EQ(FindFakeRecord(state, kHashA), 0);
    view.caption = "old caption";

    dir.Write("FAKES.DAT", "");
    LoadFakeList(state, view);
    const std::string path = dir.File("FAKES.DAT");
    EXPECT_EQ(view.status, "File " + path + " not found! Please download FAKE-DB!");
    EXPECT_EQ(view.statusColour, "0");
    EXPECT_EQ(view.caption, "old caption");
    EXPECT_TRUE(state.gFakeDB.empty());
    EXPECT_EQ(FindFakeRecord(state, kHashA), -1);  // the old index went with the records
    EXPECT_EQ(dir.Read("FAKES.DAT"), "");

    LoadFakeListFrom(state, view, dir.File("absent.dat"));
    EXPECT_EQ(view.status, "File " + dir.File("absent.dat") + " not found! Please download FAKE-DB!");
    EXPECT_TRUE(view.boxes.empty());
}

TEST_F(LoadFakeListTest, SkippedLineDiagnostic) {
    dir.Write("FAKES.DAT", kHashA + ",1,a\r\n,2,broken\r\nno comma\r\n");
    LoadFakeList(state, view);
    EXPECT_TRUE(view.boxes.empty());  // off unless asked for

    state.gShowFakesDatErrors = "yes";
    LoadFakeList(state, view);
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text, "Fehler in der FAKES.DAT, Linie1\r\nEingelesene Zeile:\r\n,2,broken");
    EXPECT_EQ(view.boxes[0].style, kMbOk);
    EXPECT_EQ(view.boxes[0].title, "Kestrivane");
    EXPECT_EQ(state.gFakeDB.size(), 1u);  // loading goes on

    state.gShowFakesDatErrors.clear();
    view.boxes.clear();
    ::setenv("KESTRIVANE_SHOW_FAKESDAT_ERRORS", "YES", 1);
    LoadFakeList(state, view);
    ::unsetenv("KESTRIVANE_SHOW_FAKESDAT_ERRORS");
    EXPECT_EQ(view.boxes.size(), 1u);
}

}  // namespace
}  // namespace kv
