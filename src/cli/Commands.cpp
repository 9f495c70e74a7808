#include "cli/Commands.h"

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <nlohmann/json.hpp>

#include "cli/CliView.h"
#include "common/DirectoryLock.h"
#include "common/DisplayText.h"
#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "ed2k/LinkText.h"
#include "lists/ListShape.h"
#include "lists/OwnList.h"
#include "ed2k/PartMetReader.h"
#include "clients/TempDir.h"
#include "usecases/Session.h"
#include "common/Paths.h"
#include "cli/DirectoryWatch.h"
#include "clients/ClientDetect.h"
#include "shell/LinkRows.h"
#include "shell/MainPresenter.h"
#include "shell/Messages.h"
#include "shell/Watch.h"

namespace kv::cli {

namespace {

// Ends a command whose operation could not run: its reason on one line.
int Fail(std::ostream& err, const std::string& failure, const std::string& fallback) {
    std::string message = VisibleControls(FlattenToOneLine(ToDisplayUtf8(failure)));
    if (message.empty()) message = fallback;
    err << message << '\n';
    return kExitError;
}

// A command that changes the program directory holds its lock throughout, so
// that its writes land together or not at all; the writes inside only count.
int LockFailed(const DirectoryLock& lock, const std::string& dir, std::ostream& err) {
    if (lock.Busy()) err << ToDisplayUtf8(msg::DirectoryBusy(*lock.Busy())) << '\n';
    else err << "Could not write in " << ToDisplayUtf8(dir) << ".\n";
    return kExitError;
}

// The presenter's failure texts name the window's buttons and menus; a
// terminal user needs the commands and options instead.
std::string CliFailure(FailureKind kind, const std::string& failure, const Session& session,
                       const std::string& fakesFile) {
    switch (kind) {
        case FailureKind::NoFakeList:
            return "No fake list: " + (fakesFile.empty() ? session.FakeListPath() : fakesFile) +
                   " does not exist. Run 'kestrivane-cli update' or pass --fakes FILE.";
        case FailureKind::NoTempDirSetting:
            return "No temp directory is set: run 'kestrivane-cli import FILE' or 'kestrivane-cli import --detect', "
                   "or pass --temp-dir DIR.";
        case FailureKind::NotStored: return "Could not write " + session.settings.Path() + ".";
        default: return failure;
    }
}

void PrintStatus(const CliView& view, std::ostream& err) {
    std::string status = view.LastStatus();
    // The window's advice names its button; the check's warning has said what to run instead.
    const std::string windowAdvice = std::string(" - ") + msg::kNoFakeList;
    if (status.size() > windowAdvice.size() && status.ends_with(windowAdvice))
        status.resize(status.size() - windowAdvice.size());
    if (!status.empty()) err << VisibleControls(ToDisplayUtf8(status)) << '\n';
}

nlohmann::ordered_json FindingJson(const Finding& f) {
    const Download& d = f.download;
    return {{"part", ToDisplayUtf8(f.part)},
            {"name", ToDisplayUtf8(d.name)},
            {"size", static_cast<int64_t>(d.size)},
            {"hash", d.hash ? d.hash->ToHex() : std::string()},
            {"fake", f.fake},
            {"description", ToDisplayUtf8(f.description)},
            {"link", ToDisplayUtf8(LinkFor(d))},
            {"suspect", f.suspect() ? nlohmann::ordered_json(ToDisplayUtf8(f.suspicion->reason))
                                    : nlohmann::ordered_json(nullptr)}};
}

void PrintCheckResult(const CliView& view, const CheckReport& report, CheckFormat format, std::ostream& out) {
    switch (format) {
        case CheckFormat::Rows:
            for (const auto& row : view.Rows()) out << ToDisplayUtf8Fields(row) << '\n';
            break;
        case CheckFormat::Links:
        case CheckFormat::Html:
            for (const auto& f : report.listed)
                out << ToDisplayUtf8(format == CheckFormat::Links ? LinkFor(f.download) : LinkHtmlFor(f.download))
                    << '\n';
            break;
        case CheckFormat::Json: {
            nlohmann::ordered_json list = nlohmann::ordered_json::array();
            for (const auto& f : report.listed) list.push_back(FindingJson(f));
            out << list.dump(2) << '\n';
            break;
        }
    }
    out << std::flush;
}

// The update as a terminal follows it. Quiet, nothing shows unless it fails;
// a failed transfer adds the network library's own words.
bool Update(Session& session, const Output& o) {
    CliView view(o.err, /*live=*/!o.quiet, /*progress=*/o.terminal && !o.quiet);
    MainPresenter presenter(session, view);
    const bool ok = presenter.UpdateFakeList();
    if (ok) return true;
    if (o.quiet) {
        view.PrintBoxes();
        PrintStatus(view, o.err);
    }
    if (const auto& failed = presenter.LastFailedTransfer(); failed && !failed->networkError.empty())
        o.err << "Network error: " << ToDisplayUtf8(failed->networkError) << '\n';
    return false;
}

}  // namespace

int RunCheck(const HomeDirs& dirs, const CheckArgs& args, const Output& o) {
    Session session = Session::At(dirs);
    bool updateFailed = false;
    if (args.update) {
        updateFailed = !Update(session, o);
        // The local list still serves; the failure shows in the exit status.
        if (updateFailed) o.err << "Update failed; checking with the local fake list.\n";
    }

    CliView view(o.err, /*live=*/false);
    CheckOverrides overrides;
    overrides.tempDir = args.tempDir;
    overrides.fakeList = args.fakesFile;
    overrides.listAll = args.showAll;
    overrides.inspect = args.inspect;
    const Outcome<CheckReport> outcome = MainPresenter(session, view).CheckDownloads(overrides);
    if (!outcome)
        return Fail(o.err, CliFailure(outcome.kind, outcome.failure, session, args.fakesFile), "The check could not run.");

    if (!o.quiet) view.PrintBoxes();
    // Warnings survive -q: a check that no list can help is worth a line in a cron mail.
    const std::string listPath = args.fakesFile.empty() ? session.FakeListPath() : args.fakesFile;
    if (FileExists(listPath))
        WarnAboutLoadedLists(session, listPath, o.err);
    else
        o.err << "Warning: no fake list: " << ToDisplayUtf8(listPath)
              << " does not exist, so only names, part hashes and the bytes already downloaded were checked. Run "
                 "'kestrivane-cli update' or pass --fakes FILE.\n";
    if (args.noHeader && args.format == CheckFormat::Rows) {
        // The head row and the blank row under it.
        for (size_t i = 2; i < view.Rows().size(); ++i) o.out << ToDisplayUtf8(view.Rows()[i]) << '\n';
        o.out << std::flush;
    } else {
        PrintCheckResult(view, *outcome.value, args.format, o.out);
    }
    if (!o.quiet) PrintStatus(view, o.err);
    const bool found = outcome.value->found + outcome.value->suspects > 0;
    if (updateFailed) return found ? kExitUpdateFailedFound : kExitError;
    return found ? kExitFound : kExitOk;
}

int RunUpdate(const HomeDirs& dirs, const UpdateArgs& args, const Output& o) {
    Session session = Session::At(dirs);
    if (!args.url.empty() && !session.settings.Write(Key::FakesDatDownloadURL, args.url)) {
        if (const std::optional<LockHolder> busy = TakeLockBusy()) {
            o.err << ToDisplayUtf8(msg::DirectoryBusy(*busy)) << '\n';
            return kExitError;
        }
        o.err << "Could not store the update address in " << ToDisplayUtf8(session.settings.Path()) << ".\n";
        return kExitError;
    }
    return Update(session, o) ? kExitOk : kExitError;
}

namespace {

int Import(Session& session, const std::string& path, const DetectedClient* detected, const Output& o) {
    const DirectoryLock lock(session.programDir);
    if (!lock) return LockFailed(lock, session.programDir, o.err);
    CliView view(o.err, /*live=*/false);
    MainPresenter presenter(session, view);
    const Outcome<ImportResult> outcome =
        detected ? presenter.ImportDetectedClient(*detected) : presenter.ImportClientFile(path);
    if (!outcome) {
        // Without a failure text the client's file was fine and the settings
        // could not be written (a missing or read-only program directory).
        if (!outcome.failure.empty()) return Fail(o.err, outcome.failure, "The import stored no temp directory.");
        o.err << "Could not write " << ToDisplayUtf8(session.settings.Path()) << ".\n";
        return kExitError;
    }
    if (!o.quiet) {
        view.PrintBoxes();
        PrintStatus(view, o.err);
    }
    return kExitOk;
}

}  // namespace

int RunImport(const HomeDirs& dirs, const std::string& file, const Output& o) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path absolute = fs::absolute(fs::path(file), ec).lexically_normal();
    const std::string path = ec ? file : absolute.string();
    if (ClientFileOf(path) == ClientFile::None) {
        o.err << "Cannot import " << ToDisplayUtf8(path)
              << ": the file must be named pref.met (eDonkey), preferences.ini (eMule) or amule.conf (aMule).\n";
        return kExitError;
    }
    // A mistyped path is reported before anything is written to the settings.
    if (!FileExists(path)) {
        o.err << "Cannot import " << ToDisplayUtf8(path) << ": no such file.\n";
        return kExitError;
    }
    Session session = Session::At(dirs);
    return Import(session, path, nullptr, o);
}

