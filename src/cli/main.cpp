// kestrivane-cli: the fake check, the fake list update, the client preference
// import and the text search, for terminals and machines without a display.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <vector>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <clocale>

#include "cli/AmuleCommands.h"
#include "cli/EmuleCommands.h"
#include "cli/Commands.h"
#include "cli/OutputCharset.h"
#include "cli/QmCatalog.h"
#include "cli/ServeCommand.h"
#include "platform/DirectoryLock.h"
#include "common/DisplayText.h"
#include "common/Version.h"
#include "settings/Home.h"
#include "common/Paths.h"
#include "platform/Console.h"
#include "platform/HomeDirectories.h"
#include "common/FsPath.h"

namespace {

std::string VersionLine() {
    return "kestrivane-cli " + std::to_string(kv::kVersionMajor) + "." + std::to_string(kv::kVersionMinor) + "." +
           std::to_string(kv::kVersionRevision);
}

// Letters to change, add or drop to turn a into b.
size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// A mistyped command ("chek") named with the nearest one, rather than a parser's
// "A subcommand is required"; "" when the first word is a command or an option.
std::string UnknownCommand(CLI::App& app, int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--home") {
            ++i;  // its value
            continue;
        }
        if (word.starts_with("-")) continue;
        std::string nearest;
        size_t best = SIZE_MAX;
        for (const CLI::App* sub : app.get_subcommands([](CLI::App*) { return true; })) {
            if (sub->get_name() == word) return "";
            const size_t d = EditDistance(word, sub->get_name());
            if (d < best) best = d, nearest = sub->get_name();
        }
        if (best <= 2)
            return kv::cli::T(QT_TRANSLATE_NOOP("Cli", "Unknown command '%1'; did you mean '%2'? ('kestrivane-cli "
                                                       "--help' lists the commands)"),
                              {kv::VisibleControls(word), nearest});
        return kv::cli::T(QT_TRANSLATE_NOOP("Cli", "Unknown command '%1' ('kestrivane-cli --help' lists the commands)"),
                          {kv::VisibleControls(word)});
    }
    return "";
}

// The help's own words in the user's language; the options' group is named
// before any option is added, so that every command takes it.
void HelpWords(CLI::App& app) {
    using kv::cli::T;
    const auto formatter = app.get_formatter();
    formatter->label("Usage", T(QT_TRANSLATE_NOOP("Cli", "Usage")));
    formatter->label("OPTIONS", T(QT_TRANSLATE_NOOP("Cli", "OPTIONS")));
    formatter->label("REQUIRED", T(QT_TRANSLATE_NOOP("Cli", "REQUIRED")));
    formatter->label("Needs", T(QT_TRANSLATE_NOOP("Cli", "Needs")));
    formatter->label("Excludes", T(QT_TRANSLATE_NOOP("Cli", "Excludes")));
    formatter->label("Positionals", T(QT_TRANSLATE_NOOP("Cli", "Positionals")));
    app.option_defaults()->group(T(QT_TRANSLATE_NOOP("Cli", "Options")));
    app.set_help_flag("-h,--help", T(QT_TRANSLATE_NOOP("Cli", "Print this help message and exit")));
}

// Every command's help ends in one line on the exit status instead of the whole paragraph.
void ShortFooters(CLI::App& app) {
    for (CLI::App* sub : app.get_subcommands([](CLI::App*) { return true; })) {
        sub->footer(kv::cli::T(QT_TRANSLATE_NOOP("Cli", "Exit status: see 'kestrivane-cli --help'.")));
        if (CLI::Option* help = sub->get_help_ptr()) help->group(kv::cli::T(QT_TRANSLATE_NOOP("Cli", "Options")));
        ShortFooters(*sub);
    }
}

// The option names a command takes, its parents' included ("--home" follows the command too).
void OptionNames(const CLI::App* app, std::vector<std::string>& names) {
    for (; app; app = app->get_parent())
        for (const CLI::Option* option : app->get_options()) {
            for (const std::string& name : option->get_lnames()) names.push_back("--" + name);
            for (const std::string& name : option->get_snames()) names.push_back("-" + name);
        }
}

