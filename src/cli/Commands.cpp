#include "cli/Commands.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "cli/DirectoryWatch.h"
#include "cli/Terminal.h"
#include "cli/Texts.h"
#include "common/DirectoryLock.h"
#include "common/DisplayText.h"
#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "common/Version.h"
#include "ed2k/LinkText.h"
#include "usecases/AmuleCheck.h"
#include "usecases/Check.h"
#include "usecases/ImportClient.h"
#include "usecases/LinkCheck.h"
#include "usecases/OwnListEdit.h"
#include "usecases/ReportText.h"
#include "usecases/TextSearch.h"
#include "usecases/UpdateLists.h"
#include "usecases/Watch.h"

namespace kv::cli {

namespace {

// Ends a command whose operation could not run: its reason on one line.
int Fail(std::ostream& err, const std::string& failure) {
    err << VisibleControls(FlattenToOneLine(ToDisplayUtf8(failure))) << '\n';
    return kExitError;
}

// A command that changes the program directory holds its lock throughout, so
// that its writes land together or not at all; the writes inside only count.
int LockFailed(const DirectoryLock& lock, const std::string& dir, std::ostream& err) {
    if (lock.Busy()) err << ToDisplayUtf8(text::DirectoryBusy(*lock.Busy())) << '\n';
    else err << "Could not write in " << ToDisplayUtf8(dir) << ".\n";
    return kExitError;
}

void PrintStatus(const std::string& status, std::ostream& err) {
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
                                    : nlohmann::ordered_json(nullptr)},
            {"note", f.note() ? nlohmann::ordered_json(ToDisplayUtf8(f.suspicion->reason)) : nlohmann::ordered_json(nullptr)},
            {"allowed", f.allowed}};
}

// A check row: a field's own control bytes are shown, never taken for separators or line ends.
std::string FindingRow(const Finding& f) {
    return VisibleControls(f.part) + TAB + VisibleControls(f.download.name) + TAB + VisibleControls(VerdictOf(f));
}

