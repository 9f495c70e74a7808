#include "RecordingView.h"

namespace kv::test {

const char* CommandName(Command command) {
    switch (command) {
        case Command::OnlineFakesDB: return "OnlineFakesDB";
        case Command::OnlineKestrivane: return "OnlineKestrivane";
        case Command::cbDownloadFakesDB: return "cbDownloadFakesDB";
        case Command::cbCheckFiles: return "cbCheckFiles";
        case Command::cbTitelSearch: return "cbTitelSearch";
    }
    return "?";
}

void RecordingView::SetStatus(const std::string& text, const std::string& colour) {
    status = text;
    if (!colour.empty()) statusColour = colour;
    statusHistory.push_back(text);
    log.push_back("status:" + text);
}

void RecordingView::SetCaption(const std::string& text) {
    caption = text;
    log.push_back("caption:" + text);
}

void RecordingView::ClearList() {
    rows.clear();
    selected = -1;
    log.push_back("clear");
}

void RecordingView::AddListRow(const std::string& row) {
    rows.push_back(row);
    log.push_back("row:" + row);
}

void RecordingView::RepaintList() {
    ++repaints;
    log.push_back("repaint");
}

void RecordingView::SetHorizontalExtent(int32_t pixels) {
    horizontalExtent = pixels;
    log.push_back("extent:" + std::to_string(pixels));
}

void RecordingView::SetListTabStops(const std::vector<int32_t>& stops, int32_t count) {
    tabStops.assign(stops.begin(), stops.begin() + std::min<size_t>(stops.size(), count > 0 ? count : 0));
    std::string entry = "tabstops:";
    for (size_t i = 0; i < tabStops.size(); ++i) entry += (i ? "," : "") + std::to_string(tabStops[i]);
    log.push_back(entry);
}

// Seven pixels a byte: enough for tests of the widest row.
double RecordingView::TextWidth(const std::string& text) { return 7.0 * static_cast<double>(text.size()); }

void RecordingView::SetCommandEnabled(Command command, bool on) {
    enabled[static_cast<int>(command)] = on;
    log.push_back(std::string(on ? "enable:" : "disable:") + CommandName(command));
}

void RecordingView::SetMenuChecked(MenuCheck item, bool checked) {
    (item == MenuCheck::ViewAllFiles ? allFilesChecked : textSearchChecked) = checked;
    log.push_back(std::string("check:") + (item == MenuCheck::ViewAllFiles ? "ViewAllFiles:" : "ViewTextSearch:") +
                  (checked ? "1" : "0"));
}

void RecordingView::SetSearchControlsVisible(bool visible) {
    searchControlsVisible = visible;
    log.push_back(std::string("searchcontrols:") + (visible ? "1" : "0"));
}

void RecordingView::MessageBox(const std::string& text, int style, const std::string& title) {
    boxes.push_back({text, style, title});
    log.push_back("box:" + std::to_string(style) + ":" + title + ":" + text);
}

FileChoice RecordingView::ChooseFile(const FileChooserRequest& request) {
    chooserRequests.push_back(request);
    log.push_back("choose:" + request.title);
    if (choices.empty()) return FileChoice{false, "", request.filterIndex};
    FileChoice choice = choices.front();
    choices.pop_front();
    return choice;
}

void RecordingView::SetClipboardText(const std::string& text) {
    clipboardSet = true;
    clipboard = text;
    log.push_back("clipboard:" + text);
}

bool RecordingView::OpenAddress(const std::string& address) {
    openedAddresses.push_back(address);
    log.push_back("open:" + address);
    return openAddressResult;
}

void RecordingView::ProcessPaintEvents() { ++paintEventPumps; }

void RecordingView::SetBusyCursor(bool on) {
    busy = on;
    log.push_back(std::string("busy:") + (on ? "1" : "0"));
}

std::vector<std::string> RecordingView::LogWith(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& entry : log)
        if (entry.rfind(prefix, 0) == 0) out.push_back(entry);
    return out;
}

}  // namespace kv::test
