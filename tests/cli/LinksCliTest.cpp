#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "TempDir.h"
#include "ed2k/Collection.h"

namespace kv::test {
namespace {

struct Result {
    int code = -1;
    std::string out, err;
};

std::string Quote(const std::string& text) { return "'" + text + "'"; }  // no argument holds a quote

const std::string kFake = "0123456789abcdef0123456789abcdef";
const std::string kOk = "00112233445566778899aabbccddeeff";
const std::string kZero = "d7def262a127cd79096a108e7a9fc138";

class LinksCli : public ::testing::Test {
protected:
    ScopedTempDir home, work;

    void SetUp() override { home.Write("FAKES.DAT", kFake + ",100,Fake, trailer only\r\n"); }

    // kestrivane-cli --home HOME links ARGS, its standard input from stdinBytes.
    Result Links(const std::vector<std::string>& args, const std::string& stdinBytes = "") {
        const std::string in = work.Write("stdin", stdinBytes);
        std::string command = "env -u KESTRIVANE_HOME " + Quote(KV_CLI_PATH) + " --home " + Quote(home.path()) + " links";
        for (const auto& a : args) command += " " + Quote(a);
        const int status = std::system((command + " <" + Quote(in) + " >" + Quote(work.File("out")) + " 2>" +
                                        Quote(work.File("err"))).c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, work.Read("out"), work.Read("err")};
    }
};

const std::string kPaste =
    "Forum post\n"
    "ed2k://|file|Trailer%7Cpart 1 & <2> \"final\".avi|100|" + kFake + "|/\n"
    "ed2k://|file|movie.avi.exe|700|" + kOk + "|/\n"
    "ed2k://|file|zeros.avi|9728005|" + kOk + "|p=" + kZero + ":" + kOk + "|/\n"
    "ed2k://|file|\xC3\x9C" "berraschung.avi|5|" + kOk + "|/ magnet:?xt=urn:ed2k:" + kOk + "&xl=7&dn=caf%E9.mp3\n"
    "ed2k://|file|bad.avi|12|nohash|/\n";

TEST_F(LinksCli, RowsJsonAndLinksWithTheirExitStatuses) {
    const Result rows = Links({}, kPaste);  // no FILE: the standard input
    EXPECT_EQ(rows.code, 1);
    EXPECT_EQ(rows.out,
              "Line\tFilename\tError-Description\n \n"
              "2\tTrailer|part 1 & <2> \"final\".avi\tFake, trailer only\n"
              "3\tmovie.avi.exe\tSuspect: a program posing as AVI video: the name ends in .avi.exe\n"
              "4\tzeros.avi\tSuspect: the published file is mostly zeros (1 of 1 parts are empty)\n"
              "5\t\xC3\x9C" "berraschung.avi\t*** OK \n"
              "5\tcaf\xC3\xA9.mp3\t*** OK \n");  // a Latin-1 name shown in UTF-8
    EXPECT_EQ(rows.err, "Line 6: The file hash must be 32 hex digits.\n6 links: 1 fake, 2 suspects, 1 malformed\n");

    const Result fakesOnly = Links({"--no-all", "-"}, kPaste);
    EXPECT_EQ(fakesOnly.code, 1);
    EXPECT_EQ(fakesOnly.out.find("OK"), std::string::npos) << fakesOnly.out;

    work.Write("paste.txt", kPaste);
    const Result links = Links({"--links", "--no-all", work.File("paste.txt")});
    EXPECT_EQ(links.code, 1);
    EXPECT_EQ(links.out, "ed2k://|file|Trailer%7Cpart 1 & <2> \"final\".avi|100|" + kFake + "|/\n"
                         "ed2k://|file|movie.avi.exe|700|" + kOk + "|/\n"
                         "ed2k://|file|zeros.avi|9728005|" + kOk + "|/\n");

    const Result json = Links({"--json", work.File("paste.txt")});
    EXPECT_EQ(json.code, 1);
    const auto list = nlohmann::json::parse(json.out);
    ASSERT_EQ(list.size(), 6u);
    EXPECT_EQ(list[0], nlohmann::json({{"line", 2}, {"name", "Trailer|part 1 & <2> \"final\".avi"}, {"size", 100},
                                       {"hash", kFake}, {"fake", true}, {"description", "Fake, trailer only"},
                                       {"list", "FAKES.DAT"}, {"suspect", nullptr},
                                       {"link", "ed2k://|file|Trailer%7Cpart 1 & <2> \"final\".avi|100|" + kFake + "|/"},
                                       {"error", nullptr}}));
    EXPECT_EQ(list[1]["suspect"], "a program posing as AVI video: the name ends in .avi.exe");
    EXPECT_EQ(list[1]["fake"], false);
    EXPECT_EQ(list[4]["name"], "caf\xC3\xA9.mp3");
    EXPECT_EQ(list[5], nlohmann::json({{"line", 6}, {"name", nullptr}, {"size", nullptr}, {"hash", nullptr},
                                       {"fake", false}, {"description", ""}, {"list", nullptr}, {"suspect", nullptr},
                                       {"link", "ed2k://|file|bad.avi|12|nohash|/"},
                                       {"error", "The file hash must be 32 hex digits."}}));
}

TEST_F(LinksCli, ExitStatusTable) {
    work.Write("ok.txt", "ed2k://|file|fine.avi|5|" + kOk + "|/\n");
    work.Write("malformed.txt", "ed2k://|file|fine.avi|5|" + kOk + "|/\ned2k://|file|x||" + kOk + "|/\n");
    work.Write("none.txt", "no links here\n");
    work.Write("empty.dat", "");
    Collection c;
    c.name = "Films";
    Ed2kLink fake;
    fake.name = "one.avi", fake.size = 100, fake.hash = *Ed2kHash::FromHex(kFake);
    c.files = {fake};
    work.Write("films.emulecollection", WriteBinaryCollection(c));
    work.Write("broken.emulecollection", std::string("\x02\x00\x00\x00\x01", 5));
    const std::string tooLarge = work.File("large.txt");
    ASSERT_EQ(std::system(("truncate -s 67108865 " + Quote(tooLarge)).c_str()), 0);

    struct Row {
        std::vector<std::string> args;
        int code;
        std::string errHas;  // in the standard error
    } rows[] = {
        {{work.File("ok.txt")}, 0, "1 link: 0 fakes, 0 suspects, 0 malformed"},
        {{work.File("malformed.txt")}, 0, "Line 2: The link has no file size."},  // reported, not failing
        {{work.File("none.txt")}, 0, "0 links"},
        {{work.File("films.emulecollection"), "--no-all"}, 1, "1 link: 1 fake"},
        {{work.File("broken.emulecollection")}, 2, "The collection"},
        {{work.File("missing.txt")}, 2, "Could not read " + work.File("missing.txt") + "."},
        {{tooLarge}, 2, "is too large to check for links (67108865 bytes; at most 64 MiB are read)."},
        {{"--fakes", work.File("empty.dat"), work.File("ok.txt")}, 2, "Could not read the fake list"},
        {{"--json", "--links"}, 2, "excludes"},
    };
    for (const Row& r : rows) {
        const Result got = Links(r.args);
        EXPECT_EQ(got.code, r.code) << r.args[0] << "\n" << got.err;
        EXPECT_NE(got.err.find(r.errHas), std::string::npos) << r.args[0] << "\n" << got.err;
    }

    // The standard input is bounded too.
    const Result big = Links({"-"}, std::string(67108865, 'x'));
    EXPECT_EQ(big.code, 2);
    EXPECT_NE(big.err.find("too large"), std::string::npos) << big.err;
}

TEST_F(LinksCli, WithoutAListTheRulesStillRunAndSaySo) {
    home.Write("FAKES.DAT", "");
    const Result r = Links({}, kPaste);
    EXPECT_EQ(r.code, 1);  // the suspects
    EXPECT_NE(r.out.find("2\tTrailer|part 1 & <2> \"final\".avi\t*** OK \n"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("No fake list loaded: the links were checked by their names and part hashes only."),
              std::string::npos) << r.err;
    const Result other = Links({"--fakes", home.File("FAKES.DAT")}, kPaste);  // named, but empty: cannot run
    EXPECT_EQ(other.code, 2);

    // The user's own list knows fakes without FAKES.DAT.
    home.Write("MYFAKES.DAT", kFake + ",100,seen it\r\n");
    const Result own = Links({"--no-all"}, kPaste);
    EXPECT_EQ(own.code, 1);
    EXPECT_NE(own.out.find("2\tTrailer|part 1 & <2> \"final\".avi\t[mine] seen it\n"), std::string::npos) << own.out;
    EXPECT_EQ(own.err.find("No fake list loaded"), std::string::npos) << own.err;
}

}  // namespace
}  // namespace kv::test
