#pragma once

#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "usecases/Check.h"

namespace kv {

// Remembers which findings were reported, so that each fake or suspect
// download is reported once while it stays in the temp directory. A download
// that leaves the report is forgotten: should it come back, it is new again.
class WatchReporter {
public:
    // Whether a finding is worth a report: a fake, or any row with a verdict
    // (the content inspection's "Suspect: ..."); OK rows carry no description.
    static bool Reportable(const Finding& f) { return f.fake || f.suspect(); }

    // The reportable findings of report not reported before, in report order.
    std::vector<Finding> NewFindings(const CheckReport& report);

private:
    // The .met file, its hash and the verdict: a changed verdict is news.
    using Key = std::tuple<std::string, std::string, std::string>;
    static Key KeyOf(const Finding& f);
    std::set<Key> reported_;
};

// Where the watch learns of changes in the temp directory.
class ChangeSource {
public:
    enum class Event { Changed, Quiet, Stopped };
    virtual ~ChangeSource() = default;
    // Waits at most timeoutMs (-1: without limit) for a change.
    virtual Event Wait(int timeoutMs) = 0;
};

struct WatchHandlers {
    std::function<void(const Finding&)> finding;    // each new finding
    std::function<void(const CheckFailure&)> problem;  // a check that could not run (each new failure once)
};

// The watch: a check at once, then one after each burst of changes, when the
// directory has been quiet for debounceMs. Returns when the source stops. Each
// check opens the client's files and closes them again before it returns.
void RunWatch(ListStore& lists, const CheckRequest& request, ChangeSource& changes, const WatchHandlers& handlers,
              int debounceMs = 300);

}  // namespace kv
