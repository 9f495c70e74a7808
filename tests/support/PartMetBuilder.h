#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kv::test {

// Tags in the long form the clients write: type, 2-byte name length, name, value.
std::string TagString(uint8_t id, const std::string& value);
std::string TagU32(uint8_t id, uint32_t value);
std::string TagU64(uint8_t id, uint64_t value);
std::string TagU16(uint8_t id, uint16_t value);
std::string TagU8(uint8_t id, uint8_t value);
// A gap tag: string-named "\x09<index>" (start, first missing byte) or
// "\x0A<index>" (end, exclusive), value uint32 or with wide uint64.
std::string TagGap(bool start, int index, uint64_t value, bool wide);

// A download as eMule or aMule keeps it in NNN.part.met.
struct PartMetLayout {
    uint8_t version = 0xE0;              // 0xE2 for files over 4,290,048,000 bytes
    uint32_t date = 0x65A1B2C3;          // little-endian on disk, before the hash
    std::array<uint8_t, 16> hash{};
    uint16_t partHashCount = 0;          // that many 16-byte part hashes follow
    std::string name;
    int nameCopies = 1;                  // aMule writes the name tag twice
    bool nameBom = false;                // eMule: EF BB BF before a non-ASCII name
    uint64_t size = 0;                   // uint32 tag up to 4,290,048,000, uint64 above
    std::vector<std::string> extraTags;  // appended after the size tag
};

// version, date, hash, part hashes, tag count, name tag(s), size tag, extra tags.
std::string BuildPartMet(const PartMetLayout& meta);

// The older eDonkey layout: meta.version (0xE0 or 0xE1); with zeroAtOffset1
// bytes 1..4 are 0 and the hash stands at offset 5, otherwise a date at
// offset 2 and the hash at offset 6; bytes 24..27 hold 00 00 02 01; the tags
// (name, size, extras) follow after a tag count.
std::string BuildOldEdonkeyPartMet(const PartMetLayout& meta, bool zeroAtOffset1);

// A hash whose bytes are seed, seed+1, ... (mod 256).
std::array<uint8_t, 16> SequentialHash(uint8_t seed);

}  // namespace kv::test
