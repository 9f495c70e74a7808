// kestrivane-cli: the fake check, the fake list update, the client preference
// import and the text search, for terminals and machines without a display.
#include <CLI/CLI.hpp>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "cli/Commands.h"
#include "common/Version.h"
#include "settings/Paths.h"

namespace {

std::string VersionLine() {
    return "kestrivane-cli " + std::to_string(kv::kVersionMajor) + "." + std::to_string(kv::kVersionMinor) + "." +
           std::to_string(kv::kVersionRevision);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kv::cli;

    CLI::App app{"Checks the downloads of eDonkey, eMule and aMule against a list of known fakes.",
                 "kestrivane-cli"};
    app.set_version_flag("--version", VersionLine(), "Print the version and exit");
    app.require_subcommand(1);
    app.fallthrough();  // --home may also follow the command

    std::string home;
    app.add_option("--home", home,
                   "Program directory holding Kestrivane.ini and FAKES.DAT "
                   "(default: $KESTRIVANE_HOME, else the program's own directory)")
        ->type_name("DIR");
    app.footer(
        "Exit status: 0 no fake or suspect found / search hits / list current or updated;\n"
        "1 fakes or suspects found / no search hit;\n"
        "2 the command could not run (no fake list, no temp directory, failed update, usage error).");

    CheckArgs check;
    bool all = false, noAll = false, links = false, html = false, json = false;
    auto* checkCmd = app.add_subcommand(
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
    bool noInspect = false;
    checkCmd->add_flag("--no-inspect", noInspect,
                       "Do not look at names, part hashes and the bytes already downloaded for suspects");
    auto* updateOpt = checkCmd->add_flag("--update", check.update, "Update the fake list first");
    updateOpt->excludes(fakesOpt);

    auto* updateCmd = app.add_subcommand("update", "Fetch a newer fake list from the update address");

    std::string importFile;
    auto* importCmd = app.add_subcommand(
        "import", "Store the client's temp directory, read from its pref.met, preferences.ini or amule.conf");
    importCmd->add_option("FILE", importFile, "The client's preference file")->required();

    SearchArgs search;
    auto* searchCmd = app.add_subcommand("search", "List the downloads whose .met file holds a text");
    searchCmd->add_option("--temp-dir", search.tempDir, "The client's temp directory instead of the settings")
        ->type_name("DIR");
    searchCmd->add_flag("--json", search.json, "Print the hits as a JSON array");
    searchCmd->add_option("TEXT", search.text, "Text to look for (letters without regard to case)")->required();

    // The user's own list, and lists to share.
    MarkArgs mark, unmark;
    auto* markCmd = app.add_subcommand("mark", "Add a download to your own fake list MYFAKES.DAT");
    markCmd->add_option("PART|HASH", mark.target, "A .part.met of the temp directory (001.part) or an ed2k hash")
        ->required();
    markCmd->add_option("--reason", mark.reason, "Why it is a fake (the list line's description)")->required();
    markCmd->add_option("--size", mark.size, "The file size, for a HASH")->type_name("BYTES");
    markCmd->add_option("--temp-dir", mark.tempDir, "The client's temp directory instead of the settings")
        ->type_name("DIR");
    auto* unmarkCmd = app.add_subcommand("unmark", "Remove a download from your own fake list MYFAKES.DAT");
    unmarkCmd->add_option("PART|HASH", unmark.target, "A .part.met of the temp directory or an ed2k hash")
        ->required();
    unmarkCmd->add_option("--temp-dir", unmark.tempDir, "The client's temp directory instead of the settings")
        ->type_name("DIR");
    ExportArgs exportArgs;
    auto* exportCmd =
        app.add_subcommand("export", "Print or write list lines (hash,size,description) of the fakes the check finds");
    exportCmd->add_flag("--own", exportArgs.own, "Your own list MYFAKES.DAT instead");
    exportCmd->add_option("--temp-dir", exportArgs.tempDir, "The client's temp directory instead of the settings")
        ->type_name("DIR");
    exportCmd->add_option("FILE", exportArgs.file, "File to write (replaced whole); - or none: standard output");

    // links: the links in a text or a collection, checked before they are downloaded.
    LinksArgs linksArgs;
    bool linksAll = false, linksNoAll = false, linksLinks = false, linksJson = false;
    auto* linksCmd = app.add_subcommand("links", "Check ed2k and magnet links (a text, a web page or an eMule "
                                                 "collection) before they are downloaded");
    linksCmd->add_option("FILE", linksArgs.file, "File holding the links; - or none for the standard input");
    linksCmd->add_option("--fakes", linksArgs.fakesFile, "Fake list to use instead of FAKES.DAT")->type_name("FILE");
    auto* linksAllOpt = linksCmd->add_flag("--all", linksAll, "List every link, fakes, suspects and OK ones (the default)");
    auto* linksNoAllOpt = linksCmd->add_flag("--no-all", linksNoAll, "List the fakes and suspects only");
    linksAllOpt->excludes(linksNoAllOpt);
    auto* linksLinksOpt = linksCmd->add_flag("--links", linksLinks, "Print the ed2k link of every listed link");
    auto* linksJsonOpt = linksCmd->add_flag("--json", linksJson, "Print every link as a JSON array, malformed ones too");
    linksLinksOpt->excludes(linksJsonOpt);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, std::cout, std::cerr);
        return code == 0 ? 0 : kExitError;
    }

    if (home.empty()) {
        home = kv::ProgramDirectory();
    } else {
        std::error_code ec;
        const auto absolute = std::filesystem::absolute(home, ec);
        if (!ec) home = absolute.lexically_normal().string();
        // Whatever in the core asks for the program directory gets the same one.
        ::setenv("KESTRIVANE_HOME", home.c_str(), 1);
    }

    if (checkCmd->parsed()) {
        if (all) check.showAll = true;
        if (noAll) check.showAll = false;
        if (links) check.format = CheckFormat::Links;
        if (html) check.format = CheckFormat::Html;
        if (json) check.format = CheckFormat::Json;
        check.inspect = !noInspect;
        return RunCheck(home, check, std::cout, std::cerr);
    }
    if (linksCmd->parsed()) {
        linksArgs.showAll = !linksNoAll;
        if (linksLinks) linksArgs.format = LinksFormat::Links;
        if (linksJson) linksArgs.format = LinksFormat::Json;
        return RunLinks(home, linksArgs, std::cin, std::cout, std::cerr);
    }
    if (updateCmd->parsed()) return RunUpdate(home, std::cerr);
    if (importCmd->parsed()) return RunImport(home, importFile, std::cerr);
    if (searchCmd->parsed()) return RunSearch(home, search, std::cout, std::cerr);
    if (markCmd->parsed()) return RunMark(home, mark, std::cerr);
    if (unmarkCmd->parsed()) return RunUnmark(home, unmark, std::cerr);
    if (exportCmd->parsed()) return RunExport(home, exportArgs, std::cout, std::cerr);
    return kExitError;
}
