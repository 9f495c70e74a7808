#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "PartMetBuilder.h"
#include "RecordingView.h"
#include "TempDir.h"
#include "common/StringUtil.h"
#include "ed2k/PartMetReader.h"
#include "app/presenter/MainPresenter.h"

using namespace kv;
using namespace kv::test;
using Rows = std::vector<std::string>;

std::string Bytes(std::initializer_list<int> values) { return std::string(values.begin(), values.end()); }
std::string Le32(uint32_t v) { return Bytes({int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF), int(v >> 24)}); }
std::string HashOf(uint8_t seed) { return HashText(SequentialHash(seed).data()); }
PartMetLayout Meta(const std::string& name, uint64_t size = 0, uint8_t seed = 0x10) {
    return {0xE0, 0x65A1B2C3, SequentialHash(seed), 0, name, 1, false, size, {}};
}
const std::string kSeq10 = HashOf(0x10);
// eMule's header up to the first tag, with a tag count that lets every test's tags be walked.
const std::string kHeader = BuildPartMet(Meta("")).substr(0, 23) + Le32(1000);
// "hash|name|size", a value not found marked "?" before what was left in it.
std::string Parse(std::string_view bytes) {
    const Download d = ParsePartMet(bytes);
    return (d.hash ? d.hash->ToHex() : "") + "|" + (d.hasName ? "" : "?") + d.name + "|" + (d.hasSize ? "" : "?") +
           std::to_string(d.size);
}

TEST(ParsePartMet, ClientLayouts) {
    const std::string umlauts = "\xC3\x9C" "ber M\xC3\xBC" "ll.mkv";
    const auto h = SequentialHash(0xA5);
    const Rows x = {TagU32(0x08, 12345), TagString(0x12, "comment")};
    // Current eMule (a NUL in the name, past 2^31); a date of 0x3E bytes, an empty name, 2^32-1; aMule's name twice;
    // eMule's byte-order mark, dropped; 0xE2 over 4 GiB.
    for (const PartMetLayout& c : std::vector<PartMetLayout>{
             {0xE0, 7, h, 3, std::string("nul\0in", 6), 1, false, 2147483648ull, x},
             {0xE0, 0x3E3E3E3E, h, 3, "", 1, false, 4294967295ull, x},
             {0xE0, 7, h, 3, umlauts, 2, false, 99, x}, {0xE0, 7, h, 3, umlauts, 1, true, 99, x},
             {0xE2, 7, h, 3, "big", 1, false, 5ull << 30, x}})
        EXPECT_EQ(Parse(BuildPartMet(c)), HashOf(0xA5) + "|" + c.name + "|" + std::to_string(c.size));
    for (int c = 0; c < 4; ++c)  // the older eDonkey layouts, 0xE0 and 0xE1: hash at 5 (zero at offset 1) or 6
        EXPECT_EQ(Parse(BuildOldEdonkeyPartMet({uint8_t(0xE0 + c / 2), 7, h, 0, "old", 1, false, 12, {}}, c % 2)),
                  HashOf(0xA5) + "|old|12") << c;
}

