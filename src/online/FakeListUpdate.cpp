#include "online/FakeListUpdate.h"

#include <cstdint>
#include <optional>
#include <string>

#include "common/DirectoryLock.h"
#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "lists/ListShape.h"
#include "online/ListArchive.h"
#include "common/Paths.h"

namespace kv {

namespace {

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
    return home.settings.Ensure(Key::FakesDatDownloadURL, net.addresses.defaultFakeList);
}

std::string SourceAddress(const ProgramHome& home, const OnlineSetup& net, const ListSource& source) {
    if (source.number == 1) {
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

DownloadResult DownloadFakeList(const ProgramHome& home, const OnlineSetup& net, const std::string& serverVersion, TransferProgress* progress) {
    return DownloadSourceList(home, net, ListSourceNumber(1), serverVersion, progress);
}

std::string RefusalOf(const std::string& plainList) {
    const ListJudgement j = JudgeList(plainList);
    if (j.usable()) return "";
    return "The downloaded fake list " + ShapeText(j.shape) + "; the list here was kept.";
}

DownloadResult DownloadSourceList(const ProgramHome& home, const OnlineSetup& net, const ListSource& source, const std::string& serverVersion,
                                  TransferProgress* progress) {
    const std::string target = SourceListPath(home, source);
    DownloadRequest request;
    // A stored Last-Modified only speaks for a list that is still here.
    if (FileLength(target) > 0) request.ifModifiedSince = home.settings.Read(source.lastModified, "");
    DownloadResult result =
        DownloadToMemory(SourceAddress(home, net, source) + "/" + kFakeListFileName, net.downloadLimits, progress,
                         request);
    if (result.status != DownloadStatus::Written) return result;

    UnpackedList unpacked = UnpackList(std::move(result.body), static_cast<uint64_t>(net.downloadLimits.maxBytes));
    result.body.clear();
    if (!unpacked.list) {
        result.status = DownloadStatus::Refused;
        result.refusal = unpacked.failure;
        return result;
    }
    result.refusal = RefusalOf(*unpacked.list);
    if (!result.refusal.empty()) {
        result.status = DownloadStatus::Refused;
        return result;
    }
    // The list and the version it is recorded with change together.
    const DirectoryLock lock(home.programDir);
    if (!lock || !WriteFileAtomic(target, *unpacked.list)) {
        result.status = DownloadStatus::NotWritten;
        return result;
    }
    if (!serverVersion.empty()) home.settings.Write(source.version, serverVersion);
    // Only a server that stated one gets it back; an old value would make it
    // answer 304 for a list it has since changed.
    const std::string stored = home.settings.Read(source.lastModified, "");
    if (result.lastModified != stored) home.settings.Write(source.lastModified, result.lastModified);
    return result;
}

}  // namespace kv
