#pragma once

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "shell/MainView.h"

namespace kv::cli {

// The main window as a terminal sees it: list rows are collected for the
// caller to print, status texts and message boxes go to the error stream.
// With live output every status text and box is written as it arrives (the
// update flow); otherwise they are kept, so that the caller can print only the
// summary, or one line when the operation ends in an error.
class CliView : public MainView {
public:
    struct Message {
        bool box = false;
        std::string text;   // bytes as the core gave them
        std::string title;  // boxes only
    };

    CliView(std::ostream& err, bool live) : err_(err), live_(live) {}

    void SetStatus(const std::string& text, const std::string& colour) override;
    void SetCaption(const std::string&) override {}

    void ClearList() override { rows_.clear(); }
    using MainView::AddListRow;
    void AddListRow(const std::string& row, RowKind) override { rows_.push_back(row); }
    void RepaintList() override {}
    int32_t ListCount() const override { return static_cast<int32_t>(rows_.size()); }
    int32_t SelectedRow() const override { return -1; }
    void FitListWidth(int32_t) override {}
    void SetListTabStops(const std::vector<int32_t>&) override {}

    void SetCommandEnabled(Command, bool) override {}
    void SetMenuChecked(MenuCheck, bool) override {}
    void SetSearchControlsVisible(bool) override {}

    void MessageBox(const std::string& text, int style, const std::string& title) override;
    FileChoice ChooseFile(const FileChooserRequest&) override { return {}; }  // nobody to ask
    void SetClipboardText(const std::string&) override {}
    bool OpenAddress(const std::string&) override { return false; }
    void KeepPainted() override {}
    void SetBusyCursor(bool) override {}

    const std::vector<std::string>& Rows() const { return rows_; }
    const std::vector<Message>& Messages() const { return messages_; }

    bool HasBoxes() const {
        return std::any_of(messages_.begin(), messages_.end(), [](const Message& m) { return m.box; });
    }
    // The last status text ("" when none was written).
    std::string LastStatus() const;
    // Writes the boxes that were kept back, each as "<title>: <text>".
    void PrintBoxes() const;

private:
    std::ostream& err_;
    bool live_;
    std::vector<std::string> rows_;
    std::vector<Message> messages_;
};

// A box as a terminal shows it: "<title>: <text>", its CR LF as line breaks.
std::string FormatBox(const std::string& title, const std::string& text);

// Text with every run of line breaks turned into one blank, trimmed.
std::string FlattenToOneLine(const std::string& text);

}  // namespace kv::cli