// Every long-form type between name and size, then the short forms; narrow sizes are widened. An unknown type or a
// value past the end stops the walk, and what was found stands. An unknown version has no hash.
TEST(ParsePartMet, TagWalkNarrowSizesAndDamage) {
    const std::string tags =
        TagString(1, "walk.avi") + Bytes({0x01, 1, 0, 0x30}) + std::string(16, '\x02') +
        Bytes({0x04, 1, 0, 0x31, 1, 2, 3, 4, 0x05, 1, 0, 0x32, 1, 0x06, 1, 0, 0x33, 9, 0, 0xFF, 1}) +
        TagU16(0x36, 0xFFFF) + TagU8(0x37, 2) + TagU64(0x38, 1) +
        Bytes({0x07, 1, 0, 0x34}) + Le32(3) + Bytes({2, 1, 0, 0x0A, 1, 0, 0x35, 2, 3, 1}) +
        Bytes({0x03, 3, 0}) + "\x02" "12" + Le32(77) +                    // multi-byte name: no id
        Bytes({0x02, 1, 0, 0x02, 2, 0}) + "99" + TagString(1, "2nd") +  // id 2 as a string; a later name
        Bytes({0x91, 0x20}) + "x" + Bytes({0xA0, 0x21}) + std::string(16, 'y') + Bytes({0x89, 0x22, 7}) +
        Bytes({0x8B, 0x02}) + Le32(0) + Le32(1);  // short uint64 size 2^32
    const std::string n = kHeader + TagString(1, "n");
    for (const auto& [bytes, parsed] : std::vector<std::pair<std::string, std::string>>{
             {kHeader + tags, kSeq10 + "|walk.avi|4294967296"}, {n + TagU16(2, 65535), kSeq10 + "|n|65535"},
             {n + Bytes({0x0C, 1, 0, 0x40, 1, 2}) + TagU32(2, 5), kSeq10 + "|n|?0"},
             {n + Bytes({0x07, 1, 0, 0x40}) + Le32(0xFFFFFFF0u) + TagU32(2, 5), kSeq10 + "|n|?0"},
             {kHeader + TagU32(2, 777), kSeq10 + "|?|777"},  // walked from the count: no name is needed
             // a bool array of 8 bits takes 2 bytes, as the clients skip it
             {kHeader + Bytes({0x86, 0x40, 8, 0, 0xFF, 0}) + TagString(1, "b") + TagU32(2, 9), kSeq10 + "|b|9"},
             {"\x0E" + BuildPartMet(Meta("v.avi", 5)).substr(1), "|v.avi|5"}})
        EXPECT_EQ(Parse(bytes), parsed);
}

