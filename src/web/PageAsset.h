#pragma once

#include <optional>
#include <string_view>

namespace kv::web {

struct PageFile {
    std::string_view bytes;
    std::string_view contentType;
};

// The page's files, built into the program: "/" is the page itself, the rest
// are under "/assets/". nullopt for any other path.
std::optional<PageFile> PageAsset(std::string_view path);

}  // namespace kv::web
