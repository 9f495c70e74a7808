#include <gtest/gtest.h>

#include "Packing.h"
#include "online/ListArchive.h"

namespace kv {
namespace {

using test::Gzip, test::Zip;

// Every gzip member is read, a zip must hold exactly one file, and no body inflates past the bound.
TEST(UnpackList, PlainGzipAndZipBodiesAndBoundedInflation) {
    const std::string list = std::string(32, 'a') + ",700000000,Fake movie\r\n" + std::string(32, 'b') + ",1,Virus\r\n";
    const std::string more = std::string(32, 'c') + ",2,Second half\r\n";
    const std::string bomb(2 * 1024 * 1024, 'a');  // 2 MiB of one byte: a few KiB compressed
    ASSERT_LT(Gzip(bomb).size(), 8192u);
    std::string badCrc = Zip(list, true);
    badCrc[40] ^= 1;
    struct Case { const char* name; std::string body, list, failureHas; };
    for (const Case& c : std::vector<Case>{
             {"plain", list, list, ""}, {"gzip", Gzip(list), list, ""},
             {"zip", Zip(list), list, ""}, {"zip, stored", Zip(list, true), list, ""},
             {"two gzip members", Gzip(list) + Gzip(more), list + more, ""},
             {"three members, one empty", Gzip(list) + Gzip("") + Gzip(more), list + more, ""},
             {"a folder and one list", Zip({{"lists/", ""}, {"lists/FAKES.DAT", list}}), list, ""},
             {"gzip bomb", Gzip(bomb), "", "more than 1 MiB"}, {"zip bomb", Zip(bomb), "", "more than 1 MiB"},
             {"stored bomb", Zip(bomb, true), "", "more than 1 MiB"}, {"plain bomb", bomb, "", "larger than 1 MiB"},
             {"gzip cut", Gzip(list).substr(0, 20), "", "damaged or cut short"},
             {"a member then junk", Gzip(list) + "junk", "", "damaged or cut short"},
             {"a second member cut", Gzip(list) + Gzip(more).substr(0, 12), "", "damaged or cut short"},
             {"zip header cut", Zip(list).substr(0, 25), "", "cut short"},
             {"zip end record cut", Zip(list).substr(0, Zip(list).size() - 1), "", "cut short"},
             {"a wrong checksum", badCrc, "", "damaged or cut short"},
             {"two zip entries", Zip({{"FAKES.DAT", list}, {"readme.txt", more}}), "",
              "holds 2 files (FAKES.DAT, readme.txt), not one fake list"},
             {"an empty archive", Zip(std::vector<test::ZipEntry>{}), "", "holds no file"}}) {
        const UnpackedList u = UnpackList(c.body, 1024 * 1024);
        EXPECT_EQ(u.list.value_or(""), c.list) << c.name;
        EXPECT_EQ(u.list.has_value(), c.failureHas.empty()) << c.name;
        EXPECT_NE(u.failure.find(c.failureHas), std::string::npos) << c.name << ": " << u.failure;
    }
}

}  // namespace
}  // namespace kv
