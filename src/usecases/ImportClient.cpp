#include "usecases/ImportClient.h"

#include "common/FileUtil.h"
#include "common/Paths.h"

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
    // The writes below take these again, and only count: a failure of theirs
    // is never another writer's.
    const auto lock = DirectoryLock::Take(home.programDir);
    if (!lock) return std::unexpected(Failure(ImportError::NotStored, file, path, lock.error().holder));
    const auto settingsLock = DirectoryLock::Take(DirectoryOf(home.settings.Path()));
    if (!settingsLock) return std::unexpected(Failure(ImportError::NotStored, file, path, settingsLock.error().holder));
    ImportResult result = ImportClientTempDir(home.settings, path);
    if (!result.tempDirFound) return std::unexpected(Failure(ImportError::NoTempDir, file, path));
    const bool wine = detected && !detected->winePrefix.empty() && detected->tempDir != detected->storedTemp;
    if (result.stored && wine) {
        const Key key = file == ClientFile::EdonkeyPrefMet ? Key::EdonkeyTempPath : Key::EmuleTempDir;
        result.stored = home.settings.Write(key, detected->tempDir);
    }
    if (!result.stored) return std::unexpected(Failure(ImportError::NotStored, file, path));
    return result;
}

}  // namespace kv
