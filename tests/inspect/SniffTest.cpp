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

TEST(Sniff, HostileHeadersEndQuietly) {
    const std::string asf = test::Bytes("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C");
    const std::string ce = test::Bytes("\xFB\xB3\x11\x22\x23\xBD\xD2\x11\xB4\xB7\x00\xA0\xC9\x55\xFC\x6E");
    const std::string sc = test::Bytes("\x30\x1A\xFB\x1E\x62\x0B\xD0\x11\xA3\x9B\x00\xA0\xC9\x03\x48\xF6");
    const std::string ole = test::Bytes("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") + std::string(0x16, '\0');
    const std::string rar4 = test::Bytes("Rar!\x1A\x07\0"), rar5 = test::Bytes("Rar!\x1A\x07\x01\0");
    const std::string zip = "PK\x03\x04" + std::string(22, '\0'), pad(65536, '\0'), obj(16, '\x01');
    const auto AsfHead = [&](uint64_t size, uint64_t count, const std::string& objects) {
        return (asf + LE(size, 8) + LE(count, 4) + "\x01\x02" + objects + pad).substr(0, 65536);
    };
    std::string tinyObjects, zips;  // 24-byte objects, ZIP entries, to the end of the window
    while (tinyObjects.size() < 65536) tinyObjects += obj + LE(24, 8);
    while (zips.size() < 65536) zips += zip + std::string(4, '\0');
    const std::string script = sc + LE(48, 8) + std::string(16, '\0') + LE(1, 2) + LE(1, 2) + LE(3, 2) + "U\0R\0L\0";
    const struct { std::string what, head; Format format; } rows[] = {
        {"asf object of size 0", AsfHead(65536, 5, obj + LE(0, 8)), F::Asf},
        {"asf count 2^32-1", AsfHead(UINT64_MAX, 0xFFFFFFFF, tinyObjects), F::Asf},
        {"asf object past the end", AsfHead(UINT64_MAX, 3, obj + LE(UINT64_MAX, 8)), F::Asf},
        {"asf drm url past the end", AsfHead(200, 1, ce + LE(60, 8) + LE(0xFFFFFFF0, 4)), F::Asf},
        {"asf script counts 65535",
         AsfHead(65536, 1, sc + LE(64, 8) + std::string(16, '\0') + LE(0xFFFF, 2) + LE(0xFFFF, 2) + LE(0xFFFF, 2)),
         F::Asf},
        {"asf script text past the object", AsfHead(65536, 1, script + LE(0, 4) + LE(0, 2) + LE(0xFFFF, 2)), F::Asf},
        {"zip name past the end", zip + "\xFF\xFF\xFF\xFF", F::Zip},
        {"zip entries to the end", zips, F::Zip},
        {"zip first name cut short", zip + LE(0xFFFF, 2) + LE(0, 2) + "mimet", F::Zip},
        {"zip name length 0", zip + LE(0, 2) + LE(0, 2) + pad.substr(0, 100), F::Zip},
        {"rar4 block size 0", rar4 + std::string(20, '\0'), F::Rar4},
        {"rar4 huge data",
         rar4 + test::Bytes("\0\0\x74\x00\x81\x28\x00") + LE(0xFFFFFFFF, 4) + std::string(21, '\0') +
             LE(0xFFFFFFFF, 4) + pad.substr(0, 100),
         F::Rar4},
        {"rar5 endless vint", rar5 + std::string(4, '\0') + std::string(64, '\xFF'), F::Rar5},
        {"rar5 extra > header", rar5 + test::Bytes("\0\0\0\0\x05\x02\x01\x7F\x00\x00"), F::Rar5},
        {"rar5 data size 2^64-1",
         rar5 + test::Bytes("\0\0\0\0\x0C\x02\x02") + std::string(9, '\xFF') + "\x01" + pad.substr(0, 64), F::Rar5},
        {"pe offset past the end", "MZ" + std::string(0x3A, '\0') + LE(0xFFFFFFFF, 4) + pad.substr(0, 4096),
         F::Unknown},
        {"lone mp3 sync", "\xFF\xFB\x50\xC4" + pad.substr(0, 4096), F::Unknown},
        {"ole directory past 2^32", ole + LE(9, 2) + std::string(0x10, '\0') + LE(0xFFFFFF00, 4) + pad.substr(0, 600),
         F::Ole},
        {"ole sector shift 40", ole + LE(40, 2) + std::string(0x10, '\0') + LE(1, 4) + pad.substr(0, 600), F::Ole},
        {"text of one letter", std::string(8192, 'a'), F::Unknown},
        {"binary after a page's start", "<html>" + pad.substr(0, 100), F::Unknown},
        {"ts with a broken packet",
         "\x47" + std::string(187, '\0') + "\x47" + std::string(187, '\0') + "\x48" + pad.substr(0, 1000), F::Unknown},
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
