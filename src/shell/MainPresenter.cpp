#include "shell/MainPresenter.h"

#include <algorithm>
#include <cstdlib>

#include "common/DirectoryLock.h"
#include "common/DisplayText.h"
#include "common/FileUtil.h"
#include "common/RepaintThrottle.h"
#include "common/StringUtil.h"
#include "ed2k/LinkText.h"
#include "lists/OwnList.h"
#include "online/FakeListUpdate.h"
#include "online/VersionCheck.h"
#include "common/Paths.h"
#include "shell/Messages.h"

namespace kv {

namespace {

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
            if (!quiet_) view_.SetStatus(msg::Reading(int64_t{sampled_} * 10), "0");
        }
    }
    void Waiting() override {
        if (display_ && !quiet_) display_->Waiting();
        view_.KeepPainted();
    }

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
    explicit ShownCheck(MainView& view) : view_(view) {}
    void Add(std::initializer_list<std::string> rows) {
        for (const std::string& row : rows) view_.AddListRow(row);
        if (throttle_.Due()) view_.RepaintList();
    }
    void Listed(const Finding& f) override {
        // A field's own control bytes are shown, never taken for separators or line ends.
        view_.AddListRow(VisibleControls(f.part) + TAB + VisibleControls(f.download.name) + TAB +
                             VisibleControls(VerdictOf(f)),
                         f.fake ? RowKind::Fake : f.suspect() ? RowKind::Suspect : RowKind::Plain);
        if (throttle_.Due()) view_.RepaintList();
    }

private:
    MainView& view_;
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

void MainPresenter::SetWorkCommandsEnabled(bool enabled) {
    for (const Command c : {Command::UpdateListMenu, Command::UpdateProgramMenu, Command::UpdateListButton,
                            Command::CheckButton, Command::SearchButton})
        view_.SetCommandEnabled(c, enabled);
}

