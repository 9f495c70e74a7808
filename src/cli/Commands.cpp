#include "cli/Commands.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "cli/DirectoryWatch.h"
#include "cli/QmCatalog.h"
#include "cli/Terminal.h"
#include "cli/Texts.h"
#include "common/Paths.h"
#include "platform/DirectoryLock.h"
#include "common/DisplayText.h"
#include "common/FileUtil.h"
#include "platform/ReplacedFile.h"
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

std::string PausedInAmule(const std::string& name) {
    return T(QT_TRANSLATE_NOOP("Cli", "Paused in aMule: %1"), {name});
}

// Ends a command whose operation could not run: its reason on one line.
int Fail(std::ostream& err, const std::string& failure) {
    err << VisibleControls(FlattenToOneLine(ToDisplayUtf8(failure))) << '\n';
    return kExitError;
}

// A command that changes the program directory holds its lock throughout, so
// that its writes land together or not at all; the writes inside only count.
int LockFailed(const LockRefused& refused, const std::string& dir, std::ostream& err) {
    if (refused.holder) err << ToDisplayUtf8(text::DirectoryBusy(*refused.holder)) << '\n';
    else err << T(QT_TRANSLATE_NOOP("Cli", "Could not write in %1."), {ToDisplayUtf8(dir)}) << '\n';
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
    return VisibleControls(f.part) + TAB + VisibleControls(f.download.name) + TAB + VisibleControls(VerdictOf(f, Words()));
}

