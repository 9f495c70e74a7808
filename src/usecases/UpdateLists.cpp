#include "usecases/UpdateLists.h"

#include <algorithm>
#include <chrono>

#include "common/StringUtil.h"

namespace kv {

bool IsWebAddress(std::string_view address) {
    size_t scheme = 0;
    for (const std::string_view prefix : {"http://", "https://"})
        if (address.size() > prefix.size() && FindNoCase(address.substr(0, prefix.size()), prefix) == 0)
            scheme = prefix.size();
    if (scheme == 0 || address[scheme] == '/') return false;
    return std::ranges::none_of(address, [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return c <= 0x20 || c == 0x7F;
    });
}

void ListUpdater::Ended(const DownloadResult& result, const std::string& address, const std::string& target,
                        bool quiet, UpdateObserver& observer) {
    if (result.status == DownloadStatus::ProxyRefused) proxyRefused_ = true;
    observer.TransferEnded(result, address, target, quiet);
}

std::optional<ListVersionCheck> ListUpdater::Version(const ListSource& source, UpdateObserver& observer) {
    ListVersionCheck check = CheckSourceVersion(home_, Bounded(), source, observer.Progress(true));
    const std::string address = source.number == 1 ? FakeListAddress(home_, net_) : SourceAddress(home_, net_, source);
    Ended(check.fetch, address + "/Fakes.txt", JoinPath(home_.programDir, "Fakes.txt"), true, observer);
    if (!check.fetch.ok()) return std::nullopt;
    observer.VersionChecked(source, check);
    return check;
}

OnlineSetup ListUpdater::Bounded() const {
    OnlineSetup net = net_;
    if (!deadline_) return net;
    using namespace std::chrono;
    // Whole seconds, rounded up: a transfer may end up to a second past the update's time.
    const long left = static_cast<long>(duration_cast<seconds>(*deadline_ - steady_clock::now() + 999ms).count());
    DownloadLimits& limits = net.downloadLimits;
    limits.totalSeconds = std::clamp(left, 1L, limits.totalSeconds);
    limits.connectTimeoutSeconds = std::min(limits.connectTimeoutSeconds, limits.totalSeconds);
    limits.lowSpeedTimeSeconds = std::min(limits.lowSpeedTimeSeconds, limits.totalSeconds);
    return net;
}

bool ListUpdater::CheckVersion(UpdateObserver& observer) {
    return Version(ListSourceNumber(1), observer).has_value();
}

bool ListUpdater::UpdateSource(const ListSource& source, UpdateObserver& observer, bool& listFetched) {
    const std::optional<ListVersionCheck> check = Version(source, observer);
    if (!check) return false;
    if (!check->listNeeded) return true;
    const std::string address = SourceAddress(home_, net_, source) + "/" + kFakeListFileName;
    observer.DownloadStarted(address);
    const DownloadResult result =
        DownloadSourceList(home_, Bounded(), source, check->serverVersion, observer.Progress(false));
    Ended(result, address, SourceListPath(home_, source), false, observer);
    listFetched = true;
    return result.ok() || result.status == DownloadStatus::NotModified;
}

std::expected<UpdateDone, UpdateFailure> ListUpdater::Update(UpdateObserver& observer) {
    if (proxyRefused_) return std::unexpected(UpdateFailure{UpdateError::ProxyRefusedBefore});
    observer.VersionCheckStarted();
    const std::vector<ListSource> sources = ConfiguredListSources(home_.settings);
    std::string failed;
    bool listFetched = false;
    deadline_ = std::chrono::steady_clock::now() + std::chrono::seconds(net_.downloadLimits.updateSeconds);
    for (const ListSource& source : sources) {
        if (proxyRefused_) break;  // the proxy refuses every address alike
        // Past the update's time, the sources left are not even asked.
        if (std::chrono::steady_clock::now() >= *deadline_ || !UpdateSource(source, observer, listFetched))
            failed += (failed.empty() ? "" : ", ") + std::to_string(source.number);
    }
    deadline_.reset();
    if (sources.size() > 1 && !failed.empty() && !proxyRefused_) observer.SourcesFailed(failed);
    if (!failed.empty()) return std::unexpected(UpdateFailure{UpdateError::Failed, listFetched});
    return UpdateDone{listFetched};
}

}  // namespace kv