void PrintCheckResult(const CheckReport& report, const CheckArgs& args, std::ostream& out) {
    switch (args.format) {
        case CheckFormat::Rows:
            if (!args.noHeader) out << text::kCheckHead << "\n \n";
            for (const auto& f : report.listed) out << ToDisplayUtf8Fields(FindingRow(f)) << '\n';
            break;
        case CheckFormat::Links:
        case CheckFormat::Html:
            // A name's control bytes are percent-encoded in the link; in an anchor's text they are shown.
            for (const auto& f : report.listed)
                out << VisibleControls(ToDisplayUtf8(args.format == CheckFormat::Links ? LinkFor(f.download)
                                                                                        : LinkHtmlFor(f.download)))
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

// The update as a terminal follows it: each step a status line, transfers on one updating line.
class UpdateOutput : public UpdateObserver {
public:
    UpdateOutput(StatusLog& log, bool showProgress) : log_(log), showProgress_(showProgress) {}

    void VersionCheckStarted() override { log_.Status(text::kVersionCheckRunning); }
    void VersionChecked(const ListSource&, const ListVersionCheck& check) override {
        log_.Status(check.newer ? text::NewListVersion(check.serverVersion) : std::string(text::kNewestList));
    }
    void DownloadStarted(const std::string&) override { log_.Status(text::kOpeningUrl); }
    TransferProgress* Progress(bool quiet) override {
        if (quiet || !showProgress_) return &silent_;
        return &log_.Progress();
    }
    void TransferEnded(const DownloadResult& result, const std::string& address, const std::string& target,
                       bool quiet) override {
        if (!result.ok()) lastFailed_ = result;
        if (result.status == DownloadStatus::ProxyRefused) return log_.Box(result.proxyPage, text::kDownloadBoxTitle);
        if (result.status == DownloadStatus::NotAvailable) log_.Box(text::kUrlNotAvailable, text::kDownloadBoxTitle);
        if (result.status == DownloadStatus::Refused) log_.Box(result.refusal, text::kListRefusedTitle);
        const std::optional<LockHolder> busy =
            result.status == DownloadStatus::NotWritten ? TakeLockBusy() : std::nullopt;
        const std::string status = busy ? text::DirectoryBusy(*busy) : text::TransferStatus(result, address, target, quiet);
        if (!status.empty()) log_.Status(status);
    }
    void SourcesFailed(const std::string& numbers) override { log_.Status(text::SourcesNotUpdated(numbers)); }

    const std::optional<DownloadResult>& LastFailed() const { return lastFailed_; }

private:
    class Silent : public TransferProgress {
        void Read(size_t) override {}
        void Waiting() override {}
    };
    StatusLog& log_;
    bool showProgress_;
    Silent silent_;
    std::optional<DownloadResult> lastFailed_;
};

// The update as a terminal follows it. Quiet, nothing shows unless it fails;
// a failed transfer adds the network library's own words.
bool Update(const ProgramHome& home, const Output& o) {
    StatusLog log(o.err, /*live=*/!o.quiet, /*progress=*/o.terminal && !o.quiet);
    UpdateOutput output(log, o.terminal && !o.quiet);
    ListUpdater updater(home, OnlineSetup{});
    const auto done = updater.Update(output);
    if (done) return true;
    if (done.error().kind == UpdateError::ProxyRefusedBefore) log.Box(text::kProxyNotImplemented, text::kAppTitle);
    if (o.quiet) {
        log.PrintBoxes();
        PrintStatus(log.LastStatus(), o.err);
    }
    if (const auto& failed = output.LastFailed(); failed && !failed->networkError.empty() && !failed->noAddress)
        o.err << "Network error: " << ToDisplayUtf8(failed->networkError) << '\n';
    return false;
}

// Warns when the lists a check used can find nothing: no record at all, or a
// main list that is empty or UTF-16. Warnings survive -q: a check that no list
// can help is worth a line in a cron mail.
void WarnAboutLists(const ListsLoaded& lists, std::ostream& err) {
    if (!lists.mainExists) {
        err << ToDisplayUtf8(text::NoListWarning(lists.mainPath)) << '\n';
    } else if (lists.mainShape == ListShape::Empty || lists.mainShape == ListShape::Utf16) {
        err << "Warning: " << ToDisplayUtf8(lists.mainPath) << " " << ShapeText(lists.mainShape)
            << "; no download can be found as a fake with it.\n";
    } else if (lists.records == 0) {
        err << "Warning: the loaded fake lists hold no record; no download can be found as a fake.\n";
    }
}

CheckRequest RequestOf(const CheckArgs& args) {
    CheckRequest request;
    request.tempDir = args.tempDir;
    request.fakeList = args.fakesFile;
    request.listAll = args.showAll;
    request.inspect = args.inspect;
    return request;
}

}  // namespace

namespace {

nlohmann::ordered_json ClientJson(const AmuleFinding& af) {
    const ec::ClientView& v = af.view;
    nlohmann::ordered_json comments = nlohmann::ordered_json::array();
    for (const ec::Comment& c : v.comments)
        comments.push_back({{"user", ToDisplayUtf8(c.user)},
                            {"file", ToDisplayUtf8(c.fileName)},
                            {"rating", c.rating},
                            {"comment", ToDisplayUtf8(c.text)}});
    return {{"name", "aMule"},
            {"state", ec::StateName(v.state)},
            {"sources", v.sources},
            {"done", v.done},
            {"ratings", {{"fake", v.ratings[1]}, {"poor", v.ratings[2]}, {"fair", v.ratings[3]},
                         {"good", v.ratings[4]}, {"excellent", v.ratings[5]}}},
            {"comments", comments},
            {"paused", af.paused}};
}

int RunCheckAmule(const ProgramHome& home, const CheckArgs& args, const Output& o) {
    ListStore lists(home);
    AmuleCheckRequest request;
    request.fakeList = args.fakesFile;
    request.listAll = args.showAll;
    request.inspect = args.inspect;
    request.tempDir = args.tempDir;
    request.pauseFakes = args.pauseFakes;
    const auto result = CheckAmule(lists, request);
    if (!result) return Fail(o.err, text::AmuleCheckFailed(result.error()));
    WarnAboutLists(result->lists, o.err);
    CheckReport report;
    for (const AmuleFinding& af : result->listed) report.listed.push_back(af.finding);
    if (args.format == CheckFormat::Json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const AmuleFinding& af : result->listed) {
            nlohmann::ordered_json row = FindingJson(af.finding);
            row["client"] = ClientJson(af);
            list.push_back(std::move(row));
        }
        o.out << list.dump(2) << '\n' << std::flush;
    } else {
        PrintCheckResult(report, args, o.out);
    }
    for (const AmuleFinding& af : result->listed) {
        if (af.paused && !o.quiet) o.err << "Paused in aMule: " << VisibleControls(ToDisplayUtf8(af.finding.download.name)) << '\n';
        if (!af.pauseError.empty())
            o.err << "Could not pause " << VisibleControls(ToDisplayUtf8(af.finding.download.name)) << ": "
                  << af.pauseError << '\n';
    }
    if (!o.quiet) PrintStatus(CheckFinished(result->found, result->suspects, result->checked), o.err);
    return result->found + result->suspects > 0 ? kExitFound : kExitOk;
}

}  // namespace

