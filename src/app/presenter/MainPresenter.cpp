#include "app/presenter/MainPresenter.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "platform/DirectoryLock.h"
#include "common/DisplayText.h"
#include "common/FileUtil.h"
#include "platform/ReplacedFile.h"
#include "common/RepaintThrottle.h"
#include "common/StringUtil.h"
#include "ed2k/LinkText.h"
#include "lists/OwnList.h"
#include "usecases/Guard.h"
#include "usecases/OwnListEdit.h"
#include "usecases/ProgramVersion.h"
#include "usecases/ReportText.h"
#include "common/Paths.h"
#include "platform/HomeDirectories.h"
#include "app/presenter/AmuleLink.h"
#include "usecases/AmuleLinks.h"
#include "app/presenter/Messages.h"
#include "app/presenter/ResultRows.h"

namespace kv {

namespace {

std::string ImportedText(ClientFile file) {
    return file == ClientFile::EdonkeyPrefMet        ? msg::PrefMetImported()
           : file == ClientFile::EmulePreferencesIni ? msg::PreferencesIniImported()
                                                      : msg::AmuleConfImported();
}

// A transfer as the window follows it: the "Reading" figure after every tenth
// read (a counter from -100 that wraps at 100), and paint events while waiting.
class ShownTransfer : public TransferProgress {
public:
    ShownTransfer(MainView& view, bool quiet) : view_(view), quiet_(quiet), display_(view.TransferDisplay()) {}
    void Expected(int64_t bytes) override {
        if (display_ && !quiet_) display_->Expected(bytes);
    }
    void Read(size_t bytes) override {
        if (display_) {
            if (!quiet_) display_->Read(bytes);
            return;
        }
        cycle_ += 1;
        if (cycle_ == 100) cycle_ = -100;
        if (cycle_ % 10 == 0) {
            sampled_ += static_cast<int32_t>(bytes);
            if (!quiet_) view_.SetStatus(msg::Reading(int64_t{sampled_} * 10));
        }
    }
    void Waiting() override {
        if (display_ && !quiet_) display_->Waiting();
        view_.KeepPainted();
    }
    bool Cancelled() override { return view_.WorkCancelled(); }

private:
    MainView& view_;
    bool quiet_;
    TransferProgress* display_;
    int32_t cycle_ = -100;
    int32_t sampled_ = 0;
};

// Adds the check's rows as they come, repainting at most ~30 times a second.
class ShownCheck : public CheckProgress {
public:
    ShownCheck(MainView& view, std::function<void(const kv::ListsLoaded&)> loaded, std::function<void()> started)
        : view_(view), loaded_(std::move(loaded)), started_(std::move(started)) {}
    void ListsLoaded(const kv::ListsLoaded& lists) override { loaded_(lists); }
    void Started() override { started_(); }
    void Listed(const Finding& f) override {
        view_.AddFinding(f);
        if (throttle_.Due()) view_.RepaintList();
    }
    // The view keeps the rows: the report need not hold them a second time.
    bool TakesFindings() const override { return true; }
    void Take(Finding&& f) override {
        view_.TakeFinding(std::move(f));
        if (throttle_.Due()) view_.RepaintList();
    }
    bool Cancelled() const override { return view_.WorkCancelled(); }

private:
    MainView& view_;
    std::function<void(const kv::ListsLoaded&)> loaded_;
    std::function<void()> started_;
    RepaintThrottle throttle_;
};

bool ListLinesWanted(const Session& session) {
    if (session.showSkippedListLines) return true;
    const char* env = std::getenv("KESTRIVANE_SHOW_FAKESDAT_ERRORS");
    return env != nullptr && ToUpperAscii(env) == "YES";
}

std::vector<int32_t> TabStops(const std::string& first, const std::string& second) {
    return {RoundHalfEven32(NumericValue(first)), RoundHalfEven32(NumericValue(second))};
}

}  // namespace

std::string MainPresenter::Load() {
    view_.SetCaption(msg::VersionText());
    ReadTextSearchSwitch();
    ReadAllFilesSwitch();
    ReadInspectionSwitch();

    if (YesNo(session_.settings.Ensure(Key::CheckFakesDatAtStart)).IsYes()) {
        CheckFakeListVersion();
    } else {
        view_.SetStatus(msg::TipOfTheDay());
    }
    if (YesNo(session_.settings.Ensure(Key::CheckKestrivaneAtStart)).IsYes()) {
        CheckProgramVersion();
    } else {
        view_.SetStatus(msg::TipOfTheDay());
    }

    const std::string searchText = session_.settings.Read(Key::LastSearchString);
    const std::string first = session_.settings.Ensure(Key::TabStop1);
    const std::string second = session_.settings.Ensure(Key::TabStop2);
    session_.tabStops = TabStops(first, second);
    view_.SetListTabStops(session_.tabStops);

    if (FileExists(session_.FakeListPath())) {
        LoadFakeList(session_.FakeListPath());
    } else if (session_.settings.Read(Key::FakesDatDownloadURL, session_.addresses.defaultFakeList).empty()) {
        // "Update DB" would only say that no address is set: say where a list comes from instead.
        view_.SetStatus(msg::NoFakeList() + " " + msg::NoFakeListAddress());
    } else {
        view_.SetStatus(msg::NoFakeList());
    }
    view_.SetBusyCursor(false);
    return searchText;
}

void MainPresenter::Unload(const std::string& searchText) {
    if (!searchText.empty()) session_.settings.Write(Key::LastSearchString, searchText);
}

void MainPresenter::ReadAllFilesSwitch() {
    session_.showAllFiles = session_.settings.ReadYesNo(Key::ShowAllPartMet);
    if (!session_.showAllFiles.Empty()) {
        view_.SetMenuChecked(MenuCheck::AllFiles, session_.showAllFiles.IsYes());
        return;
    }
    session_.settings.Write(Key::ShowAllPartMet, "YES");
    session_.showAllFiles = YesNo::Yes();
    view_.SetMenuChecked(MenuCheck::AllFiles, true);
}

void MainPresenter::ReadTextSearchSwitch() {
    session_.showTextSearch = session_.settings.ReadYesNo(Key::ShowTextSearch);
    if (!session_.showTextSearch.Empty()) {
        const bool on = session_.showTextSearch.IsYes();
        view_.SetMenuChecked(MenuCheck::TextSearch, on);
        view_.SetSearchControlsVisible(on);
        return;
    }
    // The controls keep their visibility here: they are visible when the window opens.
    session_.settings.Write(Key::ShowTextSearch, "YES");
    session_.showTextSearch = session_.settings.ReadYesNo(Key::ShowTextSearch);
    // An unwritable settings file must not leave the ticked item with an empty
    // value, or the first click would store "YES" while unticking it.
    if (session_.showTextSearch.Empty()) session_.showTextSearch = YesNo::Yes();
    view_.SetMenuChecked(MenuCheck::TextSearch, true);
}

void MainPresenter::ReadInspectionSwitch() {
    session_.inspectContent = YesNo(session_.settings.Read(Key::InspectContent));
    view_.SetMenuChecked(MenuCheck::Inspection, session_.inspectContent.IsYes());
}

void MainPresenter::ToggleInspection() {
    session_.inspectContent = session_.inspectContent.Flipped();
    view_.SetMenuChecked(MenuCheck::Inspection, session_.inspectContent.IsYes());
    session_.settings.Write(Key::InspectContent, session_.inspectContent.Stored());
}

void MainPresenter::ToggleAllFiles() {
    session_.showAllFiles = session_.showAllFiles.Flipped();
    view_.SetMenuChecked(MenuCheck::AllFiles, session_.showAllFiles.IsYes());
    session_.settings.Write(Key::ShowAllPartMet, session_.showAllFiles.Stored());
}

void MainPresenter::ToggleTextSearch() {
    session_.showTextSearch = session_.showTextSearch.Flipped();
    const bool on = session_.showTextSearch.IsYes();
    view_.SetMenuChecked(MenuCheck::TextSearch, on);
    view_.SetSearchControlsVisible(on);
    session_.settings.Write(Key::ShowTextSearch, session_.showTextSearch.Stored());
}

void MainPresenter::LoadFakeList(const std::string& path) {
    ShowLoadedLists(session_.lists.Load(path == session_.FakeListPath() ? "" : path), path);
}

void MainPresenter::ShowLoadedLists(const std::expected<ListsLoaded, ListFailure>& loaded, const std::string& path) {
    if (!loaded || !loaded->mainLoaded) {
        view_.SetStatus(msg::ListFileMissing(loaded ? loaded->mainPath : path));
        return;
    }
    ShowSkippedListLines(*loaded);
    view_.SetCaption(msg::ListCaption(static_cast<int64_t>(loaded->records)));
}

void MainPresenter::ShowSkippedListLines(const ListsLoaded& loaded) {
    if (!loaded.mainLoaded || !ListLinesWanted(session_)) return;
    for (const auto& s : loaded.skipped) {
        // A window closed from one of these boxes shows no more of them.
        if (view_.WorkCancelled()) return;
        view_.MessageBox(msg::SkippedListLine(s.index, s.line), BoxIcon::None, msg::kAppTitle);
    }
}

void MainPresenter::ShowTempDirFailure(const TempDirFailure& failure) {
    if (failure.kind == TempDirError::NotSet) view_.MessageBox(msg::NoTempDirSetting(), BoxIcon::Critical, msg::kAppTitle);
    else if (failure.kind == TempDirError::Missing) view_.SetStatus(msg::TempDirMissing(failure.path));
    else view_.SetStatus(msg::TempDirUnreadable(failure.path, failure.cause));
}

CheckRequest MainPresenter::CheckRequestFor(const CheckOverrides& overrides) const {
    CheckRequest request;
    request.tempDir = overrides.tempDir;
    request.fakeList = overrides.fakeList;
    request.inspect = overrides.inspect.value_or(session_.inspectContent.IsYes());
    request.listAll = overrides.listAll;
    return request;
}

void MainPresenter::ShowCheckStarting(const ListsLoaded& lists, bool listAllGiven) {
    view_.SetBusy(true);
    if (lists.mainExists) ShowLoadedLists(lists, lists.mainPath);
    else view_.SetStatus(msg::NoFakeList());
    if (!listAllGiven) ReadAllFilesSwitch();
    view_.ClearList();
}

void MainPresenter::ShowCheckReading() {
    view_.StartList(ListKind::Check);
    view_.RepaintList();
    view_.SetStatus(msg::ReadingAndMatching());
}

Outcome<CheckReport> MainPresenter::ShowCheckEnded(std::expected<CheckResult, CheckFailure> result, bool started) {
    Outcome<CheckReport> out;
    if (!result) {
        ShowCheckFailure(result.error(), out);
        if (started) view_.SetBusy(false);
        return out;
    }
    const CheckReport& report = result->report;
    // Stopped for a window that has gone: a summary of part of the downloads would mislead.
    if (report.cancelled) {
        view_.SetBusy(false);
        out.value = std::move(result->report);
        return out;
    }
    view_.RepaintList();
    view_.FitListWidth(500);
    const std::string finished = CheckFinished(report.found, report.suspects, report.checked, report.unreadable, msg::Words());
    // Without a list the downloads were still inspected; the hint stays in the summary.
    view_.SetStatus(result->lists.mainLoaded ? finished : finished + " - " + msg::NoFakeList());
    view_.SetBusy(false);
    out.value = std::move(result->report);
    return out;
}

Outcome<CheckReport> MainPresenter::CheckDownloads(const CheckOverrides& overrides) {
    bool started = false;
    // Once the lists are loaded the check runs: the commands wait, the switch is read again, the list empties.
    ShownCheck shown(
        view_,
        [&](const ListsLoaded& lists) {
            started = true;
            ShowCheckStarting(lists, overrides.listAll.has_value());
        },
        [&] { ShowCheckReading(); });
    auto result = CheckTempDirs(session_.lists, CheckRequestFor(overrides), &shown);
    return ShowCheckEnded(std::move(result), started);
}

bool MainPresenter::AmuleConnectionStored() const { return StoredAmule(session_).has_value(); }

namespace {
std::string AmuleCheckFailureText(const AmuleCheckFailure& f) {
    switch (f.kind) {
        case AmuleCheckError::NoConnection: return msg::AmuleNoConnection();
        case AmuleCheckError::Connection: return msg::AmuleFailed(f.detail);
        case AmuleCheckError::NoList:
        case AmuleCheckError::GivenListMissing: return msg::ListFileMissing(f.detail);
        case AmuleCheckError::GivenListUnreadable: return msg::ListUnreadable(f.detail, "");
    }
    return msg::AmuleFailed(f.detail);
}

ClientState StateOf(AmuleState state) {
    switch (state) {
        case AmuleState::Downloading: return ClientState::Downloading;
        case AmuleState::Waiting: return ClientState::Waiting;
        case AmuleState::Paused: return ClientState::Paused;
        case AmuleState::Stopped: return ClientState::Stopped;
        case AmuleState::Hashing: return ClientState::Hashing;
        case AmuleState::Completing: return ClientState::Completing;
        case AmuleState::Complete: return ClientState::Complete;
        case AmuleState::Error: return ClientState::Error;
        case AmuleState::Other: break;
    }
    return ClientState::Other;
}

std::string JoinedNames(const std::vector<Finding>& findings) {
    std::string joined;
    for (const Finding& f : findings) joined += (joined.empty() ? "" : ", ") + f.download.name;
    return joined;
}
}  // namespace

Outcome<CheckReport> MainPresenter::CheckAmuleDownloads() {
    Outcome<CheckReport> out;
    view_.SetBusy(true);
    view_.SetStatus(msg::AmuleAsking());
    ReadAllFilesSwitch();
    AmuleCheckRequest request;
    request.inspect = session_.inspectContent.IsYes();
    auto result = CheckAmule(session_.lists, request);
    if (!result) {
        out.failure = AmuleCheckFailureText(result.error());
        view_.SetStatus(out.failure);
        view_.SetBusy(false);
        return out;
    }
    if (result->lists.mainExists) ShowLoadedLists(result->lists, result->lists.mainPath);
    CheckReport report;
    report.found = result->found;
    report.suspects = result->suspects;
    report.checked = result->checked;
    std::vector<ClientState> states;
    for (const AmuleFinding& af : result->listed) {
        report.listed.push_back(af.finding);
        // A download this check paused is paused now, whatever aMule said before.
        states.push_back(af.paused ? ClientState::Paused : StateOf(af.view.state));
    }
    view_.ClearList();
    view_.StartList(ListKind::Amule);
    view_.AddClientFindings(std::vector<Finding>(report.listed), std::move(states));
    view_.RepaintList();
    view_.FitListWidth(500);
    const std::string finished =
        result->notInspected > 0
            ? msg::AmuleCheckedElsewhere(report.found, report.suspects, report.checked, result->notInspected)
            : CheckFinished(report.found, report.suspects, report.checked, 0, msg::Words());
    view_.SetStatus(result->lists.mainLoaded ? finished : finished + " - " + msg::NoFakeList());
    view_.SetBusy(false);
    out.value = std::move(report);
    return out;
}

bool MainPresenter::ActInAmule(AmuleAction action) {
    if (!SelectedFinding()) return false;
    std::vector<Finding> selected = view_.SelectedFindings();
    std::erase_if(selected, [](const Finding& f) { return !f.download.hash; });
    if (!StoredAmule(session_)) {
        view_.SetStatus(msg::AmuleNoConnection());
        return false;
    }
    // Cancelling deletes what has arrived: never without a yes.
    if (action == AmuleAction::Cancel &&
        !view_.Confirm(msg::AmuleCancelQuestion(JoinedNames(selected)), msg::AmuleCancelTitle()))
        return false;
    // Cancelled alone, the same file comes back from the next search or link: kept out, it never does.
    const bool forGood = action == AmuleAction::Cancel &&
                         view_.Confirm(msg::AmuleNeverAgainQuestion(JoinedNames(selected)), msg::AmuleCancelTitle());
    auto amule = AmuleSession::Open(session_);
    if (!amule) {
        view_.MessageBox(msg::AmuleFailed(amule.error().Describe()), BoxIcon::Critical, msg::kAppTitle);
        return false;
    }
    for (const Finding& f : selected) {
        const auto done = amule->Act(action, *f.download.hash);
        if (done) continue;
        view_.MessageBox(msg::AmuleActFailed(f.download.name, done.error().Describe()), BoxIcon::Critical, msg::kAppTitle);
        return false;
    }
    // aMule takes a resumed download up again when it has sources: until then it waits.
    const ClientState now = action == AmuleAction::Pause    ? ClientState::Paused
                            : action == AmuleAction::Resume ? ClientState::Waiting
                                                           : ClientState::Cancelled;
    for (const Finding& f : selected) view_.SetClientState(*f.download.hash, now);
    const std::string names = JoinedNames(selected);
    if (forGood) {
        for (const Finding& f : selected) {
            if (const auto kept = KeepOutForGood(session_, f); !kept) {
                view_.MessageBox(kept.error().busy ? msg::DirectoryBusy(*kept.error().busy) : kept.error().failure,
                                 BoxIcon::Critical, msg::kAppTitle);
                return false;
            }
        }
        view_.SetCaption(msg::ListCaption(static_cast<int64_t>(session_.lists.ReloadExtras().records)));
        view_.SetStatus(msg::AmuleKeptOut(names));
        return true;
    }
    view_.SetStatus(action == AmuleAction::Pause    ? msg::AmulePaused(names)
                    : action == AmuleAction::Resume ? msg::AmuleResumed(names)
                                                   : msg::AmuleCancelled(names));
    return true;
}

bool MainPresenter::AddLinksToAmule(const std::vector<Ed2kLink>& links, std::string& said) {
    const auto result = kv::AddLinksToAmule(session_, links);
    if (!result) {
        said = AmuleCheckFailureText(result.error());
        return false;
    }
    said = msg::AmuleLinksAdded(result->added, links.size());
    for (const AmuleLinksAdded::Refusal& r : result->refused) said += "\n" + msg::AmuleLinkRefused(r.name, r.why);
    return result->refused.empty();
}

void MainPresenter::ShowCheckFailure(const CheckFailure& failure, Outcome<CheckReport>& out) {
    switch (failure.kind) {
        case CheckError::NoList:
            out.kind = FailureKind::NoFakeList;
            out.failure = msg::NoFakeList();
            view_.SetStatus(out.failure);
            return;
        case CheckError::GivenListMissing:
            out.kind = FailureKind::NoFakeList;
            out.failure = msg::ListFileMissing(failure.path);
            view_.SetStatus(out.failure);
            return;
        case CheckError::GivenListUnreadable:
            out.kind = FailureKind::NoFakeList;
            out.failure = msg::ListUnreadable(failure.path, failure.cause);
            view_.SetStatus(out.failure);
            return;
        case CheckError::NoTempDirSetting:
            out.kind = FailureKind::NoTempDirSetting;
            out.failure = msg::NoTempDirSetting();
            break;
        case CheckError::TempDirMissing:
            out.kind = FailureKind::TempDirMissing;
            out.failure = msg::TempDirMissing(failure.path);
            break;
        case CheckError::TempDirUnreadable:
            out.kind = FailureKind::TempDirMissing;
            out.failure = msg::TempDirUnreadable(failure.path, failure.cause);
            break;
    }
    const TempDirError kind = failure.kind == CheckError::NoTempDirSetting ? TempDirError::NotSet
                              : failure.kind == CheckError::TempDirMissing ? TempDirError::Missing
                                                                           : TempDirError::Unreadable;
    ShowTempDirFailure({kind, failure.path, failure.cause});
}

Outcome<std::vector<SearchHit>> MainPresenter::SearchTempFiles(const std::string& text,
                                                               const std::string& tempDirOverride) {
    view_.ClearList();
    return ShowSearchEnded(text,
                           SearchDownloads(session_.settings, tempDirOverride, text, [this] { return view_.WorkCancelled(); }));
}

Outcome<std::vector<SearchHit>> MainPresenter::ShowSearchEnded(const std::string& text,
                                                               std::expected<std::vector<SearchHit>, TempDirFailure> hits) {
    Outcome<std::vector<SearchHit>> out;
    if (!hits) {
        out.kind = hits.error().kind == TempDirError::NotSet ? FailureKind::NoTempDirSetting : FailureKind::TempDirMissing;
        out.failure = hits.error().kind == TempDirError::NotSet ? std::string(msg::NoTempDirSetting())
                                                                 : msg::TempDirMissing(hits.error().path);
        ShowTempDirFailure(hits.error());
        return out;
    }
    if (view_.WorkCancelled()) return out;  // part of the files searched: no list to show
    view_.StartList(ListKind::Search);
    for (const SearchHit& hit : *hits) view_.AddSearchHit(hit);
    view_.FitListWidth(200);
    view_.RepaintList();
    view_.SetStatus(msg::SearchFinished(static_cast<int64_t>(hits->size()), text));
    out.value = std::move(*hits);
    return out;
}

void MainPresenter::Report(const DownloadResult& result, const std::string& address, const std::string& target,
                           bool quiet) {
    if (!result.ok()) lastFailedTransfer_ = result;
    switch (result.status) {
        case DownloadStatus::Written:
            if (!quiet) view_.SetStatus(msg::DownloadFinished(target));
            break;
        case DownloadStatus::NoConnection: view_.SetStatus(msg::NoInternet()); break;
        case DownloadStatus::NotOpened:
            view_.SetStatus(result.noAddress ? msg::NoUpdateAddress() : msg::CouldNotOpen(address));
            break;
        case DownloadStatus::Interrupted: view_.SetStatus(msg::Interrupted(address)); break;
        case DownloadStatus::ProxyRefused:
            view_.MessageBox(result.proxyPage, BoxIcon::Critical, msg::DownloadBoxTitle());
            session_.proxyRefused = true;  // every address goes through the same proxy
            break;
        case DownloadStatus::NotAvailable:
            view_.MessageBox(msg::UrlNotAvailable(), BoxIcon::Critical, msg::DownloadBoxTitle());
            view_.SetStatus(msg::NotAvailable(address));
            break;
        case DownloadStatus::NotWritten: {
            const std::optional<LockHolder>& busy = result.busy;
            // The refusal names the file and the system's cause; the bare text is for when none came.
            view_.SetStatus(busy ? msg::DirectoryBusy(*busy)
                                 : !result.refusal.empty() ? result.refusal : msg::CouldNotWrite(target));
            break;
        }
        case DownloadStatus::NotModified: view_.SetStatus(msg::ListNotModified(address)); break;
        case DownloadStatus::Refused:
            view_.MessageBox(result.refusal, BoxIcon::Critical, msg::ListRefusedTitle());
            view_.SetStatus(result.refusal);
            break;
    }
}

// The update as the window follows it: every step a status text, boxes for
// what needs the user's attention.
class MainPresenter::ShownUpdate : public UpdateObserver {
public:
    explicit ShownUpdate(MainPresenter& presenter) : p_(presenter), quiet_(presenter.view_, true),
                                                     loud_(presenter.view_, false) {}
    void VersionCheckStarted() override { p_.view_.SetStatus(msg::VersionCheckRunning()); }
    void VersionChecked(const ListSource&, const ListVersionCheck& check) override {
        p_.view_.SetStatus(check.newer ? msg::NewListVersion(check.serverVersion) : msg::NewestList());
    }
    void DownloadStarted(const std::string&) override { p_.view_.SetStatus(msg::OpeningUrl()); }
    TransferProgress* Progress(bool quiet) override { return quiet ? &quiet_ : &loud_; }
    void TransferEnded(const DownloadResult& result, const std::string& address, const std::string& target,
                       bool quiet) override {
        p_.Report(result, address, target, quiet);
    }
    void SourcesFailed(const std::string& numbers) override {
        p_.view_.SetStatus(msg::SourcesNotUpdated(numbers));
    }

private:
    MainPresenter& p_;
    ShownTransfer quiet_, loud_;
};

ListUpdater MainPresenter::Updater() const { return ListUpdater(session_, session_); }

void MainPresenter::CheckFakeListVersion() {
    ShownUpdate shown(*this);
    Updater().CheckVersion(shown);
}

bool MainPresenter::UpdateFakeList() {
    if (session_.proxyRefused) {
        view_.MessageBox(msg::ProxyNotImplemented(), BoxIcon::None, msg::kAppTitle);
        return false;
    }
    view_.SetBusy(true);
    ShownUpdate shown(*this);
    const auto done = Updater().Update(shown);
    // Whatever the downloads did, the list shows what the files now hold.
    if (done ? done->listFetched : done.error().listFetched) LoadFakeList(session_.FakeListPath());
    view_.SetBusy(false);
    return done.has_value();
}

std::optional<ProgramVersionCheck> MainPresenter::ProgramVersion() {
    // No site is built in: without one the check has nowhere to ask.
    session_.addresses.downloadSite = ProgramSiteAddress(session_, session_);
    ShownTransfer shown(view_, true);
    auto check = CheckForNewerProgram(session_, session_, {.site = "", .progress = &shown});
    if (!check) {
        if (check.error().kind == ProgramVersionError::NoAddress) view_.SetStatus(msg::NoProgramSite());
        else Report(check.error().fetch, check.error().address, JoinPath(session_.programDir, "KVVersion.txt"), true);
        return std::nullopt;
    }
    switch (check->verdict) {
        case ProgramVersionVerdict::NotChecked: return std::nullopt;
        case ProgramVersionVerdict::Current: view_.SetStatus(msg::NewestProgram()); break;
        case ProgramVersionVerdict::NoUsableSetupFile: view_.SetStatus(msg::NoSetupFile()); break;
        case ProgramVersionVerdict::AlreadyDownloaded:
            view_.SetStatus(msg::ProgramAlreadyDownloaded(check->display));
            break;
        case ProgramVersionVerdict::NewVersion: view_.SetStatus(msg::NewProgramVersion(check->display)); break;
    }
    return *check;
}

void MainPresenter::CheckProgramVersion() { ProgramVersion(); }

void MainPresenter::UpdateProgram() {
    const std::optional<ProgramVersionCheck> check = ProgramVersion();
    if (!check || check->verdict != ProgramVersionVerdict::NewVersion) return;
    view_.SetStatus(msg::OpeningUrl());
    ShownTransfer shown(view_, false);
    const DownloadResult result = DownloadNewerProgram(session_, session_, *check, &shown);
    Report(result, session_.addresses.downloadSite + "/Download/" + check->setupFile,
           JoinPath(session_.programDir, check->setupFile), false);
}

void MainPresenter::ImportClient(bool edonkey) {
    FileChooserRequest request;
    if (edonkey) {
        request.title = msg::Word(QT_TRANSLATE_NOOP("Messages", "Search for eDonkey-PREF.MET-File"));
        request.filters = {{msg::Word(QT_TRANSLATE_NOOP("Messages", "eDonkey pref.met-File (pref.met)")), "pref.met"}, {msg::Word(QT_TRANSLATE_NOOP("Messages", "All Files (*.*)")), "*.*"}};
        request.initialFileName = "pref.met";
    } else {
        request.title = msg::Word(QT_TRANSLATE_NOOP("Messages", "Search for eMule-Preferences.INI-File"));
        request.filters = {{msg::Word(QT_TRANSLATE_NOOP("Messages", "eMule preferences.ini-File (preferences.ini)")), "preferences.ini"},
                           {msg::Word(QT_TRANSLATE_NOOP("Messages", "All Files (*.*)")), "*.*"},
                           {msg::Word(QT_TRANSLATE_NOOP("Messages", "aMule amule.conf-File (amule.conf)")), "amule.conf"}};
        request.initialFileName = "preferences.ini";
    }
    // The clients keep their files under the user's home (~/.aMule, ~/.wine).
    request.initialDir = UserHomeDirectory();
    if (request.initialDir.empty()) request.initialDir = session_.programDir;
    // The eMule dialog has one entry more than the eDonkey one; an entry the
    // other dialog remembered may not exist here.
    const int remembered = session_.importFilterIndex;
    const bool inRange = remembered >= 0 && static_cast<size_t>(remembered) < request.filters.size();
    request.filterIndex = inRange ? remembered : 0;

    const FileChoice choice = view_.ChooseFile(request);
    if (!choice.accepted) return;
    session_.importFilterIndex = choice.filterIndex;
    ImportClientFile(choice.path);
}

Outcome<ImportResult> MainPresenter::ImportClientFile(const std::string& path) {
    return Import(path, nullptr);
}

Outcome<ImportResult> MainPresenter::Import(const std::string& path, const DetectedClient* detected) {
    Outcome<ImportResult> out;
    const auto imported = kv::ImportClient(session_, path, detected);
    if (imported) {
        view_.SetStatus(ImportedText(imported->file));
        out.value = *imported;
        return out;
    }
    const ImportFailure& f = imported.error();
    switch (f.kind) {
        case ImportError::NotAClientFile:
        case ImportError::NoSuchFile: return out;
        case ImportError::NoTempDir:
            out.failure = f.file == ClientFile::EdonkeyPrefMet ? msg::NoPrefMetTemp() : msg::NoIniTempDir();
            out.kind = FailureKind::NoTempInClientFile;
            view_.SetBusyCursor(false);
            view_.MessageBox(out.failure, BoxIcon::Critical, msg::kAppTitle);
            return out;
        case ImportError::NotStored:
            view_.SetStatus(ImportedText(f.file));
            out.kind = FailureKind::NotStored;
            if (f.busy) {
                out.failure = msg::DirectoryBusy(*f.busy);
                view_.MessageBox(out.failure, BoxIcon::Critical, msg::kAppTitle);
            }
            return out;
    }
    return out;
}

Outcome<ImportResult> MainPresenter::ImportDetectedClient(const DetectedClient& client) {
    Outcome<ImportResult> imported = Import(client.path, &client);
    // A local aMule that takes External Connections is set up at once, too.
    if (imported && client.client == ClientFile::AmuleConf) (void)SetUpLocalAmule(session_, client.path);
    return imported;
}

void MainPresenter::CopyLink(bool html) { CopySelected(html ? CopyWhat::LinkHtml : CopyWhat::Link); }

void MainPresenter::CopySelected(CopyWhat what) {
    if (view_.SelectedRowCount() == 0) {
        // No download row selected: the clipboard is emptied.
        view_.SetClipboardText("");
        return;
    }
    // Text-search rows have no download of their own: nothing to copy.
    const std::vector<Finding> selected = view_.SelectedFindings();
    if (selected.empty()) return;
    view_.SetClipboardText(CopyText(selected, what));
}

std::optional<Finding> MainPresenter::SelectedFinding() {
    const std::vector<Finding> selected = view_.SelectedFindings();
    if (selected.empty()) {
        view_.SetStatus(msg::SelectCheckRow());
        return std::nullopt;
    }
    if (!selected.front().download.hash) {
        view_.SetStatus(msg::NoHashToMark());
        return std::nullopt;
    }
    return selected.front();
}

bool MainPresenter::MarkSelectedAsFake() {
    const std::optional<Finding> f = SelectedFinding();
    if (!f) return false;
    // A list's words may be worth keeping; a file's name says nothing of why it is a fake.
    const ListEntry& entry = f->verdict.entry;
    const std::string initial = f->verdict.fake() ? PlainDescription(entry.listName, entry.description) : std::string();
    const std::optional<std::string> reason = view_.AskText(msg::MarkPrompt(), msg::MarkTitle(), initial);
    if (!reason) return false;
    const auto edit =
        MarkInOwnList(session_, DownloadTarget{*f->download.hash, f->download.size, f->download.name}, *reason);
    if (!edit) {
        view_.MessageBox(edit.error().busy ? msg::DirectoryBusy(*edit.error().busy) : edit.error().failure, BoxIcon::Critical, msg::kAppTitle);
        return false;
    }
    const std::string name = f->download.name;
    view_.SetCaption(msg::ListCaption(static_cast<int64_t>(session_.lists.ReloadExtras().records)));
    ShowJudgedAgain({*f});
    view_.SetStatus(msg::Marked(name));
    return true;
}

bool MainPresenter::AllowSelected() {
    if (!SelectedFinding()) return false;
    std::vector<Finding> selected = view_.SelectedFindings();
    std::erase_if(selected, [](const Finding& f) { return !f.download.hash; });
    // Nothing offered: the list's words are what the user disagrees with.
    const std::optional<std::string> reason = view_.AskText(msg::AllowPrompt(), msg::AllowTitle(), "");
    if (!reason) return false;
    std::vector<std::string> names;
    for (const Finding& f : selected) {
        const auto edit =
            AllowInOwnList(session_, DownloadTarget{*f.download.hash, f.download.size, f.download.name}, *reason);
        if (!edit) {
            view_.MessageBox(edit.error().busy ? msg::DirectoryBusy(*edit.error().busy) : edit.error().failure, BoxIcon::Critical, msg::kAppTitle);
            break;
        }
        names.push_back(f.download.name);
    }
    if (names.empty()) return false;
    view_.SetCaption(msg::ListCaption(static_cast<int64_t>(session_.lists.ReloadExtras().records)));
    ShowJudgedAgain(std::move(selected));
    std::string joined;
    for (const std::string& n : names) joined += (joined.empty() ? "" : ", ") + n;
    view_.SetStatus(msg::Allowed(joined));
    return true;
}

bool MainPresenter::UnmarkSelected() {
    const std::optional<Finding> f = SelectedFinding();
    if (!f) return false;
    const auto edit = UnmarkInOwnList(session_, *f->download.hash);
    if (!edit) {
        view_.MessageBox(edit.error().busy ? msg::DirectoryBusy(*edit.error().busy) : edit.error().failure, BoxIcon::Critical, msg::kAppTitle);
        return false;
    }
    const std::string name = f->download.name;
    if (edit->changed == 0) {
        view_.SetStatus(msg::NotInOwnList(name));
        return false;
    }
    view_.SetCaption(msg::ListCaption(static_cast<int64_t>(session_.lists.ReloadExtras().records)));
    ShowJudgedAgain({*f});
    view_.SetStatus(msg::Unmarked(name));
    return true;
}

void MainPresenter::ShowJudgedAgain(std::vector<Finding> findings) {
    for (Finding& f : findings) JudgeByLists(f, session_.fakes());
    view_.UpdateFindings(std::move(findings));
}

void MainPresenter::CopySelectedAsListLine() {
    if (!SelectedFinding()) return;
    std::vector<Finding> selected = view_.SelectedFindings();
    std::erase_if(selected, [](const Finding& f) { return !f.download.hash; });
    view_.SetClipboardText(CopyText(selected, CopyWhat::ListLine));
    view_.SetStatus(msg::ListLinesCopied(static_cast<int64_t>(selected.size())));
}

void MainPresenter::ExportOwnList() {
    const std::string own = OwnListPath(session_);
    const std::string lines = OwnListLines(own);
    if (lines.empty()) {
        view_.MessageBox(msg::OwnListEmpty(), BoxIcon::None, msg::kAppTitle);
        return;
    }
    FileChooserRequest request;
    request.title = msg::ExportOwnTitle();
    request.filters = {{msg::Word(QT_TRANSLATE_NOOP("Messages", "Fake lists (*.DAT)")), "*.DAT"}, {msg::Word(QT_TRANSLATE_NOOP("Messages", "All Files (*.*)")), "*.*"}};
    request.initialDir = session_.programDir;
    request.initialFileName = "FAKES.DAT";
    request.save = true;
    const FileChoice choice = view_.ChooseFile(request);
    if (!choice.accepted) return;
    // Never over the own list itself, nor over the list the check uses.
    if (choice.path == own || choice.path == session_.FakeListPath()) {
        view_.MessageBox(msg::ExportOverList(), BoxIcon::Critical, msg::kAppTitle);
        return;
    }
    if (!WriteFileAtomic(choice.path, lines)) {
        view_.MessageBox(msg::CouldNotWrite(choice.path), BoxIcon::Critical, msg::kAppTitle);
        return;
    }
    view_.SetStatus(msg::OwnListExported(static_cast<int64_t>(std::count(lines.begin(), lines.end(), '\n')),
                                         choice.path));
}

// ---- Links checked before downloading ------------------------------------------

namespace {
std::string LinkFailureText(const LinkCheckFailure& f) {
    switch (f.kind) {
        case LinkCheckError::GivenListUnreadable: return msg::LinksListUnreadable(f.path);
        case LinkCheckError::FileTooLarge: return msg::LinksFileTooLarge(f.path, f.length);
        case LinkCheckError::FileUnreadable: return msg::LinksFileUnreadable(f.path);
        case LinkCheckError::Refused: return f.refusal;
    }
    return "";
}

Outcome<LinkReport> LinkOutcome(std::expected<LinkReport, LinkCheckFailure> checked) {
    Outcome<LinkReport> out;
    if (checked) out.value = std::move(*checked);
    else out.failure = LinkFailureText(checked.error());
    return out;
}
}  // namespace

Outcome<LinkReport> MainPresenter::CheckLinks(std::string_view textOrCollection, const std::string& fakeList) {
    return LinkOutcome(CheckLinksIn(session_.lists, textOrCollection, fakeList));
}

Outcome<LinkReport> MainPresenter::CheckLinksFile(const std::string& path, const std::string& fakeList) {
    return LinkOutcome(CheckLinksInFile(session_.lists, path, fakeList));
}

std::string MainPresenter::ChooseLinksFile() {
    FileChooserRequest request;
    request.title = msg::OpenLinksTitle();
    request.filters = {{msg::Word(QT_TRANSLATE_NOOP("Messages", "eMule collections")), "*.emulecollection"},
                       {msg::Word(QT_TRANSLATE_NOOP("Messages", "Text files and web pages")), "*.txt *.htm *.html"},
                       {msg::Word(QT_TRANSLATE_NOOP("Messages", "All files")), "*"}};
    request.initialDir = session_.programDir;
    const FileChoice choice = view_.ChooseFile(request);
    return choice.accepted ? choice.path : std::string();
}

}  // namespace kv
