#include <gtest/gtest.h>

#include "common/RepaintThrottle.h"
#include "common/StringUtil.h"

using namespace kv;

TEST(GetField, CountsFieldsFromOneAndToleratesMissingLastDelimiter) {
    EXPECT_EQ(GetField("a\tb\tc\t", 1, TAB), "a");
    EXPECT_EQ(GetField("a\tb\tc\t", 3, TAB), "c");
    EXPECT_EQ(GetField("a\tb\tc\t", 4, TAB), "");   // the closing TAB adds no field of its own
    EXPECT_EQ(GetField("a\tb\tc", 3, TAB), "c");    // last field without a closing delimiter
    EXPECT_EQ(GetField("a\t\tc\t", 2, TAB), "");    // consecutive delimiters: empty field
    EXPECT_EQ(GetField("a\t\tc\t", 3, TAB), "c");
    EXPECT_EQ(GetField("a\tb", 0, TAB), "");
    EXPECT_EQ(GetField("a\tb", -3, TAB), "");
    EXPECT_EQ(GetField("", 1, TAB), "");
    EXPECT_EQ(GetField("", 2, TAB), "");
    EXPECT_EQ(GetField("x::y::z", 2, "::"), ":y");  // the walk goes on one character after the delimiter's first
}

TEST(AppendToArray, AppendsOrInsertsAndReturnsTheCount) {
    std::vector<int32_t> list;
    AppendToArray<int32_t>(list, 7, -1);
    AppendToArray<int32_t>(list, 9, -1);
    AppendToArray<int32_t>(list, 8, 1);
    EXPECT_EQ(AppendToArray<int32_t>(list, 10, 99), 4);
    EXPECT_EQ(list, (std::vector<int32_t>{7, 8, 9, 10}));
}

TEST(NumericValue, ReadsTheLeadingNumber) {
    EXPECT_EQ(NumericValue("60"), 60);
    EXPECT_EQ(NumericValue("  60  "), 60);
    EXPECT_EQ(NumericValue("\t\n 12\r\n"), 12);
    EXPECT_EQ(NumericValue("-3.5abc"), -3.5);
    EXPECT_EQ(NumericValue("+7"), 7);
    EXPECT_EQ(NumericValue("1.5e2x"), 150);
    EXPECT_EQ(NumericValue("2e"), 2);        // an exponent without digits is not part of the number
    EXPECT_EQ(NumericValue(".5"), 0.5);
    EXPECT_EQ(NumericValue("120abc"), 120);
    EXPECT_EQ(NumericValue("word"), 0);
    EXPECT_EQ(NumericValue(""), 0);
    EXPECT_EQ(NumericValue("-"), 0);
    EXPECT_EQ(NumericValue("1e999"), 0);     // no infinities
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven32(0.5), 0);
    EXPECT_EQ(RoundHalfEven32(1.5), 2);
    EXPECT_EQ(RoundHalfEven32(2.5), 2);
    EXPECT_EQ(RoundHalfEven32(-2.5), -2);
    EXPECT_EQ(RoundHalfEven32(2.4999), 2);
    EXPECT_EQ(RoundHalfEven32(2.5001), 3);
    EXPECT_EQ(RoundHalfEven32(1e12), 2147483647);
    EXPECT_EQ(RoundHalfEven32(-1e12), -2147483647 - 1);
}

TEST(TextHelpers, HashTextCaseFoldingAndDecimals) {
    const unsigned char bytes[16] = {0xAB, 0x05, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    EXPECT_EQ(HashText(bytes), "ab0502030405060708090a0b0c0d0e0f");
    EXPECT_EQ(FindNoCase("movie.AVI", "avi"), 6u);
    EXPECT_EQ(FindNoCase("abc", "ABCD"), std::string_view::npos);
    EXPECT_EQ(FindNoCase("abcabc", "ABC", 1), 3u);
    EXPECT_EQ(FindNoCase("abc", ""), 0u);
    EXPECT_EQ(ToUpperAscii("yes\xE4"), "YES\xE4");
    EXPECT_EQ(DecimalText(3, true), " 3");
    EXPECT_EQ(DecimalText(3), "3");
}

TEST(RepaintThrottle, AllowsOneRepaintPerInterval) {
    RepaintThrottle::Clock::time_point now{};
    RepaintThrottle throttle(std::chrono::milliseconds(33), [&] { return now; });
    EXPECT_TRUE(throttle.Due());
    now += std::chrono::milliseconds(10);
    EXPECT_FALSE(throttle.Due());
    now += std::chrono::milliseconds(23);
    EXPECT_TRUE(throttle.Due());
    EXPECT_FALSE(throttle.Due());
}
