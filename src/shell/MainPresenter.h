#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/Check.h"
#include "core/LinkCheck.h"
#include "core/ClientImport.h"
#include "core/Session.h"
#include "core/TextSearch.h"
#include "online/FakeListUpdate.h"
#include "online/HttpDownload.h"
#include "online/VersionCheck.h"
#include "shell/MainView.h"

namespace kv {

// What a command line or a test may set instead of the settings.
struct CheckOverrides {
    std::string tempDir;          // instead of the settings
    std::string fakeList;         // instead of FAKES.DAT in the program directory
    std::optional<bool> listAll;  // instead of "ShowAllPartMet"
};

// An operation's result, with the text that says why it could not run.
template <typename T>
struct Outcome {
    std::optional<T> value;
    std::string failure;  // the user-facing text when value is empty
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

    Outcome<CheckReport> CheckDownloads(const CheckOverrides& overrides = {});
    Outcome<std::vector<SearchHit>> SearchTempFiles(const std::string& text, const std::string& tempDirOverride = "");

    // The whole update; true when the list is current or was updated.
    bool UpdateFakeList();
    // Fetches and reports the list's version only (start-up).
    void CheckFakeListVersion();
    void UpdateProgram();
    // Checks and reports the program's version only (start-up).
    void CheckProgramVersion();

    // One download as the window shows it: "Opening URL...", the progress and the outcome.
    DownloadResult ShowDownload(const std::string& address, const std::string& target, bool quiet);

    // File > Open eDonkey / Open eMule: a file dialog, then the import.
    void ImportClient(bool edonkey);
    Outcome<ImportResult> ImportClientFile(const std::string& path);

    void LoadFakeList(const std::string& path);
    // The View switches from the settings, applied to the window; a missing one is stored as "YES".
    void ReadAllFilesSwitch();
    void ReadTextSearchSwitch();
    void ToggleAllFiles();
    void ToggleTextSearch();
    // The selected row's link to the clipboard.
    void CopyLink(bool html);

    // ---- Links checked before downloading (File > Check ed2k links..., `links`)
    // Checks the links in a text or a collection's bytes. FAKES.DAT is loaded
    // first when it is not loaded yet, or fakeList instead of it; without a
    // list only the rules apply (the report's listRecords is 0).
    Outcome<LinkReport> CheckLinks(std::string_view textOrCollection, const std::string& fakeList = "");
    // The same on a file (text, or a collection in either form).
    Outcome<LinkReport> CheckLinksFile(const std::string& path, const std::string& fakeList = "");
    // The file dialog for a links file or a collection; "" when cancelled.
    std::string ChooseLinksFile();

private:
    void SetWorkCommandsEnabled(bool enabled);
    std::optional<TempDir> ResolveTempDir(const std::string& overrideDir, std::string& failure);
    // Reports a finished transfer; quiet ones report failures only.
    void Report(const DownloadResult& result, const std::string& address, const std::string& target, bool quiet);
    std::optional<ListVersionCheck> ListVersion();
    std::optional<ProgramVersionCheck> ProgramVersion();
    // Loads the list the link check consults; false (with failure) when a list given by name cannot be read.
    bool LoadListsForLinks(const std::string& fakeList, std::string& failure);

    Session& session_;
    MainView& view_;
};

}  // namespace kv
