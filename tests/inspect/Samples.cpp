#include "Samples.h"

#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>

#include "PartMetBuilder.h"
#include "common/FileUtil.h"

namespace kv::test {

namespace {

std::string LE(uint64_t v, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    return out;
}

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
    static const auto sizes = [] {
        std::vector<std::pair<std::string, uint64_t>> out;
        const auto text = ReadWholeFile(std::string(KV_INSPECT_DATA) + "/sizes.txt");
        if (!text) throw std::runtime_error("missing sizes.txt");
        size_t at = 0;
        while (at < text->size()) {
            size_t end = text->find('\n', at);
            if (end == std::string::npos) end = text->size();
            const std::string line = text->substr(at, end - at);
            const size_t space = line.find(' ');
            if (space != std::string::npos) out.emplace_back(line.substr(0, space), std::stoull(line.substr(space + 1)));
            at = end + 1;
        }
        return out;
    }();
    for (const auto& [sample, size] : sizes)
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
        sectors += Bytes("\x00\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x00") + "\x00\x02" +
                   static_cast<char>(n) + "\x02" + Bytes("\x01\x01\x62\x0F\x01\x01\x62\x0F") + payload + LE(0, 4);
    }
    const std::string fmt = "fmt " + LE(16, 4) + LE(0, 4) + LE(0, 4) + "\x11\x11XA" + LE(1, 1) + std::string(5, '\0');
    return "RIFF" + LE(4 + fmt.size() + 8 + sectors.size(), 4) + "CDXA" + fmt + "data" + LE(sectors.size(), 4) + sectors;
}

std::string Midi() {
    // Header chunk (format 0, one track, 96 ticks a beat), then a track of
    // note-on/off pairs and the end-of-track event.
    std::string track;
    for (int i = 0; i < 400; ++i) {
        const char note = static_cast<char>(60 + i % 12);
        track += std::string("\x00\x90", 2) + note + "\x40" + std::string("\x60\x80", 2) + note + std::string(1, '\0');
    }
    track += std::string("\x00\xFF\x2F\x00", 4);
    auto be = [](uint64_t v, int n) {
        std::string out;
        for (int i = n - 1; i >= 0; --i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
        return out;
    };
    return "MThd" + be(6, 4) + be(0, 2) + be(1, 2) + be(96, 2) + "MTrk" + be(track.size(), 4) + track;
}

std::string RawCdImage() {
    // Mode 1 sectors of 2,352 bytes: the pregap's are zeros but for their sync and header.
    std::string image;
    for (int n = 0; n < 4; ++n)
        image += Bytes("\x00\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x00") + "\x00\x02" + static_cast<char>(n) + "\x01" +
                 std::string(2336, '\0');
    return image;
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
        data = LE(5, 4) + "s3cr3" + LE(4, 4) + std::string("DRM\0", 4) + LE(8, 4) + "keyid=42" + LE(lic.size(), 4) + lic;
        data = Bytes("\xFB\xB3\x11\x22\x23\xBD\xD2\x11\xB4\xB7\x00\xA0\xC9\x55\xFC\x6E") + LE(24 + data.size(), 8) + data;
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

    const int fd = ::open(d.partPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw std::runtime_error("cannot write " + d.partPath);
    std::vector<bool> present(head.size(), true);
    for (const auto& g : gaps)
        for (uint64_t i = g.begin; i < g.end && i < head.size(); ++i) present[i] = false;
    for (uint64_t at = 0; at < head.size();) {  // present runs only; the gaps stay holes
        uint64_t end = at;
        while (end < head.size() && present[end] == present[at]) ++end;
        if (present[at] &&
            ::pwrite(fd, head.data() + at, end - at, static_cast<off_t>(at)) != static_cast<ssize_t>(end - at))
            throw std::runtime_error("short write");
        at = end;
    }
    ::close(fd);
    d.download = {stem + ".part.met", name, true, size, true, std::nullopt, partHashes, gaps};
    return d;
}

}  // namespace kv::test
