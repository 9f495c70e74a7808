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

using test::Sample;
using test::SampleSize;

struct Laid {
    test::ScopedTempDir dir;
    test::LaidOut out;
};

// The head arrived, the rest of the published size missing; `tweak` adds
// what the client noted.
std::optional<Suspicion> Judge(const std::string& name, const std::string& head, uint64_t size,
                               const std::function<void(Download&)>& tweak = {}, bool notes = true) {
    test::ScopedTempDir dir;
    std::vector<ByteRange> gaps;
    if (size > head.size()) gaps.push_back({head.size(), size});
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

std::string Patch(std::string head, size_t at, const std::string& bytes) { return head.replace(at, bytes.size(), bytes); }
std::string LE32(uint32_t v) { return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; }
std::string BE32(uint32_t v) { return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)}; }

std::string Noise(size_t n, unsigned seed) {
    std::mt19937 random(seed);
    std::string s(n, '\0');
    for (char& c : s) c = static_cast<char>(random());
    return s;
}

std::string Repeat(const std::string& pattern, size_t n) {
    std::string s;
    while (s.size() < n) s += pattern;
    return s.substr(0, n);
}

struct CleanRow {
    std::string sample;
    std::vector<std::string> own, usual;
};

std::vector<CleanRow> CleanRows() {
    return {
        {"avi", {"Film.DVDRip.avi", "film.divx", "film.xvid"}, {}},
        {"avi-odml", {"Film (1999) DVDRip.avi"}, {}},
        {"mkv", {"film.mkv", "film.mk3d"}, {"film.avi"}},
        {"mkvmerge", {"film.mkv"}, {"film.avi", "film.webm"}},
        {"webm", {"clip.webm", "clip.mkv"}, {"clip.avi"}},
        {"mka", {"album.mka"}, {}},
        {"remux-40mbit", {"Film.2008.1080p.BluRay.REMUX.sample.mkv"}, {"sample.avi"}},
        {"mp4", {"film.mp4", "film.m4v", "film.mov"}, {"film.avi", "film.flv"}},
        {"mp4-faststart", {"film.mp4"}, {"film.avi"}},
        {"m4v", {"film.m4v", "film.mp4"}, {"film.avi"}},
        {"mov", {"film.mov", "film.qt", "film.mp4"}, {"film.avi"}},
        {"3gp", {"clip.3gp", "clip.mp4"}, {}},
        {"mpeg-ps", {"film.mpg", "film.mpeg", "film.vob"}, {"film.avi"}},
        {"vob", {"VTS_01_1.VOB", "film.mpg"}, {"film.avi"}},
        {"mpeg-ts", {"rec.ts", "rec.mpg", "rec.m2ts"}, {"rec.avi"}},
        {"m2ts", {"00001.m2ts", "00001.mts", "00001.ts"}, {"00001.avi"}},
        {"flv", {"clip.flv"}, {"clip.avi"}},
        {"wmv", {"film.wmv", "film.asf"}, {"film.avi", "film.mpg"}},
        {"wma", {"song.wma"}, {}},
        {"rm", {"film.rm", "film.rmvb"}, {"film.avi"}},
        {"ogg", {"film.ogv", "film.ogm", "film.ogg"}, {"film.avi"}},
        {"ogm", {"film.ogm"}, {}},
        {"vorbis", {"song.ogg", "song.oga"}, {}},
        {"opus", {"song.opus", "song.ogg"}, {}},
        {"swf", {"movie.swf"}, {}},
        {"mp3-id3", {"song.mp3"}, {}},
        {"mp3-frames", {"song.mp3"}, {}},
        {"mp3-vbr", {"01 - Song (VBR V0).mp3"}, {}},
        {"mp3-lame", {"song.mp3"}, {}},
        {"mp3-in-wav", {"song.mp3", "song.wav"}, {}},
        {"mp2", {"song.mp2", "song.mpa", "song.mp3"}, {}},
        {"aac-adts", {"song.aac"}, {}},
        {"m4a", {"song.m4a", "book.m4b", "song.mp4"}, {}},
        {"alac", {"song.m4a", "song.alac"}, {}},
        {"ac3", {"track.ac3"}, {}},
        {"dts", {"track.dts"}, {}},
        {"flac", {"song.flac"}, {}},
        {"flac-tool", {"song.flac"}, {}},
        {"wavpack", {"song.wv"}, {}},
        {"musepack", {"song.mpc"}, {}},
        {"tta", {"song.tta"}, {}},
        {"aiff", {"song.aiff", "song.aif"}, {}},
        {"wav", {"song.wav"}, {}},
        {"sox-wav", {"song.wav"}, {}},
        {"rf64", {"song.wav"}, {}},
        {"jpeg", {"photo.jpg", "photo.jpeg"}, {}},
        {"png", {"photo.png", "photo.bmp"}, {}},
        {"gif", {"anim.gif"}, {}},
        {"bmp", {"photo.bmp"}, {}},
        {"tiff", {"scan.tif", "scan.tiff"}, {}},
        {"djvu", {"book.djvu"}, {}},
        {"pdf", {"book.pdf"}, {}},
        {"epub", {"book.epub"}, {}},
        {"docx", {"paper.docx"}, {}},
        {"odt", {"paper.odt"}, {}},
        {"cbz", {"comic.cbz"}, {}},
        {"zip", {"files.zip", "game.jar", "app.apk"}, {}},
        {"7z", {"files.7z"}, {}},
        {"7z-volume", {"files.7z.001"}, {}},
        {"tar-gz", {"files.tar.gz", "files.tgz"}, {}},
        {"tar", {"files.tar"}, {}},
        {"cab", {"files.cab"}, {}},
        {"arj", {"files.arj"}, {}},
        {"msi", {"setup.msi"}, {}},
        {"deb", {"film_1_all.deb"}, {}},
        {"pe", {"setup.exe"}, {}},
        {"srt", {"film.srt", "film.sub", "film.txt"}, {}},
        {"html", {"index.html", "index.htm"}, {}},
    };
}

