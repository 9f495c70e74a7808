#include <gtest/gtest.h>

#include <filesystem>

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
