#include "inspect/MediaLength.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "inspect/ByteView.h"
#include "inspect/MediaTracks.h"

namespace kv::inspect {

namespace {

// The most a lossy video file carries: UHD Blu-ray peaks at 144 Mbit/s,
// ordinary Blu-ray at 48 (a 40 Mbit/s remux sample is far below).
constexpr double kLossyVideoMax = 160e6;
// The most bits a pixel lossy video spends: a 4:2:0 picture raw is 12; the
// best-quality encodes of grainy film stay near 1, encoders pushed to their
// finest quantiser on pure noise reach 8 to 13.
constexpr double kLossyBitsPerPixel = 8.0;
// What a clip's sound may add beside its picture: 7.1 PCM at 48 kHz and 24 bits is 9.2 Mbit/s.
constexpr double kSoundAllowance = 10e6;
// When the header gives no frame rate, the most a film runs at.
constexpr double kAssumedFps = 60.0;
// MPEG-1 Layer III tops out at 320 kbit/s; free format at 640.
constexpr double kMp3Max = 640e3;
// An AVI's RIFF or OpenDML's first segment is never smaller than this when an
// AVIX follows: writers fill it to about 1 GB first.
constexpr uint64_t kOdmlFirstRiff = 512ull << 20;

// --- AVI -----------------------------------------------------------------

DeclaredLength Avi(const ByteView& b) {
    DeclaredLength out;
    out.bytesLimit = UINT32_MAX;
    uint64_t riff = 0, usPerFrame = 0, frames = 0, totalFrames = 0;
    const uint64_t avih = b.Find("avih", 12, 4096);
    if (avih != std::string_view::npos && b.U32(avih + 8, usPerFrame)) b.U32(avih + 24, frames);
    const uint64_t dmlh = b.Find("dmlh", 12, 65536);
    const bool odml = dmlh != std::string_view::npos && b.U32(dmlh + 8, totalFrames);
    // Until the movi list has arrived, an odml list may still follow in the headers.
    const bool headersArrived = b.Find("movi", 12, b.d.size()) != std::string_view::npos;
    if (headersArrived && b.U32(4, riff) && riff > 1024) {
        // OpenDML continues in AVIX lists after a full first RIFF; more frames
        // in dmlh than in avih say so too.
        if (!odml || (riff + 8 < kOdmlFirstRiff && totalFrames <= frames)) out.bytes = riff + 8;
    }
    if (odml && totalFrames > frames) frames = totalFrames;
    if (usPerFrame > 0 && frames > 0) out.seconds = static_cast<double>(frames) * static_cast<double>(usPerFrame) / 1e6;
    return out;
}

// --- ASF -----------------------------------------------------------------

DeclaredLength Asf(const ByteView& b) {
    static constexpr char kFileProperties[] = "\xA1\xDC\xAB\x8C\x47\xA9\xCF\x11\x8E\xE4\x00\xC0\x0C\x20\x53\x65";
    DeclaredLength out;
    const uint64_t at = b.Find(std::string_view(kFileProperties, 16), 30, 65536);
    uint64_t size = 0, duration = 0, preroll = 0, flags = 0;
    if (at == std::string_view::npos || !b.U64(at + 40, size) || !b.U64(at + 64, duration) ||
        !b.U64(at + 80, preroll) || !b.U32(at + 88, flags))
        return out;
    if (flags & 1) return out;  // broadcast: size and duration are not known
    if (size > 0) out.bytes = size;
    const double seconds = static_cast<double>(duration) / 1e7 - static_cast<double>(preroll) / 1e3;
    if (seconds > 0) out.seconds = seconds;
    return out;
}

// --- Matroska --------------------------------------------------------------

void MatroskaInfo(const ByteView& b, uint64_t at, uint64_t end, DeclaredLength& out) {
    uint64_t scale = 1000000;
    std::optional<double> duration;
    for (int step = 0; step < kMaxSteps && at < end; ++step) {
        uint64_t id = 0, size = 0;
        // An element's header may itself run past the end of its parent.
        if (!EbmlVint(b, at, true, id) || !EbmlVint(b, at, false, size) || at > end || size > end - at) break;
        if (id == 0x2AD7B1 && size >= 1 && size <= 8) scale = b.BE(at, static_cast<int>(size));
        if (id == 0x4489 && size == 4) duration = std::bit_cast<float>(static_cast<uint32_t>(b.BE(at, 4)));
        if (id == 0x4489 && size == 8) duration = std::bit_cast<double>(b.BE(at, 8));
        at += size;
    }
    if (!duration || !(*duration > 0) || *duration > 1e18) return;  // NaN fails the comparison too
    const double seconds = *duration * static_cast<double>(scale) / 1e9;
    if (seconds > 0 && std::isfinite(seconds)) out.seconds = seconds;
}

DeclaredLength Matroska(const ByteView& b) {
    DeclaredLength out;
    uint64_t at = 0, id = 0, size = 0;
    bool unknown = false;
    if (!EbmlVint(b, at, true, id) || !EbmlVint(b, at, false, size) || size > 4096) return out;  // the EBML header
    at += size;
    if (!EbmlVint(b, at, true, id) || id != 0x18538067 || !EbmlVint(b, at, false, size, &unknown)) return out;
    if (!unknown) out.bytes = at + size;
    for (int step = 0; step < kMaxSteps; ++step) {  // the Segment's children, up to the first Cluster
        if (!EbmlVint(b, at, true, id) || !EbmlVint(b, at, false, size, &unknown) || unknown || id == 0x1F43B675) break;
        if (id == 0x1549A966 && b.Has(at, size)) MatroskaInfo(b, at, at + size, out);
        if (id == 0x1941A469 || id == 0x1254C367) out.metaBytes += size;  // Attachments (cover, fonts), Tags
        if (size > b.d.size() - at) break;
        at += size;
    }
    return out;
}

// --- MP4 and QuickTime -----------------------------------------------------

// mvhd: version, flags, then (v0) u32 times, timescale, duration or (v1)
// u64 times, u32 timescale, u64 duration; all big-endian.
void Mvhd(const ByteView& b, uint64_t at, DeclaredLength& out) {
    if (!b.Has(at, 1)) return;
    const bool v1 = b.U8(at) == 1;
    uint64_t scale = 0, duration = 0;
    if (v1 ? !(b.B32(at + 20, scale) && b.B64(at + 24, duration)) : !(b.B32(at + 12, scale) && b.B32(at + 16, duration)))
        return;
    if (scale > 0 && duration > 0 && duration != UINT32_MAX && duration != UINT64_MAX)
        out.seconds = static_cast<double>(duration) / static_cast<double>(scale);
}

// The moov's children: mvhd gives the duration; mvex says fragmented.
bool Moov(const ByteView& b, uint64_t at, uint64_t end, DeclaredLength& out) {
    for (int step = 0; step < kMaxSteps && b.Has(at, 8) && at + 8 <= end; ++step) {
        const uint64_t size = b.BE(at, 4);
        if (size < 8) break;
        if (b.Is(at + 4, "mvex")) return false;
        if (b.Is(at + 4, "mvhd")) Mvhd(b, at + 8, out);
        at += size;
    }
    return true;
}

// Top-level boxes as far as their headers have arrived: the end of the last
// one walked is the file's length once the media data (mdat) is among them
// (what follows an mdat written first is the moov, a few per cent at most).
DeclaredLength IsoMedia(const ByteView& b) {
    DeclaredLength out;
    uint64_t at = 0;
    bool sawData = false;
    for (int step = 0; step < kMaxSteps && b.Has(at, 8); ++step) {
        uint64_t size = b.BE(at, 4), header = 8;
        if (size == 1 && !b.B64(at + 8, size)) break;
        if (size == 1) header = 16;
        if (size == 0) return out;  // to the end of the file: no length, but the duration stands
        if (size < header) return {};
        if (b.Is(at + 4, "moof") || (b.Is(at + 4, "moov") && !Moov(b, at + header, at + size, out))) return {};
        // The index and the tags (a cover among them) come before the media data in a streamable file.
        if (b.Is(at + 4, "moov") && !sawData) out.metaBytes += size;
        sawData = sawData || b.Is(at + 4, "mdat");
        if (size > UINT64_MAX - at) return {};
        at += size;
    }
    if (sawData) out.bytes = at;
    return out;
}

// --- MP3 -------------------------------------------------------------------

struct Mp3Frame {
    int version = 0;      // 3: MPEG-1, 2: MPEG-2, 0: MPEG-2.5
    bool mono = false;
    uint64_t rate = 0;    // samples a second
    bool ok = false;
};

Mp3Frame FrameHeader(const ByteView& b, uint64_t at) {
    Mp3Frame f;
    if (!b.Has(at, 4) || b.U8(at) != 0xFF || (b.U8(at + 1) & 0xE0) != 0xE0) return f;
    f.version = (b.U8(at + 1) >> 3) & 3;
    const int layer = (b.U8(at + 1) >> 1) & 3;
    const int freq = (b.U8(at + 2) >> 2) & 3;
    if (f.version == 1 || layer != 1 || freq == 3) return f;  // Layer III only carries Xing and VBRI
    static constexpr uint64_t kRates[3] = {44100, 48000, 32000};
    f.rate = kRates[freq] >> (f.version == 3 ? 0 : f.version == 2 ? 1 : 2);
    f.mono = (b.U8(at + 3) >> 6) == 3;
    f.ok = true;
    return f;
}

DeclaredLength Mp3(const ByteView& b) {
    DeclaredLength out;
    out.bytesLimit = UINT32_MAX;
    out.maxBitRate = kMp3Max;
    uint64_t at = 0;
    if (b.Is(0, "ID3") && b.Has(10, 0))
        at = 10 + ((uint64_t{b.U8(6)} & 0x7F) << 21 | (uint64_t{b.U8(7)} & 0x7F) << 14 |
                   (uint64_t{b.U8(8)} & 0x7F) << 7 | (b.U8(9) & 0x7F)) + ((b.U8(5) & 0x10) ? 10 : 0);
    const Mp3Frame f = FrameHeader(b, at);
    if (!f.ok) return out;
    const uint64_t samples = f.version == 3 ? 1152 : 576;
    const uint64_t side = f.version == 3 ? (f.mono ? 17 : 32) : (f.mono ? 9 : 17);
    uint64_t frames = 0, bytes = 0, flags = 0;
    const uint64_t xing = at + 4 + side;
    if ((b.Is(xing, "Xing") || b.Is(xing, "Info")) && b.B32(xing + 4, flags)) {
        if (flags & 1) b.B32(xing + 8, frames);
        if (flags & 2) b.B32(xing + ((flags & 1) ? 12 : 8), bytes);
    } else if (b.Is(at + 36, "VBRI")) {
        b.B32(at + 36 + 10, bytes);
        b.B32(at + 36 + 14, frames);
    }
    out.metaBytes = at;
    if (bytes > 0) out.bytes = at + bytes;  // the tag before the frames, and the frames
    if (frames > 0) out.seconds = static_cast<double>(frames * samples) / static_cast<double>(f.rate);
    return out;
}

// --- FLAC and WAV ----------------------------------------------------------

// STREAMINFO after "fLaC" and its 4-byte block header: 20 bits sample rate,
// 3 channels - 1, 5 bits per sample - 1, 36 bits total samples (0: unknown).
DeclaredLength Flac(const ByteView& b) {
    DeclaredLength out;
    const uint64_t at = b.Find("fLaC", 0, 65536);
    if (at == std::string_view::npos || !b.Has(at + 8 + 18, 0)) return out;
    const uint64_t v = b.BE(at + 8 + 10, 8);
    const uint64_t rate = v >> 44, channels = ((v >> 41) & 7) + 1, bits = ((v >> 36) & 31) + 1;
    const uint64_t samples = v & 0xFFFFFFFFFull;
    if (rate == 0) return out;
    if (samples > 0) out.seconds = static_cast<double>(samples) / static_cast<double>(rate);
    // The metadata blocks (pictures, tags, padding, a cue sheet) are no audio.
    // When they run on past the head, how much more there is is unknown: no ceiling.
    uint64_t block = at + 4;
    for (int step = 0; step < kMaxSteps; ++step) {
        if (!b.Has(block, 4)) return out;
        const uint64_t length = b.BE(block + 1, 3);
        const bool last = (b.U8(block) & 0x80) != 0;
        block += 4 + length;
        if (last) break;
    }
    out.metaBytes = block;  // an ID3 tag before "fLaC" too
    // FLAC never needs more than the PCM it codes (it falls back to verbatim frames).
    out.maxBitRate = static_cast<double>(rate * channels * bits) * 1.05;
    return out;
}

// RIFF WAVE: RIFF size and the data chunk against the fmt's bytes a second.
// Streaming writers leave 0 or 0xFFFFFFFF: placeholders, no length.
DeclaredLength Wav(const ByteView& b) {
    DeclaredLength out;
    out.bytesLimit = UINT32_MAX;
    uint64_t riff = 0, avg = 0;
    if (!b.Is(0, "RIFF") || !b.U32(4, riff)) return out;
    if (riff > 36 && riff < 0xFFFFFFF0) out.bytes = riff + 8;
    uint64_t at = 12;
    for (int step = 0; step < kMaxSteps && b.Has(at, 8); ++step) {
        const uint64_t size = b.LE(at + 4, 4);
        if (b.Is(at, "fmt ")) b.U32(at + 16, avg);
        if (b.Is(at, "data")) {
            if (avg > 0 && size > 0 && size < 0xFFFFFFF0) out.seconds = static_cast<double>(size) / static_cast<double>(avg);
            if (avg > 0) out.maxBitRate = static_cast<double>(avg) * 8 * 1.01;
            break;
        }
        at += 8 + size + (size & 1);
    }
    return out;
}

// --- FLV -------------------------------------------------------------------

// onMetaData's duration, a double after its key.
DeclaredLength Flv(const ByteView& b) {
    DeclaredLength out;
    if (!b.Has(13, 11) || b.U8(13) != 18) return out;
    const uint64_t end = std::min<uint64_t>(24 + b.BE(14, 3), b.d.size());
    const uint64_t at = b.Find(std::string_view("\0\x08" "duration\0", 11), 24, end);
    uint64_t bits = 0;
    if (at == std::string_view::npos || !b.B64(at + 11, bits)) return out;
    const double seconds = std::bit_cast<double>(bits);
    if (seconds > 0 && seconds < 1e9) out.seconds = seconds;
    return out;
}

// --- the video's ceiling ----------------------------------------------------

// Lossy video is held to its picture's pixels (and never above the flat
// ceiling); intra, lossless and raw video and codecs not known here may
// spend any number of bits. A video container whose head names no video
// track keeps the flat ceiling; an AVI, as before, only with a lossy codec.
void VideoCeiling(Format f, const MediaTracks& t, DeclaredLength& out) {
    switch (t.picture.family) {
        case VideoFamily::None:
            if (f != Format::Avi && f != Format::Ogg) out.maxBitRate = kLossyVideoMax;
            return;
        case VideoFamily::Lossy: break;
        default: return;
    }
    out.maxBitRate = kLossyVideoMax;
    const VideoTrack& p = t.picture;
    if (p.width < 16 || p.height < 16 || p.width > 16384 || p.height > 16384) return;
    const double fps = p.fps >= 1 && p.fps <= 300 ? p.fps : kAssumedFps;
    const double pixels = static_cast<double>(p.width) * static_cast<double>(p.height) * fps;
    const double ceiling = pixels * kLossyBitsPerPixel + kSoundAllowance;
    if (ceiling >= kLossyVideoMax) return;
    out.maxBitRate = ceiling;
    out.pixelRate = pixels;
    out.maxBitsPerPixel = kLossyBitsPerPixel;
    out.width = p.width;
    out.height = p.height;
}

}  // namespace

DeclaredLength ReadDeclaredLength(const ContentType& t, std::string_view head) {
    const ByteView b{head};
    DeclaredLength out;
    switch (t.format) {
        case Format::Avi: out = Avi(b); break;
        case Format::Asf: out = Asf(b); break;
        case Format::Matroska: out = Matroska(b); break;
        case Format::Mp4: case Format::Mov: out = IsoMedia(b); break;
        case Format::Flv: out = Flv(b); break;
        case Format::Mp3: return Mp3(b);
        case Format::Flac: return Flac(b);
        case Format::Wav: return Wav(b);
        default: return {};
    }
    if (out.seconds) VideoCeiling(t.format, ReadTracks(t.format, b), out);
    return out;
}

}  // namespace kv::inspect
