#include <gtest/gtest.h>

#include "ed2k/Collection.h"
#include "ed2k/LinkFinder.h"

namespace kv {
namespace {

const Ed2kHash kH1 = *Ed2kHash::FromHex("11111111111111111111111111111111");
const Ed2kHash kH2 = *Ed2kHash::FromHex("22222222222222222222222222222222");

Ed2kLink File(std::string name, uint64_t size, Ed2kHash hash, std::string aich = "") {
    Ed2kLink l;
    l.name = std::move(name);
    l.size = size;
    l.hash = hash;
    l.aich = std::move(aich);
    return l;
}

std::string Le32(uint32_t v) { return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; }

// The files of a collection as their links (name, size, hash) with the AICH, then its errors.
std::vector<std::string> Files(const Collection& c) {
    std::vector<std::string> out;
    for (const auto& f : c.files) out.push_back(f.Text() + " " + f.aich);
    out.insert(out.end(), c.errors.begin(), c.errors.end());
    return out;
}

TEST(Collection, ReadsEmulesBinaryLayout) {
    // Laid out byte by byte as eMule writes it, independently of the writer.
    std::string b = Le32(1) + Le32(1);
    b += std::string("\x02\x01\x00\x01", 4) + std::string("\x05\x00", 2) + "Films";  // old-form name tag
    b += Le32(1) + Le32(5);                                                             // one file of 5 tags
    b += std::string("\x81\x28", 2) + std::string(16, '\x11');  // hash
    b += std::string("\x83\x02", 2) + Le32(734003200);           // size as uint32
    b += std::string("\x9D\x01", 2) + "Some film.avi";           // short string: 0x11 + 13 - 1
    b += std::string("\x89\xF7\x04", 3);                         // rating
    b += std::string("\x82\xF6", 2) + std::string("\x14\x00", 2) + "a twenty-byte remark";  // comment
    const auto c = ReadCollection(b);
    ASSERT_TRUE(c) << c.error();
    EXPECT_EQ(c->form, Collection::Form::kBinary);
    EXPECT_EQ(c->name, "Films");
    EXPECT_EQ(Files(*c), std::vector<std::string>{File("Some film.avi", 734003200, kH1).Text() + " "});
    EXPECT_FALSE(c->hasSignature);
    EXPECT_TRUE(ReadCollection(b + std::string(128, '\x5A'))->hasSignature);
}

TEST(Collection, TruncatedAndLyingBinaryFiles) {
    Collection in;
    in.name = "c";
    in.files = {File("one.iso", 4290048001ULL, kH1), File("two.avi", 2, kH2)};  // past 32 bits: version 2
    const std::string whole = WriteBinaryCollection(in);
    ASSERT_EQ(whole.substr(0, 4), Le32(2));
    // A cut keeps the files before it and says so.
    const auto cut = ReadCollection(whole.substr(0, whole.size() - 3));
    ASSERT_TRUE(cut) << cut.error();
    EXPECT_EQ(Files(*cut), (std::vector<std::string>{in.files[0].Text() + " ", cut->errors.at(0)}));

    const std::string head = Le32(1) + Le32(0), one = head + Le32(1);
    const std::string hashAndSize = std::string("\x81\x28", 2) + std::string(16, '\x11') + "\x83\x02" + Le32(5);
    const std::pair<std::string, std::string> kCases[] = {  // what cannot be read, or what is skipped
        {Le32(2), "The collection ends inside its header."},
        {Le32(1) + Le32(0xFFFFFFFF), "The collection header cannot be read: it ends in the middle of a tag."},
        {head + Le32(0xFFFFFFFF), "read: The collection says it holds 4294967295 files, but it ends after 0."},
        {head + Le32(3) + Le32(0xFFFFFFFF), "read: The collection says it holds 3 files, but it ends inside file 1."},
        {one + Le32(1) + std::string("\x8C\x01", 2) + "rest",
         "read: File 1 of the collection cannot be read: it holds a tag of unknown type 0x0C; the rest is lost."},
        // Names no link could carry: the file would not read back from its own link.
        {one + Le32(3) + hashAndSize + std::string("\x93\x01" "a\0b", 5),
         "read: File 1 of the collection is skipped: its file name contains a NUL byte."},
    };
    for (const auto& [bytes, said] : kCases) {
        const auto c = ReadCollection(bytes);
        const auto files = c ? Files(*c) : std::vector<std::string>{};  // no file, one error
        EXPECT_EQ(c ? "read: " + (files.size() == 1 ? files[0] : "?") : c.error(), said);
    }
}

TEST(Collection, TextForm) {
    const std::string a = "ed2k://|file|First file.avi|100|11111111111111111111111111111111|/";
    const std::string b = "ed2k://|file|Second.avi|200|22222222222222222222222222222222|/";
    const std::string text = "\xEF\xBB\xBF# made by hand\r\n" + a + "\r\n\r\n   \r\n#ed2k://|file|hidden|1|" +
                             std::string(32, '3') + "|/\n" + "ed2k://|file|bad|0|" + std::string(32, '4') +
                             "|/\n  " + b + "  \n" + std::string(kMaxLinkLineLength + 1, 'x');
    const auto c = ReadCollection(text);
    ASSERT_TRUE(c) << c.error();
    EXPECT_EQ(c->form, Collection::Form::kText);
    EXPECT_EQ(Files(*c), (std::vector<std::string>{a + " ", b + " ", "Line 6: The file size is 0.",
                                                   "Line 8: longer than 64 KiB, skipped."}));
    // Nothing readable: not a collection.
    const auto none = ReadCollection("");
    ASSERT_FALSE(none);
    EXPECT_EQ(none.error(), "This is not an eMule collection: it holds no ed2k file links.");
}

}  // namespace
}  // namespace kv
