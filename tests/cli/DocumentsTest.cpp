#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "Spawn.h"
#include "common/FileUtil.h"

// The manual page and the shell completions name every command and option the
// program itself knows: read from its own --help, so a new one cannot be forgotten.
namespace kv::test {
namespace {

struct Definitions {
    std::set<std::string> commands, options;
};

// Adds the long options of `words --help`, and its subcommands with theirs.
void Read(Args words, Definitions& d) {
    words.insert(words.begin(), KV_CLI_PATH);
    words.push_back("--help");
    Spawned help(words, {}, false);
    help.Finish();
    const std::string text = help.out + help.err;
    const size_t subs = std::min(text.find("Subcommands:"), text.size());
    static const std::regex option(R"((?:^|[ ,])(--[a-z][a-z-]*))"), command(R"(\n  ([a-z]+) )");
    for (auto it = std::sregex_iterator(text.begin(), text.begin() + subs, option); it != std::sregex_iterator(); ++it)
        d.options.insert((*it)[1]);
    if (words.size() > 3) return;  // two levels deep at most
    for (auto it = std::sregex_iterator(text.begin() + subs, text.end(), command); it != std::sregex_iterator(); ++it) {
        d.commands.insert((*it)[1]);
        Args deeper(words.begin() + 1, words.end() - 1);
        deeper.push_back((*it)[1]);
        Read(deeper, d);
    }
}

TEST(Documents, TheManualPageAndTheCompletionsNameEveryCommandAndOption) {
    Definitions defined;
    Read({}, defined);
    ASSERT_GT(defined.commands.size(), 10u) << "the program's --help did not read";
    ASSERT_TRUE(defined.options.count("--pause-fakes"));
    defined.options.erase("--help"), defined.options.erase("--version");
    struct Document {
        std::string path;
        bool roff;  // the manual page writes '-' as "\-"
    };
    for (const Document& doc : {Document{KV_SOURCE_DIR "/docs/man/kestrivane-cli.1.in", true},
                                Document{KV_SOURCE_DIR "/data/completions/kestrivane-cli.bash", false},
                                Document{KV_SOURCE_DIR "/data/completions/_kestrivane-cli", false}}) {
        const std::optional<std::string> text = ReadWholeFile(doc.path);
        ASSERT_TRUE(text) << doc.path;
        for (const auto* names : {&defined.commands, &defined.options})
            for (const std::string& name : *names) {
                const std::string written = doc.roff ? std::regex_replace(name, std::regex("-"), "\\-") : name;
                EXPECT_NE(text->find(written), std::string::npos) << doc.path << " lacks " << name;
            }
    }
}

}  // namespace
}  // namespace kv::test
