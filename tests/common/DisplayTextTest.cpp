#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "common/DisplayText.h"

using namespace kv;

TEST(DisplayText, KeepsUtf8WithoutItsMarkAndReadsAnythingElseAsWindows1252) {
    EXPECT_EQ(ToDisplayUtf8("\xEF\xBB\xBF" "M\xC3\xBCller.avi"), "M\xC3\xBCller.avi");
    EXPECT_EQ(ToDisplayUtf8("M\xFCller \x80"), "M\xC3\xBCller \xE2\x82\xAC");
    EXPECT_EQ(ToDisplayUtf8("\xC3"), "\xC3\x83");  // truncated UTF-8 is not UTF-8
    for (const char* bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"})
        EXPECT_FALSE(IsValidUtf8(bad)) << bad;  // overlong, surrogate, beyond U+10FFFF
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));
}

// Each field decides its own encoding; control bytes are shown, never sent on.
TEST(DisplayText, FieldsAreConvertedOneByOneAndControlBytesMadeVisible) {
    EXPECT_EQ(kv::ToDisplayUtf8Fields("0\xE9.part\t\xC3\x9C" "ber.avi\t*** OK "),
              "0\xC3\xA9.part\t\xC3\x9C" "ber.avi\t*** OK ");
    EXPECT_EQ(kv::ToDisplayUtf8Fields("\xEF\xBB\xBFx\t\xEF\xBB\xBFy"), "x\ty");
    EXPECT_EQ(kv::VisibleControls(std::string("a\tb\nc\rd\x1B[2J\x7F\0e", 14)), "a\\tb\\nc\\rd\\x1B[2J\\x7F\\x00e");
    EXPECT_EQ(kv::VisibleControls("Gr\xC3\xBC\xC3\x9F" "e"), "Gr\xC3\xBC\xC3\x9F" "e");
    // C1 controls (CSI, OSC): as UTF-8, and as a stray byte whose Windows-1252 reading is one.
    for (const auto& [bytes, shown] : std::vector<std::pair<std::string, std::string>>{
             {"a\xC2\x9B" "2J\xC2\x9D" "0;x", "a\\u009B2J\\u009D0;x"},
             {"\xE9\x81", "\xC3\xA9\\u0081"},
             {"\x9B" "2J", "\xE2\x80\xBA" "2J"},              // 0x9B of Windows-1252 is a printable quote
             {"\xC2\xA0\xC2\xBF", "\xC2\xA0\xC2\xBF"}}) {  // above U+009F nothing changes
        EXPECT_EQ(kv::VisibleControls(kv::ToDisplayUtf8(bytes)), shown) << bytes;
        std::string appended;
        kv::AppendVisible(appended, bytes);
        EXPECT_EQ(appended, shown) << bytes;
    }
}