void PrintCheckResult(const CheckReport& report, const CheckArgs& args, std::ostream& out) {
    switch (args.format) {
        case CheckFormat::Rows:
            if (!args.noHeader) out << T(text::kCheckHead) << "\n \n";
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

    void VersionCheckStarted() override { log_.Status(T(text::kVersionCheckRunning)); }
    void VersionChecked(const ListSource&, const ListVersionCheck& check) override {
        log_.Status(check.newer ? text::NewListVersion(check.serverVersion) : T(text::kNewestList));
    }
    void DownloadStarted(const std::string&) override { log_.Status(T(text::kOpeningUrl)); }
    TransferProgress* Progress(bool quiet) override {
        if (quiet || !showProgress_) return &silent_;
        return &log_.Progress();
    }
    void TransferEnded(const DownloadResult& result, const std::string& address, const std::string& target,
                       bool quiet) override {
        if (!result.ok()) lastFailed_ = result;
        if (result.status == DownloadStatus::ProxyRefused) return log_.Box(result.proxyPage, T(text::kDownloadBoxTitle));
        if (result.status == DownloadStatus::NotAvailable)
            log_.Box(T(text::kUrlNotAvailable), T(text::kDownloadBoxTitle));
        if (result.status == DownloadStatus::Refused) log_.Box(result.refusal, T(text::kListRefusedTitle));
        const std::optional<LockHolder> busy =
            result.status == DownloadStatus::NotWritten ? result.busy : std::nullopt;
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
    if (done.error().kind == UpdateError::ProxyRefusedBefore) log.Box(T(text::kProxyNotImplemented), text::kAppTitle);
    if (o.quiet) {
        log.PrintBoxes();
        PrintStatus(log.LastStatus(), o.err);
    }
    if (const auto& failed = output.LastFailed(); failed && !failed->networkError.empty() && !failed->noAddress)
        o.err << T(QT_TRANSLATE_NOOP("Cli", "Network error: %1"), {ToDisplayUtf8(failed->networkError)}) << '\n';
    return false;
}

// Warns when the lists a check used can find nothing: no record at all, or a
// main list that is empty or UTF-16. Warnings survive -q: a check that no list
// can help is worth a line in a cron mail.
void WarnAboutLists(const ListsLoaded& lists, std::ostream& err) {
    if (!lists.mainExists) {
        err << ToDisplayUtf8(text::NoListWarning(lists.mainPath)) << '\n';
    } else if (lists.mainShape == ListShape::Empty || lists.mainShape == ListShape::Utf16) {
        // Whole sentences, so that a translation words the shape too.
        const std::string path = ToDisplayUtf8(lists.mainPath);
        err << (lists.mainShape == ListShape::Empty
                    ? T(QT_TRANSLATE_NOOP("Cli", "Warning: %1 is empty; no download can be found as a fake with it."),
                        {path})
                    : T(QT_TRANSLATE_NOOP("Cli", "Warning: %1 is a UTF-16 text, not a list of lines in single bytes; "
                                                 "no download can be found as a fake with it."),
                        {path}))
            << '\n';
    } else if (lists.records == 0) {
        err << T(QT_TRANSLATE_NOOP("Cli",
                                   "Warning: the loaded fake lists hold no record; no download can be found as a fake."))
            << '\n';
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
        const std::string name = VisibleControls(ToDisplayUtf8(af.finding.download.name));
        if (af.paused && !o.quiet) o.err << PausedInAmule(name) << '\n';
        if (!af.pauseError.empty())
            o.err << T(QT_TRANSLATE_NOOP("Cli", "Could not pause %1: %2"), {name, af.pauseError}) << '\n';
    }
    if (!o.quiet) PrintStatus(CheckFinished(result->found, result->suspects, result->checked, 0, Words()), o.err);
    return result->found + result->suspects > 0 ? kExitFound : kExitOk;
}

}  // namespace

int RunCheck(const HomeDirs& dirs, const CheckArgs& args, const Output& o) {
    const ProgramHome home = ProgramHome::At(dirs);
    if (args.amule) return RunCheckAmule(home, args, o);
    bool updateFailed = false;
    if (args.update && FakeListAddress(home, OnlineSetup{}).empty()) {
        // Nothing to fetch from: the check still runs on what is here, and says so.
        o.err << T(QT_TRANSLATE_NOOP("Cli", "Warning: %1"), {T(text::kNoUpdateAddress)}) << '\n';
    } else if (args.update) {
        updateFailed = !Update(home, o);
        // The local list still serves; the failure shows in the exit status.
        if (updateFailed) o.err << T(QT_TRANSLATE_NOOP("Cli", "Update failed; checking with the local fake list.")) << '\n';
    }
    ListStore lists(home);
    const auto result = CheckTempDirs(lists, RequestOf(args));
    if (!result) return Fail(o.err, text::CheckFailed(result.error()));

    WarnAboutLists(result->lists, o.err);
    PrintCheckResult(result->report, args, o.out);
    const CheckReport& report = result->report;
    if (!o.quiet)
        PrintStatus(CheckFinished(report.found, report.suspects, report.checked, report.unreadable, Words()), o.err);
    const bool found = report.found + report.suspects > 0;
    if (updateFailed) return found ? kExitUpdateFailedFound : kExitError;
    return found ? kExitFound : kExitOk;
}

int RunUpdate(const HomeDirs& dirs, const UpdateArgs& args, const Output& o) {
    const ProgramHome home = ProgramHome::At(dirs);
    // Held here, so that another writer is named; the write inside only counts.
    const auto settingsLock =
        args.url.empty() ? std::expected<DirectoryLock, LockRefused>(std::unexpected(LockRefused{}))
                         : DirectoryLock::Take(DirectoryOf(home.settings.Path()));
    if (!args.url.empty() && !settingsLock && settingsLock.error().holder) {
        o.err << ToDisplayUtf8(text::DirectoryBusy(*settingsLock.error().holder)) << '\n';
        return kExitError;
    }
    if (!args.url.empty() && !home.settings.Write(Key::FakesDatDownloadURL, args.url)) {
        o.err << T(QT_TRANSLATE_NOOP("Cli", "Could not store the update address in %1."),
                   {ToDisplayUtf8(home.settings.Path())})
              << '\n';
        return kExitError;
    }
    if (FakeListAddress(home, OnlineSetup{}).empty()) {
        o.err << T(text::kNoUpdateAddress) << '\n';  // nothing is sent anywhere
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
            o.err << (d.tempDir.empty()
                          ? T(QT_TRANSLATE_NOOP("Cli", "Found %1: %2 (names no temp directory)"),
                              {ClientName(d.client), ToDisplayUtf8(d.path)})
                          : T(QT_TRANSLATE_NOOP("Cli", "Found %1: %2 (temp directory %3)"),
                              {ClientName(d.client), ToDisplayUtf8(d.path), ToDisplayUtf8(d.tempDir)}))
                  << '\n';
        if (!chosen && !d.tempDir.empty()) chosen = &d;
    }
    if (!chosen) {
        o.err << (found.empty()
                      ? T(QT_TRANSLATE_NOOP("Cli", "No client preference file found (looked for ~/.aMule/amule.conf, "
                                                   "and eMule's preferences.ini and eDonkey's pref.met in the Wine "
                                                   "prefix ~/.wine). Run 'kestrivane-cli import FILE' or pass "
                                                   "--temp-dir DIR to 'check'."))
                      : T(QT_TRANSLATE_NOOP("Cli", "No client preference file found that names a temp directory "
                                                   "(looked for ~/.aMule/amule.conf, and eMule's preferences.ini and "
                                                   "eDonkey's pref.met in the Wine prefix ~/.wine). Run "
                                                   "'kestrivane-cli import FILE' or pass --temp-dir DIR to 'check'.")))
              << '\n';
        return kExitError;
    }
    if (!o.quiet) o.err << T(QT_TRANSLATE_NOOP("Cli", "Importing %1"), {ToDisplayUtf8(chosen->path)}) << '\n';
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
    const auto lock = DirectoryLock::Take(home.programDir);
    if (!lock) return LockFailed(lock.error(), home.programDir, o.err);
    return edit(home, *target);
}

}  // namespace

