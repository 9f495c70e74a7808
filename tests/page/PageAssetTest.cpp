// The page as the program serves it: its files, their types, its texts in
// each language, and the rules that keep a hostile name from becoming markup.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <string>

#include "web/PageAsset.h"
#include "web/page/PageTexts.h"

namespace kv::web {
namespace {

std::string Bytes(std::string_view path) {
    const auto asset = PageAsset(path);
    return asset ? std::string(asset->bytes) : std::string();
}

std::set<std::string> Matches(const std::string& text, const std::regex& pattern) {
    std::set<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it) found.insert((*it)[1]);
    return found;
}

TEST(PageAsset, ServesEachFileWithItsTypeAndNothingElse) {
    struct Case { const char* path; const char* type; };
    for (const Case& c : {Case{"/", "text/html; charset=utf-8"}, Case{"/?token=x", "text/html; charset=utf-8"},
                          Case{"/assets/kestrivane.js", "text/javascript; charset=utf-8"},
                          Case{"/assets/kestrivane.css", "text/css; charset=utf-8"},
                          Case{"/assets/icon.png", "image/png"},
                          Case{"/assets/texts/de.json", "application/json; charset=utf-8"}}) {
        const auto asset = PageAsset(c.path);
        ASSERT_TRUE(asset) << c.path;
        EXPECT_EQ(asset->contentType, c.type) << c.path;
        EXPECT_FALSE(asset->bytes.empty()) << c.path;
    }
    EXPECT_TRUE(Bytes("/assets/icon.png").starts_with("\x89PNG"));
    for (const char* path : {"", "/index.htm", "/assets/", "/assets/../index.html", "/assets/texts/xx.json",
                             "/assets/texts/de", "/assets/texts/.json", "/api/v1/findings", "/assets/kestrivane.js/"})
        EXPECT_FALSE(PageAsset(path)) << path;
}

// What keeps the page under "Content-Security-Policy: default-src 'self'" and
// every name from a download or a list text, never markup.
TEST(PageAsset, HoldsToTheContentPolicyAndWritesNoMarkupFromData) {
    const std::string html = Bytes("/");
    EXPECT_TRUE(Matches(html, std::regex(R"(<script(?![^>]*\bsrc=)[^>]*>)")).empty()) << "an inline script";
    EXPECT_TRUE(Matches(html, std::regex(R"(<style)")).empty()) << "an inline style";
    EXPECT_TRUE(Matches(html, std::regex(R"(\s(on\w+|style)=)")).empty()) << "an inline handler or style";
    EXPECT_TRUE(Matches(html, std::regex(R"((?:src|href)="(?!/|#)([^"]*))")).empty()) << "a file from elsewhere";
    const std::string script = Bytes("/assets/kestrivane.js");
    for (const char* markup : {"innerHTML", "outerHTML", "insertAdjacentHTML", "document.write", "eval(",
                               "new Function", "setTimeout(\"", "http://", "https://"})
        EXPECT_EQ(script.find(markup), std::string::npos) << markup;
    const std::string style = Bytes("/assets/kestrivane.css");
    EXPECT_EQ(style.find("url("), std::string::npos);
    EXPECT_EQ(style.find("@import"), std::string::npos);
}

// Every text the page words is in the catalogues, and the catalogues hold no
// text the page does not use; each language's JSON has every one of them.
TEST(PageAsset, EveryTextOfThePageIsTranslatedInEachLanguage) {
    std::set<std::string> used = Matches(Bytes("/"), std::regex(R"(data-t(?:-label)?="([^"]*)\")"));
    used.merge(Matches(Bytes("/assets/kestrivane.js"), std::regex(R"(\b[tN]\("((?:[^"\\]|\\.)*)\")")));
    const std::set<std::string> listed(PageTexts().begin(), PageTexts().end());
    EXPECT_EQ(used, listed);

    for (const char* language : {"en", "de", "fr", "es", "it"}) {
        const auto texts = nlohmann::json::parse(Bytes(std::string("/assets/texts/") + language + ".json"));
        ASSERT_TRUE(texts.is_object()) << language;
        EXPECT_EQ(texts.size(), listed.size()) << language;
        size_t same = 0;
        for (const std::string& source : listed) {
            ASSERT_TRUE(texts.contains(source)) << language << ": " << source;
            same += texts[source] == source;
        }
        // Brand names and "OK" read the same everywhere; a catalogue not built in would be all English.
        if (std::string(language) == "en") EXPECT_EQ(same, listed.size());
        else EXPECT_LT(same, listed.size() / 4) << language;
    }
    EXPECT_EQ(nlohmann::json::parse(Bytes("/assets/texts/de.json"))["Cancel the download?"], "Download abbrechen?");
}

}  // namespace
}  // namespace kv::web
