#include <gtest/gtest.h>

#include <sys/stat.h>

#include "TempDir.h"
#include "common/DirectoryFiles.h"

using namespace kv;

// Files read by name from a held directory, into one buffer reused from file
// to file: exactly each file's bytes whether it fits the first read or not,
// nothing past the bound, and what is no regular file refused without waiting.
TEST(DirectoryFiles, ReadsEachFileWholeUpToABoundIntoOneBuffer) {
    test::ScopedTempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    dir.Write("empty", "");
    const DirectoryHandle held(dir.path());
    ASSERT_TRUE(held.held());
    std::string buffer = "left over from before";
    struct Row { const char* name; std::string bytes; uint64_t limit; bool read; };
    for (const Row& row : std::vector<Row>{
             {"small", std::string("a\0b\r\n", 5), UINT64_MAX, true},
             {"exactly the first read", std::string(64 << 10, 'x'), UINT64_MAX, true},
             {"one byte past the first read", std::string((64 << 10) + 1, 'y'), UINT64_MAX, true},
             {"several times the first read", std::string(300'000, 'L'), UINT64_MAX, true},
             {"shorter after long ones", "tail", UINT64_MAX, true},
             {"at a bound past the first read", std::string(100'000, 'b'), 100'000, true},
             {"one byte over that bound", std::string(100'001, 'o'), 100'000, false},
             {"over a bound within the first read", std::string(65, 'o'), 64, false}}) {
        dir.Write(row.name, row.bytes);
        ASSERT_EQ(ReadFileAt(held.fd(), row.name, row.limit, buffer), row.read) << row.name;
        if (row.read) {
            EXPECT_EQ(buffer, row.bytes) << row.name;
        }
        std::string byPath;  // the same through a whole path from the working directory
        EXPECT_EQ(ReadFileAt(AT_FDCWD, dir.File(row.name).c_str(), row.limit, byPath), row.read) << row.name;
    }
    EXPECT_TRUE(ReadFileAt(held.fd(), "empty", UINT64_MAX, buffer) && buffer.empty());
    for (const char* bad : {"fifo", "missing", "."})
        EXPECT_FALSE(ReadFileAt(held.fd(), bad, UINT64_MAX, buffer)) << bad;
    EXPECT_FALSE(ReadFileAt(AT_FDCWD, "/dev/zero", uint64_t{1} << 30, buffer)) << "a device fills any buffer";
    EXPECT_FALSE(DirectoryHandle(dir.File("small")).held()) << "a file is no directory";
}