// Every clean file under its own name and the names it is usually shared
// under: never a suspect; under its own name not even a note.
TEST(Detectors, CleanFilesUnderTheirOwnAndUsualNames) {
    for (const auto& row : CleanRows()) {
        const std::string head = Sample(row.sample);
        const uint64_t size = SampleSize(row.sample);
        for (const auto& name : row.own) EXPECT_EQ(Describe(Judge(name, head, size)), "nothing") << row.sample << " " << name;
        for (const auto& name : row.usual) {
            const auto s = Judge(name, head, size);
            EXPECT_TRUE(!s || s->severity == Severity::Note) << row.sample << " " << name << ": " << Describe(s);
        }
    }
}

// Samples that exist only as built structures, and data of no fixed form
// under names that allow it.
TEST(Detectors, CleanStructuresAndFreeFormData) {
    const std::string iso = Sample("iso9660"), udf = Sample("udf");
    const std::string zeros(65536, '\0');
    const std::string noise = Noise(65536, 7);
    // Monkey's Audio descriptor (no free encoder), a CHM's ITSF header, an
    // isohybrid image's boot sector before the ISO's descriptors.
    const std::string ape = "MAC " + LE32(3990) + LE32(52) + Noise(8000, 8);
    const std::string chm = "ITSF" + LE32(3) + LE32(96) + LE32(1) + Noise(8000, 9);
    std::string hybrid = iso;
    hybrid.replace(0, 4, std::string("\x33\xED\xFA\x8E", 4));
    hybrid.replace(510, 2, std::string("\x55\xAA", 2));
    std::string nfo = "\xDB\xDB\xDB\xDB  RELEASE INFO  \xDB\xDB\xDB\xDB\r\n";
    for (int i = 0; i < 40; ++i) nfo += "  Source ....: DVD \xB3 Video ....: XviD 1.2 \xB3 Audio ....: MP3 128 kbit/s\r\n";
    std::string cue = "PERFORMER \"Artist\"\r\nTITLE \"Album\"\r\nFILE \"Album.flac\" WAVE\r\n";
    for (int i = 1; i <= 30; ++i) cue += "  TRACK " + std::to_string(100 + i).substr(1) + " AUDIO\r\n    INDEX 01 0" + std::to_string(i % 10) + ":00:00\r\n";
    std::string sfv = "; Generated by cksfv\r\n", m3u = "#EXTM3U\r\n";
    for (int i = 1; i <= 30; ++i) {
        sfv += "track" + std::to_string(i) + ".mp3 1A2B3C4D\r\n";
        m3u += "#EXTINF:215,Artist - Song " + std::to_string(i) + "\r\nMusic\\Artist\\track" + std::to_string(i) + ".mp3\r\n";
    }
    const struct { std::string name, head; uint64_t size; } rows[] = {
        {"AVSEQ01.DAT", test::VideoCdDat(Sample("mpeg-ps")), 3 * 1024 * 1024},
        {"film.mpg", test::VideoCdDat(Sample("mpeg-ps")), 3 * 1024 * 1024},
        {"song.mid", test::Midi(), test::Midi().size()},
        {"disc.iso", iso, 700000000}, {"disc.bin", iso, 700000000}, {"disc.mdf", iso, 700000000},
        {"disc.iso", udf, 4700000000}, {"disc.udf", udf, 4700000000}, {"disc.img", udf, 4700000000},
        {"disc.bin", test::RawCdImage(), 700000000}, {"disc.img", zeros, 700000000},
        {"disc.nrg", zeros, 700000000}, {"disc.mdf", zeros, 700000000}, {"disc.dmg", noise, 700000000},
        {"files.7z.002", noise, 100000000}, {"data.bin", noise, 700000000}, {"noextension", zeros, 700000000},
        {"backup.dat", zeros, 700000000}, {"film.avi.part", noise, 700000000},
        {"song.ape", ape, 30000000}, {"comic.cbr", test::Rar4(test::RarLock::None), 50000000},
        {"help.chm", chm, 2000000}, {"hybrid.iso", hybrid, 700000000},
        {"Film.nfo", nfo, nfo.size()}, {"Album.cue", cue, cue.size()}, {"Album.sfv", sfv, sfv.size()},
        {"Album.m3u", m3u, m3u.size()},
        // Streams cut mid-frame by whoever shared them: a player finds the next frame.
        {"track.ac3", Sample("ac3").substr(1000), SampleSize("ac3") - 1000},
        {"track.dts", Sample("dts").substr(1000), SampleSize("dts") - 1000},
        {"song.aac", Sample("aac-adts").substr(1000), SampleSize("aac-adts") - 1000},
        {"song.mp3", Sample("mp3-lame").substr(777), SampleSize("mp3-lame") - 777},
        {"song.mp2", Sample("mp2").substr(777), SampleSize("mp2") - 777},
        {"rec.ts", Sample("mpeg-ts").substr(100), SampleSize("mpeg-ts") - 100},
        {"rec.mpg", Sample("mpeg-ps").substr(5000), SampleSize("mpeg-ps") - 5000},
    };
    for (const auto& row : rows) EXPECT_EQ(Describe(Judge(row.name, row.head, row.size)), "nothing") << row.name;
}

