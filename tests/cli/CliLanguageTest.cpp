// The command line in the user's language: the shipped translations, the .qm
// reader against lrelease's files (whole and cut short) and one run.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

#include "Spawn.h"
#include "PartMetBuilder.h"
#include "TempDir.h"
#include "cli/QmCatalog.h"

namespace {

using kv::cli::QmCatalog;

const std::vector<std::string> kLanguages = {"de", "fr", "es", "it"};

struct Message {
    std::string context, source, translation;
};

std::string Unescaped(std::string text) {
    for (const auto& [entity, plain] : {std::pair{"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''},
                                        {"&amp;", '&'}})  // last, so that "&amp;lt;" stays "&lt;"
        for (size_t at = 0; (at = text.find(entity, at)) != std::string::npos; ++at)
            text.replace(at, std::string_view(entity).size(), 1, plain);
    return text;
}

// The messages of a .ts file as lupdate writes it: one element a line, no CDATA.
std::vector<Message> ReadTs(const std::string& path) {
    std::ifstream file(path);
    std::vector<Message> out;
    std::string context, source;
    for (std::string line; std::getline(file, line);) {
        const size_t open = line.find('>') + 1, close = line.rfind("</");
        if (close == std::string::npos || close < open) continue;
        const std::string text = Unescaped(line.substr(open, close - open));
        if (line.find("<name>") != std::string::npos) context = text;
        if (line.find("<source>") != std::string::npos) source = text;
        if (line.find("<translation") != std::string::npos) out.push_back({context, source, text});
    }
    return out;
}

}  // namespace

TEST(CliLanguage, TheLocaleChoosesTheLanguageAsGettextDoes) {
    const struct {
        const char *lcAll, *lcMessages, *lang, *language, *chosen;
    } rows[] = {
        {nullptr, nullptr, nullptr, nullptr, ""},
        {nullptr, nullptr, "fr_CA", "", "fr"},
        {nullptr, "es_ES.UTF-8", "de_DE.UTF-8", nullptr, "es"},
        {"it_IT@euro", "es_ES", "de_DE", nullptr, "it"},
        {"", "", "it_CH.UTF-8", nullptr, "it"},
        {"C", nullptr, "de_DE.UTF-8", nullptr, ""},
        {"C.UTF-8", nullptr, "de_DE.UTF-8", "de", ""},  // LANGUAGE counts only outside the C locale
        {nullptr, nullptr, "en_GB.UTF-8", nullptr, ""},
        {nullptr, nullptr, "de_DE.UTF-8", "pt_BR:fr:de", "fr"},
        {nullptr, nullptr, "de_DE.UTF-8", "en:de", ""},
        {nullptr, nullptr, "de_DE.UTF-8", "pt", ""},
    };
    for (const auto& r : rows)
        EXPECT_EQ(kv::cli::ChosenLanguage(r.lcAll, r.lcMessages, r.lang, r.language), r.chosen) << "row " << &r - rows;
}

// The built-in .qm (lrelease's) read back to the .ts files' words. (That every text
// is translated with its placeholders kept is the app's Translations test, for these files too.)
TEST(CliLanguage, EveryShippedLanguageTranslatesEveryTextAndTheBuiltInFilesSayTheSame) {
    for (const std::string& lang : kLanguages) {
        const QmCatalog qm(kv::cli::BuiltInCatalog(lang));
        // The command line's own texts, then the verdicts' words it shares with the window.
        std::vector<Message> messages = ReadTs(KV_SOURCE_DIR "/src/cli/translations/kestrivane-cli_" + lang + ".ts");
        std::ranges::move(ReadTs(KV_SOURCE_DIR "/src/translations/kestrivane-verdicts_" + lang + ".ts"),
                          std::back_inserter(messages));
        ASSERT_GT(messages.size(), 150u) << lang;
        for (const Message& m : messages)
            EXPECT_EQ(qm.Translate(m.context.c_str(), m.source.c_str()), m.translation) << lang << ": " << m.source;
        EXPECT_EQ(qm.Translate("Cli", "not one of ours"), "not one of ours");
        EXPECT_EQ(qm.Translate("Elsewhere", "Suspect: %1"), "Suspect: %1");
    }
}

// A file cut anywhere translates correctly or not at all, and never reads outside itself
// (damaged bytes are the fuzz target's).
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
}

TEST(CliLanguage, PlaceholdersAreFilledInOnePass) {
    const struct {
        const char *pattern, *first, *second, *filled;
    } rows[] = {
        {"%2 before %1", "a", "b", "b before a"},
        {"a part holding %1: %2", "%2", "x", "a part holding %2: x"},
        {"%1 and %3", "a", "b", "a and %3"},
        {"100% sure, %", "a", "b", "100% sure, %"},
        {"%%1%2.", "a", "b", "%ab."},
    };
    for (const auto& r : rows) EXPECT_EQ(kv::FillIn(r.pattern, {r.first, r.second}), r.filled) << r.pattern;
}

// The same check in German and in the C locale: the C run is the English of every other run, byte for byte.
TEST(CliLanguage, GermanLocalePrintsGermanAndTheCLocaleTheEnglishUnchanged) {
    const kv::test::ScopedTempDir home, temp;
    temp.Write("001.part.met", kv::test::BuildPartMet({.hash = kv::test::SequentialHash(1), .name = "movie.avi.exe",
                                                       .size = 100, .extraTags = {}}));
    const auto run = [&](std::map<std::string, std::string> env) {
        env.insert({{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANGUAGE", ""}, {"LANG", ""}});  // the rest unset
        kv::test::Spawned cli({KV_CLI_PATH, "--home", home.path(), "check", "--temp-dir", temp.path()}, env, false);
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

    // The help and the parser's complaints too, not only what the commands say.
    const auto german = [&](const kv::test::Args& args) {
        kv::test::Args argv = {KV_CLI_PATH, "--home", home.path()};
        argv.insert(argv.end(), args.begin(), args.end());
        kv::test::Spawned cli(argv, {{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANGUAGE", ""}, {"LANG", "de_DE.UTF-8"}},
                              false);
        cli.Finish();
        return cli.out + cli.err;
    };
    const std::string help = german({"check", "--help"});
    for (const char* words : {"Aufruf: kestrivane-cli check [OPTIONEN]", "Optionen:",
                              "Nur die Fakes und Verdächtigen auflisten", "Rückgabewert: siehe 'kestrivane-cli --help'."})
        EXPECT_NE(help.find(words), std::string::npos) << words << "\n" << help;
    EXPECT_EQ(german({"check", "--links", "--json"}),
              "--links kann nicht zusammen mit --json verwendet werden.\nMit --help erfahren Sie mehr.\n");
    EXPECT_EQ(german({"check", "--temp-dir", "/etc/passwd"}),  // the system's words inside the sentence too
              "Kann das Temp-Verzeichnis /etc/passwd nicht lesen: Kein Verzeichnis.\n");
    EXPECT_EQ(german({"check", "--al"}),
              "Unbekannte Option '--al'; meinten Sie '--all'? ('kestrivane-cli check --help' listet die Optionen auf)\n");
}
