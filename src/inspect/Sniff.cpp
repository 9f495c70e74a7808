#include <cstring>

#include "common/Translator.h"
#include "inspect/ContentType.h"
#include "inspect/ByteView.h"
#include "inspect/SniffMore.h"

#include <algorithm>
#include <vector>

namespace kv::inspect {

namespace {

using Bytes = ByteView;

// --- ASF -------------------------------------------------------------------

constexpr char kAsfHeader[] = "\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C";
constexpr char kAsfContentEncryption[] = "\xFB\xB3\x11\x22\x23\xBD\xD2\x11\xB4\xB7\x00\xA0\xC9\x55\xFC\x6E";
constexpr char kAsfExtContentEncryption[] = "\x14\xE6\x8A\x29\x22\x26\x17\x4C\xB9\x35\xDA\xE0\x7E\xE9\x28\x9C";

// A URL for display: printable ASCII only, bounded.
std::string CleanUrl(std::string_view raw) {
    std::string url;
    for (char c : raw) {
        if (c == '\0') break;
        if (c > ' ' && c < 0x7F) url += c;
        if (url.size() >= 300) break;
    }
    return url;
}

// Content Encryption object data: four uint32-length fields (secret,
// protection type, key id, licence URL).
std::string ContentEncryptionUrl(const Bytes& b, uint64_t at, uint64_t end) {
    for (int field = 0; field < 4; ++field) {
        uint64_t len = 0;
        if (at + 4 > end || !b.U32(at, len)) return {};
        at += 4;
        if (len > end - at) return {};
        if (field == 3) return CleanUrl(b.d.substr(at, len));
        at += len;
    }
    return {};
}

// Extended Content Encryption: uint32 size, then UTF-16LE <WRMHEADER> XML;
// the licence acquisition URL stands in <LA_URL>.
std::string ExtContentEncryptionUrl(const Bytes& b, uint64_t at, uint64_t end) {
    uint64_t len = 0;
    if (at + 4 > end || !b.U32(at, len)) return {};
    at += 4;
    if (len > end - at) len = end - at;
    // Narrow the UTF-16 text to ASCII as we go; anything else becomes '?'.
    static constexpr std::string_view kOpen = "<LA_URL>";
    std::string url;
    size_t matched = 0;
    bool inside = false;
    for (uint64_t i = 0; i + 1 < len; i += 2) {
        const uint8_t lo = b.U8(at + i), hi = b.U8(at + i + 1);
        const char c = hi == 0 && lo < 0x80 ? static_cast<char>(lo) : '?';
        if (inside) {
            if (c == '<') break;
            url += c;
            if (url.size() > 600) break;
        } else if (c == kOpen[matched]) {
            if (++matched == kOpen.size()) inside = true;
        } else {
            matched = c == kOpen[0] ? 1 : 0;
        }
    }
    return CleanUrl(url);
}

constexpr char kAsfScriptCommand[] = "\x30\x1A\xFB\x1E\x62\x0B\xD0\x11\xA3\x9B\x00\xA0\xC9\x03\x48\xF6";
constexpr char kAsfHeaderExtension[] = "\xB5\x03\xBF\x5F\x2E\xA9\xCF\x11\x8E\xE3\x00\xC0\x0C\x20\x53\x65";
constexpr char kAsfAdvancedContentEncryption[] = "\x33\x85\x05\x43\x81\x69\xE6\x49\x9B\x74\xAD\x12\xCB\x86\xD5\x8C";
constexpr char kAsfFileProperties[] = "\xA1\xDC\xAB\x8C\x47\xA9\xCF\x11\x8E\xE4\x00\xC0\x0C\x20\x53\x65";
constexpr char kAsfData[] = "\x36\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C";

// UTF-16LE text of `chars` characters at `at`, narrowed to ASCII and ending
// at its first NUL (writers count the terminating NUL in the length); false
// when it runs past `end`.
bool Utf16At(const Bytes& b, uint64_t& at, uint64_t end, uint64_t chars, std::string& out) {
    if (chars > (end - std::min(at, end)) / 2) return false;
    bool ended = false;
    for (uint64_t i = 0; i < chars; ++i, at += 2) {
        const uint8_t lo = b.U8(at), hi = b.U8(at + 1);
        ended = ended || (lo == 0 && hi == 0);
        if (!ended) out += hi == 0 && lo < 0x80 ? static_cast<char>(lo) : '?';
    }
    return true;
}

bool NoCaseEqual(std::string_view a, std::string_view b);

bool HasWebScheme(std::string_view s) {
    const size_t colon = s.find("://");
    return colon != std::string_view::npos && colon > 0 && colon < 8;
}

// Script Command object: reserved GUID, command count, type count, the type
// names, then per command a time, a type index and its text. Commands of
// the type "URL" open their text in a browser while the file plays; those
// of the type "FILENAME" make the player open another file, a web address
// as readily as a local one.
void AsfScriptUrls(const Bytes& b, uint64_t at, uint64_t end, ContentType& t) {
    uint64_t commands = 0, types = 0;
    at += 16;
    if (at + 4 > end || !b.U16(at, commands) || !b.U16(at + 2, types)) return;
    at += 4;
    enum class Kind : uint8_t { Other, Url, FileName };
    std::vector<Kind> kinds;
    for (uint64_t i = 0; i < types && i < kMaxSteps; ++i) {
        uint64_t len = 0;
        std::string name;
        if (at + 2 > end || !b.U16(at, len)) return;
        at += 2;
        if (!Utf16At(b, at, end, len, name)) return;
        kinds.push_back(NoCaseEqual(name, "URL")        ? Kind::Url
                        : NoCaseEqual(name, "FILENAME") ? Kind::FileName
                                                        : Kind::Other);
    }
    for (uint64_t i = 0; i < commands; ++i) {
        uint64_t type = 0, len = 0;
        std::string text;
        if (at + 8 > end || !b.U16(at + 4, type) || !b.U16(at + 6, len)) return;
        at += 8;
        if (!Utf16At(b, at, end, len, text)) return;
        if (type >= kinds.size() || kinds[type] == Kind::Other) continue;
        if (kinds[type] == Kind::FileName) {
            // A local file beside the video is how presentations chain their parts.
            if (!HasWebScheme(text)) continue;
            ++t.scriptFiles;
        } else {
            ++t.scriptUrls;
        }
        // "address&&frame" names the browser frame the page opens in.
        const std::string url = CleanUrl(std::string_view(text).substr(0, text.find("&&")));
        if (!url.empty() && t.urls.size() < 300 && t.urls.find(url) == std::string::npos)
            t.urls += (t.urls.empty() ? "" : " ") + url;
    }
}

// One data packet's error correction and payload parsing information:
// error correction data of two bytes or none, then length type flags and
// property flags (one-byte stream numbers and replicated data lengths), a
// packet and padding length within the packet. The property flags, 0 when
// the packet is none.
uint8_t AsfPacketProperties(const Bytes& b, uint64_t at, uint64_t packetSize) {
    uint64_t p = at;
    const uint8_t first = b.U8(p);
    if (first & 0x80) {
        if (first != 0x82) return 0;
        p += 3;
    }
    const uint8_t flags = b.U8(p), properties = b.U8(p + 1);
    if ((flags & 0x80) || (properties & 0xC3) != 0x41) return 0;
    p += 2;
    const auto field = [&](int type) {
        static constexpr int kWidth[4] = {0, 1, 2, 4};
        const uint64_t v = kWidth[type] ? b.LE(p, kWidth[type]) : 0;
        p += static_cast<uint64_t>(kWidth[type]);
        return v;
    };
    const uint64_t length = field((flags >> 5) & 3);
    field((flags >> 1) & 3);  // sequence
    const uint64_t padding = field((flags >> 3) & 3);
    if (length > packetSize || padding > packetSize) return 0;
    return properties;  // never 0: its stream number bits are 01
}

// After the header object the Data object (GUID, size, file id, packet
// count, reserved), then packets of the File Properties' fixed size, which
// a writer fills alike: from the first packet that is none, or that differs
// from the first in its error correction or property flags, the rest that
// arrived (one may match by chance) is junk.
uint64_t AsfJunkFrom(const Bytes& b, uint64_t headerSize, uint64_t packetSize) {
    if (headerSize < 30 || !b.Has(headerSize, 50 + 16)) return 0;
    if (!b.Is(headerSize, kAsfData)) return headerSize;
    const uint64_t first = headerSize + 50;
    const uint8_t usual = AsfPacketProperties(b, first, packetSize ? packetSize : UINT64_MAX);
    const bool corrected = b.U8(first) == 0x82;
    if (usual == 0) return first;
    if (packetSize == 0 || packetSize > 65536) return 0;
    uint64_t from = 0;
    int after = 0, alike = 0;
    for (uint64_t at = first + packetSize; b.Has(at, 16) && after < 24; at += packetSize) {
        const bool same = AsfPacketProperties(b, at, packetSize) == usual && (b.U8(at) == 0x82) == corrected;
        if (from == 0 && !same) from = at;
        if (from != 0) ++after, alike += same;
    }
    return from != 0 && alike <= 1 && after > alike ? from : 0;
}

void AsfObjects(const Bytes& b, uint64_t at, uint64_t end, uint64_t count, ContentType& t, std::string& extUrl,
                uint64_t& packetSize, int depth) {
    for (uint64_t i = 0; i < count && i < kMaxSteps; ++i) {
        uint64_t size = 0;
        if (at + 24 > end || !b.U64(at + 16, size)) break;
        if (size < 24) break;  // a zero size would never advance
        const uint64_t objEnd = size > end - at ? end : at + size;
        if (b.Is(at, kAsfContentEncryption)) {
            t.drm = true;
            if (t.licenceUrl.empty()) t.licenceUrl = ContentEncryptionUrl(b, at + 24, objEnd);
        } else if (b.Is(at, kAsfExtContentEncryption)) {
            t.drm = true;
            if (extUrl.empty()) extUrl = ExtContentEncryptionUrl(b, at + 24, objEnd);
        } else if (b.Is(at, kAsfAdvancedContentEncryption)) {
            t.drm = true;  // its licence server stands in records this does not read
        } else if (b.Is(at, kAsfScriptCommand)) {
            AsfScriptUrls(b, at + 24, objEnd, t);
        } else if (b.Is(at, kAsfFileProperties) && at + 100 <= objEnd) {
            const uint64_t least = b.LE(at + 92, 4), most = b.LE(at + 96, 4);
            packetSize = least == most ? least : 0;
        } else if (b.Is(at, kAsfHeaderExtension) && depth == 0 && objEnd >= at + 46) {
            // Reserved GUID and word, data size, then objects of the same form:
            // DRM-locked files may declare their encryption here.
            AsfObjects(b, at + 46, objEnd, kMaxSteps, t, extUrl, packetSize, 1);
        }
        if (size > end - at) break;
        at += size;
    }
}

void SniffAsf(const Bytes& b, ContentType& t) {
    t.format = Format::Asf;
    uint64_t headerSize = 0, count = 0, packetSize = 0;
    if (!b.U64(16, headerSize) || !b.U32(24, count)) return;
    const uint64_t end = std::min<uint64_t>(headerSize, b.d.size());
    std::string extUrl;
    AsfObjects(b, 30, end, count, t, extUrl, packetSize, 0);
    if (t.licenceUrl.empty()) t.licenceUrl = std::move(extUrl);
    t.junkFrom = AsfJunkFrom(b, headerSize, packetSize);
}

// --- ZIP -------------------------------------------------------------------

// Walks the local file headers that have arrived; any entry marked encrypted
// (flag bit 0, or method 99 = AES) marks the archive.
bool ZipEncrypted(const Bytes& b, uint64_t at) {
    for (int step = 0; step < kMaxSteps && b.Is(at, "PK\x03\x04"); ++step) {
        uint64_t flags = 0, method = 0, packed = 0, nameLen = 0, extraLen = 0;
        if (!b.U16(at + 6, flags) || !b.U16(at + 8, method)) return false;
        if ((flags & 1) || method == 99) return true;
        if (!b.U32(at + 18, packed) || !b.U16(at + 26, nameLen) || !b.U16(at + 28, extraLen)) return false;
        if (flags & 8) return false;  // sizes follow the data: cannot step over it
        at += 30 + nameLen + extraLen + packed;
    }
    return false;
}

// --- RAR -------------------------------------------------------------------

bool Rar4Encrypted(const Bytes& b) {
    uint64_t at = 7;  // the marker block is the signature itself
    for (int step = 0; step < kMaxSteps; ++step) {
        uint64_t type = 0, flags = 0, headSize = 0, addSize = 0;
        if (!b.Has(at, 7)) return false;
        type = b.U8(at + 2);
        flags = b.LE(at + 3, 2);
        headSize = b.LE(at + 5, 2);
        if (headSize < 7) return false;
        if (type == 0x73 && (flags & 0x0080)) return true;  // headers encrypted
        if (type == 0x74) {
            if (flags & 0x0004) return true;
            uint64_t high = 0;
            if (!b.U32(at + 7, addSize)) return false;
            if ((flags & 0x0100) && b.U32(at + 32, high)) addSize |= high << 32;
        } else if (flags & 0x8000) {
            if (!b.U32(at + 7, addSize)) return false;
        }
        if (type == 0x7B) return false;  // end of archive
        if (addSize > b.d.size()) return false;  // the next block has not arrived
        at += headSize + addSize;
    }
    return false;
}

// RAR 5 variable-length integer: 7 bits a byte, low first, at most 10 bytes.
bool VInt(const Bytes& b, uint64_t& at, uint64_t end, uint64_t& v) {
    v = 0;
    for (int i = 0; i < 10 && at < end && b.Has(at, 1); ++i) {
        const uint8_t byte = b.U8(at++);
        if (i < 9 || (byte & 0x7F) <= 1) v |= static_cast<uint64_t>(byte & 0x7F) << (7 * i);
        if (!(byte & 0x80)) return true;
    }
    return false;
}

// A file or service header's extra area holds a file-encryption record (0x01).
bool Rar5ExtraEncrypted(const Bytes& b, uint64_t at, uint64_t end) {
    for (int step = 0; step < kMaxSteps && at < end; ++step) {
        uint64_t size = 0, type = 0;
        if (!VInt(b, at, end, size) || size == 0 || size > end - at) return false;
        const uint64_t next = at + size;
        if (!VInt(b, at, next, type)) return false;
        if (type == 0x01) return true;
        at = next;
    }
    return false;
}

bool Rar5Encrypted(const Bytes& b) {
    uint64_t at = 8;
    const uint64_t limit = b.d.size();
    for (int step = 0; step < kMaxSteps; ++step) {
        uint64_t headSize = 0, type = 0, flags = 0, extraSize = 0, dataSize = 0;
        uint64_t p = at + 4;  // CRC32 first
        if (p >= limit || !VInt(b, p, limit, headSize) || headSize == 0) return false;
        const uint64_t headStart = p;
        if (headSize > limit - headStart) return false;  // not all arrived
        const uint64_t headEnd = headStart + headSize;
        if (!VInt(b, p, headEnd, type) || !VInt(b, p, headEnd, flags)) return false;
        if ((flags & 0x01) && !VInt(b, p, headEnd, extraSize)) return false;
        if ((flags & 0x02) && !VInt(b, p, headEnd, dataSize)) return false;
        if (type == 4) return true;  // archive encryption header: all headers encrypted
        if ((type == 2 || type == 3) && (flags & 0x01) && extraSize <= headEnd - p &&
            Rar5ExtraEncrypted(b, headEnd - extraSize, headEnd))
            return true;
        if (type == 5) return false;  // end of archive
        if (dataSize > UINT64_MAX - headEnd) return false;
        at = headEnd + dataSize;
    }
    return false;
}

// --- MPEG ------------------------------------------------------------------

// 0x47 sync bytes every `stride` bytes from `first`: four packets in a row,
// and (over the 32 first) the packets present. What follows a stream's
// first packets is the structure check's to judge: a broadcast's tables
// transplanted onto junk stop syncing there.
bool TsSyncs(const Bytes& b, uint64_t first, uint64_t stride) {
    int packets = 0;
    for (uint64_t at = first; b.Has(at, 1) && packets < 32; at += stride, ++packets)
        if (b.U8(at) != 0x47) return packets >= 4;
    return packets >= 4;
}

// A transport stream cut out of a recording starts inside a packet: the
// syncs begin within the first 188 (or 192) bytes; 32 in a row are wanted.
bool TsCutShort(const Bytes& b) {
    if (!b.Has(192 * 33, 0)) return false;
    for (uint64_t first = 1; first < 192; ++first) {
        if (b.U8(first) != 0x47) continue;
        for (uint64_t stride : {188, 192}) {
            int n = 0;
            for (uint64_t at = first; n < 32 && b.U8(at) == 0x47; at += stride) ++n;
            if (n == 32) return true;
        }
    }
    return false;
}

// Length of the MPEG audio frame whose header is at `at`, 0 when it is none.
uint64_t MpegAudioFrame(const Bytes& b, uint64_t at) {
    if (!b.Has(at, 4) || b.U8(at) != 0xFF || (b.U8(at + 1) & 0xE0) != 0xE0) return 0;
    const int version = (b.U8(at + 1) >> 3) & 3;  // 0: 2.5, 1: reserved, 2: 2, 3: 1
    const int layer = (b.U8(at + 1) >> 1) & 3;    // 1: III, 2: II, 3: I
    const int rateIndex = b.U8(at + 2) >> 4;
    const int freqIndex = (b.U8(at + 2) >> 2) & 3;
    const int padding = (b.U8(at + 2) >> 1) & 1;
    if (version == 1 || layer == 0 || rateIndex == 0 || rateIndex == 15 || freqIndex == 3) return 0;
    static constexpr int kRates[2][3][16] = {
        {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},   // V1 L1
         {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},      // V1 L2
         {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0}},      // V1 L3
        {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},      // V2 L1
         {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},           // V2 L2/L3
         {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0}}};
    static constexpr int kFreqs[3] = {44100, 48000, 32000};
    const bool v1 = version == 3;
    const int layerIndex = 3 - layer;  // 0: I, 1: II, 2: III
    const uint64_t rate = static_cast<uint64_t>(kRates[v1 ? 0 : 1][layerIndex][rateIndex]) * 1000;
    const uint64_t freq = static_cast<uint64_t>(kFreqs[freqIndex] >> (version == 3 ? 0 : version == 2 ? 1 : 2));
    if (layerIndex == 0) return (12 * rate / freq + padding) * 4;
    const uint64_t perFrame = layerIndex == 2 && !v1 ? 72 : 144;
    return perFrame * rate / freq + padding;
}

