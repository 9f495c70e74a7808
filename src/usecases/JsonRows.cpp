#include "usecases/JsonRows.h"

#include <cstdio>

#include "common/DisplayText.h"
#include "ed2k/LinkText.h"
#include "usecases/AmuleSession.h"
#include "usecases/Verdict.h"

namespace kv {

namespace {

OrderedJson NullOr(const std::string& s) { return s.empty() ? OrderedJson(nullptr) : OrderedJson(ToDisplayUtf8(s)); }

}  // namespace

OrderedJson FindingJson(const Finding& f) {
    const Download& d = f.download;
    const Verdict& v = f.verdict;
    return {{"part", ToDisplayUtf8(f.part)},
            {"name", ToDisplayUtf8(d.name)},
            {"size", static_cast<int64_t>(d.size)},
            {"hash", d.hash ? d.hash->ToHex() : std::string()},
            {"fake", v.fake()},
            {"description", ToDisplayUtf8(v.entry.description)},
            {"link", ToDisplayUtf8(LinkFor(d))},
            {"suspect", v.suspect() ? OrderedJson(ToDisplayUtf8(v.reasons.front().reason)) : OrderedJson(nullptr)},
            {"note", v.Note() ? OrderedJson(ToDisplayUtf8(v.Note()->reason)) : OrderedJson(nullptr)},
            {"allowed", v.allowed}};
}

OrderedJson ClientJson(const AmuleFinding& af, std::string_view client) {
    const AmuleView& v = af.view;
    OrderedJson comments = OrderedJson::array();
    for (const AmuleComment& c : v.comments)
        comments.push_back({{"user", ToDisplayUtf8(c.user)},
                            {"file", ToDisplayUtf8(c.fileName)},
                            {"rating", c.rating},
                            {"comment", ToDisplayUtf8(c.text)}});
    return {{"name", client},
            {"state", AmuleStateName(v.state)},
            {"sources", v.sources},
            {"done", v.done},
            {"ratings", {{"fake", v.ratings[1]}, {"poor", v.ratings[2]}, {"fair", v.ratings[3]},
                         {"good", v.ratings[4]}, {"excellent", v.ratings[5]}}},
            {"comments", comments},
            {"paused", af.paused}};
}

OrderedJson LinkJson(const LinkFinding& f) {
    const bool read = f.link.has_value();
    return {{"line", f.line},
            {"name", read ? OrderedJson(ToDisplayUtf8(f.link->name)) : OrderedJson(nullptr)},
            {"size", read ? OrderedJson(f.link->size) : OrderedJson(nullptr)},
            {"hash", read ? OrderedJson(f.link->hash.ToHex()) : OrderedJson(nullptr)},
            {"fake", f.verdict.fake()},
            {"description", ToDisplayUtf8(f.verdict.entry.description)},
            {"list", NullOr(f.verdict.entry.listName)},
            {"suspect", NullOr(ReasonsText(f.verdict))},
            {"link", read ? OrderedJson(ToDisplayUtf8(f.link->Text())) : NullOr(f.raw)},
            {"error", NullOr(f.error)}};
}

std::string JsonDump(const OrderedJson& j, int indent) {
    std::string text = j.dump(indent);
    if (text.find('\xC2') == std::string::npos) return text;
    std::string out;
    out.reserve(text.size() + 16);
    for (size_t i = 0; i < text.size(); ++i) {
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (text[i] == '\xC2' && next >= 0x80 && next <= 0x9F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", next);
            out += escaped;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

void JsonArrayWriter::Add(const OrderedJson& element) {
    out_ += empty_ ? "[\n  " : ",\n  ";
    empty_ = false;
    // One level deeper than on its own: every line after the first two spaces more.
    // A string's own line ends are escaped, so each '\n' here ends a line of the layout.
    for (const char c : JsonDump(element, 2)) {
        out_ += c;
        if (c == '\n') out_ += "  ";
    }
}

}  // namespace kv
