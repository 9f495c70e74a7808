#include <gtest/gtest.h>

#include "common/DisplayText.h"

using namespace kv;

TEST(DisplayText, KeepsUtf8AndDropsItsByteOrderMark) {
    EXPECT_EQ(ToDisplayUtf8("M\xC3\xBCller.avi"), "M\xC3\xBCller.avi");
    EXPECT_EQ(ToDisplayUtf8("\xEF\xBB\xBF" "\xC3\xA4.avi"), "\xC3\xA4.avi");
    EXPECT_EQ(ToDisplayUtf8("plain"), "plain");
}

TEST(DisplayText, ReadsEverythingElseAsWindows1252) {
    EXPECT_EQ(ToDisplayUtf8("M\xFCller"), "M\xC3\xBCller");  // ü
    EXPECT_EQ(ToDisplayUtf8("\x80 5"), "\xE2\x82\xAC 5");     // €
    EXPECT_EQ(ToDisplayUtf8("\xC3"), "\xC3\x83");             // truncated UTF-8 is not UTF-8
    EXPECT_EQ(ToDisplayUtf8("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");  // a surrogate is not UTF-8
}

TEST(DisplayText, RejectsOverlongAndOutOfRangeSequences) {
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
    EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80"));
}