// A mistyped option ("--al") named with the nearest one of its command; "" when
// every option is known (the parser's own words then say what is wrong).
std::string UnknownOption(CLI::App& app, int argc, char** argv) {
    // The deepest command named on the line: its options and its parents' count.
    const CLI::App* command = &app;
    for (bool deeper = true; deeper;) {
        deeper = false;
        for (const CLI::App* sub : command->get_subcommands())
            if (sub->parsed()) command = sub, deeper = true;
    }
    std::vector<std::string> known;
    OptionNames(command, known);
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        if (word == "--") break;
        if (!word.starts_with("-") || word == "-") continue;
        word = word.substr(0, word.find('='));
        if (std::ranges::find(known, word) != known.end() || !word.starts_with("--")) continue;
        std::string nearest;
        size_t best = SIZE_MAX;
        for (const std::string& name : known) {
            const size_t d = EditDistance(word, name);
            if (d < best) best = d, nearest = name;
        }
        const std::string help = command == &app ? "kestrivane-cli --help"
                                                 : "kestrivane-cli " + command->get_name() + " --help";
        if (best <= 2)
            return kv::cli::T(QT_TRANSLATE_NOOP("Cli", "Unknown option '%1'; did you mean '%2'? ('%3' lists the "
                                                       "options)"),
                              {kv::VisibleControls(kv::ToDisplayUtf8(word)), nearest, help});
        return kv::cli::T(QT_TRANSLATE_NOOP("Cli", "Unknown option '%1' ('%2' lists the options)"),
                          {kv::VisibleControls(kv::ToDisplayUtf8(word)), help});
    }
    return "";
}

// The parser's complaint in the user's language: the parser words a few kinds of
// mistake in fixed English sentences, read back here for their names.
std::string ParseFailed(const CLI::ParseError& e) {
    using kv::cli::T;
    const std::string what = e.what();
    const auto before = [&](std::string_view tail) { return what.substr(0, what.size() - tail.size()); };
    const size_t colon = what.find(": ");
    std::string sentence;
    if (dynamic_cast<const CLI::RequiredError*>(&e) && what.ends_with(" is required") &&
        !what.starts_with("A subcommand"))
        sentence = T(QT_TRANSLATE_NOOP("Cli", "%1 is required."), {before(" is required")});
    else if (dynamic_cast<const CLI::RequiredError*>(&e) && what.starts_with("A subcommand"))
        sentence = T(QT_TRANSLATE_NOOP("Cli", "A command is required."));
    else if (const size_t at = what.find(" excludes "); dynamic_cast<const CLI::ExcludesError*>(&e) && at != what.npos)
        sentence = T(QT_TRANSLATE_NOOP("Cli", "%1 cannot be used together with %2."),
                     {what.substr(0, at), what.substr(at + 10)});
    else if (const size_t req = what.find(" requires "); dynamic_cast<const CLI::RequiresError*>(&e) && req != what.npos)
        sentence = T(QT_TRANSLATE_NOOP("Cli", "%1 needs %2 too."), {what.substr(0, req), what.substr(req + 10)});
    else if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) && colon != what.npos && what.ends_with(" missing"))
        sentence = T(QT_TRANSLATE_NOOP("Cli", "%1 needs a value."), {what.substr(0, colon)});
    else if (dynamic_cast<const CLI::ExtrasError*>(&e) && colon != what.npos)
        sentence = T(QT_TRANSLATE_NOOP("Cli", "Not expected here: %1"), {what.substr(colon + 2)});
    else if ((dynamic_cast<const CLI::ValidationError*>(&e) || dynamic_cast<const CLI::ConversionError*>(&e)))
        sentence = T(QT_TRANSLATE_NOOP("Cli", "A value was not accepted: %1"), {what});
    else
        sentence = T(QT_TRANSLATE_NOOP("Cli", "The command line was not understood: %1"), {what});
    return kv::VisibleControls(kv::ToDisplayUtf8(sentence)) + "\n" +
           T(QT_TRANSLATE_NOOP("Cli", "Run with --help for more information."));
}

