#include "ed2k/MetTags.h"

namespace kv::met {

bool ByteReader::Le(size_t n, uint64_t& v) {
    if (Remaining() < n) return Exhaust();
    v = 0;
    for (size_t i = 0; i < n; ++i) v |= uint64_t(static_cast<uint8_t>(data_[pos_ + i])) << (8 * i);
    pos_ += n;
    return true;
}

bool ByteReader::U8(uint8_t& v) {
    uint64_t x;
    if (!Le(1, x)) return false;
    v = static_cast<uint8_t>(x);
    return true;
}
bool ByteReader::U16(uint16_t& v) {
    uint64_t x;
    if (!Le(2, x)) return false;
    v = static_cast<uint16_t>(x);
    return true;
}
bool ByteReader::U32(uint32_t& v) {
    uint64_t x;
    if (!Le(4, x)) return false;
    v = static_cast<uint32_t>(x);
    return true;
}
bool ByteReader::U64(uint64_t& v) { return Le(8, v); }

bool ByteReader::Bytes(size_t n, std::string_view& out) {
    if (Remaining() < n) return Exhaust();
    out = data_.substr(pos_, n);
    pos_ += n;
    return true;
}

bool ByteReader::Skip(size_t n) {
    if (Remaining() < n) return Exhaust();
    pos_ += n;
    return true;
}

namespace {

bool Fail(std::string* error, const char* text) {
    if (error) *error = text;
    return false;
}

bool Truncated(std::string* error) { return Fail(error, "it ends in the middle of a tag"); }

bool UnknownType(std::string* error, uint8_t type) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    if (error) *error = std::string("it holds a tag of unknown type 0x") + kDigits[type >> 4] + kDigits[type & 15];
    return false;
}

// The tag's name: one id byte in the short form, else a counted string that
// is an id when it is one byte long.
bool ReadName(ByteReader& in, uint8_t& type, Tag& tag) {
    if (!in.U8(type)) return false;
    if (type & 0x80) {
        type &= 0x7F;
        return in.U8(tag.id);
    }
    uint16_t nameLength;
    std::string_view name;
    if (!in.U16(nameLength) || !in.Bytes(nameLength, name)) return false;
    if (nameLength == 1) tag.id = static_cast<uint8_t>(name[0]);
    else tag.name = name;
    return true;
}

// A value of `width` bytes read as a little-endian number.
bool ReadNumber(ByteReader& in, size_t width, uint64_t& number) {
    std::string_view value;
    if (!in.Bytes(width, value)) return false;
    number = 0;
    for (size_t i = 0; i < width; ++i) number |= uint64_t(static_cast<uint8_t>(value[i])) << (8 * i);
    return true;
}

// A value whose length comes first, in a field of lengthWidth bytes.
bool ReadCounted(ByteReader& in, size_t lengthWidth, std::string_view& value) {
    uint64_t length;
    return ReadNumber(in, lengthWidth, length) && in.Bytes(static_cast<size_t>(length), value);
}

}  // namespace

bool ReadTag(ByteReader& in, Tag& tag, std::string* error) {
    tag = Tag{};
    uint8_t type = 0;
    if (!ReadName(in, type, tag)) return Truncated(error);
    tag.type = type;
    bool read = false;
    switch (type) {
        case kHash: read = in.Bytes(16, tag.bytes); break;
        case kString: read = ReadCounted(in, 2, tag.bytes); break;
        case kUint8: read = ReadNumber(in, 1, tag.number); break;
        case kUint16: read = ReadNumber(in, 2, tag.number); break;
        case kUint32: read = ReadNumber(in, 4, tag.number); break;
        case kUint64: read = ReadNumber(in, 8, tag.number); break;
        case kFloat32: read = in.Skip(4); break;
        case kBool: read = in.Skip(1); break;
        case kBoolArray: {
            uint16_t bits;
            read = in.U16(bits) && in.Skip(bits / 8 + 1u);
            break;
        }
        case kBlob: read = ReadCounted(in, 4, tag.bytes); break;
        case kBsob: read = ReadCounted(in, 1, tag.bytes); break;
        default:
            if (type < kStr1 || type > kStr16) return UnknownType(error, type);
            read = in.Bytes(type - kStr1 + 1u, tag.bytes);
            tag.type = kString;
    }
    return read || Truncated(error);
}

void PutU8(std::string& out, uint8_t v) { out.push_back(static_cast<char>(v)); }
void PutU16(std::string& out, uint16_t v) {
    for (int i = 0; i < 2; ++i) out.push_back(static_cast<char>(v >> (8 * i)));
}
void PutU32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(v >> (8 * i)));
}
void PutU64(std::string& out, uint64_t v) {
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>(v >> (8 * i)));
}

void PutShortIntTag(std::string& out, uint8_t id, uint64_t value) {
    if (value <= 0xFF) {
        PutU8(out, 0x80 | kUint8);
        PutU8(out, id);
        PutU8(out, static_cast<uint8_t>(value));
    } else if (value <= 0xFFFF) {
        PutU8(out, 0x80 | kUint16);
        PutU8(out, id);
        PutU16(out, static_cast<uint16_t>(value));
    } else if (value <= 0xFFFFFFFF) {
        PutU8(out, 0x80 | kUint32);
        PutU8(out, id);
        PutU32(out, static_cast<uint32_t>(value));
    } else {
        PutU8(out, 0x80 | kUint64);
        PutU8(out, id);
        PutU64(out, value);
    }
}

void PutShortStringTag(std::string& out, uint8_t id, std::string_view value) {
    const size_t n = value.size() > 0xFFFF ? 0xFFFF : value.size();
    if (n >= 1 && n <= 16) {
        PutU8(out, static_cast<uint8_t>(0x80 | (kStr1 + n - 1)));
        PutU8(out, id);
    } else {
        PutU8(out, 0x80 | kString);
        PutU8(out, id);
        PutU16(out, static_cast<uint16_t>(n));
    }
    out.append(value.substr(0, n));
}

void PutShortHashTag(std::string& out, uint8_t id, const uint8_t* sixteenBytes) {
    PutU8(out, 0x80 | kHash);
    PutU8(out, id);
    out.append(reinterpret_cast<const char*>(sixteenBytes), 16);
}

void PutLongStringTag(std::string& out, uint8_t id, std::string_view value) {
    const size_t n = value.size() > 0xFFFF ? 0xFFFF : value.size();
    PutU8(out, kString);
    PutU16(out, 1);
    PutU8(out, id);
    PutU16(out, static_cast<uint16_t>(n));
    out.append(value.substr(0, n));
}

void PutLongBlobTag(std::string& out, uint8_t id, std::string_view value) {
    PutU8(out, kBlob);
    PutU16(out, 1);
    PutU8(out, id);
    PutU32(out, static_cast<uint32_t>(value.size()));
    out.append(value);
}

std::string_view WithoutBom(std::string_view s) {
    if (s.starts_with("\xEF\xBB\xBF")) s.remove_prefix(3);
    return s;
}

std::string WithBomKept(std::string_view s) {
    return s.starts_with("\xEF\xBB\xBF") ? "\xEF\xBB\xBF" + std::string(s) : std::string(s);
}

}  // namespace kv::met
