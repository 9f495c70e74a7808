#include "usecases/Watch.h"

#include <optional>

namespace kv {


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

void RunWatch(ListStore& lists, const CheckRequest& request, ChangeSource& changes, const WatchHandlers& handlers,
              int debounceMs) {
    WatchReporter reporter;
    std::optional<std::pair<CheckError, std::string>> lastProblem;
    auto check = [&] {
        CheckRequest r = request;
        r.listAll = false;  // fakes and suspects only, whatever the window shows
        const auto outcome = CheckTempDirs(lists, r);
        if (!outcome) {
            const std::pair problem{outcome.error().kind, outcome.error().path};
            if (lastProblem != problem && handlers.problem) handlers.problem(outcome.error());
            lastProblem = problem;
            return;
        }
        lastProblem.reset();
        for (const Finding& f : reporter.NewFindings(outcome->report))
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
