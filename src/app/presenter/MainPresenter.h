#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/presenter/Session.h"
#include "lists/ListSources.h"
#include "usecases/AmuleCheck.h"
#include "usecases/Check.h"
#include "usecases/ImportClient.h"
#include "usecases/LinkCheck.h"
#include "usecases/ProgramVersion.h"
#include "usecases/TextSearch.h"
#include "usecases/UpdateLists.h"
#include "app/presenter/MainView.h"
#include "app/presenter/ResultRows.h"

namespace kv {

// What a command line or a test may set instead of the settings.
struct CheckOverrides {
    std::string tempDir;          // instead of the settings
    std::string fakeList;         // instead of FAKES.DAT in the program directory
    std::optional<bool> listAll;  // instead of "ShowAllPartMet"
    std::optional<bool> inspect;  // instead of "InspectContent"
};

// Why an operation could not run, for front ends that word it their own way.
enum class FailureKind {
    None,
    NoFakeList,        // no FAKES.DAT (or the list given instead)
    NoTempDirSetting,  // the settings name no temp directory
    TempDirMissing,    // the temp directory cannot be listed
    NoTempInClientFile,  // the client's preference file names no temp directory
    NotStored,         // the settings file could not be written
};

// An operation's result, with the text that says why it could not run.
template <typename T>
struct Outcome {
    std::optional<T> value;
    std::string failure;  // the user-facing text when value is empty
    FailureKind kind = FailureKind::None;
    explicit operator bool() const { return value.has_value(); }
};

// Turns the core's results into the main window's calls, texts and order.
class MainPresenter {
public:
    MainPresenter(Session& session, MainView& view) : session_(session), view_(view) {}

    // Start-up in its fixed order; returns the search box's text.
    std::string Load();
    // Stores a non-empty search text.
    void Unload(const std::string& searchText);

    // The rows go to the view as they come; the report returned holds the counts.
    Outcome<CheckReport> CheckDownloads(const CheckOverrides& overrides = {});
    // The check in three steps for a window that runs the use case on another
    // thread: the request, then what the window shows at each step.
    [[nodiscard]] CheckRequest CheckRequestFor(const CheckOverrides& overrides = {}) const;
    // The lists are loaded: busy, their caption, the switch read again (unless given), the list emptied.
    void ShowCheckStarting(const ListsLoaded& lists, bool listAllGiven);
    // The temp directory is listed: the rows come next.
    void ShowCheckReading();
    // started: whether ShowCheckStarting was shown.
    Outcome<CheckReport> ShowCheckEnded(std::expected<CheckResult, CheckFailure> result, bool started);
    // The search's end as the window shows it (the list emptied before the search).
    Outcome<std::vector<SearchHit>> ShowSearchEnded(const std::string& text,
                                                    std::expected<std::vector<SearchHit>, TempDirFailure> hits);
    Outcome<std::vector<SearchHit>> SearchTempFiles(const std::string& text, const std::string& tempDirOverride = "");

    // The whole update; true when the list is current or was updated.
    bool UpdateFakeList();
    // Fetches and reports the list's version only (start-up).
    void CheckFakeListVersion();
    void UpdateProgram();
    // Checks and reports the program's version only (start-up).
    void CheckProgramVersion();

    // File > Open eDonkey / Open eMule: a file dialog, then the import.
    void ImportClient(bool edonkey);
    Outcome<ImportResult> ImportClientFile(const std::string& path);
    // A detected client file: imported as ImportClientFile does; a Wine
    // client's Windows temp path is then stored as the path on this machine.
    Outcome<ImportResult> ImportDetectedClient(const DetectedClient& client);

    // The last transfer that failed since this presenter was made (its
    // network library's words included), if any.
    const std::optional<DownloadResult>& LastFailedTransfer() const { return lastFailedTransfer_; }

    void LoadFakeList(const std::string& path);
    // The View switches from the settings, applied to the window; a missing one is stored as "YES".
    void ReadAllFilesSwitch();
    void ReadTextSearchSwitch();
    void ReadInspectionSwitch();
    void ToggleAllFiles();
    void ToggleInspection();
    void ToggleTextSearch();
    // The selected rows' links to the clipboard, one a line.
    void CopyLink(bool html);
    // The selected rows' links, names or hashes to the clipboard, one a line.
    void CopySelected(CopyWhat what);

    // The user's own list (MYFAKES.DAT) and sharing lists.
    // The selected check row's download into the own list, after asking why; true when stored.
    bool MarkSelectedAsFake();
    // The selected check rows' downloads recorded as not fakes, after asking why; true when stored.
    bool AllowSelected();
    // The selected check row's download out of the own list; true when a record went.
    bool UnmarkSelected();
    // The selected check rows as list lines ("hash,size,description" CR LF) to the clipboard.
    void CopySelectedAsListLine();
    // File > Export my fake list...: a save dialog, then MYFAKES.DAT's records written there.
    void ExportOwnList();
    // What the last list load found beside FAKES.DAT (own list, sources, client signals).
    const ExtraListsLoad& ExtraLists() const { return session_.lists.loaded().extra; }

    // ---- aMule over its External Connections
    // Whether a connection is stored (Extras > Options, or `kestrivane-cli amule connect`).
    bool AmuleConnectionStored() const;
    // The downloads aMule reports, judged as a check of the temp directory, into the list.
    Outcome<CheckReport> CheckAmuleDownloads();
    // Pause, Resume or Cancel (after asking) for the selected check rows; true when aMule took them all.
    bool ActInAmule(AmuleAction action);

    // ---- Links checked before downloading (File > Check ed2k links..., `links`)
    // Checks the links in a text or a collection's bytes. FAKES.DAT is loaded
    // first when it is not loaded yet, or fakeList instead of it; without a
    // list only the rules apply (the report's listRecords is 0).
    Outcome<LinkReport> CheckLinks(std::string_view textOrCollection, const std::string& fakeList = "");
    // The same on a file (text, or a collection in either form).
    Outcome<LinkReport> CheckLinksFile(const std::string& path, const std::string& fakeList = "");
    // The file dialog for a links file or a collection; "" when cancelled.
    std::string ChooseLinksFile();
    // A link check's clean links (CleanLinks) added to the stored aMule; true
    // when aMule took them all. said: how many were added and a line for each
    // link aMule did not take, or why none was.
    bool AddLinksToAmule(const std::vector<Ed2kLink>& links, std::string& said);

private:
    class ShownUpdate;
    void ShowLoadedLists(const std::expected<ListsLoaded, ListFailure>& loaded, const std::string& path);
    void ShowSkippedListLines(const ListsLoaded& loaded);
    void ShowTempDirFailure(const TempDirFailure& failure);
    void ShowCheckFailure(const CheckFailure& failure, Outcome<CheckReport>& out);
    Outcome<ImportResult> Import(const std::string& path, const DetectedClient* detected);
    ListUpdater Updater() const;
    // Reports a finished transfer; quiet ones report failures only.
    void Report(const DownloadResult& result, const std::string& address, const std::string& target, bool quiet);
    std::optional<ProgramVersionCheck> ProgramVersion();
    // The first selected check row's finding, or none (with a status saying why).
    std::optional<Finding> SelectedFinding();
    // Rows whose download the own list now judges otherwise, shown as the next check would show them.
    void ShowJudgedAgain(std::vector<Finding> findings);


    Session& session_;
    MainView& view_;
    std::optional<DownloadResult> lastFailedTransfer_;
};

}  // namespace kv