int RunCheck(const HomeDirs& dirs, const CheckArgs& args, const Output& o) {
    const ProgramHome home = ProgramHome::At(dirs);
    if (args.amule) return RunCheckAmule(home, args, o);
    bool updateFailed = false;
    if (args.update && FakeListAddress(home, OnlineSetup{}).empty()) {
        // Nothing to fetch from: the check still runs on what is here, and says so.
        o.err << "Warning: " << text::kNoUpdateAddress << '\n';
    } else if (args.update) {
        updateFailed = !Update(home, o);
        // The local list still serves; the failure shows in the exit status.
        if (updateFailed) o.err << "Update failed; checking with the local fake list.\n";
    }
    ListStore lists(home);
    const auto result = CheckTempDirs(lists, RequestOf(args));
    if (!result) return Fail(o.err, text::CheckFailed(result.error()));

    WarnAboutLists(result->lists, o.err);
    PrintCheckResult(result->report, args, o.out);
    const CheckReport& report = result->report;
    if (!o.quiet) PrintStatus(CheckFinished(report.found, report.suspects, report.checked, report.unreadable), o.err);
    const bool found = report.found + report.suspects > 0;
    if (updateFailed) return found ? kExitUpdateFailedFound : kExitError;
    return found ? kExitFound : kExitOk;
}

int RunUpdate(const HomeDirs& dirs, const UpdateArgs& args, const Output& o) {
    const ProgramHome home = ProgramHome::At(dirs);
    if (!args.url.empty() && !home.settings.Write(Key::FakesDatDownloadURL, args.url)) {
        if (const std::optional<LockHolder> busy = TakeLockBusy()) {
            o.err << ToDisplayUtf8(text::DirectoryBusy(*busy)) << '\n';
            return kExitError;
        }
        o.err << "Could not store the update address in " << ToDisplayUtf8(home.settings.Path()) << ".\n";
        return kExitError;
    }
    if (FakeListAddress(home, OnlineSetup{}).empty()) {
        o.err << text::kNoUpdateAddress << '\n';  // nothing is sent anywhere
        return kExitError;
    }
    return Update(home, o) ? kExitOk : kExitError;
}

namespace {

int Import(const ProgramHome& home, const std::string& path, const DetectedClient* detected, const Output& o) {
    const auto imported = ImportClient(home, path, detected);
    if (!imported) return Fail(o.err, text::ImportFailed(imported.error(), home.settings.Path()));
    if (!o.quiet) PrintStatus(text::ImportDone(imported->file), o.err);
    return kExitOk;
}

}  // namespace

int RunImport(const HomeDirs& dirs, const std::string& file, const Output& o) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path absolute = fs::absolute(fs::path(file), ec).lexically_normal();
    return Import(ProgramHome::At(dirs), ec ? file : absolute.string(), nullptr, o);
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
    return Import(ProgramHome::At(dirs), chosen->path, chosen, o);
}

int RunSearch(const HomeDirs& dirs, const SearchArgs& args, const Output& o) {
    const ProgramHome home = ProgramHome::At(dirs);
    const auto hits = SearchDownloads(home.settings, args.tempDir, args.text);
    if (!hits) return Fail(o.err, text::TempDirFailed(hits.error()));
    if (args.json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const auto& hit : *hits) list.push_back({{"part", ToDisplayUtf8(hit.part)}, {"name", ToDisplayUtf8(hit.name)}});
        o.out << list.dump(2) << '\n';
    } else {
        for (const auto& hit : *hits)
            o.out << ToDisplayUtf8(VisibleControls(hit.part)) << '\t' << ToDisplayUtf8(VisibleControls(hit.name)) << '\n';
    }
    o.out << std::flush;
    if (!o.quiet) PrintStatus(text::SearchFinished(static_cast<int64_t>(hits->size()), args.text), o.err);
    return hits->empty() ? kExitFound : kExitOk;
}

