#include <algorithm>
#include <gtest/gtest.h>

#include <filesystem>

#include "PartMetBuilder.h"
#include "RecordingView.h"
#include "TempDir.h"
#include "common/StringUtil.h"
#include "partmet/CheckRun.h"
#include "partmet/LinkExport.h"
#include "partmet/PartMetReader.h"

namespace kv {
namespace {

using namespace kv::test;
using Rows = std::vector<std::string>;
using Cases = std::vector<std::pair<std::string, std::string>>;  // bytes, what Parse gives

std::string Bytes(std::initializer_list<int> values) { return std::string(values.begin(), values.end()); }
std::string Le32(uint32_t v) { return Bytes({int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF), int(v >> 24)}); }
std::string HashOf(uint8_t seed) { return HashText(SequentialHash(seed).data()); }
PartMetLayout Meta(const std::string& name, uint64_t size = 0, uint8_t seed = 0x10) {
    return {0xE0, 0x65A1B2C3, SequentialHash(seed), 0, name, 1, false, size, {}};
}
const std::string kSeq10 = HashOf(0x10);
const std::string kHeader = BuildPartMet(Meta("")).substr(0, 27);  // eMule's header up to the first tag
// "hash|name|size", a value not found marked "?" before what was left in it.
std::string Parse(std::string_view bytes) {
    const PartMetInfo i = ParsePartMet(bytes);
    return i.hashText + "|" + (i.hasName ? "" : "?") + i.fileName + "|" + (i.hasSize ? "" : "?") +
           std::to_string(i.fileSize);
}

TEST(ParsePartMet, ClientLayouts) {
    // A date ending in 0x3E, hash 00..0f, no part-hash count.
    EXPECT_EQ(Parse(Bytes({0xE0, 1, 2, 3, 0x3E, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 2, 0, 0, 0}) +
                    TagString(1, "test.avi") + TagU32(2, 1000000)),
              HashOf(0) + "|test.avi|1000000");
    const std::string umlauts = "\xC3\x9C" "ber M\xC3\xBC" "ll.mkv";
    const auto h = SequentialHash(0xA5);
    const Rows x = {TagU32(0x08, 12345), TagString(0x12, "comment")};
    for (const PartMetLayout& c : std::vector<PartMetLayout>{  // current; dates with 0x3E; aMule: name twice; BOM
             {0xE0, 0x65A1B2C3, h, 3, "Some Film.avi", 1, false, 734003200, x},
             {0xE0, 0x113E2244, h, 3, "a", 1, false, 1, x}, {0xE0, 0x3E3E3E3E, h, 3, "a", 1, false, 1, x},
             {0xE0, 0x65A1B2C3, h, 3, umlauts, 2, false, 99, x}, {0xE0, 0x65A1B2C3, h, 3, umlauts, 1, true, 99, x},
             {0xE2, 0x65A1B2C3, h, 3, "big", 1, false, 5ull << 30, x}})
        EXPECT_EQ(Parse(BuildPartMet(c)), HashOf(0xA5) + "|" + c.name + "|" + std::to_string(c.size));
    for (int c = 0; c < 4; ++c) {  // the older eDonkey layouts, 0xE0 and 0xE1: hash at 5 (zero at offset 1) or 6
        PartMetLayout old = Meta("old.mpg", 123456, 0x40);
        old.version = c < 2 ? 0xE0 : 0xE1;
        EXPECT_EQ(Parse(BuildOldEdonkeyPartMet(old, c % 2)), HashOf(0x40) + "|old.mpg|123456") << c;
    }
}

TEST(ParsePartMet, SizesAndNames) {
    for (uint64_t size : {0ull, 2147483647ull, 2147483648ull, 4290048000ull, 4290048001ull, 4294967295ull})
        EXPECT_EQ(Parse(BuildPartMet(Meta("x", size))), kSeq10 + "|x|" + std::to_string(size));
    for (const std::string& name : {std::string("a, b, c.avi"), std::string("  blanks  .avi"),
                                    std::string("\xE4\xF6\xFC\xDF M\xFCller.avi"), std::string("nul\0in", 6),
                                    std::string("\xE6\x97\xA5.mkv"), std::string()}) {
        const std::string file = BuildPartMet(Meta(name, 7));
        EXPECT_EQ(Parse(file), kSeq10 + "|" + name + "|7");
        EXPECT_EQ(CutPartMetName(file), name);
    }
}

TEST(ParsePartMet, TagWalkNarrowSizesAndDamage) {
    // Every long-form type between name and size, then the short forms.
    const std::string tags =
        TagString(1, "walk.avi") + Bytes({0x01, 1, 0, 0x30}) + std::string(16, '\x02') +
        Bytes({0x04, 1, 0, 0x31, 1, 2, 3, 4, 0x05, 1, 0, 0x32, 1, 0x06, 1, 0, 0x33, 9, 0, 0xFF, 1}) +
        Bytes({0x07, 1, 0, 0x34}) + Le32(3) + Bytes({2, 1, 0, 0x0A, 1, 0, 0x35, 2, 3, 1}) +
        Bytes({0x03, 3, 0}) + "\x02" "12" + Le32(77) +                    // multi-byte name: no id
        Bytes({0x02, 1, 0, 0x02, 2, 0}) + "99" + TagString(1, "2nd") +  // id 2 as a string; a later name
        Bytes({0x91, 0x20}) + "x" + Bytes({0xA0, 0x21}) + std::string(16, 'y') + Bytes({0x89, 0x22, 7}) +
        Bytes({0x8B, 0x02}) + Le32(0) + Le32(1);  // short uint64 size 2^32
    // Narrow sizes are widened, never sign-extended. An unknown type or a value past the end stops the walk; what
    // was found stands. An unknown version has no hash.
    const std::string n = kHeader + TagString(1, "n");
    for (const auto& [bytes, parsed] : Cases{
             {kHeader + tags, kSeq10 + "|walk.avi|4294967296"}, {n + TagU32(2, 4294967295u), kSeq10 + "|n|4294967295"},
             {n + TagU16(2, 65535), kSeq10 + "|n|65535"}, {n + TagU8(2, 200), kSeq10 + "|n|200"},
             {n + Bytes({0x0C, 1, 0, 0x40, 1, 2}) + TagU32(2, 5), kSeq10 + "|n|?0"},
             {n + Bytes({0x07, 1, 0, 0x40}) + Le32(0xFFFFFFF0u) + TagU32(2, 5), kSeq10 + "|n|?0"},
             {kHeader + Bytes({0x02, 1, 0, 0x01, 0xFF, 0x7F}) + "short", kSeq10 + "|?|?0"},
             {kHeader + TagU32(2, 777), kSeq10 + "|?|?0"},  // no name pattern: neither name nor size
             {"\x0E" + BuildPartMet(Meta("v.avi", 5)).substr(1), "|v.avi|5"},
             {Bytes({0xE0, 0, 0, 0, 0}) + std::string(15, '\xAB'), "|?|?0"}})  // one byte short of a hash
        EXPECT_EQ(Parse(bytes), parsed);
}

// Every prefix of a real-layout file, copied to an exact-size buffer so ASan sees any overread.
TEST(ParsePartMet, EveryTruncationIsSafe) {
    const PartMetLayout meta{0xE2, 0x3E3E3E3E, SequentialHash(0x20), 2, "Trunc \xC3\xA4.avi", 2, true,
                             4290048001ull, {TagU32(0x08, 1), Bytes({0x07, 1, 0, 0x40}) + Le32(4) + "blob"}};
    const std::string full = BuildPartMet(meta);
    const size_t nameEnd = full.find(meta.name) + meta.name.size();
    for (size_t n = 0; n <= full.size(); ++n) {
        const std::vector<char> buffer(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
        const std::string_view prefix(buffer.data(), n);
        const std::string name = n >= nameEnd ? meta.name : "";
        EXPECT_EQ(Parse(prefix), (n < 21 ? "" : HashOf(0x20)) + "|" + (n >= nameEnd ? "" : "?") + name +
                                     (n + 20 >= full.size() ? "|4290048001" : "|?0")) << n;  // size tag whole
        EXPECT_EQ(CutPartMetName(prefix), name) << n;
    }
}

TEST(ReadPartMet, KeepsWhatItCannotReadAndRefusesHugeFiles) {
    ScopedTempDir dir;
    const std::string path = dir.Write("1.part.met", BuildPartMet(Meta("file.avi", 3000000000ull)));
    auto read = [](const std::string& file) {
        std::string name = "kept", hash = "stale";
        int64_t size = 42;
        ReadPartMet(file, name, hash, size);
        return name + "|" + hash + "|" + std::to_string(size);
    };
    EXPECT_EQ(read(path), "file.avi|" + kSeq10 + "|3000000000");
    EXPECT_EQ(read(dir.Write("2.part.met", kHeader)), "kept|" + kSeq10 + "|42");  // hash rewritten, the rest stays
    EXPECT_EQ(read(dir.File("gone.part.met")), "kept||0");
    std::filesystem::resize_file(path, kMaxPartMetBytes + 1);  // too big to be a .part.met
    EXPECT_EQ(read(path), "kept||0");
    std::filesystem::resize_file(path, kMaxPartMetBytes);  // at the limit it is still read
    EXPECT_EQ(read(path), "file.avi|" + kSeq10 + "|3000000000");
}

const std::string kHead = "Partname\tFilename\tError-Description";
const std::string kOdd = "3 |<&\">.mkv";  // blanks, the link separator, HTML markup characters
Rows Toggles(const std::string& verb) {
    return {verb + "OnlineFakesDB", verb + "OnlineKestrivane", verb + "cbDownloadFakesDB", verb + "cbCheckFiles",
            verb + "cbTitelSearch"};
}

class CheckRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.programDir = home.path(), state.gIniFile = home.File("Kestrivane.ini");
        state.gVersionText = "Kestrivane Version 1.0.0";
    }
    void Settings(const std::string& showAll, const std::optional<std::string>& temp = {}) {
        home.Write("Kestrivane.ini", temp.value_or("[eMule]\r\nTempDir=" + tempDir) +
                                         "\r\n[Display]\r\nShowAllPartMet=" + showAll + "\r\n");
    }
    void AddPart(const std::string& file, uint8_t seed, const std::string& name, uint64_t size) {
        home.Write("temp/" + file, BuildPartMet(Meta(name, size, seed)));
    }
    void ThreeDownloads() {  // the second is a listed fake
        AddPart("001.part.met", 0x01, "first.avi", 1000);
        AddPart("002.part.met", 0x02, "second, fake.avi", 734003200);
        AddPart("003.part.met", 0x03, kOdd, 5368709120ull);
        home.Write("FAKES.DAT", HashOf(0x77) + ",1,other\r\n" + HashOf(0x02) + ",734003200,Fake film (German)\r\n");
    }
    ScopedTempDir home;
    const std::string tempDir = home.File("temp");
    AppState state;
    RecordingView view;
};

