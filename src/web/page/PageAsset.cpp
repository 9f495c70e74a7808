#include "web/PageAsset.h"

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/QmCatalog.h"
#include "web/page/EmbeddedFiles.h"
#include "web/page/PageTexts.h"

namespace kv::web {

namespace {

constexpr std::string_view kJson = "application/json; charset=utf-8";

std::string_view ContentType(std::string_view name) {
    struct Type { std::string_view extension, type; };
    static constexpr Type kTypes[] = {{".html", "text/html; charset=utf-8"},
                                      {".css", "text/css; charset=utf-8"},
                                      {".js", "text/javascript; charset=utf-8"},
                                      {".png", "image/png"}};
    for (const Type& t : kTypes)
        if (name.ends_with(t.extension)) return t.type;
    return "application/octet-stream";
}

std::optional<PageFile> File(std::string_view name) {
    for (const EmbeddedFile& file : EmbeddedFiles())
        if (file.name == name) return PageFile{file.bytes, ContentType(name)};
    return std::nullopt;
}

// The page's texts in one language, from the command line's built-in catalogue
// of it; English maps each text to itself. Made once, on first asking.
constexpr std::array<std::string_view, 5> kLanguages = {"en", "de", "fr", "es", "it"};

std::string TextsJson(std::string_view language) {
    const cli::QmCatalog catalog(cli::BuiltInCatalog(language));
    nlohmann::ordered_json texts = nlohmann::ordered_json::object();
    for (const char* source : PageTexts()) texts[source] = catalog.Translate("Page", source);
    return texts.dump();
}

std::optional<PageFile> Texts(std::string_view language) {
    static const std::array<std::string, kLanguages.size()> kJsons = [] {
        std::array<std::string, kLanguages.size()> jsons;
        for (size_t i = 0; i < kLanguages.size(); ++i) jsons[i] = TextsJson(kLanguages[i]);
        return jsons;
    }();
    const auto at = std::ranges::find(kLanguages, language);
    if (at == kLanguages.end()) return std::nullopt;
    return PageFile{kJsons[static_cast<size_t>(at - kLanguages.begin())], kJson};
}

}  // namespace

std::optional<PageFile> PageAsset(std::string_view path) {
    path = path.substr(0, path.find_first_of("?#"));
    if (path == "/" || path == "/index.html") return File("index.html");
    constexpr std::string_view kAssets = "/assets/";
    if (!path.starts_with(kAssets)) return std::nullopt;
    const std::string_view name = path.substr(kAssets.size());
    constexpr std::string_view kTexts = "texts/", kJsonEnd = ".json";
    if (name.starts_with(kTexts) && name.ends_with(kJsonEnd))
        return Texts(name.substr(kTexts.size(), name.size() - kTexts.size() - kJsonEnd.size()));
    return File(name);
}

}  // namespace kv::web
