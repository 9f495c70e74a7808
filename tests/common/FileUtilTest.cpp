#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "TempDir.h"
#include "common/FileUtil.h"

using namespace kv;
namespace fs = std::filesystem;

// Whole files, heads and reads into one reused buffer (as the check reads its .part.met files) take exactly the
// file's bytes up to a bound; something that is no regular file (a FIFO swapped in, a device) is refused at once
// instead of blocking the reader.
TEST(FileUtil, ReadsRegularFilesUpToABoundAndNeverWaitsOnAFifo) {
    test::ScopedTempDir dir;
    const std::string fifo = dir.File("Kestrivane.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string buffer = "left over from before";
    for (const std::string& bad : {fifo, std::string("/dev/zero"), dir.File("missing"), dir.path()})
        EXPECT_FALSE(ReadWholeFile(bad) || ReadFileHead(bad, 4096) || ReadFileInto(bad, UINT64_MAX, buffer)) << bad;
    struct Row { const char* name; std::string bytes; uint64_t limit; bool read; };
    for (const Row& row : std::vector<Row>{{"larger than the read buffer", std::string(300'000, 'L'), UINT64_MAX, true},
                                           {"shorter after a long one", std::string("a\0b\r\n", 5), UINT64_MAX, true},
                                           {"exactly at the limit", std::string(64, 'x'), 64, true},
                                           {"one byte over the limit", std::string(65, 'x'), 64, false}}) {
        const std::string path = dir.Write(std::string(row.name) + ".bin", row.bytes);
        EXPECT_EQ(ReadWholeFile(path, row.limit), row.read ? std::optional(row.bytes) : std::nullopt) << row.name;
        ASSERT_EQ(ReadFileInto(path, row.limit, buffer), row.read) << row.name;
        if (row.read) {
            EXPECT_EQ(buffer, row.bytes) << row.name;
        }
        EXPECT_EQ(ReadFileHead(path, 4096), row.bytes.substr(0, 4096)) << row.name;  // a head of a file of any size
    }
}
