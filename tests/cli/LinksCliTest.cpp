#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "Spawn.h"

// kestrivane-cli links: each link's verdict is the link check's (tested case by case there); here the forms
// of the output and the exit statuses.
namespace kv::test {
namespace {

const std::string kFake = "0123456789abcdef0123456789abcdef";
const std::string kOk = "00112233445566778899aabbccddeeff";
const std::string kFakeLink = "ed2k://|file|Trailer%7Cpart 1 & <2> \"final\".avi|100|" + kFake + "|/";
const std::string kFakeName = "Trailer|part 1 & <2> \"final\".avi";
const std::string kPaste = "Forum post\n" + kFakeLink + "\n"
                           "ed2k://|file|movie.avi.exe|700|" + kOk + "|/\n"
                           "magnet:?xt=urn:ed2k:" + kOk + "&xl=7&dn=caf%E9.mp3\n"
                           "ed2k://|file|bad.avi|12|nohash|/\n";

class LinksCli : public CliFixture {
protected:
    void SetUp() override { home.Write("FAKES.DAT", kFake + ",100,Fake, trailer only\r\n"); }
    Ran Links(Args args, const std::string& stdinBytes = "") {
        args.insert(args.begin(), "links");
        return Run(args, stdinBytes);
    }
};

TEST_F(LinksCli, RowsJsonAndLinksWithTheirExitStatuses) {
    EXPECT_EQ(Links({}, kPaste),  // no FILE: the standard input
              (Ran{1,
                   "Line\tFilename\tError-Description\n \n"
                   "2\t" + kFakeName + "\tFake, trailer only\n"
                   "3\tmovie.avi.exe\tSuspect: a program posing as AVI video: the name ends in .avi.exe\n"
                   "4\tcaf\xC3\xA9.mp3\t*** OK \n",  // a Latin-1 name shown in UTF-8
                   "Line 5: The file hash must be 32 hex digits.\n4 links: 1 fake, 1 suspect, 1 malformed\n"}));
    // A name's control bytes can neither break a row nor drive the terminal.
    EXPECT_EQ(Links({}, "ed2k://|file|a%0Ab%1B[31m.avi|100|" + kOk + "|/\n").out,
              "Line\tFilename\tError-Description\n \n1\ta\\nb\\x1B[31m.avi\t*** OK \n");

    const std::string paste = input.Write("paste.txt", kPaste);
    const Ran links = Links({"--links", "--no-all", paste});
    EXPECT_EQ(links.code, 1);
    EXPECT_EQ(links.out, kFakeLink + "\ned2k://|file|movie.avi.exe|700|" + kOk + "|/\n");

    const Ran json = Links({"--json", paste});
    EXPECT_EQ(json.code, 1);
    // Written a link at a time: the same bytes as the whole array at once.
    EXPECT_EQ(json.out, nlohmann::ordered_json::parse(json.out).dump(2) + "\n");
    EXPECT_EQ(Links({"--json"}, "no link here\n").out, "[]\n");
    const auto list = nlohmann::json::parse(json.out);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0], nlohmann::json({{"line", 2}, {"name", kFakeName}, {"size", 100}, {"hash", kFake}, {"fake", true},
                                       {"description", "Fake, trailer only"}, {"list", "FAKES.DAT"},
                                       {"suspect", nullptr}, {"link", kFakeLink}, {"error", nullptr}}));
    EXPECT_EQ(list[1]["suspect"], "a program posing as AVI video: the name ends in .avi.exe");
    EXPECT_EQ(list[1]["fake"], false);
    EXPECT_EQ(list[3], nlohmann::json({{"line", 5}, {"name", nullptr}, {"size", nullptr}, {"hash", nullptr},
                                       {"fake", false}, {"description", ""}, {"list", nullptr}, {"suspect", nullptr},
                                       {"link", "ed2k://|file|bad.avi|12|nohash|/"},
                                       {"error", "The file hash must be 32 hex digits."}}));
}

TEST_F(LinksCli, ExitStatusTable) {
    const std::string ok = "ed2k://|file|fine.avi|5|" + kOk + "|/\n";
    const std::string tooLarge = input.Write("large.txt", "");
    std::filesystem::resize_file(tooLarge, 67108865);
    const std::string hugeList = input.Write("huge.dat", "");  // sparse: past what a list's offsets reach
    std::filesystem::resize_file(hugeList, (uint64_t{4} << 30) + 1);
    struct Row { Args args; int code; std::string errHas; };
    for (const Row& r : std::vector<Row>{
             {{input.Write("ok.txt", ok)}, 0, "1 link: 0 fakes, 0 suspects, 0 malformed"},
             {{input.Write("malformed.txt", ok + "ed2k://|file|x||" + kOk + "|/\n")}, 0,
              "Line 2: The link has no file size."},  // reported, not failing
             {{input.Write("broken.emulecollection", std::string("\x02\x00\x00\x00\x01", 5))}, 2, "The collection"},
             {{input.File("missing.txt")}, 2, "Could not read " + input.File("missing.txt") + "."},
             {{tooLarge}, 2, "is too large to check for links (67108865 bytes; at most 64 MiB are read)."},
             {{"--fakes", input.Write("empty.dat", ""), input.File("ok.txt")}, 2, "Could not read the fake list"},
             {{"--fakes", hugeList, input.File("ok.txt")}, 2, "Could not read the fake list " + hugeList + ": it is larger than 4 GiB."},
             {{"--json", "--links"}, 2, "cannot be used together"}}) {
        const Ran got = Links(r.args);
        EXPECT_EQ(got.code, r.code) << r.args[0] << "\n" << got.err;
        EXPECT_NE(got.err.find(r.errHas), std::string::npos) << r.args[0] << "\n" << got.err;
    }
    // The standard input is bounded too.
    const Ran big = Links({"-"}, std::string(67108865, 'x'));
    EXPECT_EQ(big.code, 2);
    EXPECT_NE(big.err.find("too large"), std::string::npos) << big.err;
}

TEST_F(LinksCli, WithoutAListTheRulesStillRunAndSaySo) {
    home.Write("FAKES.DAT", "");
    const Ran r = Links({}, kPaste);
    EXPECT_EQ(r.code, 1);  // the suspect
    EXPECT_NE(r.out.find("2\t" + kFakeName + "\t*** OK \n"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("No fake list loaded: the links were checked by their names and part hashes only."),
              std::string::npos) << r.err;
}

}  // namespace
}  // namespace kv::test
