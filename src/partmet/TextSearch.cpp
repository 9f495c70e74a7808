#include "partmet/TextSearch.h"

#include <algorithm>
#include <optional>

#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "partmet/PartMetReader.h"
#include "partmet/TempDir.h"
#include "settings/Paths.h"

namespace kv {

SearchSummary cbTitelSearch_Click(AppState& state, MainView& view, const std::string& searchText,
                                  const std::string& tempDirOverride) {
    SearchSummary summary;
    view.ClearList();
    // The list no longer shows check rows, so the link export must not pair
    // its rows with the last run's result records.
    state.gListHoldsCheckRows = false;

    ResolveTempDir(state, view, tempDirOverride);
    // Without a temp directory fbFiles would still list an older directory.
    if (!state.gfTempDirOK) return summary;
    summary.ran = true;

    view.AddListRow(std::string("Partname") + TAB + "Filename");
    view.AddListRow(" ");

    double widest = 0;
    for (const std::string& entry : state.fbFiles) {
        const std::optional<std::string> content =
            ReadWholeFile(JoinPath(state.gTempDir, entry), kMaxPartMetBytes);
        // An unreadable file is skipped rather than searched with stale bytes.
        if (!content || content->empty()) continue;
        if (FindNoCase(*content, searchText) == std::string::npos) continue;

        SearchHit hit;
        hit.part = entry.size() >= 4 ? entry.substr(0, entry.size() - 4) : std::string();
        hit.name = CutPartMetName(*content);
        const std::string row = hit.part + TAB + hit.name;
        view.AddListRow(row);
        widest = std::max(widest, view.TextWidth(row));
        summary.hits.push_back(std::move(hit));
    }

    view.SetHorizontalExtent(RoundHalfEven32(widest + 200));
    view.RepaintList();
    view.SetStatus("Finished! Found " + DecimalText(static_cast<int64_t>(summary.hits.size())) +
                       " part.met-File with Text '" + searchText + "'",
                   "0");
    return summary;
}

}  // namespace kv
