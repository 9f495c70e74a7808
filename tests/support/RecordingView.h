#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/MainView.h"

namespace kv::test {

// A MainView that records every call, for tests of the core's operations.
class RecordingView : public MainView {
public:
    struct Box {
        std::string text;
        int style;
        std::string title;
    };

    // Everything observed, in call order, as short strings ("status:...",
    // "enable:cbCheckFiles:0", "box:16:...", "clipboard:...", ...).
    std::vector<std::string> log;

    std::string status;                   // last status text
    std::vector<std::string> statusHistory;
    std::string statusColour;
    std::string caption;
    std::vector<std::string> rows;
    int32_t selected = -1;
    int32_t horizontalExtent = -1;
    std::vector<int32_t> tabStops;
    int repaints = 0;
    int paintEventPumps = 0;
    std::vector<Box> boxes;
    bool clipboardSet = false;
    std::string clipboard;
    std::vector<std::string> openedAddresses;
    bool openAddressResult = true;
    bool allFilesChecked = false;
    bool textSearchChecked = false;
    bool searchControlsVisible = true;
    bool busy = false;
    // Enabled state of the five commands (all enabled at first).
    bool enabled[5] = {true, true, true, true, true};

    // Answers for ChooseFile, taken in order; a cancel when none is left.
    std::deque<FileChoice> choices;
    std::vector<FileChooserRequest> chooserRequests;

    void SetStatus(const std::string& text, const std::string& colour) override;
    void SetCaption(const std::string& text) override;
    std::string Caption() const override { return caption; }
    void ClearList() override;
    void AddListRow(const std::string& row) override;
    void RepaintList() override;
    int32_t ListCount() const override { return static_cast<int32_t>(rows.size()); }
    int32_t SelectedRow() const override { return selected; }
    void SetHorizontalExtent(int32_t pixels) override;
    void SetListTabStops(const std::vector<int32_t>& stops, int32_t count) override;
    double TextWidth(const std::string& text) override;
    void SetCommandEnabled(Command command, bool enabled) override;
    void SetMenuChecked(MenuCheck item, bool checked) override;
    void SetSearchControlsVisible(bool visible) override;
    void MessageBox(const std::string& text, int style, const std::string& title) override;
    FileChoice ChooseFile(const FileChooserRequest& request) override;
    void SetClipboardText(const std::string& text) override;
    bool OpenAddress(const std::string& address) override;
    void ProcessPaintEvents() override;
    void SetBusyCursor(bool busy) override;

    // The log entries that start with prefix, in order.
    std::vector<std::string> LogWith(const std::string& prefix) const;
};

const char* CommandName(Command command);

}  // namespace kv::test
