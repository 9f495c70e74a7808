#include "ed2k/LinkFinder.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kv {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool MatchAt(std::string_view line, size_t at, std::string_view lowerWord) {
    if (at > line.size() || line.size() - at < lowerWord.size()) return false;
    for (size_t i = 0; i < lowerWord.size(); ++i)
        if (Lower(line[at + i]) != lowerWord[i]) return false;
    return true;
}

bool ContainsNoCase(std::string_view text, std::string_view lowerWord) {
    for (size_t i = 0; i + lowerWord.size() <= text.size(); ++i)
        if (MatchAt(text, i, lowerWord)) return true;
    return false;
}

// Where a link written into running text stops when nothing closes it.
bool IsStop(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '"' || c == '\'' || c == '<' || c == '>';
}

// Where the field from k ends: the first '|' or stop at or after k, or n.
size_t FieldEnd(std::string_view line, size_t k) {
    const size_t n = line.size();
#if defined(__SSE2__)
    // 16 bytes at a time: a field is mostly a size or a hash, dozens of bytes.
    for (; k + 16 <= n; k += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data() + k));
        __m128i hit = _mm_cmpeq_epi8(v, _mm_set1_epi8('|'));
        for (const char stop : {' ', '\t', '\r', '"', '\'', '<', '>'})
            hit = _mm_or_si128(hit, _mm_cmpeq_epi8(v, _mm_set1_epi8(stop)));
        if (const int mask = _mm_movemask_epi8(hit); mask != 0) return k + static_cast<size_t>(std::countr_zero(static_cast<unsigned>(mask)));
    }
#endif
    while (k < n && line[k] != '|' && !IsStop(line[k])) ++k;
    return k;
}

// The end of an unquoted ed2k link starting at `start`, found from its own
// structure so that blanks inside the name do not cut it. Looks at no byte
// past the returned end (plus one), which keeps the search linear.
size_t Ed2kEnd(std::string_view line, size_t start) {
    const size_t n = line.size();
    size_t k = start + 7;
    if (k >= n || line[k] != '|') {
        while (k < n && !IsStop(line[k])) ++k;
        return k;
    }
    ++k;
    for (int field = 0;; ++field) {
        if (field == 1) {
            // The name: anything up to the next '|'.
            const size_t bar = line.find('|', k);
            if (bar == std::string_view::npos) return n;
            k = bar + 1;
            continue;
        }
        size_t e = FieldEnd(line, k);
        const std::string_view value = line.substr(k, e - k);
        if (field >= 2 && value.starts_with('/')) {
            // The end, whatever punctuation follows; eMule may append "|sources,…|/".
            e = k + 1;
            if (MatchAt(line, e, "|sources")) {
                size_t s = e + 8;
                while (s < n && !IsStop(line[s]) && !(line[s] == '|' && s + 1 < n && line[s + 1] == '/')) ++s;
                if (s < n && line[s] == '|') return s + 2;
            }
            return e;
        }
        if (e >= n || line[e] != '|') return e;  // unterminated: the link stops here
        k = e + 1;
    }
}

std::string HtmlDecode(std::string_view s) {
    struct Entity {
        std::string_view name;
        char c;
    };
    static constexpr Entity kEntities[] = {{"&amp;", '&'}, {"&lt;", '<'},   {"&gt;", '>'},
                                           {"&quot;", '"'}, {"&#39;", '\''}, {"&apos;", '\''}};
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '&') {
            bool replaced = false;
            for (const Entity& e : kEntities) {
                if (MatchAt(s, i, e.name)) {
                    out.push_back(e.c);
                    i += e.name.size() - 1;
                    replaced = true;
                    break;
                }
            }
            if (replaced) continue;
        }
        out.push_back(s[i]);
    }
    return out;
}

// Where the first "ed2k://" or "magnet:?" (any case) at or after `from`
// starts; npos when there is none. Only the colons are looked at closely, so
// that the rest of a line is passed over at memchr's speed.
size_t NextLinkStart(std::string_view line, size_t from, bool& isMagnet) {
    for (size_t colon = from;; ++colon) {
        const void* hit = std::memchr(line.data() + colon, ':', line.size() - colon);
        if (!hit) return std::string_view::npos;
        colon = static_cast<size_t>(static_cast<const char*>(hit) - line.data());
        isMagnet = false;
        if (colon >= from + 4 && MatchAt(line, colon - 4, "ed2k://")) return colon - 4;
        isMagnet = true;
        if (colon >= from + 6 && MatchAt(line, colon - 6, "magnet:?")) return colon - 6;
    }
}

void ScanLine(std::string_view line, size_t lineNumber, LinkSink& sink) {
    size_t i = 0;
    while (i < line.size()) {
        bool isMagnet = false;
        const size_t j = NextLinkStart(line, i, isMagnet);
        if (j == std::string_view::npos) return;

        const char before = j > 0 ? line[j - 1] : '\0';
        const bool quoted = before == '"' || before == '\'';
        size_t end;
        if (quoted) {
            end = line.find(before, j);
            if (end == std::string_view::npos) end = line.size();
        } else if (isMagnet) {
            end = j;
            while (end < line.size() && !IsStop(line[end])) ++end;
        } else {
            end = Ed2kEnd(line, j);
        }
        i = end > j ? end : j + 1;

        const std::string_view raw = line.substr(j, end - j);
        // Only a quoted link (an attribute's value) is decoded; the others are read where they are.
        const bool escaped = quoted && raw.find('&') != std::string_view::npos;
        const std::string decoded = escaped ? HtmlDecode(raw) : std::string();
        const std::string_view text = escaped ? std::string_view(decoded) : raw;
        std::expected<Ed2kLink, std::string> parsed;
        if (isMagnet) {
            if (!ContainsNoCase(text, "urn:ed2k")) continue;
            parsed = ParseMagnet(text);
        } else {
            static constexpr std::string_view kOthers[] = {"|server|", "|serverlist|", "|nodeslist|", "|search|"};
            bool other = false;
            for (std::string_view o : kOthers) other = other || MatchAt(text, 7, o);
            if (other) continue;
            parsed = Ed2kLink::Parse(text);
        }
        if (parsed)
            sink.Found(lineNumber, raw, std::move(*parsed), std::string());
        else
            sink.Found(lineNumber, raw, std::nullopt, std::move(parsed.error()));
    }
}

class Collect final : public LinkSink {
public:
    explicit Collect(std::vector<LinkCandidate>& out) : out_(out) {}
    void Found(size_t line, std::string_view raw, std::optional<Ed2kLink>&& link, std::string&& error) override {
        out_.push_back(LinkCandidate{line, std::string(raw), std::move(link), std::move(error)});
    }

private:
    std::vector<LinkCandidate>& out_;
};

}  // namespace

std::vector<LinkCandidate> FindLinks(std::string_view text) {
    std::vector<LinkCandidate> out;
    Collect collect(out);
    FindLinks(text, collect);
    return out;
}

void FindLinks(std::string_view text, LinkSink& sink) {
    size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() > kMaxLinkLineLength) {
            sink.Found(lineNumber, line.substr(0, 80), std::nullopt,
                       "Line " + std::to_string(lineNumber) + " is longer than 64 KiB and was not searched for links.");
            continue;
        }
        ScanLine(line, lineNumber, sink);
    }
}

}  // namespace kv
