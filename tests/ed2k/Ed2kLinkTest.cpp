#include <gtest/gtest.h>

#include "ed2k/Ed2kLink.h"

namespace kv {
namespace {

const std::string kHex = "0123456789abcdef0123456789abcdef";
const Ed2kHash kHash = *Ed2kHash::FromHex(kHex);

Ed2kLink Make(std::string name, uint64_t size = 12345) {
    Ed2kLink l;
    l.name = std::move(name);
    l.size = size;
    l.hash = kHash;
    return l;
}

TEST(Ed2kLink, TextAndAnchorEncodeOnlyWhatTheyMust) {
    const struct {
        std::string name, text, anchor;
    } kCases[] = {
        // Ordinary names come out exactly as before.
        {"My Movie.avi", "ed2k://|file|My Movie.avi|12345|" + kHex + "|/",
         "<a href=\"ed2k://|file|My Movie.avi|12345|" + kHex + "|\">My Movie.avi</a>"},
        {"a|b%c", "ed2k://|file|a%7Cb%25c|12345|" + kHex + "|/",
         "<a href=\"ed2k://|file|a%7Cb%25c|12345|" + kHex + "|\">a|b%c</a>"},
        {"Tom & \"Jerry\" <1>.avi", "ed2k://|file|Tom & \"Jerry\" <1>.avi|12345|" + kHex + "|/",
         "<a href=\"ed2k://|file|Tom &amp; &quot;Jerry&quot; &lt;1&gt;.avi|12345|" + kHex +
             "|\">Tom &amp; &quot;Jerry&quot; &lt;1&gt;.avi</a>"},
        {"tab\there\x7F", "ed2k://|file|tab%09here%7F|12345|" + kHex + "|/",
         "<a href=\"ed2k://|file|tab%09here%7F|12345|" + kHex + "|\">tab\there\x7F</a>"},
        {"Gr\xC3\xBC\xC3\x9F" "e \xE9t\xE9", "ed2k://|file|Gr\xC3\xBC\xC3\x9F" "e \xE9t\xE9|12345|" + kHex + "|/",
         "<a href=\"ed2k://|file|Gr\xC3\xBC\xC3\x9F" "e \xE9t\xE9|12345|" + kHex + "|\">Gr\xC3\xBC\xC3\x9F" "e \xE9t\xE9</a>"},
    };
    for (const auto& c : kCases) {
        const Ed2kLink link = Make(c.name);
        EXPECT_EQ(link.Text(), c.text);
        EXPECT_EQ(link.HtmlAnchor(), c.anchor);
    }
}

TEST(Ed2kLink, RoundTripsKeepNameSizeAndHash) {
    const struct {
        std::string name, expected;
    } kCases[] = {
        {"My Movie.avi", "My Movie.avi"},
        {"pipe|in|name", "pipe|in|name"},
        {"R&B <live> \"best\".mp3", "R&B <live> \"best\".mp3"},
        {"100% real %20 not a blank", "100% real %20 not a blank"},
        {"dir/file.avi", "dir_file.avi"},
        {"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E.mkv", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E.mkv"},  // UTF-8
        {"Caf\xE9 cr\xE8me.avi", "Caf\xE9 cr\xE8me.avi"},                                              // Latin-1
        {"ctl\x01\x1F\x7F", "ctl\x01\x1F\x7F"},
        {" leading and trailing ", " leading and trailing "},
    };
    for (const uint64_t size : {uint64_t{1}, uint64_t{5368709120}, kMaxEd2kFileSize - 1}) {
        for (const auto& c : kCases) {
            std::string error;
            const auto parsed = Ed2kLink::Parse(Make(c.name, size).Text(), &error);
            ASSERT_TRUE(parsed) << c.name << ": " << error;
            EXPECT_EQ(parsed->name, c.expected);
            EXPECT_EQ(parsed->size, size);
            EXPECT_EQ(parsed->hash, kHash);
        }
    }
}

TEST(Ed2kLink, ReadsWhatEitherClientWrites) {
    const std::string up = "0123456789ABCDEF0123456789ABCDEF";
    const struct {
        std::string text, name;
    } kCases[] = {
        // eMule: '%', blank and bytes >= 0x7F escaped, upper-case hash.
        {"ed2k://|file|Caf%C3%A9%20100%25.avi|734003200|" + up + "|/", "Caf\xC3\xA9 100%.avi"},
        // aMule: blanks as %20, UTF-8 left raw.
        {"ed2k://|file|Caf\xC3\xA9%20noir.avi|734003200|" + up + "|/", "Caf\xC3\xA9 noir.avi"},
        // Hand-made: Latin-1 escape, scheme and "file" in capitals, no final "/", blank around.
        {"  ED2K://|FILE|Caf%E9.avi|734003200|" + up + "|  ", "Caf\xE9.avi"},
        {"ed2k://|file|no bar at end.avi|734003200|" + up, "no bar at end.avi"},
        // A lone '%' or a bad escape stays as it is; '+' is not a blank here.
        {"ed2k://|file|50%+off%zz.avi|734003200|" + up + "|/", "50%+off%zz.avi"},
    };
    for (const auto& c : kCases) {
        std::string error;
        const auto link = Ed2kLink::Parse(c.text, &error);
        ASSERT_TRUE(link) << c.text << ": " << error;
        EXPECT_EQ(link->name, c.name);
        EXPECT_EQ(link->size, 734003200u);
        EXPECT_EQ(link->hash, kHash);
    }
}

TEST(Ed2kLink, OptionalPartsAreKept) {
    const std::string p1 = "11111111111111111111111111111111", p2 = "22222222222222222222222222222222";
    const std::string aich = "abcdefghijklmnopqrstuvwxyz234567";
    const auto link = Ed2kLink::Parse("ed2k://|file|a.avi|19456000|" + kHex + "|p=" + p1 + ":" + p2 + "|h=" + aich +
                                      "|s=http://example.org/a.avi|x=future|/|sources,10.1.2.3:4662,host.example:80,"
                                      "nopport,1.2.3.4:0,1.2.3.4:70000|/");
    ASSERT_TRUE(link);
    ASSERT_EQ(link->partHashes.size(), 2u);
    EXPECT_EQ(link->partHashes[1].ToHex(), p2);
    EXPECT_EQ(link->aich, "ABCDEFGHIJKLMNOPQRSTUVWXYZ234567");
    EXPECT_EQ(link->urls, std::vector<std::string>{"http://example.org/a.avi"});
    EXPECT_EQ(link->sources, (std::vector<std::string>{"10.1.2.3:4662", "host.example:80"}));

    // Unreadable part hashes or AICH are dropped; the link stays usable.
    const auto rough = Ed2kLink::Parse("ed2k://|file|a.avi|19456000|" + kHex + "|p=" + p1 + ":zz|h=short|/");
    ASSERT_TRUE(rough);
    EXPECT_TRUE(rough->partHashes.empty());
    EXPECT_TRUE(rough->aich.empty());
}

TEST(Ed2kLink, RejectedLinksSayWhy) {
    const struct {
        std::string text, error;
    } kCases[] = {
        {"", "This is not an ed2k link (it does not start with ed2k://)."},
        {"http://|file|a|1|" + kHex + "|/", "This is not an ed2k link (it does not start with ed2k://)."},
        {"ed2k://file|a|1|" + kHex + "|/", "The link is malformed: \"|\" expected after ed2k://."},
        {"ed2k://|server|1.2.3.4|4661|/", "This is not a file link (ed2k://|server|…)."},
        {"ed2k://|file", "The link is incomplete: it has no file name."},
        {"ed2k://|file|a.avi", "The link is incomplete: it has no file size."},
        {"ed2k://|file|a.avi|123", "The link is incomplete: it has no file hash."},
        {"ed2k://|file||123|" + kHex + "|/", "The link has no file name."},
        {"ed2k://|file|%20 |123|" + kHex + "|/", "The link has no file name."},
        {"ed2k://|file|a%00b|123|" + kHex + "|/", "The file name contains a NUL byte."},
        {"ed2k://|file|a.avi||" + kHex + "|/", "The link has no file size."},
        {"ed2k://|file|a.avi|12a|" + kHex + "|/", "The file size \"12a\" is not a number."},
        {"ed2k://|file|a.avi|-5|" + kHex + "|/", "The file size \"-5\" is not a number."},
        {"ed2k://|file|a.avi|0|" + kHex + "|/", "The file size is 0."},
        {"ed2k://|file|a.avi|000|" + kHex + "|/", "The file size is 0."},
        {"ed2k://|file|a.avi|99999999999999999999999|" + kHex + "|/", "The file size is too large for an ed2k download."},
        {"ed2k://|file|a.avi|274877906944|" + kHex + "|/",
         "The file size is too large for an ed2k download (256 GiB or more)."},
        {"ed2k://|file|a.avi|123|" + kHex.substr(1) + "|/", "The file hash must be 32 hex digits."},
        {"ed2k://|file|a.avi|123|" + kHex + "0|/", "The file hash must be 32 hex digits."},
        {"ed2k://|file|a.avi|123|" + kHex.substr(0, 31) + "g|/", "The file hash must be 32 hex digits."},
        {"ed2k://|file|a.avi|123|" + kHex + "||/", "The link is malformed: it has an empty field."},
        {"ed2k://|file|a.avi|123|" + kHex + "|/|junk|/", "The link is malformed: unexpected text after its end."},
        {"ed2k://|file|a.avi|123|" + kHex + "|/trailing", "The link is malformed: unexpected text after its end."},
        {"ed2k://|file|a.avi|123|" + kHex + "|extra|/", "The link is malformed: unexpected field \"extra\" after the hash."},
        {std::string("ed2k://|file|a\0b|123|", 21) + kHex + "|/", "The file name contains a NUL byte."},
    };
    for (const auto& c : kCases) {
        std::string error;
        EXPECT_FALSE(Ed2kLink::Parse(c.text, &error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

TEST(Magnet, Ed2kMagnets) {
    const std::string up = "0123456789ABCDEF0123456789ABCDEF";
    const struct {
        std::string text, name, error;
        uint64_t size;
    } kCases[] = {
        {"magnet:?xt=urn:ed2k:" + up + "&xl=734003200&dn=My+Movie%20%C3%A9.avi", "My Movie \xC3\xA9.avi", "", 734003200},
        {"MAGNET:?dn=a%2Fb.avi&xt.1=urn:btih:abcdef&xt.2=urn:ed2khash:" + kHex + "&xl=5", "a_b.avi", "", 5},
        {"magnet:?xt=urn%3Aed2k%3A" + kHex + "&xl=7&dn=x", "x", "", 7},
        {"magnet:?xt=urn:btih:c12fe1c06bba254a9dc9f519b335aa7c1367a88a&dn=x", "", 
         "The magnet link carries no ed2k hash (xt=urn:ed2k:…).", 0},
        {"magnet:?xt=urn:ed2k:1234&xl=7&dn=x", "", "The magnet link's ed2k hash must be 32 hex digits.", 0},
        {"magnet:?xt=urn:ed2k:" + kHex + "&dn=x", "", "The magnet link has no file size (xl=).", 0},
        {"magnet:?xt=urn:ed2k:" + kHex + "&xl=0&dn=x", "", "The file size is 0.", 0},
        {"magnet:?xt=urn:ed2k:" + kHex + "&xl=7", "", "The magnet link has no file name (dn=).", 0},
        {"ed2k://|file|x|1|" + kHex + "|/", "", "This is not a magnet link (it does not start with magnet:?).", 0},
    };
    for (const auto& c : kCases) {
        std::string error;
        const auto link = ParseMagnet(c.text, &error);
        if (c.error.empty()) {
            ASSERT_TRUE(link) << c.text << ": " << error;
            EXPECT_EQ(link->name, c.name);
            EXPECT_EQ(link->size, c.size);
            EXPECT_EQ(link->hash, kHash);
        } else {
            EXPECT_FALSE(link) << c.text;
            EXPECT_EQ(error, c.error) << c.text;
        }
    }
}

}  // namespace
}  // namespace kv