using namespace kv::cli;

// The commands, their arguments and what the parser made of them.
struct Cli {
    CheckArgs check;
    bool all = false, noAll = false, links = false, html = false, json = false, noInspect = false;
    UpdateArgs update;
    std::string importFile;
    bool detect = false;
    WatchArgs watchArgs;
    SearchArgs search;
    MarkArgs mark, unmark, allow;
    ExportArgs exportArgs;
    LinksArgs linksArgs;
    bool linksAll = false, linksNoAll = false, linksLinks = false, linksJson = false;
    CLI::App *checkCmd = nullptr, *updateCmd = nullptr, *importCmd = nullptr, *watchCmd = nullptr,
             *searchCmd = nullptr, *markCmd = nullptr, *allowCmd = nullptr, *unmarkCmd = nullptr,
             *exportCmd = nullptr, *linksCmd = nullptr;

    void AddCheck(CLI::App& app) {
        checkCmd = app.add_subcommand(
            "check", T(QT_TRANSLATE_NOOP("Cli", "List the downloads that are known fakes or whose name or first bytes give them away")));
        checkCmd->add_option("--temp-dir", check.tempDir, T(QT_TRANSLATE_NOOP("Cli", "The client's temp directory instead of the settings")))
            ->type_name("DIR");
        auto* fakesOpt = checkCmd->add_option("--fakes", check.fakesFile, T(QT_TRANSLATE_NOOP("Cli", "Fake list to use instead of FAKES.DAT")))
                             ->type_name("FILE");
        auto* allOpt = checkCmd->add_flag("--all", all,
                                          T(QT_TRANSLATE_NOOP("Cli", "List every download, fakes and OK ones (the default, unless "
                                          "ShowAllPartMet=NO in Kestrivane.ini)")));
        auto* noAllOpt = checkCmd->add_flag("--no-all", noAll, T(QT_TRANSLATE_NOOP("Cli", "List the fakes and suspects only")));
        allOpt->excludes(noAllOpt);
        auto* linksOpt = checkCmd->add_flag("--links", links, T(QT_TRANSLATE_NOOP("Cli", "Print the ed2k link of every listed download")));
        auto* htmlOpt = checkCmd->add_flag("--html", html, T(QT_TRANSLATE_NOOP("Cli", "Print every link as an HTML anchor")));
        auto* jsonOpt = checkCmd->add_flag("--json", json, T(QT_TRANSLATE_NOOP("Cli", "Print the listed downloads as a JSON array")));
        linksOpt->excludes(htmlOpt)->excludes(jsonOpt);
        htmlOpt->excludes(jsonOpt);
        checkCmd->add_flag("--no-inspect", noInspect,
                           T(QT_TRANSLATE_NOOP("Cli", "Do not look at names, part hashes and the bytes already downloaded for suspects")));
        auto* updateOpt = checkCmd->add_flag("--update", check.update, T(QT_TRANSLATE_NOOP("Cli", "Update the fake list first")));
        updateOpt->excludes(fakesOpt);
        checkCmd->add_flag("--no-header", check.noHeader, T(QT_TRANSLATE_NOOP("Cli", "Leave out the two head rows")));
        auto* amuleOpt = checkCmd->add_flag("--amule", check.amule,
                                            T(QT_TRANSLATE_NOOP("Cli", "Check the downloads aMule reports (see 'amule connect') instead of the temp "
                                            "directory's .part.met files")));
        auto* emuleOpt = checkCmd->add_flag("--emule", check.emule,
                                            T(QT_TRANSLATE_NOOP("Cli", "Check the downloads eMule's Web Interface lists (see 'emule connect') "
                                            "instead of the temp directory's .part.met files")));
        emuleOpt->excludes(amuleOpt);
        checkCmd->add_flag("--pause-fakes", check.pauseFakes,
                           T(QT_TRANSLATE_NOOP("Cli", "With --amule or --emule: pause every listed fake and suspect in that client")));

    }

