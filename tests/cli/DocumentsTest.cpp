#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "Spawn.h"
#include "common/FileUtil.h"

// The manual page and the shell completions against the program's own --help:
// a command or option added to the program and forgotten in a document fails
// here. Only names are compared, never wording, so the help texts may change.
namespace kv::test {
namespace {

using Words = std::set<std::string>;

struct Command {
    std::vector<std::string> path;  // {} for the program itself, {"amule", "pause"}
    Words options;                  // long options and short ones (-q), without -h/--help
};

struct Definitions {
    std::vector<Command> commands;
    std::string exitStatus;  // the top-level help's "Exit status:" paragraph
};

std::string Help(const std::vector<std::string>& path, const std::string& program = KV_CLI_PATH) {
    Args words{program};
    words.insert(words.end(), path.begin(), path.end());
    words.push_back("--help");
    Spawned help(words, {{"LC_ALL", "C"}, {"LANGUAGE", ""}}, false);  // the section titles in English
    help.Finish();
    return help.out + help.err;
}

// The lines of one section of a help text ("Options:", "Subcommands:"), up to the next blank line.
std::vector<std::string> HelpSection(const std::string& text, const std::string& title) {
    std::vector<std::string> lines;
    const size_t at = text.find("\n" + title + "\n");
    if (at == std::string::npos) return lines;
    std::istringstream in(text.substr(at + title.size() + 2));
    for (std::string line; std::getline(in, line) && !line.empty();) lines.push_back(line);
    return lines;
}

// The options of a help text ("-q", "--quiet"), without -h and --help.
Words HelpOptions(const std::string& text) {
    static const std::regex option(R"(^  (?:(-[a-z]),)?(--[a-z][a-z-]*))");
    Words options;
    std::smatch m;
    for (const std::string& line : HelpSection(text, "Options:"))
        if (std::regex_search(line, m, option) && m[2] != "--help") {
            options.insert(m[2]);
            if (m[1].matched) options.insert(m[1]);
        }
    return options;
}

void Read(const std::vector<std::string>& path, Definitions& d) {
    const std::string text = Help(path);
    static const std::regex sub(R"(^  ([a-z]+) )");
    std::smatch m;
    d.commands.push_back({path, HelpOptions(text)});
    if (path.empty()) {
        const size_t exit = text.find("Exit status:");
        if (exit != std::string::npos) d.exitStatus = text.substr(exit);
    }
    if (path.size() >= 2) return;  // two levels deep at most
    for (const std::string& line : HelpSection(text, "Subcommands:"))
        if (std::regex_search(line, m, sub)) {
            std::vector<std::string> deeper = path;
            deeper.push_back(m[1]);
            Read(deeper, d);
        }
}

Words Tokens(const std::string& text) {
    static const std::regex word(R"(-{0,2}[a-z][a-z0-9-]*)");
    Words words;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), word); it != std::sregex_iterator(); ++it)
        words.insert(it->str());
    return words;
}

// A manual page as its reader sees the words: "\-" is "-", font changes gone.
struct ManualPage {
    std::map<std::string, std::string> sections;  // ".SH EXIT STATUS" -> "EXIT STATUS"
    std::vector<Words> synopsis;                  // one entry per line break of the SYNOPSIS
    std::string all;

    explicit ManualPage(std::string roff) {
        roff = std::regex_replace(roff, std::regex(R"(\\-)"), "-");
        roff = std::regex_replace(roff, std::regex(R"(\\f[BIRP]|\\e|\\&)"), "");
        all = roff;
        std::istringstream in(roff);
        std::string section;
        for (std::string line; std::getline(in, line);) {
            if (line.rfind(".SH ", 0) == 0) {
                section = line.substr(4);
                section.erase(std::remove(section.begin(), section.end(), '"'), section.end());
                if (section == "SYNOPSIS") synopsis.emplace_back();
                continue;
            }
            sections[section] += line + "\n";
            if (section != "SYNOPSIS") continue;
            if (line == ".br" || line == ".PP") synopsis.emplace_back();
            else synopsis.back().merge(Tokens(line));
        }
    }
    std::string Outside(const std::string& skipped) const {
        std::string text;
        for (const auto& [name, body] : sections)
            if (name != skipped) text += body;
        return text;
    }
};

std::string Join(const std::vector<std::string>& path) {
    std::string text = "kestrivane-cli";
    for (const std::string& word : path) text += " " + word;
    return text;
}