int RunImportDetected(const HomeDirs& dirs, const std::string& home, const Output& o) {
    const char* winePrefix = std::getenv("WINEPREFIX");
    const std::vector<DetectedClient> found = DetectClientFiles(home, {winePrefix ? winePrefix : ""});
    const DetectedClient* chosen = nullptr;
    for (const DetectedClient& d : found) {
        if (!o.quiet)
            o.err << "Found " << ClientName(d.client) << ": " << ToDisplayUtf8(d.path)
                  << (d.tempDir.empty() ? " (names no temp directory)" : " (temp directory " + ToDisplayUtf8(d.tempDir) + ")")
                  << '\n';
        if (!chosen && !d.tempDir.empty()) chosen = &d;
    }
    if (!chosen) {
        o.err << (found.empty() ? "No client preference file found"
                                : "No client preference file found that names a temp directory")
              << " (looked for ~/.aMule/amule.conf, and eMule's preferences.ini and eDonkey's pref.met in the Wine "
                 "prefix ~/.wine). Run 'kestrivane-cli import FILE' or pass --temp-dir DIR to 'check'.\n";
        return kExitError;
    }
    if (!o.quiet) o.err << "Importing " << ToDisplayUtf8(chosen->path) << '\n';
    Session session = Session::At(dirs);
    return Import(session, chosen->path, chosen, o);
}

