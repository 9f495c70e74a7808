// kestrivane-cli: the fake check, the fake list update, the client preference
// import and the text search, for terminals and machines without a display.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <vector>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <unistd.h>

#include "cli/AmuleCommands.h"
#include "cli/Commands.h"
#include "cli/QmCatalog.h"
#include "platform/DirectoryLock.h"
#include "common/DisplayText.h"
#include "common/Version.h"
#include "settings/Home.h"
#include "common/Paths.h"
#include "platform/HomeDirectories.h"

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

using namespace kv::cli;

// The commands, their arguments and what the parser made of them.
struct Cli {
    CheckArgs check;
    bool all = false, noAll = false, links = false, html = false, json = false, noInspect = false;
    UpdateArgs update;
    std::string importFile;
    bool detect = false;
    WatchArgs watchArgs;
    bool watchAmule = false;
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
            "check", "List the downloads that are known fakes or whose name or first bytes give them away");
        checkCmd->add_option("--temp-dir", check.tempDir, "The client's temp directory instead of the settings")
            ->type_name("DIR");
        auto* fakesOpt = checkCmd->add_option("--fakes", check.fakesFile, "Fake list to use instead of FAKES.DAT")
                             ->type_name("FILE");
        auto* allOpt = checkCmd->add_flag("--all", all, "List every download, fakes and OK ones");
        auto* noAllOpt = checkCmd->add_flag("--no-all", noAll, "List the fakes only");
        allOpt->excludes(noAllOpt);
        auto* linksOpt = checkCmd->add_flag("--links", links, "Print the ed2k link of every listed download");
        auto* htmlOpt = checkCmd->add_flag("--html", html, "Print every link as an HTML anchor");
        auto* jsonOpt = checkCmd->add_flag("--json", json, "Print the listed downloads as a JSON array");
        linksOpt->excludes(htmlOpt)->excludes(jsonOpt);
        htmlOpt->excludes(jsonOpt);
        checkCmd->add_flag("--no-inspect", noInspect,
                           "Do not look at names, part hashes and the bytes already downloaded for suspects");
        auto* updateOpt = checkCmd->add_flag("--update", check.update, "Update the fake list first");
        updateOpt->excludes(fakesOpt);
        checkCmd->add_flag("--no-header", check.noHeader, "Leave out the two head rows");
        auto* amuleOpt = checkCmd->add_flag("--amule", check.amule,
                                            "Check the downloads aMule reports (see 'amule connect') instead of the temp "
                                            "directory's .part.met files");
        checkCmd->add_flag("--pause-fakes", check.pauseFakes, "With --amule: pause every listed fake and suspect in aMule")
            ->needs(amuleOpt);

    }

    void AddUpdateImportSearch(CLI::App& app) {
        updateCmd = app.add_subcommand("update", "Fetch a newer fake list from the update address");
        updateCmd->add_option("--url", update.url, "Update address to use; stored as the new update address")
            ->type_name("URL");

        importCmd = app.add_subcommand(
            "import", "Store the client's temp directory, read from its pref.met, preferences.ini or amule.conf");
        auto* importFileOpt = importCmd->add_option("FILE", importFile, "The client's preference file");
        auto* detectOpt = importCmd->add_flag(
            "--detect", detect,
            "Look for ~/.aMule/amule.conf and eMule's or eDonkey's files under Wine (~/.wine, $WINEPREFIX); "
            "import the first that names a temp directory");
        detectOpt->excludes(importFileOpt);
        importCmd->require_option(1);

        searchCmd = app.add_subcommand("search", "List the downloads whose .met file holds a text");
        searchCmd->add_option("--temp-dir", search.tempDir, "The client's temp directory instead of the settings")
            ->type_name("DIR");
        searchCmd->add_flag("--json", search.json, "Print the hits as a JSON array");
        searchCmd->add_option("TEXT", search.text, "Text to look for (letters without regard to case)")->required();

    }

    void AddWatch(CLI::App& app) {
        watchCmd = app.add_subcommand(
            "watch", "Stay running; re-check a .part.met or a list when it changes and report each new fake once "
                     "(SIGHUP reads the settings and lists again)");
        watchCmd->add_option("--temp-dir", watchArgs.tempDir, "The client's temp directory instead of the settings")
            ->type_name("DIR");
        watchCmd->add_option("--fakes", watchArgs.fakesFile, "Fake list to use instead of FAKES.DAT")->type_name("FILE");
        watchCmd->add_flag("--json", watchArgs.json, "One JSON object per line for each finding");
        auto* watchAmuleOpt = watchCmd->add_flag("--amule", watchAmule, "Act in the aMule of 'amule connect' (with --pause-fakes)");
        watchCmd->add_flag("--pause-fakes", watchArgs.amulePause, "With --amule: pause each new fake and suspect in aMule")
            ->needs(watchAmuleOpt);
        watchCmd->add_option("--exec", watchArgs.exec,
                             "Run CMD for each finding (split like a shell would, never run by one); the finding is in "
                             "KV_PART, KV_NAME, KV_SIZE, KV_HASH, KV_KIND, KV_DESCRIPTION, KV_LINK, KV_TEMP_DIR; its "
                             "output goes to standard error; one runs at a time")
            ->type_name("CMD");
        watchCmd->add_option("--exec-timeout", watchArgs.execTimeoutSeconds,
                             "End a command of --exec that runs longer than this (default 60)")
            ->type_name("SECONDS")
            ->check(CLI::Range(1, 86400));

    }

    void AddOwnList(CLI::App& app) {
        // The user's own list, and lists to share.
        markCmd = app.add_subcommand("mark", "Add a download to your own fake list MYFAKES.DAT");
        markCmd->add_option("PART|HASH", mark.target, "A .part.met of the temp directory (001.part) or an ed2k hash")
            ->required();
        markCmd->add_option("--reason", mark.reason, "Why it is a fake (the list line's description)")->required();
        markCmd->add_option("--size", mark.size, "The file size, for a HASH")->type_name("BYTES");
        markCmd->add_option("--temp-dir", mark.tempDir, "The client's temp directory instead of the settings")
            ->type_name("DIR");
        allowCmd = app.add_subcommand("allow", "Record in MYFAKES.DAT that a download is not a fake, whatever "
                                                     "a list, a client or the inspection says");
        allowCmd->add_option("PART|HASH", allow.target, "A .part.met of the temp directory (001.part) or an ed2k hash")
            ->required();
        allowCmd->add_option("--reason", allow.reason, "Why it is not a fake");
        allowCmd->add_option("--temp-dir", allow.tempDir, "The client's temp directory instead of the settings")
            ->type_name("DIR");
        unmarkCmd = app.add_subcommand("unmark", "Remove a download from your own fake list MYFAKES.DAT");
        unmarkCmd->add_option("PART|HASH", unmark.target, "A .part.met of the temp directory or an ed2k hash")
            ->required();
        unmarkCmd->add_option("--temp-dir", unmark.tempDir, "The client's temp directory instead of the settings")
            ->type_name("DIR");
        exportCmd =
            app.add_subcommand("export", "Print or write list lines (hash,size,description) of the fakes the check finds");
        exportCmd->add_flag("--own", exportArgs.own, "Your own list MYFAKES.DAT instead");
        exportCmd->add_option("--temp-dir", exportArgs.tempDir, "The client's temp directory instead of the settings")
            ->type_name("DIR");
        exportCmd->add_option("FILE", exportArgs.file, "File to write (replaced whole); - or none: standard output");

    }

    void AddLinks(CLI::App& app) {
        // links: the links in a text or a collection, checked before they are downloaded.
        linksCmd = app.add_subcommand("links", "Check ed2k and magnet links (a text, a web page or an eMule "
                                                     "collection) before they are downloaded");
        linksCmd->add_option("FILE", linksArgs.file, "File holding the links; - or none for the standard input");
        linksCmd->add_option("--fakes", linksArgs.fakesFile, "Fake list to use instead of FAKES.DAT")->type_name("FILE");
        auto* linksAllOpt = linksCmd->add_flag("--all", linksAll, "List every link, fakes, suspects and OK ones (the default)");
        auto* linksNoAllOpt = linksCmd->add_flag("--no-all", linksNoAll, "List the fakes and suspects only");
        linksAllOpt->excludes(linksNoAllOpt);
        auto* linksLinksOpt = linksCmd->add_flag("--links", linksLinks, "Print the ed2k link of every listed link");
        auto* linksJsonOpt = linksCmd->add_flag("--json", linksJson, "Print every link as a JSON array, malformed ones too");
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
            if ((linksArgs.file.empty() || linksArgs.file == "-") && ::isatty(STDIN_FILENO) && !quiet)
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

// The settings and data directories: --home, or the usual ones created when missing; nullopt after saying why.
std::optional<kv::HomeDirs> ResolveDirs(std::string home) {
    kv::HomeDirs dirs;
    if (home.empty()) {
        dirs = kv::CurrentHomeDirs();
        if (dirs.config.empty() || dirs.data.empty()) {
            std::cerr << T(QT_TRANSLATE_NOOP("Cli", "No directory for the settings: HOME is not set. Pass --home DIR "
                                                    "or set KESTRIVANE_HOME."))
                      << '\n';
            return std::nullopt;
        }
        // Created before the first write; an explicit --home must exist already.
        if (const auto failed = kv::ProgramHome::At(dirs).CreateDirectories()) {
            std::cerr << T(QT_TRANSLATE_NOOP("Cli", "Cannot create the directory %1. Pass --home DIR."), {*failed})
                      << '\n';
            return std::nullopt;
        }
    } else {
        std::error_code ec;
        const auto absolute = std::filesystem::absolute(home, ec);
        if (!ec) home = absolute.lexically_normal().string();
        if (!std::filesystem::is_directory(home, ec)) {
            std::cerr << T(QT_TRANSLATE_NOOP("Cli", "--home %1: no such directory."), {home}) << '\n';
            return std::nullopt;
        }
        dirs = {home, home};
    }
    return dirs;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kv::cli;
    kv::DirectoryLock::SetProgramName("kestrivane-cli");
    UseLanguage(ChosenLanguage(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"),
                               std::getenv("LANGUAGE")));

    CLI::App app{"Checks the downloads of eDonkey, eMule and aMule against a list of known fakes.",
                 "kestrivane-cli"};
    app.set_version_flag("--version", VersionLine(), "Print the version and exit");
    app.require_subcommand(1);
    app.fallthrough();  // --home may also follow the command

    std::string home;
    app.add_option("--home", home,
                   "Directory holding Kestrivane.ini and FAKES.DAT; must exist "
                   "(default: $KESTRIVANE_HOME, else ~/.config/kestrivane and ~/.local/share/kestrivane when "
                   "installed, the program's own directory when portable)")
        ->type_name("DIR");
    bool quiet = false;
    app.add_flag("-q,--quiet", quiet, "Print errors only (the check's rows and the search hits still go to stdout)");
    app.footer(
        "Exit status: 0 no fake or suspect found / search hits / list current or updated / watch ended by SIGINT\n"
        "or SIGTERM; 1 fakes or suspects found / no search hit; 2 the command could not run (a fake list that\n"
        "cannot be read, no list at all with --no-inspect, no temp directory or one that cannot be read, no update\n"
        "address or a failed update, a file that could not be written, no aMule connection, usage error); 3 check\n"
        "--update: the update failed, the local list still found fakes or suspects.");

    Cli cli;
    cli.AddCheck(app);
    cli.AddUpdateImportSearch(app);
    cli.AddWatch(app);
    cli.AddOwnList(app);
    cli.AddLinks(app);
    const auto amule = AddAmuleCommands(app);

    if (const std::string unknown = UnknownCommand(app, argc, argv); !unknown.empty()) {
        std::cerr << unknown << '\n';
        return kExitError;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, std::cout, std::cerr);
        return code == 0 ? 0 : kExitError;
    }
    const std::optional<kv::HomeDirs> dirs = ResolveDirs(home);
    if (!dirs) return kExitError;
    if (amule->Parsed()) return amule->Run(*dirs, quiet);
    return cli.Run(*dirs, Output{std::cout, std::cerr, quiet, ::isatty(STDERR_FILENO) == 1}, quiet);
}
