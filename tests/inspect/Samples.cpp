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
    auto bytes = ReadWholeFile(std::string(KV_INSPECT_DATA) + "/" + name + ".head");
    if (!bytes) throw std::runtime_error("missing sample " + name);
    return *bytes;
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
    uint64_t size = 0, count = 0;
    for (int i = 7; i >= 0; --i) size = (size << 8) | static_cast<unsigned char>(asf[16 + i]);
    for (int i = 3; i >= 0; --i) count = (count << 8) | static_cast<unsigned char>(asf[24 + i]);
    return asf.substr(0, 16) + LE(size + data.size(), 8) + LE(count + 1, 4) + asf.substr(28, 2) + data +
           asf.substr(30);
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
