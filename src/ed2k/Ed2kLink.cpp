#include "ed2k/Ed2kLink.h"

#include <algorithm>
#include <array>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kv {

namespace {

bool Fail(std::string* error, std::string text) {
    if (error) *error = std::move(text);
    return false;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Lower(x) == Lower(y);
           });
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// "%XX" becomes the byte; a '%' without two hex digits stays as it is, the
// way both clients read such names. With plusIsSpace (magnet query values)
// '+' is a blank.
std::string PercentDecode(std::string_view s, bool plusIsSpace) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        // The bytes up to the next one that may change, copied as a run.
        const size_t plain = plusIsSpace ? s.find_first_of("%+", i) : s.find('%', i);
        if (plain != i) {
            out.append(s.substr(i, plain - i));
            if (plain == std::string_view::npos) break;
            i = plain;
        }
        if (s[i] == '%' && i + 2 < s.size()) {
            const int hi = HexDigitValue(s[i + 1]);
            const int lo = HexDigitValue(s[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out.push_back(static_cast<char>(hi << 4 | lo));
                i += 2;
                continue;
            }
        }
        out.push_back(plusIsSpace && s[i] == '+' ? ' ' : s[i]);
    }
    return out;
}

bool ParseSize(std::string_view text, uint64_t& size, std::string* error) {
    if (text.empty()) return Fail(error, "The link has no file size.");
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return Fail(error, "The file size \"" + std::string(text.substr(0, 40)) + "\" is not a number.");
    while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
    if (text.size() > 12) return Fail(error, "The file size is too large for an ed2k download.");
    size = 0;
    for (char c : text) size = size * 10 + static_cast<uint64_t>(c - '0');
    if (size == 0) return Fail(error, "The file size is 0.");
    if (size >= kMaxEd2kFileSize) return Fail(error, "The file size is too large for an ed2k download (256 GiB or more).");
    return true;
}

bool ParseHash(std::string_view text, Ed2kHash& hash, std::string* error) {
    const auto parsed = Ed2kHash::FromHex(text);
    if (!parsed) return Fail(error, "The file hash must be 32 hex digits.");
    hash = *parsed;
    return true;
}

bool ParseName(std::string_view text, std::string& name, bool plusIsSpace, std::string* error) {
    name = PercentDecode(text, plusIsSpace);
    if (name.find('\0') != std::string::npos) return Fail(error, "The file name contains a NUL byte.");
    std::replace(name.begin(), name.end(), '/', '_');
    if (Trim(name).empty()) return Fail(error, "The link has no file name.");
    return true;
}

bool IsBase32(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '2' && c <= '7');
    });
}

std::string Upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// p=H:H:… — an unreadable list is dropped, as the clients do: the link itself stays usable.
std::vector<Ed2kHash> ParsePartHashes(std::string_view list) {
    std::vector<Ed2kHash> out;
    while (!list.empty()) {
        const size_t colon = list.find(':');
        const auto hash = Ed2kHash::FromHex(list.substr(0, colon));
        if (!hash) return {};
        out.push_back(*hash);
        if (colon == std::string_view::npos) break;
        list.remove_prefix(colon + 1);
    }
    return out;
}

// "sources[@YYMMDD],host:port,host:port" — entries without a usable port are skipped.
std::vector<std::string> ParseSources(std::string_view text) {
    std::vector<std::string> out;
    if (!StartsWithNoCase(text, "sources")) return out;
    text.remove_prefix(7);
    while (!text.empty()) {
        const size_t comma = text.find(',');
        const std::string_view entry = Trim(text.substr(0, comma));
        const size_t colon = entry.rfind(':');
        if (colon != std::string_view::npos && colon > 0 && !entry.starts_with('@')) {
            const std::string_view port = entry.substr(colon + 1);
            uint32_t value = 0;
            bool ok = !port.empty() && port.size() <= 5;
            for (char c : port) {
                ok = ok && c >= '0' && c <= '9';
                value = value * 10 + static_cast<uint32_t>(c - '0');
            }
            if (ok && value >= 1 && value <= 65535) out.emplace_back(entry);
        }
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return out;
}

// What the clients percent-encode that matters for reading the link back:
// the escape character itself, the field separator and control bytes.
std::string EncodeName(std::string_view name) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(name.size());
    for (char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '%' || c == '|' || c < 0x20 || c == 0x7F) {
            out.push_back('%');
            out.push_back(kDigits[c >> 4]);
            out.push_back(kDigits[c & 15]);
        } else {
            out.push_back(ch);
        }
    }
    return out;
}

