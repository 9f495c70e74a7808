#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "PartMetBuilder.h"
#include "TempDir.h"
#include "common/StringUtil.h"
#include "ed2k/PartMetReader.h"

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
        {{TagString(0x24, "3,7,12"), TagU32(0x1B, 29184000), TagU32(0x05, 0), TagU32(0x23, 259200), TagU32(0xD3, 5400)},
         "3,7,12|29184000|0|259200|5400|f.avi|50000000"},
        {{Bytes({0x93, 0x24}) + "3,7", TagU64(0x1B, 5000000000ull), TagU32(0x05, 1700000000)},
         "3,7|5000000000|1700000000|-|-|f.avi|50000000"},
        {{TagString(0x24, "1"), TagString(0x24, "2"), TagU32(0xD3, 60), TagU32(0xD3, 90)}, "1|-|-|-|60|f.avi|50000000"},
        {{TagU32(0x24, 5), TagString(0x23, "x"), TagString(0xD3, "5400")}, "|-|-|-|-|f.avi|50000000"},
    };
    for (const auto& [tags, parsed] : rows) EXPECT_EQ(notes(tags), parsed);
}

// The gaps: paired by index whatever the order the tags come in (the first of an index counts), empty and
// unpaired ones dropped, clipped to the size, sorted and joined where they touch. The part hashes as they lie.
TEST(ParsePartMet, GapsAndPartHashes) {
    const auto gaps = [](const Rows& tags) {
        PartMetLayout meta = Meta("g.avi", 1000);
        meta.partHashCount = 2;
        meta.extraTags = tags;
        const Download d = ParsePartMet(BuildPartMet(meta));
        std::string out;
        for (const ByteRange& g : d.gaps) out += std::to_string(g.begin) + "-" + std::to_string(g.end) + " ";
        return out;
    };
    const auto start = [](int index, uint64_t at) { return TagGap(true, index, at, false); };
    const auto end = [](int index, uint64_t at) { return TagGap(false, index, at, false); };
    const std::vector<std::pair<Rows, std::string>> rows = {
        {{start(0, 0), end(0, 10), start(1, 500), end(1, 2000)}, "0-10 500-1000 "},
        {{start(1, 300), end(1, 400), start(0, 100), end(0, 200), start(2, 200), end(2, 250)}, "100-250 300-400 "},
        {{end(2, 90), start(1, 60), start(2, 40), end(1, 70), start(2, 0)}, "40-90 "},
        {{start(0, 50), end(0, 50), start(1, 80), end(1, 60), start(3, 5), start(4, 10), end(4, 30), start(5, 20),
          end(5, 25)},
         "10-30 "},
        {{}, ""},
    };
    for (const auto& [tags, parsed] : rows) EXPECT_EQ(gaps(tags), parsed);
    PartMetLayout meta = Meta("h.avi", 1000);
    meta.partHashCount = 3;
    const Download d = ParsePartMet(BuildPartMet(meta));
    ASSERT_EQ(d.partHashes.size(), 3u);
    for (size_t i = 0; i < 48; ++i) EXPECT_EQ(d.partHashes[i / 16].bytes()[i % 16], i) << i;
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
