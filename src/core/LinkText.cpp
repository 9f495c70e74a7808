#include "core/LinkText.h"

namespace kv {

namespace {

std::string HashTextOf(const Download& d) { return d.hash ? d.hash->ToHex() : std::string(); }

}  // namespace

std::string LinkFor(const Download& d) {
    return "ed2k://|file|" + d.name + "|" + std::to_string(d.size) + "|" + HashTextOf(d) + "|/";
}

std::string LinkHtmlFor(const Download& d) {
    return "<a href=\"ed2k://|file|" + d.name + "|" + std::to_string(d.size) + "|" + HashTextOf(d) + "|\">" + d.name +
           "</a>";
}

}  // namespace kv