std::string MainPresenter::Load() {
    view_.SetCaption(msg::VersionText());
    ReadTextSearchSwitch();
    ReadAllFilesSwitch();
    ReadInspectionSwitch();

    if (YesNo(session_.settings.Ensure(Key::CheckFakesDatAtStart)).IsYes()) {
        CheckFakeListVersion();
    } else {
        view_.SetStatus(msg::kTipOfTheDay, "0");
    }
    if (YesNo(session_.settings.Ensure(Key::CheckKestrivaneAtStart)).IsYes()) {
        CheckProgramVersion();
    } else {
        view_.SetStatus(msg::kTipOfTheDay, "0");
    }

    const std::string searchText = session_.settings.Read(Key::LastSearchString);
    const std::string first = session_.settings.Ensure(Key::TabStop1);
    const std::string second = session_.settings.Ensure(Key::TabStop2);
    session_.tabStops = TabStops(first, second);
    view_.SetListTabStops(session_.tabStops);

    if (FileExists(session_.FakeListPath())) {
        LoadFakeList(session_.FakeListPath());
    } else {
        view_.SetStatus(msg::kNoFakeList, "0");
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
    session_.fakes.Remove(kMainListSlot);
    std::optional<std::string> content = ReadWholeFile(path);
    if (!content || content->empty()) {
        extraLists_ = LoadExtraLists(session_.fakes, session_);
        view_.SetStatus(msg::ListFileMissing(path), "0");
        return;
    }
    std::vector<FakeList::SkippedLine> skipped;
    session_.fakes.Put(FakeList::Parse(std::move(*content), FileNameOf(path), &skipped), ListRank::Downloaded,
                       kMainListSlot);
    // The own list, the further sources (after the main list: it wins a hash
    // both name) and the clients' signals come with every load of the main list.
    extraLists_ = LoadExtraLists(session_.fakes, session_);
    if (ListLinesWanted(session_)) {
        for (const auto& s : skipped) view_.MessageBox(msg::SkippedListLine(s.index, s.line), kMbOk, msg::kAppTitle);
    }
    view_.SetCaption(msg::ListCaption(static_cast<int64_t>(session_.fakes.records())));
}

std::optional<TempDir> MainPresenter::ResolveTempDir(const std::string& overrideDir, std::string& failure,
                                                     FailureKind& kind, bool backups) {
    const std::string path = overrideDir.empty() ? ConfiguredTempDir(session_.settings) : overrideDir;
    if (path.empty()) {
        failure = msg::kNoTempDirSetting;
        kind = FailureKind::NoTempDirSetting;
        view_.MessageBox(failure, kMbCritical, msg::kAppTitle);
        SetWorkCommandsEnabled(true);
        return std::nullopt;
    }
    std::optional<TempDir> dir = ListTempDir(path, backups);
    if (dir && overrideDir.empty()) dir->further = FurtherTempDirs(session_.settings);
    if (!dir) {
        failure = msg::TempDirMissing(path);
        kind = FailureKind::TempDirMissing;
        view_.SetStatus(failure, "0");
        SetWorkCommandsEnabled(true);
    }
    return dir;
}

Outcome<CheckReport> MainPresenter::CheckDownloads(const CheckOverrides& overrides) {
    Outcome<CheckReport> out;
    const std::string listPath = overrides.fakeList.empty() ? session_.FakeListPath() : overrides.fakeList;
    const bool haveList = FileExists(listPath);
    const bool inspect = overrides.inspect.value_or(session_.inspectContent.IsYes());
    if (!haveList && !inspect) {
        out.failure = msg::kNoFakeList;
        out.kind = FailureKind::NoFakeList;
        view_.SetStatus(out.failure, "0");
        return out;
    }
    SetWorkCommandsEnabled(false);
    if (haveList) {
        LoadFakeList(listPath);
    } else {
        // Without a list the downloads are still inspected; the hint stays in the summary.
        session_.fakes.Remove(kMainListSlot);
        view_.SetStatus(msg::kNoFakeList, "0");
    }

    bool listAll;
    if (overrides.listAll) {
        listAll = *overrides.listAll;
    } else {
        ReadAllFilesSwitch();
        listAll = session_.showAllFiles.IsYes();
    }
    view_.ClearList();
    session_.shownReport = CheckReport{};  // the list now holds check rows, none yet

    const std::optional<TempDir> dir = ResolveTempDir(overrides.tempDir, out.failure, out.kind, true);
    if (!dir) return out;  // the commands are enabled again already

    ShownCheck shown(view_);
    shown.Add({msg::kCheckHead, " "});
    view_.SetStatus(msg::kReadingAndMatching, "0");
    CheckReport report = kv::CheckDownloads(*dir, session_.fakes, CheckRules{listAll, inspect}, &shown);
    view_.RepaintList();
    view_.FitListWidth(500);
    const std::string finished = CheckFinished(report.found, report.suspects, report.checked, report.unreadable);
    view_.SetStatus(haveList ? finished : finished + " - " + msg::kNoFakeList, "0");
    SetWorkCommandsEnabled(true);
    session_.shownReport = report;
    out.value = std::move(report);
    return out;
}

Outcome<std::vector<SearchHit>> MainPresenter::SearchTempFiles(const std::string& text,
                                                               const std::string& tempDirOverride) {
    Outcome<std::vector<SearchHit>> out;
    view_.ClearList();
    // The list no longer shows check rows: the link copy must not pair its rows with them.
    session_.shownReport.reset();
    // The search looks at the .met files as they are; backups are copies of them.
    const std::optional<TempDir> dir = ResolveTempDir(tempDirOverride, out.failure, out.kind, false);
    if (!dir) return out;

    view_.AddListRow(msg::kSearchHead);
    view_.AddListRow(" ");
    std::vector<SearchHit> hits = kv::SearchTempFiles(*dir, text);
    for (const SearchHit& hit : hits) view_.AddListRow(VisibleControls(hit.part) + TAB + VisibleControls(hit.name));
    view_.FitListWidth(200);
    view_.RepaintList();
    view_.SetStatus(msg::SearchFinished(static_cast<int64_t>(hits.size()), text), "0");
    out.value = std::move(hits);
    return out;
}

void MainPresenter::Report(const DownloadResult& result, const std::string& address, const std::string& target,
                           bool quiet) {
    if (!result.ok()) lastFailedTransfer_ = result;
    switch (result.status) {
        case DownloadStatus::Written:
            if (!quiet) view_.SetStatus(msg::DownloadFinished(target), "0");
            break;
        case DownloadStatus::NoConnection: view_.SetStatus(msg::kNoInternet, "0"); break;
        case DownloadStatus::NotOpened: view_.SetStatus(msg::CouldNotOpen(address), "0"); break;
        case DownloadStatus::Interrupted: view_.SetStatus(msg::Interrupted(address), "0"); break;
        case DownloadStatus::ProxyRefused:
            view_.MessageBox(result.proxyPage, kMbCritical, msg::kDownloadBoxTitle);
            session_.proxyRefused = true;
            break;
        case DownloadStatus::NotAvailable:
            view_.MessageBox(msg::kUrlNotAvailable, kMbCritical, msg::kDownloadBoxTitle);
            view_.SetStatus(msg::NotAvailable(address), "0");
            break;
        case DownloadStatus::NotWritten: {
            const std::optional<LockHolder> busy = TakeLockBusy();
            view_.SetStatus(busy ? msg::DirectoryBusy(*busy) : msg::CouldNotWrite(target), "0");
            break;
        }
        case DownloadStatus::NotModified: view_.SetStatus(msg::ListNotModified(address), "0"); break;
        case DownloadStatus::Refused:
            view_.MessageBox(result.refusal, kMbCritical, msg::kListRefusedTitle);
            view_.SetStatus(result.refusal, "0");
            break;
    }
}

DownloadResult MainPresenter::ShowDownload(const std::string& address, const std::string& target, bool quiet) {
    if (!quiet) view_.SetStatus(msg::kOpeningUrl, "0");
    ShownTransfer shown(view_, quiet);
    const DownloadResult result = DownloadToFile(address, target, session_.downloadLimits, &shown);
    Report(result, address, target, quiet);
    return result;
}

std::optional<ListVersionCheck> MainPresenter::ListVersion() { return ListVersion(ListSourceNumber(1)); }

std::optional<ListVersionCheck> MainPresenter::ListVersion(const ListSource& source) {
    ShownTransfer shown(view_, true);
    ListVersionCheck check = kv::CheckSourceVersion(session_, session_, source, &shown);
    const std::string address = source.number == 1 ? FakeListAddress(session_, session_) : SourceAddress(session_, session_, source);
    Report(check.fetch, address + "/Fakes.txt", JoinPath(session_.programDir, "Fakes.txt"), true);
    if (!check.fetch.ok()) return std::nullopt;
    view_.SetStatus(check.newer ? msg::NewListVersion(check.serverVersion) : msg::kNewestList, "0");
    return check;
}

void MainPresenter::CheckFakeListVersion() { ListVersion(); }

bool MainPresenter::UpdateSource(const ListSource& source, bool& listFetched) {
    const std::optional<ListVersionCheck> check = ListVersion(source);
    if (!check) return false;
    if (!check->listNeeded) return true;
    const std::string address = SourceAddress(session_, session_, source) + "/" + kFakeListFileName;
    view_.SetStatus(msg::kOpeningUrl, "0");
    ShownTransfer shown(view_, false);
    const DownloadResult result = DownloadSourceList(session_, session_, source, check->serverVersion, &shown);
    Report(result, address, SourceListPath(session_, source), false);
    listFetched = true;
    return result.ok() || result.status == DownloadStatus::NotModified;
}

bool MainPresenter::UpdateFakeList() {
    if (session_.proxyRefused) {
        view_.MessageBox(msg::kProxyNotImplemented, kMbOk, msg::kAppTitle);
        return false;
    }
    view_.SetStatus(msg::kVersionCheckRunning, "0");
    SetWorkCommandsEnabled(false);

    // Each source in turn: one that fails does not keep the others from their update.
    const std::vector<ListSource> sources = ConfiguredListSources(session_.settings);
    std::string failed;
    bool listFetched = false;
    for (const ListSource& source : sources) {
        if (session_.proxyRefused) break;  // the proxy refuses every address alike
        if (!UpdateSource(source, listFetched))
            failed += (failed.empty() ? "" : ", ") + std::to_string(source.number);
    }
    // Whatever the downloads did, the list shows what the files now hold.
    if (listFetched) LoadFakeList(session_.FakeListPath());
    if (sources.size() > 1 && !failed.empty() && !session_.proxyRefused)
        view_.SetStatus(msg::SourcesNotUpdated(failed), "0");
    SetWorkCommandsEnabled(true);
    return failed.empty();
}

std::optional<ProgramVersionCheck> MainPresenter::ProgramVersion() {
    ShownTransfer shown(view_, true);
    ProgramVersionCheck check = kv::CheckProgramVersion(session_, session_, &shown);
    Report(check.fetch, session_.addresses.downloadSite + "/Download/KVVersion.txt",
           JoinPath(session_.programDir, "KVVersion.txt"), true);
    switch (check.verdict) {
        case ProgramVersionVerdict::NotChecked: return std::nullopt;
        case ProgramVersionVerdict::Current: view_.SetStatus(msg::kNewestProgram, "0"); break;
        case ProgramVersionVerdict::NoUsableSetupFile: view_.SetStatus(msg::kNoSetupFile, "0"); break;
        case ProgramVersionVerdict::AlreadyDownloaded:
            view_.SetStatus(msg::ProgramAlreadyDownloaded(check.display), "0");
            break;
        case ProgramVersionVerdict::NewVersion: view_.SetStatus(msg::NewProgramVersion(check.display), "0"); break;
    }
    return check;
}

void MainPresenter::CheckProgramVersion() { ProgramVersion(); }

void MainPresenter::UpdateProgram() {
    const std::optional<ProgramVersionCheck> check = ProgramVersion();
    if (!check || check->verdict != ProgramVersionVerdict::NewVersion) return;
    view_.SetStatus(msg::kOpeningUrl, "0");
    ShownTransfer shown(view_, false);
    const DownloadResult result = DownloadProgramSetup(session_, session_, check->setupFile, &shown);
    Report(result, session_.addresses.downloadSite + "/Download/" + check->setupFile,
           JoinPath(session_.programDir, check->setupFile), false);
}

void MainPresenter::ImportClient(bool edonkey) {
    FileChooserRequest request;
    if (edonkey) {
        request.title = "Search for eDonkey-PREF.MET-File";
        request.filters = {{"eDonkey pref.met-File (pref.met)", "pref.met"}, {"All Files (*.*)", "*.*"}};
        request.initialFileName = "pref.met";
    } else {
        request.title = "Search for eMule-Preferences.INI-File";
        request.filters = {{"eMule preferences.ini-File (preferences.ini)", "preferences.ini"},
                           {"All Files (*.*)", "*.*"},
                           {"aMule amule.conf-File (amule.conf)", "amule.conf"}};
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
    Outcome<ImportResult> out;
    const ImportResult result = ImportClientTempDir(session_.settings, path);
    if (result.file == ClientFile::None) return out;
    if (!result.tempDirFound) {
        out.failure = result.file == ClientFile::EdonkeyPrefMet ? msg::kNoPrefMetTemp : msg::kNoIniTempDir;
        out.kind = FailureKind::NoTempInClientFile;
        view_.SetBusyCursor(false);
        view_.MessageBox(out.failure, kMbCritical, msg::kAppTitle);
        return out;
    }
    view_.SetStatus(result.file == ClientFile::EdonkeyPrefMet        ? msg::kPrefMetImported
                    : result.file == ClientFile::EmulePreferencesIni ? msg::kPreferencesIniImported
                                                                     : msg::kAmuleConfImported,
                    "0");
    if (result.stored) {
        out.value = result;
    } else {
        out.kind = FailureKind::NotStored;
        if (const std::optional<LockHolder> busy = TakeLockBusy()) {
            out.failure = msg::DirectoryBusy(*busy);
            view_.MessageBox(out.failure, kMbCritical, msg::kAppTitle);
        }
    }
    return out;
}

Outcome<ImportResult> MainPresenter::ImportDetectedClient(const DetectedClient& client) {
    Outcome<ImportResult> out = ImportClientFile(client.path);
    if (!out || client.winePrefix.empty() || client.tempDir == client.storedTemp) return out;
    const Key key = client.client == ClientFile::EdonkeyPrefMet ? Key::EdonkeyTempPath : Key::EmuleTempDir;
    if (!session_.settings.Write(key, client.tempDir)) {
        out.value.reset();
        out.kind = FailureKind::NotStored;
    }
    return out;
}

void MainPresenter::CopyLink(bool html) {
    const int32_t row = view_.SelectedRow();
    if (row < 2 || row >= view_.ListCount()) {
        // No download row selected: the clipboard is emptied.
        view_.SetClipboardText("");
        return;
    }
    const size_t k = static_cast<size_t>(row) - 2;
    // Text-search rows, or a row beyond the check's, have no download of their
    // own; another row's would give a wrong link.
    if (!session_.shownReport || k >= session_.shownReport->listed.size()) return;
    const Download& d = session_.shownReport->listed[k].download;
    view_.SetClipboardText(html ? LinkHtmlFor(d) : LinkFor(d));
}

const Finding* MainPresenter::SelectedFinding() {
    const int32_t row = view_.SelectedRow();
    const size_t k = row >= 2 ? static_cast<size_t>(row) - 2 : SIZE_MAX;
    if (!session_.shownReport || row >= view_.ListCount() || k >= session_.shownReport->listed.size()) {
        view_.SetStatus(msg::kSelectCheckRow, "0");
        return nullptr;
    }
    const Finding& f = session_.shownReport->listed[k];
    if (!f.download.hash) {
        view_.SetStatus(msg::kNoHashToMark, "0");
        return nullptr;
    }
    return &f;
}

bool MainPresenter::MarkSelectedAsFake() {
    const Finding* f = SelectedFinding();
    if (!f) return false;
    const std::string initial = f->fake ? PlainDescription(f->listName, f->description) : f->download.name;
    const std::optional<std::string> reason = view_.AskText(msg::kMarkPrompt, msg::kMarkTitle, initial);
    if (!reason) return false;
    const ListEdit edit = MarkFake(JoinPath(session_.programDir, kOwnListFileName), *f->download.hash,
                                   f->download.size, *reason);
    if (!edit.ok) {
        const std::optional<LockHolder> busy = TakeLockBusy();
        view_.MessageBox(busy ? msg::DirectoryBusy(*busy) : edit.failure, kMbCritical, msg::kAppTitle);
        return false;
    }
    const std::string name = f->download.name;
    extraLists_ = LoadExtraLists(session_.fakes, session_);
    view_.SetCaption(msg::ListCaption(static_cast<int64_t>(session_.fakes.records())));
    view_.SetStatus(msg::Marked(name), "0");
    return true;
}

bool MainPresenter::UnmarkSelected() {
    const Finding* f = SelectedFinding();
    if (!f) return false;
    const ListEdit edit = UnmarkFake(JoinPath(session_.programDir, kOwnListFileName), *f->download.hash);
    if (!edit.ok) {
        const std::optional<LockHolder> busy = TakeLockBusy();
        view_.MessageBox(busy ? msg::DirectoryBusy(*busy) : edit.failure, kMbCritical, msg::kAppTitle);
        return false;
    }
    const std::string name = f->download.name;
    if (edit.changed == 0) {
        view_.SetStatus(msg::NotInOwnList(name), "0");
        return false;
    }
    extraLists_ = LoadExtraLists(session_.fakes, session_);
    view_.SetCaption(msg::ListCaption(static_cast<int64_t>(session_.fakes.records())));
    view_.SetStatus(msg::Unmarked(name), "0");
    return true;
}

void MainPresenter::CopySelectedAsListLine() {
    const Finding* f = SelectedFinding();
    if (!f) return;
    view_.SetClipboardText(FindingListLine(*f));
    view_.SetStatus(msg::ListLinesCopied(1), "0");
}

void MainPresenter::ExportOwnList() {
    const std::string own = JoinPath(session_.programDir, kOwnListFileName);
    const std::string lines = OwnListLines(own);
    if (lines.empty()) {
        view_.MessageBox(msg::kOwnListEmpty, kMbOk, msg::kAppTitle);
        return;
    }
    FileChooserRequest request;
    request.title = msg::kExportOwnTitle;
    request.filters = {{"Fake lists (*.DAT)", "*.DAT"}, {"All Files (*.*)", "*.*"}};
    request.initialDir = session_.programDir;
    request.initialFileName = "FAKES.DAT";
    request.save = true;
    const FileChoice choice = view_.ChooseFile(request);
    if (!choice.accepted) return;
    // Never over the own list itself, nor over the list the check uses.
    if (choice.path == own || choice.path == session_.FakeListPath()) {
        view_.MessageBox(msg::kExportOverList, kMbCritical, msg::kAppTitle);
        return;
    }
    if (!WriteFileAtomic(choice.path, lines)) {
        view_.MessageBox(msg::CouldNotWrite(choice.path), kMbCritical, msg::kAppTitle);
        return;
    }
    view_.SetStatus(msg::OwnListExported(static_cast<int64_t>(std::count(lines.begin(), lines.end(), '\n')),
                                         choice.path), "0");
}

// ---- Links checked before downloading ------------------------------------------

bool MainPresenter::LoadListsForLinks(const std::string& fakeList, std::string& failure) {
    if (!fakeList.empty()) {
        if (FileLength(fakeList) <= 0) {
            failure = msg::LinksListUnreadable(fakeList);
            return false;
        }
        LoadFakeList(fakeList);
        return true;
    }
    if (session_.fakes.list(kMainListSlot) == nullptr) {
        // Without FAKES.DAT the own list, the further sources and the
        // clients' signals still know fakes.
        if (FileLength(session_.FakeListPath()) > 0) LoadFakeList(session_.FakeListPath());
        else extraLists_ = LoadExtraLists(session_.fakes, session_);
    }
    return true;
}

Outcome<LinkReport> MainPresenter::CheckLinks(std::string_view textOrCollection, const std::string& fakeList) {
    Outcome<LinkReport> out;
    if (!LoadListsForLinks(fakeList, out.failure)) return out;
    LinkReport report = kv::CheckLinks(textOrCollection, session_.fakes);
    if (report.Refused()) {
        out.failure = report.refused;
        return out;
    }
    out.value = std::move(report);
    return out;
}

Outcome<LinkReport> MainPresenter::CheckLinksFile(const std::string& path, const std::string& fakeList) {
    Outcome<LinkReport> out;
    const int64_t length = FileLength(path);
    if (length > static_cast<int64_t>(kMaxLinkCheckInput)) {
        out.failure = msg::LinksFileTooLarge(path, length);
        return out;
    }
    const std::optional<std::string> bytes = length < 0 ? std::nullopt : ReadWholeFile(path, kMaxLinkCheckInput);
    if (!bytes) {
        out.failure = msg::LinksFileUnreadable(path);
        return out;
    }
    return CheckLinks(*bytes, fakeList);
}

std::string MainPresenter::ChooseLinksFile() {
    FileChooserRequest request;
    request.title = msg::kOpenLinksTitle;
    request.filters = {{"eMule collections", "*.emulecollection"},
                       {"Text files and web pages", "*.txt *.htm *.html"},
                       {"All files", "*"}};
    request.initialDir = session_.programDir;
    const FileChoice choice = view_.ChooseFile(request);
    return choice.accepted ? choice.path : std::string();
}

}  // namespace kv
