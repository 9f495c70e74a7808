#include "shell/Watch.h"

#include <optional>

namespace kv {

namespace {

// The watch shows nothing of the window: only its results count.
class SilentView : public MainView {
public:
    void SetStatus(const std::string&, const std::string&) override {}
    void SetCaption(const std::string&) override {}
    void ClearList() override {}
    void AddListRow(const std::string&, RowKind) override {}
    void RepaintList() override {}
    int32_t ListCount() const override { return 0; }
    int32_t SelectedRow() const override { return -1; }
    void FitListWidth(int32_t) override {}
    void SetListTabStops(const std::vector<int32_t>&) override {}
    void SetCommandEnabled(Command, bool) override {}
    void SetMenuChecked(MenuCheck, bool) override {}
    void SetSearchControlsVisible(bool) override {}
    void MessageBox(const std::string&, int, const std::string&) override {}
    FileChoice ChooseFile(const FileChooserRequest&) override { return {}; }
    void SetClipboardText(const std::string&) override {}
    bool OpenAddress(const std::string&) override { return false; }
    void KeepPainted() override {}
    void SetBusyCursor(bool) override {}
};

}  // namespace

WatchReporter::Key WatchReporter::KeyOf(const Finding& f) {
    return {f.download.metFile.empty() ? f.part : f.download.metFile,
            f.download.hash ? f.download.hash->ToHex() : std::string(), f.description};
}

std::vector<Finding> WatchReporter::NewFindings(const CheckReport& report) {
    std::vector<Finding> fresh;
    std::set<Key> present;
    for (const Finding& f : report.listed) {
        if (!Reportable(f)) continue;
        const Key key = KeyOf(f);
        present.insert(key);
        if (!reported_.count(key)) fresh.push_back(f);
    }
    reported_ = std::move(present);
    return fresh;
}

void RunWatch(Session& session, const CheckOverrides& overrides, ChangeSource& changes, const WatchHandlers& handlers,
              int debounceMs) {
    WatchReporter reporter;
    std::optional<std::string> lastProblem;
    auto check = [&] {
        SilentView view;
        CheckOverrides o = overrides;
        if (!o.listAll) o.listAll = false;  // fakes and suspects only, whatever the window shows
        const Outcome<CheckReport> outcome = MainPresenter(session, view).CheckDownloads(o);
        if (!outcome) {
            if (lastProblem != outcome.failure && handlers.problem) handlers.problem(outcome.kind, outcome.failure);
            lastProblem = outcome.failure;
            return;
        }
        lastProblem.reset();
        for (const Finding& f : reporter.NewFindings(*outcome.value))
            if (handlers.finding) handlers.finding(f);
    };

    check();
    for (;;) {
        ChangeSource::Event e = changes.Wait(-1);
        if (e == ChangeSource::Event::Stopped) return;
        // A client writes a .part.met in several steps: wait for the burst to end.
        while (e == ChangeSource::Event::Changed) e = changes.Wait(debounceMs);
        if (e == ChangeSource::Event::Stopped) return;
        check();
    }
}

}  // namespace kv