constexpr uint64_t kCd = 734003200, kDvd = 4700000000;

struct FakeRow {
    std::string what, name, head;
    uint64_t size;
    std::function<void(Download&)> tweak;
    std::string found;       // Describe() of the finding
    bool fromTags = false;   // found from the client's tags alone, without the head
};

std::vector<FakeRow> Fakes() {
    const std::string avi = Sample("avi"), mkv = Sample("mkvmerge"), wmv = Sample("wmv"), mp3 = Sample("mp3-vbr");
    const size_t xing = mp3.find("Xing") != std::string::npos ? mp3.find("Xing") : mp3.find("Info");
    const size_t segment = mkv.find("\x18\x53\x80\x67");
    const auto asx = "<ASX version=\"3.0\">\r\n <Entry><Ref href=\"http://codec.example.invalid/get.php?id=7\"/></Entry>\r\n</ASX>\r\n";
    const auto wpl = "<?wpl version=\"1.0\"?>\r\n<smil><body><seq><media src=\"http://x.example.invalid/film.wmv\"/></seq></body></smil>\r\n";
    const auto m3u = "http://stream.example.invalid/live\r\nhttp://stream.example.invalid/backup\r\n";
    const std::string link = test::ShellLink("C:\\Windows\\System32\\cmd.exe", "/c start http://codec.example.invalid/");
    const uint64_t kLink = link.size();
    return {
        // Padded: a real clip published at a film's size.
        {"padded avi", "Film.2009.DVDRip.XviD.avi", avi, kCd, {}, "suspect: a short clip padded to a larger size: the AVI header says it is 28,488 bytes long, the download is published as 734,003,200 bytes"},
        {"padded mkv", "Film.2009.720p.mkv", mkv, kDvd, {}, "suspect: a short clip padded to a larger size: the Matroska header says it is 24,027 bytes long, the download is published as 4,700,000,000 bytes"},
        {"padded wmv", "Film.2009.wmv", wmv, kCd, {}, "suspect: a short clip padded to a larger size: the Windows Media header says it is 32,901 bytes long, the download is published as 734,003,200 bytes"},
        {"padded mp4", "Film.2009.mp4", Sample("mp4"), kCd, {}, "suspect: a short clip padded to a larger size: the MP4 header says it is 17,382 bytes long, the download is published as 734,003,200 bytes"},
        {"padded mp3", "Artist - Greatest Hits (full album).mp3", mp3, 120000000, {}, "suspect: a short clip padded to a larger size: the MP3 header says it is 37,716 bytes long, the download is published as 120,000,000 bytes"},
        {"padded wav", "Artist - Album.wav", Sample("sox-wav"), 700000000, {}, "suspect: a short clip padded to a larger size: the WAV header says it is 529,244 bytes long, the download is published as 700,000,000 bytes"},
        {"padded flac", "Artist - Album.flac", Sample("flac-tool"), 600000000, {}, "suspect: the FLAC header says it plays 3 s, too short for 600,000,000 bytes (1600.0 Mbit/s, the most such a file carries is 1.5 Mbit/s)"},
        // One header field edited to the published size; the duration gives it away.
        {"avi riff edited", "Film.2009.DVDRip.avi", Patch(avi, 4, LE32(kCd - 8)), kCd, {}, "suspect: the AVI header says it plays 1 s, too short for 734,003,200 bytes (5646.2 Mbit/s, the most such a file carries is 160.0 Mbit/s)"},
        {"mkv segment edited", "Film.2009.mkv", Patch(mkv, segment + 4, std::string("\x01\x00\x00\x01\x18\x2D\x2E\x00", 8)), kDvd, {}, "suspect: the Matroska header says it plays 1 s, too short for 4,700,000,000 bytes (35980.9 Mbit/s, the most such a file carries is 160.0 Mbit/s)"},
        {"mp3 xing edited", "Artist - Greatest Hits (full album).mp3", Patch(Patch(mp3, xing + 8, BE32(6890)), xing + 12, BE32(120000000)), 120000000, {}, "suspect: the MP3 header says it plays 3 min 0 s, too short for 120,000,000 bytes (5.3 Mbit/s, the most such a file carries is 0.6 Mbit/s)"},
        {"search said 90 min", "Film.2009.mkv", mkv, SampleSize("mkvmerge"), [](Download& d) { d.mediaLength = 5400; }, "suspect: the Matroska header says it plays 1 s, the search result said 1 h 30 min"},
        // Junk under media names.
        {"random", "Film.2009.DVDRip.avi", Noise(65536, 1), kCd, {}, "suspect: claims AVI video, the data is random bytes of no known format (8.00 bits a byte)"},
        {"random short head", "Artist - Album.mp3", Noise(4096, 2), 120000000, {}, "suspect: claims MP3 audio, the data is random bytes of no known format (7.96 bits a byte)"},
        {"zeros", "Film.2009.mkv", std::string(65536, '\0'), kDvd, {}, "suspect: claims Matroska video, the data is nothing but zero bytes"},
        {"0xFF", "Film.2009.avi", std::string(65536, '\xFF'), kCd, {}, "suspect: claims AVI video, the data is nothing but 0xFF bytes"},
        {"one byte", "Film.2009.wmv", std::string(65536, 'Z'), kCd, {}, "suspect: claims Windows Media video, the data is one byte (0x5A) repeated"},
        {"pattern", "Film.2009.mp4", Repeat("\xDE\xAD\xBE\xEF", 65536), kCd, {}, "suspect: claims MP4 video, the data is a 4-byte pattern repeated"},
        {"long pattern", "Song.flac", Repeat(Noise(61, 3), 65536), 30000000, {}, "suspect: claims FLAC audio, the data is a 61-byte pattern repeated"},
        // Pages, text, shortcuts, playlists and documents named as media.
        {"html page", "Film.2009.DVDRip.avi", Sample("html"), SampleSize("html"), {}, "suspect: claims AVI video, the data is a web page"},
        {"text", "Film.2009.avi", Sample("srt"), SampleSize("srt"), {}, "suspect: claims AVI video, the data is plain text"},
        {"shortcut", "Film.2009.avi", link, kLink, {}, "suspect: claims AVI video, the data is a Windows shortcut"},
        {"asx", "Film.2009.wmv", asx, std::strlen(asx), {}, "suspect: claims Windows Media video, the data is a playlist that opens http://codec.example.invalid/get.php?id=7"},
        {"wpl", "Song.wma", wpl, std::strlen(wpl), {}, "suspect: claims Windows Media audio, the data is a playlist that opens http://x.example.invalid/film.wmv"},
        {"m3u", "Live.mp3", m3u, std::strlen(m3u), {}, "suspect: claims MP3 audio, the data is a playlist that opens http://stream.example.invalid/live http://stream.example.invalid/backup"},
        {"docx", "Film.2009.avi", Sample("docx"), kCd, {}, "suspect: claims AVI video, the data is an office document"},
        {"odt", "Album.mp3", Sample("odt"), 100000000, {}, "suspect: claims MP3 audio, the data is an office document"},
        {"pdf", "Album.mp3", Sample("pdf"), SampleSize("pdf"), {}, "suspect: claims MP3 audio, the data is a PDF document"},
        {"jpeg", "Film.2009.avi", Sample("jpeg"), SampleSize("jpeg"), {}, "suspect: claims AVI video, the data is a JPEG image"},
        {"djvu", "Film.2009.mkv", Sample("djvu"), SampleSize("djvu"), {}, "suspect: claims Matroska video, the data is a DjVu document"},
        // Windows Media that opens web pages; ARJ and MSI.
        {"asf script", "Film.2009.wmv", test::WithScriptCommands(wmv, {"http://codec.example.invalid/", "http://ads.example.invalid/x"}), SampleSize("wmv") + 200, {}, "suspect: claims Windows Media video, the data is Windows Media that opens web pages as it plays (2 URL commands: http://codec.example.invalid/ http://ads.example.invalid/x)"},
        {"asf script as avi", "Film.avi", test::WithScriptCommands(wmv, {"http://codec.example.invalid/"}), SampleSize("wmv") + 200, {}, "suspect: claims AVI video, the data is Windows Media that opens web pages as it plays (1 URL command: http://codec.example.invalid/)"},
        {"arj", "Film.2009.avi", Sample("arj"), kCd, {}, "suspect: claims AVI video, the data is an ARJ archive"},
        {"msi", "Film.2009.avi", Sample("msi"), kCd, {}, "suspect: claims AVI video, the data is a Windows installer"},
        {"msi as document", "paper.doc", Sample("msi"), SampleSize("msi"), {}, "suspect: claims a document, the data is a Windows installer"},
        // What the client saw.
        {"corrupted parts", "Film.2009.avi", avi, SampleSize("avi"), [](Download& d) { d.corruptedParts = "3,7,12,15"; }, "suspect: 4 parts arrived corrupted: someone is feeding this download bad data", true},
        {"one corrupted part", "Film.2009.avi", avi, SampleSize("avi"), [](Download& d) { d.corruptedParts = "5"; }, "note: 1 part arrived corrupted: someone is feeding this download bad data", true},
        {"corrupted bytes", "Film.2009.avi", avi, SampleSize("avi"), [](Download& d) { d.corruptedBytes = 40000000; }, "suspect: 40,000,000 bytes were lost to corruption: someone is feeding this download bad data", true},
        {"never complete", "Film.2009.avi", avi, SampleSize("avi"), [](Download& d) { d.lastSeenComplete = 0; d.activeSeconds = 3 * 86400; }, "note: no source has had the whole file in 72 h 0 min of downloading", true},
    };
}

