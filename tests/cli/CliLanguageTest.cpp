// The command line in the user's language: the shipped translations, the .qm
// reader against lrelease's files (whole, cut short, damaged) and one run.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "Spawn.h"
#include "PartMetBuilder.h"
#include "TempDir.h"
#include "cli/QmCatalog.h"

namespace {

using kv::cli::QmCatalog;

const std::vector<std::string> kLanguages = {"de", "fr", "es", "it"};

struct Message {
    std::string context, source, translation, type;
};

std::string Unescaped(std::string_view text) {
    static const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const auto e = std::find_if(std::begin(entities), std::end(entities),
                                    [&](const auto& p) { return text.substr(i).starts_with(p.first); });
        if (e == std::end(entities)) {
            out += text[i++];
        } else {
            out += e->second;
            i += std::string_view(e->first).size();
        }
    }
    return out;
}

// The messages of a .ts file as lupdate writes it (one element per tag, no CDATA).
std::vector<Message> ReadTs(const std::string& path) {
    std::ifstream file(path);
    std::stringstream buffer;
    buffer << file.rdbuf();
    const std::string ts = buffer.str();
    const auto between = [&](size_t from, const std::string& open, const std::string& close, size_t limit) {
        const size_t start = ts.find(open, from);
        if (start == std::string::npos || start > limit) return std::string();
        const size_t end = ts.find(close, start + open.size());
        return Unescaped(std::string_view(ts).substr(start + open.size(), end - start - open.size()));
    };
    std::vector<Message> out;
    std::string context;
    for (size_t at = 0;;) {
        const size_t name = ts.find("<name>", at), message = ts.find("<message>", at);
        if (message == std::string::npos) break;
        if (name < message) context = between(name, "<name>", "</name>", message);
        const size_t end = ts.find("</message>", message);
        Message m{context, between(message, "<source>", "</source>", end), {}, {}};
        const size_t tr = ts.find("<translation", message);
        const size_t close = ts.find('>', tr);
        const std::string attributes = ts.substr(tr, close - tr);
        if (const size_t type = attributes.find("type=\""); type != std::string::npos)
            m.type = attributes.substr(type + 6, attributes.find('"', type + 6) - type - 6);
        m.translation = Unescaped(std::string_view(ts).substr(close + 1, ts.find("</translation>", close) - close - 1));
        out.push_back(m);
        at = end;
    }
    return out;
}

// %1..%9, sorted: a translation may reorder them but not drop or add one.
std::string Placeholders(const std::string& text) {
    std::string found;
    for (size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') found += text[i + 1];
    std::sort(found.begin(), found.end());
    return found;
}

// The command line's own texts, then the verdicts' words it shares with the window.
std::vector<Message> CliTs(const std::string& lang) {
    const std::string src = KV_SOURCE_DIR;
    std::vector<Message> all = ReadTs(src + "/src/cli/translations/kestrivane-cli_" + lang + ".ts");
    std::ranges::move(ReadTs(src + "/src/translations/kestrivane-verdicts_" + lang + ".ts"), std::back_inserter(all));
    return all;
}

}  // namespace

TEST(CliLanguage, TheLocaleChoosesTheLanguageAsGettextDoes) {
    const struct {
        const char *lcAll, *lcMessages, *lang, *language, *chosen;
    } rows[] = {
        {nullptr, nullptr, nullptr, nullptr, ""},
        {nullptr, nullptr, "de_DE.UTF-8", nullptr, "de"},
        {nullptr, nullptr, "fr_CA", "", "fr"},
        {nullptr, "es_ES.UTF-8", "de_DE.UTF-8", nullptr, "es"},
        {"it_IT@euro", "es_ES", "de_DE", nullptr, "it"},
        {"", "", "it_CH.UTF-8", nullptr, "it"},
        {"C", nullptr, "de_DE.UTF-8", nullptr, ""},
        {"C.UTF-8", nullptr, "de_DE.UTF-8", "de", ""},  // LANGUAGE counts only outside the C locale
        {nullptr, nullptr, "POSIX", nullptr, ""},
        {nullptr, nullptr, "en_GB.UTF-8", nullptr, ""},
        {nullptr, nullptr, "ja_JP.UTF-8", nullptr, ""},
        {nullptr, nullptr, "de_DE.UTF-8", "pt_BR:fr:de", "fr"},
        {nullptr, nullptr, "de_DE.UTF-8", "en:de", ""},
        {nullptr, nullptr, "de_DE.UTF-8", "pt", ""},
    };
    for (const auto& r : rows)
        EXPECT_EQ(kv::cli::ChosenLanguage(r.lcAll, r.lcMessages, r.lang, r.language), r.chosen)
            << (r.lcAll ? r.lcAll : "-") << " " << (r.lcMessages ? r.lcMessages : "-") << " " << (r.lang ? r.lang : "-")
            << " " << (r.language ? r.language : "-");
}

