#include <gtest/gtest.h>
#include <sys/stat.h>

#include <random>

#include "TempDir.h"
#include "common/StringUtil.h"
#include "lists/FakeList.h"

using namespace kv;
using Rows = std::vector<std::string>;

namespace {

std::string RandomHash(std::mt19937& rng, std::string prefix = "") {
    while (prefix.size() < 32) prefix += "0123456789abcdef"[rng() % 16];
    return prefix;
}

Ed2kHash H(const std::string& hex) { return *Ed2kHash::FromHex(hex); }

}  // namespace

// Runs of hex digits longer than the indexed windows: a hash at the start of any run is found, one deep
// inside a long run is not (the stated bound), and a list of hex digits only loads without blowing up.
TEST(LoadFakeList, LongHexRunsAreIndexedOnlyAtTheirStart) {
    const std::string h = "00112233445566778899aabbccddeeff", g = "ffeeddccbbaa99887766554433221100";
    const std::string run = h + "0000" + g;
    const FakeList list = FakeList::Parse("x," + run + ",run\n" + std::string(100000, 'a') + ",1,hex\n");
    EXPECT_TRUE(list.find(H(h)));
    EXPECT_TRUE(list.find(H(run.substr(4, 32))));   // the fifth window
    EXPECT_FALSE(list.find(H(run.substr(5, 32))));  // the sixth
    EXPECT_FALSE(list.find(H(g)));
    EXPECT_EQ(list.find(H(std::string(32, 'A')))->description, "hex");
}

// Lookups start from a table of key prefixes and compare the rest of the key in the text: hashes at the ends of
// the key range or alike in all but their last digit, in either case and repeated later, find their first record;
// a near miss finds none. (The fuzz target checks every lookup against a plain scan of the records.)
TEST(LoadFakeList, EveryHashFindsItsFirstRecordAndANearMissNone) {
    const std::string alike = "0123456789abcdef0123456789abcde";
    const Rows hashes = {std::string(32, '0'), std::string(32, 'f'), "0000" + std::string(28, 'f'),
                         "ffff" + std::string(28, '0'), alike + "1", alike + "3"};
    std::string file;
    for (size_t i = 0; i < hashes.size(); ++i) file += (i % 2 ? ToUpperAscii(hashes[i]) : hashes[i]) + "," + std::to_string(i) + ",r\r\n";
    const FakeList list = FakeList::Parse(file + "x,2,again " + hashes[4] + "\n" + hashes[0] + ",dup,later\r\n");
    for (size_t i = 0; i < hashes.size(); ++i) {
        const auto found = list.find(H(hashes[i]));
        ASSERT_TRUE(found) << hashes[i];
        EXPECT_EQ(found->sizeText, std::to_string(i));  // the first record, not a later one
    }
    for (const std::string& near : {alike + "2", "0000" + std::string(27, 'f') + "e", std::string(31, 'f') + "e"})
        EXPECT_FALSE(list.find(H(near))) << near;
}

// Loading from a file gives what parsing its bytes gives, whether the file is read (small) or mapped (large); a
// copy outlives the list it was copied from. Files that are no list are refused, and a FIFO does not block.
TEST(LoadFakeList, LoadFromAFileFindsWhatParsingItsBytesFinds) {
    test::ScopedTempDir dir;
    std::mt19937 rng(5);
    for (const size_t records : {50, 70000}) {  // the large one fills the whole prefix table
        SCOPED_TRACE(records == 50 ? "small, read" : "large, mapped");
        Rows hashes;
        std::string file = ",1,skipped\r\n";
        for (size_t i = 0; i < records; ++i) {
            hashes.push_back(RandomHash(rng));
            file += hashes[i] + "," + std::to_string(i) + ",description of a fake film, with words " +
                    std::to_string(i) + "\r\n";
        }
        const std::string path = dir.Write(std::to_string(records) + ".dat", file);
        const FakeList parsed = FakeList::Parse(file, "list.dat");
        std::vector<FakeList::SkippedLine> skipped;
        std::optional<FakeList> copy;
        {
            const std::optional<FakeList> loaded = FakeList::Load(path, "list.dat", &skipped);
            ASSERT_TRUE(loaded);
            copy = *loaded;
        }
        ASSERT_EQ(copy->size(), parsed.size());
        EXPECT_EQ(copy->byteSize(), file.size());
        EXPECT_EQ(skipped.size(), 1u);
        for (size_t i = 0; i < hashes.size(); i += 7) {
            const auto found = copy->find(H(hashes[i]));
            ASSERT_TRUE(found) << i;
            EXPECT_EQ(found->sizeText, std::to_string(i));
            EXPECT_EQ(found->description, parsed.record(i).description);
        }
        EXPECT_FALSE(FakeList::Load(path, "list.dat", nullptr, file.size() - 1));
    }
    const std::string fifo = dir.File("fifo.dat");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {dir.File("absent.dat"), dir.path(), fifo})
        EXPECT_FALSE(FakeList::Load(path, "x.dat")) << path;
}
