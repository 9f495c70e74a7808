#include <gtest/gtest.h>

#include <random>

#include "RecordingView.h"
#include "TempDir.h"
#include "common/StringUtil.h"
#include "lists/FakeList.h"
#include "app/presenter/MainPresenter.h"

// Loading FAKES.DAT as the window does: its caption, its status and the boxes for skipped lines.

using namespace kv;
using Rows = std::vector<std::string>;

namespace {
// The index of the first record whose text holds probe, by a plain scan; -1 for none.
long Scan(const FakeList& list, const std::string& probe) {
    for (size_t r = 0; r < list.size(); ++r) {
        const FakeRecord rec = list.record(r);
        const std::string text = std::string(rec.hashText) + "," + std::string(rec.sizeText) + "," +
                                 std::string(rec.description);
        if (ContainsNoCase(text, probe)) return static_cast<long>(r);
    }
    return -1;
}

}  // namespace

// A generated list, lines ended by CR LF or LF alone: capitals, hashes planted in descriptions, partial ones and
// inside longer hex runs. The index finds the first record a plain scan finds, also after loading again.
TEST(LoadFakeList, IndexAgreesWithAPlainScanAnEmptyOrMissingListClearsItLinesAndSkippedLines) {
    test::ScopedTempDir dir;
    test::RecordingView view;
    Session session;
    MainPresenter presenter(session, view);
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
    pool.push_back(ToUpperAscii(pool[0]));
    const std::string list = dir.Write("FAKES.DAT", file), empty = dir.Write("empty.dat", "");
    for (const std::string& other : {empty, dir.File("absent.dat")}) {
        presenter.LoadFakeList(list);
        EXPECT_EQ(view.caption, "Kestrivane Version 1.0.0 / Total  4000 Fakes in DB");  // replaced, not added to
        const FakeList& loaded = *session.fakes().list(kMainListSlot);
        for (const auto& probe : pool) {
            const auto found = loaded.find(*Ed2kHash::FromHex(probe));
            ASSERT_EQ(found ? static_cast<long>(found->index) : -1, Scan(loaded, probe)) << probe;
        }
        presenter.LoadFakeList(other);
        EXPECT_EQ(view.status, "File " + other + " not found! Please download FAKE-DB!");
        EXPECT_TRUE(session.fakes().records() == 0 && !session.fakes().find(*Ed2kHash::FromHex(pool[0])));
    }
    EXPECT_EQ(view.LogWith("box:"), Rows{});  // skipped lines are shown only on request
    session.showSkippedListLines = true;      // a lone CR ends no line; commas past the second are the description's
    presenter.LoadFakeList(dir.Write("small.dat", "a,7,Movie\r\n,12,no hash\r\nno comma\nb,1,x, y\rz\nc,text"));
    Rows records;
    const FakeList& small = *session.fakes().list(kMainListSlot);
    for (size_t r = 0; r < small.size(); ++r) {
        const FakeRecord rec = small.record(r);
        records.push_back(std::string(rec.hashText) + "|" + std::string(rec.sizeText) + "|" +
                          std::string(rec.description) + "|" + std::string(rec.listName));
    }
    EXPECT_EQ(records, (Rows{"a|7|Movie|small.dat", "b|1|x, y\rz|small.dat", "c||text|small.dat"}));
    const std::string box = ":Kestrivane:Fehler in der FAKES.DAT, Linie1\r\nEingelesene Zeile:\r\n,12,no hash";
    EXPECT_EQ(view.LogWith("box:"), Rows{"box:" + std::to_string(kMbOk) + box});
}

