#include "ed2k/LinkText.h"

#include "ed2k/Ed2kLink.h"

namespace kv {

namespace {

Ed2kLink LinkOf(const Download& d) {
    Ed2kLink link;
    link.name = d.name;
    link.size = d.size;
    if (d.hash) link.hash = *d.hash;
    return link;
}

// A download without a hash (its .met could not be read) still gets a link
// naming what is known, with the hash field empty.
std::string WithoutHash(std::string text) {
    const std::string zeros = "|" + std::string(32, '0') + "|";
    const size_t at = text.rfind(zeros);
    if (at != std::string::npos) text.replace(at, zeros.size(), "||");
    return text;
}

}  // namespace

std::string LinkFor(const Download& d) {
    const std::string text = LinkOf(d).Text();
    return d.hash ? text : WithoutHash(text);
}

std::string LinkHtmlFor(const Download& d) {
    const std::string text = LinkOf(d).HtmlAnchor();
    return d.hash ? text : WithoutHash(text);
}

}  // namespace kv
