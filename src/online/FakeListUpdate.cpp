#include "online/FakeListUpdate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include "platform/DirectoryLock.h"
#include "common/FileUtil.h"
#include "platform/ReplacedFile.h"
#include "common/StringUtil.h"
#include "lists/ListShape.h"
#include "online/ListArchive.h"
#include "common/Paths.h"

namespace kv {

namespace {

// The answer to an update with no address to go to: nothing is sent.
DownloadResult NoAddress() {
    DownloadResult r;
    r.status = DownloadStatus::NotOpened;
    r.noAddress = true;
    r.networkError = "No update address is set.";
    return r;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// The version as the server states it: its first line, without surrounding
// blanks. Only this is shown and recorded, so that whatever else the server's
// file holds never reaches the settings file.
std::string VersionLine(const std::string& text) {
    size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin])) ++begin;
    size_t end = text.find_first_of("\r\n", begin);
    if (end == std::string::npos) end = text.size();
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

}  // namespace

std::string FakeListAddress(const ProgramHome& home, const OnlineSetup& net) {
    if (!net.addresses.tryFakeList.empty()) return net.addresses.tryFakeList;
    // Without a default there is nothing to ensure: the key is not written empty.
    if (net.addresses.defaultFakeList.empty()) return home.settings.Read(Key::FakesDatDownloadURL, "");
    return home.settings.Ensure(Key::FakesDatDownloadURL, net.addresses.defaultFakeList);
}

std::string SourceAddress(const ProgramHome& home, const OnlineSetup& net, const ListSource& source) {
    if (source.number == 1) {
        if (!net.addresses.tryFakeList.empty()) return net.addresses.tryFakeList;
        // The check has ensured the key; if the settings file could not take
        // it, the default the check used is still the address.
        std::string url = home.settings.Read(Key::FakesDatDownloadURL, "");
        return url.empty() ? net.addresses.defaultFakeList : url;
    }
    return home.settings.Read(source.url, "");
}

ListVersionCheck CheckFakeListVersion(const ProgramHome& home, const OnlineSetup& net, TransferProgress* progress) {
    return CheckSourceVersion(home, net, ListSourceNumber(1), progress);
}

ListVersionCheck CheckSourceVersion(const ProgramHome& home, const OnlineSetup& net, const ListSource& source, TransferProgress* progress) {
    ListVersionCheck check;
    const std::string url = source.number == 1 ? FakeListAddress(home, net) : SourceAddress(home, net, source);
    if (url.empty()) {
        check.fetch = NoAddress();
        return check;
    }
    check.fetch = DownloadToMemory(url + "/Fakes.txt", net.downloadLimits, progress);
    if (!check.fetch.ok()) return check;

    const std::string serverText = std::move(check.fetch.body);
    check.fetch.body.clear();
    const std::string line = VersionLine(serverText);
    const std::string recorded = home.settings.Ensure(source.version);
    if (NumericValue(recorded) < NumericValue(serverText)) {
        if (line.size() > kMaxVersionLine) {
            check.fetch.status = DownloadStatus::Refused;
            check.fetch.refusal = "The version line of " + url + "/Fakes.txt is longer than " +
                                  std::to_string(kMaxVersionLine) + " characters; the list was not updated.";
            return check;
        }
        check.newer = true;
        check.serverVersion = line;
        check.listNeeded = true;
    } else {
        check.listNeeded = FileLength(SourceListPath(home, source)) <= 0;
    }
    return check;
}

std::string RefusalOf(const std::string& plainList) {
    const ListJudgement j = JudgeList(plainList);
    if (j.usable()) return "";
    return "The downloaded fake list " + ShapeText(j.shape) + "; the list here was kept.";
}

