#include "online/ListArchive.h"

#include <zlib.h>

#include <cstring>

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

// Inflates in (windowBits: 16+MAX_WBITS gzip, -MAX_WBITS raw deflate) into
// out, stopping as soon as out would pass maxBytes.
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
    while (rc == Z_OK) {
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
        if (rc == Z_BUF_ERROR && z.avail_in == 0) break;  // the input ended before the stream
    }
    inflateEnd(&z);
    if (rc != Z_STREAM_END) {
        r.failure = "The compressed list is damaged or cut short; it was not used.";
        return r;
    }
    r.list = std::move(out);
    return r;
}

UnpackedList UnpackZip(const std::string& body, uint64_t maxBytes) {
    UnpackedList r;
    // Local file header: signature, version, flags, method, time, date, crc,
    // compressed size, size, name length, extra length, then name and extra.
    constexpr size_t kHeader = 30;
    if (body.size() < kHeader) {
        r.failure = "The zip archive is cut short; it was not used.";
        return r;
    }
    const uint32_t flags = Le16(body, 6), method = Le16(body, 8);
    const uint64_t packed = Le32(body, 18), plain = Le32(body, 22);
    const size_t data = kHeader + Le16(body, 26) + Le16(body, 28);
    if (data > body.size() || (flags & 1) != 0) {
        r.failure = (flags & 1) != 0 ? "The zip archive is encrypted; it was not used."
                                     : "The zip archive is cut short; it was not used.";
        return r;
    }
    if (method == 8) return Inflate(body.data() + data, body.size() - data, -MAX_WBITS, maxBytes);
    if (method == 0 && (flags & 8) == 0) {
        if (plain > maxBytes) {
            r.failure = TooLarge(maxBytes);
        } else if (packed != plain || data + packed > body.size()) {
            r.failure = "The zip archive is cut short; it was not used.";
        } else {
            r.list = body.substr(data, packed);
        }
        return r;
    }
    r.failure = "The zip archive uses a compression other than deflate; it was not used.";
    return r;
}

}  // namespace

BodyPacking PackingOf(const std::string& body) {
    if (body.size() >= 2 && static_cast<uint8_t>(body[0]) == 0x1F && static_cast<uint8_t>(body[1]) == 0x8B)
        return BodyPacking::Gzip;
    if (body.size() >= 4 && body.compare(0, 4, "PK\x03\x04") == 0) return BodyPacking::Zip;
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
