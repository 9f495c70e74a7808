#include "inspect/SniffMore.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string>

namespace kv::inspect {

namespace {

// Length of the ADTS frame at `at`, 0 when none starts there.
uint64_t AdtsFrame(const ByteView& b, uint64_t at) {
    if (!b.Has(at, 7) || b.U8(at) != 0xFF || (b.U8(at + 1) & 0xF6) != 0xF0) return 0;
    if (((b.U8(at + 2) >> 2) & 0x0F) > 12) return 0;  // sampling frequency index
    const uint64_t len = (uint64_t{b.U8(at + 3)} & 3) << 11 | uint64_t{b.U8(at + 4)} << 3 | b.U8(at + 5) >> 5;
    return len >= 7 ? len : 0;
}

bool Adts(const ByteView& b) {
    const uint64_t len = AdtsFrame(b, 0);
    if (len == 0) return false;
    return !b.Has(len, 7) || AdtsFrame(b, len) != 0;
}

// OLE compound file: the root directory entry's class id tells an installer
// (MSI) from an Office document, when its sector has arrived.
Format SniffOle(const ByteView& b) {
    uint64_t shift = 0, dirSector = 0;
    if (!b.U16(0x1E, shift) || !b.U32(0x30, dirSector) || shift < 7 || shift > 16) return Format::Ole;
    const uint64_t at = (dirSector + 1) << shift;  // sector 0 follows the 512-byte header (or a 4 KiB one)
    static constexpr char kMsiClass[] = "\x84\x10\x0C\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46";
    static constexpr char kMspClass[] = "\x86\x10\x0C\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46";
    if (dirSector < 0xFFFFFFFA && (b.Is(at + 0x50, kMsiClass) || b.Is(at + 0x50, kMspClass))) return Format::Msi;
    return Format::Ole;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (Lower(s[i]) != prefix[i]) return false;
    return true;
}

// A text is judged in one pass over its first bytes, 128 at a time without a
// branch a byte: a block of fixed length the compiler turns into a few vector steps.
constexpr size_t kBlock = 128;
constexpr size_t kTextWindow = 4096;
static_assert(kTextWindow <= 64 * kBlock, "a block's mark is a bit of one 64-bit word");

// Control bytes are no text: all below 0x20 but tab, line feed, form feed and
// carriage return, and DEL. Bytes from 0x80 pass: UTF-8 and the old code pages alike.
uint8_t Control(uint8_t u) {
    // Tab, line feed, form feed and carriage return are 9 to 13 but 11: three compares, not four.
    const auto allowed = static_cast<uint8_t>(uint8_t{static_cast<uint8_t>(u - '\t') <= 4} & uint8_t{u != 11});
    return static_cast<uint8_t>((uint8_t{u < 0x20} & static_cast<uint8_t>(allowed ^ 1)) | uint8_t{u == 0x7F});
}
// The letters a Windows Script Host call starts with (a, c, g, w): with 0x20
// set, a byte is one of them exactly when it is that letter in either case.
uint8_t CallLetter(uint8_t u) {
    const auto l = static_cast<uint8_t>(u | 0x20);
    return static_cast<uint8_t>(uint8_t{l == 'a'} | uint8_t{l == 'c'} | uint8_t{l == 'g'} | uint8_t{l == 'w'});
}
uint8_t Blank(uint8_t u) { return static_cast<uint8_t>(uint8_t{u == ' '} | uint8_t{u == '\n'}); }

// Plain data, zeroed by `{}`: a type with a constructor of its own does not
// link in clang's clones of ScanText.
struct TextScan {
    bool control;         // a control byte: no text
    uint64_t callBlocks;  // bit k: block k holds a letter a call starts with
    size_t blanks;
};

// s is at most kTextWindow bytes. Where the loader picks a function's version
// by the processor (an ifunc), there is an AVX2 one too: twice the bytes a step.
// GCC builds the program; clang (the fuzz targets) gets the one version.
#if defined(__x86_64__) && defined(__linux__) && !defined(__clang__)
__attribute__((target_clones("avx2", "default")))
#endif
TextScan ScanText(std::string_view s) {
    TextScan scan{};
    const auto* p = reinterpret_cast<const uint8_t*>(s.data());
    const auto block = [&](size_t at, size_t length) {
        uint8_t control = 0, letter = 0, blanks = 0;
        for (size_t i = 0; i < length; ++i) {
            const uint8_t u = p[at + i];
            control |= Control(u);
            letter |= CallLetter(u);
            blanks = static_cast<uint8_t>(blanks + Blank(u));
        }
        scan.control = control != 0;
        scan.callBlocks |= uint64_t{letter} << (at / kBlock);
        scan.blanks += blanks;
        return !scan.control;
    };
    size_t at = 0;
    for (; at + kBlock <= s.size(); at += kBlock)
        if (!block(at, kBlock)) return scan;
    if (at < s.size()) block(at, s.size() - at);
    return scan;
}

bool IsWebAddress(std::string_view s) {
    return StartsNoCase(s, "http://") || StartsNoCase(s, "https://") || StartsNoCase(s, "mms://") ||
           StartsNoCase(s, "rtsp://");
}

// The web addresses in a text, joined by " ", at most about 300 bytes.
std::string WebAddresses(std::string_view s) {
    std::string out;
    for (size_t i = 0; i < s.size() && out.size() < 300; ++i) {
        const std::string_view rest = s.substr(i);
        if (!IsWebAddress(rest)) continue;
        size_t end = 0;
        while (end < rest.size() && end < 200 && static_cast<unsigned char>(rest[end]) > ' ' &&
               std::string_view("\"'<>").find(rest[end]) == std::string_view::npos)
            ++end;
        const std::string url(rest.substr(0, end));
        if (out.find(url) == std::string::npos) out += (out.empty() ? "" : " ") + url;
        i += end;
    }
    return out;
}

// Written text has words: blanks every so often and more than a few letters.
// A run of one printable byte (index-poisoning junk) is no text.
bool LooksWritten(std::string_view s, size_t blanks) {
    if (blanks * 100 < s.size()) return false;
    // Two tables, so that a run of one byte does not wait on its own mark.
    std::array<std::array<bool, 256>, 2> seen{};
    for (size_t i = 0; i < s.size(); ++i) seen[i & 1][static_cast<unsigned char>(s[i])] = true;
    size_t distinct = 0;
    for (size_t c = 0; c < 256; ++c) distinct += seen[0][c] || seen[1][c];
    return distinct >= 10;
}

bool IsPlaylist(std::string_view s) {
    for (std::string_view p : {"<asx", "<?wpl", "<smil", "#extm3u", "[playlist]", "[reference]"})
        if (StartsNoCase(s, p)) return true;
    return StartsNoCase(s, "<?xml") && s.substr(0, 512).find("<playlist") != std::string_view::npos;
}

// A text of nothing but web addresses (and # comments) is a playlist too: a
// bare .m3u. The last line may be cut where the head ends.
bool IsAddressList(std::string_view s) {
    int addresses = 0;
    for (size_t at = 0; at < s.size();) {
        size_t end = s.find('\n', at);
        if (end == std::string_view::npos) end = s.size();
        std::string_view line = s.substr(at, end - at);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
        at = end + 1;
        if (line.empty() || line[0] == '#') continue;
        if (!IsWebAddress(line)) return false;
        ++addresses;
    }
    return addresses > 0;
}

// An Internet shortcut's [InternetShortcut] section, first or after the
// sections Windows puts before it ([DEFAULT], a property store's GUID).
bool IsInternetShortcut(std::string_view s) {
    if (s.empty() || s[0] != '[') return false;
    for (size_t at = 0; at < s.size() && at < 1024;) {
        if (StartsNoCase(s.substr(at), "[internetshortcut]")) return true;
        at = s.find('\n', at);
        if (at == std::string_view::npos) break;
        ++at;
    }
    return false;
}

// JScript and VBScript run by the Windows Script Host: the objects a
// downloader creates to fetch and start its payload.
bool IsWindowsScript(std::string_view s, uint64_t callBlocks) {
    static constexpr std::string_view kCalls[] = {"wscript.", "activexobject(", "createobject(", "getobject("};
    // Most of a head has no such letter: only the blocks that do are searched.
    for (; callBlocks != 0; callBlocks &= callBlocks - 1) {
        const size_t at = static_cast<size_t>(std::countr_zero(callBlocks)) * kBlock;
        for (size_t i = at; i < std::min(s.size(), at + kBlock); ++i) {
            if (CallLetter(static_cast<uint8_t>(s[i])) == 0) continue;
            for (const std::string_view call : kCalls)
                if (StartsNoCase(s.substr(i), call)) return true;
        }
    }
    return false;
}

bool IsPage(std::string_view s) {
    for (std::string_view p : {"<!doctype html", "<html", "<head", "<body", "<script", "<meta", "<title", "<iframe"})
        if (StartsNoCase(s, p)) return true;
    return StartsNoCase(s, "<?xml") && s.substr(0, 512).find("<html") != std::string_view::npos;
}

}  // namespace

bool ElementaryAudioAt(const ByteView& b, uint64_t at) {
    if (b.Is(at, "\x7F\xFE\x80\x01")) return true;
    const uint64_t len = AdtsFrame(b, at);
    return len != 0 && AdtsFrame(b, at + len) != 0;
}

Format SniffText(const ByteView& b, ContentType& t) {
    if (b.Is(0, "\x4C\0\0\0\x01\x14\x02\0\0\0\0\0\xC0\0\0\0\0\0\0\x46", 20)) return Format::ShellLink;
    std::string_view s = b.d.substr(0, kTextWindow);
    // A text padded with zeros to a larger size is still the text.
    if (const size_t nul = s.find('\0'); nul != std::string_view::npos) {
        if (nul == 0) return Format::Unknown;
        if (s.find_first_not_of('\0', nul) != std::string_view::npos) return Format::Unknown;
        if (b.d.size() > s.size() && b.d.substr(s.size()).find_first_not_of('\0') != std::string_view::npos)
            return Format::Unknown;
        s = s.substr(0, nul);
    }
    t.textLength = s.size();
    if (s.substr(0, 3) == "\xEF\xBB\xBF") s.remove_prefix(3);
    const size_t start = s.find_first_not_of(" \t\r\n\f");
    const std::string_view body = start == std::string_view::npos ? std::string_view() : s.substr(start);
    // What comes before the body is blanks, which are text: s is text when the body is.
    const TextScan scan = ScanText(body);
    if (s.empty() || scan.control) return Format::Unknown;
    if (IsPlaylist(body)) {
        t.urls = WebAddresses(body);
        return Format::Playlist;
    }
    if (IsInternetShortcut(body)) {
        t.urls = WebAddresses(body);
        return Format::InternetShortcut;
    }
    if (IsPage(body)) return Format::Html;
    if (IsAddressList(body)) {
        t.urls = WebAddresses(body);
        return Format::Playlist;
    }
    if (IsWindowsScript(body, scan.callBlocks)) {
        t.urls = WebAddresses(body);
        return Format::WindowsScript;
    }
    // Below this many bytes any binary signature's first bytes look like text too.
    if (body.size() < 128 || !LooksWritten(body, scan.blanks)) return Format::Unknown;
    return Format::Text;
}

Format SniffMore(const ByteView& b) {
    if (b.Is(0, "FORM") && (b.Is(8, "AIFF") || b.Is(8, "AIFC"))) return Format::Aiff;
    if (b.Is(0, "AT&TFORM")) return Format::DjVu;
    if (b.Is(0, "MThd\0\0\0\x06", 8)) return Format::Midi;
    if (b.Is(0, "wvpk")) return Format::WavPack;
    if (b.Is(0, "MPCK") || b.Is(0, "MP+")) return Format::Musepack;
    if (b.Is(0, "TTA1")) return Format::Tta;
    if (b.Is(0, "MAC ")) return Format::Ape;
    if (b.Is(0, "\x7F\xFE\x80\x01") || b.Is(0, "\xFE\x7F\x01\x80") || b.Is(0, "\x1F\xFF\xE8\x00"))
        return Format::Dts;
    if (b.Is(0, "\x0B\x77") && b.Has(5, 1) && (b.U8(5) >> 3) <= 16) return Format::Ac3;
    if (Adts(b)) return Format::Adts;
    if ((b.Is(0, "FWS") || b.Is(0, "CWS") || b.Is(0, "ZWS")) && b.Has(3, 1) && b.U8(3) > 0 && b.U8(3) < 64)
        return Format::Swf;
    if (b.Is(0, "BM") && b.Is(6, "\0\0\0\0", 4) && b.Has(14, 4) && b.LE(14, 4) >= 12 && b.LE(14, 4) <= 124)
        return Format::Bmp;
    if (b.Is(0, "II*\0", 4) || b.Is(0, "MM\0*", 4)) return Format::Tiff;
    if (b.Is(0, "\x60\xEA") && b.Has(2, 2) && b.LE(2, 2) > 0 && b.LE(2, 2) <= 2600) return Format::Arj;
    if (b.Is(257, "ustar")) return Format::Tar;
    if (b.Is(0, "ITSF\x03\0\0\0", 8)) return Format::Chm;
    if (b.Is(0, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) return SniffOle(b);
    return Format::Unknown;
}

uint16_t WavCodec(const ByteView& b) {
    uint64_t at = 12;
    for (int step = 0; step < kMaxSteps && b.Has(at, 8); ++step) {
        const uint64_t size = b.LE(at + 4, 4);
        if (b.Is(at, "fmt ")) return b.Has(at + 8, 2) ? static_cast<uint16_t>(b.LE(at + 8, 2)) : 0;
        at += 8 + size + (size & 1);
    }
    return 0;
}

bool IsZipDocument(const ByteView& b) {
    uint64_t nameLen = 0;
    if (!b.U16(26, nameLen) || !b.Has(30, 0)) return false;
    const std::string_view name = b.d.substr(30, nameLen);  // clipped to what arrived
    for (std::string_view first : {"mimetype", "[Content_Types].xml", "word/", "xl/", "ppt/", "docProps/"})
        if (name.substr(0, first.size()) == first) return true;
    return false;
}

}  // namespace kv::inspect