namespace {

// mark and unmark: the target resolved, then the own list edited under the lock.
template <typename Edit>
int EditOwnList(const HomeDirs& dirs, const MarkArgs& args, const Output& o, Edit edit) {
    const ProgramHome home = ProgramHome::At(dirs);
    const auto target = ResolveDownloadTarget(home.settings, args.target, args.size, args.tempDir);
    if (!target) {
        o.err << VisibleControls(ToDisplayUtf8(text::TargetFailed(target.error(), args.target))) << '\n';
        return kExitError;
    }
    const DirectoryLock lock(home.programDir);
    if (!lock) return LockFailed(lock, home.programDir, o.err);
    return edit(home, *target);
}

}  // namespace

int RunMark(const HomeDirs& dirs, const MarkArgs& args, const Output& o) {
    // A list line without its size cannot be shared: a hash alone says nothing of it.
    if (Ed2kHash::FromHex(args.target) && !args.size) {
        o.err << "Cannot mark " << VisibleControls(ToDisplayUtf8(args.target))
              << ": give the file's size with --size BYTES when marking a hash.\n";
        return kExitError;
    }
    return EditOwnList(dirs, args, o, [&](const ProgramHome& home, const DownloadTarget& target) {
        const ListEdit edit = MarkInOwnList(home, target, args.reason);
        if (!edit.ok) return Fail(o.err, text::OwnListEditFailed(edit));
        if (!o.quiet) o.err << VisibleControls(ToDisplayUtf8(text::Marked(target.name))) << '\n';
        return kExitOk;
    });
}

int RunUnmark(const HomeDirs& dirs, const MarkArgs& args, const Output& o) {
    return EditOwnList(dirs, args, o, [&](const ProgramHome& home, const DownloadTarget& target) {
        const ListEdit edit = UnmarkInOwnList(home, target.hash);
        if (!edit.ok) return Fail(o.err, text::OwnListEditFailed(edit));
        if (edit.changed == 0) {
            o.err << VisibleControls(ToDisplayUtf8(text::NotInOwnList(target.name))) << '\n';
            return kExitFound;
        }
        if (!o.quiet) o.err << VisibleControls(ToDisplayUtf8(text::Unmarked(target.name))) << '\n';
        return kExitOk;
    });
}

int RunAllow(const HomeDirs& dirs, const MarkArgs& args, const Output& o) {
    return EditOwnList(dirs, args, o, [&](const ProgramHome& home, const DownloadTarget& target) {
        const ListEdit edit = AllowInOwnList(home, target, args.reason);
        if (!edit.ok) return Fail(o.err, text::OwnListEditFailed(edit));
        if (!o.quiet) o.err << VisibleControls(ToDisplayUtf8(text::Allowed(target.name))) << '\n';
        return kExitOk;
    });
}

namespace {

// List lines whose fields hold control bytes (a downloaded list's descriptions)
// with them shown; the CR LF that ends each line stays.
std::string VisibleInLines(const std::string& lines) {
    std::string out;
    size_t start = 0;
    while (start < lines.size()) {
        size_t end = lines.find("\r\n", start);
        if (end == std::string::npos) end = lines.size();
        out += VisibleControls(std::string_view(lines).substr(start, end - start));
        if (end < lines.size()) out += "\r\n";
        start = end + 2;
    }
    return out;
}

}  // namespace

int RunExport(const HomeDirs& dirs, const ExportArgs& args, const Output& o) {
    const ProgramHome home = ProgramHome::At(dirs);
    std::string lines;
    if (args.own) {
        lines = OwnListLines(OwnListPath(home));
    } else {
        ListStore lists(home);
        CheckRequest request;
        request.tempDir = args.tempDir;
        request.listAll = false;
        const auto result = CheckTempDirs(lists, request);
        if (!result) return Fail(o.err, text::CheckFailed(result.error()));
        for (const Finding& f : result->report.listed)
            if (f.fake) lines += FindingListLine(f);
    }
    if (lines.empty()) {
        o.err << (args.own ? text::kOwnListEmpty : "The check found no fake to export.") << '\n';
        return kExitFound;
    }
    lines = VisibleInLines(lines);
    const int64_t count = std::count(lines.begin(), lines.end(), '\n');
    if (args.file.empty() || args.file == "-") {
        o.out << lines << std::flush;
    } else if (const WriteOutcome written = ReplaceFile(args.file, lines); !written) {
        o.err << VisibleControls(ToDisplayUtf8(written.error())) << '\n';
        return kExitError;
    } else {
        o.err << count << " list line(s) written to " << ToDisplayUtf8(args.file) << ".\n";
    }
    return kExitOk;
}

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

