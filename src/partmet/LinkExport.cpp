#include "partmet/LinkExport.h"

#include "common/StringUtil.h"

namespace kv {

std::string Ed2kLink(const std::string& name, const std::string& size, const std::string& hash) {
    return "ed2k://|file|" + name + "|" + size + "|" + hash + "|/";
}

std::string Ed2kLinkHtml(const std::string& name, const std::string& size, const std::string& hash) {
    return "<a href=\"ed2k://|file|" + name + "|" + size + "|" + hash + "|\">" + name + "</a>";
}

namespace {

using LinkBuilder = std::string (*)(const std::string&, const std::string&, const std::string&);

void CopySelectedLink(AppState& state, MainView& view, LinkBuilder build) {
    const int32_t row = view.SelectedRow();
    if (row < 2 || row >= view.ListCount()) {
        // No download row selected: the clipboard is emptied.
        view.SetClipboardText("");
        return;
    }
    const size_t k = static_cast<size_t>(row) - 2;
    // Text-search rows, or a row beyond the records, have no record of their
    // own; a record of another row would give a wrong link.
    if (!state.gListHoldsCheckRows || k >= state.gResultRecords.size()) return;

    const std::string& record = state.gResultRecords[k];
    view.SetClipboardText(build(GetField(record, 2, TAB), GetField(record, 5, TAB), GetField(record, 3, TAB)));
}

}  // namespace

void RechteMaustasteCopyLink_Click(AppState& state, MainView& view) { CopySelectedLink(state, view, &Ed2kLink); }

void RechteMaustasteCopyLinkHTML_Click(AppState& state, MainView& view) {
    CopySelectedLink(state, view, &Ed2kLinkHtml);
}

}  // namespace kv
