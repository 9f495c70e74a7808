#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <random>

#include "RecordingView.h"
#include "TempDir.h"
#include "common/StringUtil.h"
#include "lists/FakeList.h"
#include "app/presenter/MainPresenter.h"

using namespace kv;
using Rows = std::vector<std::string>;

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

// Runs of hex digits longer than the indexed windows: a hash at the start of any run is found, one deep
// inside a long run is not (the stated bound), and a list of hex digits only loads without blowing up.
TEST(LoadFakeList, LongHexRunsAreIndexedOnlyAtTheirStart) {
    const std::string h = "00112233445566778899aabbccddeeff", g = "ffeeddccbbaa99887766554433221100";
    const std::string run = h + "0000" + g;
    const FakeList list = FakeList::Parse("x," + run + ",run\n" + std::string(100000, 'a') + ",1,hex\n");
    EXPECT_TRUE(list.find(*Ed2kHash::FromHex(h)));
    EXPECT_TRUE(list.find(*Ed2kHash::FromHex(run.substr(4, 32))));   // the fifth window
    EXPECT_FALSE(list.find(*Ed2kHash::FromHex(run.substr(5, 32))));  // the sixth
    EXPECT_FALSE(list.find(*Ed2kHash::FromHex(g)));
    EXPECT_EQ(list.find(*Ed2kHash::FromHex(std::string(32, 'A')))->index, 1u);
}

// Lookups start from a table of key prefixes sized to the list: lists of one record up to
// the full table find every hash, also at the ends of the key range, and nothing else.
TEST(LoadFakeList, PrefixTableFindsHashesAtTheEndsOfTheKeyRangeInListsOfEverySize) {
    std::mt19937 rng(7);
    const Rows edges = {std::string(32, '0'), std::string(32, 'f'), std::string(4, '0') + std::string(28, 'f'),
                        std::string(4, 'f') + std::string(28, '0'), "00010000000000000000000000000000",
                        "fffe" + std::string(28, 'f')};
    for (const size_t records : {size_t{1}, size_t{2}, size_t{6}, size_t{70000}}) {
        Rows hashes(edges.begin(), edges.begin() + static_cast<long>(std::min(records, edges.size())));
        while (hashes.size() < records) {
            std::string h;
            while (h.size() < 32) h += "0123456789abcdef"[rng() % 16];
            hashes.push_back(h);
        }
        std::string file;
        for (size_t i = 0; i < hashes.size(); ++i) file += hashes[i] + "," + std::to_string(i) + ",r\r\n";
        const FakeList list = FakeList::Parse(file + hashes[0] + ",dup,later\r\n");
        for (size_t i = 0; i < hashes.size(); i += 1 + i / 64) {
            const auto found = list.find(*Ed2kHash::FromHex(hashes[i]));
            ASSERT_TRUE(found) << records << " " << hashes[i];
            EXPECT_EQ(found->index, i);  // the first record, not the later duplicate
        }
        for (const std::string& edge : edges) {
            std::string near = edge;
            near[31] = near[31] == '0' ? '1' : 'e';
            if (std::find(hashes.begin(), hashes.end(), near) == hashes.end()) {
                EXPECT_FALSE(list.find(*Ed2kHash::FromHex(near))) << records << " " << near;
            }
        }
    }
}

// The index keeps a key's first 32 bits and finds the rest in the text: hashes alike in their first digits, up to
// all but the last, in either case and repeated, each find their first record; a near miss finds none.
TEST(LoadFakeList, HashesAlikeInTheirFirstDigitsAreToldApart) {
    struct Row {
        const char* name;
        std::string prefix;  // shared by every hash of the list
        size_t records;
    };
    const std::vector<Row> rows = {
        {"first 8 digits alike", "0123abcd", 3000},
        {"first 31 digits alike", "0123456789abcdef0123456789abcde", 16},
        {"all alike but the run's place", "ffffffff", 200},
    };
    std::mt19937 rng(3);
    for (const Row& row : rows) {
        Rows hashes;
        std::string file;
        while (hashes.size() < row.records) {
            std::string h = row.prefix;
            while (h.size() < 32) h += "0123456789abcdef"[rng() % 16];
            if (std::find(hashes.begin(), hashes.end(), h) != hashes.end()) continue;
            file += (hashes.size() % 2 ? ToUpperAscii(h) : h) + ",1,r\n";
            hashes.push_back(h);
        }
        for (size_t i = 0; i < hashes.size(); i += 3) file += "x,2,again " + hashes[i] + "\n";
        const FakeList list = FakeList::Parse(file);
        for (size_t i = 0; i < hashes.size(); ++i) {
            const auto found = list.find(*Ed2kHash::FromHex(hashes[i]));
            ASSERT_TRUE(found) << row.name << " " << hashes[i];
            EXPECT_EQ(found->index, i) << row.name;
            std::string near = hashes[i];
            near[31] = near[31] == '0' ? 'f' : '0';
            if (std::find(hashes.begin(), hashes.end(), near) == hashes.end()) {
                EXPECT_FALSE(list.find(*Ed2kHash::FromHex(near))) << row.name << " " << near;
            }
        }
    }
}

// Loading from a file gives what parsing its bytes gives, whether the file is read (small) or mapped (large); a
// copy outlives the list it was copied from. Files that are no list are refused, and a FIFO does not block.
TEST(LoadFakeList, LoadFromAFileFindsWhatParsingItsBytesFinds) {
    test::ScopedTempDir dir;
    std::mt19937 rng(5);
    struct Row {
        const char* name;
        size_t records;
    };
    for (const Row& row : std::vector<Row>{{"small, read", 50}, {"large, mapped", 30000}}) {
        Rows hashes;
        std::string file = ",1,skipped\r\n";
        for (size_t i = 0; i < row.records; ++i) {
            std::string h;
            while (h.size() < 32) h += "0123456789abcdef"[rng() % 16];
            file += h + "," + std::to_string(i) + ",description of a fake film, with words " + std::to_string(i) + "\r\n";
            hashes.push_back(h);
        }
        const std::string path = dir.Write(std::string(row.name) + ".dat", file);
        const FakeList parsed = FakeList::Parse(file, "list.dat");
        std::vector<FakeList::SkippedLine> skipped;
        std::optional<FakeList> copy;
        {
            const std::optional<FakeList> loaded = FakeList::Load(path, "list.dat", &skipped);
            ASSERT_TRUE(loaded) << row.name;
            copy = *loaded;
        }
        ASSERT_EQ(copy->size(), parsed.size()) << row.name;
        EXPECT_EQ(copy->byteSize(), file.size()) << row.name;
        EXPECT_EQ(skipped.size(), 1u) << row.name;
        for (size_t i = 0; i < hashes.size(); i += 7) {
            const auto found = copy->find(*Ed2kHash::FromHex(hashes[i]));
            ASSERT_TRUE(found) << row.name << " " << i;
            EXPECT_EQ(found->index, i) << row.name;
            EXPECT_EQ(found->description, parsed.record(i).description) << row.name;
        }
        EXPECT_FALSE(FakeList::Load(path, "list.dat", nullptr, file.size() - 1)) << row.name;
    }
    const std::string fifo = dir.File("fifo.dat");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {dir.File("absent.dat"), dir.path(), fifo})
        EXPECT_FALSE(FakeList::Load(path, "x.dat")) << path;
}