// A frame header, and a second one where the first frame says it ends (when
// that much has arrived): a lone FF Ex is too weak a sign.
bool MpegAudioFrames(const Bytes& b, uint64_t at) {
    const uint64_t len = MpegAudioFrame(b, at);
    if (len < 4) return false;
    if (!b.Has(at + len, 4)) return true;
    return MpegAudioFrame(b, at + len) != 0;
}

// --- the rest ---------------------------------------------------------------

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool NoCaseEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

bool StartsNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char c = s[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

bool IsBatch(std::string_view s) {
    if (s.substr(0, 3) == "\xEF\xBB\xBF") s.remove_prefix(3);
    size_t i = 0;
    while (i < s.size() && i < 64 && IsBlank(s[i])) ++i;
    s.remove_prefix(i);
    for (std::string_view p : {"@echo off", "@echo on", "echo off", "@rem ", "@setlocal", "@cls"})
        if (StartsNoCase(s, p)) return true;
    return false;
}

bool IsShebang(const Bytes& b) {
    if (!b.Is(0, "#!")) return false;
    uint64_t i = 2;
    while (b.Has(i, 1) && i < 16 && b.d[i] == ' ') ++i;
    return b.Has(i, 1) && b.d[i] == '/';
}

Format SniffLeading(const Bytes& b, ContentType& t) {
    if (b.Is(0, kAsfHeader)) return Format::Asf;
    if (b.Is(0, "RIFF") || b.Is(0, "RF64")) {
        if (b.Is(8, "AVI ")) return Format::Avi;
        if (b.Is(8, "WAVE")) {
            t.wavCodec = WavCodec(b);
            return Format::Wav;
        }
        if (b.Is(8, "WEBP")) return Format::Webp;
        if (b.Is(8, "CDXA")) return Format::MpegPs;  // Video CD: MPEG in 2,352-byte sectors
        return Format::Unknown;
    }
    if (b.Is(0, "\x1A\x45\xDF\xA3")) return Format::Matroska;
    if (b.Is(4, "ftyp") && b.Has(8, 4)) return b.Is(8, "qt  ") ? Format::Mov : Format::Mp4;
    if (b.Is(0, "\x00\x00\x01\xBA", 4)) return Format::MpegPs;
    if (b.Is(0, "\x00\x00\x01\xB3", 4)) return Format::MpegVideo;
    if (b.Has(0, 1) && b.U8(0) == 0x47 && TsSyncs(b, 0, 188)) return Format::MpegTs;
    if (b.Has(4, 1) && b.U8(4) == 0x47 && TsSyncs(b, 4, 192)) return Format::MpegTs;  // M2TS
    if (TsCutShort(b)) return Format::MpegTs;
    if (b.Is(0, "FLV\x01")) return Format::Flv;
    if (b.Is(0, "OggS")) return Format::Ogg;
    if (b.Is(0, "fLaC")) return Format::Flac;
    if (b.Is(0, ".RMF") || b.Is(0, ".ra\xFD")) return Format::RealMedia;
    if (b.Is(0, "ID3") && b.Has(10, 0)) {
        // The tag's syncsafe size; FLAC (and AAC) may hide behind it too.
        const uint64_t size = (uint64_t{b.U8(6)} & 0x7F) << 21 | (uint64_t{b.U8(7)} & 0x7F) << 14 |
                              (uint64_t{b.U8(8)} & 0x7F) << 7 | (b.U8(9) & 0x7F);
        const uint64_t after = 10 + size + ((b.U8(5) & 0x10) ? 10 : 0);
        if (b.Is(after, "fLaC")) return Format::Flac;
        return Format::Mp3;
    }
    if (b.Is(0, "PK\x03\x04") || (b.Is(0, "PK\x07\x08") && b.Is(4, "PK\x03\x04"))) {
        t.encrypted = ZipEncrypted(b, b.Is(0, "PK\x03\x04") ? 0 : 4);
        return !t.encrypted && IsZipDocument(b) ? Format::OfficeDoc : Format::Zip;
    }
    if (b.Is(0, "PK\x05\x06")) return Format::Zip;  // empty
    if (b.Is(0, "Rar!\x1A\x07\x00", 7)) {
        t.encrypted = Rar4Encrypted(b);
        return Format::Rar4;
    }
    if (b.Is(0, "Rar!\x1A\x07\x01\x00", 8)) {
        t.encrypted = Rar5Encrypted(b);
        return Format::Rar5;
    }
    if (b.Is(0, "7z\xBC\xAF\x27\x1C")) return Format::SevenZip;
    if (b.Is(0, "MSCF\0\0\0\0", 8)) return Format::Cab;
    if (b.Is(0, "\x1F\x8B\x08")) return Format::Gzip;
    if (b.Is(0, "BZh") && b.Has(3, 1) && b.U8(3) >= '1' && b.U8(3) <= '9') return Format::Bzip2;
    if (b.Is(0, "\xFD" "7zXZ\0", 6)) return Format::Xz;
    if (b.Is(0, "%PDF-")) return Format::Pdf;
    if (b.Is(0, "\xFF\xD8\xFF")) return Format::Jpeg;
    if (b.Is(0, "\x89PNG\r\n\x1A\n")) return Format::Png;
    if (b.Is(0, "GIF87a") || b.Is(0, "GIF89a")) return Format::Gif;
    if (b.Is(0, "MZ")) {
        uint64_t pe = 0;
        if (b.U32(0x3C, pe) && b.Is(pe, "PE\0\0", 4)) return Format::Pe;
        return Format::Unknown;
    }
    if (b.Is(0, "\x7F" "ELF") && b.Has(4, 1) && (b.U8(4) == 1 || b.U8(4) == 2)) return Format::Elf;
    if (IsShebang(b)) return Format::ShellScript;
    if (IsBatch(b.d.substr(0, 128))) return Format::BatchScript;
    if (const Format f = SniffMore(b); f != Format::Unknown) return f;
    if (MpegAudioFrames(b, 0)) return Format::Mp3;
    // Old QuickTime files start with an atom other than ftyp.
    if (b.Has(0, 8) && (b.U8(0) | b.U8(1) | b.U8(2) | (b.U8(3) & 0xF8)) != 0 &&
        (b.Is(4, "moov") || b.Is(4, "mdat") || b.Is(4, "wide")))
        return Format::Mov;  // atom size (big-endian) of at least 8
    return SniffText(b, t);
}

}  // namespace

