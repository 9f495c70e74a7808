#pragma once

#include <algorithm>
#include <deque>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "app/presenter/MainView.h"
#include "app/presenter/ResultRows.h"

namespace kv::test {

// A MainView that records every call, for tests of the core's operations.
class RecordingView : public MainView {
public:
    // Everything observed, in call order, as short strings ("status:...",
    // "disable:cbCheckFiles", "box:critical:<title>:<text>", "clipboard:...", ...).
    std::vector<std::string> log;

    std::string status;  // last status text
    std::vector<std::string> statusHistory;
    std::string caption;
    std::string head;                                 // the column titles, TAB-joined
    std::vector<std::string> rows;                    // each row's cells, TAB-joined
    std::vector<std::optional<Finding>> rowFindings;  // none for search rows
    std::vector<size_t> selected;                     // rows, as a user may select them in any order
    std::vector<std::string> boxes;                   // their texts
    std::deque<FileChoice> choices;                   // answers for ChooseFile in order; then a cancel
    std::vector<FileChooserRequest> chooserRequests;
    std::deque<std::optional<std::string>> answers;   // answers for AskText in order; then a cancel

    void SetStatus(const std::string& text) override {
        status = text;
        statusHistory.push_back(text), log.push_back("status:" + text);
    }
    void SetCaption(const std::string& text) override { caption = text, log.push_back("caption:" + text); }
    void ClearList() override {
        head.clear(), rows.clear(), rowFindings.clear(), selected.clear(), log.push_back("clear");
    }
    void StartList(ListKind kind) override {
        head.clear();
        for (const std::string& c : ListColumns(kind)) head += (head.empty() ? "" : "\t") + c;
        log.push_back("head:" + head);
    }
    void AddFinding(const Finding& f) override { AddRow(FindingCells(f), f); }
    void AddSearchHit(const SearchHit& hit) override { AddRow(SearchHitCells(hit), std::nullopt); }
    void RepaintList() override { log.push_back("repaint"); }
    size_t SelectedRowCount() const override { return selected.size(); }
    std::vector<Finding> SelectedFindings() const override {
        std::vector<Finding> out;  // in list order
        for (size_t row = 0; row < rowFindings.size(); ++row)
            if (rowFindings[row] && std::ranges::count(selected, row)) out.push_back(*rowFindings[row]);
        return out;
    }
    // Seven pixels a byte: enough for tests of the widest row.
    void FitListWidth(int32_t margin) override {
        size_t widest = 0;
        for (const std::string& row : rows) widest = std::max(widest, row.size());
        log.push_back("extent:" + std::to_string(static_cast<int32_t>(7 * widest) + margin));
    }
    void SetListTabStops(const std::vector<int32_t>& stops) override {
        std::string entry = "tabstops:";
        for (size_t i = 0; i < stops.size(); ++i) entry += (i ? "," : "") + std::to_string(stops[i]);
        log.push_back(entry);
    }
    void SetBusy(bool busy) override { log.push_back(busy ? "busy:1" : "busy:0"); }
    void SetMenuChecked(MenuCheck item, bool checked) override {
        const char* names[] = {"ViewAllFiles:", "ViewTextSearch:", "ViewInspection:"};
        log.push_back(std::string("check:") + names[static_cast<int>(item)] + (checked ? "1" : "0"));
    }
    void SetSearchControlsVisible(bool visible) override {
        log.push_back(std::string("searchcontrols:") + (visible ? "1" : "0"));
    }
    void MessageBox(const std::string& text, kv::BoxIcon icon, const std::string& title) override {
        const char* shown = icon == kv::BoxIcon::Critical ? "critical" : "plain";
        boxes.push_back(text), log.push_back("box:" + std::string(shown) + ":" + title + ":" + text);
    }
    FileChoice ChooseFile(const FileChooserRequest& request) override {
        chooserRequests.push_back(request), log.push_back("choose:" + request.title);
        return Next(choices, FileChoice{false, "", request.filterIndex});
    }
    void SetClipboardText(const std::string& text) override { log.push_back("clipboard:" + text); }
    bool OpenAddress(const std::string& address) override { return log.push_back("open:" + address), true; }
    std::optional<std::string> AskText(const std::string& prompt, const std::string& title,
                                       const std::string& initial) override {
        log.push_back("ask:" + title + ":" + prompt + ":" + initial);
        return Next(answers, std::optional<std::string>());
    }
    void KeepPainted() override {}
    void SetBusyCursor(bool on) override { log.push_back(std::string("busy:") + (on ? "1" : "0")); }

    void AddRow(const std::vector<std::string>& cells, std::optional<Finding> finding) {
        std::string row;
        for (size_t i = 0; i < cells.size(); ++i) row += (i ? "\t" : "") + cells[i];
        rows.push_back(row), rowFindings.push_back(std::move(finding));
        log.push_back("row:" + row);
    }

    // The first of the answers given, taken; none when all are taken.
    template <class T>
    static T Next(std::deque<T>& given, T none) {
        if (given.empty()) return none;
        none = std::move(given.front());
        given.pop_front();
        return none;
    }
    // The log entries that start with prefix, in order.
    std::vector<std::string> LogWith(const std::string& prefix) const {
        std::vector<std::string> out;
        std::copy_if(log.begin(), log.end(), std::back_inserter(out),
                     [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
        return out;
    }
};

}  // namespace kv::test