    void AddUpdateImportSearch(CLI::App& app) {
        updateCmd = app.add_subcommand("update", T(QT_TRANSLATE_NOOP("Cli", "Fetch a newer fake list from the update address")));
        auto* urlOpt = updateCmd->add_option("--url", update.url,
                                             T(QT_TRANSLATE_NOOP("Cli", "Update address to use (http:// or https://); stored as the update "
                                             "address once the update worked")))
                           ->type_name("URL");
        auto* programOpt = updateCmd->add_flag("--program", update.program,
                                               T(QT_TRANSLATE_NOOP("Cli", "Look for a newer Kestrivane at the program's site instead (exit "
                                               "status 1 when there is one); nothing is installed")));
        programOpt->excludes(urlOpt);
        updateCmd->add_option("--site", update.site,
                              T(QT_TRANSLATE_NOOP("Cli", "With --program: the program's site to use; stored once the check worked (none is "
                              "set at first)")))
            ->type_name("URL")
            ->needs(programOpt);

        importCmd = app.add_subcommand(
            "import", T(QT_TRANSLATE_NOOP("Cli", "Store the client's temp directory, read from its pref.met, preferences.ini or amule.conf")));
        auto* importFileOpt = importCmd->add_option("FILE", importFile, T(QT_TRANSLATE_NOOP("Cli", "The client's preference file")));
        auto* detectOpt = importCmd->add_flag(
            "--detect", detect,
            T(QT_TRANSLATE_NOOP("Cli", "Look for ~/.aMule/amule.conf and eMule's or eDonkey's files under Wine (~/.wine, $WINEPREFIX); "
            "import the first that names a temp directory")));
        detectOpt->excludes(importFileOpt);
        importCmd->require_option(1);

        searchCmd = app.add_subcommand("search", T(QT_TRANSLATE_NOOP("Cli", "List the downloads whose .met file holds a text")));
        searchCmd->add_option("--temp-dir", search.tempDir, T(QT_TRANSLATE_NOOP("Cli", "The client's temp directory instead of the settings")))
            ->type_name("DIR");
        searchCmd->add_flag("--json", search.json, T(QT_TRANSLATE_NOOP("Cli", "Print the hits as a JSON array")));
        searchCmd->add_option("TEXT", search.text, T(QT_TRANSLATE_NOOP("Cli", "Text to look for (letters without regard to case)")))->required();

    }

    void AddWatch(CLI::App& app) {
        watchCmd = app.add_subcommand(
            "watch", T(QT_TRANSLATE_NOOP("Cli", "Stay running; re-check a .part.met or a list when it changes and report each new fake once "
                     "(SIGHUP reads the settings and lists again)")));
        watchCmd->add_option("--temp-dir", watchArgs.tempDir, T(QT_TRANSLATE_NOOP("Cli", "The client's temp directory instead of the settings")))
            ->type_name("DIR");
        watchCmd->add_option("--fakes", watchArgs.fakesFile, T(QT_TRANSLATE_NOOP("Cli", "Fake list to use instead of FAKES.DAT")))->type_name("FILE");
        watchCmd->add_flag("--json", watchArgs.json, T(QT_TRANSLATE_NOOP("Cli", "One JSON object per line for each finding")));
        auto* watchAmuleOpt = watchCmd->add_flag("--amule", watchArgs.amule, T(QT_TRANSLATE_NOOP("Cli", "Act in the aMule of 'amule connect' (with --pause-fakes)")));
        watchCmd->add_flag("--pause-fakes", watchArgs.amulePause, T(QT_TRANSLATE_NOOP("Cli", "With --amule: pause each new fake and suspect in aMule")))
            ->needs(watchAmuleOpt);
        auto* guardOpt = watchCmd->add_flag("--guard", watchArgs.guard,
                             T(QT_TRANSLATE_NOOP("Cli", "With --amule: pause each fake, record it in MYFAKES.DAT and cancel it "
                                                        "whenever it comes back under any name")))
            ->needs(watchAmuleOpt);
        watchCmd->add_flag("--cancel-fakes", watchArgs.cancelFakes,
                           T(QT_TRANSLATE_NOOP("Cli", "With --guard: cancel each fake rather than pausing it")))
            ->needs(guardOpt);
        watchCmd->add_flag("--guard-suspects", watchArgs.guardSuspects,
                           T(QT_TRANSLATE_NOOP("Cli", "With --guard: suspects too, not only what a list or you marked")))
            ->needs(guardOpt);
        watchCmd->add_option("--notify-url", watchArgs.notifyUrl,
                             T(QT_TRANSLATE_NOOP("Cli", "POST each finding and each action of the guard to URL as JSON "
                                                        "(hash, name, size, verdict, reasons, action, time); never holds up "
                                                        "the watch")))
            ->type_name("URL");
        watchCmd->add_flag("--notify-desktop", watchArgs.notifyDesktop,
                           T(QT_TRANSLATE_NOOP("Cli", "Show each finding and each action of the guard as a desktop "
                                                      "notification (the session bus's Notifications service)")));
        watchCmd->add_option("--exec", watchArgs.exec,
                             T(QT_TRANSLATE_NOOP("Cli", "Run CMD for each finding (split like a shell would, never run by one); the finding is in "
                             "KV_PART, KV_NAME, KV_SIZE, KV_HASH, KV_KIND, KV_DESCRIPTION, KV_LINK, KV_TEMP_DIR; its "
                             "output goes to standard error; one runs at a time")))
            ->type_name("CMD");
        watchCmd->add_option("--exec-timeout", watchArgs.execTimeoutSeconds,
                             T(QT_TRANSLATE_NOOP("Cli", "End a command of --exec that runs longer than this (default 60)")))
            ->type_name("SECONDS")
            ->check(CLI::Range(1, 86400));

    }

