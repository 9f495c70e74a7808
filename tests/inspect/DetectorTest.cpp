// The detectors on downloads laid out as the client keeps them: real files
// made by real tools (tests/inspect/data), each clean one published at its
// true size with only its head arrived; fakes made from them by padding, by
// editing one header field, or by writing the documented structures.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <functional>
#include <random>

#include "Samples.h"
#include "TempDir.h"
#include "inspect/Inspect.h"

namespace kv::inspect {
namespace {

using test::BE;
using test::LE;
using test::Patch;
using test::Sample;
using test::SampleSize;

// The head arrived up to `from` (its end unless told), the rest of the
// published size missing; `tweak` adds what the client noted.
std::optional<Suspicion> Judge(const std::string& name, const std::string& head, uint64_t size,
                               const std::function<void(Download&)>& tweak = {}, bool notes = true,
                               std::optional<uint64_t> from = {}) {
    test::ScopedTempDir dir;
    std::vector<ByteRange> gaps;
    if (size > from.value_or(head.size())) gaps.push_back({from.value_or(head.size()), size});
    auto d = test::LayOut(dir.path(), name, head, size, gaps);
    if (tweak) tweak(d.download);
    InspectOptions options;
    options.notes = notes;
    return JudgeDownload(d.download, d.partPath, options);
}

std::string Describe(const std::optional<Suspicion>& s) {
    if (!s) return "nothing";
    return (s->severity == Severity::Note ? "note: " : "suspect: ") + s->reason;
}

// The sentences of the commonest findings, with their figures.
std::string Claims(const std::string& claim, const std::string& data) {
    return "suspect: claims " + claim + ", the data is " + data;
}
std::string Padded(const std::string& format, const std::string& says, const std::string& published) {
    return "suspect: a short clip padded to a larger size: the " + format + " header says it is " + says +
           " bytes long, the download is published as " + published + " bytes";
}
std::string TooShort(const std::string& format, const std::string& plays, const std::string& size,
                     const std::string& rate, const std::string& most) {
    return "suspect: the " + format + " header says it plays " + plays + ", too short for " + size + " bytes (" +
           rate + " Mbit/s, the most such a file carries is " + most + " Mbit/s)";
}

std::string Bytes12Sync() { return test::Bytes("\x00\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x00"); }

// Random bytes; with a period, its first `period` bytes repeated.
std::string Noise(size_t n, unsigned seed, size_t period = SIZE_MAX) {
    std::mt19937 random(seed);
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i) s[i] = i < period ? static_cast<char>(random()) : s[i - period];
    return s;
}

// Every clean file under the names it is shared under: nothing to say; under
// another container's usual name: never a suspect.
TEST(Detectors, CleanFilesUnderTheirOwnAndUsualNames) {
    for (const auto& file : test::Corpus()) {
        for (const auto& name : file.names)
            EXPECT_EQ(Describe(Judge(name, file.head, file.size)), "nothing") << file.what << " " << name;
        for (const auto& name : file.usual) {
            const auto s = Judge(name, file.head, file.size);
            EXPECT_TRUE(!s || s->severity == Severity::Note) << file.what << " " << name << ": " << Describe(s);
        }
    }
}

// Mode 1 sectors as a raw image has them: sync, address and mode, the 2,048
// bytes, then (left zero here) the error codes.
std::string RawSectors(const std::string& iso) {
    std::string raw;
    for (size_t at = 0, n = 0; at < iso.size(); at += 2048, ++n)
        raw += Bytes12Sync() + std::string{0, 2, static_cast<char>(n), 1} + iso.substr(at, 2048) + std::string(288, '\0');
    return raw;
}

// Data of no fixed form, or no known head, under names that allow it.
TEST(Detectors, CleanStructuresAndFreeFormData) {
    const std::string zeros(65536, '\0'), noise = Noise(65536, 7);
    // Monkey's Audio descriptor (no free encoder), a CHM's ITSF header, an
    // isohybrid image's boot sector before the ISO's descriptors.
    const std::string ape = "MAC " + LE(3990, 4) + LE(52, 4) + Noise(8000, 8);
    const std::string chm = "ITSF" + LE(3, 4) + LE(96, 4) + LE(1, 4) + Noise(8000, 9);
    const std::string hybrid = Patch(Patch(Sample("iso9660"), 0, "\x33\xED\xFA\x8E"), 510, "\x55\xAA");
    std::string nfo = "\xDB\xDB\xDB\xDB  RELEASE INFO  \xDB\xDB\xDB\xDB\r\n", m3u = "#EXTM3U\r\n";
    for (int i = 1; i <= 30; ++i) {
        nfo += "  Source ....: DVD \xB3 Video ....: XviD 1.2 \xB3 Audio ....: MP3 128 kbit/s\r\n";
        m3u += "#EXTINF:215,Artist - Song\r\nMusic\\Artist\\track" + std::to_string(i) + ".mp3\r\n";
    }
    const struct { std::string name, head; uint64_t size; } rows[] = {
        {"disc.bin", zeros, 700000000}, {"disc.dmg", noise, 700000000}, {"files.7z.002", noise, 100000000},
        {"noextension", zeros, 700000000}, {"film.avi.part", noise, 700000000}, {"song.ape", ape, 30000000},
        {"help.chm", chm, 2000000}, {"hybrid.iso", hybrid, 700000000}, {"Film.nfo", nfo, nfo.size()},
        {"Album.m3u", m3u, m3u.size()}, {"Scripting tutorial.txt", test::JScriptDownloader(), test::JScriptDownloader().size()},
        {"Bookmarks.txt", test::InternetShortcutFile(), test::InternetShortcutFile().size()},
        // Streams cut mid-frame by whoever shared them: a player finds the next frame.
        {"track.ac3", Sample("ac3").substr(1000), SampleSize("ac3") - 1000},
        {"song.mp3", Sample("mp3-lame").substr(777), SampleSize("mp3-lame") - 777},
        {"rec.ts", Sample("mpeg-ts").substr(100), SampleSize("mpeg-ts") - 100},
        {"rec.mpg", Sample("mpeg-ps").substr(5000), SampleSize("mpeg-ps") - 5000},
        // What cannot be told stays unsaid: descriptors not yet arrived, raw
        // tracks of anything, media data inside an mdat whose index is at the end.
        {"disc.iso", noise.substr(0, 30000), 700000000}, {"disc.bin", noise, 700000000},
        {"Film.mp4", Sample("mp4").substr(0, 48) + noise.substr(48, 12000), SampleSize("mp4")},
        // A CloneCD image: raw 2,352-byte sectors; a presentation that chains its parts by FILENAME.
        {"disc.img", RawSectors(Sample("iso-joliet")), 700000000},
        {"lecture.wmv", test::WithScriptCommands(Sample("wmv"), {}, {"part2.wmv"}), SampleSize("wmv")},
    };
    for (const auto& row : rows) EXPECT_EQ(Describe(Judge(row.name, row.head, row.size)), "nothing") << row.name;
}

constexpr uint64_t kCd = 734003200, kDvd = 4700000000;

// mkvmerge's head with its Segment size (8-byte VINT at 44) stating `bytes`
// for the whole file and its Info duration (float at 4251, in ms) `seconds`.
std::string MatroskaOf(uint64_t bytes, double seconds) {
    const std::string mkv = Sample("mkvmerge");
    EXPECT_EQ(mkv.substr(40, 4), "\x18\x53\x80\x67");
    EXPECT_EQ(mkv.substr(4248, 3), "\x44\x89\x84");
    const std::string ms = BE(std::bit_cast<uint32_t>(static_cast<float>(seconds * 1000)), 4);
    return Patch(Patch(mkv, 44, "\x01" + BE(bytes - 52, 7)), 4251, ms);
}

// The real AVI (FMP4 video, 64x48, 25 frames a second) with its RIFF size and
// frame count edited; `hd` states a 1920x1080 picture in its strf instead.
std::string AviOf(uint64_t bytes, uint32_t frames, bool hd = false) {
    std::string avi = Patch(Patch(Sample("avi"), 4, LE(bytes - 8, 4)), 48, LE(frames, 4));
    const size_t strf = avi.find("strf");
    return hd ? Patch(avi, strf + 12, LE(1920, 4) + LE(1080, 4)) : avi;
}

std::string Stretched(const std::string& format, const std::string& plays, const std::string& picture,
                      const std::string& size, const std::string& bpp) {
    return "suspect: the " + format + " header says it plays " + plays + " of " + picture +
           " lossy video, too short for " + size + " bytes (" + bpp +
           " bits a pixel, the most such video spends is 8.0)";
}

// The VBR MP3 with its Xing frame count and byte count edited (44.1 kHz, 1,152 samples a frame).
std::string Mp3Of(uint32_t bytes, double seconds) {
    const std::string mp3 = Sample("mp3-vbr");
    const size_t xing = mp3.find("Xing");
    return Patch(Patch(mp3, xing + 8, BE(static_cast<uint32_t>(seconds * 44100 / 1152), 4)), xing + 12, BE(bytes, 4));
}

// The FLAC (44.1 kHz, 16-bit stereo) with its STREAMINFO total samples edited.
std::string FlacOf(double seconds) {
    std::string flac = Sample("flac-tool");
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v = v << 8 | static_cast<unsigned char>(flac[18 + i]);
    return Patch(flac, 18, BE((v & ~0xFFFFFFFFFull) | static_cast<uint64_t>(seconds * 44100), 8));
}

// The faststart MP4 with its mdat's size set to 0: it runs to the end of the file.
std::string MdatToTheEnd(std::string mp4) {
    const size_t mdat = mp4.find("mdat");
    return Patch(mp4, mdat - 4, BE(0, 4));
}

// A fake, each under a name of its own; size 0 publishes the head as the whole file.
struct FakeRow {
    std::string name, head;
    std::string found;                       // Describe() of the finding
    uint64_t size = 0;
    std::function<void(Download&)> tweak = {};  // what the client noted
    bool fromTags = false;                   // found from the client's tags alone, without the head
};

// A real head cut where `cut` says and random bytes after it, to 64 KiB.
std::string OnJunk(const std::string& sample, size_t cut) { return Sample(sample).substr(0, cut) + Noise(65536 - cut, 11); }
std::string JunkBehind(const std::string& claim, const std::string& header, size_t at) {
    return Claims(claim, "junk behind a real " + header + " header (the container's structure breaks off at byte " +
                             (at >= 1000 ? std::to_string(at / 1000) + "," + std::to_string(at % 1000 + 1000).substr(1)
                                         : std::to_string(at)) +
                             ")");
}

// Where each sample's header ends: the Data object, the first Cluster, the
// first chunk inside movi, the mdat box, the second pack, the sixth packet,
// the second tag, the third page.
struct HeaderEnd {
    std::string sample, name, claim, header;
    size_t at;
};
std::vector<HeaderEnd> HeaderEnds() {
    const std::string wmv = Sample("wmv"), mkv = Sample("mkv"), avi = Sample("avi"), mp4 = Sample("mp4-faststart");
    const std::string flv = Sample("flv"), ogg = Sample("ogg");
    const auto byte = [](const std::string& s, size_t at) { return static_cast<size_t>(static_cast<unsigned char>(s[at])); };
    const size_t asfHeader = byte(wmv, 16) | byte(wmv, 17) << 8;
    const size_t flvTag = 13 + 11 + (byte(flv, 14) << 16 | byte(flv, 15) << 8 | byte(flv, 16)) + 4;
    return {
        {"wmv", "Film.wmv", "Windows Media video", "Windows Media", asfHeader},
        {"wmv", "Film.asf", "Windows Media video", "Windows Media", asfHeader + 50},  // its Data object kept
        {"mkv", "Film.mkv", "Matroska video", "Matroska", mkv.find("\x1F\x43\xB6\x75")},
        {"avi", "Film.avi", "AVI video", "AVI", avi.find("movi") + 4},
        {"avi", "Film.divx", "DivX video", "AVI", avi.find("movi") - 8},  // LIST movi itself junk
        {"mp4-faststart", "Film.mp4", "MP4 video", "MP4", mp4.find("mdat") - 4},
        {"mpeg-ps", "Film.mpg", "MPEG video", "MPEG", 2048},
        {"mpeg-ts", "Film.ts", "an MPEG transport stream", "MPEG transport stream", 188 * 5},
        {"flv", "Film.flv", "Flash video", "Flash video", flvTag},
        {"ogg", "Film.ogv", "Ogg video", "Ogg", ogg.find("OggS", ogg.find("OggS", 1) + 1)},
    };
}

std::vector<FakeRow> Fakes() {
    const std::string avi = Sample("avi"), mkv = Sample("mkvmerge"), wmv = Sample("wmv"), mp3 = Sample("mp3-vbr");
    const std::string codec = "http://codec.example.invalid/", ads = "http://ads.example.invalid/x";
    const std::string asx = "<ASX version=\"3.0\">\r\n <Entry><Ref href=\"" + codec + "\"/></Entry>\r\n</ASX>\r\n";
    const std::string live = "http://stream.example.invalid/live", backup = "http://stream.example.invalid/backup";
    const std::string link = test::ShellLink("C:\\Windows\\cmd.exe", "/c start " + codec);
    const std::string scripts = "Windows Media that opens web pages as it plays", bad = ": someone is feeding this "
                                "download bad data";
    const std::string locked = "a Windows Media file locked by DRM", pw = "a password-protected ";
    const auto drm = [](const std::string& asf, const std::string& url, bool extended) {
        return test::LockWithDrm(asf, url, extended);
    };
    const std::string zeros(65536, '\0');
    std::vector<FakeRow> rows = {
        // The classic fakes: DRM, archives and programs behind media names, other media.
        {"Film.DVDRip.avi", drm(wmv, "http://l/", false), Claims("AVI video", locked + " (licence: http://l/)")},
        {"Film.mkv", drm(wmv, "http://l/?id=7", true), Claims("Matroska video", locked + " (licence: http://l/?id=7)")},
        {"Song.wma", drm(Sample("wma"), "", true), Claims("Windows Media audio", locked)},
        {"Album.MP3", Sample("zip-encrypted"), Claims("MP3 audio", pw + "ZIP archive")},
        {"pe.mkv", Sample("pe"), Claims("Matroska video", "a Windows program")},
        {"readme.txt", Sample("shell"), Claims("a text file", "a shell script")},
        {"setup.rar", Sample("pe"), Claims("a RAR archive", "a Windows program (perhaps a self-extracting archive)")},
        {"disc.iso", avi, Claims("a disc image", "AVI video")},
        {"film.mp3", Sample("mkv"), Claims("MP3 audio", "Matroska video")},
        {"film.avi", Sample("webm-audio"), Claims("AVI video", "Matroska audio")},
        {"clip.avi", Sample("m4a"), Claims("AVI video", "MP4 audio")},
        // Padded: a real clip published at a film's size.
        {"Film.2009.DVDRip.XviD.avi", avi, Padded("AVI", "28,488", "734,003,200"), kCd},
        {"Greatest Hits.mp3", mp3, Padded("MP3", "37,716", "120,000,000"), 120000000},
        {"Album.flac", Sample("flac-tool"), TooShort("FLAC", "3 s", "600,000,000", "1600.0", "1.5"), 600000000},
        // One header field edited to the published size; the duration gives it away.
        {"xing.mp3", Mp3Of(120000000, 180), TooShort("MP3", "3 min 0 s", "120,000,000", "5.3", "0.6"), 120000000},
        {"search said 90 min.mkv", mkv, 
         "suspect: the Matroska header says it plays 1 s, the search result said 1 h 30 min",
         0, [](Download& d) { d.mediaLength = 5400; }},
        // Lossy clips stretched to a film's size where the head gives no byte size
        // (or one the faker edited): more bits a pixel than any lossy encoder spends.
        {"Film.2009.DVDRip.XviD.avi", Patch(Sample("xvid-2min"), 4, LE(kCd - 8, 4)),
         Stretched("AVI", "2 min 0 s", "640x272", "734,003,200", "11.2"), kCd},
        {"Film.2009.DVDRip.mkv", Patch(Sample("xvid-2min-mkv"), 44, std::string("\x01") + std::string(7, '\xFF')),
         Stretched("Matroska", "2 min 0 s", "640x272", "734,003,200", "11.2"), kCd},
        {"Film.2009.DVDRip.mp4", Sample("mp4-10min"), Stretched("MP4", "10 min 0 s", "320x240", "4,700,000,000", "32.6"),
         kDvd},
        {"Film.2009.mp4", MdatToTheEnd(Sample("mp4-faststart")),
         Stretched("MP4", "1 s", "64x48", "100,000,000", "10416.5"), 100000000},
        {"Film.2009.flv", Sample("flv-2min"), Stretched("Flash video", "2 min 0 s", "320x240", "734,003,200", "25.5"), kCd},
        // Junk under media names.
        {"random.avi", Noise(65536, 1), Claims("AVI video", "random bytes of no known format (8.00 bits a byte)"), kCd},
        {"zeros.mkv", std::string(65536, '\0'), Claims("Matroska video", "nothing but zero bytes"), kDvd},
        {"one byte.wmv", std::string(65536, 'Z'), Claims("Windows Media video", "one byte (0x5A) repeated"), kCd},
        {"pattern.flac", Noise(65536, 3, 61), Claims("FLAC audio", "a 61-byte pattern repeated"), 30000000},
        // Random bytes where a disc image's volume descriptors belong.
        {"random.iso", Noise(65536, 4), Claims("a disc image", "random bytes of no known format (8.00 bits a byte)"), kDvd},
        {"random.img", Noise(40000, 5), Claims("a disc image", "random bytes of no known format (8.00 bits a byte)"), kCd},
        {"pattern.nrg", Noise(65536, 6, 13), Claims("a disc image", "a 13-byte pattern repeated"), kCd},
        // Pages, text, shortcuts, playlists and documents named as media.
        {"html.avi", Sample("html"), Claims("AVI video", "a web page")},
        {"text.avi", Sample("srt"), Claims("AVI video", "plain text")},
        {"shortcut.avi", link, Claims("AVI video", "a Windows shortcut")},
        // A playlist at its own size is the pointer to a stream it says it is (a note); padded with
        // zeros to a film's size, a fake. Shortcuts and scripts are fakes at any size.
        {"asx.wmv", asx, "note: c" + Claims("Windows Media video", "a playlist that opens " + codec).substr(10)},
        {"Live.mp3", live + "\r\n" + backup,
         "note: c" + Claims("MP3 audio", "a playlist that opens " + live + " " + backup).substr(10)},
        {"Film.wmv", asx + zeros, Claims("Windows Media video", "a playlist that opens " + codec), 300000000},
        {"Film.DVDRip.avi", test::InternetShortcutFile() + zeros,
         Claims("AVI video", "an Internet shortcut that opens http://codec.example.invalid/film.php"), kCd},
        {"Film.DVDRip.XviD.avi", test::JScriptDownloader() + zeros, Claims("AVI video", "a Windows script"), kCd},
        {"Film.avi", test::JScriptDownloader(), Claims("AVI video", "a Windows script")},
        {"docx.avi", Sample("docx"), Claims("AVI video", "an office document"), kCd},
        // Windows Media that opens web pages; ARJ and MSI.
        {"script.wmv", test::WithScriptCommands(wmv, {codec, ads}),
         Claims("Windows Media video", scripts + " (2 URL commands: " + codec + " " + ads + ")")},
        {"filename.wmv", test::WithScriptCommands(wmv, {}, {codec + "play.asp", "part2.wmv"}),
         Claims("Windows Media video", scripts + " (1 FILENAME command: " + codec + "play.asp)")},
        {"both.wma", test::WithScriptCommands(Sample("wma"), {ads + "&&_blank"}, {codec}),
         Claims("Windows Media audio", scripts + " (1 URL command and 1 FILENAME command: " + ads + " " + codec + ")")},
        // DRM declared inside the Header Extension object.
        {"ext.wmv", test::WithExtensionDrm(wmv, test::DrmObject::Standard),
         Claims("Windows Media video", locked + " (licence: http://licence.example.invalid/)")},
        {"ext.avi", test::WithExtensionDrm(wmv, test::DrmObject::Extended),
         Claims("AVI video", locked + " (licence: http://licence.example.invalid/)")},
        {"playready.wmv", test::WithExtensionDrm(wmv, test::DrmObject::Advanced), Claims("Windows Media video", locked)},
        {"msi.avi", Sample("msi"), Claims("AVI video", "a Windows installer"), kCd},
        // What the client saw.
        {"corrupted parts.avi", avi, "suspect: 4 parts arrived corrupted" + bad, 0,
         [](Download& d) { d.corruptedParts = "3,7,12,15"; }, true},
        {"one corrupted part.avi", avi, "note: 1 part arrived corrupted" + bad, 0,
         [](Download& d) { d.corruptedParts = "5"; }, true},
        {"corrupted bytes.avi", avi, "suspect: 40,000,000 bytes were lost to corruption" + bad, 0,
         [](Download& d) { d.corruptedBytes = 40000000; }, true},
        {"never complete.avi", avi, "note: no source has had the whole file in 72 h 0 min of downloading", 0,
         [](Download& d) { d.lastSeenComplete = 0, d.activeSeconds = 259200; }, true},
    };
    for (const auto& h : HeaderEnds())
        rows.push_back({h.name, OnJunk(h.sample, h.at), JunkBehind(h.claim, h.header, h.at), kCd});
    return rows;
}

// Honest figures at the edge of each tolerance stay clean; just past it, flagged.
TEST(Detectors, TolerancesHoldAtTheirEdges) {
    const uint64_t mb = 1000000;
    const struct { std::string what, name, head; uint64_t size; std::string found; } rows[] = {
        {"1080p avi at 150 Mbit/s", "Film.avi", AviOf(kCd, 979, true), kCd, "nothing"},
        {"1080p avi at 170 Mbit/s", "Film.avi", AviOf(kCd, 863, true), kCd,
         TooShort("AVI", "35 s", "734,003,200", "170.1", "160.0")},
        // 64x48 at 25 frames: 8 bits a pixel and 10 Mbit/s of sound at most, 10.6 Mbit/s.
        {"64x48 avi at 10.5 Mbit/s", "Film.avi", AviOf(kCd, 14000), kCd, "nothing"},
        {"64x48 avi at 11.1 Mbit/s", "Film.avi", AviOf(kCd, 13250), kCd,
         Stretched("AVI", "8 min 50 s", "64x48", "734,003,200", "144.3")},
        {"published 1.9 times its length", "Film.mkv", MatroskaOf(100 * mb, 1800), 190 * mb, "nothing"},
        {"published 2.1 times its length", "Film.mkv", MatroskaOf(100 * mb, 1800), 210 * mb,
         Padded("Matroska", "100,000,000", "210,000,000")},
        {"flac 80 min, incompressible, with art", "Album.flac", FlacOf(4800), 900 * mb, "nothing"},
        {"flac 80 min in 1 GB", "Album.flac", FlacOf(4800), 1000 * mb,
         TooShort("FLAC", "1 h 20 min", "1,000,000,000", "1.7", "1.5")},
        {"search said 100 min, file 30 min", "Film.mkv", MatroskaOf(700 * mb, 1800), 700 * mb, "nothing"},
    };
    for (const auto& row : rows) {
        std::function<void(Download&)> tweak;
        if (row.what.starts_with("search")) tweak = [](Download& d) { d.mediaLength = 6000; };
        EXPECT_EQ(Describe(Judge(row.name, row.head, row.size, tweak)), row.found) << row.what;
    }
}

TEST(Detectors, EveryFakeKindFlaggedWithItsReason) {
    for (const auto& row : Fakes()) {
        const uint64_t size = row.size ? row.size : row.head.size();
        EXPECT_EQ(Describe(Judge(row.name, row.head, size, row.tweak)), row.found) << row.name;
    }
}

// Where the head has not arrived, nothing is judged from it: the same fakes
// with their first bytes missing (only what the client noted still counts).
TEST(Detectors, RangesNotYetArrivedAreNeverJudged) {
    for (const auto& row : Fakes()) {
        const uint64_t size = row.size ? row.size : row.head.size();
        for (const uint64_t from : {uint64_t{0}, std::min<uint64_t>(100, size / 2)}) {
            EXPECT_EQ(Describe(Judge(row.name, row.head, size, {}, true, from)), "nothing") << row.name;
            if (!row.fromTags) continue;
            EXPECT_EQ(Describe(Judge(row.name, row.head, size, row.tweak, true, from)), row.found) << row.name;
        }
    }
}

// Sound under another sound name plays: a note, as video under another video name.
TEST(Detectors, MisnamedPlayableAudioIsANote) {
    const struct { std::string name, sample, data; } rows[] = {
        {"song.mp3", "opus", "Opus audio"}, {"song.mp3", "vorbis", "Ogg audio"}, {"song.mp3", "m4a", "MP4 audio"},
        {"song.flac", "m4a", "MP4 audio"}, {"song.mp3", "alac", "MP4 audio"}, {"song.flac", "alac", "MP4 audio"},
        {"song.mp3", "ac3", "AC-3 audio"}, {"book.m4b", "mp3-lame", "MP3 audio"}, {"song.mp3", "wma", "Windows Media audio"},
        {"song.mp3", "webm-audio", "Matroska audio"}, {"song.mp3", "flac-tool", "FLAC audio"},
        {"song.wav", "mp3-vbr", "MP3 audio"}, {"book.m4b", "m4b-cover", ""}, {"book.mp3", "m4b-cover", "MP4 audio"},
        {"song.mp3", "mka-ac3", "Matroska audio"},
    };
    for (const auto& row : rows) {
        const std::string ext = row.name.substr(row.name.rfind('.') + 1);
        const std::string note = row.data.empty() ? "nothing" : "note: the data is " + row.data + ", named ." + ext + ": it will play";
        EXPECT_EQ(Describe(Judge(row.name, Sample(row.sample), SampleSize(row.sample))), note) << row.name << " " << row.sample;
    }
}

// Playable video under another container's name is a note, never counted:
// JudgeDownload leaves it out unless asked.
TEST(Detectors, WrongContainerNameIsANoteOnly) {
    const std::string mkv = Sample("mkvmerge");
    const uint64_t size = SampleSize("mkvmerge");
    EXPECT_EQ(Describe(Judge("Film.avi", mkv, size)), "note: the data is Matroska video, named .avi: it will play");
    EXPECT_EQ(Describe(Judge("Film.avi", mkv, size, {}, false)), "nothing");
}

}  // namespace
}  // namespace kv::inspect
