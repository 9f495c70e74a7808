#include "partmet/PartMetReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "PartMetBuilder.h"
#include "TempDir.h"

namespace kv {
namespace {

using test::BuildOldEdonkeyPartMet;
using test::BuildPartMet;
using test::PartMetLayout;
using test::SequentialHash;

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

std::string Le32(uint32_t v) { return Bytes({int(v & 0xFF), int(v >> 8 & 0xFF), int(v >> 16 & 0xFF), int(v >> 24)}); }

// The header eMule writes: version, date, hash, no part hashes, tag count.
std::string Header(uint32_t tagCount, uint8_t seed = 0x10) {
    std::string out = Bytes({0xE0}) + Le32(0x65A1B2C3);
    const auto hash = SequentialHash(seed);
    out.append(reinterpret_cast<const char*>(hash.data()), 16);
    return out + Bytes({0, 0}) + Le32(tagCount);
}

const std::string kSeq10 = "101112131415161718191a1b1c1d1e1f";

TEST(ParsePartMet, TheClassicSmallExample) {
    // Version, a date whose last byte is 0x3E, hash 00..0F, no part-hash count,
    // tag count 2, name tag "test.avi", size tag 1000000.
    std::string file = Bytes({0xE0, 0x01, 0x02, 0x03, 0x3E});
    for (int i = 0; i < 16; ++i) file += static_cast<char>(i);
    file += Le32(2) + test::TagString(0x01, "test.avi") + test::TagU32(0x02, 1000000);

    const PartMetInfo info = ParsePartMet(file);
    EXPECT_EQ(info.hashText, "000102030405060708090a0b0c0d0e0f");
    EXPECT_TRUE(info.hasName);
    EXPECT_EQ(info.fileName, "test.avi");
    EXPECT_TRUE(info.hasSize);
    EXPECT_EQ(info.fileSize, 1000000);
}

TEST(ParsePartMet, CurrentClientLayouts) {
    PartMetLayout meta;
    meta.hash = SequentialHash(0xA5);  // digits a5 a6 ... b4: no capitals
    meta.partHashCount = 3;
    meta.name = "Some Film.avi";
    meta.size = 734003200;
    meta.extraTags = {test::TagU32(0x08, 12345), test::TagString(0x12, "comment")};

    PartMetInfo info = ParsePartMet(BuildPartMet(meta));  // date without 0x3E
    EXPECT_EQ(info.hashText, "a5a6a7a8a9aaabacadaeafb0b1b2b3b4");
    EXPECT_EQ(info.fileName, "Some Film.avi");
    EXPECT_EQ(info.fileSize, 734003200);

    for (uint32_t date : {0x113E2244u, 0x3E3E3E3Eu, 0x3Eu}) {  // 0x3E anywhere in the date
        meta.date = date;
        EXPECT_EQ(ParsePartMet(BuildPartMet(meta)).hashText, "a5a6a7a8a9aaabacadaeafb0b1b2b3b4") << date;
    }

    // aMule writes the name tag twice: one name, not two.
    meta.nameCopies = 2;
    info = ParsePartMet(BuildPartMet(meta));
    EXPECT_EQ(info.fileName, "Some Film.avi");
    EXPECT_EQ(info.fileSize, 734003200);

    // eMule marks non-ASCII names with a byte-order mark; it is not part of the name.
    meta.nameCopies = 1;
    meta.name = "\xC3\x9C" "ber M\xC3\xBC" "ll.mkv";
    meta.nameBom = true;
    EXPECT_EQ(ParsePartMet(BuildPartMet(meta)).fileName, meta.name);
    meta.nameBom = false;
    EXPECT_EQ(ParsePartMet(BuildPartMet(meta)).fileName, meta.name);

    // Files over 4,290,048,000 bytes: version 0xE2 and a 64-bit size.
    meta.version = 0xE2;
    meta.size = uint64_t{5} << 30;
    info = ParsePartMet(BuildPartMet(meta));
    EXPECT_EQ(info.hashText, "a5a6a7a8a9aaabacadaeafb0b1b2b3b4");
    EXPECT_EQ(info.fileSize, int64_t{5} << 30);
}

TEST(ParsePartMet, SizesAcrossThe32BitLimits) {
    PartMetLayout meta;
    meta.name = "x";
    for (uint64_t size : {0ull, 2147483647ull, 2147483648ull, 4290048000ull, 4290048001ull, 4294967295ull,
                          4294967296ull}) {
        meta.size = size;  // the builder switches to a 64-bit tag above 4,290,048,000
        const PartMetInfo info = ParsePartMet(BuildPartMet(meta));
        EXPECT_TRUE(info.hasSize);
        EXPECT_EQ(info.fileSize, static_cast<int64_t>(size));
    }
    // A 32-bit tag holding 4294967295 is not read as negative.
    const std::string file = Header(2) + test::TagString(1, "x") + test::TagU32(2, 4294967295u);
    EXPECT_EQ(ParsePartMet(file).fileSize, 4294967295);
    // Narrow size tags are widened.
    EXPECT_EQ(ParsePartMet(Header(2) + test::TagString(1, "x") + test::TagU16(2, 65535)).fileSize, 65535);
    EXPECT_EQ(ParsePartMet(Header(2) + test::TagString(1, "x") + test::TagU8(2, 200)).fileSize, 200);
}

TEST(ParsePartMet, OldEdonkeyLayouts) {
    PartMetLayout meta;
    meta.hash = SequentialHash(0x40);
    meta.name = "old.mpg";
    meta.size = 123456;
    const std::string expected = "404142434445464748494a4b4c4d4e4f";
    for (uint8_t version : {uint8_t{0xE0}, uint8_t{0xE1}}) {
        meta.version = version;
        for (bool zeroAtOffset1 : {true, false}) {
            const PartMetInfo info = ParsePartMet(BuildOldEdonkeyPartMet(meta, zeroAtOffset1));
            EXPECT_EQ(info.hashText, expected) << int(version) << " " << zeroAtOffset1;
            EXPECT_EQ(info.fileName, "old.mpg");
            EXPECT_EQ(info.fileSize, 123456);
        }
    }
}

TEST(ParsePartMet, NamesComeOutByteForByte) {
    PartMetLayout meta;
    meta.size = 1;
    for (const std::string& name : std::vector<std::string>{"a, b, c.avi", "  blanks  inside  .avi", "\xE4\xF6\xFC\xDF M\xFCller.avi",
                                   "\xE6\x97\xA5\xE6\x9C\xAC.mkv", std::string("nul\0inside", 10), std::string()}) {
        meta.name = name;
        const std::string file = BuildPartMet(meta);
        const PartMetInfo info = ParsePartMet(file);
        EXPECT_TRUE(info.hasName);
        EXPECT_EQ(info.fileName, name);
        EXPECT_EQ(CutPartMetName(file), name);
        EXPECT_EQ(info.fileSize, 1);
    }
}

TEST(ParsePartMet, WalksEveryTagTypeAndBothForms) {
    // Long-form tags of every type between the name and the size.
    std::string tags = test::TagString(1, "walk.avi");
    tags += Bytes({0x01, 1, 0, 0x30}) + std::string(16, '\x02');        // hash
    tags += Bytes({0x04, 1, 0, 0x31, 1, 2, 3, 4});                      // float
    tags += Bytes({0x05, 1, 0, 0x32, 1});                               // bool
    tags += Bytes({0x06, 1, 0, 0x33, 9, 0, 0xFF, 0x01});                // bool array, 9 bits
    tags += Bytes({0x07, 1, 0, 0x34}) + Le32(3) + Bytes({2, 1, 0});       // blob
    tags += Bytes({0x0A, 1, 0, 0x35, 2, 0x03, 0x01});                   // bsob
    tags += Bytes({0x03, 3, 0}) + "\x09" "12" + Le32(77);               // multi-byte name: no id
    tags += Bytes({0x02, 1, 0, 0x02, 2, 0}) + "99";                     // id 2 but a string: not a size
    tags += test::TagU32(2, 4096);
    PartMetInfo info = ParsePartMet(Header(11) + tags);
    EXPECT_EQ(info.hashText, kSeq10);
    EXPECT_EQ(info.fileName, "walk.avi");
    EXPECT_EQ(info.fileSize, 4096);

    // Short-form tags (type with bit 0x80, one id byte) after the name.
    tags = test::TagString(1, "short.avi");
    tags += Bytes({0x91, 0x20}) + "x";                 // string of 1 byte
    tags += Bytes({0xA0, 0x21}) + std::string(16, 'y');  // string of 16 bytes
    tags += Bytes({0x89, 0x22, 7});                    // uint8
    tags += Bytes({0x8B, 0x02}) + Le32(0) + Le32(1);   // uint64 size 2^32
    info = ParsePartMet(Header(5) + tags);
    EXPECT_EQ(info.fileName, "short.avi");
    EXPECT_EQ(info.fileSize, int64_t{1} << 32);
}

TEST(ParsePartMet, WhatIsFoundBeforeTheWalkEndsStands) {
    // An unknown type ends the walk: the size behind it is not reached.
    PartMetInfo info = ParsePartMet(Header(3) + test::TagString(1, "n.avi") + Bytes({0x0C, 1, 0, 0x40, 1, 2}) +
                                    test::TagU32(2, 5));
    EXPECT_TRUE(info.hasName);
    EXPECT_EQ(info.fileName, "n.avi");
    EXPECT_FALSE(info.hasSize);
    EXPECT_EQ(info.fileSize, 0);

    // A blob whose length runs past the end ends it too.
    info = ParsePartMet(Header(3) + test::TagString(1, "n.avi") + Bytes({0x07, 1, 0, 0x40}) + Le32(0xFFFFFFF0u) +
                        test::TagU32(2, 5));
    EXPECT_EQ(info.fileName, "n.avi");
    EXPECT_FALSE(info.hasSize);

    // A name length past the end: no name.
    info = ParsePartMet(Header(1) + Bytes({0x02, 1, 0, 0x01, 0xFF, 0x7F}) + "short");
    EXPECT_FALSE(info.hasName);
    EXPECT_EQ(info.fileName, "");
    EXPECT_EQ(info.hashText, kSeq10);
}

TEST(ParsePartMet, FilesWithoutUsableLandmarks) {
    EXPECT_EQ(ParsePartMet("").hashText, "");
    EXPECT_FALSE(ParsePartMet("").hasName);

    // No name pattern: no name and no size, even with a size tag present.
    PartMetInfo info = ParsePartMet(Header(1) + test::TagU32(2, 777));
    EXPECT_EQ(info.hashText, kSeq10);
    EXPECT_FALSE(info.hasName);
    EXPECT_FALSE(info.hasSize);
    EXPECT_EQ(info.fileSize, 0);

    // An unknown version byte gives no hash, whatever else the file holds.
    PartMetLayout meta;
    meta.name = "v.avi";
    meta.size = 10;
    std::string file = BuildPartMet(meta);
    file[0] = '\x0E';
    info = ParsePartMet(file);
    EXPECT_EQ(info.hashText, "");
    EXPECT_EQ(info.fileName, "v.avi");

    // A file without any byte 0x3E still gives the hash at its offset.
    std::string expected;
    for (int i = 0; i < 16; ++i) expected += "ab";
    EXPECT_EQ(ParsePartMet(Bytes({0xE0, 0, 0, 0, 0}) + std::string(16, '\xAB')).hashText, expected);
    // One byte short of a hash: none.
    EXPECT_EQ(ParsePartMet(Bytes({0xE0, 0, 0, 0, 0}) + std::string(15, '\xAB')).hashText, "");
}

// Every prefix of a real-layout file: no crash, no read past the end, and
// each value is either missing or complete and right.
TEST(ParsePartMet, EveryTruncationIsSafe) {
    PartMetLayout meta;
    meta.hash = SequentialHash(0x20);
    meta.partHashCount = 2;
    meta.name = "Trunc \xC3\xA4 file.avi";
    meta.nameCopies = 2;
    meta.nameBom = true;
    meta.size = 4290048001ull;
    meta.version = 0xE2;
    meta.extraTags = {test::TagU32(0x08, 1), Bytes({0x07, 1, 0, 0x40}) + Le32(4) + "blob",
                      test::TagString(0x12, "x")};
    const std::string full = BuildPartMet(meta);
    const std::string hash = "202122232425262728292a2b2c2d2e2f";
    for (size_t n = 0; n <= full.size(); ++n) {
        // A copy of exactly n bytes, so that ASan sees any read beyond it.
        const std::unique_ptr<char[]> buffer(new char[n ? n : 1]);
        std::copy(full.data(), full.data() + n, buffer.get());
        const PartMetInfo info = ParsePartMet(std::string_view(buffer.get(), n));
        EXPECT_TRUE(info.hashText.empty() || info.hashText == hash) << n;
        EXPECT_EQ(info.hashText.empty(), n < 21) << n;
        EXPECT_EQ(info.fileName, info.hasName ? meta.name : "") << n;
        if (info.hasSize) {
            EXPECT_EQ(info.fileSize, static_cast<int64_t>(meta.size)) << n;
        }
        EXPECT_EQ(CutPartMetName(std::string_view(buffer.get(), n)), info.fileName) << n;
    }
    const PartMetInfo whole = ParsePartMet(full);
    EXPECT_TRUE(whole.hasName && whole.hasSize);
}

TEST(ReadPartMet, OutputContract) {
    test::ScopedTempDir dir;
    PartMetLayout meta;
    meta.hash = SequentialHash(0x10);
    meta.name = "file.avi";
    meta.size = 3000000000ull;
    const std::string path = dir.Write("001.part.met", BuildPartMet(meta));

    std::string name, hash;
    int64_t size = 0;
    ReadPartMet(path, name, hash, size);
    EXPECT_EQ(name, "file.avi");
    EXPECT_EQ(hash, kSeq10);
    EXPECT_EQ(size, 3000000000);

    // Name and size not found: they stay as passed in; the hash is rewritten.
    name = "kept";
    hash = "stale";
    size = 42;
    ReadPartMet(dir.Write("002.part.met", Header(0)), name, hash, size);
    EXPECT_EQ(name, "kept");
    EXPECT_EQ(hash, kSeq10);
    EXPECT_EQ(size, 42);

    // A vanished file: no hash, size 0, the name untouched.
    hash = "stale";
    ReadPartMet(dir.File("gone.part.met"), name, hash, size);
    EXPECT_EQ(name, "kept");
    EXPECT_EQ(hash, "");
    EXPECT_EQ(size, 0);

    // A file over 64 MiB is no .part.met, even if it starts like one.
    const std::string big = dir.Write("big.part.met", BuildPartMet(meta));
    std::filesystem::resize_file(big, kMaxPartMetBytes + 1);
    hash = "stale";
    size = 42;
    name.clear();
    ReadPartMet(big, name, hash, size);
    EXPECT_EQ(hash, "");
    EXPECT_EQ(size, 0);
    EXPECT_EQ(name, "");
    // Exactly at the limit it is still read.
    std::filesystem::resize_file(big, kMaxPartMetBytes);
    ReadPartMet(big, name, hash, size);
    EXPECT_EQ(hash, kSeq10);
    EXPECT_EQ(name, "file.avi");
}

}  // namespace
}  // namespace kv