int RunMark(const HomeDirs& dirs, const MarkArgs& args, const Output& o) {
    // A list line without its size cannot be shared: a hash alone says nothing of it.
    if (Ed2kHash::FromHex(args.target) && !args.size) {
        o.err << T(QT_TRANSLATE_NOOP("Cli", "Cannot mark %1: give the file's size with --size BYTES when marking a hash."),
                   {VisibleControls(ToDisplayUtf8(args.target))})
              << '\n';
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
        o.err << (args.own ? T(text::kOwnListEmpty) : T(QT_TRANSLATE_NOOP("Cli", "The check found no fake to export.")))
              << '\n';
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
        o.err << T(QT_TRANSLATE_NOOP("Cli", "%1 list line(s) written to %2."),
                   {std::to_string(count), ToDisplayUtf8(args.file)})
              << '\n';
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

// Prints each listed link as it is judged, so that a long paste is never held
// whole (JSON, one array, is printed at the end); the malformed links are told
// on standard error after the list.
class LinkPrinter final : public LinkProgress {
public:
    LinkPrinter(const LinksArgs& args, const Output& o) : args_(args), o_(o) {}

    void Started(const LinkReport& report) override {
        if (report.listRecords == 0 && !o_.quiet) o_.err << T(text::kNoListForLinks) << '\n';
        if (args_.format == LinksFormat::Rows) out_ += T(text::kLinkCheckHead) + "\n \n";
        ok_.clear();
        AppendVisible(ok_, LinkVerdictText(LinkFinding{}, Words()));
    }

    void Take(LinkFinding&& f) override {
        const bool malformed = f.verdict == LinkVerdict::Malformed;
        if (malformed) {
            if (f.line > 0) errors_ += T(QT_TRANSLATE_NOOP("Cli", "Line %1: "), {std::to_string(f.line)});
            errors_ += FlattenToOneLine(ToDisplayUtf8(f.error)) + '\n';
        }
        const bool listed = f.verdict == LinkVerdict::Fake || f.verdict == LinkVerdict::Suspect ||
                            (args_.showAll && f.verdict == LinkVerdict::Ok);
        if (args_.format == LinksFormat::Json) {
            if (listed || malformed) json_.push_back(LinkJson(f));
            return;
        }
        if (!listed) return;
        if (args_.format == LinksFormat::Links) {
            AppendVisible(out_, f.link->Text());
        } else {
            char number[24];
            out_.append(number, static_cast<size_t>(std::to_chars(number, number + sizeof number, f.line).ptr - number));
            out_ += '\t';
            AppendVisible(out_, LinkShownName(f));
            out_ += '\t';
            if (f.verdict == LinkVerdict::Ok && !f.allowed)
                out_ += ok_;
            else
                AppendVisible(out_, LinkVerdictText(f, Words()));
        }
        out_ += '\n';
        if (out_.size() >= kFlushAt) Flush();
    }

    // The rest of the list, then the malformed links.
    void Finish() {
        if (args_.format == LinksFormat::Json) out_ += json_.dump(2) + '\n';
        Flush();
        o_.out << std::flush;
        o_.err << errors_;
    }

private:
    static constexpr size_t kFlushAt = size_t{1} << 16;
    void Flush() {
        o_.out.write(out_.data(), static_cast<std::streamsize>(out_.size()));
        out_.clear();
    }

    const LinksArgs& args_;
    const Output& o_;
    std::string out_, ok_, errors_;
    nlohmann::ordered_json json_ = nlohmann::ordered_json::array();
};

}  // namespace

int RunLinks(const HomeDirs& dirs, const LinksArgs& args, std::istream& in, const Output& o) {
    ListStore lists(ProgramHome::At(dirs));
    LinkPrinter printer(args, o);
    std::expected<LinkReport, LinkCheckFailure> checked;
    if (args.file.empty() || args.file == "-") {
        const std::optional<std::string> input = ReadInput(in);
        if (!input) return Fail(o.err, T(QT_TRANSLATE_NOOP("Cli", "Could not read the standard input.")));
        checked = CheckLinksIn(lists, *input, args.fakesFile, &printer);
    } else {
        checked = CheckLinksInFile(lists, args.file, args.fakesFile, &printer);
    }
    if (!checked) return Fail(o.err, text::LinkCheckFailed(checked.error()));
    printer.Finish();
    const LinkReport& report = *checked;
    if (!o.quiet) o.err << LinkCheckSummary(report, Words()) << '\n';
    return report.fakes + report.suspects > 0 ? kExitFound : kExitOk;
}

namespace {

// One line per finding, whatever a name holds; or one JSON object per line.
void PrintWatchFinding(const Finding& f, bool json, std::ostream& out) {
    if (json) {
        out << FindingJson(f).dump() << '\n';
    } else {
        out << VisibleControls(ToDisplayUtf8(f.part)) << '\t' << VisibleControls(ToDisplayUtf8(f.download.name)) << '\t'
            << VisibleControls(ToDisplayUtf8(VerdictOf(f, Words()))) << '\n';
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
            if (!o.quiet) o.err << T(QT_TRANSLATE_NOOP("Cli", "Read again: %1"), {path}) << '\n';
            break;
        case WatchNotice::Kind::ListKept:
            o.err << T(QT_TRANSLATE_NOOP("Cli", "Cannot read %1 now; the list read before is used."), {path}) << '\n';
            break;
        case WatchNotice::Kind::Gone:
            if (!o.quiet) o.err << T(QT_TRANSLATE_NOOP("Cli", "Gone: %1"), {path}) << '\n';
            break;
        case WatchNotice::Kind::Reloaded:
            if (!o.quiet) o.err << T(QT_TRANSLATE_NOOP("Cli", "Settings and lists read again.")) << '\n';
            break;
    }
    o.err << std::flush;
}

void SayWatchStarted(const std::string& dir, size_t dirs, const Output& o) {
    if (o.quiet) return;
    const std::string shown = VisibleControls(ToDisplayUtf8(dir)), within = std::to_string(kWatchDelayMs / 1000);
    if (dirs == 1)
        o.err << T(QT_TRANSLATE_NOOP("Cli", "Watching %1; changes are checked within %2 s (Ctrl+C ends, SIGHUP reads "
                                            "the lists again)"),
                   {shown, within});
    else if (dirs == 2)
        o.err << T(QT_TRANSLATE_NOOP("Cli", "Watching %1 and 1 further temp directory; changes are checked within %2 s "
                                            "(Ctrl+C ends, SIGHUP reads the lists again)"),
                   {shown, within});
    else
        o.err << T(QT_TRANSLATE_NOOP("Cli", "Watching %1 and %2 further temp directories; changes are checked within "
                                            "%3 s (Ctrl+C ends, SIGHUP reads the lists again)"),
                   {shown, std::to_string(dirs - 1), within});
    o.err << '\n' << std::flush;
}

}  // namespace

namespace {

// A new fake stops costing bandwidth at once: paused in the aMule of 'amule connect'.
void PauseInAmule(const ProgramHome& home, const Finding& f, const Output& o) {
    if (!f.download.hash) return;
    const auto stored = ec::ReadStoredConnection(AmuleConnectionPath(home));
    if (!stored) {
        o.err << T(text::kNoAmuleConnection) << '\n' << std::flush;
        return;
    }
    auto client = ec::AmuleClient::Connect(*stored, {"kestrivane", kVersionText});
    const auto done = client ? client->Act(ec::Action::Pause, *f.download.hash)
                             : kv::expected<void, ec::AmuleError>(kv::unexpected(client.error()));
    const std::string name = VisibleControls(ToDisplayUtf8(f.download.name));
    if (!done)
        o.err << T(QT_TRANSLATE_NOOP("Cli", "Could not pause %1 in aMule: %2"), {name, ec::Describe(done.error())})
              << '\n' << std::flush;
    else if (!o.quiet)
        o.err << PausedInAmule(name) << '\n' << std::flush;
}

}  // namespace

int RunWatchCommand(const HomeDirs& dirs, const WatchArgs& args, const Output& o) {
    const ProgramHome home = ProgramHome::At(dirs);
    std::vector<std::string> command;
    if (!args.exec.empty()) {
        bool ok = false;
        command = SplitCommand(args.exec, &ok);
        if (!ok || command.empty()) {
            o.err << T(QT_TRANSLATE_NOOP("Cli", "--exec: cannot split '%1' into a program and its arguments (unclosed "
                                                "quote?)."),
                       {args.exec})
                  << '\n';
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
