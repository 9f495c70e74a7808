#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Packing.h"
#include "online/ListArchive.h"

namespace kv {
namespace {

const std::string kList = std::string(32, 'a') + ",700000000,Fake movie\r\n" + std::string(32, 'b') + ",1,Virus\r\n";

using test::Deflate, test::Zip;

TEST(UnpackList, PlainGzipAndZipBodiesAndBoundedInflation) {
    const std::string bomb(2 * 1024 * 1024, 'a');  // 2 MiB of one byte: a few KiB compressed
    struct Case { std::string body; std::string list; std::string failureHas; };
    for (const Case& c : std::vector<Case>{
             {kList, kList, ""}, {Deflate(kList, 31), kList, ""}, {Zip(kList), kList, ""},
             {Zip(kList, true), kList, ""},
             {Deflate(bomb, 31), "", "more than 1 MiB"}, {Zip(bomb), "", "more than 1 MiB"},
             {Zip(bomb, true), "", "more than 1 MiB"}, {bomb, "", "larger than 1 MiB"},
             {Deflate(kList, 31).substr(0, 20), "", "damaged or cut short"},
             {Zip(kList).substr(0, 25), "", "cut short"}, {Zip(kList).substr(0, Zip(kList).size() - 1), "", "cut short"}}) {
        const UnpackedList u = UnpackList(c.body, 1024 * 1024);
        EXPECT_EQ(u.list.value_or(""), c.list) << c.failureHas;
        EXPECT_EQ(u.list.has_value(), c.failureHas.empty()) << c.failureHas;
        EXPECT_NE(u.failure.find(c.failureHas), std::string::npos) << u.failure;
    }
    EXPECT_LT(Deflate(bomb, 31).size(), 8192u);  // the bomb is small as served
}

}  // namespace
}  // namespace kv
