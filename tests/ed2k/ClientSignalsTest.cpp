#include <gtest/gtest.h>

#include "ed2k/ClientSignals.h"

namespace kv {
namespace {

const Ed2kHash kH1 = *Ed2kHash::FromHex("11111111111111111111111111111111");
const Ed2kHash kH2 = *Ed2kHash::FromHex("22222222222222222222222222222222");
const Ed2kHash kH3 = *Ed2kHash::FromHex("33333333333333333333333333333333");

std::string Le32(uint32_t v) { return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; }
std::string Raw(const Ed2kHash& h) { return std::string(reinterpret_cast<const char*>(h.bytes().data()), 16); }

// What a reader says of bytes it refuses ("read" when it takes them).
template <typename Reader>
std::string ErrorOf(Reader read, const std::string& bytes) {
    const auto r = read(bytes);
    return r ? "read" : r.error();
}

// Which of kH1, kH2, kH3 a list of cancelled downloads holds, e.g. "1-3".
std::string Holds(const CancelledList& l) {
    return std::string(l.Contains(kH1) ? "1" : "-") + (l.Contains(kH2) ? "2" : "-") + (l.Contains(kH3) ? "3" : "-");
}

TEST(SearchSpam, ReadsEmulesTags) {
    // As eMule stores it: names, a size, spam and not-spam hashes, IPs and a
    // server ratio blob; only the hashes count here.
    std::string b = "\x0F" + Le32(8);
    b += std::string("\x9B\x01", 2) + "\xEF\xBB\xBF" "fake.avi";             // 0x01 full name, UTF-8 with its mark (11)
    b += std::string("\x91\x06", 2) + "x";                                // 0x06 similar name (not kept)
    b += std::string("\x8B\x07", 2) + std::string("\x00\x00\x00\x40\x01\x00\x00\x00", 8);  // 0x07 size, uint64
    b += std::string("\x81\x02", 2) + Raw(kH1);                           // spam
    b += std::string("\x81\x02", 2) + Raw(kH2);                           // spam, then ...
    b += std::string("\x81\x03", 2) + Raw(kH2);                           // ... cleared by the user
    b += std::string("\x83\x05", 2) + Le32(0x04030201);                   // server IP
    b += std::string("\x87\x08", 2) + Le32(12) + std::string(12, '\0');   // UDP server ratio
    const auto list = ReadSearchSpam(b);
    ASSERT_TRUE(list) << list.error();
    EXPECT_TRUE(list->IsSpam(kH1));
    EXPECT_FALSE(list->IsSpam(kH2));
}

TEST(SearchSpam, DamagedFiles) {
    const std::pair<std::string, std::string> kCases[] = {
        {"\x0E" + Le32(0), "This is not an eMule SearchSpam.met (wrong first byte)."},
        {"\x0F\x01", "The SearchSpam.met ends inside its header."},
        {"\x0F" + Le32(1) + std::string("\xFF\x02", 2) + "junk",
         "Entry 1 of the SearchSpam.met cannot be read: it holds a tag of unknown type 0x7F."},
    };
    for (const auto& [bytes, error] : kCases) EXPECT_EQ(ErrorOf(ReadSearchSpam, bytes), error);
}

TEST(Cancelled, EmuleSaltsEntriesWithTheSeed) {
    // Seed "abcd" (little-endian) and a hash of the bytes "efghijklmnopqrst"
    // make MD5("abcdefghijklmnopqrst"): computed elsewhere, not by the code under test.
    const uint32_t seed = 0x64636261;
    const Ed2kHash fileHash = Ed2kHash::FromRaw("efghijklmnopqrst");
    const Ed2kHash expected = *Ed2kHash::FromHex("6aa8de45918023095f6e831efe48d00b");
    EXPECT_EQ(SaltedCancelledEntry(seed, fileHash), expected);

    // The file as eMule writes it: header, version, seed, count, entries with a tag count.
    const std::string bytes = std::string("\x0F\x01", 2) + Le32(seed) + Le32(2) + Raw(expected) + '\0' +
                              Raw(SaltedCancelledEntry(seed, kH1)) + std::string("\x01\x89\x01\x07", 4);
    const auto list = ReadCancelled(bytes);
    ASSERT_TRUE(list) << list.error();
    EXPECT_EQ(list->size(), 2u);
    EXPECT_TRUE(list->Contains(fileHash));
    EXPECT_FALSE(list->Contains(expected));  // the stored value is not itself a cancelled hash
    EXPECT_EQ(Holds(*list), "1--");
}

TEST(Cancelled, UnsaltedFormsAndDamagedFiles) {
    // aMule's plain form is read in ListsTest.
    // eMule before the salt: 0x0E, count, plain hashes with a tag count.
    const auto old = ReadCancelled("\x0E" + Le32(1) + Raw(kH3) + '\0');
    ASSERT_TRUE(old);
    EXPECT_EQ(Holds(*old), "--3");

    const std::string v1 = std::string("\x0F\x01", 2) + Le32(1);
    const std::pair<std::string, std::string> kCases[] = {
        {"", "The list of cancelled downloads is empty."},
        {"\x42" + Le32(0), "This is not a list of cancelled downloads (wrong first byte)."},
        {"\x21" + Le32(0x7FFFFFFF) + Raw(kH1), "The file says it holds 2147483647 hashes, but it ends after 1."},
        {std::string("\x0F\x02", 2) + Le32(1) + Le32(0),
         "The cancelled.met has version 2, newer than this program reads."},
        {v1 + Le32(3) + Raw(kH1) + '\0' + Raw(kH2), "The file says it holds 3 entries, but it ends after 1."},
        {v1 + Le32(1) + Raw(kH1) + "\x01\x8D\x01xyz",
         "Entry 1 of the cancelled.met cannot be read: it holds a tag of unknown type 0x0D."},
    };
    for (const auto& [bytes, error] : kCases) EXPECT_EQ(ErrorOf(ReadCancelled, bytes), error);
}

}  // namespace
}  // namespace kv
