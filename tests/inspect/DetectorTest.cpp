// The detectors on downloads laid out as the client keeps them: real files
// made by real tools (tests/inspect/data), each clean one published at its
// true size with only its head arrived; fakes made from them by padding, by
// editing one header field, or by writing the documented structures.
#include <gtest/gtest.h>

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

// Every clean file under its own name and the names it is usually shared
// under: never a suspect; under its own name not even a note.
TEST(Detectors, CleanFilesUnderTheirOwnAndUsualNames) {
    const struct { std::string sample; std::vector<std::string> own, usual; } rows[] = {
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
    for (const auto& row : rows) {
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
    std::mt19937 random(7);
    std::string noise(65536, '\0');
    for (char& c : noise) c = static_cast<char>(random());
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
    };
    for (const auto& row : rows) EXPECT_EQ(Describe(Judge(row.name, row.head, row.size)), "nothing") << row.name;
}

}  // namespace
}  // namespace kv::inspect
