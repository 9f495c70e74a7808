#include <gtest/gtest.h>

#include "ed2k/Ed2kLink.h"

namespace kv {
namespace {

const std::string kHex = "0123456789abcdef0123456789abcdef", kUp = "0123456789ABCDEF0123456789ABCDEF";
const Ed2kHash kHash = *Ed2kHash::FromHex(kHex);

Ed2kLink Make(std::string name, uint64_t size = 12345) {
    Ed2kLink l;
    l.name = std::move(name);
    l.size = size;
    l.hash = kHash;
    return l;
}

// "name|size" of what a parser read (with "|hash" when it is not kHash), or "error: why".
template <typename Parser>
std::string Read(Parser parse, std::string_view text) {
    const auto l = parse(text);
    if (!l) return "error: " + l.error();
    return l->name + "|" + std::to_string(l->size) + (l->hash == kHash ? "" : "|" + l->hash.ToHex());
}
std::string Link(std::string_view text) { return Read(Ed2kLink::Parse, text); }

TEST(Ed2kLink, TextAndAnchorEncodeOnlyWhatTheyMust) {
    // The name as it stands in the link, in the anchor's address and as the anchor's text.
    const struct { std::string name, text, href, shown; } kCases[] = {
        {"a|b%c", "a%7Cb%25c", "a%7Cb%25c", "a|b%c"},
        {"Tom & \"Jerry\" <1>.avi", "Tom & \"Jerry\" <1>.avi", "Tom &amp; &quot;Jerry&quot; &lt;1&gt;.avi",
         "Tom &amp; &quot;Jerry&quot; &lt;1&gt;.avi"},
        {"tab\there\x7F", "tab%09here%7F", "tab%09here%7F", "tab\there\x7F"},
        {"Gr\xC3\xBC\xC3\x9F" "e \xE9t\xE9", "Gr\xC3\xBC\xC3\x9F" "e \xE9t\xE9", "Gr\xC3\xBC\xC3\x9F" "e \xE9t\xE9",
         "Gr\xC3\xBC\xC3\x9F" "e \xE9t\xE9"},
    };
    const std::string tail = "|12345|" + kHex + "|";
    for (const auto& c : kCases) {
        EXPECT_EQ(Make(c.name).Text(), "ed2k://|file|" + c.text + tail + "/");
        EXPECT_EQ(Make(c.name).HtmlAnchor(), "<a href=\"ed2k://|file|" + c.href + tail + "/\">" + c.shown + "</a>");
    }
}

// Written links read back (the fuzz target's property); "/" becomes "_" (the magnet test).
// What eMule, aMule and people write, and what is refused with the reason.
TEST(Ed2kLink, ReadsWhatEitherClientWritesAndSaysWhyNot) {
    const std::string h = "|" + kHex + "|/";
    const struct { std::string text, read; } kCases[] = {
        // eMule: '%', blank and bytes >= 0x7F escaped, upper-case hash.
        {"ed2k://|file|Caf%C3%A9%20100%25.avi|734003200|" + kUp + "|/", "Caf\xC3\xA9 100%.avi|734003200"},
        // aMule: blanks as %20, UTF-8 left raw.
        {"ed2k://|file|Caf\xC3\xA9%20noir.avi|734003200|" + kUp + "|/", "Caf\xC3\xA9 noir.avi|734003200"},
        // Hand-made: Latin-1 escape, scheme and "file" in capitals, no final "/", blank around.
        {"  ED2K://|FILE|Caf%E9.avi|734003200|" + kUp + "|  ", "Caf\xE9.avi|734003200"},
        // A lone '%' or a bad escape stays as it is; '+' is not a blank here.
        {"ed2k://|file|50%+off%zz.avi|734003200|" + kUp + "|/", "50%+off%zz.avi|734003200"},
        {"", "error: This is not an ed2k link (it does not start with ed2k://)."},
        {"ed2k://file|a|1" + h, "error: The link is malformed: \"|\" expected after ed2k://."},
        {"ed2k://|server|1.2.3.4|4661|/", "error: This is not a file link (ed2k://|server|…)."},
        {"ed2k://|file", "error: The link is incomplete: it has no file name."},
        {"ed2k://|file|a.avi|123", "error: The link is incomplete: it has no file hash."},
        {"ed2k://|file|%20 |123" + h, "error: The link has no file name."},
        {"ed2k://|file|a%00b|123" + h, "error: The file name contains a NUL byte."},
        {"ed2k://|file|a.avi|12a" + h, "error: The file size \"12a\" is not a number."},
        {"ed2k://|file|a.avi|000" + h, "error: The file size is 0."},
        {"ed2k://|file|a.avi|274877906944" + h,
         "error: The file size is too large for an ed2k download (256 GiB or more)."},
        {"ed2k://|file|a.avi|123|" + kHex.substr(0, 31) + "g|/", "error: The file hash must be 32 hex digits."},
        {"ed2k://|file|a.avi|123|" + kHex + "||/", "error: The link is malformed: it has an empty field."},
        {"ed2k://|file|a.avi|123" + h + "|junk|/", "error: The link is malformed: unexpected text after its end."},
        {"ed2k://|file|a.avi|123|" + kHex + "|extra|/",
         "error: The link is malformed: unexpected field \"extra\" after the hash."},
    };
    for (const auto& c : kCases) EXPECT_EQ(Link(c.text), c.read) << c.text;
}

// Part hashes are read (the zero-part rule needs them); other optional parts do not stop the link, and
// unreadable part hashes are dropped with the link still usable.
TEST(Ed2kLink, PartHashesAreReadAndOtherOptionalPartsSkipped) {
    const std::string p1(32, '1'), p2(32, '2'), head = "ed2k://|file|a.avi|19456000|" + kHex + "|p=" + p1 + ":";
    const auto link = Ed2kLink::Parse(head + p2 + "|h=abcdefghijklmnopqrstuvwxyz234567|s=http://e.org/a|x=new|/"
                                      "|sources,10.1.2.3:4662,nopport|/");
    ASSERT_TRUE(link);
    EXPECT_EQ(link->partHashes, (std::vector<Ed2kHash>{*Ed2kHash::FromHex(p1), *Ed2kHash::FromHex(p2)}));
    const auto rough = Ed2kLink::Parse(head + "zz|h=short|/");
    ASSERT_TRUE(rough);
    EXPECT_TRUE(rough->partHashes.empty());
}

TEST(Magnet, Ed2kMagnets) {
    const std::string xt = "magnet:?xt=urn:ed2k:" + kHex;
    const struct { std::string text, read; } kCases[] = {
        {"magnet:?xt=urn:ed2k:" + kUp + "&xl=734003200&dn=My+Movie%20%C3%A9.avi", "My Movie \xC3\xA9.avi|734003200"},
        {"MAGNET:?dn=a%2Fb.avi&xt.1=urn:btih:abcdef&xt.2=urn:ed2khash:" + kHex + "&xl=5", "a_b.avi|5"},
        {"magnet:?xt=urn:btih:c12fe1c06bba254a9dc9f519b335aa7c1367a88a&dn=x",
         "error: The magnet link carries no ed2k hash (xt=urn:ed2k:…)."},
        {"magnet:?xt=urn:ed2k:1234&xl=7&dn=x", "error: The magnet link's ed2k hash must be 32 hex digits."},
        {xt + "&dn=x", "error: The magnet link has no file size (xl=)."},
        {xt + "&xl=7", "error: The magnet link has no file name (dn=)."},
    };
    for (const auto& c : kCases) EXPECT_EQ(Read(ParseMagnet, c.text), c.read) << c.text;
}

}  // namespace
}  // namespace kv
