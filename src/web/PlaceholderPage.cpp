// Stands in until the page is built into the program (src/web/page/ then
// provides PageAsset): a line pointing at the API.
#include "web/PageAsset.h"

namespace kv::web {

std::optional<PageFile> PageAsset(std::string_view path) {
    if (path != "/") return std::nullopt;
    return PageFile{"<!doctype html><meta charset=utf-8><title>Kestrivane</title>"
                    "<p>Kestrivane is serving: <a href=/api/v1/findings>/api/v1/findings</a></p>\n",
                    "text/html; charset=utf-8"};
}

}  // namespace kv::web
