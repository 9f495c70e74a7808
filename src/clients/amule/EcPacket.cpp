#include "clients/amule/EcPacket.h"

#include <zlib.h>

#include <algorithm>

#include "clients/amule/EcCodes.h"

namespace kv::ec {
namespace {

constexpr size_t kTagHeaderSize = 7;  // name u16, type u8, length u32

uint64_t BigEndian(std::string_view bytes) {
    uint64_t value = 0;
    for (const unsigned char c : bytes) value = (value << 8) | c;
    return value;
}

void PutBigEndian(std::string& out, uint64_t value, int width) {
    for (int i = width - 1; i >= 0; --i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

class TagReader {
public:
    TagReader(std::string_view body, const ReadLimits& limits) : body_(body), limits_(limits) {}

    std::expected<Packet, EcError> Read() {
        Packet packet;
        if (body_.size() < 3) return Fail(EcErrorCode::Truncated);
        packet.opcode = static_cast<uint8_t>(body_[0]);
        const auto count = static_cast<size_t>(BigEndian(body_.substr(1, 2)));
        pos_ = 3;
        if (auto read = ReadList(count, 0, packet.tags); !read) return std::unexpected(read.error());
        if (pos_ != body_.size()) return Fail(EcErrorCode::TrailingBytes);
        return packet;
    }

private:
    std::unexpected<EcError> Fail(EcErrorCode code) const { return std::unexpected(EcError{code, pos_}); }

    std::expected<void, EcError> ReadList(size_t count, size_t depth, std::vector<EcTag>& out) {
        if (depth >= limits_.maxDepth) return Fail(EcErrorCode::TooDeep);
        // Every tag takes at least a header: a count the bytes cannot hold is a lie.
        if (count > (body_.size() - pos_) / kTagHeaderSize) return Fail(EcErrorCode::Truncated);
        out.reserve(count);
        for (size_t i = 0; i < count; ++i) {
            if (++tags_ > limits_.maxTags) return Fail(EcErrorCode::TooManyTags);
            out.emplace_back();
            if (auto read = ReadTag(depth, out.back()); !read) return read;
        }
        return {};
    }

    std::expected<void, EcError> ReadTag(size_t depth, EcTag& tag) {
        if (body_.size() - pos_ < kTagHeaderSize) return Fail(EcErrorCode::Truncated);
        const auto nameField = static_cast<uint16_t>(BigEndian(body_.substr(pos_, 2)));
        tag.name = nameField >> 1;
        tag.type = static_cast<uint8_t>(body_[pos_ + 2]);
        const uint64_t length = BigEndian(body_.substr(pos_ + 3, 4));
        pos_ += kTagHeaderSize;
        const size_t childrenStart = pos_;
        if (nameField & 1) {
            if (body_.size() - pos_ < 2) return Fail(EcErrorCode::Truncated);
            const auto count = static_cast<size_t>(BigEndian(body_.substr(pos_, 2)));
            pos_ += 2;
            if (auto read = ReadList(count, depth + 1, tag.children); !read) return read;
        }
        // The length counts the children with their headers, not this tag's own child count.
        const size_t childrenLength = pos_ - childrenStart - ((nameField & 1) ? 2 : 0);
        if (length < childrenLength) return Fail(EcErrorCode::BadLength);
        const uint64_t dataLength = length - childrenLength;
        if (dataLength > body_.size() - pos_) return Fail(EcErrorCode::Truncated);
        tag.data.assign(body_.substr(pos_, static_cast<size_t>(dataLength)));
        pos_ += static_cast<size_t>(dataLength);
        return {};
    }

    std::string_view body_;
    const ReadLimits& limits_;
    size_t pos_ = 0;
    size_t tags_ = 0;
};

std::expected<std::string, EcError> Inflate(std::string_view deflated, size_t cap) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return std::unexpected(EcError{EcErrorCode::Inflate, 0});
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(deflated.data()));
    z.avail_in = static_cast<uInt>(deflated.size());
    std::string out;
    char chunk[16384];
    int status = Z_OK;
    while (status == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(chunk);
        z.avail_out = sizeof chunk;
        status = inflate(&z, Z_NO_FLUSH);
        const size_t produced = sizeof chunk - z.avail_out;
        if (out.size() + produced > cap) {
            inflateEnd(&z);
            return std::unexpected(EcError{EcErrorCode::TooLarge, out.size()});
        }
        out.append(chunk, produced);
    }
    const size_t consumed = deflated.size() - z.avail_in;
    inflateEnd(&z);
    if (status != Z_STREAM_END) return std::unexpected(EcError{EcErrorCode::Inflate, consumed});
    if (consumed != deflated.size()) return std::unexpected(EcError{EcErrorCode::TrailingBytes, consumed});
    return out;
}

std::string Deflate(std::string_view bytes) {
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::string out(size, '\0');
    compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(bytes.data()),
             static_cast<uLong>(bytes.size()));
    out.resize(size);
    return out;
}

// Own data plus every child with its header (and a child's own child count).
uint64_t TagLength(const EcTag& tag) {
    uint64_t length = tag.data.size();
    for (const EcTag& child : tag.children)
        length += kTagHeaderSize + (child.children.empty() ? 0 : 2) + TagLength(child);
    return length;
}

void WriteTag(std::string& out, const EcTag& tag) {
    const bool hasChildren = !tag.children.empty();
    PutBigEndian(out, static_cast<uint16_t>(tag.name << 1) | (hasChildren ? 1 : 0), 2);
    out.push_back(static_cast<char>(tag.type));
    PutBigEndian(out, TagLength(tag), 4);
    if (hasChildren) {
        PutBigEndian(out, tag.children.size(), 2);
        for (const EcTag& child : tag.children) WriteTag(out, child);
    }
    out += tag.data;
}

}  // namespace