std::string HtmlEscape(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out.push_back(c);
        }
    }
    return out;
}

// The pieces of a text between separators; the usual handful without an allocation.
class Fields {
public:
    Fields(std::string_view s, char sep) {
        size_t start = 0, k = 0;
        const auto cut = [&](size_t at) {
            Add(s.substr(start, at - start));
            start = at + 1;
        };
#if defined(__SSE2__)
        // The separators of 16 bytes at once: a link's fields are short, a call a field costs more.
        for (; k + 16 <= s.size(); k += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s.data() + k));
            for (auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(sep)))); mask != 0;
                 mask &= mask - 1)
                cut(k + static_cast<size_t>(std::countr_zero(mask)));
        }
#endif
        for (; k < s.size(); ++k)
            if (s[k] == sep) cut(k);
        Add(s.substr(start));
    }
    size_t size() const { return size_; }
    const std::string_view* begin() const { return more_.empty() ? inline_.data() : more_.data(); }
    const std::string_view* end() const { return begin() + size_; }
    const std::string_view& operator[](size_t i) const { return begin()[i]; }

private:
    void Add(std::string_view field) {
        if (size_ < inline_.size()) {
            inline_[size_] = field;
        } else {
            if (more_.empty()) more_.assign(inline_.begin(), inline_.end());
            more_.push_back(field);
        }
        ++size_;
    }

    std::array<std::string_view, 12> inline_;
    std::vector<std::string_view> more_;
    size_t size_ = 0;
};

// After the hash: optional parameters, then "/" ends the link; eMule may
// append "|sources,…|/". A missing final "/" is tolerated.
bool ParseTail(const Fields& fields, Ed2kLink& link, std::string* error) {
    size_t i = 4;
    bool ended = false;
    for (; i < fields.size(); ++i) {
        const std::string_view f = fields[i];
        if (f == "/") {
            ended = true;
            ++i;
            break;
        }
        if (f.empty()) {
            if (i + 1 == fields.size()) break;  // the final '|' of a link without "/"
            return Fail(error, "The link is malformed: it has an empty field."), false;
        }
        if (f.starts_with('/')) return Fail(error, "The link is malformed: unexpected text after its end."), false;
        if (f.find('=') == std::string_view::npos) {
            Fail(error, "The link is malformed: unexpected field \"" + std::string(f.substr(0, 40)) + "\" after the hash.");
            return false;
        }
        if (f.starts_with("p=")) {
            link.partHashes = ParsePartHashes(f.substr(2));
        } else if (f.starts_with("h=")) {
            if (f.size() == 34 && IsBase32(f.substr(2))) link.aich = Upper(f.substr(2));
        } else if (f.starts_with("s=")) {
            if (f.size() > 2) link.urls.emplace_back(f.substr(2));
        }
        // Other parameters belong to newer clients; they do not change the file.
    }
    if (!ended) return true;
    std::vector<std::string_view> rest(fields.begin() + static_cast<std::ptrdiff_t>(i), fields.end());
    if (!rest.empty() && rest.back().empty()) rest.pop_back();
    if (rest.empty()) return true;
    // Only eMule's "|sources,…|/" may follow the end.
    if (rest.size() < 2 || rest.back() != "/" || !StartsWithNoCase(rest[0], "sources"))
        return Fail(error, "The link is malformed: unexpected text after its end."), false;
    std::string extension;
    for (size_t k = 0; k + 1 < rest.size(); ++k) {
        if (k) extension.push_back('|');
        extension.append(rest[k]);
    }
    link.sources = ParseSources(extension);
    return true;
}

}  // namespace

