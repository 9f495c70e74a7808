#pragma once

// The watch over aMule's queue, and the guard that keeps fakes out of it.

#include <chrono>
#include <expected>
#include <functional>
#include <optional>
#include <string>

#include "ed2k/Ed2kHash.h"
#include "lists/OwnList.h"
#include "settings/Home.h"
#include "usecases/AmuleSession.h"
#include "usecases/Check.h"
#include "usecases/Watch.h"

namespace kv {

struct QueueWatchRequest {
    std::string fakeList;         // "" = FAKES.DAT, which may be missing
    std::optional<bool> inspect;  // unset = the "InspectContent" switch
    // aMule's temp directory as this machine sees it ("" = the settings'): a
    // download whose .part.met is there is judged by its bytes too.
    std::string tempDir;
    bool pause = false;     // pause each new fake and suspect
    bool guard = false;     // keep fakes out: act on them, record them, cancel them when they come back
    bool cancel = false;    // guard: cancel a fake rather than pause it
    bool suspects = false;  // guard: act on suspects too, not only on what a list or the user names
};

// What the watch did in aMule, or why it could not.
struct GuardEvent {
    enum class Kind {
        Paused,          // a fake paused
        Cancelled,       // a fake cancelled (--cancel-fakes)
        CancelledAgain,  // a hash the guard keeps out came back (why: the names it came under before)
        Refused,         // aMule refused to act on it (why: its answer); not tried again
        NotRecorded,     // acted on, but the own list could not be written (why: the failure)
        Unreachable,     // aMule cannot be reached or does not answer (why); said once until it answers
        Reachable,       // aMule answers again after Unreachable
        NoConnection,    // no connection stored; said once
    };
    Kind kind;
    std::string name;  // the download's name now; "" for the connection's events
    std::optional<Ed2kHash> hash{};
    std::string why{};
};

struct QueueWatchHandlers {
    std::function<void()> started;                     // aMule's queue read once (or found out of reach)
    std::function<void(const Finding&)> finding;       // a fake or suspect download, once (again when its verdict grows)
    std::function<void(const GuardEvent&)> event;
    std::function<void(const CheckFailure&)> problem;  // a list given that cannot be read
};

struct QueueWatchTiming {
    // aMule's queue is read this often: a download added is judged within about
    // this, plus one reply's time.
    int pollMs = 1000;
    // A long queue on a slow link takes a while; Ctrl+C ends any wait at once.
    ec::Timeouts timeouts{std::chrono::milliseconds(3000), std::chrono::milliseconds(10000)};
    // A download whose bytes are readable here is read again at most this
    // often while they arrive.
    int reinspectMs = 30000;
};

// Follows aMule's queue over External Connections, with or without its temp
// directory: each download is judged when it appears (from its .part.met and
// bytes where tempDir holds them, else by name, the lists and what the
// network says), reported once, and acted on as the request says. A guarded
// fake is paused (cancelled with `cancel`) and recorded in the own list with
// the names it came under; a hash so recorded that appears in the queue again,
// under any name, is cancelled at once. What the user allowed is never
// touched. The lists are followed through changes; aMule out of reach is said
// once and the watch acts again once it answers. Returns when changes stop.
void RunQueueWatch(ListStore& lists, const QueueWatchRequest& request, ChangeSource& changes,
                   const QueueWatchHandlers& handlers, const QueueWatchTiming& timing = {});

// A download the user cancelled and wants never again: its hash into the own
// list with why it was judged so and the name it came under, so that the guard
// cancels it whenever it comes back, under any name.
[[nodiscard]] std::expected<ListEdited, ListEditFailure> KeepOutForGood(const ProgramHome& home, const Finding& f);

// Whether the temp directory at path can be read here (aMule on this machine).
[[nodiscard]] bool TempDirReadable(const std::string& path);

}  // namespace kv
