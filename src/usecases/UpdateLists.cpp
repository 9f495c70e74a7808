#include "usecases/UpdateLists.h"

namespace kv {

void ListUpdater::Ended(const DownloadResult& result, const std::string& address, const std::string& target,
                        bool quiet, UpdateObserver& observer) {
    if (result.status == DownloadStatus::ProxyRefused) proxyRefused_ = true;
    observer.TransferEnded(result, address, target, quiet);
}

std::optional<ListVersionCheck> ListUpdater::Version(const ListSource& source, UpdateObserver& observer) {
    ListVersionCheck check = CheckSourceVersion(home_, net_, source, observer.Progress(true));
    const std::string address = source.number == 1 ? FakeListAddress(home_, net_) : SourceAddress(home_, net_, source);
    Ended(check.fetch, address + "/Fakes.txt", JoinPath(home_.programDir, "Fakes.txt"), true, observer);
    if (!check.fetch.ok()) return std::nullopt;
    observer.VersionChecked(source, check);
    return check;
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
    const DownloadResult result = DownloadSourceList(home_, net_, source, check->serverVersion, observer.Progress(false));
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
    for (const ListSource& source : sources) {
        if (proxyRefused_) break;  // the proxy refuses every address alike
        if (!UpdateSource(source, observer, listFetched))
            failed += (failed.empty() ? "" : ", ") + std::to_string(source.number);
    }
    if (sources.size() > 1 && !failed.empty() && !proxyRefused_) observer.SourcesFailed(failed);
    if (!failed.empty()) return std::unexpected(UpdateFailure{UpdateError::Failed, listFetched});
    return UpdateDone{listFetched};
}

}  // namespace kv