    void AddOwnList(CLI::App& app) {
        // The user's own list, and lists to share.
        markCmd = app.add_subcommand("mark", T(QT_TRANSLATE_NOOP("Cli", "Add a download to your own fake list MYFAKES.DAT")));
        markCmd->add_option("PART|HASH", mark.target, T(QT_TRANSLATE_NOOP("Cli", "A .part.met of the temp directory (001.part) or an ed2k hash")))
            ->required();
        markCmd->add_option("--reason", mark.reason, T(QT_TRANSLATE_NOOP("Cli", "Why it is a fake (the list line's description)")))->required();
        markCmd->add_option("--size", mark.size, T(QT_TRANSLATE_NOOP("Cli", "The file size, for a HASH")))->type_name("BYTES");
        markCmd->add_option("--temp-dir", mark.tempDir, T(QT_TRANSLATE_NOOP("Cli", "The client's temp directory instead of the settings")))
            ->type_name("DIR");
        allowCmd = app.add_subcommand("allow", T(QT_TRANSLATE_NOOP("Cli", "Record in MYFAKES.DAT that a download is not a fake, whatever "
                                                     "a list, a client or the inspection says")));
        allowCmd->add_option("PART|HASH", allow.target, T(QT_TRANSLATE_NOOP("Cli", "A .part.met of the temp directory (001.part) or an ed2k hash")))
            ->required();
        allowCmd->add_option("--reason", allow.reason, T(QT_TRANSLATE_NOOP("Cli", "Why it is not a fake")));
        allowCmd->add_option("--temp-dir", allow.tempDir, T(QT_TRANSLATE_NOOP("Cli", "The client's temp directory instead of the settings")))
            ->type_name("DIR");
        unmarkCmd = app.add_subcommand("unmark", T(QT_TRANSLATE_NOOP("Cli", "Remove a download from your own fake list MYFAKES.DAT")));
        unmarkCmd->add_option("PART|HASH", unmark.target, T(QT_TRANSLATE_NOOP("Cli", "A .part.met of the temp directory or an ed2k hash")))
            ->required();
        unmarkCmd->add_option("--temp-dir", unmark.tempDir, T(QT_TRANSLATE_NOOP("Cli", "The client's temp directory instead of the settings")))
            ->type_name("DIR");
        exportCmd =
            app.add_subcommand("export", T(QT_TRANSLATE_NOOP("Cli", "Print or write list lines (hash,size,description) of the fakes the check finds")));
        exportCmd->add_flag("--own", exportArgs.own, T(QT_TRANSLATE_NOOP("Cli", "Your own list MYFAKES.DAT instead")));
        exportCmd->add_option("--temp-dir", exportArgs.tempDir, T(QT_TRANSLATE_NOOP("Cli", "The client's temp directory instead of the settings")))
            ->type_name("DIR");
        exportCmd->add_option("FILE", exportArgs.file, T(QT_TRANSLATE_NOOP("Cli", "File to write (replaced whole); - or none: standard output")));

    }

