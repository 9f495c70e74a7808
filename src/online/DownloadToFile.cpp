#include <filesystem>

#include "common/FsPath.h"
#include "online/HttpDownload.h"
#include "platform/DirectoryLock.h"
#include "platform/ReplacedFile.h"

namespace kv {

DownloadResult DownloadToFile(const std::string& address, const std::string& targetPath, const DownloadLimits& limits,
                              TransferProgress* progress) {
    DownloadResult result = DownloadToMemory(address, limits, progress);
    if (result.status != DownloadStatus::Written) return result;
    const std::string dir = PathText(FsPath(targetPath).parent_path());
    const auto lock = DirectoryLock::Take(dir);
    // Only a lock someone holds means someone is writing; a lock not had otherwise (no such
    // directory, no permission) is said by the write itself, with the system's cause.
    std::expected<void, std::string> written = lock || !lock.error().holder ? ReplaceFile(targetPath, result.body)
                                                : std::unexpected("Could not write " + targetPath +
                                                                  ": another program is writing in its directory.");
    result.body.clear();
    if (!written) {
        result.status = DownloadStatus::NotWritten;
        result.refusal = written.error();
        if (!lock) result.busy = lock.error().holder;
    }
    return result;
}

}  // namespace kv
