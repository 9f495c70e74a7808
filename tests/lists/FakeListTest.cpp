#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include "TempDir.h"
#include "common/FileUtil.h"
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

// A list just large enough to keep its index, after `head`: hashes[i] in the record whose size field is i + 1.
std::string KeptSizeList(std::mt19937& rng, Rows& hashes, std::string head = "") {
    while (head.size() < FakeList::kKeptIndexFrom) {
        hashes.push_back(RandomHash(rng));
        head += hashes.back() + "," + std::to_string(hashes.size()) + ",fake film " + RandomHash(rng) + "\r\n";
    }
    return head;
}

// Written over in place: the same file (inode), new bytes.
void Overwrite(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_TRUE(f);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

// The index's file as if written some seconds after the list last changed: only then is it taken.
void WrittenLater(const std::string& kept, const std::string& list) {
    struct stat st {};
    ASSERT_EQ(::stat(list.c_str(), &st), 0);
    const timespec times[2] = {{0, UTIME_OMIT}, {st.st_ctim.tv_sec + 3, st.st_ctim.tv_nsec}};
    ASSERT_EQ(::utimensat(AT_FDCWD, kept.c_str(), times, 0), 0);
}

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

// A large list keeps its index in a file beside it: the next load takes it and finds what indexing finds, the
// skipped lines included. It is not taken when written within the timestamps' resolution of the list's change, nor
// for another state of the list: one renamed over it, or rewritten in place with its size and modification time put
// back (the list loaded with it then says it changed).
TEST(KeptListIndex, TheNextLoadTakesItAndAChangedListIsIndexedAgain) {
    test::ScopedTempDir dir;
    std::mt19937 rng(11);
    Rows hashes;
    const std::string file = KeptSizeList(rng, hashes, ",1,skipped\r\n");
    const std::string path = dir.Write("FAKES.DAT", file), kept = KeptIndexPath(path);
    const auto load = [&](std::vector<FakeList::SkippedLine>* skipped = nullptr) {
        std::optional<FakeList> list = FakeList::Load(path, "FAKES.DAT", skipped, UINT64_MAX, kept);
        EXPECT_TRUE(list);
        return std::move(*list);
    };
    const auto findsAsBuilt = [&](const FakeList& list, const std::string& text) {
        const FakeList built = FakeList::Parse(text);
        ASSERT_EQ(list.size(), built.size());
        for (size_t i = 0; i < hashes.size(); i += 97) {
            const auto found = list.find(H(hashes[i])), expected = built.find(H(hashes[i]));
            ASSERT_EQ(found.has_value(), expected.has_value()) << i;
            if (found) {
                EXPECT_EQ(found->description, expected->description);
            }
        }
        EXPECT_EQ(list.record(hashes.size() / 2).description, built.record(hashes.size() / 2).description);
    };

    EXPECT_FALSE(load().indexWasKept());
    // Written within the timestamps' resolution of the list's change: an edit now might leave every time as it is.
    EXPECT_FALSE(load().indexWasKept());
    WrittenLater(kept, path);
    std::vector<FakeList::SkippedLine> skipped;
    const FakeList again = load(&skipped);
    EXPECT_TRUE(again.indexWasKept());
    ASSERT_EQ(skipped.size(), 1u);
    EXPECT_EQ(skipped[0].line, ",1,skipped");
    findsAsBuilt(again, file);

    // Rewritten in place, the same size and modification time: not the list the index was made from.
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    std::string changed = file;
    changed.replace(12, 32, RandomHash(rng));
    Overwrite(path, changed);
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    EXPECT_TRUE(again.Changed()) << "the list taken with its index is mapped, and says its file changed under it";
    const FakeList rewritten = load();
    EXPECT_FALSE(rewritten.indexWasKept());
    findsAsBuilt(rewritten, changed);

    // Renamed over by a new list: indexed afresh, and kept again for the run after.
    dir.Write("new.dat", file);
    std::filesystem::rename(dir.File("new.dat"), path);
    EXPECT_FALSE(load().indexWasKept());
    findsAsBuilt(load(), file);

    // Where it cannot be written the list loads all the same; a link in its place is not written through.
    const auto elsewhere = FakeList::Load(path, "FAKES.DAT", nullptr, UINT64_MAX, dir.File("absent/.x.kvindex"));
    ASSERT_TRUE(elsewhere);
    EXPECT_FALSE(elsewhere->indexWasKept());
    const std::string other = dir.Write("other.txt", "mine");
    std::filesystem::remove(kept);
    std::filesystem::create_symlink(other, kept);
    EXPECT_FALSE(load().indexWasKept());
    EXPECT_EQ(ReadWholeFile(other), "mine");
}

// A damaged index file costs its use and never a wrong match. One cut short, with a header field changed or with
// buckets out of order is not taken; one whose entries point past the list is taken (a load does not read every
// entry) and its lookups find nothing and read nothing outside the list; with bytes changed anywhere in its tables,
// every lookup finds what indexing finds or nothing; one leading a hash to a line that is no record (a comment
// naming it) finds nothing there. (The sanitizer build runs this too.)
TEST(KeptListIndex, ADamagedIndexFileNeverGivesAWrongMatch) {
    test::ScopedTempDir dir;
    std::mt19937 rng(12);
    Rows hashes;
    std::string file = KeptSizeList(rng, hashes);
    hashes.push_back(RandomHash(rng));
    file += "x,0,the list ends in a hash " + hashes.back();  // a key in the last bytes: a window past them reads it
    const std::string named = hashes[1000], comment = "# no record: " + named + "\r\n";
    file.insert(file.find('\n') + 1, comment);
    const std::string path = dir.Write("FAKES.DAT", file), kept = KeptIndexPath(path);
    ASSERT_TRUE(FakeList::Load(path, "FAKES.DAT", nullptr, UINT64_MAX, kept));
    const std::string good = ReadWholeFile(kept).value();
    // The file's layout: a 104-byte header whose last three fields count the entries (8 bytes each), the buckets
    // and the marks (4 bytes each), then those tables in that order.
    const auto count = [&](size_t at) {
        uint64_t n;
        std::memcpy(&n, good.data() + at, sizeof n);
        return static_cast<size_t>(n);
    };
    const size_t entries = 104, buckets = entries + 8 * count(80), tablesEnd = buckets + 4 * count(88) + 4 * count(96);
    ASSERT_LE(tablesEnd, good.size());
    const FakeList built = FakeList::Parse(file);
    Rows probes(hashes.end() - 200, hashes.end());
    for (int i = 0; i < 50; ++i) probes.push_back(RandomHash(rng));

    const auto load = [&](const std::string& bytes) {
        Overwrite(kept, bytes);  // the list stays the file the index was made from
        WrittenLater(kept, path);
        std::optional<FakeList> list = FakeList::Load(path, "FAKES.DAT", nullptr, UINT64_MAX, kept);
        EXPECT_TRUE(list);
        return std::move(*list);
    };
    const auto neverWrong = [&](const FakeList& list) {
        size_t found = 0;
        for (const std::string& probe : probes) {
            const auto got = list.find(H(probe));
            if (!got) continue;
            ++found;
            const auto expected = built.find(H(probe));
            EXPECT_TRUE(expected && got->sizeText == expected->sizeText) << probe;
        }
        return found;
    };

    for (size_t cut : {size_t{0}, size_t{103}, buckets, good.size() - 1}) EXPECT_FALSE(load(good.substr(0, cut)).indexWasKept()) << cut;
    for (size_t at = 0; at < entries; at += 4) {
        std::string bytes = good;
        bytes[at] = static_cast<char>(bytes[at] ^ 0x10);
        EXPECT_FALSE(load(bytes).indexWasKept()) << at;
    }
    std::string backwards = good;
    const uint32_t past = static_cast<uint32_t>(count(80)) + 1;
    std::memcpy(backwards.data() + buckets + 4 * (count(88) / 2), &past, sizeof past);
    EXPECT_FALSE(load(backwards).indexWasKept());

    std::string pastTheList = good;
    for (size_t e = entries; e < buckets; e += 8) std::memset(pastTheList.data() + e, 0xFF, 4);  // each offset
    const FakeList misled = load(pastTheList);
    EXPECT_TRUE(misled.indexWasKept());
    EXPECT_EQ(neverWrong(misled), 0u);

    std::string toComment = good;
    const uint32_t record = static_cast<uint32_t>(file.find(named + ",")), inComment = static_cast<uint32_t>(file.find(named));
    for (size_t e = entries; e < buckets; e += 8)
        if (std::memcmp(toComment.data() + e, &record, 4) == 0) std::memcpy(toComment.data() + e, &inComment, 4);
    ASSERT_NE(toComment, good);
    const FakeList ledAstray = load(toComment);
    EXPECT_TRUE(ledAstray.indexWasKept());
    EXPECT_FALSE(ledAstray.find(H(named)));
    EXPECT_EQ(built.find(H(named))->sizeText, "1001");

    int taken = 0;
    for (int i = 0; i < 40; ++i) {
        std::string bytes = good;
        const size_t at = entries + rng() % (tablesEnd - entries);
        bytes[at] = static_cast<char>(bytes[at] ^ (1 << (rng() % 8)));
        const FakeList list = load(bytes);
        taken += list.indexWasKept();
        neverWrong(list);
    }
    EXPECT_GT(taken, 0);
    EXPECT_EQ(neverWrong(load(good)), 200u);
}
