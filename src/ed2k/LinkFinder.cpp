#include "ed2k/LinkFinder.h"

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
        size_t e = k;
        while (e < n && line[e] != '|' && !IsStop(line[e])) ++e;
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

void ScanLine(std::string_view line, size_t lineNumber, std::vector<LinkCandidate>& out) {
    size_t i = 0;
    while (i < line.size()) {
        size_t j = i;
        bool isMagnet = false;
        for (; j < line.size(); ++j) {
            const char c = Lower(line[j]);
            if (c == 'e' && MatchAt(line, j, "ed2k://")) break;
            if (c == 'm' && MatchAt(line, j, "magnet:?")) {
                isMagnet = true;
                break;
            }
        }
        if (j >= line.size()) return;

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

        LinkCandidate candidate;
        candidate.line = lineNumber;
        candidate.raw = std::string(line.substr(j, end - j));
        // Only a quoted link (an attribute's value) is decoded; the others are read where they are.
        const std::string decoded = quoted ? HtmlDecode(candidate.raw) : std::string();
        const std::string_view text = quoted ? std::string_view(decoded) : std::string_view(candidate.raw);
        if (isMagnet) {
            if (!ContainsNoCase(text, "urn:ed2k")) continue;
            candidate.link = ParseMagnet(text, &candidate.error);
        } else {
            static constexpr std::string_view kOthers[] = {"|server|", "|serverlist|", "|nodeslist|", "|search|"};
            bool other = false;
            for (std::string_view o : kOthers) other = other || MatchAt(text, 7, o);
            if (other) continue;
            candidate.link = Ed2kLink::Parse(text, &candidate.error);
        }
        if (candidate.link) candidate.error.clear();
        out.push_back(std::move(candidate));
    }
}

}  // namespace

std::vector<LinkCandidate> FindLinks(std::string_view text) {
    std::vector<LinkCandidate> out;
    size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() > kMaxLinkLineLength) {
            LinkCandidate skipped;
            skipped.line = lineNumber;
            skipped.raw = std::string(line.substr(0, 80));
            skipped.error = "Line " + std::to_string(lineNumber) + " is longer than 64 KiB and was not searched for links.";
            out.push_back(std::move(skipped));
            continue;
        }
        ScanLine(line, lineNumber, out);
    }
    return out;
}

}  // namespace kv
