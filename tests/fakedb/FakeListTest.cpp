#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "RecordingView.h"
#include "TempDir.h"
#include "common/StringUtil.h"
#include "fakedb/FakeList.h"

using namespace kv;
using Rows = std::vector<std::string>;

// A generated list, lines ended by CR LF or LF alone: capitals, hashes planted in descriptions, partial ones and
// inside longer hex runs. The index finds the first record a plain scan finds, also after loading again.
TEST(LoadFakeList, IndexAgreesWithAPlainScanAnEmptyOrMissingListClearsItLinesAndSkippedLines) {
    test::ScopedTempDir dir;
    test::RecordingView view;
    AppState state;
    std::mt19937 rng(1);
    Rows pool(600);  // the first 400 are listed
    for (auto& h : pool) while (h.size() < 32) h += "0123456789abcdef"[rng() % 16];
    std::string file = ",1,no hash\n";
    for (int r = 0; r < 4000; ++r) {
        const std::string h = pool[rng() % 400], n = std::to_string(r);
        const std::string lines[] = {ToUpperAscii(h) + ",1,Film " + n, "bad" + n + ",1,see " + h + " (repost)",
                                     h.substr(0, 20) + ",1,half", "beef" + h + ",2,longer run", h + ",1,Plain"};
        file += lines[rng() % 5] + (rng() % 3 ? "\r\n" : "\n");
    }
    for (int i = 400; i < 440; ++i) pool[i] = ("beef" + pool[i - 400]).substr(1 + i % 4, 32);  // inside longer runs
    pool.insert(pool.end(), {ToUpperAscii(pool[0]), ""});
    const std::string list = dir.Write("FAKES.DAT", file), empty = dir.Write("empty.dat", "");
    for (const std::string& other : {empty, dir.File("absent.dat")}) {
        LoadFakeListFrom(state, view, list);
        EXPECT_EQ(view.caption, " / Total  4000 Fakes in DB");  // replaced, not added to
        for (const auto& probe : pool) {
            const auto& db = state.gFakeDB;
            const auto scan = std::find_if(db.begin(), db.end(), [&](auto& r) { return ContainsNoCase(r, probe); });
            ASSERT_EQ(FindFakeRecord(state, probe), probe.empty() || scan == db.end() ? -1 : scan - db.begin())
                << probe;
        }
        LoadFakeListFrom(state, view, other);
        EXPECT_EQ(view.status, "File " + other + " not found! Please download FAKE-DB!");
        EXPECT_TRUE(state.gFakeDB.empty() && FindFakeRecord(state, pool[0]) == -1);
    }
    EXPECT_EQ(view.LogWith("box:"), Rows{});  // skipped lines are shown only on request
    state.gShowFakesDatErrors = "yes";        // a lone CR ends no line; commas past the second are the description's
    LoadFakeListFrom(state, view, dir.Write("small.dat", "a,7,Movie\r\n,12,no hash\r\nno comma\nb,1,x, y\rz\nc,text"));
    EXPECT_EQ(state.gFakeDB, (Rows{"a\t7\tMovie\t", "b\t1\tx, y\rz\t", "c\t\ttext\t"}));
    const std::string box = ":Kestrivane:Fehler in der FAKES.DAT, Linie1\r\nEingelesene Zeile:\r\n,12,no hash";
    EXPECT_EQ(view.LogWith("box:"), Rows{"box:" + std::to_string(kMbOk) + box});
}
