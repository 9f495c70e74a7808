#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "TempDir.h"
#include "common/FileUtil.h"

using namespace kv;

TEST(FileUtil, ReadsWholeFilesAndRefusesOversizedOnes) {
    test::ScopedTempDir dir;
    const std::string path = dir.Write("a.bin", std::string("a\0b\r\n", 5));
    EXPECT_EQ(ReadWholeFile(path).value(), std::string("a\0b\r\n", 5));
    EXPECT_FALSE(ReadWholeFile(path, 4).has_value());
    EXPECT_FALSE(ReadWholeFile(dir.File("missing")).has_value());
    EXPECT_FALSE(ReadWholeFile(dir.path()).has_value());  // a directory is no file
    EXPECT_EQ(FileLength(path), 5);
    EXPECT_EQ(FileLength(dir.File("missing")), -1);
}

TEST(FileUtil, AtomicWriteReplacesWholeOrNotAtAll) {
    test::ScopedTempDir dir;
    const std::string path = dir.Write("f.txt", "a long old content");
    ASSERT_TRUE(WriteFileAtomic(path, "new"));
    EXPECT_EQ(dir.Read("f.txt"), "new");

    if (::geteuid() != 0) {  // root writes into read-only directories anyway
        ::chmod(dir.path().c_str(), 0555);
        EXPECT_FALSE(WriteFileAtomic(path, "blocked"));
        ::chmod(dir.path().c_str(), 0755);
        EXPECT_EQ(dir.Read("f.txt"), "new");
    }
    EXPECT_FALSE(WriteFileAtomic(dir.File("no/such/dir/f.txt"), "x"));
    // No temporary file is left behind.
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) (void)e, ++entries;
    EXPECT_EQ(entries, 1);
}
