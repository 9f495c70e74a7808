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

std::string WithScriptCommands(const std::string& asf, const std::vector<std::string>& urls) {
    // Reserved GUID, command count, type count, types (length in characters,
    // UTF-16 name), commands (time ms, type index, length, UTF-16 text).
    std::string body = std::string(16, '\0') + LE(urls.size() + 1, 2) + LE(2, 2);
    for (const std::string type : {"URL", "CAPTION"}) body += LE(type.size(), 2) + Utf16(type);
    uint32_t time = 1000;
    for (const auto& url : urls)
        body += LE(time += 5000, 4) + LE(0, 2) + LE(url.size() + 1, 2) + Utf16(url) + std::string(2, '\0');
    body += LE(0, 4) + LE(1, 2) + LE(6, 2) + Utf16("Hello") + std::string(2, '\0');
    const std::string object = Bytes("\x30\x1A\xFB\x1E\x62\x0B\xD0\x11\xA3\x9B\x00\xA0\xC9\x03\x48\xF6") +
                               LE(24 + body.size(), 8) + body;
    return InsertAsfObject(asf, object);
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

}  // namespace

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
        Real("pe", F::Pe, {"setup.exe", "noextension", "file.xyz"}), Real("elf", F::Elf, {"program"}),
        Built("shell", Sample("shell"), F::ShellScript, {"install.sh"}),
        Built("batch", Sample("batch"), F::BatchScript, {"install.bat"}),
        Built("shortcut", lnk, F::ShellLink, {"Film.lnk"}),
        Real("srt", F::Text, {"film.srt", "film.sub", "film.txt"}), Real("html", F::Html, {"index.html", "index.htm"}),
        Built("iso9660", Sample("iso9660"), F::Iso9660, {"disc.iso", "disc.bin", "disc.mdf"}, false, 700000000),
        Built("udf", Sample("udf"), F::Iso9660, {"disc.iso", "disc.udf", "disc.img"}, false, 4700000000),
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
