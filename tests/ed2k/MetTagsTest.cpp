#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ed2k/MetTags.h"

using namespace kv;

namespace {

std::string Bytes(std::initializer_list<int> values) { return std::string(values.begin(), values.end()); }

// "type id name number value, consumed" of one tag read, or "fail: why, consumed".
std::string Read(const std::string& bytes) {
    met::ByteReader in(bytes);
    met::Tag tag;
    std::string why;
    if (!met::ReadTag(in, tag, &why)) return "fail: " + why + ", " + std::to_string(in.Position());
    return std::to_string(tag.type) + " " + std::to_string(tag.id) + " " + std::string(tag.name) + " " +
           std::to_string(tag.number) + " " + std::string(tag.bytes) + ", " + std::to_string(in.Position());
}

}  // namespace

// The forms the clients write and read, one row each; the byte after each tag
// ('!') must not be taken, so a row also shows where the next tag would start.
TEST(ReadTag, FormsAndSizesAsTheClientsReadThem) {
    const struct { const char* name; std::string bytes, read; } rows[] = {
        {"short uint8", Bytes({0x89, 0x02, 7}) + "!", "9 2  7 , 3"},
        {"short uint64", Bytes({0x8B, 0x02, 1, 0, 0, 0, 1, 0, 0, 0}) + "!", "11 2  4294967297 , 10"},
        {"long form, one-byte name is an id", Bytes({0x03, 1, 0, 0x02, 5, 0, 0, 0}) + "!", "3 2  5 , 8"},
        {"long form, longer name", Bytes({0x03, 2, 0, 0x09, '0', 5, 0, 0, 0}) + "!", "3 0 \t0 5 , 9"},
        {"string", Bytes({0x82, 0x01, 2, 0}) + "ab!", "2 1  0 ab, 6"},
        {"short string in the short form", Bytes({0x91, 0x01}) + "a!", "2 1  0 a, 3"},
        {"short string in the long form", Bytes({0x20, 1, 0, 0x01}) + std::string(16, 's') + "!",
         "2 1  0 ssssssssssssssss, 20"},
        {"hash", Bytes({0x81, 0x28}) + std::string(16, 'h') + "!", "1 40  0 hhhhhhhhhhhhhhhh, 18"},
        {"blob", Bytes({0x87, 0x03, 2, 0, 0, 0}) + "xy!", "7 3  0 xy, 8"},
        {"bsob", Bytes({0x8A, 0x03, 1}) + "z!", "10 3  0 z, 4"},
        {"float", Bytes({0x84, 0x05, 1, 2, 3, 4}) + "!", "4 5  0 , 6"},
        {"bool", Bytes({0x85, 0x05, 1}) + "!", "5 5  0 , 3"},
        // A bool array of n bits takes n/8 + 1 bytes, also when n is a multiple of 8.
        {"bool array of 7 bits", Bytes({0x86, 0x05, 7, 0, 0x7F}) + "!", "6 5  0 , 5"},
        {"bool array of 8 bits", Bytes({0x86, 0x05, 8, 0, 0xFF, 0}) + "!", "6 5  0 , 6"},
        {"bool array of 16 bits", Bytes({0x86, 0x05, 16, 0, 0xFF, 0xFF, 0}) + "!", "6 5  0 , 7"},
        {"bool array past the end", Bytes({0x86, 0x05, 8, 0, 0xFF}), "fail: it ends in the middle of a tag, 5"},
        {"blob longer than the file", Bytes({0x87, 0x03, 0xF0, 0xFF, 0xFF, 0xFF}),
         "fail: it ends in the middle of a tag, 6"},
        {"name past the end", Bytes({0x03, 9, 0, 'a'}), "fail: it ends in the middle of a tag, 4"},
        {"unknown type", Bytes({0x8C, 0x01, 0}), "fail: it holds a tag of unknown type 0x0C, 2"},
    };
    for (const auto& row : rows) EXPECT_EQ(Read(row.bytes), row.read) << row.name;
}