std::string BE64(uint64_t v) { return BE32(static_cast<uint32_t>(v >> 32)) + BE32(static_cast<uint32_t>(v)); }
std::string FloatBE(float f) { return BE32(std::bit_cast<uint32_t>(f)); }

// mkvmerge's head with its Segment size (8-byte VINT at 44) stating `bytes`
// for the whole file and its Info duration (float at 4251, in ms) `seconds`.
std::string MatroskaOf(uint64_t bytes, double seconds) {
    const std::string mkv = Sample("mkvmerge");
    EXPECT_EQ(mkv.substr(40, 4), "\x18\x53\x80\x67");
    EXPECT_EQ(mkv.substr(4248, 3), "\x44\x89\x84");
    return Patch(Patch(mkv, 44, "\x01" + BE64(bytes - 52).substr(1)), 4251, FloatBE(static_cast<float>(seconds * 1000)));
}

// The real AVI (FMP4 video, 25 frames a second) with its RIFF size and frame count edited.
std::string AviOf(uint64_t bytes, uint32_t frames) { return Patch(Patch(Sample("avi"), 4, LE32(static_cast<uint32_t>(bytes - 8))), 48, LE32(frames)); }

// The VBR MP3 with its Xing frame count and byte count edited (44.1 kHz, 1,152 samples a frame).
std::string Mp3Of(uint32_t bytes, double seconds) {
    const std::string mp3 = Sample("mp3-vbr");
    const size_t xing = mp3.find("Xing");
    return Patch(Patch(mp3, xing + 8, BE32(static_cast<uint32_t>(seconds * 44100 / 1152))), xing + 12, BE32(bytes));
}

