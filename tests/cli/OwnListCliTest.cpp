#include <gtest/gtest.h>

#include "PartMetBuilder.h"
#include "Spawn.h"
#include "common/StringUtil.h"

// What the user marks is a fake for every command, whether a FAKES.DAT is there or not.

namespace kv::test {
namespace {

class OwnListCli : public CliFixture, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        temp.Write("003.part.met", BuildPartMet({.hash = SequentialHash(3), .name = "film.avi", .size = 100,
                                                 .extraTags = {}}));
        // Another hash: the downloaded list knows something else, or is not there at all.
        if (GetParam()) home.Write("FAKES.DAT", HashText(SequentialHash(40).data()) + ",1,Other fake\r\n");
    }
};

TEST_P(OwnListCli, AMarkedDownloadIsAFakeInCheckExportAndLinks) {
    const std::string hash = HashText(SequentialHash(3).data());
    ASSERT_EQ(Run({"mark", "003.part", "--temp-dir", temp.path(), "--reason", "Trailer only"}).code, 0);
    const Args check = {"check", "--temp-dir", temp.path(), "--no-inspect", "--no-header"};
    const Ran marked = Run(check);
    EXPECT_EQ(marked.code, 1) << marked.err;
    EXPECT_EQ(marked.out, "003.part\tfilm.avi\t[mine] Trailer only\n");
    EXPECT_EQ(Run({"export", "--temp-dir", temp.path()}), (Ran{0, ToUpperAscii(hash) + ",100,Trailer only\r\n", ""}));
    const Ran links = Run({"links", "--no-all"}, "ed2k://|file|film.avi|100|" + hash + "|/\n");
    EXPECT_EQ(links.code, 1) << links.err;
    EXPECT_NE(links.out.find("1\tfilm.avi\t[mine] Trailer only\n"), std::string::npos) << links.out;
    EXPECT_EQ(links.err.find("No fake list loaded"), std::string::npos) << links.err;

    // Unmarked again: an OK download; with no list left at all, nothing could be found.
    ASSERT_EQ(Run({"unmark", "003.part", "--temp-dir", temp.path()}).code, 0);
    const Ran again = Run(check);
    EXPECT_EQ(again.code, GetParam() ? 0 : 2) << again.err;
    EXPECT_EQ(again.out, GetParam() ? "003.part\tfilm.avi\t*** OK \n" : "");
}

INSTANTIATE_TEST_SUITE_P(FakesDat, OwnListCli, ::testing::Values(true, false),
                         [](const auto& p) { return p.param ? "Present" : "Absent"; });

}  // namespace
}  // namespace kv::test
