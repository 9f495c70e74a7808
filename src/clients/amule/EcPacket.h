#pragma once

#include <cstddef>
#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The packets of aMule's External Connections: an 8-byte header (flags,
// body length, both big-endian), then a body of an opcode and a tag tree,
// deflated when the flags say so. The reader takes nothing a server says on
// trust: every length is checked against the bytes there are, nesting and
// tag count are bounded, and inflating stops at a cap.
namespace kv::ec {

struct EcTag {
    uint16_t name = 0;
    uint8_t type = 0;
    std::string data;  // own data, as sent (numbers big-endian)
    std::vector<EcTag> children;

    bool operator==(const EcTag&) const = default;

    // A number of any width (1, 2, 4 or 8 bytes of an integer type).
    std::optional<uint64_t> Int() const;
    // A string tag's text without its terminating NUL.
    std::string Text() const;
    const EcTag* Child(uint16_t childName) const;
};

struct Packet {
    uint8_t opcode = 0;
    std::vector<EcTag> tags;

    bool operator==(const Packet&) const = default;
    const EcTag* Tag(uint16_t tagName) const;
};

inline constexpr size_t kHeaderSize = 8;

struct ReadLimits {
    size_t maxBody = 64u << 20;      // on the wire and after inflating
    size_t maxDepth = 16;            // aMule nests four deep at most
    size_t maxTags = 1u << 20;
};

enum class EcErrorCode {
    Truncated,       // fewer bytes than a length or a header promised
    BadFlags,        // 0x20 missing, 0x40 set, or a flag never asked for
    TooLarge,        // body or inflated body over the cap
    TooDeep,
    TooManyTags,
    BadLength,       // a tag's length shorter than its children
    TrailingBytes,   // bytes after the last tag
    Inflate,         // zlib data that does not inflate
};

struct EcError {
    EcErrorCode code;
    size_t offset = 0;  // in the (inflated) body where it went wrong
    bool operator==(const EcError&) const = default;
};

const char* Describe(EcErrorCode code);

struct Header {
    uint32_t flags = 0;
    uint32_t bodyLength = 0;
};

// The 8 header bytes; BadFlags or TooLarge before a byte of the body is read.
std::expected<Header, EcError> ReadHeader(std::string_view header, const ReadLimits& limits = {});

// A body as the header described it (deflated when flags hold kFlagZlib).
std::expected<Packet, EcError> ReadBody(uint32_t flags, std::string_view body, const ReadLimits& limits = {});

// A whole packet, header and body, and nothing after it.
std::expected<Packet, EcError> ReadPacket(std::string_view bytes, const ReadLimits& limits = {});

// Header and body; deflated when compress is set.
std::string WritePacket(const Packet& packet, bool compress = false);

// Tags as aMule builds them: numbers in the smallest width that holds them.
EcTag IntTag(uint16_t name, uint64_t value);
EcTag StringTag(uint16_t name, std::string_view text);  // NUL-terminated on the wire
EcTag HashTag(uint16_t name, std::string_view sixteenBytes);
EcTag EmptyTag(uint16_t name);

}  // namespace kv::ec
