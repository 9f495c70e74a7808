#include "usecases/ImportClient.h"

#include "common/FileUtil.h"

namespace kv {

namespace {
ImportFailure Failure(ImportError kind, ClientFile file, const std::string& path,
                      std::optional<LockHolder> busy = std::nullopt) {
    ImportFailure f;
    f.kind = kind;
    f.file = file;
    f.path = path;
    f.busy = std::move(busy);
    return f;
}
}  // namespace

std::expected<ImportResult, ImportFailure> ImportClient(const ProgramHome& home, const std::string& path,
                                                        const DetectedClient* detected) {
    const ClientFile file = ClientFileOf(path);
    if (file == ClientFile::None) return std::unexpected(Failure(ImportError::NotAClientFile, file, path));
    if (!FileExists(path)) return std::unexpected(Failure(ImportError::NoSuchFile, file, path));
    const DirectoryLock lock(home.programDir);
    if (!lock) return std::unexpected(Failure(ImportError::NotStored, file, path, lock.Busy()));
    ImportResult result = ImportClientTempDir(home.settings, path);
    if (!result.tempDirFound) return std::unexpected(Failure(ImportError::NoTempDir, file, path));
    const bool wine = detected && !detected->winePrefix.empty() && detected->tempDir != detected->storedTemp;
    if (result.stored && wine) {
        const Key key = file == ClientFile::EdonkeyPrefMet ? Key::EdonkeyTempPath : Key::EmuleTempDir;
        result.stored = home.settings.Write(key, detected->tempDir);
    }
    if (!result.stored) return std::unexpected(Failure(ImportError::NotStored, file, path, TakeLockBusy()));
    return result;
}

}  // namespace kv