bool MpegAudioFramesAt(const ByteView& b, uint64_t at) { return MpegAudioFrames(b, at); }

ContentType Sniff(std::string_view head) {
    const Bytes b{head.substr(0, 64 * 1024)};  // the window a download's head is read in
    ContentType t;
    t.format = SniffLeading(b, t);
    if (t.format == Format::Asf) SniffAsf(b, t);
    else t.junkFrom = JunkAfterHeader(t.format, b);
    // ISO 9660 (and UDF) volume descriptors start at sector 16; the system
    // area before them is zeros or a boot record of no fixed form.
    if (t.format == Format::Unknown &&
        (b.Is(0x8001, "CD001") || b.Is(0x8001, "BEA01") || b.Is(0x8001, "NSR0")))
        t.format = Format::Iso9660;
    return t;
}

bool IsPlayableMedia(Format f) {
    const Category c = CategoryOf(f);
    return (c == Category::Video || c == Category::Audio) && f != Format::Swf && f != Format::Midi;
}

Category CategoryOf(Format f) {
    switch (f) {
        case Format::Avi: case Format::Matroska: case Format::Mp4: case Format::Mov: case Format::MpegPs:
        case Format::MpegVideo: case Format::MpegTs: case Format::Asf: case Format::Flv: case Format::Ogg:
        case Format::RealMedia:
            return Category::Video;
        case Format::Wav: case Format::Flac: case Format::Mp3:
            return Category::Audio;
        case Format::Iso9660:
            return Category::DiscImage;
        case Format::Zip: case Format::Rar4: case Format::Rar5: case Format::SevenZip: case Format::Cab:
        case Format::Gzip: case Format::Bzip2: case Format::Xz:
            return Category::Archive;
        case Format::Pdf:
            return Category::Document;
        case Format::Jpeg: case Format::Png: case Format::Gif: case Format::Webp:
            return Category::Image;
        case Format::Pe: case Format::Elf: case Format::ShellScript: case Format::BatchScript:
        case Format::Msi: case Format::ShellLink: case Format::InternetShortcut: case Format::WindowsScript:
            return Category::Executable;
        case Format::Swf:
            return Category::Video;
        case Format::Aiff: case Format::Midi: case Format::WavPack: case Format::Musepack: case Format::Tta:
        case Format::Ape: case Format::Ac3: case Format::Dts: case Format::Adts:
            return Category::Audio;
        case Format::Bmp: case Format::Tiff:
            return Category::Image;
        case Format::Arj: case Format::Tar:
            return Category::Archive;
        case Format::DjVu: case Format::Chm: case Format::OfficeDoc: case Format::Ole: case Format::Html:
        case Format::Text: case Format::Playlist:
            return Category::Document;
        case Format::Unknown:
            break;
    }
    return Category::Unknown;
}