nlohmann::ordered_json NullOr(const std::string& s) {
    return s.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(ToDisplayUtf8(s));
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

void PrintLinks(const LinkReport& report, const LinksArgs& args, std::ostream& out) {
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
        if (args.format == LinksFormat::Rows) out << text::kLinkCheckHead << "\n \n";
        for (const LinkFinding& f : report.findings) {
            if (!listed(f)) continue;
            out << ToDisplayUtf8(args.format == LinksFormat::Links ? f.link->Text() : LinkRow(f)) << '\n';
        }
    }
    out << std::flush;
}

}  // namespace

int RunLinks(const HomeDirs& dirs, const LinksArgs& args, std::istream& in, const Output& o) {
    ListStore lists(ProgramHome::At(dirs));
    std::expected<LinkReport, LinkCheckFailure> checked;
    if (args.file.empty() || args.file == "-") {
        const std::optional<std::string> input = ReadInput(in);
        if (!input) return Fail(o.err, "Could not read the standard input.");
        checked = CheckLinksIn(lists, *input, args.fakesFile);
    } else {
        checked = CheckLinksInFile(lists, args.file, args.fakesFile);
    }
    if (!checked) return Fail(o.err, text::LinkCheckFailed(checked.error()));
    const LinkReport& report = *checked;
    if (report.listRecords == 0 && !o.quiet) o.err << text::kNoListForLinks << '\n';
    PrintLinks(report, args, o.out);
    for (const LinkFinding& f : report.findings) {
        if (f.verdict != LinkVerdict::Malformed) continue;
        if (f.line > 0) o.err << "Line " << f.line << ": ";
        o.err << FlattenToOneLine(ToDisplayUtf8(f.error)) << '\n';
    }
    if (!o.quiet) o.err << LinkCheckSummary(report) << '\n';
    return report.fakes + report.suspects > 0 ? kExitFound : kExitOk;
}

namespace {

// One line per finding, whatever a name holds; or one JSON object per line.
void PrintWatchFinding(const Finding& f, bool json, std::ostream& out) {
    if (json) {
        out << FindingJson(f).dump() << '\n';
    } else {
        out << VisibleControls(ToDisplayUtf8(f.part)) << '\t' << VisibleControls(ToDisplayUtf8(f.download.name)) << '\t'
            << VisibleControls(ToDisplayUtf8(VerdictOf(f))) << '\n';
    }
    out << std::flush;
}

// A change in a temp directory or a list is checked at the latest this long
// after it, however busy the client keeps the directory.
constexpr int kWatchDelayMs = 2000;

// The finding travels in the environment only: no shell ever parses a download's name.
Environment FindingEnvironment(const Finding& f, const std::string& dir) {
    const Download& d = f.download;
    return {{"KV_PART", ToDisplayUtf8(f.part)},
            {"KV_NAME", ToDisplayUtf8(d.name)},
            {"KV_SIZE", std::to_string(d.size)},
            {"KV_HASH", d.hash ? d.hash->ToHex() : std::string()},
            {"KV_KIND", f.fake ? "fake" : "suspect"},
            {"KV_DESCRIPTION", ToDisplayUtf8(VerdictOf(f))},
            {"KV_LINK", ToDisplayUtf8(LinkFor(d))},
            {"KV_TEMP_DIR", ToDisplayUtf8(dir)}};
}

// The directories to watch: the one given, or the settings' and eMule's further
// ones that are there now (the check says which are missing).
std::vector<std::string> WatchedDirs(const Settings& settings, const std::string& dir, bool given) {
    std::vector<std::string> watched = {dir};
    if (!given)
        for (const std::string& further : FurtherTempDirs(settings))
            if (IsDirectory(further)) watched.push_back(further);
    return watched;
}

// What the watch tells besides findings, on standard error; -q keeps the warnings only.
void PrintWatchNotice(const WatchNotice& n, const Output& o) {
    const std::string path = VisibleControls(ToDisplayUtf8(n.path));
    switch (n.kind) {
        case WatchNotice::Kind::ListReloaded:
            if (!o.quiet) o.err << "Read again: " << path << '\n';
            break;
        case WatchNotice::Kind::ListKept:
            o.err << "Cannot read " << path << " now; the list read before is used.\n";
            break;
        case WatchNotice::Kind::Gone:
            if (!o.quiet) o.err << "Gone: " << path << '\n';
            break;
        case WatchNotice::Kind::Reloaded:
            if (!o.quiet) o.err << "Settings and lists read again.\n";
            break;
    }
    o.err << std::flush;
}

void SayWatchStarted(const std::string& dir, size_t dirs, const Output& o) {
    if (o.quiet) return;
    o.err << "Watching " << VisibleControls(ToDisplayUtf8(dir));
    if (dirs > 1) o.err << " and " << dirs - 1 << " further temp director" << (dirs > 2 ? "ies" : "y");
    o.err << "; changes are checked within " << kWatchDelayMs / 1000 << " s (Ctrl+C ends, SIGHUP reads the lists again)\n"
          << std::flush;
}

}  // namespace

