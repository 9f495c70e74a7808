#include "usecases/TempDirs.h"

namespace kv {

std::expected<TempDir, TempDirFailure> ResolveTempDir(const Settings& settings, const std::string& given,
                                                      bool backups) {
    const std::string path = given.empty() ? ConfiguredTempDir(settings) : given;
    if (path.empty()) return std::unexpected(TempDirFailure{TempDirError::NotSet, ""});
    std::optional<TempDir> dir = ListTempDir(path, backups);
    if (!dir) return std::unexpected(TempDirFailure{TempDirError::Missing, path});
    if (given.empty()) dir->further = FurtherTempDirs(settings);
    return std::move(*dir);
}

}  // namespace kv