std::string_view HeaderName(Format f) {
    switch (f) {
        case Format::Avi: return QT_TRANSLATE_NOOP("Types", "AVI header");
        case Format::Asf: return QT_TRANSLATE_NOOP("Types", "Windows Media header");
        case Format::Matroska: return QT_TRANSLATE_NOOP("Types", "Matroska header");
        case Format::Mp4: return QT_TRANSLATE_NOOP("Types", "MP4 header");
        case Format::Mov: return QT_TRANSLATE_NOOP("Types", "QuickTime header");
        case Format::Mp3: return QT_TRANSLATE_NOOP("Types", "MP3 header");
        case Format::Flac: return QT_TRANSLATE_NOOP("Types", "FLAC header");
        case Format::Wav: return QT_TRANSLATE_NOOP("Types", "WAV header");
        case Format::Flv: return QT_TRANSLATE_NOOP("Types", "Flash video header");
        case Format::MpegPs: return QT_TRANSLATE_NOOP("Types", "MPEG header");
        case Format::MpegTs: return QT_TRANSLATE_NOOP("Types", "MPEG transport stream header");
        case Format::Ogg: return QT_TRANSLATE_NOOP("Types", "Ogg header");
        default: return QT_TRANSLATE_NOOP("Types", "header");
    }
}