namespace {

// A new fake stops costing bandwidth at once: paused in the aMule of 'amule connect'.
void PauseInAmule(const ProgramHome& home, const Finding& f, const Output& o) {
    if (!f.download.hash) return;
    const auto stored = ec::ReadStoredConnection(AmuleConnectionPath(home));
    if (!stored) {
        o.err << "No aMule connection stored: run 'kestrivane-cli amule connect' first.\n" << std::flush;
        return;
    }
    auto client = ec::AmuleClient::Connect(*stored, {"kestrivane", kVersionText});
    const auto done = client ? client->Act(ec::Action::Pause, *f.download.hash)
                             : kv::expected<void, ec::AmuleError>(kv::unexpected(client.error()));
    const std::string name = VisibleControls(ToDisplayUtf8(f.download.name));
    if (!done) o.err << "Could not pause " << name << " in aMule: " << ec::Describe(done.error()) << '\n' << std::flush;
    else if (!o.quiet) o.err << "Paused in aMule: " << name << '\n' << std::flush;
}

}  // namespace

int RunWatchCommand(const HomeDirs& dirs, const WatchArgs& args, const Output& o) {
    const ProgramHome home = ProgramHome::At(dirs);
    std::vector<std::string> command;
    if (!args.exec.empty()) {
        bool ok = false;
        command = SplitCommand(args.exec, &ok);
        if (!ok || command.empty()) {
            o.err << "--exec: cannot split '" << args.exec << "' into a program and its arguments (unclosed quote?).\n";
            return kExitError;
        }
    }
    const std::string dir = args.tempDir.empty() ? ConfiguredTempDir(home.settings) : args.tempDir;
    if (dir.empty()) return Fail(o.err, text::TempDirFailed({TempDirError::NotSet, "", ""}));
    if (!IsDirectory(dir)) return Fail(o.err, text::TempDirFailed({TempDirError::Missing, dir, ""}));

    const Say say = [&](const std::string& line) { o.err << VisibleControls(ToDisplayUtf8(line)) << '\n' << std::flush; };
    CommandQueue commands(args.execTimeoutSeconds * 1000, say);
    DirectoryWatch watch(say, command.empty() ? nullptr : &commands);
    if (!watch.Failure().empty()) return Fail(o.err, watch.Failure());

    WatchHandlers handlers;
    handlers.started = [&] { SayWatchStarted(dir, WatchedDirs(home.settings, dir, !args.tempDir.empty()).size(), o); };
    handlers.finding = [&](const Finding& f) {
        PrintWatchFinding(f, args.json, o.out);
        if (args.amulePause) PauseInAmule(home, f, o);
        if (!command.empty()) commands.Add(command, FindingEnvironment(f, dir));
    };
    handlers.problem = [&](const CheckFailure& failure) {
        // Watching goes on: the list or the directory may come back.
        o.err << FlattenToOneLine(ToDisplayUtf8(text::CheckFailed(failure))) << '\n' << std::flush;
    };
    handlers.notice = [&](const WatchNotice& n) { PrintWatchNotice(n, o); };
    CheckRequest request;
    request.tempDir = args.tempDir;  // none given: the settings' directories, further ones included
    request.fakeList = args.fakesFile;
    ListStore lists(home);
    WatchTiming timing;
    timing.delayMs = kWatchDelayMs;
    RunWatch(lists, request, watch, handlers, timing);
    commands.StopAll();
    if (!watch.Failure().empty()) return Fail(o.err, watch.Failure());
    return kExitOk;
}

}  // namespace kv::cli
