#include "cli/QmCatalog.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace kv::cli {

namespace {

// The layout Qt's QTranslator reads: a magic number, then blocks of a tag
// byte and a big-endian length; in the message block, tagged fields.
constexpr std::array<uint8_t, 16> kMagic = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                            0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
enum Block : uint8_t { kContexts = 0x2f, kHashes = 0x42, kMessages = 0x69 };
enum Field : uint8_t { kEnd = 1, kTranslation = 3, kObsolete1 = 5, kSourceText = 6, kContext = 7, kComment = 8 };

uint32_t Read32(std::string_view s, size_t at) {
    const auto b = [&](size_t i) { return static_cast<uint32_t>(static_cast<uint8_t>(s[at + i])); };
    return b(0) << 24 | b(1) << 16 | b(2) << 8 | b(3);
}
uint16_t Read16(std::string_view s, size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(s[at]) << 8 | static_cast<uint8_t>(s[at + 1]));
}

// Qt's hash of a source text (with its empty comment) and of a context.
uint32_t ElfHash(std::string_view text) {
    uint32_t h = 0;
    for (const char c : text) {
        h = (h << 4) + static_cast<uint8_t>(c);
        if (const uint32_t g = h & 0xf0000000u) h ^= g >> 24, h &= ~g;
    }
    return h == 0 ? 1 : h;
}

// A stored text may end in a NUL that does not count.
bool Same(std::string_view stored, std::string_view wanted) {
    if (!stored.empty() && stored.back() == '\0') stored.remove_suffix(1);
    return stored == wanted;
}

void AppendUtf8(std::string& out, uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xc0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xe0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3f));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
}

std::string Utf8(const std::u16string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xd800 && c < 0xdc00 && i + 1 < text.size() && text[i + 1] >= 0xdc00 && text[i + 1] < 0xe000)
            c = 0x10000 + ((c - 0xd800) << 10) + (text[++i] - 0xdc00);
        else if (c >= 0xd800 && c < 0xe000)
            c = 0xfffd;  // a lone surrogate
        AppendUtf8(out, c);
    }
    return out;
}

}  // namespace

QmCatalog::QmCatalog(std::string_view qm) {
    if (qm.size() < kMagic.size() || std::memcmp(qm.data(), kMagic.data(), kMagic.size()) != 0) return;
    std::string_view contexts, hashes, messages;
    size_t at = kMagic.size();
    while (qm.size() - at >= 5) {
        const uint8_t tag = static_cast<uint8_t>(qm[at]);
        const uint32_t length = Read32(qm, at + 1);
        at += 5;
        if (tag == 0 || length == 0) break;
        if (length > qm.size() - at) return;  // cut short: nothing of it is used
        const std::string_view block = qm.substr(at, length);
        if (tag == kContexts) contexts = block;
        if (tag == kHashes) hashes = block;
        if (tag == kMessages) messages = block;
        at += length;
    }
    if (hashes.size() % 8 != 0 || (!contexts.empty() && (contexts.size() < 2 || Read16(contexts, 0) == 0))) return;
    contexts_ = contexts, hashes_ = hashes, messages_ = messages;
}

// The context table: a hash table of 16-bit offsets into a list of short names.
bool QmCatalog::KnowsContext(std::string_view context) const {
    if (contexts_.empty()) return true;
    const size_t tableSize = Read16(contexts_, 0);
    const size_t slot = 2 + 2 * (ElfHash(context) % tableSize);
    if (slot + 2 > contexts_.size()) return false;
    const size_t offset = Read16(contexts_, slot);
    if (offset == 0) return false;
    for (size_t at = 2 + 2 * tableSize + 2 * offset; at < contexts_.size();) {
        const size_t length = static_cast<uint8_t>(contexts_[at++]);
        if (length == 0 || length > contexts_.size() - at) return false;
        if (Same(contexts_.substr(at, length), context)) return true;
        at += length;
    }
    return false;
}

// The message at offset, when its stored fields (a stripped file keeps only
// those that tell it apart) agree with context and source.
bool QmCatalog::Message(size_t at, std::string_view context, std::string_view source, std::u16string& out) const {
    const std::string_view m = messages_;
    bool found = false;
    while (at < m.size()) {
        const uint8_t tag = static_cast<uint8_t>(m[at++]);
        if (tag == kEnd) return found;
        if (tag == kObsolete1) {
            at += 4;
            continue;
        }
        if (tag != kTranslation && tag != kSourceText && tag != kContext && tag != kComment) return false;
        if (m.size() - at < 4) return false;
        const uint32_t length = Read32(m, at);
        at += 4;
        if (length > m.size() - at) return false;
        const std::string_view field = m.substr(at, length);
        at += length;
        switch (tag) {
            case kTranslation:
                if (found || length % 2 != 0) break;  // the first form only: no plurals here
                out.clear();
                for (size_t i = 0; i < field.size(); i += 2) out += static_cast<char16_t>(Read16(field, i));
                found = true;
                break;
            case kSourceText:
                if (!Same(field, source)) return false;
                break;
            case kContext:
                if (!Same(field, context)) return false;
                break;
            case kComment:
                if (!field.empty() && field[0] != '\0') return false;  // a disambiguated text is not ours
                break;
        }
    }
    return false;
}

std::string QmCatalog::Translate(const char* context, const char* source) const {
    if (hashes_.empty() || !KnowsContext(context)) return source;
    const uint32_t h = ElfHash(source);
    const size_t count = hashes_.size() / 8;
    // The first entry of the hash, in a table sorted by hash.
    size_t low = 0, high = count;
    while (low < high) {
        const size_t mid = low + (high - low) / 2;
        if (Read32(hashes_, mid * 8) < h) low = mid + 1;
        else high = mid;
    }
    std::u16string translation;
    for (size_t i = low; i < count && Read32(hashes_, i * 8) == h; ++i) {
        if (Message(Read32(hashes_, i * 8 + 4), context, source, translation) && !translation.empty())
            return Utf8(translation);
    }
    return source;
}

std::string ChosenLanguage(const char* lcAll, const char* lcMessages, const char* lang, const char* language) {
    const auto set = [](const char* v) { return v != nullptr && *v != '\0'; };
    const std::string_view locale = set(lcAll) ? lcAll : set(lcMessages) ? lcMessages : set(lang) ? lang : "";
    const auto code = [](std::string_view name) { return name.substr(0, name.find_first_of("_.@")); };
    if (locale.empty() || code(locale) == "C" || locale == "POSIX") return "";
    const auto shipped = [](std::string_view c) { return !BuiltInCatalog(c).empty() || c == "en"; };
    if (set(language)) {
        std::string_view list = language;
        while (!list.empty()) {
            const size_t colon = list.find(':');
            const std::string_view entry = code(list.substr(0, colon));
            if (shipped(entry)) return entry == "en" ? "" : std::string(entry);
            list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
        }
        return "";
    }
    const std::string_view own = code(locale);
    return shipped(own) && own != "en" ? std::string(own) : "";
}

namespace {
QmCatalog& Chosen() {
    static QmCatalog catalog;
    return catalog;
}
}  // namespace

const Translator& Words() { return Chosen(); }

void UseLanguage(std::string_view language) { Chosen() = QmCatalog(BuiltInCatalog(language)); }

std::string T(const char* source, std::initializer_list<std::string_view> parts) {
    return Tr(Words(), "Cli", source, parts);
}

}  // namespace kv::cli
