#include "online/ListArchive.h"

#include <zlib.h>

#include <cstring>
#include <optional>
#include <vector>

namespace kv {

namespace {

constexpr size_t kChunk = 64 * 1024;

uint32_t Le16(const std::string& s, size_t at) {
    return static_cast<uint8_t>(s[at]) | static_cast<uint32_t>(static_cast<uint8_t>(s[at + 1])) << 8;
}
uint32_t Le32(const std::string& s, size_t at) { return Le16(s, at) | Le16(s, at + 2) << 16; }

std::string TooLarge(uint64_t maxBytes) {
    return "The compressed list unpacks to more than " + std::to_string(maxBytes / (1024 * 1024)) +
           " MiB, the limit of a fake list; it was not used.";
}

bool IsGzipStart(const Bytef* p, size_t n) { return n >= 2 && p[0] == 0x1F && p[1] == 0x8B; }

// Inflates in (windowBits: 16+MAX_WBITS gzip, -MAX_WBITS raw deflate) into
// out, stopping as soon as out would pass maxBytes. A gzip file may hold
// several members one after another (cat a.gz b.gz); each is read, as gzip -d
// does, so that a list is never taken for its first part only.
UnpackedList Inflate(const char* in, size_t size, int windowBits, uint64_t maxBytes) {
    UnpackedList r;
    z_stream z{};
    if (inflateInit2(&z, windowBits) != Z_OK) {
        r.failure = "The compressed list could not be unpacked (zlib could not start).";
        return r;
    }
    std::string out;
    std::string chunk(kChunk, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in));
    z.avail_in = static_cast<uInt>(size);
    int rc = Z_OK;
    for (;;) {
        z.next_out = reinterpret_cast<Bytef*>(chunk.data());
        z.avail_out = static_cast<uInt>(chunk.size());
        rc = inflate(&z, Z_NO_FLUSH);
        const size_t produced = chunk.size() - z.avail_out;
        if (out.size() + produced > maxBytes) {
            inflateEnd(&z);
            r.failure = TooLarge(maxBytes);
            return r;
        }
        out.append(chunk.data(), produced);
        const bool nextMember = rc == Z_STREAM_END && windowBits > MAX_WBITS && z.avail_in > 0;
        if (nextMember && IsGzipStart(z.next_in, z.avail_in) && inflateReset(&z) == Z_OK) continue;
        if (nextMember) rc = Z_DATA_ERROR;  // bytes after the last member that are no member
        if (rc != Z_OK) break;
        if (z.avail_in == 0 && z.avail_out != 0) {  // the input ended before the stream
            rc = Z_BUF_ERROR;
            break;
        }
    }
    inflateEnd(&z);
    if (rc != Z_STREAM_END) {
        r.failure = "The compressed list is damaged or cut short; it was not used.";
        return r;
    }
    r.list = std::move(out);
    return r;
}

UnpackedList Failed(std::string why) {
    UnpackedList r;
    r.failure = std::move(why);
    return r;
}

constexpr const char* kZipCut = "The zip archive is damaged or cut short; it was not used.";

// One file of a zip archive as its central directory describes it.
struct ZipEntry {
    std::string name;
    uint32_t flags = 0, method = 0, crc = 0;
    uint64_t packed = 0, plain = 0, localHeader = 0;
};

// The central directory's entries, found through the end record at the
// archive's tail (its comment may be up to 64 KiB long); nullopt when there is none.
std::optional<std::vector<ZipEntry>> ZipDirectory(const std::string& body) {
    constexpr size_t kEnd = 22, kCentral = 46;
    if (body.size() < kEnd) return std::nullopt;
    size_t end = body.size() - kEnd;
    const size_t lowest = end > 65535 ? end - 65535 : 0;
    while (body.compare(end, 4, "PK\x05\x06") != 0) {
        if (end == lowest) return std::nullopt;
        --end;
    }
    const uint32_t count = Le16(body, end + 10);
    size_t at = Le32(body, end + 16);
    std::vector<ZipEntry> entries;
    for (uint32_t i = 0; i < count; ++i) {
        if (at + kCentral > body.size() || body.compare(at, 4, "PK\x01\x02") != 0) return std::nullopt;
        ZipEntry e;
        e.flags = Le16(body, at + 8), e.method = Le16(body, at + 10), e.crc = Le32(body, at + 16);
        e.packed = Le32(body, at + 20), e.plain = Le32(body, at + 24), e.localHeader = Le32(body, at + 42);
        const size_t nameLength = Le16(body, at + 28);
        if (at + kCentral + nameLength > body.size()) return std::nullopt;
        e.name = body.substr(at + kCentral, nameLength);
        at += kCentral + nameLength + Le16(body, at + 30) + Le16(body, at + 32);
        if (!e.name.empty() && e.name.back() == '/') continue;  // a folder holds nothing to read
        entries.push_back(std::move(e));
    }
    return entries;
}

std::string EntryNames(const std::vector<ZipEntry>& entries) {
    constexpr size_t kShown = 10;
    std::string names;
    for (size_t i = 0; i < entries.size() && i < kShown; ++i) names += (i ? ", " : "") + entries[i].name;
    if (entries.size() > kShown) names += " and " + std::to_string(entries.size() - kShown) + " more";
    return names;
}

// The one file of a zip archive, stored or deflated. An archive of several
// files is refused with their names: which of them is the list is a guess the
// program does not make.
UnpackedList UnpackZip(const std::string& body, uint64_t maxBytes) {
    const std::optional<std::vector<ZipEntry>> entries = ZipDirectory(body);
    if (!entries) return Failed(kZipCut);
    if (entries->empty()) return Failed("The zip archive holds no file; it was not used.");
    if (entries->size() > 1)
        return Failed("The zip archive holds " + std::to_string(entries->size()) + " files (" + EntryNames(*entries) +
                      "), not one fake list; it was not used.");
    const ZipEntry& e = entries->front();
    // Local file header: 30 bytes, then the name and extra field, then the data.
    constexpr size_t kHeader = 30;
    if (e.localHeader + kHeader > body.size() || body.compare(e.localHeader, 4, "PK\x03\x04") != 0) return Failed(kZipCut);
    const uint64_t data = e.localHeader + kHeader + Le16(body, e.localHeader + 26) + Le16(body, e.localHeader + 28);
    if ((e.flags & 1) != 0) return Failed("The zip archive is encrypted; it was not used.");
    if (data + e.packed > body.size()) return Failed(kZipCut);
    UnpackedList r;
    if (e.method == 8) {
        r = Inflate(body.data() + data, e.packed, -MAX_WBITS, maxBytes);
    } else if (e.method == 0) {
        if (e.plain > maxBytes) return Failed(TooLarge(maxBytes));
        if (e.packed != e.plain) return Failed(kZipCut);
        r.list = body.substr(data, e.packed);
    } else {
        return Failed("The zip archive uses a compression other than deflate; it was not used.");
    }
    if (r.list && crc32(0, reinterpret_cast<const Bytef*>(r.list->data()), static_cast<uInt>(r.list->size())) != e.crc)
        return Failed(kZipCut);
    return r;
}

}  // namespace

