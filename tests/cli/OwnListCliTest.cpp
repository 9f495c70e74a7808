#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "PartMetBuilder.h"
#include "TempDir.h"
#include "common/StringUtil.h"

// What the user marks is a fake for every command, whether a FAKES.DAT is there or not.

namespace kv::test {
namespace {

struct Result {
    int code = -1;
    std::string out, err;
};

std::string Quote(const std::string& text) { return "'" + text + "'"; }

class OwnListCli : public ::testing::TestWithParam<bool> {
protected:
    ScopedTempDir home, temp, work;

    void SetUp() override {
        temp.Write("003.part.met", BuildPartMet({.hash = SequentialHash(3), .name = "film.avi", .size = 100, .extraTags = {}}));
        // Another hash: the downloaded list knows something else, or is not there at all.
        if (GetParam()) home.Write("FAKES.DAT", HashText(SequentialHash(40).data()) + ",1,Other fake\r\n");
    }

    Result Run(const std::vector<std::string>& args, const std::string& stdinBytes = "") {
        const std::string in = work.Write("stdin", stdinBytes);
        std::string command = "env -u KESTRIVANE_HOME " + Quote(KV_CLI_PATH) + " --home " + Quote(home.path());
        for (const auto& a : args) command += " " + Quote(a);
        const int status = std::system((command + " <" + Quote(in) + " >" + Quote(work.File("out")) + " 2>" +
                                        Quote(work.File("err"))).c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, work.Read("out"), work.Read("err")};
    }
};

TEST_P(OwnListCli, AMarkedDownloadIsAFakeInCheckExportAndLinks) {
    const Result mark = Run({"mark", "003.part", "--temp-dir", temp.path(), "--reason", "Trailer only"});
    ASSERT_EQ(mark.code, 0) << mark.err;

    const Result check = Run({"check", "--temp-dir", temp.path(), "--no-inspect", "--no-header"});
    EXPECT_EQ(check.code, 1) << check.err;
    EXPECT_EQ(check.out, "003.part\tfilm.avi\t[mine] Trailer only\n");

    const Result exported = Run({"export", "--temp-dir", temp.path()});
    EXPECT_EQ(exported.code, 0) << exported.err;
    EXPECT_EQ(exported.out, ToUpperAscii(HashText(SequentialHash(3).data())) + ",100,Trailer only\r\n");

    const std::string link = "ed2k://|file|film.avi|100|" + HashText(SequentialHash(3).data()) + "|/\n";
    const Result links = Run({"links", "--no-all"}, link);
    EXPECT_EQ(links.code, 1) << links.err;
    EXPECT_NE(links.out.find("1\tfilm.avi\t[mine] Trailer only\n"), std::string::npos) << links.out;

    // Unmarked again: an OK download; with no list left at all, nothing could be found.
    ASSERT_EQ(Run({"unmark", "003.part", "--temp-dir", temp.path()}).code, 0);
    const Result again = Run({"check", "--temp-dir", temp.path(), "--no-inspect", "--no-header"});
    EXPECT_EQ(again.code, GetParam() ? 0 : 2) << again.err;
    EXPECT_EQ(again.out, GetParam() ? "003.part\tfilm.avi\t*** OK \n" : "");
}

INSTANTIATE_TEST_SUITE_P(FakesDat, OwnListCli, ::testing::Values(true, false),
                         [](const auto& p) { return p.param ? "Present" : "Absent"; });

}  // namespace
}  // namespace kv::test