class Documents : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        defined_ = new Definitions;
        Read({}, *defined_);
    }
    static void TearDownTestSuite() { delete defined_; }
    void SetUp() override {
        ASSERT_GT(defined_->commands.size(), 10u) << "the program's --help did not read";
        bool pauseFakes = false;
        for (const Command& c : defined_->commands) pauseFakes |= c.options.count("--pause-fakes") > 0;
        ASSERT_TRUE(pauseFakes) << "the options of the commands did not read";
    }
    static Definitions* defined_;
};
Definitions* Documents::defined_ = nullptr;

// Every command has a SYNOPSIS line naming all its options, and is described
// with each of them below it; the program's own options are in the SYNOPSIS too.
TEST_F(Documents, TheManualPagesSynopsisAndBodyNameEveryCommandWithItsOptions) {
    const std::optional<std::string> roff = ReadWholeFile(KV_SOURCE_DIR "/docs/man/kestrivane-cli.1.in");
    ASSERT_TRUE(roff);
    const ManualPage page(*roff);
    Words wholeSynopsis;
    for (const Words& entry : page.synopsis) wholeSynopsis.insert(entry.begin(), entry.end());
    const Words body = Tokens(page.Outside("SYNOPSIS"));
    for (const Command& command : defined_->commands) {
        Words offered = command.path.empty() ? wholeSynopsis : Words{};
        bool listed = command.path.empty();
        for (const Words& entry : page.synopsis)
            if (!command.path.empty() &&
                std::all_of(command.path.begin(), command.path.end(), [&](auto& w) { return entry.count(w); })) {
                listed = true;
                offered.insert(entry.begin(), entry.end());
            }
        EXPECT_TRUE(listed) << "the SYNOPSIS has no line for " << Join(command.path);
        for (const std::string& word : command.path)
            EXPECT_TRUE(body.count(word)) << "the manual page describes no command " << word;
        for (const std::string& option : command.options) {
            EXPECT_TRUE(offered.count(option)) << "the SYNOPSIS of " << Join(command.path) << " lacks " << option;
            EXPECT_TRUE(body.count(option)) << "the manual page does not describe " << option;
        }
    }
}

// EXIT STATUS names every command and gives every status the help gives, with
// the options and the suspects the help's paragraph speaks of.
TEST_F(Documents, TheManualPagesExitStatusCoversEveryCommandAndStatus) {
    const std::optional<std::string> roff = ReadWholeFile(KV_SOURCE_DIR "/docs/man/kestrivane-cli.1.in");
    ASSERT_TRUE(roff);
    const ManualPage page(*roff);
    ASSERT_TRUE(page.sections.count("EXIT STATUS"));
    const std::string& exit = page.sections.at("EXIT STATUS");
    const Words words = Tokens(exit);
    for (const Command& command : defined_->commands)
        if (command.path.size() == 1) {
            EXPECT_TRUE(words.count(command.path[0])) << "EXIT STATUS does not say what " << command.path[0] << " exits with";
        }
    ASSERT_FALSE(defined_->exitStatus.empty()) << "kestrivane-cli --help has no exit status paragraph";
    static const std::regex status(R"([:;\n] *([0-9])[ :=])");
    int statuses = 0;
    for (auto it = std::sregex_iterator(defined_->exitStatus.begin(), defined_->exitStatus.end(), status);
         it != std::sregex_iterator(); ++it, ++statuses)
        EXPECT_NE(exit.find(".B " + (*it)[1].str() + "\n"), std::string::npos) << "EXIT STATUS lacks status " << (*it)[1];
    EXPECT_GE(statuses, 3) << defined_->exitStatus;
    for (const std::string& word : Tokens(defined_->exitStatus)) {
        if (word.rfind("--", 0) == 0) {
            EXPECT_TRUE(words.count(word)) << "EXIT STATUS does not mention " << word;
        }
    }
    if (defined_->exitStatus.find("suspect") != std::string::npos) {
        EXPECT_NE(exit.find("suspect"), std::string::npos) << "EXIT STATUS says nothing of suspects";
    }
}

