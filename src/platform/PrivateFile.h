#pragma once

#include <expected>
#include <string>

namespace kv {

// A new file only its owner may read and write (a secret such as a token),
// made whole or not at all; refused when something is at path already.
// The error is the system's words.
std::expected<void, std::string> CreatePrivateFile(const std::string& path, const std::string& bytes);
// Whether users other than the owner may read the file at path.
bool ReadableByOthers(const std::string& path);

}  // namespace kv