namespace {

std::optional<Ed2kLink> ParseFileLink(std::string_view text, std::string* error) {
    text = Trim(text);
    if (!StartsWithNoCase(text, "ed2k://")) {
        Fail(error, "This is not an ed2k link (it does not start with ed2k://).");
        return std::nullopt;
    }
    text.remove_prefix(7);
    if (!text.starts_with('|')) {
        Fail(error, "The link is malformed: \"|\" expected after ed2k://.");
        return std::nullopt;
    }
    text.remove_prefix(1);
    const Fields fields(text, '|');
    if (!EqualsNoCase(fields[0], "file")) {
        Fail(error, "This is not a file link (ed2k://|" + std::string(fields[0].substr(0, 20)) + "|…).");
        return std::nullopt;
    }
    if (fields.size() < 3) {
        Fail(error, fields.size() < 2 ? "The link is incomplete: it has no file name." : "The link is incomplete: it has no file size.");
        return std::nullopt;
    }
    if (fields.size() < 4) {
        Fail(error, "The link is incomplete: it has no file hash.");
        return std::nullopt;
    }

    Ed2kLink link;
    if (!ParseName(fields[1], link.name, false, error) || !ParseSize(fields[2], link.size, error) ||
        !ParseHash(fields[3], link.hash, error))
        return std::nullopt;

    if (!ParseTail(fields, link, error)) return std::nullopt;
    return link;
}

}  // namespace

std::expected<Ed2kLink, std::string> Ed2kLink::Parse(std::string_view text) {
    std::string error;
    if (auto link = ParseFileLink(text, &error)) return std::move(*link);
    return std::unexpected(std::move(error));
}

std::string Ed2kLink::Text() const {
    return "ed2k://|file|" + EncodeName(name) + "|" + std::to_string(size) + "|" + hash.ToHex() + "|/";
}

std::string Ed2kLink::HtmlAnchor() const {
    const std::string href = "ed2k://|file|" + EncodeName(name) + "|" + std::to_string(size) + "|" + hash.ToHex() + "|/";
    return "<a href=\"" + HtmlEscape(href) + "\">" + HtmlEscape(name) + "</a>";
}

namespace {

std::optional<Ed2kLink> ParseMagnetLink(std::string_view text, std::string* error) {
    text = Trim(text);
    if (!StartsWithNoCase(text, "magnet:?")) {
        Fail(error, "This is not a magnet link (it does not start with magnet:?).");
        return std::nullopt;
    }
    text.remove_prefix(8);
    std::optional<Ed2kHash> hash;
    std::optional<std::string_view> size, name;
    std::string aich;
    bool badHash = false;
    for (std::string_view param : Fields(text, '&')) {
        const size_t eq = param.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string_view key = param.substr(0, eq);
        const std::string_view value = param.substr(eq + 1);
        // Exact topics may be numbered (xt.1=…).
        if (EqualsNoCase(key, "xt") || StartsWithNoCase(key, "xt.")) {
            const std::string topic = PercentDecode(value, false);
            std::string_view t = topic;
            if (StartsWithNoCase(t, "urn:ed2k:") || StartsWithNoCase(t, "urn:ed2khash:")) {
                t.remove_prefix(t.find(':', 4) + 1);
                hash = Ed2kHash::FromHex(t);
                badHash = badHash || !hash;
            } else if (StartsWithNoCase(t, "urn:aich:")) {
                t.remove_prefix(9);
                if (t.size() == 32 && IsBase32(t)) aich = Upper(t);
            }
        } else if (EqualsNoCase(key, "xl")) {
            size = value;
        } else if (EqualsNoCase(key, "dn")) {
            name = value;
        }
    }
    if (!hash) {
        Fail(error, badHash ? "The magnet link's ed2k hash must be 32 hex digits."
                            : "The magnet link carries no ed2k hash (xt=urn:ed2k:…).");
        return std::nullopt;
    }
    Ed2kLink link;
    link.hash = *hash;
    link.aich = aich;
    if (!size) {
        Fail(error, "The magnet link has no file size (xl=).");
        return std::nullopt;
    }
    if (!ParseSize(*size, link.size, error)) return std::nullopt;
    if (!name) {
        Fail(error, "The magnet link has no file name (dn=).");
        return std::nullopt;
    }
    if (!ParseName(*name, link.name, true, error)) return std::nullopt;
    return link;
}

}  // namespace

std::expected<Ed2kLink, std::string> ParseMagnet(std::string_view text) {
    std::string error;
    if (auto link = ParseMagnetLink(text, &error)) return std::move(*link);
    return std::unexpected(std::move(error));
}

}  // namespace kv
