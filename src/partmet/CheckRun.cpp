#include "partmet/CheckRun.h"

#include <algorithm>

#include "common/FileUtil.h"
#include "common/RepaintThrottle.h"
#include "common/StringUtil.h"
#include "fakedb/FakeList.h"
#include "partmet/PartMetReader.h"
#include "partmet/TempDir.h"
#include "settings/Paths.h"
#include "settings/ViewSwitches.h"

namespace kv {

namespace {

// Adds a download's row and result record and widens the list's extent as needed.
class ResultList {
public:
    ResultList(AppState& state, MainView& view) : state_(state), view_(view) {}

    void AddHeadRows() {
        view_.AddListRow("Partname\tFilename\tError-Description");
        view_.AddListRow(" ");
        RepaintIfDue();
    }

    void Add(CheckedDownload download) {
        const std::string row = download.part + TAB + download.name + TAB +
                                (download.fake ? download.description : std::string("*** OK "));
        view_.AddListRow(row);
        RepaintIfDue();
        AppendToArray(state_.gResultRecords,
                      download.part + TAB + download.name + TAB + download.hash + TAB + download.description + TAB +
                          DecimalText(download.size) + TAB,
                      -1);
        widest_ = std::max(widest_, RoundHalfEven32(view_.TextWidth(row)));
        listed_.push_back(std::move(download));
    }

    // The final repaint and the horizontal extent; hands over what was listed.
    std::vector<CheckedDownload> Finish() {
        view_.RepaintList();
        view_.SetHorizontalExtent(RoundHalfEven32(static_cast<double>(widest_) + 500));
        return std::move(listed_);
    }

private:
    void RepaintIfDue() {
        if (throttle_.Due()) view_.RepaintList();
    }

    AppState& state_;
    MainView& view_;
    RepaintThrottle throttle_;
    int32_t widest_ = 0;
    std::vector<CheckedDownload> listed_;
};

}  // namespace

CheckSummary cbCheckFiles_Click(AppState& state, MainView& view, const CheckOptions& options) {
    CheckSummary summary;
    const std::string fakesPath =
        options.fakesFile.empty() ? FakesDatPath(state) : options.fakesFile;
    if (!FileExists(fakesPath)) {
        view.SetStatus("No FAKES-DB found. Please 'Update DB'.", "0");
        return summary;
    }

    SetWorkCommandsEnabled(view, false);
    LoadFakeListFrom(state, view, fakesPath);

    bool showAll;
    if (options.showAll) {
        showAll = *options.showAll;
    } else {
        gfShowAllPartMet(state, view);
        showAll = ToUpperAscii(state.gShowAllPartMet) == "YES";
    }

    view.ClearList();
    state.gResultRecords.clear();
    state.gListHoldsCheckRows = true;

    ResolveTempDir(state, view, options.tempDir);
    if (!state.gfTempDirOK) return summary;  // the commands are enabled again already

    ResultList list(state, view);
    list.AddHeadRows();
    view.SetStatus("Reading *.part.met and matching with FAKE-DB...", "0");

    for (const std::string& entry : state.fbFiles) {
        CheckedDownload download;
        download.part = entry.substr(0, entry.size() - std::min<size_t>(4, entry.size()));
        ReadPartMet(JoinPath(state.gTempDir, entry), download.name, download.hash, download.size);

        const int32_t match = FindFakeRecord(state, download.hash);
        if (match >= 0) {
            download.fake = true;
            download.description = GetField(state.gFakeDB[static_cast<size_t>(match)], 3, TAB);
            ++summary.found;
            list.Add(std::move(download));
        } else if (showAll) {
            list.Add(std::move(download));
        }
    }
    summary.checked = static_cast<int32_t>(state.fbFiles.size());
    summary.listed = list.Finish();
    summary.ran = true;

    view.SetStatus("Finished! Found " + DecimalText(summary.found) + " Fakes in " + DecimalText(summary.checked, true) +
                       " checked .part.met",
                   "0");
    SetWorkCommandsEnabled(view, true);
    return summary;
}

}  // namespace kv
