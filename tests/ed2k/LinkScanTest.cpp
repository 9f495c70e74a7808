// Where the link finder starts and ends a link: it jumps from colon to colon
// and scans a field 16 bytes at a time, so starts next to other colons and
// field ends on either side of a 16-byte block are where it can slip.
#include <gtest/gtest.h>

#include "ed2k/LinkFinder.h"

namespace kv {
namespace {

const std::string kHash = "0123456789abcdef0123456789ABCDEF";
const std::string kLink = "ed2k://|file|a.avi|5|" + kHash + "|/";

TEST(LinkScan, StartsAndEnds) {
    const std::string sized = "ed2k://|file|a.avi|";
    const struct { const char* what; std::string text; std::vector<std::string> raws; } cases[] = {
        {"at the very start, then right after the previous link", kLink + kLink, {kLink, kLink}},
        {"colons before it, glued to a word", "a:b::c: x:see" + kLink, {kLink}},
        {"any case", "ED2K://|FILE|a.avi|5|" + kHash + "|/", {"ED2K://|FILE|a.avi|5|" + kHash + "|/"}},
        {"a colon without its slashes", "ed2k:|file|a.avi|5|" + kHash + "|/", {}},
        {"only the scheme's start", "ed2k:/ magnet: ed2k", {}},
        {"a magnet in capitals among colons", "x:MAGNET:?xt=urn:ed2k:" + kHash + "&xl=5&dn=m",
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
    for (const auto& c : cases) {
        std::vector<std::string> raws;  // the candidates found, as they stood
        for (const LinkCandidate& f : FindLinks(c.text)) raws.push_back(f.raw);
        EXPECT_EQ(raws, c.raws) << c.what;
    }
}

}  // namespace
}  // namespace kv
