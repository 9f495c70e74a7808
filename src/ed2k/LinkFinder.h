#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ed2k/Ed2kLink.h"

namespace kv {

// One link found in a text, read or not.
struct LinkCandidate {
    size_t line = 0;                // from 1
    std::string raw;                // as it stood in the text
    std::optional<Ed2kLink> link;   // set when it could be read
    std::string error;              // why not, otherwise

    bool ok() const { return link.has_value(); }
};

// Lines longer than this are not searched (reported as one failed candidate).
inline constexpr size_t kMaxLinkLineLength = 64 * 1024;

// Every ed2k file link and every magnet link with an ed2k hash in `text`:
// one per line, or inside an HTML page or a forum post. A link in a quoted
// attribute (href="…") ends at the closing quote and has its HTML entities
// decoded. Server, server-list, nodes-list and search links and magnets
// without an ed2k hash are not file links and are left out. Linear in the
// input.
std::vector<LinkCandidate> FindLinks(std::string_view text);

// The same links handed over one by one as they are read, without a copy of
// each: raw is a view into text (for a line too long to search: its first 80
// bytes), error is empty when link is set.
class LinkSink {
public:
    virtual ~LinkSink() = default;
    virtual void Found(size_t line, std::string_view raw, std::optional<Ed2kLink>&& link, std::string&& error) = 0;
};
void FindLinks(std::string_view text, LinkSink& sink);

}  // namespace kv