const char* Describe(EcErrorCode code) {
    switch (code) {
        case EcErrorCode::Truncated: return "truncated packet";
        case EcErrorCode::BadFlags: return "unexpected packet flags";
        case EcErrorCode::TooLarge: return "packet too large";
        case EcErrorCode::TooDeep: return "tags nested too deep";
        case EcErrorCode::TooManyTags: return "too many tags";
        case EcErrorCode::BadLength: return "tag length shorter than its children";
        case EcErrorCode::TrailingBytes: return "bytes after the last tag";
        case EcErrorCode::Inflate: return "compressed body does not inflate";
    }
    return "malformed packet";
}

std::optional<uint64_t> EcTag::Int() const {
    if (type < TypeUint8 || type > TypeUint64) return std::nullopt;
    if (data.size() != 1 && data.size() != 2 && data.size() != 4 && data.size() != 8) return std::nullopt;
    return BigEndian(data);
}

std::string EcTag::Text() const {
    const size_t end = data.find('\0');
    return end == std::string::npos ? data : data.substr(0, end);
}

const EcTag* EcTag::Child(uint16_t childName) const {
    const auto it = std::ranges::find(children, childName, &EcTag::name);
    return it == children.end() ? nullptr : &*it;
}

const EcTag* Packet::Tag(uint16_t tagName) const {
    const auto it = std::ranges::find(tags, tagName, &EcTag::name);
    return it == tags.end() ? nullptr : &*it;
}

std::expected<Header, EcError> ReadHeader(std::string_view header, const ReadLimits& limits) {
    if (header.size() < kHeaderSize) return std::unexpected(EcError{EcErrorCode::Truncated, 0});
    Header h{static_cast<uint32_t>(BigEndian(header.substr(0, 4))),
             static_cast<uint32_t>(BigEndian(header.substr(4, 4)))};
    // Never asked for UTF-8 numbers nor anything newer: a server that sends them is not talking to us.
    if ((h.flags & ~kFlagZlib) != kFlagBase) return std::unexpected(EcError{EcErrorCode::BadFlags, 0});
    if (h.bodyLength > limits.maxBody) return std::unexpected(EcError{EcErrorCode::TooLarge, 4});
    return h;
}

std::expected<Packet, EcError> ReadBody(uint32_t flags, std::string_view body, const ReadLimits& limits) {
    if (!(flags & kFlagZlib)) return TagReader(body, limits).Read();
    auto inflated = Inflate(body, limits.maxBody);
    if (!inflated) return std::unexpected(inflated.error());
    return TagReader(*inflated, limits).Read();
}

std::expected<Packet, EcError> ReadPacket(std::string_view bytes, const ReadLimits& limits) {
    auto header = ReadHeader(bytes, limits);
    if (!header) return std::unexpected(header.error());
    const std::string_view body = bytes.substr(kHeaderSize);
    if (body.size() < header->bodyLength) return std::unexpected(EcError{EcErrorCode::Truncated, body.size()});
    if (body.size() > header->bodyLength)
        return std::unexpected(EcError{EcErrorCode::TrailingBytes, header->bodyLength});
    return ReadBody(header->flags, body, limits);
}

std::string WritePacket(const Packet& packet, bool compress) {
    std::string body;
    body.push_back(static_cast<char>(packet.opcode));
    PutBigEndian(body, packet.tags.size(), 2);
    for (const EcTag& tag : packet.tags) WriteTag(body, tag);
    if (compress) body = Deflate(body);
    std::string out;
    PutBigEndian(out, kFlagBase | (compress ? kFlagZlib : 0), 4);
    PutBigEndian(out, body.size(), 4);
    return out + body;
}

EcTag IntTag(uint16_t name, uint64_t value) {
    const int width = value <= 0xFF ? 1 : value <= 0xFFFF ? 2 : value <= 0xFFFFFFFFu ? 4 : 8;
    const uint8_t type = width == 1 ? TypeUint8 : width == 2 ? TypeUint16 : width == 4 ? TypeUint32 : TypeUint64;
    EcTag tag{name, type, {}, {}};
    PutBigEndian(tag.data, value, width);
    return tag;
}

EcTag StringTag(uint16_t name, std::string_view text) {
    EcTag tag{name, TypeString, std::string(text), {}};
    tag.data.push_back('\0');
    return tag;
}

EcTag HashTag(uint16_t name, std::string_view sixteenBytes) {
    return EcTag{name, TypeHash16, std::string(sixteenBytes), {}};
}

EcTag EmptyTag(uint16_t name) { return EcTag{name, TypeCustom, {}, {}}; }

}  // namespace kv::ec