    void AddLinks(CLI::App& app) {
        // links: the links in a text or a collection, checked before they are downloaded.
        linksCmd = app.add_subcommand("links", T(QT_TRANSLATE_NOOP("Cli", "Check ed2k and magnet links (a text, a web page or an eMule "
                                                     "collection) before they are downloaded")));
        linksCmd->add_option("FILE", linksArgs.file, T(QT_TRANSLATE_NOOP("Cli", "File holding the links; - or none for the standard input")));
        linksCmd->add_option("--fakes", linksArgs.fakesFile, T(QT_TRANSLATE_NOOP("Cli", "Fake list to use instead of FAKES.DAT")))->type_name("FILE");
        auto* linksAllOpt = linksCmd->add_flag("--all", linksAll, T(QT_TRANSLATE_NOOP("Cli", "List every link, fakes, suspects and OK ones (the default)")));
        auto* linksNoAllOpt = linksCmd->add_flag("--no-all", linksNoAll, T(QT_TRANSLATE_NOOP("Cli", "List the fakes and suspects only")));
        linksAllOpt->excludes(linksNoAllOpt);
        auto* linksLinksOpt = linksCmd->add_flag("--links", linksLinks, T(QT_TRANSLATE_NOOP("Cli", "Print the ed2k link of every listed link")));
        auto* linksJsonOpt = linksCmd->add_flag("--json", linksJson, T(QT_TRANSLATE_NOOP("Cli", "Print every link as a JSON array, malformed ones too")));
        linksLinksOpt->excludes(linksJsonOpt);
    }

    int Run(const kv::HomeDirs& dirs, const Output& o, bool quiet) {
        if (checkCmd->parsed()) {
            if (all) check.showAll = true;
            if (noAll) check.showAll = false;
            if (links) check.format = CheckFormat::Links;
            if (html) check.format = CheckFormat::Html;
            if (json) check.format = CheckFormat::Json;
            check.inspect = !noInspect;
            return RunCheck(dirs, check, o);
        }
        if (linksCmd->parsed()) {
            linksArgs.showAll = !linksNoAll;
            if (linksLinks) linksArgs.format = LinksFormat::Links;
            if (linksJson) linksArgs.format = LinksFormat::Json;
            if ((linksArgs.file.empty() || linksArgs.file == "-") && kv::console::IsTerminal(kv::console::Stream::In) && !quiet)
                std::cerr << T(QT_TRANSLATE_NOOP("Cli", "Reading links from the keyboard: paste them, then press "
                                                        "Ctrl+D (or give a FILE)."))
                          << '\n';
            return RunLinks(dirs, linksArgs, std::cin, o);
        }
        if (updateCmd->parsed()) return RunUpdate(dirs, update, o);
        if (importCmd->parsed()) return detect ? RunImportDetected(dirs, kv::UserHomeDirectory(), o) : RunImport(dirs, importFile, o);
        if (searchCmd->parsed()) return RunSearch(dirs, search, o);
        if (watchCmd->parsed()) return RunWatchCommand(dirs, watchArgs, o);
        if (markCmd->parsed()) return RunMark(dirs, mark, o);
        if (unmarkCmd->parsed()) return RunUnmark(dirs, unmark, o);
        if (allowCmd->parsed()) return RunAllow(dirs, allow, o);
        if (exportCmd->parsed()) return RunExport(dirs, exportArgs, o);
        return kExitError;
    }
};