std::string_view Describe(Format f) {
    switch (f) {
        case Format::Unknown: return QT_TRANSLATE_NOOP("Types", "of an unknown kind");
        case Format::Avi: return QT_TRANSLATE_NOOP("Types", "AVI video");
        case Format::Wav: return QT_TRANSLATE_NOOP("Types", "WAV audio");
        case Format::Matroska: return QT_TRANSLATE_NOOP("Types", "Matroska video");
        case Format::Mp4: return QT_TRANSLATE_NOOP("Types", "MP4 video");
        case Format::Mov: return QT_TRANSLATE_NOOP("Types", "QuickTime video");
        case Format::MpegPs: return QT_TRANSLATE_NOOP("Types", "MPEG video");
        case Format::MpegVideo: return QT_TRANSLATE_NOOP("Types", "MPEG video");
        case Format::MpegTs: return QT_TRANSLATE_NOOP("Types", "an MPEG transport stream");
        case Format::Asf: return QT_TRANSLATE_NOOP("Types", "a Windows Media file");
        case Format::Flv: return QT_TRANSLATE_NOOP("Types", "Flash video");
        case Format::Ogg: return QT_TRANSLATE_NOOP("Types", "Ogg media");
        case Format::Flac: return QT_TRANSLATE_NOOP("Types", "FLAC audio");
        case Format::Mp3: return QT_TRANSLATE_NOOP("Types", "MP3 audio");
        case Format::RealMedia: return QT_TRANSLATE_NOOP("Types", "RealMedia");
        case Format::Iso9660: return QT_TRANSLATE_NOOP("Types", "a disc image");
        case Format::Zip: return QT_TRANSLATE_NOOP("Types", "a ZIP archive");
        case Format::Rar4: return QT_TRANSLATE_NOOP("Types", "a RAR archive");
        case Format::Rar5: return QT_TRANSLATE_NOOP("Types", "a RAR archive");
        case Format::SevenZip: return QT_TRANSLATE_NOOP("Types", "a 7-Zip archive");
        case Format::Cab: return QT_TRANSLATE_NOOP("Types", "a cabinet archive");
        case Format::Gzip: return QT_TRANSLATE_NOOP("Types", "gzip-compressed data");
        case Format::Bzip2: return QT_TRANSLATE_NOOP("Types", "bzip2-compressed data");
        case Format::Xz: return QT_TRANSLATE_NOOP("Types", "xz-compressed data");
        case Format::Pdf: return QT_TRANSLATE_NOOP("Types", "a PDF document");
        case Format::Jpeg: return QT_TRANSLATE_NOOP("Types", "a JPEG image");
        case Format::Png: return QT_TRANSLATE_NOOP("Types", "a PNG image");
        case Format::Gif: return QT_TRANSLATE_NOOP("Types", "a GIF image");
        case Format::Webp: return QT_TRANSLATE_NOOP("Types", "a WebP image");
        case Format::Pe: return QT_TRANSLATE_NOOP("Types", "a Windows program");
        case Format::Elf: return QT_TRANSLATE_NOOP("Types", "a Linux program");
        case Format::ShellScript: return QT_TRANSLATE_NOOP("Types", "a shell script");
        case Format::BatchScript: return QT_TRANSLATE_NOOP("Types", "a Windows batch script");
        case Format::Aiff: return QT_TRANSLATE_NOOP("Types", "AIFF audio");
        case Format::Midi: return QT_TRANSLATE_NOOP("Types", "MIDI music");
        case Format::WavPack: return QT_TRANSLATE_NOOP("Types", "WavPack audio");
        case Format::Musepack: return QT_TRANSLATE_NOOP("Types", "Musepack audio");
        case Format::Tta: return QT_TRANSLATE_NOOP("Types", "TTA audio");
        case Format::Ape: return QT_TRANSLATE_NOOP("Types", "Monkey's Audio");
        case Format::Ac3: return QT_TRANSLATE_NOOP("Types", "AC-3 audio");
        case Format::Dts: return QT_TRANSLATE_NOOP("Types", "DTS audio");
        case Format::Adts: return QT_TRANSLATE_NOOP("Types", "AAC audio");
        case Format::Swf: return QT_TRANSLATE_NOOP("Types", "a Flash movie");
        case Format::Bmp: return QT_TRANSLATE_NOOP("Types", "a bitmap image");
        case Format::Tiff: return QT_TRANSLATE_NOOP("Types", "a TIFF image");
        case Format::DjVu: return QT_TRANSLATE_NOOP("Types", "a DjVu document");
        case Format::Arj: return QT_TRANSLATE_NOOP("Types", "an ARJ archive");
        case Format::Tar: return QT_TRANSLATE_NOOP("Types", "a tar archive");
        case Format::Chm: return QT_TRANSLATE_NOOP("Types", "a help file");
        case Format::OfficeDoc: return QT_TRANSLATE_NOOP("Types", "an office document");
        case Format::Ole: return QT_TRANSLATE_NOOP("Types", "an Office document or an installer");
        case Format::Msi: return QT_TRANSLATE_NOOP("Types", "a Windows installer");
        case Format::Html: return QT_TRANSLATE_NOOP("Types", "a web page");
        case Format::Text: return QT_TRANSLATE_NOOP("Types", "plain text");
        case Format::ShellLink: return QT_TRANSLATE_NOOP("Types", "a Windows shortcut");
        case Format::Playlist: return QT_TRANSLATE_NOOP("Types", "a playlist");
        case Format::InternetShortcut: return QT_TRANSLATE_NOOP("Types", "an Internet shortcut");
        case Format::WindowsScript: return QT_TRANSLATE_NOOP("Types", "a Windows script");
    }
    return QT_TRANSLATE_NOOP("Types", "of an unknown kind");
}

}  // namespace kv::inspect