int RunSearch(const HomeDirs& dirs, const SearchArgs& args, const Output& o) {
    Session session = Session::At(dirs);
    CliView view(o.err, /*live=*/false);
    const Outcome<std::vector<SearchHit>> outcome = MainPresenter(session, view).SearchTempFiles(args.text, args.tempDir);
    if (!outcome) return Fail(o.err, CliFailure(outcome.kind, outcome.failure, session, ""), "The search could not run.");

    if (!o.quiet) view.PrintBoxes();
    const auto& hits = *outcome.value;
    if (args.json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const auto& hit : hits)
            list.push_back({{"part", ToDisplayUtf8(hit.part)}, {"name", ToDisplayUtf8(hit.name)}});
        o.out << list.dump(2) << '\n';
    } else {
        for (const auto& hit : hits)
            o.out << ToDisplayUtf8(VisibleControls(hit.part)) << '\t' << ToDisplayUtf8(VisibleControls(hit.name)) << '\n';
    }
    o.out << std::flush;
    if (!o.quiet) PrintStatus(view, o.err);
    return hits.empty() ? kExitFound : kExitOk;
}

void WarnAboutLoadedLists(const Session& session, const std::string& listPath, std::ostream& err) {
    const int64_t length = FileLength(listPath);
    // The first bytes tell a UTF-16 file; its records cannot be read as lines of bytes.
    const std::string head = length > 0 ? ReadFileHead(listPath, 4096).value_or("") : "";
    const ListShape shape = length == 0 ? ListShape::Empty : JudgeList(head).shape;
    if (shape == ListShape::Empty || shape == ListShape::Utf16)
        err << "Warning: " << ToDisplayUtf8(listPath) << " " << ShapeText(shape)
            << "; no download can be found as a fake with it.\n";
    else if (session.fakes.records() == 0)
        err << "Warning: the loaded fake lists hold no record; no download can be found as a fake.\n";
}

