#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kv {

// What one .part.met yields.
struct PartMetInfo {
    bool hasName = false;  // the name tag was found
    std::string fileName;  // bytes as stored, a leading UTF-8 byte-order mark dropped
    std::string hashText;  // 32 lower-case hex digits, or "" when there is no hash
    bool hasSize = false;
    int64_t fileSize = 0;
};

// Files larger than this are no .part.met and are not read.
inline constexpr uint64_t kMaxPartMetBytes = uint64_t{64} * 1024 * 1024;

// Takes name, hash and size out of the bytes of a .part.met.
PartMetInfo ParsePartMet(std::string_view bytes);

// The download's name cut out of a .part.met's bytes ("" when it has none); the
// same rule ParsePartMet uses, for the text search.
std::string CutPartMetName(std::string_view bytes);

// Reads the file at path. hashText is always rewritten; fileName and fileSize
// only when their value could be taken (an unreadable file gives size 0).
void ReadPartMet(const std::string& path, std::string& fileName, std::string& hashText,
                 int64_t& fileSize);

}  // namespace kv
