#pragma once

#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ed2k/Ed2kHash.h"

namespace kv {

// An ed2k file link: ed2k://|file|NAME|SIZE|HASH|[p=…|][h=…|][s=…|]/[|sources,…|/]
struct Ed2kLink {
    // The name's bytes after percent-decoding, with '/' turned into '_'. No
    // character set is assumed: eMule links carry UTF-8, older or hand-made
    // ones Latin-1; the display converts (kv::ToDisplayUtf8).
    std::string name;
    uint64_t size = 0;
    Ed2kHash hash;
    std::vector<Ed2kHash> partHashes;   // p=, empty when absent or unreadable
    std::string aich;                   // h=, 32 base32 digits upper-case, or empty
    std::vector<std::string> urls;      // s=
    std::vector<std::string> sources;   // "host:port" from the |sources,…| part

    // Anything that is not a well-formed file link: what is wrong, for a person.
    [[nodiscard]] static std::expected<Ed2kLink, std::string> Parse(std::string_view text);

    // ed2k://|file|NAME|SIZE|HASH|/ with '%', '|' and control bytes of the
    // name percent-encoded; every other byte is kept as it is.
    std::string Text() const;

    // <a href="ed2k://|file|NAME|SIZE|HASH|">NAME</a>, HTML-escaped.
    std::string HtmlAnchor() const;
};

// A magnet link carrying xt=urn:ed2k:HASH (xl= size, dn= name). What is wrong
// when it has no ed2k hash (a BitTorrent magnet) or no usable size or name.
[[nodiscard]] std::expected<Ed2kLink, std::string> ParseMagnet(std::string_view text);

// Files larger than this are refused by both clients.
inline constexpr uint64_t kMaxEd2kFileSize = 256ULL << 30;

}  // namespace kv
