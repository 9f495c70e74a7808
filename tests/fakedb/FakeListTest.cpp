#include "fakedb/FakeList.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "RecordingView.h"
#include "TempDir.h"
#include "common/StringUtil.h"

namespace kv {
namespace {

using Rows = std::vector<std::string>;
const std::string kA = "0123456789abcdef0123456789abcdef", kB = "fedcba9876543210fedcba9876543210";

TEST(ParseFakeList, LineEndsFieldsAndSkippedLines) {
    std::vector<SkippedFakeLine> skipped;
    EXPECT_EQ(ParseFakeList(kA + ",734869504,Movie (German)\r\n,12,empty field 1\r\nno comma\r\n" + kB +
                                ",100,Title, with, commas\nh,only a description\r\nh,1,a\rb\r\n\r\n AB , x , d ",
                            &skipped),
              (Rows{kA + "\t734869504\tMovie (German)\t", kB + "\t100\tTitle, with, commas\t",
                    "h\t\tonly a description\t", "h\t1\ta\rb\t", " AB \t x \t d \t"}));
    EXPECT_EQ(skipped.size() == 1 ? std::to_string(skipped[0].index) + skipped[0].line : "", "1,12,empty field 1");
    EXPECT_TRUE(ParseFakeList("").empty() && ParseFakeList("\r\n\n").empty());
}

// On generated lists (capitals, planted in descriptions, partial, adjacent, longer runs) the index = a plain scan.
TEST(FakeIndex, AgreesWithAPlainScan) {
    std::mt19937 rng(1);
    auto hash = [&] { std::string h(32, '0'); for (char& c : h) c = "0123456789abcdef"[rng() % 16]; return h; };
    Rows pool(600);  // the first 400 are listed
    for (auto& h : pool) h = hash();
    std::string file;
    for (int r = 0; r < 4000; ++r) {
        const std::string h = pool[rng() % 400], n = std::to_string(r);
        const std::string lines[] = {ToUpperAscii(h) + ",1,Film " + n, "bad" + n + ",1,see " + h + " (repost)",
                                     "x,1,mixed " + h.substr(0, 10) + ToUpperAscii(h.substr(10)) + "!",
                                     h.substr(0, 20) + ",1,half", "beef" + h + ",2,longer run", h + ",1,Plain",
                                     n + "," + h + "," + pool[r % 400] + " next to it"};
        file += lines[rng() % 7] + (rng() % 3 ? "\r\n" : "\n");
    }
    AppState state;
    state.gFakeDB = ParseFakeList(file), BuildFakeIndex(state);
    Rows probes = pool;
    for (int i = 0; i < 40; ++i) probes.push_back(("beef" + pool[i]).substr(1 + i % 4, 32));  // inside longer runs
    probes.insert(probes.end(), {ToUpperAscii(pool[0]), "", "FILM 1", "PLAIN"});
    int hits = 0;
    for (const auto& probe : probes) {
        int32_t scan = -1;
        for (size_t r = 0; r < state.gFakeDB.size() && scan < 0 && !probe.empty(); ++r)
            if (ContainsNoCase(state.gFakeDB[r], probe)) scan = static_cast<int32_t>(r);
        ASSERT_EQ(FindFakeRecord(state, probe), scan) << probe;
        hits += scan >= 0;
    }
    EXPECT_GT(hits, 350);
}

TEST(LoadFakeList, CountReloadDiagnosticAndMissingOrEmptyFile) {
    test::ScopedTempDir dir;
    test::RecordingView view;
    AppState state;
    state.programDir = dir.path(), state.gVersionText = "Kestrivane Version 1.0.0";
    dir.Write("FAKES.DAT", kA + ",1,a\r\n" + kB + ",2,b\n,3,broken\r\nc,3,c");
    const Rows box = {"box:" + std::to_string(kMbOk) +
                      ":Kestrivane:Fehler in der FAKES.DAT, Linie2\r\nEingelesene Zeile:\r\n,3,broken"};
    for (const std::string ask : {"", "yes", "env"}) {  // loading again replaces the records, never adds to them
        state.gShowFakesDatErrors = ask == "yes" ? ask : "";
        if (ask == "env") ::setenv("KESTRIVANE_SHOW_FAKESDAT_ERRORS", "YES", 1);
        view.log.clear();
        LoadFakeList(state, view);
        ::unsetenv("KESTRIVANE_SHOW_FAKESDAT_ERRORS");
        EXPECT_TRUE(state.gFakeDB.size() == 3 && FindFakeRecord(state, kB) == 1);
        EXPECT_EQ(view.caption, "Kestrivane Version 1.0.0 / Total  3 Fakes in DB");
        EXPECT_EQ(view.LogWith("box:"), ask.empty() ? Rows{} : box);  // skipped lines are shown only on request
    }
    dir.Write("FAKES.DAT", "");
    view.caption = "kept";
    for (const char* name : {"FAKES.DAT", "absent.dat"}) {
        state.gFakeDB = {kA + "\t"}, BuildFakeIndex(state);
        LoadFakeListFrom(state, view, dir.File(name));
        EXPECT_EQ(view.status + view.caption, "File " + dir.File(name) + " not found! Please download FAKE-DB!kept");
        EXPECT_TRUE(state.gFakeDB.empty() && FindFakeRecord(state, kA) == -1);  // the old records and index are gone
    }
    EXPECT_EQ(dir.Read("FAKES.DAT"), "");
}

}  // namespace
}  // namespace kv