namespace {

struct MarkTarget {
    Ed2kHash hash;
    std::optional<uint64_t> size;
    std::string name;  // for messages: the download's name or the hash
};

// PART names a .met file of the temp directory; anything of 32 hex digits is a hash.
std::optional<MarkTarget> ResolveMarkTarget(const Session& session, const MarkArgs& args, std::ostream& err) {
    if (const auto hash = Ed2kHash::FromHex(args.target)) return MarkTarget{*hash, args.size, args.target};
    if (args.target.find('/') != std::string::npos || args.target.empty()) {
        err << "Cannot mark " << ToDisplayUtf8(args.target)
            << ": give a .part.met name of the temp directory (001.part) or a hash of 32 hex digits.\n";
        return std::nullopt;
    }
    const std::string dir = args.tempDir.empty() ? ConfiguredTempDir(session.settings) : args.tempDir;
    if (dir.empty()) {
        err << "No temp directory is set; use --temp-dir or import the client's preferences first.\n";
        return std::nullopt;
    }
    for (const std::string& name : {args.target, args.target + ".met"}) {
        const std::string path = JoinPath(dir, name);
        if (!FileExists(path) || name.size() < 4 || name.compare(name.size() - 4, 4, ".met") != 0) continue;
        const std::optional<Download> d = ReadPartMet(path);
        if (!d || !d->hash) {
            err << "Cannot mark " << ToDisplayUtf8(path) << ": the file holds no ed2k hash.\n";
            return std::nullopt;
        }
        return MarkTarget{*d->hash, args.size ? args.size : std::optional<uint64_t>(d->size), d->name};
    }
    err << "Cannot mark " << ToDisplayUtf8(args.target) << ": no such .part.met in " << ToDisplayUtf8(dir) << ".\n";
    return std::nullopt;
}

}  // namespace

// ---- links ------------------------------------------------------------------------

