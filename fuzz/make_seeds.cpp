// Writes the seed corpora: a few small inputs per fuzz target, built with the
// writers and builders the tests use. Run by scripts/make-fuzz-seeds.sh:
//   fuzz_seeds OUT_DIR   (writes OUT_DIR/<target>/<name>)
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "PartMetBuilder.h"
#include "ed2k/ClientSignals.h"
#include "ed2k/Collection.h"
#include "ed2k/Ed2kLink.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using namespace kv;

fs::path gOut;

void Seed(const std::string& target, const std::string& name, const std::string& bytes) {
    fs::create_directories(gOut / target);
    std::ofstream(gOut / target / name, std::ios::binary) << bytes;
}

std::string Piece(const std::string& s) { return std::string(1, static_cast<char>(s.size())) + s; }

Ed2kHash Hash(uint8_t seed) { return Ed2kHash(test::SequentialHash(seed)); }

std::string Gzip(const std::string& plain) {
    z_stream z{};
    deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, plain.size()) + 32, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(plain.data()));
    z.avail_in = static_cast<uInt>(plain.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

std::string Le(uint64_t v, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s.push_back(static_cast<char>(v >> (8 * i)));
    return s;
}

// A zip's first local header and its stored (method 0) data.
std::string StoredZip(const std::string& name, const std::string& data) {
    return "PK\x03\x04"s + Le(20, 2) + Le(0, 2) + Le(0, 2) + Le(0, 4) + Le(0, 4) + Le(data.size(), 4) +
           Le(data.size(), 4) + Le(name.size(), 2) + Le(0, 2) + name + data;
}

std::string Be(uint64_t v, int n) {
    std::string s;
    for (int i = n - 1; i >= 0; --i) s.push_back(static_cast<char>(v >> (8 * i)));
    return s;
}

// Heads whose containers state their own length, for the length parsers.
void LengthSeeds() {
    const std::string mkvInfo = "\x15\x49\xA9\x66\x8E"s + "\x2A\xD7\xB1\x83\x0F\x42\x40"s + "\x44\x89\x84"s + Be(0x4482A000, 4);
    Seed("fuzz_content", "mkv_info", Piece("film.mkv") + "\x1A\x45\xDF\xA3\x84\x42\x86\x81\x01"s +
                                         "\x18\x53\x80\x67\x01"s + Be(5000, 7) + mkvInfo);
    const std::string mvhd = Be(108, 4) + "mvhd" + std::string(12, '\0') + Be(1000, 4) + Be(60000, 4) + std::string(80, '\0');
    Seed("fuzz_content", "mp4_moov", Piece("film.mp4") + Be(16, 4) + "ftypisom" + Be(0, 4) + Be(116, 4) + "moov" + mvhd +
                                         Be(100000, 4) + "mdat");
    Seed("fuzz_content", "mp3_xing", Piece("song.mp3") + "\xFF\xFB\x90\x64"s + std::string(32, '\0') + "Xing" +
                                         Be(3, 4) + Be(1000, 4) + Be(400000, 4) + std::string(300, '\0'));
    Seed("fuzz_content", "flac", Piece("song.flac") + "fLaC\x80\x00\x00\x22"s + Be(4096, 2) + Be(4096, 2) +
                                     std::string(6, '\0') + Be(0x0AC442F000000000ull | 441000, 8) + std::string(16, '\0'));
    Seed("fuzz_content", "wav", Piece("song.wav") + "RIFF"s + Le(1036, 4) + "WAVEfmt " + Le(16, 4) + Le(1, 2) + Le(2, 2) +
                                    Le(44100, 4) + Le(176400, 4) + Le(4, 2) + Le(16, 2) + "data" + Le(1000, 4));
    const std::string fileProperties = "\xA1\xDC\xAB\x8C\x47\xA9\xCF\x11\x8E\xE4\x00\xC0\x0C\x20\x53\x65"s +
                                       Le(104, 8) + std::string(16, '\0') + Le(900000, 8) + Le(0, 8) + Le(10, 8) +
                                       Le(600000000, 8) + Le(600000000, 8) + Le(3000, 8) + Le(2, 4) + Le(3200, 4) +
                                       Le(3200, 4) + Le(128000, 4);
    const std::string url = "h\0t\0t\0p\0:\0/\0/\0x\0/\0\0\0"s;
    const std::string script = "\x30\x1A\xFB\x1E\x62\x0B\xD0\x11\xA3\x9B\x00\xA0\xC9\x03\x48\xF6"s +
                               Le(24 + 16 + 4 + 8 + 8 + url.size(), 8) + std::string(16, '\0') + Le(1, 2) + Le(1, 2) +
                               Le(3, 2) + "U\0R\0L\0"s + Le(1000, 4) + Le(0, 2) + Le(url.size() / 2, 2) + url;
    Seed("fuzz_content", "asf_script", Piece("film.wmv") + "\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C"s +
                                           Le(30 + fileProperties.size() + script.size(), 8) + Le(2, 4) + "\x01\x02" +
                                           fileProperties + script);
    Seed("fuzz_content", "ole", Piece("film.avi") + "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"s + std::string(0x16, '\0') +
                                    Le(9, 2) + std::string(0x10, '\0') + Le(0, 4) + std::string(512 - 0x34 + 0x50, '\0') +
                                    "\x84\x10\x0C\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46"s);
    Seed("fuzz_content", "asx", Piece("film.wmv") + "<ASX version=\"3.0\"><Entry><Ref href=\"http://x/\"/></Entry></ASX>\r\n");
    Seed("fuzz_content", "lnk", Piece("film.avi") + Le(0x4C, 4) +
                                    "\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46"s + std::string(56, '\0'));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds OUT_DIR\n";
        return 2;
    }
    gOut = argv[1];
    const std::string fakes =
        "89ee9d08b1d245928e206aaa57287534,699400192,Fake: advertising clip\r\n"
        "3BD5BA5B199D13A55AB98766F2D08FCC,734003200,Fake: only the trailer\r\n"
        ",,no hash\r\nnot a record\r\n"
        "see ca0d9eadcc91e7388a0e1ad422460950 and 21e38192d7f488b9d63529a45687b500ff,1,run\n";

    // .part.met: eMule, aMule (name twice, gaps, wide size), the old eDonkey layout.
    test::PartMetLayout emule{.hash = test::SequentialHash(1), .name = "Film.avi", .size = 734003200, .extraTags = {}};
    Seed("fuzz_partmet", "emule", test::BuildPartMet(emule));
    test::PartMetLayout amule{.version = 0xE2, .hash = test::SequentialHash(2), .partHashCount = 2,
                              .name = "gro\xC3\x9F.mkv", .nameCopies = 2, .nameBom = true, .size = 5000000000ULL,
                              .extraTags = {test::TagGap(true, 0, 100, true), test::TagGap(false, 0, 9000, true),
                                            test::TagGap(true, 1, 8000, false), test::TagGap(false, 1, 20000, false),
                                            test::TagU8(0x13, 1), test::TagString(0x12, "001.part")}};
    Seed("fuzz_partmet", "amule_wide", test::BuildPartMet(amule));
    Seed("fuzz_partmet", "edonkey_old", test::BuildOldEdonkeyPartMet(emule, false));
    Seed("fuzz_partmet", "edonkey_old_zero", test::BuildOldEdonkeyPartMet(emule, true));

    Seed("fuzz_fakelist", "fakes", fakes);
    Seed("fuzz_fakelist", "long_run", std::string(40, 'a') + ",1,x\n" + std::string(36, 'F') + ",2,y");

    // ini: section, key, value pieces, then the file.
    const std::string ini = "\xEF\xBB\xBF; settings\r\n[Display]\r\nShowAllPartMet = YES\r\n\r\n[eMule]\r\nTempDir=\"/t\"\r\n";
    Seed("fuzz_ini", "replace", Piece("Display") + Piece("showallpartmet") + Piece("NO") + ini);
    Seed("fuzz_ini", "append", Piece("eMule") + Piece("TempDirs") + Piece(" '/a|/b' \nX=1") + ini);
    Seed("fuzz_ini", "new_section_lf", Piece("Tabs") + Piece("TabStop1") + Piece("60") + "[A]\nx=1");
    std::string utf16 = "\xFF\xFE";
    for (char c : "[eMule]\r\nTempDir=/x\r\n"s) utf16 += std::string{c, '\0'};
    Seed("fuzz_ini", "utf16", Piece("eMule") + Piece("TempDir") + Piece("/y") + utf16);

    // import: client file choice, settings file piece, client file.
    const std::string settings = "[eDonkey]\r\nTempPath=/good\r\n[eMule]\r\nTempDir=/kept\r\n";
    Seed("fuzz_import", "prefmet", "\x00"s + Piece(settings) + "\x14\x02\x04\x00nick\x02\x05\x00temp!\x07/e/temp\x03\x07\x00tail");
    Seed("fuzz_import", "preferences", "\x01"s + Piece(settings) + "[eMule]\r\nTempDir=/e/t\r\nTempDirs=/a|/b\r\n");
    Seed("fuzz_import", "amule", "\x02"s + Piece("") + "[eMule]\nTempDir=/home/u/.aMule/Temp\n");

    // version: two version triples (one byte each, or 0xFF and four bytes), then the record.
    Seed("fuzz_version", "dotted", "\x01\x00\x00\x01\x0A\x00"s + "1.10.0\r\nsetup.exe");
    Seed("fuzz_version", "plain", "\x01\x00\x00\x02\x00\x00"s + "101");
    Seed("fuzz_version", "wide", "\xFF\x40\x42\x0F\x00\x00\x00\xFF\x01\x00\x00\x00\x00\x00"s + " 2.0");

    Ed2kLink link;
    link.name = "Film 100%|x.avi";
    link.size = 734003200;
    link.hash = Hash(3);
    Seed("fuzz_links", "ed2k", link.Text());
    Seed("fuzz_links", "ed2k_parts", "ed2k://|file|a.iso|9728001|" + Hash(4).ToHex() + "|p=" + Hash(5).ToHex() + ":" +
                                         Hash(6).ToHex() + "|h=ABCDEFGHIJKLMNOPQRSTUVWXYZ234567|/|sources,1.2.3.4:4662|/");
    Seed("fuzz_links", "magnet", "magnet:?xt=urn:ed2k:" + Hash(7).ToHex() + "&xl=1000&dn=a+b%20c.mkv");
    Seed("fuzz_links", "html", "<a href=\"" + link.Text() + "&amp;\">x</a>\nmagnet:?xt=urn:btih:abc\n");

    Collection c;
    c.name = "Holiday";
    c.author = "me";
    c.files = {link};
    c.files.push_back(link);
    c.files.back().name = "second.mp3";
    c.files.back().size = 5000000000ULL;
    Seed("fuzz_collection", "binary", WriteBinaryCollection(c));
    Seed("fuzz_collection", "text", WriteTextCollection(c));

    // content: a name piece, then the head.
    Seed("fuzz_content", "avi_as_avi", Piece("a.avi") + "RIFF\x10\x00\x00\x00" "AVI LIST"s + std::string(64, '\0'));
    Seed("fuzz_content", "exe_as_avi", Piece("film.avi") + "MZ\x90\x00"s + std::string(0x3C - 4, '\0') + "\x40\x00\x00\x00"s + "PE\x00\x00"s);
    Seed("fuzz_content", "zip_as_mkv", Piece("film.mkv") + StoredZip("x.txt", "hi"));
    Seed("fuzz_content", "asf", Piece("song.wma") + "\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C"s +
                                    std::string(14, '\0'));
    Seed("fuzz_content", "rar_as_iso", Piece("disc.iso") + "Rar!\x1A\x07\x00"s + std::string(16, '\0'));
    LengthSeeds();

    // list body: a limit byte, then the body.
    Seed("fuzz_listbody", "plain", "\x14"s + fakes);
    Seed("fuzz_listbody", "gzip", "\x14"s + Gzip(fakes));
    Seed("fuzz_listbody", "gzip_bomb", "\x0A"s + Gzip(std::string(100000, 'a')));
    Seed("fuzz_listbody", "zip", "\x14"s + StoredZip("FAKES.DAT", fakes));

    SpamList spam;
    spam.spam = {Hash(8), Hash(9)};
    spam.notSpam = {Hash(10)};
    spam.names = {"spam.avi"};
    spam.sizes = {1234};
    Seed("fuzz_signals", "searchspam", WriteSearchSpam(spam));
    Seed("fuzz_signals", "cancelled", WriteEmuleCancelled(0x1234567, {Hash(11), Hash(12)}));
    Seed("fuzz_signals", "canceled_amule", WriteAmuleCanceled({Hash(13), Hash(14)}));
    return 0;
}
