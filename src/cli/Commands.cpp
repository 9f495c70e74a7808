#include "cli/Commands.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <unordered_map>

#include "cli/DirectoryWatch.h"
#include "cli/QmCatalog.h"
#include "cli/Terminal.h"
#include "cli/Texts.h"
#include "common/Paths.h"
#include "platform/DesktopNotifier.h"
#include "platform/DirectoryLock.h"
#include "common/DisplayText.h"
#include "common/FileUtil.h"
#include "platform/ReplacedFile.h"
#include "common/StringUtil.h"
#include "common/Version.h"
#include "ed2k/LinkText.h"
#include "usecases/AmuleCheck.h"
#include "usecases/AmulePauser.h"
#include "usecases/Guard.h"
#include "usecases/Notify.h"
#include "usecases/EmuleCheck.h"
#include "usecases/Check.h"
#include "usecases/ClientDetection.h"
#include "usecases/ImportClient.h"
#include "usecases/JsonRows.h"
#include "usecases/LinkCheck.h"
#include "usecases/OwnListEdit.h"
#include "usecases/ProgramVersion.h"
#include "usecases/ReportText.h"
#include "usecases/TextSearch.h"
#include "usecases/UpdateLists.h"
#include "usecases/Watch.h"

namespace kv::cli {

namespace {

std::string PausedInAmule(const std::string& name) {
    return T(QT_TRANSLATE_NOOP("Cli", "Paused in aMule: %1"), {name});
}

std::string PausedInEmule(const std::string& name) {
    return T(QT_TRANSLATE_NOOP("Cli", "Paused in eMule: %1"), {name});
}

// Bytes of a message (a path, a server's words) as the terminal may show them.
std::string Shown(std::string_view bytes) { return VisibleControls(ToDisplayUtf8(bytes)); }

// Ends a command whose operation could not run: its reason on one line.
int Fail(std::ostream& err, const std::string& failure) {
    err << VisibleControls(FlattenToOneLine(ToDisplayUtf8(failure))) << '\n';
    return kExitError;
}

// A command that changes the program directory holds its lock throughout, so
// that its writes land together or not at all; the writes inside only count.
int LockFailed(const LockRefused& refused, const std::string& dir, std::ostream& err) {
    if (refused.holder) err << Shown(text::DirectoryBusy(*refused.holder)) << '\n';
    else err << T(QT_TRANSLATE_NOOP("Cli", "Could not write in %1."), {Shown(dir)}) << '\n';
    return kExitError;
}

void PrintStatus(const std::string& status, std::ostream& err) {
    if (!status.empty()) err << VisibleControls(ToDisplayUtf8(status)) << '\n';
}

// A field of a check row: its own control bytes shown, never taken for a
// separator or a line end. Plain ASCII, the most of them, as it is.
void AppendField(std::string& out, std::string_view field) {
    const bool plain = std::all_of(field.begin(), field.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
    if (plain) out += field;
    else AppendVisible(out, field);
}

// Whether the row's verdict is the plain OK, the same words for every such row.
bool PlainOk(const Finding& f) {
    return f.problem == ReadProblem::None && f.verdict.kind == VerdictKind::Clean && !f.verdict.allowed &&
           f.verdict.reasons.empty() && !f.fromBackup;
}

// Warns when the lists a check used can find nothing: no record at all, or a
// main list that is empty or UTF-16. Warnings survive -q: a check that no list
// can help is worth a line in a cron mail.
void WarnAboutLists(const ListsLoaded& lists, std::ostream& err, bool bytesRead = true) {
    if (!lists.mainExists) {
        err << Shown(bytesRead ? text::NoListWarning(lists.mainPath) : text::NoListNamesOnlyWarning(lists.mainPath))
            << '\n';
    } else if (lists.mainShape == ListShape::Empty || lists.mainShape == ListShape::Utf16) {
        // Whole sentences, so that a translation words the shape too.
        const std::string path = Shown(lists.mainPath);
        err << (lists.mainShape == ListShape::Empty
                    ? T(QT_TRANSLATE_NOOP("Cli", "Warning: %1 is empty; no download can be found as a fake with it."),
                        {path})
                    : T(QT_TRANSLATE_NOOP("Cli", "Warning: %1 is a UTF-16 text, not a list of lines in single bytes; "
                                                 "no download can be found as a fake with it."),
                        {path}))
            << '\n';
    } else if (lists.mainShape == ListShape::HasNul || lists.mainShape == ListShape::NoRecords) {
        // A binary or some other file given for the list: taken in silence, it would find nothing.
        err << T(QT_TRANSLATE_NOOP("Cli", "Warning: %1 holds no fake list record (is it a list at all?); no download "
                                          "can be found as a fake with it."),
                 {Shown(lists.mainPath)})
            << '\n';
    } else if (lists.records == 0) {
        err << T(QT_TRANSLATE_NOOP("Cli",
                                   "Warning: the loaded fake lists hold no record; no download can be found as a fake."))
            << '\n';
    }
}

// Prints each listed download as the check hands it over, so that neither the
// rows nor their JSON are held whole; the lists' warnings come first.
class CheckPrinter final : public CheckProgress {
public:
    CheckPrinter(const CheckArgs& args, const Output& o) : args_(args), o_(o), json_(out_) {
        AppendField(ok_, VerdictText(Verdict{}, Words()));
    }

    void ListsLoaded(const kv::ListsLoaded& lists) override {
        std::ostringstream warnings;
        WarnAboutLists(lists, warnings);
        warnings_ = warnings.str();
    }
    // The check runs: nothing can fail any more.
    void Started() override {
        o_.err << warnings_ << std::flush;
        if (args_.format == CheckFormat::Rows && !args_.noHeader) out_ += T(text::kCheckHead) + "\n \n";
    }
    bool TakesFindings() const override { return true; }
    void Listed(const Finding& f) override { Print(f, nullptr); }
    void Take(Finding&& f) override { Print(f, nullptr); }

    // A row of the aMule check: with --json, what aMule says of it too.
    void Print(const Finding& f, const nlohmann::ordered_json* client) {
        switch (args_.format) {
            case CheckFormat::Rows:
                AppendField(out_, f.part);
                out_ += '\t';
                AppendField(out_, f.download.name);
                out_ += '\t';
                if (PlainOk(f)) out_ += ok_;
                else AppendField(out_, VerdictOf(f, Words()));
                out_ += '\n';
                break;
            case CheckFormat::Links:
            case CheckFormat::Html:
                // A name's control bytes are percent-encoded in the link; in an anchor's text they are shown.
                out_ += VisibleControls(
                    ToDisplayUtf8(args_.format == CheckFormat::Links ? LinkFor(f.download) : LinkHtmlFor(f.download)));
                out_ += '\n';
                break;
            case CheckFormat::Json: {
                nlohmann::ordered_json row = FindingJson(f);
                if (client) row["client"] = *client;
                json_.Add(row);
                break;
            }
        }
        if (out_.size() >= kFlushAt) Flush();
    }

    void Finish() {
        if (args_.format == CheckFormat::Json) json_.Close();
        Flush();
        o_.out << std::flush;
    }

private:
    static constexpr size_t kFlushAt = size_t{1} << 16;
    void Flush() {
        o_.out.write(out_.data(), static_cast<std::streamsize>(out_.size()));
        out_.clear();
    }

    const CheckArgs& args_;
    const Output& o_;
    std::string out_, warnings_, ok_;
    JsonArrayWriter json_;
};

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
bool Update(const ProgramHome& home, const OnlineSetup& net, const Output& o) {
    StatusLog log(o.err, /*live=*/!o.quiet, /*progress=*/o.terminal && !o.quiet);
    UpdateOutput output(log, o.terminal && !o.quiet);
    ListUpdater updater(home, net);
    const auto done = updater.Update(output);
    if (done) return true;
    if (done.error().kind == UpdateError::ProxyRefusedBefore) log.Box(T(text::kProxyNotImplemented), text::kAppTitle);
    if (o.quiet) {
        log.PrintBoxes();
        PrintStatus(log.LastStatus(), o.err);
    }
    if (const auto& failed = output.LastFailed(); failed && !failed->networkError.empty() && !failed->noAddress)
        o.err << T(QT_TRANSLATE_NOOP("Cli", "Network error: %1"), {Shown(failed->networkError)}) << '\n';
    return false;
}

// A client's settings directory given for its temp directory: its known.met and
// the like are no downloads, so the check would only call them damaged.
int RefuseClientSettings(const ProgramHome& home, const std::string& given, const Output& o) {
    const std::string dir = given.empty() ? ConfiguredTempDir(home.settings) : given;
    if (dir.empty()) return 0;
    const std::string temp = ClientTempBeside(dir);
    if (temp.empty()) return 0;
    return Fail(o.err, T(QT_TRANSLATE_NOOP("Cli", "%1 is the client's settings directory, not its temp directory; "
                                                  "the downloads are in %2 (pass --temp-dir %2, or run "
                                                  "'kestrivane-cli import --detect')."),
                         {dir, temp}));
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

// aMule's queue over External Connections, or eMule's transfer list over its Web Interface: the same rows.
int RunCheckClient(const ProgramHome& home, const CheckArgs& args, const Output& o) {
    ListStore lists(home);
    AmuleCheckRequest request;
    request.fakeList = args.fakesFile;
    request.listAll = args.showAll;
    request.inspect = args.inspect;
    request.tempDir = args.tempDir;
    request.pauseFakes = args.pauseFakes;
    // Each row printed as aMule's queue is judged; what pausing did is told after the rows.
    class Rows final : public AmuleCheckObserver {
    public:
        Rows(const CheckArgs& args, const Output& o) : printer(args, o), args_(args), o_(o) {}
        // The lists' warnings follow the rows: only then is it known whether any bytes were read here.
        void Started(const ListsLoaded&) override { printer.Started(); }
        void Listed(AmuleFinding&& af) override {
            if (args_.format == CheckFormat::Json) {
                nlohmann::ordered_json client = ClientJson(af, args_.emule ? "eMule" : "aMule");
                // The row's bytes were not read here: its verdict rests on lists, names and aMule alone.
                client["inspected"] = !af.finding.bytesElsewhere;
                printer.Print(af.finding, &client);
            } else {
                printer.Print(af.finding, nullptr);
            }
            const std::string name = VisibleControls(ToDisplayUtf8(af.finding.download.name));
            if (af.paused && !o_.quiet) pauses += (args_.emule ? PausedInEmule(name) : PausedInAmule(name)) + '\n';
            if (!af.pauseError.empty())
                pauses += T(QT_TRANSLATE_NOOP("Cli", "Could not pause %1: %2"), {name, af.pauseError}) + '\n';
        }
        CheckPrinter printer;
        std::string pauses;

    private:
        const CheckArgs& args_;
        const Output& o_;
    } rows(args, o);
    const auto result = args.emule ? CheckEmule(lists, request, &rows) : CheckAmule(lists, request, {}, &rows);
    if (!result) return Fail(o.err, args.emule ? text::EmuleCheckFailed(result.error()) : text::AmuleCheckFailed(result.error()));
    rows.printer.Finish();
    WarnAboutLists(result->lists, o.err, result->notInspected == 0);
    o.err << rows.pauses;
    if (!o.quiet) PrintStatus(CheckFinished(result->found, result->suspects, result->checked, 0, Words()), o.err);
    // Not a clean bill: the bytes of these downloads were never looked at.
    if (result->notInspected > 0)
        o.err << (args.emule ? text::EmuleBytesElsewhere(result->notInspected)
                             : text::AmuleBytesElsewhere(result->notInspected))
              << '\n';
    if (result->found + result->suspects > 0) return kExitFound;
    return result->notInspected > 0 ? kExitError : kExitOk;
}

}  // namespace

int RunCheck(const HomeDirs& dirs, const CheckArgs& args, const Output& o) {
    const ProgramHome home = ProgramHome::At(dirs);
    if (args.pauseFakes && !args.amule && !args.emule)
        return Fail(o.err, T(QT_TRANSLATE_NOOP("Cli", "--pause-fakes needs --amule or --emule.")));
    if (args.amule || args.emule) return RunCheckClient(home, args, o);
    bool updateFailed = false;
    if (args.update && FakeListAddress(home, OnlineSetup{}).empty()) {
        // Nothing to fetch from: the check still runs on what is here, and says so.
        o.err << T(QT_TRANSLATE_NOOP("Cli", "Warning: %1"), {T(text::kNoUpdateAddress)}) << '\n';
    } else if (args.update) {
        updateFailed = !Update(home, OnlineSetup{}, o);
        // The local list still serves; the failure shows in the exit status.
        if (updateFailed) o.err << T(QT_TRANSLATE_NOOP("Cli", "Update failed; checking with the local fake list.")) << '\n';
    }
    if (const int refused = RefuseClientSettings(home, args.tempDir, o)) return refused;
    ListStore lists(home);
    CheckPrinter printer(args, o);
    const auto result = CheckTempDirs(lists, RequestOf(args), &printer);
    if (!result) return Fail(o.err, text::CheckFailed(result.error()));
    printer.Finish();
    const CheckReport& report = result->report;
    if (!o.quiet)
        PrintStatus(CheckFinished(report.found, report.suspects, report.checked, report.unreadable, Words()), o.err);
    const bool found = report.found + report.suspects > 0;
    if (updateFailed) return found ? kExitUpdateFailedFound : kExitError;
    return found ? kExitFound : kExitOk;
}

namespace {

int RefuseAddress(const char* option, const std::string& address, const Output& o) {
    o.err << T(QT_TRANSLATE_NOOP("Cli", "%1 %2: not an http:// or https:// address."),
               {option, VisibleControls(ToDisplayUtf8(address))})
          << '\n';
    return kExitError;
}

// update --program: the program's site asked whether a newer Kestrivane is out.
int RunProgramCheck(const ProgramHome& home, const UpdateArgs& args, const Output& o) {
    if (!args.site.empty() && !IsWebAddress(args.site)) return RefuseAddress("--site", args.site, o);
    if (!o.quiet) PrintStatus(T(text::kVersionCheckRunning), o.err);
    ProgramVersionRequest request;
    request.site = args.site;
    const auto check = CheckForNewerProgram(home, OnlineSetup{}, request);
    if (!check) {
        const ProgramVersionFailure& f = check.error();
        if (f.kind == ProgramVersionError::NoAddress)
            return Fail(o.err, T(QT_TRANSLATE_NOOP("Cli", "No program site is set, so nothing was asked. Set the "
                                                          "site you get Kestrivane from with 'kestrivane-cli update "
                                                          "--program --site URL'.")));
        PrintStatus(text::TransferStatus(f.fetch, f.address, "", true), o.err);
        if (!f.fetch.networkError.empty())
            o.err << T(QT_TRANSLATE_NOOP("Cli", "Network error: %1"), {Shown(f.fetch.networkError)}) << '\n';
        return kExitError;
    }
    const std::string shown = check->display.empty() ? std::string("?") : check->display;
    switch (check->verdict) {
        case ProgramVersionVerdict::Current:
        case ProgramVersionVerdict::NotChecked:
            if (!o.quiet)
                PrintStatus(T(QT_TRANSLATE_NOOP("Cli", "You have the newest Kestrivane (%1)."), {kVersionText}), o.err);
            return kExitOk;
        case ProgramVersionVerdict::NewVersion:
        case ProgramVersionVerdict::AlreadyDownloaded:
            PrintStatus(T(QT_TRANSLATE_NOOP("Cli", "Kestrivane %1 is out: %2"),
                          {shown, ProgramSiteAddress(home, OnlineSetup{}) + "/Download/" + check->setupFile}),
                        o.err);
            return kExitFound;
        case ProgramVersionVerdict::NoUsableSetupFile:
            PrintStatus(T(QT_TRANSLATE_NOOP("Cli", "Kestrivane %1 is out: see %2"),
                          {shown, ProgramSiteAddress(home, OnlineSetup{})}),
                        o.err);
            return kExitFound;
    }
    return kExitOk;
}

}  // namespace

int RunUpdate(const HomeDirs& dirs, const UpdateArgs& args, const Output& o) {
    const ProgramHome home = ProgramHome::At(dirs);
    if (args.program) return RunProgramCheck(home, args, o);
    OnlineSetup net;
    if (!args.url.empty()) {
        if (!IsWebAddress(args.url)) return RefuseAddress("--url", args.url, o);
        net.addresses.tryFakeList = args.url;
    } else if (FakeListAddress(home, net).empty()) {
        o.err << T(text::kNoUpdateAddress) << '\n';  // nothing is sent anywhere
        return kExitError;
    }
    if (!Update(home, net, o)) return kExitError;
    // An address is kept only once it has served: a typing slip must not replace a good one.
    if (args.url.empty()) return kExitOk;
    // Held here, so that another writer is named; the write inside only counts.
    const auto settingsLock = DirectoryLock::Take(DirectoryOf(home.settings.Path()));
    if (!settingsLock && settingsLock.error().holder) {
        o.err << Shown(text::DirectoryBusy(*settingsLock.error().holder)) << '\n';
        return kExitError;
    }
    if (!home.settings.Write(Key::FakesDatDownloadURL, args.url)) {
        o.err << T(QT_TRANSLATE_NOOP("Cli", "Could not store the update address in %1."),
                   {Shown(home.settings.Path())})
              << '\n';
        return kExitError;
    }
    return kExitOk;
}

namespace {

int Import(const ProgramHome& home, const std::string& path, const DetectedClient* detected, const Output& o) {
    const auto imported = ImportClient(home, path, detected);
    if (!imported) return Fail(o.err, text::ImportFailed(imported.error(), home.settings.Path()));
    if (!o.quiet) PrintStatus(text::ImportDone(imported->file, ConfiguredTempDir(home.settings)), o.err);
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
    const auto detected = DetectClients({home, {winePrefix ? winePrefix : ""}});
    const std::vector<DetectedClient>& found = detected ? detected->found : detected.error().found;
    if (!o.quiet)
        for (const DetectedClient& d : found)
            o.err << (d.tempDir.empty()
                          ? T(QT_TRANSLATE_NOOP("Cli", "Found %1: %2 (names no temp directory)"),
                              {ClientNameOf(d.client), Shown(d.path)})
                          : T(QT_TRANSLATE_NOOP("Cli", "Found %1: %2 (temp directory %3)"),
                              {ClientNameOf(d.client), Shown(d.path), Shown(d.tempDir)}))
                  << '\n';
    if (!detected) {
        o.err << (detected.error().kind == ClientDetectionError::NothingFound
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
    const DetectedClient& chosen = detected->found[detected->chosen];
    if (!o.quiet) o.err << T(QT_TRANSLATE_NOOP("Cli", "Importing %1"), {Shown(chosen.path)}) << '\n';
    return Import(ProgramHome::At(dirs), chosen.path, &chosen, o);
}

int RunSearch(const HomeDirs& dirs, const SearchArgs& args, const Output& o) {
    const ProgramHome home = ProgramHome::At(dirs);
    if (const int refused = RefuseClientSettings(home, args.tempDir, o)) return refused;
    const auto hits = SearchDownloads(home.settings, args.tempDir, args.text);
    if (!hits) return Fail(o.err, text::TempDirFailed(hits.error()));
    if (args.json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const auto& hit : *hits) list.push_back({{"part", ToDisplayUtf8(hit.part)}, {"name", ToDisplayUtf8(hit.name)}});
        o.out << JsonDump(list, 2) << '\n';
    } else {
        for (const auto& hit : *hits)
            o.out << VisibleControls(ToDisplayUtf8(hit.part)) << '\t' << VisibleControls(ToDisplayUtf8(hit.name)) << '\n';
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
    const auto target = ResolveDownloadTarget(home, args.target, args.size, args.tempDir);
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
        const auto edit = MarkInOwnList(home, target, args.reason);
        if (!edit) return Fail(o.err, text::OwnListEditFailed(edit.error()));
        if (!o.quiet) o.err << VisibleControls(ToDisplayUtf8(text::Marked(target.name))) << '\n';
        return kExitOk;
    });
}

int RunUnmark(const HomeDirs& dirs, const MarkArgs& args, const Output& o) {
    return EditOwnList(dirs, args, o, [&](const ProgramHome& home, const DownloadTarget& target) {
        const auto edit = UnmarkInOwnList(home, target.hash);
        if (!edit) return Fail(o.err, text::OwnListEditFailed(edit.error()));
        if (edit->changed == 0) {
            o.err << VisibleControls(ToDisplayUtf8(text::NotInOwnList(target.name))) << '\n';
            return kExitFound;
        }
        if (!o.quiet) o.err << VisibleControls(ToDisplayUtf8(text::Unmarked(target.name))) << '\n';
        return kExitOk;
    });
}

int RunAllow(const HomeDirs& dirs, const MarkArgs& args, const Output& o) {
    return EditOwnList(dirs, args, o, [&](const ProgramHome& home, const DownloadTarget& target) {
        const auto edit = AllowInOwnList(home, target, args.reason);
        if (!edit) return Fail(o.err, text::OwnListEditFailed(edit.error()));
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
            if (f.verdict.fake()) lines += FindingListLine(f);
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
    } else if (const auto written = ReplaceFile(args.file, lines); !written) {
        o.err << VisibleControls(ToDisplayUtf8(written.error())) << '\n';
        return kExitError;
    } else {
        o.err << T(QT_TRANSLATE_NOOP("Cli", "%1 list line(s) written to %2."),
                   {std::to_string(count), Shown(args.file)})
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

// Prints each listed link as it is judged, so that a long paste is never held
// whole (JSON too, an element at a time); the malformed links are told
// on standard error after the list.
class LinkPrinter final : public LinkProgress {
public:
    LinkPrinter(const LinksArgs& args, const Output& o) : args_(args), o_(o), json_(out_) {}

    void Started(const LinkReport& report) override {
        if (report.listRecords == 0 && !o_.quiet) o_.err << T(text::kNoListForLinks) << '\n';
        if (args_.format == LinksFormat::Rows) out_ += T(text::kLinkCheckHead) + "\n \n";
        ok_.clear();
        AppendVisible(ok_, VerdictText(Verdict{}, Words()));
    }

    void Take(LinkFinding&& f) override {
        const VerdictKind kind = f.verdict.kind;
        const bool malformed = kind == VerdictKind::NotChecked;
        if (malformed) {
            if (f.line > 0) errors_ += T(QT_TRANSLATE_NOOP("Cli", "Line %1: "), {std::to_string(f.line)});
            errors_ += FlattenToOneLine(ToDisplayUtf8(f.error)) + '\n';
        }
        const bool listed = f.verdict.Listed() || (args_.showAll && kind == VerdictKind::Clean);
        if (args_.format == LinksFormat::Json) {
            if (listed || malformed) json_.Add(LinkJson(f));
            if (out_.size() >= kFlushAt) Flush();
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
            if (kind == VerdictKind::Clean && !f.verdict.allowed)
                out_ += ok_;
            else
                AppendVisible(out_, LinkVerdictText(f, Words()));
        }
        out_ += '\n';
        if (out_.size() >= kFlushAt) Flush();
    }

    // The rest of the list, then the malformed links.
    void Finish() {
        if (args_.format == LinksFormat::Json) json_.Close();
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
    JsonArrayWriter json_;
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
        out << JsonDump(FindingJson(f)) << '\n';
    } else {
        out << VisibleControls(ToDisplayUtf8(f.part)) << '\t' << VisibleControls(ToDisplayUtf8(f.download.name)) << '\t'
            << VisibleControls(ToDisplayUtf8(VerdictOf(f, Words()))) << '\n';
    }
    out << std::flush;
}

// A change in a temp directory or a list is checked at the latest this long
// after it, however busy the client keeps the directory.
constexpr int kWatchDelayMs = 2000;
// A download added to aMule's queue is judged within this: one reading a
// second, and its reply.
constexpr int kQueueCheckedWithinS = 4;

// The finding travels in the environment only: no shell ever parses a download's name.
Environment FindingEnvironment(const Finding& f, const std::string& dir) {
    const Download& d = f.download;
    return {{"KV_PART", ToDisplayUtf8(f.part)},
            {"KV_NAME", ToDisplayUtf8(d.name)},
            {"KV_SIZE", std::to_string(d.size)},
            {"KV_HASH", d.hash ? d.hash->ToHex() : std::string()},
            {"KV_KIND", f.verdict.fake() ? "fake" : "suspect"},
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

// What the pauser did, one whole line at a time: it speaks from its own thread.
void SayPaused(const AmulePauser::Event& e, const Output& o) {
    const std::string name = VisibleControls(ToDisplayUtf8(e.name));
    std::string line;
    switch (e.kind) {
        case AmulePauser::Event::Kind::Paused:
            if (o.quiet) return;
            line = PausedInAmule(name);
            break;
        case AmulePauser::Event::Kind::Waiting: line = text::AmulePauseWaiting(name, e.why); break;
        case AmulePauser::Event::Kind::Refused:
            line = T(QT_TRANSLATE_NOOP("Cli", "Could not pause %1 in aMule: %2"), {name, e.why});
            break;
        case AmulePauser::Event::Kind::NoConnection: line = T(text::kNoAmuleConnection); break;
    }
    o.err << line + '\n' << std::flush;
}

}  // namespace

namespace {

// What the guard and the queue watch did in aMule, one whole line at a time.
void SayGuard(const GuardEvent& e, const Output& o) {
    const std::string name = VisibleControls(ToDisplayUtf8(e.name));
    const std::string why = VisibleControls(ToDisplayUtf8(e.why));
    std::string line;
    switch (e.kind) {
        case GuardEvent::Kind::Paused:
            if (o.quiet) return;
            line = PausedInAmule(name);
            break;
        case GuardEvent::Kind::Cancelled:
            if (o.quiet) return;
            line = T(QT_TRANSLATE_NOOP("Cli", "Cancelled in aMule: %1"), {name});
            break;
        case GuardEvent::Kind::CancelledAgain:
            line = why.empty() ? T(QT_TRANSLATE_NOOP("Cli", "Cancelled in aMule, it came back: %1"), {name})
                               : T(QT_TRANSLATE_NOOP("Cli", "Cancelled in aMule, it came back: %1 (seen before as %2)"),
                                   {name, why});
            break;
        case GuardEvent::Kind::Refused:
            line = T(QT_TRANSLATE_NOOP("Cli", "aMule refused to act on %1: %2"), {name, why});
            break;
        case GuardEvent::Kind::NotRecorded:
            line = T(QT_TRANSLATE_NOOP("Cli", "Could not record %1 in MYFAKES.DAT: %2"), {name, why});
            break;
        case GuardEvent::Kind::Unreachable:
            line = T(QT_TRANSLATE_NOOP("Cli", "aMule does not answer (%1); the watch goes on and acts once it does."),
                     {why});
            break;
        case GuardEvent::Kind::Reachable:
            if (o.quiet) return;
            line = T(QT_TRANSLATE_NOOP("Cli", "aMule answers again at %1."), {why});
            break;
        case GuardEvent::Kind::NoConnection: line = T(text::kNoAmuleConnection); break;
    }
    o.err << line + '\n' << std::flush;
}

// `watch --amule` over External Connections: with --guard, and wherever aMule's
// temp directory cannot be read here.
int RunQueueWatchCommand(const ProgramHome& home, const WatchArgs& args, const std::vector<std::string>& command,
                         const Output& o) {
    const Say say = [&](const std::string& line) { o.err << VisibleControls(ToDisplayUtf8(line)) << '\n' << std::flush; };
    CommandQueue commands(args.execTimeoutSeconds * 1000, say);
    DirectoryWatch watch(say, command.empty() ? nullptr : &commands);
    if (!watch.Failure().empty()) return Fail(o.err, watch.Failure());
    QueueWatchRequest request;
    request.fakeList = args.fakesFile;
    request.tempDir = args.tempDir;
    request.pause = args.amulePause;
    request.guard = args.guard;
    request.cancel = args.cancelFakes;
    request.suspects = args.guardSuspects;
    const std::string dir = args.tempDir.empty() ? ConfiguredTempDir(home.settings) : args.tempDir;
    QueueWatchHandlers handlers;
    handlers.started = [&] {
        if (o.quiet) return;
        const auto stored = StoredAmuleConnection(home);
        const std::string where = stored ? AmuleWhere(*stored) : std::string("-");
        // One write: the line never reaches a reader in pieces.
        std::string line = T(QT_TRANSLATE_NOOP("Cli", "Watching the aMule queue at %1; new downloads are checked within "
                                                      "%2 s (Ctrl+C ends, SIGHUP reads the lists again)"),
                             {VisibleControls(where), std::to_string(kQueueCheckedWithinS)});
        if (!TempDirReadable(dir))
            line += ' ' + T(QT_TRANSLATE_NOOP("Cli", "The temp directory is not readable here: downloads are judged by "
                                                     "name, the lists and what aMule says."));
        o.err << line + '\n' << std::flush;
    };
    std::optional<Notices> notify(std::in_place, args.notifyUrl, args.notifyDesktop, o);
    std::unordered_map<Ed2kHash, FakeNotice> notices;  // what was found, for the notice of what was done
    handlers.finding = [&](const Finding& f) {
        PrintWatchFinding(f, args.json, o.out);
        if (!command.empty()) commands.Add(command, FindingEnvironment(f, dir));
        if (!notify->Any()) return;
        FakeNotice n = NoticeOf(f);
        notify->Post(n);
        if (f.download.hash) notices[*f.download.hash] = std::move(n);
    };
    handlers.event = [&](const GuardEvent& e) {
        SayGuard(e, o);
        if (!notify->Any() || !e.hash) return;
        const char* action = e.kind == GuardEvent::Kind::Paused           ? "paused"
                             : e.kind == GuardEvent::Kind::Cancelled      ? "cancelled"
                             : e.kind == GuardEvent::Kind::CancelledAgain ? "cancelled-again"
                                                                          : nullptr;
        if (!action) return;
        const auto found = notices.find(*e.hash);
        FakeNotice n = found != notices.end() ? found->second : FakeNotice{e.hash->ToHex(), e.name, 0, "fake", {}, "", 0};
        n.name = e.name;
        n.action = action;
        n.time = static_cast<int64_t>(std::time(nullptr));
        notify->Post(n);
    };
    handlers.problem = [&](const CheckFailure& failure) {
        o.err << FlattenToOneLine(ToDisplayUtf8(text::CheckFailed(failure))) << '\n' << std::flush;
    };
    ListStore lists(home);
    RunQueueWatch(lists, request, watch, handlers);
    notify.reset();
    commands.StopAll();
    if (!watch.Failure().empty()) return Fail(o.err, watch.Failure());
    return kExitOk;
}

}  // namespace

Notices::Notices(const std::string& url, bool desktop, const Output& o) {
    if (!url.empty())
        hook_.emplace(url, [&o](const FakeNotice& n, const std::string& why) {
            o.err << T(QT_TRANSLATE_NOOP("Cli", "Could not post the notice of %1 to --notify-url: %2"),
                       {VisibleControls(ToDisplayUtf8(n.name)), VisibleControls(ToDisplayUtf8(why))}) +
                         '\n'
                  << std::flush;
        });
    if (desktop)
        desktop_.emplace("Kestrivane", [&o](const std::string& why) {
            o.err << T(QT_TRANSLATE_NOOP("Cli", "Desktop notifications cannot be shown (%1); the watch goes on "
                                                "without them."),
                       {VisibleControls(ToDisplayUtf8(why))}) +
                         '\n'
                  << std::flush;
        });
}

Notices::~Notices() = default;

void Notices::Post(const FakeNotice& n) {
    if (desktop_) desktop_->Show(Summary(n), NoticeBody(n));
    if (hook_) hook_->Post(n);
}

std::string Notices::Summary(const FakeNotice& n) {
    const bool fake = n.verdict == "fake";
    if (n.action == "paused")
        return fake ? T(QT_TRANSLATE_NOOP("Cli", "Kestrivane: fake paused in aMule"))
                    : T(QT_TRANSLATE_NOOP("Cli", "Kestrivane: suspect paused in aMule"));
    if (n.action == "cancelled")
        return fake ? T(QT_TRANSLATE_NOOP("Cli", "Kestrivane: fake cancelled in aMule"))
                    : T(QT_TRANSLATE_NOOP("Cli", "Kestrivane: suspect cancelled in aMule"));
    if (n.action == "cancelled-again") return T(QT_TRANSLATE_NOOP("Cli", "Kestrivane: fake came back, cancelled in aMule"));
    return fake ? T(QT_TRANSLATE_NOOP("Cli", "Kestrivane: fake found"))
                : T(QT_TRANSLATE_NOOP("Cli", "Kestrivane: suspect found"));
}

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
    // aMule on another machine, or the guard: aMule's queue is what is followed.
    if (args.amule && (args.guard || !TempDirReadable(dir))) return RunQueueWatchCommand(home, args, command, o);
    if (dir.empty()) return Fail(o.err, text::TempDirFailed({TempDirError::NotSet, "", ""}));
    if (!IsDirectory(dir)) return Fail(o.err, text::TempDirFailed({TempDirError::Missing, dir, ""}));
    if (const int refused = RefuseClientSettings(home, dir, o)) return refused;

    const Say say = [&](const std::string& line) { o.err << VisibleControls(ToDisplayUtf8(line)) << '\n' << std::flush; };
    CommandQueue commands(args.execTimeoutSeconds * 1000, say);
    DirectoryWatch watch(say, command.empty() ? nullptr : &commands);
    if (!watch.Failure().empty()) return Fail(o.err, watch.Failure());

    std::optional<AmulePauser> pauser;
    if (args.amulePause) pauser.emplace(home, [&](const AmulePauser::Event& e) { SayPaused(e, o); });
    std::optional<Notices> notify(std::in_place, args.notifyUrl, args.notifyDesktop, o);

    WatchHandlers handlers;
    handlers.started = [&] { SayWatchStarted(dir, WatchedDirs(home.settings, dir, !args.tempDir.empty()).size(), o); };
    handlers.finding = [&](const Finding& f) {
        PrintWatchFinding(f, args.json, o.out);
        // A new fake stops costing bandwidth at once, without the watch waiting on aMule.
        if (pauser && f.download.hash) pauser->Pause(*f.download.hash, f.download.name);
        if (!command.empty()) commands.Add(command, FindingEnvironment(f, dir));
        if (notify->Any()) notify->Post(NoticeOf(f));
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
    notify.reset();
    pauser.reset();
    commands.StopAll();
    if (!watch.Failure().empty()) return Fail(o.err, watch.Failure());
    return kExitOk;
}

}  // namespace kv::cli