// What the client noted: corrupted parts (long or short string form), bytes lost, last seen complete (0 = never),
// active time, the search result's media length. The first of each counts; a tag of another type is no note.
TEST(ParsePartMet, ClientNotesOnTheDownload) {
    const auto notes = [](const Rows& tags) {
        PartMetLayout meta = Meta("f.avi", 50000000);
        meta.extraTags = tags;
        const Download d = ParsePartMet(BuildPartMet(meta));
        const auto num = [](const std::optional<uint64_t>& v) { return v ? std::to_string(*v) : std::string("-"); };
        return d.corruptedParts + "|" + num(d.corruptedBytes) + "|" + num(d.lastSeenComplete) + "|" +
               num(d.activeSeconds) + "|" + num(d.mediaLength) + "|" + d.name + "|" + std::to_string(d.size);
    };
    const std::vector<std::pair<Rows, std::string>> rows = {
        {{}, "|-|-|-|-|f.avi|50000000"},
        {{TagString(0x24, "3,7,12"), TagU32(0x1B, 29184000), TagU32(0x05, 0), TagU32(0x23, 259200), TagU32(0xD3, 5400)},
         "3,7,12|29184000|0|259200|5400|f.avi|50000000"},
        {{Bytes({0x93, 0x24}) + "3,7", TagU64(0x1B, 5000000000ull), TagU32(0x05, 1700000000)},
         "3,7|5000000000|1700000000|-|-|f.avi|50000000"},
        {{TagString(0x24, "1"), TagString(0x24, "2"), TagU32(0xD3, 60), TagU32(0xD3, 90)}, "1|-|-|-|60|f.avi|50000000"},
        {{TagU32(0x24, 5), TagString(0x23, "x"), TagString(0xD3, "5400")}, "|-|-|-|-|f.avi|50000000"},
    };
    for (const auto& [tags, parsed] : rows) EXPECT_EQ(notes(tags), parsed);
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

// A file too big to be a .part.met is not read.
TEST(ReadPartMet, ReadsUpToTheSizeLimitOnly) {
    ScopedTempDir dir;
    const std::string path = dir.Write("1.part.met", BuildPartMet(Meta("file.avi", 3000000000ull)));
    for (const uint64_t bytes : {kMaxPartMetBytes, kMaxPartMetBytes + 1}) {
        std::filesystem::resize_file(path, bytes);
        const auto d = ReadPartMet(path);
        EXPECT_EQ(d ? d->name + "|" + d->hash->ToHex() + "|" + std::to_string(d->size) : "unread",
                  bytes > kMaxPartMetBytes ? "unread" : "file.avi|" + kSeq10 + "|3000000000");
    }
}

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
    Settings("yes", "[eMule]\r\nTempDir=" + tempDir);
    home.Write("FAKES.DAT", HashOf(0x02) + ",734003200,Fake film (German)\r\n");
    presenter.CheckDownloads();

    auto copy = [&](bool html, std::vector<size_t> rows) {
        view.clipboardSet = false, view.selected = rows;
        presenter.CopyLink(html);
        return view.clipboardSet ? view.clipboard : "unchanged";
    };
    const bool plain = false, html = true;
    // The separator is percent-encoded, so that the clients read the name back whole; markup is escaped.
    EXPECT_EQ(copy(plain, {2}), "ed2k://|file|3 %7C<&\">.mkv|5368709120|" + HashOf(3) + "|/");
    EXPECT_EQ(copy(html, {2}), "<a href=\"ed2k://|file|3 %7C&lt;&amp;&quot;&gt;.mkv|5368709120|" + HashOf(3) +
                                 "|\">3 |&lt;&amp;&quot;&gt;.mkv</a>");
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
    const std::string t = tempDir;
    // A download fragmented into 150 gaps has over 256 tags: name and size still found.
    PartMetLayout fragmented = Meta("fragmented.avi", 1u << 30, 0x04);
    for (int i = 0; i < 150; ++i) {
        fragmented.extraTags.push_back(TagGap(true, i, uint64_t(i) * 4000000 + 100, false));
        fragmented.extraTags.push_back(TagGap(false, i, uint64_t(i) * 4000000 + 200, false));
    }
    home.Write("temp/004.part.met", BuildPartMet(fragmented));
    home.Write("temp/005.part.met", "");
    home.Write("temp/006.part.met", "\xE0");
    std::filesystem::resize_file(home.Write("temp/007.part.met", ""), kMaxPartMetBytes + 1);
    // eMule saving: no .part.met for a moment, its copies stand in (".bak" first); ".tmp" is never read.
    home.Write("temp/008.part.met.bak", BuildPartMet(Meta("saved.avi", 5, 0x08)));
    home.Write("temp/008.part.met.backup", BuildPartMet(Meta("older.avi", 5, 0x08)));
    home.Write("temp/009.part.met.tmp", BuildPartMet(Meta("half-written.avi", 5, 0x09)));
    home.Write("temp/001.part.met.bak", BuildPartMet(Meta("stale copy.avi", 5, 0x01)));  // its .part.met is there
    // Names and list texts with control bytes cannot forge rows or reach a terminal.
    home.Write("temp/010.part.met", BuildPartMet(Meta("two\tfields\nand a row\x1B[2J.avi", 5, 0x0A)));
    home.Write("FAKES.DAT", HashOf(0x0A) + ",5,tab\there\r\n");
    // A FIFO in a .part.met's place is not waited on.
    ASSERT_EQ(::mkfifo(home.File("temp/011.part.met").c_str(), 0600), 0);
    Settings("NO", "[eMule]\r\nTempDir=" + t);
    const auto outcome = presenter.CheckDownloads();
    EXPECT_EQ(view.rows,
              (Rows{"005.part\t\t*** Not checked: the .met file is empty or damaged",
                    "006.part\t\t*** Not checked: the .met file is empty or damaged",
                    "007.part\t\t*** Not checked: the .met file is larger than 64 MiB, no .part.met",
                    "010.part\ttwo\\tfields\\nand a row\\x1B[2J.avi\ttab\\there"}));
    EXPECT_EQ(view.status, "Finished! Found 1 Fakes in  6 checked .part.met, 3 could not be read");
    Settings("YES", "[eMule]\r\nTempDir=" + t);
    presenter.CheckDownloads();
    EXPECT_EQ(view.rows.at(3), "004.part\tfragmented.avi\t*** OK ");
    EXPECT_EQ(view.rows.at(7), "008.part\tsaved.avi\t*** OK  (read from the client's backup 008.part.met.bak)");
    EXPECT_EQ(view.rows.size(), 9u);  // 001-008 and 010: no .tmp, no second 001
    const auto& fragmentedRead = ParsePartMet(BuildPartMet(fragmented));
    EXPECT_EQ(fragmentedRead.gaps.size(), 150u);
    EXPECT_EQ(fragmentedRead.size, 1u << 30);
}