// The FLAC (44.1 kHz, 16-bit stereo) with its STREAMINFO total samples edited.
std::string FlacOf(double seconds) {
    std::string flac = Sample("flac-tool");
    const auto samples = static_cast<uint64_t>(seconds * 44100);
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v = v << 8 | static_cast<unsigned char>(flac[18 + i]);
    v = (v & ~0xFFFFFFFFFull) | samples;
    return Patch(flac, 18, BE64(v));
}

// Honest figures at the edge of each tolerance stay clean; just past it, flagged.
TEST(Detectors, TolerancesHoldAtTheirEdges) {
    const uint64_t mb = 1000000;
    const struct { std::string what, name, head; uint64_t size; std::string found; } rows[] = {
        {"xvid film 700 MB, 90 min", "Film.avi", AviOf(kCd, 135000), kCd, "nothing"},
        {"avi at 150 Mbit/s", "Film.avi", AviOf(kCd, 979), kCd, "nothing"},
        {"avi at 170 Mbit/s", "Film.avi", AviOf(kCd, 863), kCd, "suspect: the AVI header says it plays 35 s, too short for 734,003,200 bytes (170.1 Mbit/s, the most such a file carries is 160.0 Mbit/s)"},
        {"mkv 4.7 GB, 2 h", "Film.mkv", MatroskaOf(kDvd, 7200), kDvd, "nothing"},
        {"uhd remux 60 GB, 2 h (67 Mbit/s)", "Film.2160p.REMUX.mkv", MatroskaOf(60000 * mb, 7200), 60000 * mb, "nothing"},
        {"mkv 4.7 GB, 1 min", "Film.mkv", MatroskaOf(kDvd, 60), kDvd, "suspect: the Matroska header says it plays 1 min 0 s, too short for 4,700,000,000 bytes (626.7 Mbit/s, the most such a file carries is 160.0 Mbit/s)"},
        {"published 1.9 times its length", "Film.mkv", MatroskaOf(100 * mb, 1800), 190 * mb, "nothing"},
        {"published 2.1 times its length", "Film.mkv", MatroskaOf(100 * mb, 1800), 210 * mb, "suspect: a short clip padded to a larger size: the Matroska header says it is 100,000,000 bytes long, the download is published as 210,000,000 bytes"},
        {"mp3 album 60 min at 320 kbit/s", "Album.mp3", Mp3Of(144 * mb, 3600), 144 * mb, "nothing"},
        {"mp3 album padded twofold", "Album.mp3", Mp3Of(144 * mb, 3600), 300 * mb, "suspect: a short clip padded to a larger size: the MP3 header says it is 144,000,000 bytes long, the download is published as 300,000,000 bytes"},
        {"flac 80 min, incompressible, with art", "Album.flac", FlacOf(4800), 900 * mb, "nothing"},
        {"flac 80 min in 1 GB", "Album.flac", FlacOf(4800), 1000 * mb, "suspect: the FLAC header says it plays 1 h 20 min, too short for 1,000,000,000 bytes (1.7 Mbit/s, the most such a file carries is 1.5 Mbit/s)"},
        {"search said 100 min, file 30 min", "Film.mkv", MatroskaOf(700 * mb, 1800), 700 * mb, "nothing"},
    };
    for (const auto& row : rows) {
        std::function<void(Download&)> tweak;
        if (row.what.starts_with("search")) tweak = [](Download& d) { d.mediaLength = 6000; };
        EXPECT_EQ(Describe(Judge(row.name, row.head, row.size, tweak)), row.found) << row.what;
    }
}

