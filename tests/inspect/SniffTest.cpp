// What the first bytes of real files (and of crafted, hostile ones) sniff as.
#include <gtest/gtest.h>

#include "Samples.h"
#include "inspect/ContentType.h"

namespace kv::inspect {
namespace {

using test::LE;
using F = Format;

TEST(Sniff, RealHeadsAndEveryPrefixOfThem) {
    for (const auto& row : test::Corpus()) {
        const ContentType t = Sniff(row.head);
        EXPECT_EQ(t.format, row.format) << row.what;
        EXPECT_EQ(t.encrypted, row.encrypted) << row.what;
        EXPECT_FALSE(t.drm) << row.what;
        // A shorter head is the same type, or none: never another one. (An MSI
        // cut before its directory is still an OLE compound file, a document
        // cut before its first entry's name still a ZIP archive; an ISO starts
        // with zeros, a .deb's ar header is text up to its first member.)
        const bool skip = row.format == F::Iso9660 || row.format == F::Unknown;
        for (size_t n = 0; n < row.head.size() && !skip; n += n < 600 ? 1 : 97) {
            const Format f = Sniff(std::string_view(row.head).substr(0, n)).format;
            EXPECT_TRUE(f == row.format || f == F::Unknown || (row.format == F::Msi && f == F::Ole) ||
                        (row.format == F::OfficeDoc && f == F::Zip))
                << row.what << " cut at " << n;
        }
    }
}

// Crash-freedom on hostile bytes is the fuzz target's; here, fields that point past their object.
TEST(Sniff, HostileHeadersEndQuietly) {
    const std::string asf = test::Bytes("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C");
    const std::string ce = test::Bytes("\xFB\xB3\x11\x22\x23\xBD\xD2\x11\xB4\xB7\x00\xA0\xC9\x55\xFC\x6E");
    const std::string sc = test::Bytes("\x30\x1A\xFB\x1E\x62\x0B\xD0\x11\xA3\x9B\x00\xA0\xC9\x03\x48\xF6");
    const std::string pad(65536, '\0');
    const auto AsfHead = [&](uint64_t size, const std::string& objects) {
        return (asf + LE(size, 8) + LE(1, 4) + "\x01\x02" + objects + pad).substr(0, 65536);
    };
    const std::string script = sc + LE(48, 8) + std::string(16, '\0') + LE(1, 2) + LE(1, 2) + LE(3, 2) + "U\0R\0L\0";
    const struct { std::string what, head; Format format; } rows[] = {
        {"asf drm url past the end", AsfHead(200, ce + LE(60, 8) + LE(0xFFFFFFF0, 4)), F::Asf},
        {"asf script text past the object", AsfHead(65536, script + LE(0, 4) + LE(0, 2) + LE(0xFFFF, 2)), F::Asf},
        {"binary after a page's start", "<html>\x01\x02" + pad.substr(0, 100), F::Unknown},
    };
    for (const auto& row : rows) {
        const ContentType t = Sniff(row.head);
        EXPECT_EQ(t.format, row.format) << row.what;
        EXPECT_TRUE(t.licenceUrl.empty()) << row.what;
        EXPECT_EQ(t.scriptUrls, 0) << row.what;
    }
}

}  // namespace
}  // namespace kv::inspect
