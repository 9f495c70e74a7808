#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kv {

// MD5 (RFC 1321). eMule salts its cancelled-downloads list with it; that is
// the only use, so a one-shot function is enough.
using Md5Digest = std::array<uint8_t, 16>;

Md5Digest Md5(std::string_view bytes);

}  // namespace kv