TEST(Detectors, EveryFakeKindFlaggedWithItsReason) {
    for (const auto& row : Fakes()) EXPECT_EQ(Describe(Judge(row.name, row.head, row.size, row.tweak)), row.found) << row.what;
}

// Where the head has not arrived, nothing is judged from it: the same fakes
// with their first bytes missing (only what the client noted still counts).
TEST(Detectors, RangesNotYetArrivedAreNeverJudged) {
    test::ScopedTempDir dir;
    for (const auto& row : Fakes()) {
        for (const std::vector<ByteRange>& gaps : {std::vector<ByteRange>{{0, row.size}}, {{std::min<uint64_t>(100, row.size / 2), row.size}}}) {
            auto d = test::LayOut(dir.path(), row.name, row.head, row.size, gaps);
            InspectOptions options;
            options.notes = true;
            const auto s = JudgeDownload(d.download, d.partPath, options);
            EXPECT_EQ(Describe(s), "nothing") << row.what;
            if (row.fromTags) {
                row.tweak(d.download);
                EXPECT_EQ(Describe(JudgeDownload(d.download, d.partPath, options)), row.found) << row.what;
            }
        }
    }
}

// Playable video under another container's name is a note, never counted:
// JudgeDownload leaves it out unless asked, InspectDownload never says it.
TEST(Detectors, WrongContainerNameIsANoteOnly) {
    const struct { std::string sample, name, found; } rows[] = {
        {"mkvmerge", "Film.avi", "note: the data is Matroska video, named .avi: it will play"},
        {"mp4", "Film.avi", "note: the data is MP4 video, named .avi: it will play"},
        {"mpeg-ps", "Film.avi", "note: the data is MPEG video, named .avi: it will play"},
        {"wmv", "Film.avi", "note: the data is a Windows Media file, named .avi: it will play"},
        {"mpeg-ts", "Film.mkv", "note: the data is an MPEG transport stream, named .mkv: it will play"},
    };
    for (const auto& row : rows) {
        const std::string head = Sample(row.sample);
        EXPECT_EQ(Describe(Judge(row.name, head, SampleSize(row.sample))), row.found) << row.name;
        EXPECT_EQ(Describe(Judge(row.name, head, SampleSize(row.sample), {}, false)), "nothing") << row.name;
    }
}

