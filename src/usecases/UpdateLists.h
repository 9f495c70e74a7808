#pragma once

#include <chrono>
#include <expected>
#include <optional>
#include <string>
#include <string_view>

#include "lists/ListSources.h"
#include "online/FakeListUpdate.h"
#include "usecases/Transfer.h"
#include "online/OnlineSetup.h"
#include "settings/Home.h"

namespace kv {

// Told of each step of an update, in order; a front end words them.
class UpdateObserver {
public:
    virtual ~UpdateObserver() = default;
    virtual void VersionCheckStarted() {}
    // A source's Fakes.txt came: its version is newer, or the list here is the newest.
    virtual void VersionChecked(const ListSource& source, const ListVersionCheck& check) {
        (void)source, (void)check;
    }
    // A list download begins.
    virtual void DownloadStarted(const std::string& address) { (void)address; }
    // Where a transfer's progress goes; quiet transfers (Fakes.txt) report failures only.
    virtual TransferProgress* Progress(bool quiet) = 0;
    // A transfer ended, well or not.
    virtual void TransferEnded(const DownloadResult& result, const std::string& address, const std::string& target,
                               bool quiet) = 0;
    // Some of several sources could not be updated ("2, 4").
    virtual void SourcesFailed(const std::string& numbers) { (void)numbers; }
};

// An address the update may go to: http:// or https:// and a host, no blanks or control bytes.
[[nodiscard]] bool IsWebAddress(std::string_view address);

enum class UpdateError {
    ProxyRefusedBefore,  // a proxy asked for authentication earlier in this run: no more updates
    Failed,              // a source could not be updated (the observer was told why)
};

struct UpdateDone {
    bool listFetched = false;  // a list download was tried: the lists should be loaded again
};

struct UpdateFailure {
    UpdateError kind;
    bool listFetched = false;
};

// Updates every configured list source in turn; one that fails does not keep
// the others from their update. Remembers a proxy's refusal for the rest of its life.
class ListUpdater {
public:
    ListUpdater(ProgramHome home, OnlineSetup net) : home_(std::move(home)), net_(std::move(net)) {}

    std::expected<UpdateDone, UpdateFailure> Update(UpdateObserver& observer);
    // Fakes.txt of the first source only (start-up); whether it came.
    bool CheckVersion(UpdateObserver& observer);

    bool proxyRefused() const { return proxyRefused_; }
    const OnlineSetup& net() const { return net_; }

private:
    std::optional<ListVersionCheck> Version(const ListSource& source, UpdateObserver& observer);
    bool UpdateSource(const ListSource& source, UpdateObserver& observer, bool& listFetched);
    void Ended(const DownloadResult& result, const std::string& address, const std::string& target, bool quiet,
               UpdateObserver& observer);

    // The setup with each transfer's time cut to what is left of the update's.
    OnlineSetup Bounded() const;

    ProgramHome home_;
    OnlineSetup net_;
    bool proxyRefused_ = false;
    std::optional<std::chrono::steady_clock::time_point> deadline_;  // while Update runs
};

}  // namespace kv
