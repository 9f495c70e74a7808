// Writes the demo data under the given examples directory:
//   demo-temp/                      a client temp directory (aMule and eMule layouts)
//   FAKES.DAT                       the demo fake list (CR LF)
//   demo-home/Kestrivane.ini        the settings template (run.sh fills in the paths)
//   demo-server/fakecheck/update/   Fakes.txt and a newer FAKES.DAT for the update demo
// The output is the same on every run, so the committed files can be regenerated.
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "PartMetBuilder.h"
#include "Samples.h"
#include "common/StringUtil.h"

namespace fs = std::filesystem;
using kv::test::BuildPartMet;
using kv::test::PartMetLayout;

namespace {

// A fixed pseudo-random hash per seed, so that the demo hashes look like real ones.
std::array<uint8_t, 16> DemoHash(uint32_t seed) {
    std::array<uint8_t, 16> hash{};
    uint32_t x = seed * 2654435761u + 12345u;
    for (auto& b : hash) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<uint8_t>(x >> 11);
    }
    return hash;
}

std::string Hex(const std::array<uint8_t, 16>& hash) { return kv::HashText(hash.data()); }

bool WriteFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

struct Download {
    std::string file;  // NNN.part.met
    PartMetLayout meta;
};

// Tags the clients write after name and size; the reader must step over them.
std::vector<std::string> CommonTags(const std::string& partFile, uint32_t transferred) {
    return {kv::test::TagString(0x12, partFile), kv::test::TagU32(0x08, transferred),
            kv::test::TagU8(0x14, 0), kv::test::TagU16(0x13, 2)};
}

std::vector<Download> Downloads() {
    std::vector<Download> list;
    auto add = [&](const std::string& number, uint32_t seed, const std::string& name, uint64_t size, bool amule,
                   bool bom) {
        Download d;
        d.file = number + ".part.met";
        d.meta.version = size > 4290048000ULL ? 0xE2 : 0xE0;
        d.meta.date = 0x67000000u + seed * 86400u;
        d.meta.hash = DemoHash(seed);
        d.meta.partHashCount = static_cast<uint16_t>(size / 9728000);
        d.meta.name = name;
        d.meta.nameCopies = amule ? 2 : 1;
        d.meta.nameBom = bom;
        d.meta.size = size;
        d.meta.extraTags = CommonTags(number + ".part", static_cast<uint32_t>(size / 3));
        list.push_back(d);
    };
    // aMule writes the name twice, as raw UTF-8.
    add("001", 1, "Sintel (2010) 720p.mkv", 1234567890, true, false);
    add("002", 2, "Die Sch\xC3\xB6ne und das Biest, Teil 1 - DVDRip.avi", 734003200, true, false);
    // eMule: UTF-8 behind a byte-order mark when the name is not plain ASCII.
    add("003", 3, "Gr\xC3\xBC\xC3\x9F" "e aus M\xC3\xBCnchen, Live.mp3", 5242880, false, true);
    // An old client's name in Windows-1252.
    add("004", 4, "\xDC" "berraschung f\xFC" "r M\xE4" "dchen.avi", 700000000, false, false);
    // Over 4 GiB: version 0xE2 and a 64-bit size tag.
    add("005", 5, "Debian 12 DVD collection, 3 discs.iso", 11811160064ULL, false, false);
    add("006", 6, "Big Buck Bunny 1080p.ogg", 887142400, true, false);
    return list;
}

std::string FakeLine(const std::string& hash, uint64_t size, const std::string& description) {
    return hash + "," + std::to_string(size) + "," + description + "\r\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kv_make_demo EXAMPLES_DIR\n");
        return 2;
    }
    const fs::path root = argv[1];
    const fs::path temp = root / "demo-temp";
    std::error_code ec;
    fs::remove_all(temp, ec);

    const std::vector<Download> downloads = Downloads();
    bool ok = true;
    for (const auto& d : downloads) ok &= WriteFile(temp / d.file, BuildPartMet(d.meta));
    // What else lies in a temp directory: the data file (created, nothing
    // written to it yet: no head to judge) and a backup copy outside "*.met".
    ok &= WriteFile(temp / "001.part", std::string());
    ok &= WriteFile(temp / "001.part.met.bak", BuildPartMet(downloads[0].meta));

    // Fakes that no list knows, betrayed by what has already arrived (heads of
    // real files; only the first 64 KiB downloaded) or by their names alone.
    using kv::test::LayOut;
    using kv::test::Sample;
    const uint64_t film = 734003200, album = 104857600;
    const std::vector<kv::ByteRange> head = {{64 * 1024, film}}, albumHead = {{64 * 1024, album}};
    try {
        LayOut(temp.string(), "Der Pate (1972) German DVDRip.avi",
               kv::test::LockWithDrm(Sample("wmv"), "http://licence.example/buy.asp?film=pate", false), film, head,
               {}, "007");
        LayOut(temp.string(), "Greatest Hits 2024 - Full Album.mp3", Sample("zip-encrypted"), album, albumHead, {},
               "008");
        LayOut(temp.string(), "Urlaubsfotos Mallorca.jpg                      .exe", "", 2457600,
               {{0, 2457600}}, {}, "009");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kv_make_demo: %s\n", e.what());
        ok = false;
    }

    // The fake list: the second download is a known fake, its hash in capitals.
    std::string fakes;
    fakes += FakeLine(Hex(DemoHash(101)), 699400192, "Fake: advertising clip instead of the film [German]");
    fakes += FakeLine(kv::ToUpperAscii(Hex(downloads[1].meta.hash)), downloads[1].meta.size,
                      "Fake: only the trailer, looped, then a password request");
    fakes += FakeLine(Hex(DemoHash(102)), 1468006400, "Fake: wrong film, dubbed, 2 CDs");
    fakes += FakeLine(Hex(DemoHash(103)), 367001600, "Fake: archive asks for payment to open it");
    ok &= WriteFile(root / "FAKES.DAT", fakes);

    // The update server's newer list knows one more fake: the sixth download.
    std::string newer = fakes;
    newer += FakeLine(Hex(downloads[5].meta.hash), downloads[5].meta.size,
                      "Fake: renamed virus installer, about 1 MB of real data");
    ok &= WriteFile(root / "demo-server/fakecheck/update/FAKES.DAT", newer);
    ok &= WriteFile(root / "demo-server/fakecheck/update/Fakes.txt", "2\r\n");

    // The settings template; run.sh replaces the two @...@ markers with absolute values.
    const std::string ini =
        "[Display]\n"
        "ShowTextSearch=YES\n"
        "ShowAllPartMet=YES\n"
        "[Internet]\n"
        "CheckFakesDatAtStart=NO\n"
        "CheckKestrivaneAtStart=NO\n"
        "FakesDatDownloadURL=@UPDATE_URL@\n"
        "FakesDatVersion=1\n"
        "[Tabs]\n"
        "TabStop1=60\n"
        "TabStop2=355\n"
        "[Search]\n"
        "LastSearchString=avi\n"
        "[eMule]\n"
        "TempDir=@DEMO_TEMP@\n";
    ok &= WriteFile(root / "demo-home/Kestrivane.ini", ini);

    if (!ok) {
        std::fprintf(stderr, "kv_make_demo: could not write below %s\n", root.string().c_str());
        return 1;
    }
    std::printf("Demo data written below %s\n", root.string().c_str());
    return 0;
}
