#include "usecases/TempDirs.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "common/FileUtil.h"
#include "common/FsPath.h"

namespace kv {

std::expected<TempDir, TempDirFailure> ResolveTempDir(const Settings& settings, const std::string& given,
                                                      bool backups) {
    const std::string path = given.empty() ? ConfiguredTempDir(settings) : given;
    if (path.empty()) return std::unexpected(TempDirFailure{TempDirError::NotSet, "", ""});
    std::optional<TempDir> dir = ListTempDir(path, backups);
    if (!dir) {
        // A directory the user may not read is there all the same: say why, not "not found".
        std::error_code ec;
        if (!IsDirectory(path)) {
            // A file where the directory should be is there, just not a directory.
            if (std::filesystem::exists(FsPath(path), ec))
                return std::unexpected(TempDirFailure{TempDirError::Unreadable, path, std::strerror(ENOTDIR)});
            return std::unexpected(TempDirFailure{TempDirError::Missing, path, ""});
        }
#ifdef _WIN32
        const int err = EACCES;  // a directory that cannot be listed is one the user may not read
#else
        const int err = ::access(path.c_str(), R_OK | X_OK) == 0 ? EIO : errno;
#endif
        return std::unexpected(TempDirFailure{TempDirError::Unreadable, path, std::strerror(err)});
    }
    if (given.empty()) dir->further = FurtherTempDirs(settings);
    return std::move(*dir);
}

}  // namespace kv
