// Detectors on the arrived bytes themselves: junk where media or a disc
// image should start or where a media header's packets should follow,
// Windows Media that opens web pages.
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/Translator.h"
#include "inspect/Detector.h"
#include "inspect/Extension.h"
#include "inspect/SniffMore.h"

namespace kv::inspect {

namespace {

// Bits a byte above which data looks random: random bytes measure 7.95 over
// 4 KiB (the smallest head judged) and 7.997 over 64 KiB; compressed audio
// cut out of its container measures 7.8 to 7.9 (AC-3 at 640 kbit/s: 7.90),
// so a sync word found further on clears it too.
constexpr double kRandomEntropy = 7.92;
// Repeats of a pattern up to this long are junk, not media.
constexpr size_t kMaxPattern = 64;
// A disc image's descriptors stand at 32 KiB: judged only when they and the
// sector after them have arrived. Random bytes measure 7.995 bits a byte
// over that much; a raw audio CD image's PCM stays under 7.9.
constexpr size_t kDiscHead = 0x8800 + 2048;
constexpr double kRandomDisc = 7.98;

double Entropy(std::string_view s) {
    // Four tables, so that a run of one byte does not wait on its own count.
    std::array<std::array<uint32_t, 256>, 4> tables{};
    size_t i = 0;
    for (; i + 4 <= s.size(); i += 4)
        for (size_t k = 0; k < 4; ++k) ++tables[k][static_cast<unsigned char>(s[i + k])];
    for (; i < s.size(); ++i) ++tables[0][static_cast<unsigned char>(s[i])];
    std::array<uint64_t, 256> counts{};
    for (size_t c = 0; c < 256; ++c) counts[c] = uint64_t{tables[0][c]} + tables[1][c] + tables[2][c] + tables[3][c];
    double bits = 0;
    for (const uint64_t n : counts) {
        if (n == 0) continue;
        const double p = static_cast<double>(n) / static_cast<double>(s.size());
        bits -= p * std::log2(p);
    }
    return bits;
}

// The shortest period of the whole head, 0 when none up to kMaxPattern.
size_t Period(std::string_view s) {
    // p is a period when the head shifted by p equals itself.
    for (size_t p = 1; p <= kMaxPattern && p < s.size(); ++p)
        if (std::memcmp(s.data() + p, s.data(), s.size() - p) == 0) return p;
    return 0;
}

// Media that the sniffer does not place at offset 0 but that a player finds
// further on: MPEG audio, AAC, DTS or AC-3 cut mid-frame, MPEG start codes.
bool MediaFurtherOn(const ByteView& b) {
    const uint64_t end = std::min<uint64_t>(b.d.size(), 16384);
    int ac3Syncs = 0;
    for (uint64_t at = 0; at < end; ++at) {
        const uint8_t c = b.U8(at);
        // A lone MPEG frame passes when its successor has not arrived; a frame
        // is at most 1,728 bytes, so only from 2 KiB before the end is a pair sure.
        if (c == 0xFF && at + 2048 < b.d.size() && MpegAudioFramesAt(b, at)) return true;
        if ((c == 0xFF || c == 0x7F) && ElementaryAudioAt(b, at)) return true;
        // AC-3 syncs with a valid stream id: three in 16 KiB do not happen by chance (about 1 in 500).
        if (c == 0x0B && b.Has(at, 6) && b.U8(at + 1) == 0x77 && (b.U8(at + 5) >> 3) <= 16 && ++ac3Syncs == 3)
            return true;
    }
    return b.Find(std::string_view("\0\0\x01\xBA", 4), 0, end) != std::string_view::npos ||
           b.Find(std::string_view("\0\0\x01\xB3", 4), 0, end) != std::string_view::npos;
}

std::string Hex(unsigned char c) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {'0', 'x', kDigits[c >> 4], kDigits[c & 15]};
}

// What the bytes are, when they are junk: a pattern of words ("Types", for a
// front end to translate) and the figure that fills its %1.
struct JunkText {
    const char* pattern;
    std::string figure;
};

std::optional<JunkText> JunkKind(std::string_view head) {
    const size_t period = Period(head);
    if (period == 1) {
        const auto c = static_cast<unsigned char>(head[0]);
        if (c == 0) return JunkText{QT_TRANSLATE_NOOP("Types", "nothing but zero bytes"), ""};
        if (c == 0xFF) return JunkText{QT_TRANSLATE_NOOP("Types", "nothing but 0xFF bytes"), ""};
        return JunkText{QT_TRANSLATE_NOOP("Types", "one byte (%1) repeated"), Hex(c)};
    }
    if (period > 1) return JunkText{QT_TRANSLATE_NOOP("Types", "a %1-byte pattern repeated"), std::to_string(period)};
    const double bits = Entropy(head);
    if (bits < kRandomEntropy || MediaFurtherOn(ByteView{head})) return std::nullopt;
    char figure[32];
    std::snprintf(figure, sizeof figure, "%.2f", bits);
    return JunkText{QT_TRANSLATE_NOOP("Types", "random bytes of no known format (%1 bits a byte)"), figure};
}

// Extensions of images whose first 36 KiB always hold a known structure;
// .bin and .cdi may be raw tracks of anything, .dmg opens with compressed data.
bool JudgedImage(std::string_view name) {
    const std::string_view ext = LastExtension(name);
    if (ext.size() != 3) return false;
    std::string lower(ext);
    for (char& c : lower) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return lower == "iso" || lower == "img" || lower == "nrg" || lower == "mdf";
}

// Index-poisoning junk: a media name over bytes that start no format at all,
// a real media header whose packets are junk, a disc image's name over
// random bytes where its descriptors belong. Media names must claim a
// particular video or audio format (names that claim nothing promise
// nothing); disc images may start with a pregap of zeros, so only random
// bytes or a short pattern count against them, and only against the names
// JudgedImage allows.
class JunkDetector final : public Detector {
public:
    std::string_view id() const override { return "junk"; }
    Reads reads() const override { return Reads::Head; }
    std::optional<Suspicion> Examine(const Evidence& e) const override {
        const auto claim = ClaimOfName(e.name());
        if (!claim || claim->accepted == 0) return {};
        const bool media = claim->category == Category::Video || claim->category == Category::Audio;
        if (!media && claim->category != Category::DiscImage) return {};
        const std::string* head = e.Head();
        if (!head || head->size() < 4096) return {};
        const ContentType& t = e.Content();
        if (media && t.junkFrom != 0 && IsPlayableMedia(t.format)) {
            return MakeSuspicion(Strength::Junk,
                                 Reason{.kind = ReasonKind::HeaderOnJunk, .claim = std::string(claim->text),
                                        .data = std::string(HeaderName(t.format)), .count = t.junkFrom});
        }
        if (t.format != Format::Unknown) return {};
        auto kind = media ? JunkKind(*head) : DiscJunkKind(e.name(), *head);
        if (!kind) return {};
        return MakeSuspicion(Strength::Junk, Reason{.kind = ReasonKind::Junk, .claim = std::string(claim->text),
                                                    .data = kind->pattern, .detail = std::move(kind->figure),
                                                    .count = head->size()});
    }

private:
    static std::optional<JunkText> DiscJunkKind(std::string_view name, std::string_view head) {
        if (head.size() < kDiscHead || !JudgedImage(name) || HasDiscStructure(head)) return std::nullopt;
        if (const size_t period = Period(head); period > 1)
            return JunkText{QT_TRANSLATE_NOOP("Types", "a %1-byte pattern repeated"), std::to_string(period)};
        const double bits = Entropy(head);
        if (bits < kRandomDisc) return std::nullopt;
        char figure[32];
        std::snprintf(figure, sizeof figure, "%.2f", bits);
        return JunkText{QT_TRANSLATE_NOOP("Types", "random bytes of no known format (%1 bits a byte)"), figure};
    }
};

// ASF Script Command objects with URL commands: the "codec required" fakes
// that open web pages while they play.
class ScriptDetector final : public Detector {
public:
    std::string_view id() const override { return "asf-script"; }
    Reads reads() const override { return Reads::Head; }
    std::optional<Suspicion> Examine(const Evidence& e) const override {
        const auto claim = ClaimOfName(e.name());
        if (!claim || (claim->category != Category::Video && claim->category != Category::Audio)) return {};
        if (!e.Head()) return {};
        const ContentType& t = e.Content();
        if (t.format != Format::Asf || t.scriptUrls + t.scriptFiles == 0) return {};
        return MakeSuspicion(Strength::ScriptedMedia,
                             Reason{.kind = ReasonKind::ScriptCommands, .claim = std::string(claim->text),
                                    .detail = t.urls, .count = static_cast<uint64_t>(t.scriptUrls),
                                    .total = static_cast<uint64_t>(t.scriptFiles)});
    }
};

}  // namespace

std::unique_ptr<Detector> MakeJunkDetector() { return std::make_unique<JunkDetector>(); }
std::unique_ptr<Detector> MakeScriptDetector() { return std::make_unique<ScriptDetector>(); }

}  // namespace kv::inspect
