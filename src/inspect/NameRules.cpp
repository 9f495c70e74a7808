#include "inspect/NameRules.h"

#include "inspect/Extension.h"

namespace kv::inspect {

namespace {

constexpr std::string_view kProgramExtensions[] = {"exe", "scr", "pif", "com", "bat", "cmd", "vbs", "vbe",
                                                   "js",  "jse", "wsf", "hta", "msi", "lnk", "cpl", "url"};

// Blanks a name can be padded with: space, tab, no-break space (UTF-8 C2 A0),
// and the Unicode spaces U+2000..U+200B (E2 80 80..8B), U+3000 (E3 80 80).
// Returns the length of the blank that ends s, 0 if none.
size_t TrailingBlank(std::string_view s) {
    const size_t n = s.size();
    if (n >= 1 && (s[n - 1] == ' ' || s[n - 1] == '\t')) return 1;
    if (n >= 2 && s.substr(n - 2) == "\xC2\xA0") return 2;
    if (n >= 3) {
        const auto b = [&](size_t i) { return static_cast<unsigned char>(s[n - 3 + i]); };
        if (b(0) == 0xE2 && b(1) == 0x80 && b(2) >= 0x80 && b(2) <= 0x8B) return 3;
        if (b(0) == 0xE3 && b(1) == 0x80 && b(2) == 0x80) return 3;
    }
    return 0;
}

std::string_view CategoryWord(Category c) {
    switch (c) {
        case Category::Video: return "video";
        case Category::Audio: return "audio";
        case Category::Image: return "an image";
        case Category::DiscImage: return "a disc image";
        case Category::Archive: return "an archive";
        case Category::Document: return "a document";
        default: return "a file";
    }
}

}  // namespace

bool IsProgramExtension(std::string_view ext) {
    if (ext.size() > 3) return false;
    char lower[3] = {};
    for (size_t i = 0; i < ext.size(); ++i)
        lower[i] = ext[i] >= 'A' && ext[i] <= 'Z' ? static_cast<char>(ext[i] - 'A' + 'a') : ext[i];
    const std::string_view key(lower, ext.size());
    for (auto e : kProgramExtensions)
        if (e == key) return true;
    return false;
}

std::optional<Reason> NameReason(std::string_view name) {
    if (name.find("\xE2\x80\xAE") != std::string_view::npos) return Reason{.kind = ReasonKind::RightToLeftMark};

    const std::string_view ext = LastExtension(name);
    if (ext.empty() || !IsProgramExtension(ext)) return std::nullopt;
    std::string_view stem = name.substr(0, name.size() - ext.size() - 1);
    uint64_t blanks = 0;
    for (size_t len; (len = TrailingBlank(stem)) != 0; ++blanks) stem.remove_suffix(len);

    const std::string_view inner = LastExtension(stem);
    const auto claim = ClaimOfExtension(inner);
    if (claim && claim->category != Category::Executable && claim->category != Category::Unknown) {
        return Reason{.kind = ReasonKind::ProgramBehindName,
                      .claim = std::string(claim->accepted ? claim->text : CategoryWord(claim->category)),
                      .ext = std::string(inner), .ext2 = std::string(ext), .count = blanks};
    }
    if (blanks >= 3) return Reason{.kind = ReasonKind::ProgramBehindBlanks, .ext2 = std::string(ext), .count = blanks};
    return std::nullopt;
}

std::optional<std::string> InspectName(std::string_view name) {
    if (auto why = NameReason(name)) return ReasonText(*why);
    return std::nullopt;
}

}  // namespace kv::inspect
