#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TempDir.h"
#include "common/FileUtil.h"

using namespace kv;

TEST(FileUtil, ReadsWholeFilesRefusesOversizedOnesAndReplacesAtomically) {
    test::ScopedTempDir dir;
    const std::string path = dir.Write("a.bin", std::string("a\0b\r\n", 5));
    EXPECT_EQ(ReadWholeFile(path).value(), std::string("a\0b\r\n", 5));
    EXPECT_FALSE(ReadWholeFile(path, 4) || ReadWholeFile(dir.File("missing")) || ReadWholeFile(dir.path()));
    ASSERT_TRUE(WriteFileAtomic(path, "new"));
    EXPECT_FALSE(WriteFileAtomic(dir.File("no/such/dir/f.txt"), "x"));
    EXPECT_EQ(dir.Read("a.bin"), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary file left
}

// A replaced file keeps what the user set on it: its permissions, and a
// symbolic link keeps pointing at the file that now holds the new bytes.
TEST(FileUtil, ReplacingKeepsModesAndWritesThroughSymbolicLinks) {
    namespace fs = std::filesystem;
    test::ScopedTempDir dir;
    for (const auto mode : {fs::perms(0444), fs::perms(0600), fs::perms(0640)}) {
        const std::string path = dir.Write("list.dat", "old");
        fs::permissions(path, mode);
        ASSERT_TRUE(WriteFileAtomic(path, "new"));
        EXPECT_EQ(fs::status(path).permissions(), mode);
        EXPECT_EQ(ReadWholeFile(path).value(), "new");
        fs::permissions(path, fs::perms(0644));
    }
    fs::create_directory(dir.File("shared"));
    const std::string target = dir.Write("shared/FAKES.DAT", "old");
    fs::create_symlink("shared/FAKES.DAT", dir.File("FAKES.DAT"));  // relative, to another directory
    fs::create_symlink(dir.File("FAKES.DAT"), dir.File("chained"));  // a link to a link
    ASSERT_TRUE(WriteFileAtomic(dir.File("chained"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir.File("chained")) && fs::is_symlink(dir.File("FAKES.DAT")));
    EXPECT_EQ(ReadWholeFile(target).value(), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.File("shared")), {}), 1);
    // A dangling link gets its target created.
    fs::create_symlink("made.dat", dir.File("dangling"));
    ASSERT_TRUE(WriteFileAtomic(dir.File("dangling"), "made"));
    EXPECT_EQ(dir.Read("made.dat"), "made");
}

// Something that is no regular file in a file's place (a FIFO swapped in, a
// device) is refused at once instead of blocking the reader.
TEST(FileUtil, ReadsRegularFilesOnlyAndNeverWaitsOnAFifo) {
    test::ScopedTempDir dir;
    const std::string fifo = dir.File("Kestrivane.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(ReadWholeFile(fifo));
    EXPECT_FALSE(ReadWholeFile("/dev/zero"));
    EXPECT_FALSE(WriteFileAtomic(dir.File("Kestrivane.ini") + "/x", "x"));
    // Files larger than the read buffer and exactly at the bound are whole.
    const std::string big(300'000, 'x');
    const std::string path = dir.Write("big", big);
    EXPECT_EQ(ReadWholeFile(path, big.size()).value(), big);
    EXPECT_FALSE(ReadWholeFile(path, big.size() - 1));
    // A head is the start of a file of any size, and also refuses FIFOs and devices.
    EXPECT_EQ(ReadFileHead(path, 4096).value(), big.substr(0, 4096));
    EXPECT_EQ(ReadFileHead(dir.Write("small", "abc"), 4096).value(), "abc");
    EXPECT_FALSE(ReadFileHead(fifo, 4096));
    EXPECT_FALSE(ReadFileHead("/dev/zero", 4096));
}

// One buffer reused from file to file, as the check reads its .part.met files: each read leaves exactly that
// file's bytes, whatever the buffer held before; a file that cannot be read or is too large says so.
TEST(FileUtil, ReadingIntoAReusedBufferLeavesExactlyEachFile) {
    test::ScopedTempDir dir;
    struct Row {
        const char* name;
        std::string bytes;
        uint64_t limit;
        bool read;
    };
    const std::vector<Row> rows = {
        {"long", std::string(100000, 'L'), UINT64_MAX, true},
        {"shorter after a long one", "short", UINT64_MAX, true},
        {"empty", "", UINT64_MAX, true},
        {"exactly at the limit", std::string(64, 'x'), 64, true},
        {"one byte over the limit", std::string(65, 'x'), 64, false},
        {"NULs and line ends", std::string("a\0b\r\n", 5), UINT64_MAX, true},
    };
    std::string buffer = "left over from before";
    for (const Row& row : rows) {
        const std::string path = dir.Write(std::string(row.name) + ".bin", row.bytes);
        ASSERT_EQ(ReadFileInto(path, row.limit, buffer), row.read) << row.name;
        if (row.read) {
            EXPECT_EQ(buffer, row.bytes) << row.name;
        }
        EXPECT_EQ(ReadFileHead(path, 3), row.bytes.substr(0, 3)) << row.name;
    }
    EXPECT_FALSE(ReadFileInto(dir.File("missing"), UINT64_MAX, buffer));
    EXPECT_FALSE(ReadFileInto(dir.path(), UINT64_MAX, buffer));
}
