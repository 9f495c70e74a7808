#include "partmet/PartMetReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "PartMetBuilder.h"
#include "TempDir.h"

namespace kv {
namespace {

using namespace kv::test;

std::string Bytes(std::initializer_list<int> values) { return std::string(values.begin(), values.end()); }
std::string Le32(uint32_t v) { return Bytes({int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF), int(v >> 24)}); }
// eMule's header: version, date, hash 10..1f, no part hashes, tag count.
const std::string kHeader = Bytes({0xE0, 0xC3, 0xB2, 0xA1, 0x65, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28,
                                   29, 30, 31, 0, 0, 9, 0, 0, 0});
const std::string kSeq10 = "101112131415161718191a1b1c1d1e1f";
PartMetLayout Meta(const std::string& name, uint64_t size = 0, uint8_t seed = 0x10) {
    return {0xE0, 0x65A1B2C3, SequentialHash(seed), 0, name, 1, false, size, {}};
}
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
              "000102030405060708090a0b0c0d0e0f|test.avi|1000000");
    struct Case { uint8_t version; uint32_t date; int copies; bool bom; std::string name; uint64_t size; };
    const std::string umlauts = "\xC3\x9C" "ber M\xC3\xBC" "ll.mkv";
    for (const Case& c : std::vector<Case>{{0xE0, 0x65A1B2C3, 1, false, "Some Film.avi", 734003200},  // current
                                           {0xE0, 0x113E2244, 1, false, "a", 1}, {0xE0, 0x3E3E3E3E, 1, false, "a", 1},
                                           {0xE0, 0x65A1B2C3, 2, false, umlauts, 99},  // aMule: name twice
                                           {0xE0, 0x65A1B2C3, 1, true, umlauts, 99},   // eMule: BOM
                                           {0xE2, 0x65A1B2C3, 1, false, "big", uint64_t{5} << 30}}) {
        const PartMetLayout meta{c.version, c.date, SequentialHash(0xA5), 3, c.name, c.copies, c.bom, c.size,
                                 {TagU32(0x08, 12345), TagString(0x12, "comment")}};
        EXPECT_EQ(Parse(BuildPartMet(meta)),
                  "a5a6a7a8a9aaabacadaeafb0b1b2b3b4|" + c.name + "|" + std::to_string(c.size));
    }
    // The older eDonkey layouts: hash at 5 (zero at offset 1) or 6.
    PartMetLayout old = Meta("old.mpg", 123456, 0x40);
    for (uint8_t version : {0xE0, 0xE1})
        for (bool zeroAtOffset1 : {true, false}) {
            old.version = version;
            EXPECT_EQ(Parse(BuildOldEdonkeyPartMet(old, zeroAtOffset1)),
                      "404142434445464748494a4b4c4d4e4f|old.mpg|123456") << int(version) << zeroAtOffset1;
        }
}

TEST(ParsePartMet, SizesAndNames) {
    for (uint64_t size : {0ull, 2147483647ull, 2147483648ull, 4290048000ull, 4290048001ull, 4294967295ull})
        EXPECT_EQ(Parse(BuildPartMet(Meta("x", size))), kSeq10 + "|x|" + std::to_string(size));
    // Narrow tags are widened, never sign-extended.
    EXPECT_EQ(Parse(kHeader + TagString(1, "x") + TagU32(2, 4294967295u)), kSeq10 + "|x|4294967295");
    EXPECT_EQ(Parse(kHeader + TagString(1, "x") + TagU16(2, 65535)), kSeq10 + "|x|65535");
    EXPECT_EQ(Parse(kHeader + TagString(1, "x") + TagU8(2, 200)), kSeq10 + "|x|200");
    for (const std::string& name : {std::string("a, b, c.avi"), std::string("  blanks  .avi"),
                                    std::string("\xE4\xF6\xFC\xDF M\xFCller.avi"), std::string("nul\0in", 6),
                                    std::string("\xE6\x97\xA5.mkv"), std::string()}) {
        const std::string file = BuildPartMet(Meta(name, 7));
        EXPECT_EQ(Parse(file), kSeq10 + "|" + name + "|7");
        EXPECT_EQ(CutPartMetName(file), name);
    }
}

