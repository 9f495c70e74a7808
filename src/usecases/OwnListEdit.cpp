#include "usecases/OwnListEdit.h"

#include "clients/TempDir.h"
#include "common/FileUtil.h"
#include "ed2k/PartMetReader.h"

namespace kv {

std::expected<DownloadTarget, TargetFailure> ResolveDownloadTarget(const Settings& settings, const std::string& target,
                                                                   std::optional<uint64_t> size,
                                                                   const std::string& tempDir) {
    if (const auto hash = Ed2kHash::FromHex(target)) return DownloadTarget{*hash, size, target};
    if (target.find('/') != std::string::npos || target.empty())
        return std::unexpected(TargetFailure{TargetError::NotPartOrHash, target});
    const std::string dir = tempDir.empty() ? ConfiguredTempDir(settings) : tempDir;
    if (dir.empty()) return std::unexpected(TargetFailure{TargetError::NoTempDir, ""});
    for (const std::string& name : {target, target + ".met"}) {
        const std::string path = JoinPath(dir, name);
        if (!FileExists(path) || !name.ends_with(".met")) continue;
        const std::optional<Download> d = ReadPartMet(path);
        if (!d || !d->hash) return std::unexpected(TargetFailure{TargetError::NoHash, path});
        return DownloadTarget{*d->hash, size ? size : std::optional<uint64_t>(d->size), d->name};
    }
    return std::unexpected(TargetFailure{TargetError::NoSuchPart, dir});
}

std::string OwnListPath(const ProgramHome& home) { return JoinPath(home.programDir, kOwnListFileName); }

ListEdit MarkInOwnList(const ProgramHome& home, const DownloadTarget& target, const std::string& reason) {
    return MarkFake(OwnListPath(home), target.hash, target.size, reason);
}

ListEdit AllowInOwnList(const ProgramHome& home, const DownloadTarget& target, const std::string& reason) {
    return AllowHash(OwnListPath(home), target.hash, reason);
}

ListEdit UnmarkInOwnList(const ProgramHome& home, const Ed2kHash& hash) { return UnmarkFake(OwnListPath(home), hash); }

}  // namespace kv
