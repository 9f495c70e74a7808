#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <set>

#include "common/FileUtil.h"

// The manual page and the shell completions name every command and option the
// program itself knows: read from its own --help, so a new one cannot be forgotten.
namespace kv::test {
namespace {

std::string Output(const std::string& args) {
    std::string out;
    if (FILE* p = ::popen((std::string("'") + KV_CLI_PATH + "' " + args + " 2>&1").c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, p)) > 0) out.append(buffer, n);
        ::pclose(p);
    }
    return out;
}

// The names under "Subcommands:" and the long options under "Options:" of one --help.
void Read(const std::string& help, std::set<std::string>& commands, std::set<std::string>& options) {
    const size_t subs = help.find("Subcommands:");
    const std::string optionsPart = help.substr(0, subs);
    static const std::regex option(R"((?:^|[ ,])(--[a-z][a-z-]*))");
    for (auto it = std::sregex_iterator(optionsPart.begin(), optionsPart.end(), option); it != std::sregex_iterator(); ++it)
        options.insert((*it)[1]);
    if (subs == std::string::npos) return;
    static const std::regex command(R"(\n  ([a-z]+) )");
    const std::string subsPart = help.substr(subs);
    for (auto it = std::sregex_iterator(subsPart.begin(), subsPart.end(), command); it != std::sregex_iterator(); ++it)
        commands.insert((*it)[1]);
}

struct Definitions {
    std::set<std::string> commands, options;
};

Definitions FromTheProgram() {
    Definitions d;
    Read(Output("--help"), d.commands, d.options);
    const std::set<std::string> top = d.commands;
    for (const std::string& c : top) {
        std::set<std::string> nested;
        Read(Output(c + " --help"), nested, d.options);
        for (const std::string& n : nested) {
            d.commands.insert(n);
            Read(Output(c + " " + n + " --help"), nested, d.options);
        }
    }
    return d;
}

TEST(Documents, TheManualPageAndTheCompletionsNameEveryCommandAndOption) {
    const Definitions defined = FromTheProgram();
    ASSERT_GT(defined.commands.size(), 10u) << "the program's --help did not read";
    ASSERT_TRUE(defined.options.count("--pause-fakes"));
    struct Document {
        const char* name;
        std::string path;
        std::string (*quoted)(const std::string&);  // how the document writes a name
    };
    const std::vector<Document> documents = {
        {"manual page", KV_SOURCE_DIR "/docs/man/kestrivane-cli.1.in",
         [](const std::string& s) { return std::regex_replace(s, std::regex("-"), "\\-"); }},
        {"bash completion", KV_SOURCE_DIR "/data/completions/kestrivane-cli.bash", [](const std::string& s) { return s; }},
        {"zsh completion", KV_SOURCE_DIR "/data/completions/_kestrivane-cli", [](const std::string& s) { return s; }},
    };
    for (const Document& doc : documents) {
        const std::optional<std::string> text = ReadWholeFile(doc.path);
        ASSERT_TRUE(text) << doc.path;
        for (const std::string& c : defined.commands)
            EXPECT_NE(text->find(doc.quoted(c)), std::string::npos) << doc.name << " lacks the command " << c;
        for (const std::string& o : defined.options) {
            if (o == "--help" || o == "--version") continue;
            EXPECT_NE(text->find(doc.quoted(o)), std::string::npos) << doc.name << " lacks the option " << o;
        }
    }
}

}  // namespace
}  // namespace kv::test
