#pragma once

#include <filesystem>
#include <string>

#ifdef _WIN32
#include "common/WindowsText.h"
#endif

namespace kv {

// A path for std::filesystem from the program's UTF-8 bytes, and back. On
// Windows its paths are UTF-16, and a plain std::string would be taken in the
// ANSI code page; elsewhere the bytes pass as they are.
inline std::filesystem::path FsPath(const std::string& utf8) {
#ifdef _WIN32
    return std::filesystem::path(win::Wide(utf8));
#else
    return std::filesystem::path(utf8);
#endif
}

inline std::string PathText(const std::filesystem::path& path) {
#ifdef _WIN32
    return win::Utf8(path.native());
#else
    return path.string();
#endif
}

}  // namespace kv
