#include <gtest/gtest.h>

#include "usecases/LinkCheck.h"
#include "inspect/ZeroParts.h"
#include "ed2k/Collection.h"
#include "usecases/ReportText.h"

namespace kv {
namespace {

const std::string kFakeHash = "0123456789abcdef0123456789abcdef";
const std::string kOwnHash = "fedcba9876543210fedcba9876543210";
const std::string kOkHash = "00112233445566778899aabbccddeeff";
const std::string kZero = "d7def262a127cd79096a108e7a9fc138";

FakeCatalogue Lists() {
    FakeCatalogue c;
    c.Put(FakeList::Parse(kFakeHash + ",100,Fake: trailer looped\r\n", "FAKES.DAT"), ListRank::Downloaded);
    c.Put(FakeList::Parse(kOwnHash + ",5,my own verdict\r\n", "own.dat"), ListRank::Own);
    return c;
}

std::string Link(const std::string& name, uint64_t size, const std::string& hash, const std::string& extra = "") {
    return "ed2k://|file|" + name + "|" + std::to_string(size) + "|" + hash + "|" + extra + "/";
}

// One row per link: its verdict, the text the list shows for it (LinkVerdictText) and its name (LinkShownName).
struct Case { const char* what; std::string text; VerdictKind verdict; std::string shown, name; };

TEST(LinkCheck, JudgesEveryKindOfLinkInAText) {
    const std::string twoZeroParts = "p=" + kZero + ":" + kZero + ":" + kOkHash + "|";
    const std::string oneZeroOfThree = "p=" + kOkHash + ":" + kZero + ":" + kOkHash + ":" + kOkHash + "|";
    const std::string noZeroPart = "p=" + kOkHash + ":" + kOkHash + ":" + kOkHash + "|";
    const Case cases[] = {
        {"listed", Link("film.avi", 100, kFakeHash), VerdictKind::Fake, "Fake: trailer looped", "film.avi"},
        {"listed and suspect: the list wins", Link("film.avi.exe", 100, kFakeHash), VerdictKind::Fake,
         "Fake: trailer looped", "film.avi.exe"},
        {"double extension", Link("movie.avi.exe", 700, kOkHash), VerdictKind::Suspect,
         "Suspect: a program posing as AVI video: the name ends in .avi.exe", "movie.avi.exe"},
        {"mostly zeros", Link("m.avi", 2 * inspect::kPartSize + 5, kOkHash, twoZeroParts), VerdictKind::Suspect,
         "Suspect: the published file is mostly zeros (2 of 2 parts are empty)", "m.avi"},
        {"one zero part", Link("m.avi", 3 * inspect::kPartSize + 5, kOkHash, oneZeroOfThree), VerdictKind::Suspect,
         "Suspect: a part of the published file is all zeros (its part hashes hold the hash of an empty part)",
         "m.avi"},
        {"ok", Link("holiday.avi", 700, kOkHash), VerdictKind::Clean, "*** OK ", "holiday.avi"},
        {"ok part hashes", Link("m.avi", 2 * inspect::kPartSize + 5, kOkHash, noZeroPart), VerdictKind::Clean, "*** OK ",
         "m.avi"},
        {"magnet, listed", "magnet:?xt=urn:ed2k:" + kFakeHash + "&xl=100&dn=clip+one.avi", VerdictKind::Fake,
         "Fake: trailer looped", "clip one.avi"},
        {"bad hash", Link("a.avi", 5, "zz"), VerdictKind::NotChecked,
         "Malformed link: The file hash must be 32 hex digits.", Link("a.avi", 5, "zz")},
    };
    const FakeCatalogue lists = Lists();
    for (const Case& c : cases) {
        const LinkReport r = CheckLinks("look: " + c.text + " \r\n", lists);
        ASSERT_EQ(r.links(), 1u) << c.what;
        const LinkFinding& f = r.findings[0];
        EXPECT_EQ(f.verdict.kind, c.verdict) << c.what;
        EXPECT_EQ(f.line, 1u) << c.what;
        EXPECT_EQ(LinkVerdictText(f), c.shown) << c.what;
        EXPECT_EQ(LinkShownName(f), c.name) << c.what;
        EXPECT_EQ(r.fakes + r.suspects + r.malformed, c.verdict == VerdictKind::Clean ? 0 : 1) << c.what;
        // A rule's reason is kept for a listed fake too.
        const bool suspected = c.verdict == VerdictKind::Suspect || c.name.ends_with(".exe");
        EXPECT_EQ(f.verdict.reasons.empty(), !suspected) << c.what;
    }
}

Ed2kLink File(std::string name, uint64_t size, const std::string& hash) {
    Ed2kLink l;
    l.name = std::move(name), l.size = size, l.hash = *Ed2kHash::FromHex(hash);
    return l;
}

TEST(LinkCheck, ReadsCollectionsInBothFormsAndKeepsWhatABrokenOneHeld) {
    Collection c;
    c.name = "Films";
    c.files = {File("one.avi", 100, kFakeHash), File("two.avi.exe", 50, kOkHash), File("three|<\"&.avi", 9, kOkHash)};
    for (const bool binary : {true, false}) {
        const std::string bytes = binary ? WriteBinaryCollection(c) : "\xEF\xBB\xBF# note\r\n" + WriteTextCollection(c);
        const LinkReport r = CheckLinks(bytes, Lists());
        ASSERT_FALSE(r.Refused()) << r.refused;
        EXPECT_EQ(r.source, binary ? LinkReport::Source::BinaryCollection : LinkReport::Source::Text);
        ASSERT_EQ(r.links(), 3u) << binary;
        EXPECT_EQ(r.findings[0].verdict.kind, VerdictKind::Fake);
        EXPECT_EQ(r.findings[1].verdict.kind, VerdictKind::Suspect);
        EXPECT_EQ(r.findings[2].verdict.kind, VerdictKind::Clean);
        EXPECT_EQ(r.findings[2].link->name, "three|<\"&.avi") << binary;  // '|' percent-encoded in the text form
        EXPECT_EQ(r.findings[2].line, binary ? 3u : 4u);
        EXPECT_EQ(r.collectionName, binary ? "Films" : "");
    }
    // Cut short, the files before the cut stay and the rest is one malformed entry; a broken header is refused.
    const std::string bytes = WriteBinaryCollection(c);
    const LinkReport cut = CheckLinks(bytes.substr(0, bytes.size() - 3), Lists());
    ASSERT_EQ(cut.links(), 3u);
    EXPECT_EQ(cut.findings[2].verdict.kind, VerdictKind::NotChecked);
    EXPECT_EQ(cut.malformed, 1);
    EXPECT_TRUE(CheckLinks(std::string("\x01\x00\x00\x00\x05", 5), Lists()).Refused());
}

TEST(LinkCheck, RefusesInputOverTheLimitUnread) {
    const std::string big(kMaxLinkCheckInput + 1, 'a');
    const LinkReport r = CheckLinks(big, Lists());
    EXPECT_EQ(r.refused, "The input is too large to check for links: 67108865 bytes, at most 64 MiB are read.");
    // At the limit it is read: one line too long to search, reported as such.
    const LinkReport atLimit = CheckLinks(std::string_view(big).substr(1), Lists());
    EXPECT_FALSE(atLimit.Refused());
    EXPECT_EQ(atLimit.links(), 1u);
}

// A front end that takes the findings as they are judged gets each one once, in the order of the input, judged as
// a kept report judges it, however many links there are beyond the few judged ahead; the report holds counts only.
TEST(LinkCheck, FindingsTakenAsJudgedAreThoseOfAKeptReport) {
    std::vector<std::string> lines;
    for (int i = 0; i < 45; ++i) {
        const std::string hash = i % 7 == 0 ? kFakeHash : i % 11 == 0 ? kOwnHash : kOkHash;
        lines.push_back(i % 13 == 5 ? "ed2k://|file|bad|x|" + kOkHash + "|/"
                                    : Link(i % 5 == 0 ? "f.avi.exe" : "f.avi", 9, hash));
    }
    for (const size_t links : {size_t{3}, size_t{45}}) {
        std::string input = "words\n";
        for (size_t i = 0; i < links; ++i) input += lines[i] + "\n";
        class Taken final : public LinkProgress {
        public:
            void Started(const LinkReport& r) override { started = r.listRecords; }
            void Take(LinkFinding&& f) override { taken.push_back(std::move(f)); }
            size_t started = 0;
            std::vector<LinkFinding> taken;
        } progress;
        const LinkReport kept = CheckLinks(input, Lists()), counted = CheckLinks(input, Lists(), &progress);
        ASSERT_EQ(kept.links(), links);
        EXPECT_EQ(counted.links(), links);
        EXPECT_TRUE(counted.findings.empty());
        EXPECT_EQ(progress.started, 2u);
        EXPECT_EQ(std::tie(counted.fakes, counted.suspects, counted.malformed),
                  std::tie(kept.fakes, kept.suspects, kept.malformed));
        ASSERT_EQ(progress.taken.size(), links);
        for (size_t i = 0; i < links; ++i) {
            EXPECT_EQ(progress.taken[i].line, kept.findings[i].line);
            EXPECT_EQ(LinkVerdictText(progress.taken[i]), LinkVerdictText(kept.findings[i])) << i;
        }
    }
}

}  // namespace
}  // namespace kv
