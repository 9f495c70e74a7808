#include "inspect/MediaTracks.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>

#include "common/Translator.h"

namespace kv::inspect {

namespace {

using VF = VideoFamily;

std::string Upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// --- codec tables ----------------------------------------------------------

struct Code {
    const char* code;  // upper case, four characters (NUL-padded where shorter)
    VF family;
};

// Four-character codes of Video for Windows (AVI, ASF, Matroska's V_MS/VFW)
// and QuickTime sample entries, compared without case.
constexpr Code kCodes[] = {
    // lossy
    {"XVID", VF::Lossy}, {"DIVX", VF::Lossy}, {"DX50", VF::Lossy}, {"DIV3", VF::Lossy}, {"DIV4", VF::Lossy},
    {"DIV5", VF::Lossy}, {"DIV6", VF::Lossy}, {"FMP4", VF::Lossy}, {"MP4V", VF::Lossy}, {"MP42", VF::Lossy},
    {"MP43", VF::Lossy}, {"MP4S", VF::Lossy}, {"M4S2", VF::Lossy}, {"3IVX", VF::Lossy}, {"3IV2", VF::Lossy},
    {"WMV1", VF::Lossy}, {"WMV2", VF::Lossy}, {"WMV3", VF::Lossy}, {"WMVA", VF::Lossy}, {"WVC1", VF::Lossy},
    {"VP60", VF::Lossy}, {"VP61", VF::Lossy}, {"VP62", VF::Lossy}, {"VP6F", VF::Lossy}, {"VP70", VF::Lossy},
    {"VP80", VF::Lossy}, {"VP90", VF::Lossy}, {"VP08", VF::Lossy}, {"VP09", VF::Lossy}, {"AV01", VF::Lossy},
    {"HEVC", VF::Lossy}, {"H265", VF::Lossy}, {"X265", VF::Lossy}, {"FLV1", VF::Lossy}, {"H263", VF::Lossy},
    {"S263", VF::Lossy}, {"I263", VF::Lossy}, {"THEO", VF::Lossy}, {"MPG1", VF::Lossy}, {"MPG2", VF::Lossy},
    {"SVQ1", VF::Lossy}, {"SVQ3", VF::Lossy}, {"CVID", VF::Lossy}, {"RV40", VF::Lossy}, {"IV50", VF::Lossy},
    // intra and intermediate
    {"MJPG", VF::Intra}, {"MJPA", VF::Intra}, {"MJPB", VF::Intra}, {"JPEG", VF::Intra}, {"AVRN", VF::Intra},
    {"DMB1", VF::Intra}, {"MJP2", VF::Intra}, {"APCH", VF::Intra}, {"APCN", VF::Intra}, {"APCS", VF::Intra},
    {"APCO", VF::Intra}, {"AP4H", VF::Intra}, {"AP4X", VF::Intra}, {"AVDN", VF::Intra}, {"AVDH", VF::Intra},
    {"DVSD", VF::Intra}, {"DV25", VF::Intra}, {"DV50", VF::Intra}, {"DVHD", VF::Intra}, {"DVH1", VF::Intra},
    {"DVC ", VF::Intra}, {"DVCP", VF::Intra}, {"DVPP", VF::Intra}, {"DV5N", VF::Intra}, {"DV5P", VF::Intra},
    {"DVH5", VF::Intra}, {"DVH6", VF::Intra}, {"DVHP", VF::Intra}, {"DVHQ", VF::Intra}, {"CFHD", VF::Intra},
    {"MX5P", VF::Intra}, {"MX4P", VF::Intra}, {"MX3P", VF::Intra}, {"HAP1", VF::Intra}, {"HAP5", VF::Intra},
    {"HAPY", VF::Intra}, {"ICOD", VF::Intra},
    // lossless
    {"FFV1", VF::Lossless}, {"HFYU", VF::Lossless}, {"FFVH", VF::Lossless}, {"ULRG", VF::Lossless},
    {"ULRA", VF::Lossless}, {"ULY0", VF::Lossless}, {"ULY2", VF::Lossless}, {"ULY4", VF::Lossless},
    {"ULH0", VF::Lossless}, {"ULH2", VF::Lossless}, {"ULH4", VF::Lossless}, {"UQY0", VF::Lossless},
    {"UQY2", VF::Lossless}, {"UQRG", VF::Lossless}, {"UQRA", VF::Lossless}, {"UMY2", VF::Lossless},
    {"UMY4", VF::Lossless}, {"UMH2", VF::Lossless}, {"UMH4", VF::Lossless}, {"UMRG", VF::Lossless},
    {"UMRA", VF::Lossless}, {"LAGS", VF::Lossless}, {"MAGY", VF::Lossless}, {"M8RG", VF::Lossless},
    {"M8Y2", VF::Lossless}, {"M8Y4", VF::Lossless}, {"M8G0", VF::Lossless}, {"CLLC", VF::Lossless},
    {"MSZH", VF::Lossless}, {"ZLIB", VF::Lossless}, {"MPNG", VF::Lossless}, {"PNG1", VF::Lossless},
    {"PNG ", VF::Lossless}, {"TIFF", VF::Lossless}, {"TSCC", VF::Lossless}, {"TSC2", VF::Lossless},
    {"CSCD", VF::Lossless}, {"FPS1", VF::Lossless}, {"RLE ", VF::Lossless}, {"LJPG", VF::Lossless},
    {"ZMBV", VF::Lossless}, {"SP5X", VF::Lossless},
    // raw
    {"RAW ", VF::Raw}, {"UYVY", VF::Raw}, {"YUY2", VF::Raw}, {"YUYV", VF::Raw}, {"YVYU", VF::Raw},
    {"YV12", VF::Raw}, {"I420", VF::Raw}, {"IYUV", VF::Raw}, {"NV12", VF::Raw}, {"NV21", VF::Raw},
    {"Y800", VF::Raw}, {"Y8  ", VF::Raw}, {"GREY", VF::Raw}, {"V210", VF::Raw}, {"V410", VF::Raw},
    {"V308", VF::Raw}, {"V408", VF::Raw}, {"2VUY", VF::Raw}, {"YUV2", VF::Raw}, {"YUVS", VF::Raw},
    {"R210", VF::Raw}, {"R10K", VF::Raw}, {"B64A", VF::Raw}, {"B48R", VF::Raw}, {"AVUI", VF::Raw},
    {"AVRP", VF::Raw}, {"YUV4", VF::Raw}, {"Y41P", VF::Raw}, {"Y216", VF::Raw}, {"BGRA", VF::Raw},
    {"RGBA", VF::Raw}, {"ARGB", VF::Raw}, {"ABGR", VF::Raw}, {"24BG", VF::Raw},
};

// Matroska codec ids that are not a four-character code in disguise.
constexpr struct {
    std::string_view id;
    VF family;
} kMatroskaCodecs[] = {
    {"V_MPEG4/ISO/ASP", VF::Lossy}, {"V_MPEG4/ISO/SP", VF::Lossy}, {"V_MPEG4/ISO/AP", VF::Lossy},
    {"V_MPEG4/MS/V3", VF::Lossy}, {"V_MPEG1", VF::Lossy}, {"V_MPEG2", VF::Lossy}, {"V_THEORA", VF::Lossy},
    {"V_VP8", VF::Lossy}, {"V_VP9", VF::Lossy}, {"V_AV1", VF::Lossy}, {"V_REAL/RV10", VF::Lossy},
    {"V_REAL/RV20", VF::Lossy}, {"V_REAL/RV30", VF::Lossy}, {"V_REAL/RV40", VF::Lossy},
    {"V_MJPEG", VF::Intra}, {"V_PRORES", VF::Intra}, {"V_FFV1", VF::Lossless}, {"V_UNCOMPRESSED", VF::Raw},
};

// --- H.264 and HEVC parameter sets ------------------------------------------

// A NAL unit's payload with its emulation-prevention bytes (00 00 03) taken out.
std::string Unescape(std::string_view nal) {
    std::string out;
    out.reserve(nal.size());
    int zeros = 0;
    for (const char c : nal) {
        if (zeros >= 2 && c == 3) {
            zeros = 0;
            continue;
        }
        zeros = c == 0 ? zeros + 1 : 0;
        out += c;
    }
    return out;
}

// Exp-Golomb bits of a parameter set; reading past its end sets ok to false.
struct Bits {
    std::string d;
    size_t pos = 0;
    bool ok = true;
    unsigned One() {
        if (pos >= d.size() * 8) {
            ok = false;
            return 0;
        }
        const unsigned v = (static_cast<uint8_t>(d[pos / 8]) >> (7 - pos % 8)) & 1;
        ++pos;
        return v;
    }
    uint64_t U(int n) {
        uint64_t v = 0;
        for (int i = 0; i < n; ++i) v = v << 1 | One();
        return v;
    }
    uint64_t Ue() {
        int zeros = 0;
        while (ok && One() == 0)
            if (++zeros > 31) ok = false;
        return ok ? (uint64_t{1} << zeros) - 1 + U(zeros) : 0;
    }
};

}  // namespace

VideoFamily FamilyOfFourcc(std::string_view code) {
    if (code.size() != 4) return VF::Undecided;
    if (code == std::string_view("\0\0\0\0", 4)) return VF::Raw;  // BI_RGB
    const std::string up = Upper(code);
    for (const Code& c : kCodes)
        if (std::memcmp(c.code, up.data(), 4) == 0) return c.family;
    // H.264 under these codes says nothing of its profile; the caller looks further.
    return VF::Undecided;
}

VideoFamily FamilyOfAvcC(std::string_view avcC) {
    if (avcC.size() < 7 || avcC[0] != 1) return VF::Undecided;
    const auto profile = static_cast<uint8_t>(avcC[1]);
    const bool intraFlag = (static_cast<uint8_t>(avcC[2]) & 0x10) != 0;  // constraint_set3
    if (profile == 66 || profile == 77 || profile == 88 || profile == 100) return VF::Lossy;
    if (profile == 44) return VF::Intra;  // CAVLC 4:4:4 Intra
    if (profile != 110 && profile != 122 && profile != 244) return VF::Undecided;
    if (intraFlag) return VF::Intra;
    if (profile != 244) return VF::Lossy;  // lossless coding needs High 4:4:4 Predictive
    // The first SPS: id, chroma format, bit depths, then qpprime_y_zero_transform_bypass.
    const size_t spsCount = static_cast<uint8_t>(avcC[5]) & 0x1F;
    if (spsCount == 0 || avcC.size() < 8) return VF::Undecided;
    const size_t len = static_cast<uint8_t>(avcC[6]) << 8 | static_cast<uint8_t>(avcC[7]);
    if (len < 5 || avcC.size() < 8 + len) return VF::Undecided;
    Bits s{Unescape(avcC.substr(8 + 4, len - 4))};  // after the NAL header, profile, flags and level
    s.Ue();
    if (s.Ue() == 3) s.U(1);
    s.Ue();
    s.Ue();
    const bool bypass = s.U(1) != 0;
    if (!s.ok) return VF::Undecided;
    return bypass ? VF::Lossless : VF::Lossy;
}

VideoFamily FamilyOfHvcC(std::string_view hvcC) {
    if (hvcC.size() < 23 || hvcC[0] != 1) return VF::Undecided;
    const int profile = static_cast<uint8_t>(hvcC[1]) & 0x1F;
    if (profile == 3) return VF::Intra;  // Main Still Picture
    if (profile >= 4 && (static_cast<uint8_t>(hvcC[7]) & 0x20)) return VF::Intra;  // general_intra_constraint
    // The PPS (NAL type 34) says whether blocks may skip transform and quantisation.
    size_t at = 23;
    const int arrays = static_cast<uint8_t>(hvcC[22]);
    for (int a = 0; a < arrays && at + 3 <= hvcC.size(); ++a) {
        const int type = static_cast<uint8_t>(hvcC[at]) & 0x3F;
        const size_t count = static_cast<uint8_t>(hvcC[at + 1]) << 8 | static_cast<uint8_t>(hvcC[at + 2]);
        at += 3;
        for (size_t n = 0; n < count && at + 2 <= hvcC.size(); ++n) {
            const size_t len = static_cast<uint8_t>(hvcC[at]) << 8 | static_cast<uint8_t>(hvcC[at + 1]);
            at += 2;
            if (len > hvcC.size() - at) return VF::Undecided;
            if (type == 34 && len > 2) {
                Bits p{Unescape(hvcC.substr(at + 2, len - 2))};
                p.Ue();          // pps id
                p.Ue();          // sps id
                p.U(1 + 1 + 3 + 1 + 1);  // dependent slices, output flag, extra bits, sign hiding, cabac init
                p.Ue();          // ref idx l0
                p.Ue();          // ref idx l1
                p.Ue();          // init qp (signed; its length is all that matters)
                p.U(2);          // constrained intra, transform skip
                if (p.U(1)) p.Ue();  // cu qp delta depth
                p.Ue();          // cb offset
                p.Ue();          // cr offset
                p.U(3);          // chroma offsets present, weighted pred, weighted bipred
                const bool bypass = p.U(1) != 0;
                if (!p.ok) return VF::Undecided;
                return bypass ? VF::Lossless : VF::Lossy;
            }
            at += len;
        }
    }
    return VF::Undecided;
}

namespace {

// H.264 under a four-character code (AVI): the first SPS in the stream decides.
VF AnnexBAvc(const ByteView& b, uint64_t from) {
    const uint64_t at = b.Find(std::string_view("\0\0\x01\x67", 4), from, b.d.size());
    if (at == std::string_view::npos || !b.Has(at + 4, 4)) return VF::Undecided;
    // An avcC record around the SPS, as MP4 would hold it.
    const std::string_view sps = b.d.substr(at + 3, std::min<uint64_t>(256, b.d.size() - at - 3));
    std::string avcC = {1, sps[1], sps[2], sps[3], '\xFF', '\xE1'};
    avcC += static_cast<char>(sps.size() >> 8);
    avcC += static_cast<char>(sps.size() & 0xFF);
    avcC += sps;
    return FamilyOfAvcC(avcC);
}

bool IsAvcCode(std::string_view code) {
    const std::string up = Upper(code);
    return up == "H264" || up == "X264" || up == "AVC1" || up == "DAVC" || up == "VSSH" || up == "AVC3";
}

// --- AVI -----------------------------------------------------------------

MediaTracks Avi(const ByteView& b) {
    MediaTracks t;
    const uint64_t strh = b.Find("strh", 12, std::min<uint64_t>(b.d.size(), 16384));
    if (strh == std::string_view::npos || !b.Has(strh + 8, 32)) return t;
    t.complete = b.Find("movi", 12, b.d.size()) != std::string_view::npos;
    for (uint64_t at = strh; at != std::string_view::npos && b.Has(at + 8, 32);
         at = b.Find("strh", at + 8, std::min<uint64_t>(b.d.size(), 65536))) {
        if (b.Is(at + 8, "auds")) t.audio = true;
        if (!b.Is(at + 8, "vids") || t.video) continue;
        t.video = true;
        uint64_t scale = 0, rate = 0;
        b.U32(at + 8 + 20, scale);
        b.U32(at + 8 + 24, rate);
        if (scale > 0 && rate > 0) t.picture.fps = static_cast<double>(rate) / static_cast<double>(scale);
        // strf follows strh: a BITMAPINFOHEADER with the picture and the compression code.
        const uint64_t size = b.LE(at + 4, 4);
        const uint64_t strf = at + 8 + size + (size & 1);
        std::string_view code = b.d.substr(at + 12, 4);
        if (b.Is(strf, "strf") && b.Has(strf + 8, 20)) {
            t.picture.width = static_cast<uint32_t>(b.LE(strf + 12, 4));
            const auto h = static_cast<int32_t>(b.LE(strf + 16, 4));
            t.picture.height = static_cast<uint32_t>(h < 0 ? -static_cast<int64_t>(h) : h);
            const std::string_view compression = b.d.substr(strf + 24, 4);
            if (compression == std::string_view("\0\0\0\0", 4) || compression == std::string_view("\3\0\0\0", 4) ||
                FamilyOfFourcc(compression) != VF::Undecided || IsAvcCode(compression))
                code = compression;
        }
        t.picture.family = FamilyOfFourcc(code);
        if (IsAvcCode(code)) t.picture.family = AnnexBAvc(b, strh);
    }
    return t;
}

// --- Matroska --------------------------------------------------------------

struct Element {
    uint64_t id = 0, at = 0, end = 0;  // the data's start and end (end may lie past the head)
    bool unknown = false;
};

bool ReadElement(const ByteView& b, uint64_t& at, uint64_t end, Element& e) {
    uint64_t size = 0;
    if (at >= end || !EbmlVint(b, at, true, e.id) || !EbmlVint(b, at, false, size, &e.unknown)) return false;
    e.at = at;
    e.end = e.unknown || size > UINT64_MAX - at ? UINT64_MAX : at + size;
    return true;
}

void MatroskaTrack(const ByteView& b, uint64_t at, uint64_t end, MediaTracks& t) {
    uint64_t type = 0, frameNs = 0, width = 0, height = 0;
    std::string_view codec, priv;
    Element e;
    for (int step = 0; step < kMaxSteps && ReadElement(b, at, end, e) && e.end <= end; ++step) {
        const uint64_t size = e.end - e.at;
        if (!b.Has(e.at, size)) break;
        if (e.id == 0x83 && size >= 1 && size <= 8) type = b.BE(e.at, static_cast<int>(size));
        if (e.id == 0x86) codec = b.d.substr(e.at, size);
        if (e.id == 0x63A2) priv = b.d.substr(e.at, size);
        if (e.id == 0x23E383 && size >= 1 && size <= 8) frameNs = b.BE(e.at, static_cast<int>(size));
        if (e.id == 0xE0) {  // Video
            uint64_t v = e.at;
            Element c;
            for (int k = 0; k < 64 && ReadElement(b, v, e.end, c) && c.end <= e.end; ++k) {
                const uint64_t n = c.end - c.at;
                if (c.id == 0xB0 && n >= 1 && n <= 4) width = b.BE(c.at, static_cast<int>(n));
                if (c.id == 0xBA && n >= 1 && n <= 4) height = b.BE(c.at, static_cast<int>(n));
                v = c.end;
            }
        }
        at = e.end;
    }
    if (type == 2) t.audio = true;
    if (type != 1 || t.video) return;
    t.video = true;
    t.picture.width = static_cast<uint32_t>(width);
    t.picture.height = static_cast<uint32_t>(height);
    if (frameNs > 0) t.picture.fps = 1e9 / static_cast<double>(frameNs);
    VF family = VF::Undecided;
    for (const auto& known : kMatroskaCodecs)
        if (codec == known.id) family = known.family;
    if (codec == "V_MPEG4/ISO/AVC") family = FamilyOfAvcC(priv);
    if (codec == "V_MPEGH/ISO/HEVC") family = FamilyOfHvcC(priv);
    if (codec == "V_MS/VFW/FOURCC" && priv.size() >= 20) family = FamilyOfFourcc(priv.substr(16, 4));
    if (codec == "V_QUICKTIME" && priv.size() >= 8) family = FamilyOfFourcc(priv.substr(4, 4));  // an image description
    t.picture.family = family;
}

MediaTracks Matroska(const ByteView& b) {
    MediaTracks t;
    uint64_t at = 0;
    Element e;
    if (!ReadElement(b, at, b.d.size(), e) || e.id != 0x1A45DFA3 || e.end > 4096) return t;
    at = e.end;
    if (!ReadElement(b, at, UINT64_MAX, e) || e.id != 0x18538067) return t;
    const uint64_t segmentEnd = e.end;
    for (int step = 0; step < kMaxSteps && ReadElement(b, at, segmentEnd, e); ++step) {
        if (e.id == 0x1F43B675 || e.unknown) break;  // a Cluster: the headers are over
        if (e.id == 0x1654AE6B) {                     // Tracks
            t.complete = e.end <= b.d.size();
            uint64_t k = e.at;
            Element entry;
            for (int n = 0; n < 256 && ReadElement(b, k, std::min<uint64_t>(e.end, b.d.size()), entry); ++n) {
                if (entry.id == 0xAE) MatroskaTrack(b, entry.at, std::min<uint64_t>(entry.end, b.d.size()), t);
                if (entry.end == UINT64_MAX) break;
                k = entry.end;
            }
            break;
        }
        if (e.end > b.d.size()) break;
        at = e.end;
    }
    return t;
}

// --- MP4 and QuickTime -----------------------------------------------------

struct Box {
    uint64_t at = 0, body = 0, end = 0;  // start, payload, end (may lie past the head)
    std::string_view type;
};

bool ReadBox(const ByteView& b, uint64_t at, uint64_t end, Box& x) {
    if (at >= end || !b.Has(at, 8)) return false;
    uint64_t size = b.BE(at, 4), header = 8;
    if (size == 1 && !b.B64(at + 8, size)) return false;
    if (size == 1) header = 16;
    if (size == 0) size = end - at;
    if (size < header || size > UINT64_MAX - at) return false;
    x = {at, at + header, std::min(at + size, end), b.d.substr(at + 4, 4)};
    return true;
}

// The first child of that type between body and end.
bool Child(const ByteView& b, const Box& parent, std::string_view type, Box& out, uint64_t skip = 0) {
    uint64_t at = parent.body + skip;
    for (int step = 0; step < 256 && ReadBox(b, at, parent.end, out); ++step) {
        if (out.type == type) return true;
        at = out.end;
    }
    return false;
}

void Trak(const ByteView& b, const Box& trak, MediaTracks& t) {
    Box mdia, hdlr, mdhd, minf, stbl, stsd, stts;
    if (!Child(b, trak, "mdia", mdia) || !Child(b, mdia, "hdlr", hdlr) || !b.Has(hdlr.body + 8, 4)) return;
    const std::string_view handler = b.d.substr(hdlr.body + 8, 4);
    if (handler == "soun") t.audio = true;
    if (handler != "vide" || t.video) return;
    t.video = true;
    t.picture.family = VF::Undecided;
    if (!Child(b, mdia, "minf", minf) || !Child(b, minf, "stbl", stbl) || !Child(b, stbl, "stsd", stsd)) return;
    Box entry;
    if (!ReadBox(b, stsd.body + 8, stsd.end, entry) || !b.Has(entry.at + 32, 4)) return;
    t.picture.width = static_cast<uint32_t>(b.BE(entry.at + 32, 2));
    t.picture.height = static_cast<uint32_t>(b.BE(entry.at + 34, 2));
    const std::string up = Upper(entry.type);
    Box config;
    if (up == "AVC1" || up == "AVC3")
        t.picture.family = Child(b, entry, "avcC", config, 78) ? FamilyOfAvcC(b.d.substr(config.body, config.end - config.body))
                                                               : VF::Undecided;
    else if (up == "HVC1" || up == "HEV1")
        t.picture.family = Child(b, entry, "hvcC", config, 78) ? FamilyOfHvcC(b.d.substr(config.body, config.end - config.body))
                                                               : VF::Undecided;
    else
        t.picture.family = FamilyOfFourcc(entry.type);
    // The frame rate: samples in stts over the media's duration in mdhd.
    uint64_t scale = 0, duration = 0, frames = 0, count = 0;
    if (Child(b, mdia, "mdhd", mdhd) && b.Has(mdhd.body, 1)) {
        const bool v1 = b.U8(mdhd.body) == 1;
        if (v1) b.B32(mdhd.body + 20, scale), b.B64(mdhd.body + 24, duration);
        else b.B32(mdhd.body + 12, scale), b.B32(mdhd.body + 16, duration);
    }
    if (Child(b, stbl, "stts", stts) && b.B32(stts.body + 4, count)) {
        for (uint64_t i = 0, at = stts.body + 8; i < count && i < 100000 && at + 8 <= stts.end && b.Has(at, 8); ++i, at += 8)
            frames += b.BE(at, 4);
    }
    if (scale > 0 && duration > 0 && duration != UINT32_MAX && frames > 0)
        t.picture.fps = static_cast<double>(frames) * static_cast<double>(scale) / static_cast<double>(duration);
}

MediaTracks IsoMedia(const ByteView& b) {
    MediaTracks t;
    for (std::string_view brand : {"M4A ", "M4B ", "M4P ", "F4A ", "F4B "})
        if (b.Is(4, "ftyp") && b.Has(8, 4) && b.d.substr(8, 4) == brand) t.audioBrand = true;
    Box top;
    for (uint64_t at = 0, step = 0; step < 64 && ReadBox(b, at, UINT64_MAX, top); ++step, at = top.end) {
        if (top.type != "moov") continue;
        t.complete = top.end <= b.d.size();
        Box trak;
        for (uint64_t k = top.body, n = 0; n < 64 && ReadBox(b, k, top.end, trak); ++n, k = trak.end)
            if (trak.type == "trak") Trak(b, trak, t);
        break;
    }
    return t;
}

// --- ASF -----------------------------------------------------------------

// The Extended Stream Properties objects inside the Header Extension object:
// a stream's average time a frame, in 100 ns units.
double AsfFrameRate(const ByteView& b, uint64_t at, uint64_t end, uint64_t stream) {
    static constexpr char kExtendedStreamProperties[] =
        "\xCB\xA5\xE6\x14\x72\xC6\x32\x43\x83\x99\xA9\x69\x52\x06\x5B\x5A";
    at += 46;  // its header, a reserved GUID and field, the data size
    for (int step = 0; step < 256 && at + 24 <= end; ++step) {
        uint64_t size = 0, number = 0, perFrame = 0;
        if (!b.U64(at + 16, size) || size < 24) break;
        if (b.Is(at, kExtendedStreamProperties) && b.U16(at + 72, number) && b.U64(at + 76, perFrame) &&
            number == stream && perFrame > 0)
            return 1e7 / static_cast<double>(perFrame);
        if (size > end - at) break;
        at += size;
    }
    return 0;
}

MediaTracks Asf(const ByteView& b) {
    static constexpr char kStreamProperties[] = "\x91\x07\xDC\xB7\xB7\xA9\xCF\x11\x8E\xE6\x00\xC0\x0C\x20\x53\x65";
    static constexpr char kHeaderExtension[] = "\xB5\x03\xBF\x5F\x2E\xA9\xCF\x11\x8E\xE3\x00\xC0\x0C\x20\x53\x65";
    static constexpr char kVideo[] = "\xC0\xEF\x19\xBC\x4D\x5B\xCF\x11\xA8\xFD\x00\x80\x5F\x5C\x44\x2B";
    static constexpr char kAudio[] = "\x40\x9E\x69\xF8\x4D\x5B\xCF\x11\xA8\xFD\x00\x80\x5F\x5C\x44\x2B";
    MediaTracks t;
    uint64_t headerSize = 0, count = 0, videoStream = 0, extension = 0, extensionEnd = 0;
    if (!b.U64(16, headerSize) || !b.U32(24, count)) return t;
    t.complete = headerSize <= b.d.size();
    const uint64_t end = std::min<uint64_t>(headerSize, b.d.size());
    uint64_t at = 30;
    for (uint64_t i = 0; i < count && i < kMaxSteps; ++i) {
        uint64_t size = 0;
        if (at + 24 > end || !b.U64(at + 16, size) || size < 24) break;
        if (b.Is(at, kHeaderExtension) && !extension) extension = at, extensionEnd = size > end - at ? end : at + size;
        if (b.Is(at, kStreamProperties) && b.Has(at + 24, 54)) {
            if (b.Is(at + 24, kAudio)) t.audio = true;
            // Type-specific data after 54 bytes: width, height, flags, format size, BITMAPINFOHEADER.
            if (b.Is(at + 24, kVideo) && !t.video && b.Has(at + 78, 11 + 20)) {
                t.video = true;
                videoStream = b.LE(at + 72, 2) & 0x7F;
                t.picture.width = static_cast<uint32_t>(b.LE(at + 78, 4));
                t.picture.height = static_cast<uint32_t>(b.LE(at + 82, 4));
                t.picture.family = FamilyOfFourcc(b.d.substr(at + 78 + 11 + 16, 4));
            }
        }
        if (size > end - at) break;
        at += size;
    }
    if (t.video && extension) t.picture.fps = AsfFrameRate(b, extension, extensionEnd, videoStream);
    return t;
}

// --- FLV -------------------------------------------------------------------

// A number in onMetaData: the key (u16 length, name), the number marker, an IEEE double.
double AmfNumber(const ByteView& b, uint64_t from, uint64_t to, std::string_view key) {
    std::string pattern = {static_cast<char>(key.size() >> 8), static_cast<char>(key.size() & 0xFF)};
    pattern += key;
    pattern += '\0';
    const uint64_t at = b.Find(pattern, from, to);
    uint64_t bits = 0;
    if (at == std::string_view::npos || !b.B64(at + pattern.size(), bits)) return 0;
    const double v = std::bit_cast<double>(bits);
    return v > 0 && v < 1e9 ? v : 0;
}

MediaTracks Flv(const ByteView& b) {
    MediaTracks t;
    if (!b.Has(13, 11) || b.U8(13) != 18) return t;  // the script tag comes first
    const uint64_t dataSize = b.BE(14, 3), from = 24, to = std::min<uint64_t>(from + dataSize, b.d.size());
    t.complete = from + dataSize <= b.d.size();
    t.audio = (b.U8(4) & 4) != 0;
    t.video = (b.U8(4) & 1) != 0;
    if (!t.video) return t;
    t.picture.width = static_cast<uint32_t>(AmfNumber(b, from, to, "width"));
    t.picture.height = static_cast<uint32_t>(AmfNumber(b, from, to, "height"));
    t.picture.fps = AmfNumber(b, from, to, "framerate");
    switch (static_cast<int>(AmfNumber(b, from, to, "videocodecid"))) {
        case 2: case 4: case 5: t.picture.family = VF::Lossy; break;
        case 3: case 6: t.picture.family = VF::Lossless; break;  // screen video: zlib-coded blocks
        case 7: {
            // The first video tag after the script tag holds the AVC sequence header (an avcC).
            t.picture.family = VF::Undecided;
            uint64_t at = from + dataSize + 4;
            for (int step = 0; step < 8 && b.Has(at, 11); ++step) {
                const uint64_t size = b.BE(at + 1, 3);
                if (b.U8(at) == 9 && b.Has(at + 11, 5) && b.U8(at + 12) == 0 && b.Has(at + 16, size - 5)) {
                    t.picture.family = FamilyOfAvcC(b.d.substr(at + 16, size - 5));
                    break;
                }
                at += 11 + size + 4;
            }
            break;
        }
        default: t.picture.family = VF::Undecided;
    }
    return t;
}

// --- Ogg -------------------------------------------------------------------

// Each stream starts with a page of its own (beginning-of-stream flag) before
// any other page: their first packets name the codecs.
MediaTracks Ogg(const ByteView& b) {
    MediaTracks t;
    uint64_t at = 0;
    for (int step = 0; step < 64 && b.Is(at, "OggS") && b.Has(at, 27); ++step) {
        const uint64_t segments = b.U8(at + 26);
        if (!b.Has(at + 27, segments)) break;
        uint64_t body = 0;
        for (uint64_t i = 0; i < segments; ++i) body += b.U8(at + 27 + i);
        const uint64_t packet = at + 27 + segments;
        if (!(b.U8(at + 5) & 2)) {
            t.complete = true;
            break;
        }
        if (b.Is(packet, "OpusHead")) t.audio = t.opus = true;
        if (b.Is(packet, "\x01vorbis") || b.Is(packet, "\x7F" "FLAC") || b.Is(packet, "Speex   ") ||
            b.Is(packet, "\x01" "audio"))
            t.audio = true;
        if (b.Is(packet, "\x80theora") || b.Is(packet, "\x01video") || b.Is(packet, "\x80" "daala")) {
            t.video = true;
            t.picture.family = VF::Lossy;
        }
        at = packet + body;
    }
    return t;
}

}  // namespace

bool EbmlVint(const ByteView& b, uint64_t& at, bool keepMarker, uint64_t& v, bool* unknown) {
    if (!b.Has(at, 1) || b.U8(at) == 0) return false;
    const int len = std::countl_zero(b.U8(at)) + 1;
    if (!b.Has(at, static_cast<uint64_t>(len))) return false;
    v = b.BE(at, len);
    const uint64_t valueBits = (uint64_t{1} << (7 * len)) - 1;
    if (!keepMarker) v &= valueBits;
    if (unknown) *unknown = !keepMarker && v == valueBits;
    at += static_cast<uint64_t>(len);
    return true;
}

std::string_view AudioOnlyName(Format f, const MediaTracks& t) {
    if (t.audioBrand && !t.video) return QT_TRANSLATE_NOOP("Types", "MP4 audio");
    if (!t.complete || !t.audio || t.video) return {};
    switch (f) {
        case Format::Matroska: return QT_TRANSLATE_NOOP("Types", "Matroska audio");
        case Format::Mp4: case Format::Mov: return QT_TRANSLATE_NOOP("Types", "MP4 audio");
        case Format::Asf: return QT_TRANSLATE_NOOP("Types", "Windows Media audio");
        case Format::Ogg: return t.opus ? QT_TRANSLATE_NOOP("Types", "Opus audio") : QT_TRANSLATE_NOOP("Types", "Ogg audio");
        default: return {};
    }
}

MediaTracks ReadTracks(Format f, const ByteView& b) {
    switch (f) {
        case Format::Avi: return Avi(b);
        case Format::Matroska: return Matroska(b);
        case Format::Mp4: case Format::Mov: return IsoMedia(b);
        case Format::Asf: return Asf(b);
        case Format::Flv: return Flv(b);
        case Format::Ogg: return Ogg(b);
        default: return {};
    }
}

}  // namespace kv::inspect
