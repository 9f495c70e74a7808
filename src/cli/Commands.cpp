#include "cli/Commands.h"

#include <filesystem>
#include <nlohmann/json.hpp>

#include "cli/CliView.h"
#include "common/AppState.h"
#include "common/DisplayText.h"
#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "online/FakeListUpdate.h"
#include "partmet/CheckRun.h"
#include "partmet/LinkExport.h"
#include "partmet/PrefImport.h"
#include "partmet/TextSearch.h"
#include "settings/IniFile.h"
#include "settings/Paths.h"
#include "shell/Startup.h"

namespace kv::cli {

namespace {

// Ends a command whose operation could not run: its last text on one line.
int Fail(const CliView& view, std::ostream& err, const std::string& fallback) {
    std::string message = view.LastMessageOneLine();
    if (message.empty()) message = fallback;
    err << message << '\n';
    return kExitError;
}

void PrintStatus(const CliView& view, std::ostream& err) {
    const std::string status = view.LastStatus();
    if (!status.empty()) err << ToDisplayUtf8(status) << '\n';
}

void PrintCheckResult(const CliView& view, const CheckSummary& summary, CheckFormat format,
                      std::ostream& out) {
    switch (format) {
        case CheckFormat::Rows:
            for (const auto& row : view.Rows()) out << ToDisplayUtf8(row) << '\n';
            break;
        case CheckFormat::Links:
        case CheckFormat::Html:
            for (const auto& d : summary.listed) {
                const std::string size = DecimalText(d.size);
                out << ToDisplayUtf8(format == CheckFormat::Links ? Ed2kLink(d.name, size, d.hash)
                                                                  : Ed2kLinkHtml(d.name, size, d.hash))
                    << '\n';
            }
            break;
        case CheckFormat::Json: {
            nlohmann::ordered_json list = nlohmann::ordered_json::array();
            for (const auto& d : summary.listed) {
                list.push_back({{"part", ToDisplayUtf8(d.part)},
                                {"name", ToDisplayUtf8(d.name)},
                                {"size", d.size},
                                {"hash", ToDisplayUtf8(d.hash)},
                                {"fake", d.fake},
                                {"description", ToDisplayUtf8(d.description)},
                                {"link", ToDisplayUtf8(Ed2kLink(d.name, DecimalText(d.size), d.hash))}});
            }
            out << list.dump(2) << '\n';
            break;
        }
    }
    out << std::flush;
}

// The update flow on state; true when the list is current or was updated.
bool Update(AppState& state, std::ostream& err) {
    CliView view(err, /*live=*/true);
    OnlineFakesDB_Click(state, view);
    // After the flow gfDownloadOK tells the last transfer: the version file
    // when no list was needed, else the list itself.
    return state.gfDownloadOK;
}

}  // namespace

int RunCheck(const std::string& home, const CheckArgs& args, std::ostream& out, std::ostream& err) {
    AppState state;
    CliView view(err, /*live=*/false);
    InitSharedState(state, view, home);

    bool updateFailed = false;
    if (args.update) {
        updateFailed = !Update(state, err);
        // The local list still serves; the failure shows in the exit status.
        if (updateFailed) err << "Update failed; checking with the local fake list.\n";
    }

    CheckOptions options;
    options.tempDir = args.tempDir;
    options.fakesFile = args.fakesFile;
    options.showAll = args.showAll;
    const CheckSummary summary = cbCheckFiles_Click(state, view, options);
    if (!summary.ran) return Fail(view, err, "The check could not run.");

    view.PrintBoxes();
    PrintCheckResult(view, summary, args.format, out);
    PrintStatus(view, err);
    if (updateFailed) return kExitError;
    return summary.found > 0 ? kExitFound : kExitOk;
}

int RunUpdate(const std::string& home, std::ostream& err) {
    AppState state;
    CliView initView(err, /*live=*/true);
    InitSharedState(state, initView, home);
    return Update(state, err) ? kExitOk : kExitError;
}

int RunImport(const std::string& home, const std::string& file, std::ostream& err) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path absolute = fs::absolute(fs::path(file), ec).lexically_normal();
    const std::string path = ec ? file : absolute.string();
    const std::string name = FileNameOf(path);
    if (name != "pref.met" && name != "preferences.ini" && name != "amule.conf") {
        err << "Cannot import " << ToDisplayUtf8(path)
            << ": the file must be named pref.met (eDonkey), preferences.ini (eMule) or amule.conf (aMule).\n";
        return kExitError;
    }
    // A mistyped path is reported before anything is written to the settings.
    if (!FileExists(path)) {
        err << "Cannot import " << ToDisplayUtf8(path) << ": no such file.\n";
        return kExitError;
    }

    AppState state;
    CliView view(err, /*live=*/false);
    InitSharedState(state, view, home);
    if (!ImportClientPrefsFile(state, view, path)) {
        // Without a box the client's file was fine and the settings could not
        // be written (a missing or read-only program directory).
        if (view.HasBoxes()) return Fail(view, err, "The import stored no temp directory.");
        err << "Could not write " << ToDisplayUtf8(state.gIniFile) << ".\n";
        return kExitError;
    }
    view.PrintBoxes();
    PrintStatus(view, err);
    return kExitOk;
}

int RunSearch(const std::string& home, const SearchArgs& args, std::ostream& out, std::ostream& err) {
    AppState state;
    CliView view(err, /*live=*/false);
    InitSharedState(state, view, home);
    const SearchSummary summary = cbTitelSearch_Click(state, view, args.text, args.tempDir);
    if (!summary.ran) return Fail(view, err, "The search could not run.");

    view.PrintBoxes();
    if (args.json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const auto& hit : summary.hits)
            list.push_back({{"part", ToDisplayUtf8(hit.part)}, {"name", ToDisplayUtf8(hit.name)}});
        out << list.dump(2) << '\n';
    } else {
        for (const auto& hit : summary.hits) out << ToDisplayUtf8(hit.part) << '\t' << ToDisplayUtf8(hit.name) << '\n';
    }
    out << std::flush;
    PrintStatus(view, err);
    return summary.hits.empty() ? kExitFound : kExitOk;
}

}  // namespace kv::cli
