// What the first bytes of real files (and of crafted, hostile ones) sniff as.
#include <gtest/gtest.h>

#include "Samples.h"
#include "inspect/ContentType.h"

namespace kv::inspect {
namespace {

using test::RarLock;
using test::Sample;
using F = Format;

struct Row {
    std::string what;
    std::string head;
    Format format;
    bool encrypted = false;
};

std::vector<Row> RealHeads() {
    const std::string wmv = Sample("wmv");
    return {
        {"avi", Sample("avi"), F::Avi}, {"mkv", Sample("mkv"), F::Matroska}, {"webm", Sample("webm"), F::Matroska},
        {"mp4", Sample("mp4"), F::Mp4}, {"mov", Sample("mov"), F::Mov}, {"mpeg-ps", Sample("mpeg-ps"), F::MpegPs},
        {"mpeg-ts", Sample("mpeg-ts"), F::MpegTs}, {"wmv", wmv, F::Asf}, {"wma", Sample("wma"), F::Asf},
        {"flv", Sample("flv"), F::Flv}, {"ogg", Sample("ogg"), F::Ogg}, {"flac", Sample("flac"), F::Flac},
        {"wav", Sample("wav"), F::Wav}, {"mp3-id3", Sample("mp3-id3"), F::Mp3},
        {"mp3-frames", Sample("mp3-frames"), F::Mp3}, {"jpeg", Sample("jpeg"), F::Jpeg}, {"png", Sample("png"), F::Png},
        {"gif", Sample("gif"), F::Gif}, {"iso", Sample("iso9660"), F::Iso9660}, {"zip", Sample("zip"), F::Zip},
        {"zip -P", Sample("zip-encrypted"), F::Zip, true}, {"zip AES", Sample("zip-aes"), F::Zip, true},
        {"7z", Sample("7z"), F::SevenZip}, {"7z -p", Sample("7z-encrypted"), F::SevenZip},
        {"cab", Sample("cab"), F::Cab}, {"gzip", Sample("gzip"), F::Gzip}, {"bzip2", Sample("bzip2"), F::Bzip2},
        {"xz", Sample("xz"), F::Xz}, {"pdf", Sample("pdf"), F::Pdf}, {"pe", Sample("pe"), F::Pe},
        {"elf", Sample("elf"), F::Elf}, {"shell", Sample("shell"), F::ShellScript},
        {"batch", Sample("batch"), F::BatchScript},
        {"rar4", test::Rar4(RarLock::None), F::Rar4},
        {"rar4 file", test::Rar4(RarLock::FileEncrypted), F::Rar4, true},
        {"rar4 headers", test::Rar4(RarLock::HeadersEncrypted), F::Rar4, true},
        {"rar5", test::Rar5(RarLock::None), F::Rar5},
        {"rar5 file", test::Rar5(RarLock::FileEncrypted), F::Rar5, true},
        {"rar5 headers", test::Rar5(RarLock::HeadersEncrypted), F::Rar5, true},
        {"random", std::string(8192, '\x5A'), F::Unknown},
        // Formats people share beside the classic ones.
        {"m4v", Sample("m4v"), F::Mp4}, {"3gp", Sample("3gp"), F::Mp4}, {"vob", Sample("vob"), F::MpegPs},
        {"m2ts", Sample("m2ts"), F::MpegTs}, {"rm", Sample("rm"), F::RealMedia}, {"swf", Sample("swf"), F::Swf},
        {"mkvmerge", Sample("mkvmerge"), F::Matroska}, {"mka", Sample("mka"), F::Matroska},
        {"odml", Sample("avi-odml"), F::Avi}, {"aiff", Sample("aiff"), F::Aiff}, {"mp2", Sample("mp2"), F::Mp3},
        {"mp3 in wav", Sample("mp3-in-wav"), F::Wav}, {"adts", Sample("aac-adts"), F::Adts}, {"m4a", Sample("m4a"), F::Mp4},
        {"ac3", Sample("ac3"), F::Ac3}, {"dts", Sample("dts"), F::Dts}, {"tta", Sample("tta"), F::Tta},
        {"vorbis", Sample("vorbis"), F::Ogg}, {"opus", Sample("opus"), F::Ogg}, {"wavpack", Sample("wavpack"), F::WavPack},
        {"musepack", Sample("musepack"), F::Musepack}, {"rf64", Sample("rf64"), F::Wav}, {"midi", test::Midi(), F::Midi},
        {"bmp", Sample("bmp"), F::Bmp}, {"tiff", Sample("tiff"), F::Tiff}, {"djvu", Sample("djvu"), F::DjVu},
        {"html", Sample("html"), F::Html}, {"docx", Sample("docx"), F::OfficeDoc}, {"odt", Sample("odt"), F::OfficeDoc},
        {"epub", Sample("epub"), F::OfficeDoc}, {"cbz", Sample("cbz"), F::Zip}, {"udf", Sample("udf"), F::Iso9660},
        {"7z volume", Sample("7z-volume"), F::SevenZip}, {"tar", Sample("tar"), F::Tar}, {"arj", Sample("arj"), F::Arj},
        {"msi", Sample("msi"), F::Msi}, {"srt", Sample("srt"), F::Text},
        {"vcd dat", test::VideoCdDat(Sample("mpeg-ps")), F::MpegPs},
        {"lnk", test::ShellLink("C:\\x.exe", "http://example.invalid/"), F::ShellLink},
    };
}

TEST(Sniff, RealHeadsAndEveryPrefixOfThem) {
    for (const auto& row : RealHeads()) {
        const ContentType t = Sniff(row.head);
        EXPECT_EQ(t.format, row.format) << row.what;
        EXPECT_EQ(t.encrypted, row.encrypted) << row.what;
        EXPECT_FALSE(t.drm) << row.what;
        // A shorter head is the same type, or none: never another one. (An MSI
        // cut before its directory is still an OLE compound file, a document
        // cut before its first entry's name still a ZIP archive.)
        for (size_t n = 0; n < row.head.size() && row.format != F::Iso9660; n += n < 600 ? 1 : 97) {
            const Format f = Sniff(std::string_view(row.head).substr(0, n)).format;
            EXPECT_TRUE(f == row.format || f == F::Unknown || (row.format == F::Msi && f == F::Ole) ||
                        (row.format == F::OfficeDoc && f == F::Zip))
                << row.what << " cut at " << n;
        }
    }
}

TEST(Sniff, DrmLockedWindowsMediaAndItsLicenceUrl) {
    const std::string wmv = Sample("wmv");
    const struct { std::string head; std::string url; } rows[] = {
        {test::LockWithDrm(wmv, "http://example/lic", false), "http://example/lic"},
        {test::LockWithDrm(wmv, "http://lic.example/get?id=7", true), "http://lic.example/get?id=7"},
        {test::LockWithDrm(test::LockWithDrm(wmv, "http://b/", true), "http://a/", false), "http://a/"},
        {test::LockWithDrm(wmv, "", false), ""},
        {test::LockWithDrm(Sample("wma"), "", true), ""},
    };
    for (const auto& row : rows) {
        const ContentType t = Sniff(row.head);
        EXPECT_EQ(t.format, F::Asf);
        EXPECT_TRUE(t.drm) << row.url;
        EXPECT_EQ(t.licenceUrl, row.url);
    }
}

std::string LE(uint64_t v, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    return out;
}

TEST(Sniff, HostileHeadersEndQuietly) {
    const std::string asf = test::Bytes("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C");
    const std::string ce = test::Bytes("\xFB\xB3\x11\x22\x23\xBD\xD2\x11\xB4\xB7\x00\xA0\xC9\x55\xFC\x6E");
    const std::string pad(65536, '\0');
    const std::string sc = test::Bytes("\x30\x1A\xFB\x1E\x62\x0B\xD0\x11\xA3\x9B\x00\xA0\xC9\x03\x48\xF6");
    const std::string ole = test::Bytes("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
    const auto AsfHead = [&](uint64_t size, uint64_t count, const std::string& objects) {
        return (asf + LE(size, 8) + LE(count, 4) + "\x01\x02" + objects + pad).substr(0, 65536);
    };
    std::string tinyObjects;  // 24-byte objects to the end of the window
    while (tinyObjects.size() < 65536) tinyObjects += std::string(16, '\x01') + LE(24, 8);
    const Row rows[] = {
        {"asf object of size 0", AsfHead(65536, 5, std::string(16, '\x01') + LE(0, 8)), F::Asf},
        {"asf count 2^32-1", AsfHead(UINT64_MAX, 0xFFFFFFFF, tinyObjects), F::Asf},
        {"asf object past the end", AsfHead(UINT64_MAX, 3, std::string(16, '\x01') + LE(UINT64_MAX, 8)), F::Asf},
        {"asf drm url past the end", AsfHead(200, 1, ce + LE(60, 8) + LE(0xFFFFFFF0, 4)), F::Asf},
        {"zip name past the end", "PK\x03\x04" + std::string(22, '\0') + "\xFF\xFF\xFF\xFF", F::Zip},
        {"zip entries to the end", [] { std::string z; while (z.size() < 65536) z += "PK\x03\x04" + std::string(26, '\0'); return z; }(), F::Zip},
        {"rar4 block size 0", "Rar!\x1A\x07" + std::string(1, '\0') + std::string(20, '\0'), F::Rar4},
        {"rar4 huge data", "Rar!\x1A\x07" + std::string(1, '\0') + test::Bytes("\0\0\x74\x00\x81\x28\x00") + LE(0xFFFFFFFF, 4) + std::string(21, '\0') + LE(0xFFFFFFFF, 4) + pad.substr(0, 100), F::Rar4},
        {"rar5 endless vint", "Rar!\x1A\x07\x01" + std::string(1, '\0') + std::string(4, '\0') + std::string(64, '\xFF'), F::Rar5},
        {"rar5 extra > header", "Rar!\x1A\x07\x01" + std::string(1, '\0') + test::Bytes("\0\0\0\0\x05\x02\x01\x7F\x00\x00"), F::Rar5},
        {"rar5 data size 2^64-1", "Rar!\x1A\x07\x01" + std::string(1, '\0') + test::Bytes("\0\0\0\0\x0C\x02\x02") + std::string(9, '\xFF') + "\x01" + pad.substr(0, 64), F::Rar5},
        {"pe offset past the end", "MZ" + std::string(0x3A, '\0') + LE(0xFFFFFFFF, 4) + pad.substr(0, 4096), F::Unknown},
        {"lone mp3 sync", "\xFF\xFB\x50\xC4" + pad.substr(0, 4096), F::Unknown},
        {"asf script counts 65535", AsfHead(65536, 1, sc + LE(64, 8) + std::string(16, '\0') + LE(0xFFFF, 2) + LE(0xFFFF, 2) + LE(0xFFFF, 2)), F::Asf},
        {"asf script text past the object", AsfHead(65536, 1, sc + LE(48, 8) + std::string(16, '\0') + LE(1, 2) + LE(1, 2) + LE(3, 2) + "U\0R\0L\0" + LE(0, 4) + LE(0, 2) + LE(0xFFFF, 2)), F::Asf},
        {"ole directory past 2^32", ole + std::string(0x1E - 8, '\0') + LE(9, 2) + std::string(0x10, '\0') + LE(0xFFFFFF00, 4) + pad.substr(0, 600), F::Ole},
        {"ole sector shift 40", ole + std::string(0x1E - 8, '\0') + LE(40, 2) + std::string(0x10, '\0') + LE(1, 4) + pad.substr(0, 600), F::Ole},
        {"zip first name cut short", "PK\x03\x04" + std::string(22, '\0') + LE(0xFFFF, 2) + LE(0, 2) + "mimet", F::Zip},
        {"zip name length 0", "PK\x03\x04" + std::string(22, '\0') + LE(0, 2) + LE(0, 2) + pad.substr(0, 100), F::Zip},
        {"text of one letter", std::string(8192, 'a'), F::Unknown},
        {"binary after a page's start", "<html>" + pad.substr(0, 100), F::Unknown},
        {"ts with a broken packet", std::string(1, '\x47') + std::string(187, '\0') + "\x47" + std::string(187, '\0') + "\x48" + pad.substr(0, 1000), F::Unknown},
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