// A directory the user named (--home or KESTRIVANE_HOME) must be there already:
// a typing slip must not make a new home (as root, a new top-level directory).
std::optional<std::string> NamedHome(std::string home, const char* from) {
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(kv::FsPath(home), ec);
    if (!ec) home = kv::PathText(absolute.lexically_normal());
    if (std::filesystem::is_directory(kv::FsPath(home), ec)) return home;
    const std::string shown = kv::VisibleControls(kv::ToDisplayUtf8(home));
    if (std::filesystem::exists(kv::FsPath(home), ec))
        std::cerr << T(QT_TRANSLATE_NOOP("Cli", "%1 %2: not a directory."), {from, shown}) << '\n';
    else
        std::cerr << T(QT_TRANSLATE_NOOP("Cli", "%1 %2: no such directory."), {from, shown}) << '\n';
    return std::nullopt;
}

// The settings and data directories: --home, $KESTRIVANE_HOME, or the usual ones
// created when missing; nullopt after saying why.
std::optional<kv::HomeDirs> ResolveDirs(const std::string& home, std::vector<std::string>& created) {
    const char* fromEnvironment = std::getenv("KESTRIVANE_HOME");
    if (home.empty() && fromEnvironment && *fromEnvironment) {
        const std::optional<std::string> named = NamedHome(fromEnvironment, "KESTRIVANE_HOME");
        if (!named) return std::nullopt;
        return kv::HomeDirs{*named, *named};
    }
    if (!home.empty()) {
        const std::optional<std::string> named = NamedHome(home, "--home");
        if (!named) return std::nullopt;
        return kv::HomeDirs{*named, *named};
    }
    const kv::HomeDirs dirs = kv::CurrentHomeDirs();
    if (dirs.config.empty() || dirs.data.empty()) {
        std::cerr << T(QT_TRANSLATE_NOOP("Cli", "No directory for the settings: HOME is not set. Pass --home DIR "
                                                "or set KESTRIVANE_HOME."))
                  << '\n';
        return std::nullopt;
    }
    // Created before the first write; the ones made here are noted, so that a
    // command that fails before writing leaves no empty home behind.
    for (const std::string& dir : {dirs.config, dirs.data})  // deepest first, parents made with it after it
        for (std::filesystem::path p = kv::FsPath(dir); !p.empty() && p != p.root_path() && !std::filesystem::exists(p);
             p = p.parent_path())
            if (std::ranges::find(created, kv::PathText(p)) == created.end()) created.push_back(kv::PathText(p));
    if (const auto failed = kv::ProgramHome::At(dirs).CreateDirectories()) {
        std::cerr << T(QT_TRANSLATE_NOOP("Cli", "Cannot create the directory %1. Pass --home DIR."), {*failed})
                  << '\n';
        return std::nullopt;
    }
    return dirs;
}

}  // namespace

