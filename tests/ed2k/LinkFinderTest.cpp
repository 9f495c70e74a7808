#include <gtest/gtest.h>

#include "ed2k/LinkFinder.h"

namespace kv {
namespace {

const std::string kH1 = "11111111111111111111111111111111";
const std::string kH2 = "22222222222222222222222222222222";
const std::string kH3 = "33333333333333333333333333333333";
using Rows = std::vector<std::string>;

// Each candidate found as "line|raw|name read", or "line|raw|error: why".
Rows Found(const std::string& text) {
    Rows out;
    for (const auto& c : FindLinks(text)) {
        const std::string read = c.ok() && c.error.empty() ? c.link->name : "error: " + c.error;
        out.push_back(std::to_string(c.line) + "|" + c.raw + "|" + read);
    }
    return out;
}

// Links inside an HTML page (entities, either quote, servers and torrents passed over), inside a forum post
// (in prose, quoted, without the closing slash, cut short), with a NUL in the name. Overlong lines are the
// use-case layer's (LinkCheckTest); fuzz_links shows hostile text ends quietly.
TEST(FindLinks, InPagesPostsAndWithNulBytes) {
    const std::string a = "ed2k://|file|Part 1 (of 2).rar|9728000|" + kH1 + "|/";
    const std::string b = "ed2k://|file|Part 2 (of 2).rar|9728000|" + kH2 + "|/";
    const std::string c = "ed2k://|file|No slash.avi|42|" + kH3 + "|";
    const std::string m = "magnet:?xt=urn:ed2k:" + kH3 + "&xl=42&dn=mag.avi";
    const std::string nul = std::string("ed2k://|file|a\0b.avi|1|", 23) + kH2 + "|/";
    const std::pair<std::string, Rows> rows[] = {
        {"<html><body>\n"
         "<p>Get it: <a href=\"ed2k://|file|Tom &amp; Jerry.avi|100|" + kH1 + "|/\">Tom &amp; Jerry</a></p>\n"
         "<a href='ed2k://|file|Single quoted.avi|200|" + kH2 + "|/'>x</a>"
         "<a href=\"magnet:?xt=urn:ed2k:" + kH3 + "&amp;xl=300&amp;dn=Magnet+file.avi\">m</a>\n"
         "<a href=\"magnet:?xt=urn:btih:abc&amp;dn=torrent\">not ours</a>"
         "<a href=\"ed2k://|server|1.2.3.4|4661|/\">a server</a> ed2k://|serverlist|http://x/server.met|/\n"
         "<a href=\"ed2k://|file|Broken.avi|12x|" + kH1 + "|/\">bad</a>\n"
         "</body></html>\n",
         {"2|ed2k://|file|Tom &amp; Jerry.avi|100|" + kH1 + "|/|Tom & Jerry.avi",
          "3|ed2k://|file|Single quoted.avi|200|" + kH2 + "|/|Single quoted.avi",
          "3|magnet:?xt=urn:ed2k:" + kH3 + "&amp;xl=300&amp;dn=Magnet+file.avi|Magnet file.avi",
          "5|ed2k://|file|Broken.avi|12x|" + kH1 + "|/|error: The file size \"12x\" is not a number."}},
        {"Hi all, here are both parts: " + a + " " + b + ", enjoy!\n"
         "Quoted in prose: \"" + b + "\" and bare at the end " + c + " thanks\n"
         "Magnet: " + m + " (works in aMule)\n"
         "Cut short: ed2k://|file|Half a link.avi|42\n",
         {"1|" + a + "|Part 1 (of 2).rar", "1|" + b + "|Part 2 (of 2).rar", "2|" + b + "|Part 2 (of 2).rar",
          "2|" + c + "|No slash.avi", "3|" + m + "|mag.avi",
          "4|ed2k://|file|Half a link.avi|42|error: The link is incomplete: it has no file hash."}},
        {nul + "\n", {"1|" + nul + "|error: The file name contains a NUL byte."}},
    };
    for (const auto& [text, found] : rows) EXPECT_EQ(Found(text), found) << text;
}

}  // namespace
}  // namespace kv
