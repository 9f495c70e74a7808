#include "PartMetBuilder.h"

namespace kv::test {

namespace {

std::string LE(uint64_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

// A long-form tag with a one-byte name (its id) and a value of `bytes` bytes.
std::string Tag(uint8_t type, uint8_t id, uint64_t value, int bytes) {
    return std::string(1, static_cast<char>(type)) + LE(1, 2) + static_cast<char>(id) + LE(value, bytes);
}

std::string Tags(const PartMetLayout& meta) {
    const std::string name = meta.nameBom ? "\xEF\xBB\xBF" + meta.name : meta.name;
    std::string tags;
    for (int i = 0; i < meta.nameCopies; ++i) tags += TagString(0x01, name);
    tags += meta.size > 4290048000ULL ? TagU64(0x02, meta.size) : TagU32(0x02, static_cast<uint32_t>(meta.size));
    for (const auto& extra : meta.extraTags) tags += extra;
    return LE(meta.nameCopies + 1 + meta.extraTags.size(), 4) + tags;
}

}  // namespace

std::string TagString(uint8_t id, const std::string& value) { return Tag(0x02, id, value.size(), 2) + value; }
std::string TagU32(uint8_t id, uint32_t value) { return Tag(0x03, id, value, 4); }
std::string TagU64(uint8_t id, uint64_t value) { return Tag(0x0B, id, value, 8); }
std::string TagU16(uint8_t id, uint16_t value) { return Tag(0x08, id, value, 2); }
std::string TagU8(uint8_t id, uint8_t value) { return Tag(0x09, id, value, 1); }

std::string TagGap(bool start, int index, uint64_t value, bool wide) {
    std::string name(1, start ? '\x09' : '\x0A');
    name += std::to_string(index);
    return std::string(1, wide ? '\x0B' : '\x03') + LE(name.size(), 2) + name + LE(value, wide ? 8 : 4);
}

std::string BuildPartMet(const PartMetLayout& meta) {
    std::string out = static_cast<char>(meta.version) + LE(meta.date, 4);
    out.append(reinterpret_cast<const char*>(meta.hash.data()), 16);
    out += LE(meta.partHashCount, 2);
    for (int i = 0; i < meta.partHashCount * 16; ++i) out += static_cast<char>(i & 0xFF);
    return out + Tags(meta);
}

std::string BuildOldEdonkeyPartMet(const PartMetLayout& meta, bool zeroAtOffset1) {
    std::string out(1, static_cast<char>(meta.version));
    if (zeroAtOffset1) {
        out += LE(0, 4);
    } else {
        out += '\x01';
        out += LE(meta.date, 4);
    }
    out.append(reinterpret_cast<const char*>(meta.hash.data()), 16);
    out.resize(24, '\0');
    return out + std::string("\x00\x00\x02\x01", 4) + Tags(meta);
}

std::array<uint8_t, 16> SequentialHash(uint8_t seed) {
    std::array<uint8_t, 16> hash{};
    for (int i = 0; i < 16; ++i) hash[i] = static_cast<uint8_t>(seed + i);
    return hash;
}

}  // namespace kv::test