BodyPacking PackingOf(const std::string& body) {
    if (body.size() >= 2 && static_cast<uint8_t>(body[0]) == 0x1F && static_cast<uint8_t>(body[1]) == 0x8B)
        return BodyPacking::Gzip;
    // An archive starts with its first file, or with its end record when it holds none.
    if (body.size() >= 4 && (body.compare(0, 4, "PK\x03\x04") == 0 || body.compare(0, 4, "PK\x05\x06") == 0))
        return BodyPacking::Zip;
    return BodyPacking::Plain;
}

UnpackedList UnpackList(std::string body, uint64_t maxBytes) {
    switch (PackingOf(body)) {
        case BodyPacking::Gzip: return Inflate(body.data(), body.size(), 16 + MAX_WBITS, maxBytes);
        case BodyPacking::Zip: return UnpackZip(body, maxBytes);
        case BodyPacking::Plain: break;
    }
    UnpackedList r;
    // The download bounds a plain body already; held to the same limit here so the bound holds for every caller.
    if (body.size() > maxBytes) {
        r.failure = "The list is larger than " + std::to_string(maxBytes / (1024 * 1024)) +
                    " MiB, the limit of a fake list; it was not used.";
        return r;
    }
    r.list = std::move(body);
    return r;
}

}  // namespace kv