TEST(ParsePartMet, TagWalk) {
    // Every long-form type between name and size, then the short forms.
    const std::string tags =
        TagString(1, "walk.avi") + Bytes({0x01, 1, 0, 0x30}) + std::string(16, '\x02') +
        Bytes({0x04, 1, 0, 0x31, 1, 2, 3, 4, 0x05, 1, 0, 0x32, 1, 0x06, 1, 0, 0x33, 9, 0, 0xFF, 1}) +
        Bytes({0x07, 1, 0, 0x34}) + Le32(3) + Bytes({2, 1, 0, 0x0A, 1, 0, 0x35, 2, 3, 1}) +
        Bytes({0x03, 3, 0}) + "\x02" "12" + Le32(77) +                    // multi-byte name: no id
        Bytes({0x02, 1, 0, 0x02, 2, 0}) + "99" + TagString(1, "2nd") +  // id 2 as a string; a later name
        Bytes({0x91, 0x20}) + "x" + Bytes({0xA0, 0x21}) + std::string(16, 'y') + Bytes({0x89, 0x22, 7}) +
        Bytes({0x8B, 0x02}) + Le32(0) + Le32(1);  // short uint64 size 2^32
    EXPECT_EQ(Parse(kHeader + tags), kSeq10 + "|walk.avi|4294967296");
    // An unknown type or a value past the end stops the walk; what was found stands.
    EXPECT_EQ(Parse(kHeader + TagString(1, "n") + Bytes({0x0C, 1, 0, 0x40, 1, 2}) + TagU32(2, 5)), kSeq10 + "|n|?0");
    EXPECT_EQ(Parse(kHeader + TagString(1, "n") + Bytes({0x07, 1, 0, 0x40}) + Le32(0xFFFFFFF0u) + TagU32(2, 5)),
              kSeq10 + "|n|?0");
    EXPECT_EQ(Parse(kHeader + Bytes({0x02, 1, 0, 0x01, 0xFF, 0x7F}) + "short"), kSeq10 + "|?|?0");
    EXPECT_EQ(Parse(kHeader + TagU32(2, 777)), kSeq10 + "|?|?0");  // no name pattern: neither name nor size
    std::string file = BuildPartMet(Meta("v.avi", 5));
    file[0] = '\x0E';  // unknown version: no hash
    EXPECT_EQ(Parse(file), "|v.avi|5");
    EXPECT_EQ(Parse(Bytes({0xE0, 0, 0, 0, 0}) + std::string(15, '\xAB')), "|?|?0");  // one byte short of a hash
}

// Every prefix of a real-layout file, copied to an exact-size buffer so ASan sees any overread.
TEST(ParsePartMet, EveryTruncationIsSafe) {
    const PartMetLayout meta{0xE2, 0x3E3E3E3E, SequentialHash(0x20), 2, "Trunc \xC3\xA4.avi", 2, true,
                             4290048001ull, {TagU32(0x08, 1), Bytes({0x07, 1, 0, 0x40}) + Le32(4) + "blob"}};
    const std::string full = BuildPartMet(meta);
    for (size_t n = 0; n <= full.size(); ++n) {
        const std::vector<char> buffer(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
        const PartMetInfo info = ParsePartMet(std::string_view(buffer.data(), n));
        EXPECT_EQ(info.hashText, n < 21 ? "" : "202122232425262728292a2b2c2d2e2f") << n;
        EXPECT_EQ(info.fileName, info.hasName ? meta.name : "") << n;
        EXPECT_EQ(info.fileSize, info.hasSize ? 4290048001 : 0) << n;
        EXPECT_EQ(info.hasSize, n + 20 >= full.size()) << n;  // once the 12-byte size tag is whole
        EXPECT_EQ(CutPartMetName(std::string_view(buffer.data(), n)), info.fileName) << n;
    }
}

TEST(ReadPartMet, KeepsWhatItCannotReadAndRefusesHugeFiles) {
    ScopedTempDir dir;
    const std::string path = dir.Write("1.part.met", BuildPartMet(Meta("file.avi", 3000000000ull)));
    std::string name, hash;
    int64_t size = 0;
    auto read = [&](const std::string& file) {
        ReadPartMet(file, name, hash, size);
        return name + "|" + hash + "|" + std::to_string(size);
    };
    EXPECT_EQ(read(path), "file.avi|" + kSeq10 + "|3000000000");
    name = "kept", hash = "stale", size = 42;  // no name or size: both stay, the hash is rewritten
    EXPECT_EQ(read(dir.Write("2.part.met", kHeader)), "kept|" + kSeq10 + "|42");
    EXPECT_EQ(read(dir.File("gone.part.met")), "kept||0");

    std::filesystem::resize_file(path, kMaxPartMetBytes + 1);  // too big to be a .part.met
    name.clear(), hash = "stale", size = 42;
    EXPECT_EQ(read(path), "||0");
    std::filesystem::resize_file(path, kMaxPartMetBytes);  // at the limit it is still read
    EXPECT_EQ(read(path), "file.avi|" + kSeq10 + "|3000000000");
}

}  // namespace
}  // namespace kv
