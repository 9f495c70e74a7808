#include <gtest/gtest.h>

#include "common/RepaintThrottle.h"
#include "common/StringUtil.h"

using namespace kv;

TEST(GetField, CountsFromOneToleratesAMissingLastDelimiterAndKeepsEmptyFields) {
    const std::string r = "a\t\tc\t";
    EXPECT_EQ(GetField(r, 1, TAB) + "|" + GetField(r, 2, TAB) + "|" + GetField(r, 3, TAB) + "|" + GetField(r, 4, TAB),
              "a||c|");
    EXPECT_EQ(GetField("a\tb\tc", 3, TAB), "c");
    EXPECT_EQ(GetField("a\tb", 0, TAB) + GetField("", 2, TAB), "");
    EXPECT_EQ(GetField("x::y::z", 2, "::"), ":y");  // the walk goes on one character after the delimiter's first
}

TEST(NumericValue, ReadsTheLeadingNumberAndRoundsHalvesToEven) {
    for (const auto& [text, value] : std::vector<std::pair<const char*, double>>{
             {"\t\n 12\r\n", 12}, {"-3.5abc", -3.5}, {"+1.5e2x", 150}, {"2e", 2}, {".5", 0.5}, {"120abc", 120},
             {"word", 0}, {"-", 0}, {"1e999", 0}})
        EXPECT_EQ(NumericValue(text), value) << text;
    for (const auto& [x, rounded] : std::vector<std::pair<double, int32_t>>{
             {0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {2.5001, 3}, {-1e12, INT32_MIN}})
        EXPECT_EQ(RoundHalfEven32(x), rounded) << x;
}

TEST(TextHelpers, HashTextCaseFoldingAndDecimals) {
    const unsigned char bytes[16] = {0xAB, 0x05, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    EXPECT_EQ(HashText(bytes), "ab0502030405060708090a0b0c0d0e0f");
    EXPECT_EQ(FindNoCase("movie.AVI", "avi"), 6u);
    EXPECT_EQ(FindNoCase("abcabc", "ABC", 1), 3u);
    EXPECT_EQ(FindNoCase("abc", "ABCD"), std::string_view::npos);
    EXPECT_EQ(DecimalText(3, true) + DecimalText(-3, true), " 3-3");
}

TEST(RepaintThrottle, AllowsOneRepaintPerInterval) {
    RepaintThrottle::Clock::time_point now{};
    RepaintThrottle throttle(std::chrono::milliseconds(33), [&] { return now; });
    EXPECT_TRUE(throttle.Due());
    now += std::chrono::milliseconds(32);
    EXPECT_FALSE(throttle.Due());
    now += std::chrono::milliseconds(1);
    EXPECT_TRUE(throttle.Due());
}

// The search finds "überraschung" in "Überraschung" as it finds "avi" in "AVI".
TEST(FoldCaseUtf8, EuropeanCapitalsFoldAndNothingElseChanges) {
    struct Row { const char* name; std::string text, folded; };
    for (const Row& r : std::vector<Row>{
             {"ASCII", "Film.AVI", "film.avi"},
             // The multiplication sign stays.
             {"Latin-1", "\xC3\x9C" "BER \xC3\x80 \xC3\x97", "\xC3\xBC" "ber \xC3\xA0 \xC3\x97"},
             // Łódź Č
             {"Latin Extended-A", "\xC5\x81\xC3\xB3" "d\xC5\xBA \xC4\x8C", "\xC5\x82\xC3\xB3" "d\xC5\xBA \xC4\x8D"},
             {"Greek", "\xCE\xA3\xCE\x91", "\xCF\x83\xCE\xB1"},     // ΣΑ
             {"Cyrillic", "\xD0\x96\xD0\x81", "\xD0\xB6\xD1\x91"},  // ЖЁ
             {"Windows-1252 bytes stay as they are", "\xDC" "ber", "\xDC" "ber"},
             {"a cut sequence", "AB\xC3", "ab\xC3"}})
        EXPECT_EQ(FoldCaseUtf8(r.text), r.folded) << r.name;
    EXPECT_EQ(FindFoldedUtf8("x \xC3\x9C" "berraschung.avi", "\xC3\xBC" "BERRASCH"), 2u);
    EXPECT_EQ(FindFoldedUtf8("\xD0\x96\xD1\x83\xD0\xBA", "\xD0\xB6\xD0\xA3"), 0u);
    EXPECT_EQ(FindFoldedUtf8("nothing", "other"), std::string::npos);
}
