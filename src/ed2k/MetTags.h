#pragma once

// The clients' tagged binary encoding (the one .part.met, known.met,
// SearchSpam.met and collections share), read from bytes in memory with every
// length checked against what is left.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kv::met {

enum TagType : uint8_t {
    kHash = 0x01,
    kString = 0x02,
    kUint32 = 0x03,
    kFloat32 = 0x04,
    kBool = 0x05,
    kBoolArray = 0x06,
    kBlob = 0x07,
    kUint16 = 0x08,
    kUint8 = 0x09,
    kBsob = 0x0A,
    kUint64 = 0x0B,
    kStr1 = 0x11,
    kStr16 = 0x20,
};

// Little-endian reads that fail, instead of running past the end. A read
// that does not fit leaves the reader at the end, so callers can tell a
// truncated file (AtEnd) from a malformed one.
class ByteReader {
public:
    explicit ByteReader(std::string_view data) : data_(data) {}

    size_t Remaining() const { return data_.size() - pos_; }
    size_t Position() const { return pos_; }
    bool AtEnd() const { return pos_ == data_.size(); }

    bool U8(uint8_t& v);
    bool U16(uint16_t& v);
    bool U32(uint32_t& v);
    bool U64(uint64_t& v);
    bool Bytes(size_t n, std::string_view& out);
    bool Skip(size_t n);

private:
    bool Le(size_t n, uint64_t& v);
    bool Exhaust() {
        pos_ = data_.size();
        return false;
    }
    std::string_view data_;
    size_t pos_ = 0;
};

// One tag, its name and value views into the bytes read: reading a tag
// allocates nothing, so a walk over a large .met costs what its bytes cost.
struct Tag {
    uint8_t type = 0;         // with the short-form bit cleared; short strings become kString
    uint8_t id = 0;           // 0 when the tag is named by a string
    std::string_view name;    // the string name of a long-form tag (empty for one-byte ids)
    uint64_t number = 0;      // integer tags
    std::string_view bytes;   // string, hash (16 bytes), blob and bsob values

    bool IsInt() const { return type == kUint8 || type == kUint16 || type == kUint32 || type == kUint64; }
    bool IsString() const { return type == kString; }
    bool IsHash() const { return type == kHash && bytes.size() == 16; }
};

// Reads one tag as the clients do: a long-form name of one byte is an id,
// short strings may come in either form, a bool array of n bits takes
// n/8 + 1 bytes (eMule 0.42e on; aMule skips the same). Unknown types make
// the rest unreadable, so they fail too; on failure `error` says why, for a
// person.
bool ReadTag(ByteReader& in, Tag& tag, std::string* error = nullptr);

// eMule may write a string tag's UTF-8 with a byte-order mark in front: the
// reader drops one, so a string that itself starts with one is written with
// another in front.
std::string_view WithoutBom(std::string_view s);
std::string WithBomKept(std::string_view s);

// Writers, so that tests and round trips build files the way the clients do.
void PutU8(std::string& out, uint8_t v);
void PutU16(std::string& out, uint16_t v);
void PutU32(std::string& out, uint32_t v);
void PutU64(std::string& out, uint64_t v);

// eMule's "new" tags: short form (0x80 | type, one-byte id), integers in the
// smallest type that holds them, strings of 1..16 bytes as short strings.
void PutShortIntTag(std::string& out, uint8_t id, uint64_t value);
void PutShortStringTag(std::string& out, uint8_t id, std::string_view value);
void PutShortHashTag(std::string& out, uint8_t id, const uint8_t* sixteenBytes);

// The old long form with a one-byte name (type, uint16 1, id), as eMule writes
// a collection's header.
void PutLongStringTag(std::string& out, uint8_t id, std::string_view value);
void PutLongBlobTag(std::string& out, uint8_t id, std::string_view value);

}  // namespace kv::met
