#pragma once

#include <optional>
#include <string>
#include <vector>

#include <expected>
#include "usecases/AmuleSession.h"
#include "usecases/Check.h"

namespace kv {

struct AmuleCheckRequest {
    std::string fakeList;         // "" = FAKES.DAT, which may be missing
    std::optional<bool> listAll;  // unset = the "ShowAllPartMet" switch
    std::optional<bool> inspect;  // unset = the "InspectContent" switch
    // aMule's temp directory as this machine sees it ("" = the settings'); when
    // its .part.met and .part files are there, the arrived bytes are inspected too.
    std::string tempDir;
    bool pauseFakes = false;  // pause every listed fake and suspect that is not paused or stopped
};

// A download as the check judged it, with what aMule says of it.
struct AmuleFinding {
    Finding finding;
    ec::ClientView view;
    bool paused = false;     // paused by this check
    std::string pauseError;  // why pausing failed, when it did (or was not tried after aMule stopped answering)
};

// Takes each listed download as soon as it is judged, so that a long queue's
// rows are never held together; the result's listed then stays empty.
class AmuleCheckObserver {
public:
    virtual ~AmuleCheckObserver() = default;
    // Connected, the queue read and the lists loaded: the rows follow.
    virtual void Started(const ListsLoaded& lists) { (void)lists; }
    virtual void Listed(AmuleFinding&& finding) = 0;
};

struct AmuleCheckResult {
    std::vector<AmuleFinding> listed;  // empty when an observer took the rows
    int32_t found = 0, suspects = 0, checked = 0;
    // Downloads that nothing marked but whose arrived bytes are not readable
    // here (aMule on another machine): judged by name, lists and ratings only,
    // and not called OK.
    int32_t notInspected = 0;
    ListsLoaded lists;
    std::string serverVersion;
};

enum class AmuleCheckError { NoConnection, Connection, NoList, GivenListMissing, GivenListUnreadable };

struct AmuleCheckFailure {
    AmuleCheckError kind;
    std::string detail;  // Connection: the error in a line; the lists: the path
    std::string where{};  // Connection: where aMule was looked for
};

// Every download aMule reports, judged by the same lists and detectors as a
// check of the temp directory, plus what other users' clients rated it.
[[nodiscard]] std::expected<AmuleCheckResult, AmuleCheckFailure> CheckAmule(ListStore& lists, const AmuleCheckRequest& request,
                                                                           ec::Timeouts timeouts = {},
                                                                           AmuleCheckObserver* observer = nullptr);

// One download of aMule's queue judged as the check judges it: from its
// .part.met and bytes when tempDir holds them, else by name, the lists and
// what the client says (the sources' names, lost bytes, never complete);
// other users' ratings where nothing stronger was found.
[[nodiscard]] Finding JudgeAmuleDownload(const Download& d, const ec::ClientView& view, const std::string& tempDir,
                                         const FakeCatalogue& fakes, const CheckRules& rules);

// Other users' ratings as a suspicion: at least one "Fake" and at least half of all ratings.
[[nodiscard]] std::optional<inspect::Suspicion> RatedFake(const ec::ClientView& view);

}  // namespace kv
