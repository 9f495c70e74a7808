// Whether the bytes after a container's header go on the way the container
// lays out its media, and whether a disc image's system area holds what
// images have there. Precision first: anything not arrived, or a layout
// these walks do not know, counts for the file.
#include <algorithm>

#include "inspect/SniffMore.h"

namespace kv::inspect {

namespace {

bool Printable(const ByteView& b, uint64_t at, int n) {
    for (int i = 0; i < n; ++i)
        if (b.U8(at + static_cast<uint64_t>(i)) < 0x20 || b.U8(at + static_cast<uint64_t>(i)) > 0x7E) return false;
    return true;
}

bool Alnum(uint8_t c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// --- AVI -----------------------------------------------------------------------

// A chunk inside movi: a stream's data ("00dc", "01wb"), its index ("ix00"),
// a "rec " list, or filler.
bool MoviChunkId(const ByteView& b, uint64_t at) {
    const auto c = [&](uint64_t i) { return Alnum(b.U8(at + i)) || b.U8(at + i) == '_'; };
    return c(0) && c(1) && c(2) && c(3);
}

// The RIFF's top-level chunks (fourcc, size, data padded to even) up to
// LIST movi, then the first chunks inside it.
uint64_t AviJunkFrom(const ByteView& b) {
    uint64_t riffEnd = b.LE(4, 4) + 8;
    if (riffEnd <= 12) riffEnd = UINT64_MAX;  // a writer that never came back to fill it in
    uint64_t at = 12;
    for (int step = 0; step < 64 && at < riffEnd && b.Has(at, 12); ++step) {
        const uint64_t size = b.LE(at + 4, 4);
        if (b.Is(at, "\0\0\0\0\0\0\0\0", 8)) {
            // Zeros a writer left for alignment instead of a JUNK chunk.
            while (b.Has(at, 2) && b.U8(at) == 0 && b.U8(at + 1) == 0) at += 2;
            continue;
        }
        if (!Printable(b, at, 4)) return at;
        if (b.Is(at, "LIST") && b.Is(at + 8, "movi")) {
            // A recorder that never came back to fill in the size leaves it 0.
            const uint64_t moviEnd = size < 4 ? UINT64_MAX : at + 8 + size;
            uint64_t p = at + 12;
            for (int chunk = 0; chunk < 16 && p < moviEnd && b.Has(p, 8); ++chunk) {
                const uint64_t n = b.LE(p + 4, 4);
                if (!MoviChunkId(b, p) || n > moviEnd - p) return p;
                p += b.Is(p, "LIST") ? 12 : 8 + n + (n & 1);  // into a "rec " list's chunks
            }
            return 0;
        }
        at += 8 + size + (size & 1);
    }
    return 0;
}

// --- Matroska --------------------------------------------------------------------

// An EBML element id (1 to 4 bytes, its length marker kept) at `at`; 0 when none.
uint32_t EbmlId(const ByteView& b, uint64_t at, uint64_t& len) {
    if (!b.Has(at, 1)) return 0;
    const uint8_t first = b.U8(at);
    len = first & 0x80 ? 1 : first & 0x40 ? 2 : first & 0x20 ? 3 : first & 0x10 ? 4 : 0;
    if (len == 0 || !b.Has(at, len)) return 0;
    return static_cast<uint32_t>(b.BE(at, static_cast<int>(len)));
}

// An EBML size; `unknown` for the all-ones value of live writers.
bool EbmlSize(const ByteView& b, uint64_t at, uint64_t& len, uint64_t& size, bool& unknown) {
    if (!b.Has(at, 1) || b.U8(at) == 0) return false;
    const uint8_t first = b.U8(at);
    len = 1;
    while (!(first & (0x80 >> (len - 1)))) ++len;
    if (!b.Has(at, len)) return false;
    size = first & (0xFF >> len);
    bool ones = size == (0xFFu >> len);
    for (uint64_t i = 1; i < len; ++i) {
        size = size << 8 | b.U8(at + i);
        ones = ones && b.U8(at + i) == 0xFF;
    }
    unknown = ones;
    return true;
}

constexpr uint32_t kSegment = 0x18538067, kCluster = 0x1F43B675, kVoid = 0xEC, kCrc = 0xBF;

bool SegmentChild(uint32_t id) {
    switch (id) {
        case 0x114D9B74:  // SeekHead
        case 0x1549A966:  // Info
        case 0x1654AE6B:  // Tracks
        case 0x1C53BB6B:  // Cues
        case 0x1941A469:  // Attachments
        case 0x1043A770:  // Chapters
        case 0x1254C367:  // Tags
        case 0x1B538667:  // SignatureSlot
        case kCluster: case kVoid: case kCrc:
            return true;
        default:
            return false;
    }
}

bool ClusterChild(uint32_t id) {
    switch (id) {
        case 0xE7:    // Timestamp
        case 0xA3:    // SimpleBlock
        case 0xA0:    // BlockGroup
        case 0xA7:    // Position
        case 0xAB:    // PrevSize
        case 0xAF:    // EncryptedBlock
        case 0x5854:  // SilentTracks
        case kVoid: case kCrc:
            return true;
        default:
            return false;
    }
}

// The EBML header, then the Segment's children in turn and the first
// clusters' children: each must be an element a Segment or Cluster holds.
uint64_t MatroskaJunkFrom(const ByteView& b) {
    uint64_t at = 0, idLen = 0, sizeLen = 0, size = 0;
    bool unknown = false;
    // The EBML header, then (past any filler) the Segment.
    for (int step = 0; step < 8; ++step) {
        const uint32_t id = EbmlId(b, at, idLen);
        if (id == 0 || !EbmlSize(b, at + idLen, sizeLen, size, unknown)) return 0;
        if (id == kSegment) break;
        if (unknown || step == 7) return 0;
        at += idLen + sizeLen + size;
    }
    at += idLen + sizeLen;
    const uint64_t segmentEnd = unknown || size > UINT64_MAX - at ? UINT64_MAX : at + size;
    int clusters = 0;
    uint64_t clusterEnd = 0;  // inside a cluster while at < clusterEnd
    for (int step = 0; step < kMaxSteps && at < segmentEnd && b.Has(at, 12); ++step) {
        const uint32_t id = EbmlId(b, at, idLen);
        const bool inCluster = at < clusterEnd;
        // A cluster of unknown size ends where the next top-level element starts.
        const bool known = inCluster ? ClusterChild(id) || (clusterEnd == UINT64_MAX && SegmentChild(id))
                                     : SegmentChild(id);
        if (id == 0 || !known || !EbmlSize(b, at + idLen, sizeLen, size, unknown)) return at;
        if (id == kCluster) {
            if (++clusters > 2) return 0;
            clusterEnd = unknown ? UINT64_MAX : at + idLen + sizeLen + size;
            at += idLen + sizeLen;
            continue;
        }
        if (unknown) return 0;
        at += idLen + sizeLen + size;
    }
    return 0;
}

// --- MP4 and QuickTime -------------------------------------------------------------

// The top-level boxes: a size of at least 8 (1: a 64-bit size follows; 0:
// to the end) and a type of four printable characters.
uint64_t IsoMediaJunkFrom(const ByteView& b) {
    uint64_t at = 0;
    for (int step = 0; step < 64 && b.Has(at, 16); ++step) {
        uint64_t size = b.BE(at, 4);
        if (size == 0) return 0;
        if (size == 1) {
            size = b.BE(at + 8, 8);
            if (size < 16) return at;
        }
        if (size < 8 || !Printable(b, at + 4, 4)) return at;
        if (size > UINT64_MAX - at) return 0;
        at += size;
    }
    return 0;
}

// --- MPEG ----------------------------------------------------------------------

// A program stream is packs and packets, each after a start code; a player
// that loses them looks for the next pack header (Video CDs pad their
// sectors between packs). Junk is where none follows in the 16 KiB or more
// that arrived after the structure broke off.
uint64_t MpegPsJunkFrom(const ByteView& b) {
    uint64_t at = 0;
    for (int step = 0; step < kMaxSteps && b.Has(at, 16); ++step) {
        if (b.Is(at, "\0\0\x01", 3) && b.U8(at + 3) >= 0xB9) {
            const uint8_t code = b.U8(at + 3);
            if (code == 0xB9) return 0;  // program end
            if (code == 0xBA) {
                // MPEG-2 packs: 14 bytes and their stuffing; MPEG-1: 12 bytes.
                at += (b.U8(at + 4) >> 6) == 1 ? 14 + (b.U8(at + 13) & 7) : 12;
            } else {
                at += 6 + b.BE(at + 4, 2);
            }
            continue;
        }
        if (b.d.size() - at < 16384) return 0;
        const uint64_t next = b.Find(std::string_view("\0\0\x01\xBA", 4), at, b.d.size());
        if (next == std::string_view::npos) return at;
        at = next;
    }
    return 0;
}

bool TsRun(const ByteView& b, uint64_t at, uint64_t stride, int n) {
    for (int k = 0; k < n; ++k, at += stride)
        if (!b.Has(at, 1) || b.U8(at) != 0x47) return false;
    return true;
}

// 188-byte packets (192 with a time code first, as on Blu-ray), each
// opening with 0x47. Junk is where they stop and no run of five resumes
// in the 4 KiB or more that arrived after.
uint64_t MpegTsJunkFrom(const ByteView& b) {
    uint64_t at = 0, stride = 0;
    if (TsRun(b, 0, 188, 2)) stride = 188;
    else if (TsRun(b, 4, 192, 2)) at = 4, stride = 192;
    else return 0;  // cut mid-packet: where it starts is not ours to say
    while (b.Has(at, 1) && b.U8(at) == 0x47) at += stride;
    if (!b.Has(at, stride * 6 + 4096)) return 0;
    // Only a 0x47 can start a run: memchr finds the candidates.
    for (uint64_t p = b.d.find('\x47', at); p != std::string_view::npos && b.Has(p + stride * 4, 1);
         p = b.d.find('\x47', p + 1))
        if (TsRun(b, p, stride, 5)) return 0;
    return at;
}

// --- Flash video and Ogg ------------------------------------------------------

// Tags after the header: audio, video or script data (8, 9, 18), stream id
// 0, and after each the size of the tag just passed.
uint64_t FlvJunkFrom(const ByteView& b) {
    uint64_t at = b.BE(5, 4) + 4;  // the header's own size, then the first (zero) tag size
    for (int step = 0; step < kMaxSteps && b.Has(at, 11); ++step) {
        const uint8_t type = b.U8(at) & 0x1F;
        const uint64_t size = b.BE(at + 1, 3);
        if ((type != 8 && type != 9 && type != 18) || b.BE(at + 8, 3) != 0) return at;
        if (!b.Has(at + 11 + size, 4)) return 0;
        // Some old writers store the data size alone, or nothing; players do not read it.
        if (const uint64_t back = b.BE(at + 11 + size, 4); back != 11 + size && back != size && back != 0) return at;
        at += 11 + size + 4;
    }
    return 0;
}

// Pages, each opening with "OggS" and version 0; a player that loses them
// looks for the next. Junk is where none follows in 16 KiB or more.
uint64_t OggJunkFrom(const ByteView& b) {
    uint64_t at = 0;
    for (int step = 0; step < kMaxSteps && b.Has(at, 27); ++step) {
        if (b.Is(at, "OggS\0", 5)) {
            const uint64_t segments = b.U8(at + 26);
            if (!b.Has(at + 27, segments)) return 0;
            uint64_t body = 0;
            for (uint64_t i = 0; i < segments; ++i) body += b.U8(at + 27 + i);
            at += 27 + segments + body;
            continue;
        }
        if (b.d.size() - at < 16384) return 0;
        const uint64_t next = b.Find("OggS", at, b.d.size());
        if (next == std::string_view::npos) return at;
        at = next;
    }
    return 0;
}

// --- disc images -------------------------------------------------------------

bool VolumeDescriptorAt(const ByteView& b, uint64_t at) {
    return b.Is(at + 1, "CD001") || b.Is(at + 1, "BEA01") || b.Is(at + 1, "NSR02") || b.Is(at + 1, "NSR03") ||
           b.Is(at + 1, "TEA01") || b.Is(at + 1, "BOOT2") || b.Is(at + 1, "CDW02");
}

}  // namespace

uint64_t JunkAfterHeader(Format f, const ByteView& b) {
    switch (f) {
        case Format::Avi: return AviJunkFrom(b);
        case Format::Matroska: return MatroskaJunkFrom(b);
        case Format::Mp4: case Format::Mov: return IsoMediaJunkFrom(b);
        case Format::MpegPs: return b.Is(0, "\0\0\x01\xBA", 4) ? MpegPsJunkFrom(b) : 0;  // not Video CD's RIFF
        case Format::MpegTs: return MpegTsJunkFrom(b);
        case Format::Flv: return b.Has(9, 0) ? FlvJunkFrom(b) : 0;
        case Format::Ogg: return OggJunkFrom(b);
        default: return 0;
    }
}

bool HasDiscStructure(std::string_view head) {
    const ByteView b{head};
    // Volume descriptors in 2,048-byte sectors, in raw 2,352-byte ones
    // (Mode 1: 16 bytes before the data; Mode 2: 24), and 2,336-byte ones.
    for (const uint64_t at : {uint64_t{0x8000}, uint64_t{16 * 2352 + 16}, uint64_t{16 * 2352 + 24},
                              uint64_t{16 * 2336 + 8}, uint64_t{0x8800}, uint64_t{0x9000}})
        if (VolumeDescriptorAt(b, at)) return true;
    // Raw sectors open with the CD sync pattern.
    if (b.Is(0, "\x00\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x00", 12)) return true;
    // A partition table (MBR signature; GPT header) or a file system's boot
    // sector or superblock (FAT, NTFS, exFAT, ext2/3/4, HFS+).
    if (b.Is(510, "\x55\xAA") || b.Is(512, "EFI PART") || b.Is(3, "NTFS    ") || b.Is(3, "EXFAT   ") ||
        b.Is(54, "FAT1") || b.Is(82, "FAT32") || b.Is(1080, "\x53\xEF") || b.Is(1024, "H+") || b.Is(1024, "HX"))
        return true;
    // Compressed and console images: CISO/ZISO, WBFS, PowerISO's DAA,
    // GameCube and Wii discs.
    if (b.Is(0, "CISO") || b.Is(0, "ZISO") || b.Is(0, "WBFS") || b.Is(0, "DAA\0", 4) ||
        b.Is(0x1C, "\xC2\x33\x9F\x3D") || b.Is(0x18, "\x5D\x1C\x9E\xA3"))
        return true;
    // Apple partition maps, encrypted and virtual disks, Android images.
    return b.Is(0, "ER\x02\0", 4) || b.Is(0, "LUKS\xBA\xBE") || b.Is(0, "QFI\xFB") || b.Is(0, "KDMV") ||
           b.Is(0, "conectix") || b.Is(0, "\x3A\xFF\x26\xED") || b.Is(0, "ANDROID!") || b.Is(0, "hsqs");
}

}  // namespace kv::inspect
