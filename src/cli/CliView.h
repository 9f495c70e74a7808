#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "online/HttpDownload.h"
#include "shell/MainView.h"

namespace kv::cli {

// The main window as a terminal sees it: list rows are collected for the
// caller to print, status texts and message boxes go to the error stream.
// With live output every status text and box is written as it arrives (the
// update flow); otherwise they are kept, so that the caller can print only the
// summary, or one line when the operation ends in an error.
// A transfer on a terminal: one line, rewritten in place ('\r'), with the
// bytes so far, the percentage when the length was announced, and the rate.
// Disabled, it shows nothing: a pipe or a cron mail gets no progress at all.
class TerminalProgress : public TransferProgress {
public:
    using Clock = std::function<double()>;  // seconds, monotonic
    TerminalProgress(std::ostream& err, bool enabled, Clock clock = {});

    void Expected(int64_t bytes) override;
    void Read(size_t bytes) override;
    void Waiting() override;
    // Ends a line still being rewritten, so that the next text starts on its own.
    void Finish();

    // The line for so many bytes of expected (-1: unknown) after seconds.
    static std::string Line(int64_t bytes, int64_t expected, double seconds);

private:
    void Draw(bool force);

    std::ostream& err_;
    bool enabled_;
    Clock clock_;
    double start_ = -1, lastDrawn_ = -1;
    int64_t bytes_ = 0, expected_ = -1;
    bool lineOpen_ = false;
};

class CliView : public MainView {
public:
    struct Message {
        bool box = false;
        std::string text;   // bytes as the core gave them
        std::string title;  // boxes only
    };

    // progress: show transfers on one updating line (a terminal, not quiet).
    CliView(std::ostream& err, bool live, bool progress = false) : err_(err), live_(live), progress_(err, progress) {}

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
    // Transfers never show as status texts here.
    TransferProgress* TransferDisplay() override { return &progress_; }

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
    TerminalProgress progress_;
    std::vector<std::string> rows_;
    std::vector<Message> messages_;
};

// A box as a terminal shows it: "<title>: <text>", its CR LF as line breaks.
std::string FormatBox(const std::string& title, const std::string& text);

// Text with every run of line breaks turned into one blank, trimmed.
std::string FlattenToOneLine(const std::string& text);

}  // namespace kv::cli