TEST_F(CheckRunTest, ThreeDownloadsAllFilesOffAndOnNoFakeListThenLinks) {
    ThreeDownloads();
    Settings("NO");
    const CheckSummary summary = cbCheckFiles_Click(state, view);
    const std::string fakeRow = "002.part\tsecond, fake.avi\tFake film (German)";
    const std::string finished = "Finished! Found 1 Fakes in  3 checked .part.met";
    EXPECT_TRUE(summary.ran && summary.found == 1 && summary.checked == 3 && state.gListHoldsCheckRows);
    const Rows fakeRecord = {"002.part\tsecond, fake.avi\t" + HashOf(0x02) + "\tFake film (German)\t734003200\t"};
    EXPECT_EQ(state.gResultRecords, fakeRecord);
    // Disabled before loading; the extent is the widest row + 500; enabled after the summary.
    Rows log = Toggles("disable:");
    log.insert(log.end(), {"caption:Kestrivane Version 1.0.0 / Total  2 Fakes in DB", "check:ViewAllFiles:0", "clear",
                           "row:" + kHead, "row: ", "status:Reading *.part.met and matching with FAKE-DB...",
                           "row:" + fakeRow, "extent:" + std::to_string(7 * fakeRow.size() + 500),
                           "status:" + finished});
    for (const auto& e : Toggles("enable:")) log.push_back(e);
    // Repaints depend on the clock (at most ~30 a second): the first rows and the
    // end are always painted, anything between may be.
    Rows withoutRepaints;
    std::copy_if(view.log.begin(), view.log.end(), std::back_inserter(withoutRepaints),
                 [](const std::string& e) { return e != "repaint"; });
    EXPECT_EQ(withoutRepaints, log);
    const auto extent = std::find(view.log.begin(), view.log.end(), log[log.size() - 7]);
    ASSERT_NE(extent, view.log.end());
    EXPECT_EQ(*(extent - 1), "repaint");
    EXPECT_EQ(*(std::find(view.log.begin(), view.log.end(), "row: ") + 1), "repaint");

    Settings("yes");
    for (int run = 0; run < 2; ++run) {  // a second run gives the same list, not a doubled one
        cbCheckFiles_Click(state, view);
        EXPECT_EQ(view.rows,
                  (Rows{kHead, " ", "001.part\tfirst.avi\t*** OK ", fakeRow, "003.part\t" + kOdd + "\t*** OK "}));
        EXPECT_EQ(state.gResultRecords, (Rows{"001.part\tfirst.avi\t" + HashOf(1) + "\t\t1000\t", fakeRecord[0],
                                              "003.part\t" + kOdd + "\t" + HashOf(3) + "\t\t5368709120\t"}));
        EXPECT_TRUE(view.status == finished && view.allFilesChecked);
    }

    // No fake list, the default one or --fakes: stopped before anything changes.
    const Rows records = state.gResultRecords;
    for (const std::string& fakes : {home.File("x"), std::string()}) {
        view.log.clear();
        EXPECT_FALSE(cbCheckFiles_Click(state, view, {.tempDir = {}, .fakesFile = fakes, .showAll = {}}).ran);
        EXPECT_EQ(view.log, Rows{"status:No FAKES-DB found. Please 'Update DB'."});
        std::filesystem::remove(home.File("FAKES.DAT"));
    }
    EXPECT_EQ(state.gResultRecords, records);

    auto copy = [&](void (*click)(AppState&, MainView&), int32_t row) {
        view.clipboardSet = false, view.selected = row;
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
    EXPECT_EQ(cbCheckFiles_Click(state, view).checked, 3);
    EXPECT_EQ(view.rows, (Rows{kHead, " ", "B\tB.MET\t*** OK ", "a\ta.met\t*** OK ", "broken.part\t\t*** OK "}));
    EXPECT_EQ(state.gResultRecords[2], "broken.part\t\t\t\t0\t");  // no name, no hash, size 0
}

TEST_F(CheckRunTest, TempDirectoryUnsetUnlistableFromSettingsOrOverridden) {
    ThreeDownloads();
    Settings("YES", "");
    view.rows = {"old row"};
    EXPECT_FALSE(cbCheckFiles_Click(state, view).ran);
    EXPECT_EQ(view.LogWith("box:"), Rows{"box:" + std::to_string(kMbCritical) + ":Kestrivane:Error:\r\nNo '[eDonkey] "
                                         "TempPath=' or '[eMule] TempDir='\r\nin Kestrivane.ini found!\r\n\r\nUse "
                                         "Menu 'File, Open ...'"});
    EXPECT_TRUE(view.rows.empty() && view.LogWith("enable:") == Toggles("enable:"));

    const std::string missing = home.File("no such dir");
    Settings("YES", "[eMule]\r\nTempDir=" + missing);
    state.fbFiles = {"stale.part.met"}, view.rows = {"old row"};  // no walk over an old listing
    view.log.clear();
    EXPECT_FALSE(cbCheckFiles_Click(state, view).ran);
    EXPECT_EQ(view.status, "Temp directory " + missing + " not found!");
    EXPECT_TRUE(view.rows.empty() && state.fbFiles.empty() && !state.gfTempDirOK && view.boxes.size() == 1);
    EXPECT_EQ(view.LogWith("enable:"), Toggles("enable:"));

    Settings("NO", "[eDonkey]\r\nTempPath=" + tempDir + "\r\n[eMule]\r\nTempDir=" + missing);  // eDonkey's key wins
    EXPECT_EQ(cbCheckFiles_Click(state, view).found, 1);
    home.Write("list.dat", HashOf(0x03) + ",1,Other list\r\n");
    const CheckOptions options{.tempDir = tempDir + "/", .fakesFile = home.File("list.dat"), .showAll = false};
    EXPECT_EQ(cbCheckFiles_Click(state, view, options).found, 1);  // the command line's overrides
    EXPECT_EQ(view.rows, (Rows{kHead, " ", "003.part\t" + kOdd + "\tOther list"}));
}

}  // namespace
}  // namespace kv
