#pragma once

// The page's files as the build embedded them (cmake/EmbedPage.cmake).

#include <span>
#include <string_view>

namespace kv::web {

struct EmbeddedFile {
    std::string_view name;  // "kestrivane.js"
    std::string_view bytes;
};

std::span<const EmbeddedFile> EmbeddedFiles();

}  // namespace kv::web