TEST_F(Documents, TheCompletionsNameEveryCommandAndOption) {
    for (const char* path : {KV_SOURCE_DIR "/data/completions/kestrivane-cli.bash",
                             KV_SOURCE_DIR "/data/completions/_kestrivane-cli"}) {
        const std::optional<std::string> text = ReadWholeFile(path);
        ASSERT_TRUE(text) << path;
        const Words words = Tokens(*text);
        for (const Command& command : defined_->commands) {
            for (const std::string& word : command.path) EXPECT_TRUE(words.count(word)) << path << " lacks " << word;
            for (const std::string& option : command.options)
                EXPECT_TRUE(words.count(option)) << path << " lacks " << option;
        }
    }
}

// The documents for readers: a README short enough to read first, and every
// link in it and in docs/ and bench/ leading to a file of the tree (and to a
// heading there, when it names one), so that moving a page breaks a test.
std::string Slug(const std::string& heading) {
    std::string slug;
    for (const char c : heading) {
        if (c == ' ') slug += '-';
        else if (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_')
            slug += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return slug;
}

std::string WithoutCodeBlocks(const std::string& markdown) {
    std::istringstream in(markdown);
    std::string prose;
    bool code = false;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("```")) code = !code;
        else if (!code) prose += line + "\n";
    }
    return prose;
}

TEST(ReadersDocuments, TheReadmeIsShortAndEveryLinkLeadsIntoTheTree) {
    namespace fs = std::filesystem;
    const fs::path root = fs::canonical(KV_SOURCE_DIR);
    const std::optional<std::string> readme = ReadWholeFile((root / "README.md").string());
    ASSERT_TRUE(readme);
    EXPECT_LE(std::count(readme->begin(), readme->end(), '\n'), 200) << "README.md is for a first read";
    std::vector<fs::path> pages{root / "README.md", root / "bench" / "README.md"};
    for (const auto& entry : fs::directory_iterator(root / "docs"))
        if (entry.path().extension() == ".md") pages.push_back(entry.path());
    ASSERT_GE(pages.size(), 6u) << "the pages under docs/ were not found";
    static const std::regex link(R"(\]\(([^)\s]+)\))"), heading(R"((?:^|\n)#+ ([^\n]*))");
    int links = 0;
    for (const fs::path& page : pages) {
        const std::optional<std::string> text = ReadWholeFile(page.string());
        ASSERT_TRUE(text) << page;
        const std::string prose = WithoutCodeBlocks(*text);
        for (auto it = std::sregex_iterator(prose.begin(), prose.end(), link); it != std::sregex_iterator(); ++it) {
            const std::string target = (*it)[1];
            if (target.starts_with("http://") || target.starts_with("https://")) continue;
            ++links;
            const size_t hash = target.find('#');
            const fs::path file = hash == 0 ? page : page.parent_path() / target.substr(0, hash);
            std::error_code error;
            const fs::path found = fs::canonical(file, error);
            if (error || !found.string().starts_with(root.string())) {
                ADD_FAILURE() << page.filename() << " links to " << target << ", which is not in the tree";
                continue;
            }
            if (hash == std::string::npos) continue;
            const std::string body = WithoutCodeBlocks(ReadWholeFile(found.string()).value_or(""));
            Words anchors;
            for (auto h = std::sregex_iterator(body.begin(), body.end(), heading); h != std::sregex_iterator(); ++h)
                anchors.insert(Slug((*h)[1]));
            EXPECT_TRUE(anchors.count(target.substr(hash + 1))) << page.filename() << " links to " << target
                                                                << ", a heading that is not there";
        }
    }
    EXPECT_GT(links, 20) << "the links were not read";
}

#ifdef KV_GUI_PATH
TEST(WindowDocuments, TheWindowsManualPageNamesEveryOptionOfItsHelp) {
    const Words options = HelpOptions(Help({}, KV_GUI_PATH));
    ASSERT_TRUE(options.count("--home")) << "kestrivane --help did not read";
    const std::optional<std::string> roff = ReadWholeFile(KV_SOURCE_DIR "/docs/man/kestrivane.1.in");
    ASSERT_TRUE(roff);
    const ManualPage page(*roff);
    Words synopsis;
    for (const Words& entry : page.synopsis) synopsis.insert(entry.begin(), entry.end());
    const Words body = Tokens(page.Outside("SYNOPSIS"));
    for (const std::string& option : options) {
        EXPECT_TRUE(synopsis.count(option)) << "the SYNOPSIS of kestrivane lacks " << option;
        EXPECT_TRUE(body.count(option)) << "kestrivane(1) does not describe " << option;
    }
}
#endif

}  // namespace
}  // namespace kv::test