namespace {

// Standard input, up to one byte over the limit so that the check can refuse it.
std::optional<std::string> ReadInput(std::istream& in) {
    std::string bytes;
    char buffer[1 << 16];
    while (bytes.size() <= kMaxLinkCheckInput && in.read(buffer, sizeof buffer).gcount() > 0)
        bytes.append(buffer, static_cast<size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return bytes;
}

nlohmann::ordered_json NullOr(const std::string& text) {
    return text.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(ToDisplayUtf8(text));
}

nlohmann::ordered_json LinkJson(const LinkFinding& f) {
    using json = nlohmann::ordered_json;
    const bool read = f.link.has_value();
    return {{"line", f.line},
            {"name", read ? json(ToDisplayUtf8(f.link->name)) : json(nullptr)},
            {"size", read ? json(f.link->size) : json(nullptr)},
            {"hash", read ? json(f.link->hash.ToHex()) : json(nullptr)},
            {"fake", f.fake()},
            {"description", ToDisplayUtf8(f.description)},
            {"list", NullOr(f.listName)},
            {"suspect", NullOr(f.suspect)},
            {"link", read ? json(ToDisplayUtf8(f.link->Text())) : NullOr(f.raw)},
            {"error", NullOr(f.error)}};
}

}  // namespace

int RunMark(const HomeDirs& dirs, const MarkArgs& args, const Output& o) {
    std::ostream& err = o.err;
    Session session = Session::At(dirs);
    const auto target = ResolveMarkTarget(session, args, err);
    if (!target) return kExitError;
    const DirectoryLock lock(session.programDir);
    if (!lock) return LockFailed(lock, session.programDir, err);
    const ListEdit edit = MarkFake(JoinPath(session.programDir, kOwnListFileName), target->hash, target->size, args.reason);
    if (!edit.ok) return Fail(err, edit.failure, "The own list could not be written.");
    if (!o.quiet) err << ToDisplayUtf8(msg::Marked(target->name)) << '\n';
    return kExitOk;
}

int RunUnmark(const HomeDirs& dirs, const MarkArgs& args, const Output& o) {
    std::ostream& err = o.err;
    Session session = Session::At(dirs);
    const auto target = ResolveMarkTarget(session, args, err);
    if (!target) return kExitError;
    const DirectoryLock lock(session.programDir);
    if (!lock) return LockFailed(lock, session.programDir, err);
    const ListEdit edit = UnmarkFake(JoinPath(session.programDir, kOwnListFileName), target->hash);
    if (!edit.ok) return Fail(err, edit.failure, "The own list could not be written.");
    if (edit.changed == 0) {
        err << ToDisplayUtf8(msg::NotInOwnList(target->name)) << '\n';
        return kExitFound;
    }
    if (!o.quiet) err << ToDisplayUtf8(msg::Unmarked(target->name)) << '\n';
    return kExitOk;
}

int RunExport(const HomeDirs& dirs, const ExportArgs& args, const Output& o) {
    std::ostream& out = o.out;
    std::ostream& err = o.err;
    Session session = Session::At(dirs);
    std::string lines;
    if (args.own) {
        lines = OwnListLines(JoinPath(session.programDir, kOwnListFileName));
    } else {
        CliView view(err, /*live=*/false);
        CheckOverrides overrides;
        overrides.tempDir = args.tempDir;
        overrides.listAll = false;
        const Outcome<CheckReport> outcome = MainPresenter(session, view).CheckDownloads(overrides);
        if (!outcome) return Fail(err, outcome.failure, "The check could not run.");
        for (const Finding& f : outcome.value->listed)
            if (f.fake) lines += FindingListLine(f);
    }
    if (lines.empty()) {
        err << (args.own ? msg::kOwnListEmpty : "The check found no fake to export.") << '\n';
        return kExitFound;
    }
    const int64_t count = std::count(lines.begin(), lines.end(), '\n');
    if (args.file.empty() || args.file == "-") {
        out << lines << std::flush;
    } else if (!WriteFileAtomic(args.file, lines)) {
        err << "Could not write file " << ToDisplayUtf8(args.file) << ".\n";
        return kExitError;
    } else {
        err << count << " list line(s) written to " << ToDisplayUtf8(args.file) << ".\n";
    }
    return kExitOk;
}

int RunLinks(const HomeDirs& dirs, const LinksArgs& args, std::istream& in, const Output& o) {
    std::ostream& out = o.out;
    std::ostream& err = o.err;
    Session session = Session::At(dirs);
    CliView view(err, /*live=*/false);
    MainPresenter presenter(session, view);
    Outcome<LinkReport> outcome;
    if (args.file.empty() || args.file == "-") {
        const std::optional<std::string> input = ReadInput(in);
        if (!input) return Fail(err, "Could not read the standard input.", "");
        outcome = presenter.CheckLinks(*input, args.fakesFile);
    } else {
        outcome = presenter.CheckLinksFile(args.file, args.fakesFile);
    }
    if (!outcome) return Fail(err, outcome.failure, "The link check could not run.");
    const LinkReport& report = *outcome.value;
    if (!o.quiet) view.PrintBoxes();
    if (report.listRecords == 0 && !o.quiet) err << msg::kNoListForLinks << '\n';

    const auto listed = [&](const LinkFinding& f) {
        return f.verdict == LinkVerdict::Fake || f.verdict == LinkVerdict::Suspect ||
               (args.showAll && f.verdict == LinkVerdict::Ok);
    };
    if (args.format == LinksFormat::Json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const LinkFinding& f : report.findings)
            if (listed(f) || f.verdict == LinkVerdict::Malformed) list.push_back(LinkJson(f));
        out << list.dump(2) << '\n';
    } else {
        if (args.format == LinksFormat::Rows) out << msg::kLinkCheckHead << "\n \n";
        for (const LinkFinding& f : report.findings) {
            if (!listed(f)) continue;
            out << ToDisplayUtf8(args.format == LinksFormat::Links ? f.link->Text() : LinkRow(f)) << '\n';
        }
    }
    out << std::flush;
    for (const LinkFinding& f : report.findings) {
        if (f.verdict != LinkVerdict::Malformed) continue;
        if (f.line > 0) err << "Line " << f.line << ": ";
        err << FlattenToOneLine(ToDisplayUtf8(f.error)) << '\n';
    }
    if (!o.quiet) err << LinkCheckSummary(report) << '\n';
    return report.fakes + report.suspects > 0 ? kExitFound : kExitOk;
}

