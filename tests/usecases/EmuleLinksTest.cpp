// The clean links of a link check handed to eMule through its Web Interface,
// against the loopback eMule made from its own template.
#include <gtest/gtest.h>

#include "FakeEmule.h"
#include "TempDir.h"
#include "usecases/EmuleCheck.h"

namespace kv {
namespace {

TEST(AddLinksToEmule, AddsEachLinkThroughTheStoredWebInterface) {
    test::ScopedTempDir dir;
    const ProgramHome home = ProgramHome::At(dir.path());
    const std::vector<Ed2kLink> links = {
        *Ed2kLink::Parse("ed2k://|file|Film%20One.avi|734003200|0123456789ABCDEF0123456789ABCDEF|/"),
        *Ed2kLink::Parse("ed2k://|file|Song.mp3|5242880|FEDCBA9876543210FEDCBA9876543210|/")};
    const auto none = AddLinksToEmule(home, links);
    ASSERT_FALSE(none);
    EXPECT_EQ(none.error().kind, AmuleCheckError::NoConnection);

    test::FakeEmule emule("pw");
    ASSERT_TRUE(StoreEmuleConnection(home, {"127.0.0.1", emule.Port(), false, "pw"}));
    const auto added = AddLinksToEmule(home, links);
    ASSERT_TRUE(added) << added.error().detail;
    EXPECT_EQ(added->added, 2);
    EXPECT_TRUE(added->refused.empty());
    ASSERT_EQ(emule.files.size(), 2u);
    EXPECT_EQ(emule.files[0].name, "Film One.avi");
    EXPECT_EQ(emule.files[1].size, 5242880u);
}

}  // namespace
}  // namespace kv