namespace {

DownloadResult NotWritten(DownloadResult result, std::string cause, std::optional<LockHolder> busy = std::nullopt) {
    result.status = DownloadStatus::NotWritten;
    result.refusal = std::move(cause);
    result.busy = std::move(busy);
    return result;
}

// The body of a 2xx answer as a plain list fit to replace the one here;
// otherwise result turned into the refusal.
std::optional<std::string> AcceptedList(DownloadResult& result, const OnlineSetup& net) {
    UnpackedList unpacked = UnpackList(std::move(result.body), static_cast<uint64_t>(net.downloadLimits.maxBytes));
    result.body.clear();
    result.refusal = unpacked.list ? RefusalOf(*unpacked.list) : unpacked.failure;
    if (!result.refusal.empty()) {
        result.status = DownloadStatus::Refused;
        return std::nullopt;
    }
    return std::move(unpacked.list);
}

// Puts the list and its settings in place together. Both are on the disk
// already, so only two renames remain: the list first, as a new list under
// the old version is only fetched again. Should the settings' rename fail all
// the same, the old list goes back from a hard link kept meanwhile (or the new
// one goes, when there was none).
std::expected<void, std::string> CommitTogether(PreparedFile& list, PreparedFile& settings) {
    const std::string keep = list.Target() + ".tmp-" + std::to_string(::getpid()) + ".old";
    const bool hadList = FileExists(list.Target());
    const bool kept = hadList && ::link(list.Target().c_str(), keep.c_str()) == 0;
    auto done = list.Commit();
    if (done) {
        done = settings.Commit();
        if (!done && kept) ::rename(keep.c_str(), list.Target().c_str());
        if (!done && !hadList) ::unlink(list.Target().c_str());
    }
    if (kept) ::unlink(keep.c_str());
    return done;
}

// Stores list with the version and Last-Modified it came with: both reach the
// disk or neither does, and a failure says why.
DownloadResult StoreList(const ProgramHome& home, const ListSource& source, const std::string& list,
                         const std::string& serverVersion, DownloadResult result) {
    const auto lock = DirectoryLock::Take(home.programDir);
    if (!lock) return NotWritten(std::move(result), "Could not write " + SourceListPath(home, source) +
                                                        ": another program is writing in its directory.",
                                 lock.error().holder);
    std::expected<PreparedFile, std::string> listFile = PreparedFile::Write(SourceListPath(home, source), list);
    if (!listFile) return NotWritten(std::move(result), listFile.error());

    std::vector<std::pair<Key, std::string>> values;
    if (!serverVersion.empty()) values.emplace_back(source.version, serverVersion);
    // Only a server that stated one gets it back; an old value would make it
    // answer 304 for a list it has since changed.
    if (result.lastModified != home.settings.Read(source.lastModified, ""))
        values.emplace_back(source.lastModified, result.lastModified);
    if (values.empty()) {
        if (auto done = listFile->Commit(); !done) return NotWritten(std::move(result), done.error());
        return result;
    }
    const auto settingsLock = DirectoryLock::Take(DirectoryOf(home.settings.Path()));
    if (!settingsLock) return NotWritten(std::move(result), "Could not write " + home.settings.Path() +
                                                                ": another program is writing in its directory.",
                                         settingsLock.error().holder);
    std::expected<PreparedFile, std::string> settingsFile = home.settings.Prepare(values);
    if (!settingsFile) return NotWritten(std::move(result), settingsFile.error());
    if (auto done = CommitTogether(*listFile, *settingsFile); !done)
        return NotWritten(std::move(result), done.error());
    return result;
}

}  // namespace

DownloadResult DownloadSourceList(const ProgramHome& home, const OnlineSetup& net, const ListSource& source, const std::string& serverVersion,
                                  TransferProgress* progress) {
    const std::string address = SourceAddress(home, net, source);
    if (address.empty()) return NoAddress();
    DownloadRequest request;
    // A stored Last-Modified only speaks for a list that is still here.
    if (FileLength(SourceListPath(home, source)) > 0) request.ifModifiedSince = home.settings.Read(source.lastModified, "");
    DownloadResult result = DownloadToMemory(address + "/" + kFakeListFileName, net.downloadLimits, progress, request);
    if (result.status != DownloadStatus::Written) return result;
    const std::optional<std::string> list = AcceptedList(result, net);
    if (!list) return result;
    return StoreList(home, source, *list, serverVersion, std::move(result));
}

}  // namespace kv
