#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <random>

#include "TempDir.h"
#include "common/StringUtil.h"
#include "lists/FakeList.h"

using namespace kv;
using Rows = std::vector<std::string>;


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