// Each detector is found by its id, says what it reads, and a link gets only
// those that need no data.
TEST(Detectors, RegistrationAndLinks) {
    std::vector<std::string> ids;
    for (const auto& d : Detectors()) {
        ids.emplace_back(d->id());
        EXPECT_EQ(FindDetector(d->id()), d.get());
    }
    EXPECT_EQ(ids, (std::vector<std::string>{"content", "name", "zero-parts", "padded-clip", "duration", "media-length",
                                             "junk", "asf-script", "corruption", "never-complete"}));
    EXPECT_EQ(FindDetector("nope"), nullptr);
    Download link;
    link.name = "Film.avi.exe";
    link.hasName = link.hasSize = true;
    link.size = 3 * kPartSize;
    link.corruptedParts = "1,2,3";  // a link carries none; never read for one
    EXPECT_EQ(Describe(JudgeLink(link)), "suspect: a program posing as AVI video: the name ends in .avi.exe");
    link.name = "Film.avi";
    EXPECT_EQ(Describe(JudgeLink(link)), "nothing");
    link.partHashes.assign(4, ZeroPartHash());
    EXPECT_EQ(Describe(JudgeLink(link)), "suspect: the published file is mostly zeros (3 of 3 parts are empty)");
}

}  // namespace
}  // namespace kv::inspect
