// Where the link finder starts and ends a link: it jumps from colon to colon
// and scans a field 16 bytes at a time, so starts next to other colons and
// field ends on either side of a 16-byte block are where it can slip.
#include <gtest/gtest.h>

#include "ed2k/LinkFinder.h"

namespace kv {
namespace {

const std::string kHash = "0123456789abcdef0123456789ABCDEF";
const std::string kLink = "ed2k://|file|a.avi|5|" + kHash + "|/";

struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> raws;  // the candidates found, as they stood
};

TEST(LinkScan, StartsAndEnds) {
    const std::string sized = "ed2k://|file|a.avi|";
    const std::vector<Case> cases = {
        {"at the very start", kLink, {kLink}},
        {"right after the previous link", kLink + kLink, {kLink, kLink}},
        {"colons before it", "a:b::c: x:" + kLink, {kLink}},
        {"glued to a word", "see" + kLink, {kLink}},
        {"any case", "ED2K://|FILE|a.avi|5|" + kHash + "|/", {"ED2K://|FILE|a.avi|5|" + kHash + "|/"}},
        {"a colon without its slashes", "ed2k:|file|a.avi|5|" + kHash + "|/", {}},
        {"only the scheme's start", "ed2k:/ magnet: ed2k", {}},
        {"a magnet among colons", "x:magnet:?xt=urn:ed2k:" + kHash + "&xl=5&dn=m",
         {"magnet:?xt=urn:ed2k:" + kHash + "&xl=5&dn=m"}},
        {"magnet in capitals", "MAGNET:?xt=urn:ed2k:" + kHash + "&xl=5&dn=m",
         {"MAGNET:?xt=urn:ed2k:" + kHash + "&xl=5&dn=m"}},
        {"a scheme split by a line end", "ed2\nk://|file|a.avi|5|" + kHash + "|/", {}},
        // A size field of n digits ends at a stop byte: before, on and after a 16-byte block's end.
        {"field of 15 then a blank", sized + std::string(15, '7') + " " + kHash, {sized + std::string(15, '7')}},
        {"field of 16 then a quote", sized + std::string(16, '7') + "\"" + kHash, {sized + std::string(16, '7')}},
        {"field of 17 then '>'", sized + std::string(17, '7') + ">" + kHash, {sized + std::string(17, '7')}},
        {"field of 40 to the line's end", sized + std::string(40, '7'), {sized + std::string(40, '7')}},
        {"a hash field of 32 then a tab", "ed2k://|file|a.avi|5|" + kHash + "\t|/",
         {"ed2k://|file|a.avi|5|" + kHash}},
        {"quoted without entities", "<a href=\"" + kLink + "\">", {kLink}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<LinkCandidate> found = FindLinks(c.text);
        std::vector<std::string> raws;
        for (const LinkCandidate& f : found) raws.push_back(f.raw);
        EXPECT_EQ(raws, c.raws);
    }
}

TEST(LinkScan, TheSinkSeesWhatTheListHolds) {
    struct Count final : LinkSink {
        std::vector<std::string> raws;
        void Found(size_t line, std::string_view raw, std::optional<Ed2kLink>&& link, std::string&& error) override {
            raws.push_back(std::to_string(line) + " " + std::string(raw) + (link ? "" : " / " + error));
        }
    } sink;
    const std::string text = kLink + "\nno link\nx ed2k://|file|bad|x|/ " + kLink + "\n";
    FindLinks(text, sink);
    std::vector<std::string> listed;
    for (const LinkCandidate& c : FindLinks(text))
        listed.push_back(std::to_string(c.line) + " " + c.raw + (c.ok() ? "" : " / " + c.error));
    EXPECT_EQ(sink.raws, listed);
    EXPECT_EQ(listed.size(), 3u);
}

}  // namespace
}  // namespace kv