// Every text in every language, its placeholders kept, and the built-in .qm
// (lrelease's) read back to the .ts files' words.
TEST(CliLanguage, EveryShippedLanguageTranslatesEveryTextAndTheBuiltInFilesSayTheSame) {
    std::vector<std::string> keys;
    for (const Message& m : CliTs("de")) keys.push_back(m.context + "|" + m.source);
    ASSERT_GT(keys.size(), 150u);
    EXPECT_TRUE(std::ranges::find(keys, "Verdicts|Suspect: %1") != keys.end());
    EXPECT_TRUE(std::ranges::find(keys, "Cli|Temp directory %1 not found!") != keys.end());
    for (const std::string& lang : kLanguages) {
        const QmCatalog qm(kv::cli::BuiltInCatalog(lang));
        ASSERT_FALSE(qm.empty()) << lang;
        std::vector<std::string> here;
        for (const Message& m : CliTs(lang)) {
            here.push_back(m.context + "|" + m.source);
            const std::string where = lang + ": " + m.source;
            EXPECT_TRUE(m.type.empty()) << where << " is " << m.type;
            EXPECT_FALSE(m.translation.empty()) << where;
            EXPECT_EQ(Placeholders(m.translation), Placeholders(m.source)) << where;
            EXPECT_EQ(qm.Translate(m.context.c_str(), m.source.c_str()), m.translation) << where;
        }
        EXPECT_EQ(here, keys) << lang;
        EXPECT_EQ(qm.Translate("Cli", "not one of ours"), "not one of ours");
        EXPECT_EQ(qm.Translate("Elsewhere", "Suspect: %1"), "Suspect: %1");
    }
    EXPECT_TRUE(kv::cli::BuiltInCatalog("en").empty());
    EXPECT_TRUE(kv::cli::BuiltInCatalog("").empty());
}

// A file cut anywhere or with bytes changed translates correctly or not at all, and never reads outside itself.
TEST(CliLanguage, ACutOrDamagedQmFileNeverReadsOutsideItself) {
    const std::string_view whole = kv::cli::BuiltInCatalog("de");
    const char* source = "Suspect: %1";
    const std::string german = QmCatalog(whole).Translate("Verdicts", source);
    ASSERT_EQ(german, "Verdächtig: %1");
    for (size_t length = 0; length < whole.size(); ++length) {
        // A copy of just that length, so that the sanitizers see a read past it.
        const std::string cut(whole.substr(0, length));
        const std::string got = QmCatalog(cut).Translate("Verdicts", source);
        EXPECT_TRUE(got == source || got == german) << length;
    }
    std::string damaged(whole);
    uint32_t seed = 12345;
    for (int round = 0; round < 3000; ++round) {
        seed = seed * 1103515245 + 12345;
        std::string copy = damaged;
        copy[(seed >> 8) % copy.size()] = static_cast<char>(seed >> 24);
        const QmCatalog qm(copy);
        (void)qm.Translate("Verdicts", source);
        (void)qm.Translate("Cli", "Temp directory %1 not found!");
    }
    EXPECT_EQ(QmCatalog("").Translate("Cli", "x"), "x");
}

TEST(CliLanguage, PlaceholdersAreFilledInOnePass) {
    const struct {
        const char *pattern, *first, *second, *filled;
    } rows[] = {
        {"%2 before %1", "a", "b", "b before a"},
        {"a part holding %1: %2", "%2", "x", "a part holding %2: x"},
        {"%1 and %3", "a", "b", "a and %3"},
        {"100% sure, %", "a", "b", "100% sure, %"},
    };
    for (const auto& r : rows) EXPECT_EQ(kv::FillIn(r.pattern, {r.first, r.second}), r.filled) << r.pattern;
}

// The same check in German and in the C locale: the C run is the English of every other run, byte for byte.
TEST(CliLanguage, GermanLocalePrintsGermanAndTheCLocaleTheEnglishUnchanged) {
    using kv::test::BuildPartMet;
    const kv::test::ScopedTempDir home, temp;
    temp.Write("001.part.met",
               BuildPartMet({.hash = kv::test::SequentialHash(1), .name = "movie.avi.exe", .size = 100, .extraTags = {}}));
    const auto run = [&](const std::map<std::string, std::string>& env) {
        std::map<std::string, std::string> all = {{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANGUAGE", ""}, {"LANG", ""}};
        for (const auto& [k, v] : env) all[k] = v;
        kv::test::Spawned cli({KV_CLI_PATH, "--home", home.path(), "check", "--temp-dir", temp.path()}, all, false);
        EXPECT_EQ(cli.Finish(), 1);
        return std::pair(cli.out, cli.err);
    };
    const auto [englishOut, englishErr] = run({{"LC_ALL", "C"}, {"LANG", "de_DE.UTF-8"}});
    EXPECT_EQ(englishOut,
              "Partname\tFilename\tError-Description\n \n"
              "001.part\tmovie.avi.exe\tSuspect: a program posing as AVI video: the name ends in .avi.exe\n");
    EXPECT_NE(englishErr.find("\nFinished! Found 0 Fakes and 1 Suspects in  1 checked .part.met\n"), std::string::npos)
        << englishErr;
    EXPECT_EQ(run({}), std::pair(englishOut, englishErr));

    const auto [germanOut, germanErr] = run({{"LANG", "de_DE.UTF-8"}});
    EXPECT_EQ(germanOut,
              "Part-Name\tDateiname\tFehlerbeschreibung\n \n"
              "001.part\tmovie.avi.exe\tVerdächtig: ein Programm, das sich als AVI-Video ausgibt: der Name endet auf "
              ".avi.exe\n");
    EXPECT_TRUE(germanErr.starts_with("Warnung: keine Fake-Liste: ")) << germanErr;
    EXPECT_NE(germanErr.find("\nFertig! 0 Fakes und 1 Verdächtige in  1 geprüften .part.met gefunden\n"),
              std::string::npos)
        << germanErr;
}
