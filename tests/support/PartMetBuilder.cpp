#include "PartMetBuilder.h"

namespace kv::test {

namespace {

void PutLE(std::string& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string TagHead(uint8_t type, uint8_t id) {
    std::string out;
    out += static_cast<char>(type);
    PutLE(out, 1, 2);
    out += static_cast<char>(id);
    return out;
}

std::string Tags(const PartMetLayout& meta) {
    std::string name = meta.nameBom ? "\xEF\xBB\xBF" + meta.name : meta.name;
    std::string tags;
    uint32_t count = 0;
    for (int i = 0; i < meta.nameCopies; ++i, ++count) tags += TagString(0x01, name);
    tags += meta.size > 4290048000ULL ? TagU64(0x02, meta.size) : TagU32(0x02, static_cast<uint32_t>(meta.size));
    ++count;
    for (const auto& extra : meta.extraTags) {
        tags += extra;
        ++count;
    }
    std::string out;
    PutLE(out, count, 4);
    return out + tags;
}

}  // namespace

std::string TagString(uint8_t id, const std::string& value) {
    std::string out = TagHead(0x02, id);
    PutLE(out, value.size(), 2);
    return out + value;
}

std::string TagU32(uint8_t id, uint32_t value) {
    std::string out = TagHead(0x03, id);
    PutLE(out, value, 4);
    return out;
}

std::string TagU64(uint8_t id, uint64_t value) {
    std::string out = TagHead(0x0B, id);
    PutLE(out, value, 8);
    return out;
}

std::string TagU16(uint8_t id, uint16_t value) {
    std::string out = TagHead(0x08, id);
    PutLE(out, value, 2);
    return out;
}

std::string TagU8(uint8_t id, uint8_t value) {
    std::string out = TagHead(0x09, id);
    out += static_cast<char>(value);
    return out;
}

std::string BuildPartMet(const PartMetLayout& meta) {
    std::string out;
    out += static_cast<char>(meta.version);
    PutLE(out, meta.date, 4);
    out.append(reinterpret_cast<const char*>(meta.hash.data()), 16);
    PutLE(out, meta.partHashCount, 2);
    for (uint16_t i = 0; i < meta.partHashCount; ++i)
        for (int k = 0; k < 16; ++k) out += static_cast<char>((i * 16 + k) & 0xFF);
    return out + Tags(meta);
}

std::string BuildOldEdonkeyPartMet(const PartMetLayout& meta, bool zeroAtOffset1) {
    std::string out;
    out += static_cast<char>(meta.version);
    if (zeroAtOffset1) {
        PutLE(out, 0, 4);
    } else {
        out += '\x01';
        PutLE(out, meta.date, 4);
    }
    out.append(reinterpret_cast<const char*>(meta.hash.data()), 16);
    out.resize(24, '\0');
    out += std::string("\x00\x00\x02\x01", 4);
    return out + Tags(meta);
}

std::array<uint8_t, 16> SequentialHash(uint8_t seed) {
    std::array<uint8_t, 16> hash{};
    for (int i = 0; i < 16; ++i) hash[i] = static_cast<uint8_t>(seed + i);
    return hash;
}

}  // namespace kv::test