namespace {

int Main(int argc, char** argv) {
    using namespace kv::cli;

    CLI::App app{T(QT_TRANSLATE_NOOP("Cli", "Checks the downloads of eDonkey, eMule and aMule against a list of "
                                            "known fakes.")),
                 "kestrivane-cli"};
    HelpWords(app);
    app.set_version_flag("--version", VersionLine(), T(QT_TRANSLATE_NOOP("Cli", "Print the version and exit")));
    app.require_subcommand(1);
    app.fallthrough();  // --home may also follow the command

    std::string home;
    app.add_option("--home", home,
                   T(QT_TRANSLATE_NOOP("Cli", "Directory holding Kestrivane.ini and FAKES.DAT; must exist "
                   "(default: $KESTRIVANE_HOME, else ~/.config/kestrivane and ~/.local/share/kestrivane when "
                   "installed, the program's own directory when portable)")))
        ->type_name("DIR");
    bool quiet = false;
    app.add_flag("-q,--quiet", quiet, T(QT_TRANSLATE_NOOP("Cli", "Print errors only (the check's rows and the search hits still go to stdout)")));
    const std::string exitStatus = T(QT_TRANSLATE_NOOP("Cli",
        "Exit status: 0 no fake or suspect found / search hits / list or program current or list updated / watch\n"
        "ended by SIGINT or SIGTERM; 1 fakes or suspects found / no search hit / a newer program; 2 the command\n"
        "could not run (a fake list that cannot be read, no list at all with --no-inspect, no temp directory or one\n"
        "that cannot be read, no update address or a failed update, a file that could not be written, no aMule\n"
        "connection, usage error); 3 check --update: the update failed, the local list still found fakes or suspects."));

    Cli cli;
    cli.AddCheck(app);
    cli.AddUpdateImportSearch(app);
    cli.AddWatch(app);
    cli.AddOwnList(app);
    cli.AddLinks(app);
    const auto amule = AddAmuleCommands(app);
    const auto serve = AddServeCommand(app);
    const auto emule = AddEmuleCommands(app);
    // Set after the commands, which would copy it: theirs only point here.
    app.footer(exitStatus);
    ShortFooters(app);
    for (CLI::App* sub : app.get_subcommands([](CLI::App*) { return true; }))
        sub->group(T(QT_TRANSLATE_NOOP("Cli", "Subcommands")));

    if (const std::string unknown = UnknownCommand(app, argc, argv); !unknown.empty()) {
        std::cerr << unknown << '\n';
        return kExitError;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (const std::string unknown = UnknownOption(app, argc, argv); !unknown.empty()) {
            std::cerr << unknown << '\n';
            return kExitError;
        }
        if (e.get_exit_code() != static_cast<int>(CLI::ExitCodes::Success)) {
            std::cerr << ParseFailed(e) << '\n';
            return kExitError;
        }
        return app.exit(e, std::cout, std::cerr) == 0 ? 0 : kExitError;
    }
    std::vector<std::string> created;
    const std::optional<kv::HomeDirs> dirs = ResolveDirs(home, created);
    if (!dirs) return kExitError;
    const Output output{std::cout, std::cerr, quiet, kv::console::IsTerminal(kv::console::Stream::Err)};
    const int code = amule->Parsed()   ? amule->Run(*dirs, quiet)
                     : emule->Parsed() ? emule->Run(*dirs, quiet)
                     : serve->Parsed() ? serve->Run(*dirs, output)
                                       : cli.Run(*dirs, output, quiet);
    // Only an empty directory goes: whatever was written there stays.
    if (code == kExitError)
        for (const std::string& dir : created) {
            std::error_code ec;
            std::filesystem::remove(kv::FsPath(dir), ec);
        }
    return code;
}

// The first of the variables naming the locale that is set.
std::string LocaleName() {
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"})
        if (const char* value = std::getenv(name); value && *value) return value;
    return "";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kv::cli;
    kv::console::Prepare();
    std::vector<std::string> words = kv::console::Arguments(argc, argv);
    std::vector<char*> pointers;
    for (std::string& w : words) pointers.push_back(w.data());
    pointers.push_back(nullptr);
    argc = static_cast<int>(words.size());
    argv = pointers.data();
    kv::DirectoryLock::SetProgramName("kestrivane-cli");
    const std::string language = ChosenLanguage(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                                std::getenv("LANG"), std::getenv("LANGUAGE"));
    UseLanguage(language);
    // Only the charset is taken from the locale; everything else keeps the C locale's rules.
    std::setlocale(LC_CTYPE, "");
    const std::string charset = OutputCharset(kv::console::LocaleCodeset(), LocaleName(), !language.empty());
    std::setlocale(LC_CTYPE, "C");
    if (charset.empty()) return Main(argc, argv);
    std::streambuf* const out = std::cout.rdbuf();
    std::streambuf* const err = std::cerr.rdbuf();
    int code;
    {
        CharsetStreambuf convertedOut(out, charset), convertedErr(err, charset);
        if (convertedOut.ok()) std::cout.rdbuf(&convertedOut), std::cerr.rdbuf(&convertedErr);
        code = Main(argc, argv);
        std::cout.flush();
        std::cerr.flush();
        std::cout.rdbuf(out);
        std::cerr.rdbuf(err);
    }
    return code;
}
