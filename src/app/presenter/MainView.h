#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "usecases/Check.h"
#include "usecases/TextSearch.h"

namespace kv {

class TransferProgress;

// The View menu switches.
enum class MenuCheck { AllFiles, TextSearch, Inspection };

// How a result row stands out: fakes and suspects with a colour and an icon.
enum class RowKind { Plain, Fake, Suspect };

// What the result list holds; its columns follow from it. An aMule list has
// a column for aMule's state of each download.
enum class ListKind { Check, Search, Amule };

// aMule's state of a download as an aMule row shows it; Cancelled once this
// window cancelled it there.
enum class ClientState : uint8_t { Downloading, Waiting, Paused, Stopped, Hashing, Completing, Complete, Error, Other,
                                   Cancelled };

// A message box's icon; every box has one OK button.
enum class BoxIcon { None, Critical };

struct FileChooserRequest {
    std::string title;
    std::vector<std::pair<std::string, std::string>> filters;  // (description, pattern)
    std::string initialDir;
    std::string initialFileName;
    int filterIndex = 0;  // entry selected when the dialog opens (0 = first)
    bool save = false;    // a file to write: the dialog asks before replacing one
};

struct FileChoice {
    bool accepted = false;
    std::string path;     // full path of the chosen (or typed) file
    int filterIndex = 0;  // entry selected when the dialog closed
};

// What the presenter needs of the main window. All strings are bytes as the
// files hold them; an implementation converts them for display.
class MainView {
public:
    virtual ~MainView() = default;

    // Status line; repainted before the call returns.
    virtual void SetStatus(const std::string& text) = 0;
    virtual void SetCaption(const std::string& text) = 0;

    // The result list: its columns for what it will hold, then the rows.
    virtual void ClearList() = 0;
    virtual void StartList(ListKind kind) = 0;
    virtual void AddFinding(const Finding& finding) = 0;
    virtual void AddSearchHit(const SearchHit& hit) = 0;
    // As AddFinding, from a caller that has no further use for the finding.
    virtual void TakeFinding(Finding&& finding) { AddFinding(finding); }
    // Many rows at once: a view may lay them out once.
    virtual void AddFindings(std::vector<Finding>&& batch) {
        for (const Finding& f : batch) AddFinding(f);
    }
    virtual void AddSearchHits(std::vector<SearchHit>&& batch) {
        for (const SearchHit& h : batch) AddSearchHit(h);
    }
    // The rows of an aMule list with aMule's state of each (states[i] for batch[i]).
    virtual void AddClientFindings(std::vector<Finding>&& batch, std::vector<ClientState>&& states) {
        (void)states;
        AddFindings(std::move(batch));
    }
    // After a command in aMule: the rows of that download show its new state.
    virtual void SetClientState(const Ed2kHash& hash, ClientState state) { (void)hash, (void)state; }
    // After the own list changed: the rows of these downloads show them judged again.
    virtual void UpdateFindings(std::vector<Finding>&& findings) { (void)findings; }
    // The rows added so far are shown.
    virtual void RepaintList() = 0;
    // How many rows are selected, and the findings among them in list order
    // (search rows have none).
    virtual size_t SelectedRowCount() const = 0;
    virtual std::vector<Finding> SelectedFindings() const = 0;
    // Lets the list scroll to the end of its widest row, plus margin pixels.
    virtual void FitListWidth(int32_t marginPixels) = 0;
    // Where the columns start, in dialog units (a quarter of the average character width).
    virtual void SetListTabStops(const std::vector<int32_t>& stops) = 0;

    // A check or an update runs: the commands that start work or change the
    // settings and lists wait until it has ended.
    virtual void SetBusy(bool busy) = 0;
    virtual void SetMenuChecked(MenuCheck item, bool checked) = 0;
    virtual void SetSearchControlsVisible(bool visible) = 0;

    // Modal message box; returns when the user has closed it.
    virtual void MessageBox(const std::string& text, BoxIcon icon, const std::string& title) = 0;
    virtual FileChoice ChooseFile(const FileChooserRequest& request) = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
    // Asks for one line of text; nullopt when cancelled (or nobody can be asked).
    virtual std::optional<std::string> AskText(const std::string& prompt, const std::string& title,
                                               const std::string& initial) {
        (void)prompt, (void)title, (void)initial;
        return std::nullopt;
    }
    // A yes/no question; true for yes (false when nobody can be asked).
    virtual bool Confirm(const std::string& question, const std::string& title) {
        (void)question, (void)title;
        return false;
    }
    // Opens a web or mailto: address with the desktop's default program.
    virtual bool OpenAddress(const std::string& address) = 0;

    // Keeps the window painted while a long blocking operation waits (no user input).
    virtual void KeepPainted() = 0;
    virtual void SetBusyCursor(bool busy) = 0;

    // A view that shows a transfer its own way (a terminal's one updating line)
    // returns its sink: it then gets the transfer's figures instead of the
    // "Reading" status texts. nullptr keeps the status texts.
    virtual TransferProgress* TransferDisplay() { return nullptr; }

    // Long work asks between its steps: true once the window has gone and the
    // work should stop where it is (nothing it shows reaches anyone anyway).
    virtual bool WorkCancelled() const { return false; }
};

}  // namespace kv