int RunWatchCommand(const HomeDirs& dirs, const WatchArgs& args, const Output& o) {
    Session session = Session::At(dirs);
    std::vector<std::string> command;
    if (!args.exec.empty()) {
        bool ok = false;
        command = SplitCommand(args.exec, &ok);
        if (!ok || command.empty()) {
            o.err << "--exec: cannot split '" << args.exec << "' into a program and its arguments (unclosed quote?).\n";
            return kExitError;
        }
    }
    const std::string dir = args.tempDir.empty() ? ConfiguredTempDir(session.settings) : args.tempDir;
    if (dir.empty())
        return Fail(o.err, CliFailure(FailureKind::NoTempDirSetting, "", session, args.fakesFile), "");
    if (!IsDirectory(dir)) return Fail(o.err, "Temp directory " + dir + " not found!", "");

    // eMule's further temp directories are watched too, those that are there
    // now (the check says which are missing).
    std::vector<std::string> watched = {dir};
    if (args.tempDir.empty()) {
        for (const std::string& further : FurtherTempDirs(session.settings))
            if (IsDirectory(further)) watched.push_back(further);
    }
    DirectoryWatch watch(watched);
    if (!watch.Failure().empty()) return Fail(o.err, watch.Failure(), "");
    if (!o.quiet) {
        o.err << "Watching " << ToDisplayUtf8(dir);
        if (watched.size() > 1) o.err << " and " << watched.size() - 1 << " further temp director" << (watched.size() > 2 ? "ies" : "y");
        o.err << " (Ctrl+C ends)\n" << std::flush;
    }

    WatchHandlers handlers;
    handlers.finding = [&](const Finding& f) {
        if (args.json) {
            o.out << FindingJson(f).dump() << '\n';
        } else {
            // One line per finding, whatever a name holds.
            o.out << VisibleControls(ToDisplayUtf8(f.part)) << '\t' << VisibleControls(ToDisplayUtf8(f.download.name))
                  << '\t' << VisibleControls(ToDisplayUtf8(msg::VerdictOf(f))) << '\n';
        }
        o.out << std::flush;
        if (command.empty()) return;
        // The finding travels in the environment only: no shell ever parses a download's name.
        const Download& d = f.download;
        const int status = RunProgram(command, {{"KV_PART", ToDisplayUtf8(f.part)},
                                                {"KV_NAME", ToDisplayUtf8(d.name)},
                                                {"KV_SIZE", std::to_string(d.size)},
                                                {"KV_HASH", d.hash ? d.hash->ToHex() : std::string()},
                                                {"KV_KIND", f.fake ? "fake" : "suspect"},
                                                {"KV_DESCRIPTION", ToDisplayUtf8(msg::VerdictOf(f))},
                                                {"KV_LINK", ToDisplayUtf8(LinkFor(d))},
                                                {"KV_TEMP_DIR", ToDisplayUtf8(dir)}});
        if (status < 0) o.err << "--exec: could not start " << command.front() << ".\n" << std::flush;
        else if (status != 0 && !o.quiet)
            o.err << "--exec: " << command.front() << " ended with status " << status << ".\n" << std::flush;
    };
    handlers.problem = [&](FailureKind kind, const std::string& failure) {
        // Watching goes on: the list or the directory may come back.
        o.err << FlattenToOneLine(ToDisplayUtf8(CliFailure(kind, failure, session, args.fakesFile))) << '\n'
              << std::flush;
    };
    CheckOverrides overrides;
    overrides.tempDir = args.tempDir;  // none given: the settings' directories, further ones included
    overrides.fakeList = args.fakesFile;
    RunWatch(session, overrides, watch, handlers);
    if (!watch.Failure().empty()) return Fail(o.err, watch.Failure(), "");
    return kExitOk;
}

}  // namespace kv::cli
