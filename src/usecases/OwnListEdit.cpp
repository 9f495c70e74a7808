#include "usecases/OwnListEdit.h"

#include "clients/TempDir.h"
#include "common/FileUtil.h"
#include "ed2k/PartMetReader.h"
#include "usecases/AmuleSession.h"

namespace kv {

namespace {

// The download of that part in the aMule of `amule connect`; nullopt when none is stored.
std::optional<std::expected<DownloadTarget, TargetFailure>> AskAmule(const ProgramHome& home, const std::string& target,
                                                                     std::optional<uint64_t> size) {
    auto session = AmuleSession::Open(home);
    if (!session && session.error().kind == AmuleFailure::Kind::NoConnection) return std::nullopt;
    if (!session) return std::unexpected(TargetFailure{TargetError::AmuleFailed, session.error().Describe()});
    const auto queue = session->Queue();
    if (!queue) return std::unexpected(TargetFailure{TargetError::AmuleFailed, queue.error().Describe()});
    const auto hash = FindInAmuleQueue(*queue, target);
    if (!hash) return std::unexpected(TargetFailure{TargetError::NotInAmule, session->Where()});
    for (const Download& d : queue->downloads)
        if (d.hash == *hash) return DownloadTarget{*hash, size ? size : std::optional<uint64_t>(d.size), d.name};
    return DownloadTarget{*hash, size, hash->ToHex()};
}

}  // namespace

std::expected<DownloadTarget, TargetFailure> ResolveDownloadTarget(const ProgramHome& home, const std::string& target,
                                                                   std::optional<uint64_t> size,
                                                                   const std::string& tempDir) {
    if (const auto hash = Ed2kHash::FromHex(target)) return DownloadTarget{*hash, size, target};
    const std::optional<uint32_t> number = PartNumberOf(target);
    if (!number) return std::unexpected(TargetFailure{TargetError::NotPartOrHash, target});
    const std::string dir = tempDir.empty() ? ConfiguredTempDir(home.settings) : tempDir;
    const std::string path = dir.empty() ? std::string() : JoinPath(dir, PartMetFileName(*number));
    if (!dir.empty() && FileExists(path)) {
        const std::optional<Download> d = ReadPartMet(path);
        if (!d || !d->hash) return std::unexpected(TargetFailure{TargetError::NoHash, path});
        return DownloadTarget{*d->hash, size ? size : std::optional<uint64_t>(d->size), d->name};
    }
    // The temp directory is not readable here when aMule runs on another machine: aMule knows its downloads.
    if (tempDir.empty() && (dir.empty() || !IsDirectory(dir)))
        if (auto asked = AskAmule(home, target, size)) return *std::move(asked);
    if (dir.empty()) return std::unexpected(TargetFailure{TargetError::NoTempDir, ""});
    return std::unexpected(TargetFailure{TargetError::NoSuchPart, dir});
}

std::string OwnListPath(const ProgramHome& home) { return JoinPath(home.programDir, kOwnListFileName); }

std::expected<ListEdited, ListEditFailure> MarkInOwnList(const ProgramHome& home, const DownloadTarget& target, const std::string& reason) {
    return MarkFake(OwnListPath(home), target.hash, target.size, reason);
}

std::expected<ListEdited, ListEditFailure> AllowInOwnList(const ProgramHome& home, const DownloadTarget& target, const std::string& reason) {
    return AllowHash(OwnListPath(home), target.hash, reason);
}

std::expected<ListEdited, ListEditFailure> GuardInOwnList(const ProgramHome& home, const DownloadTarget& target,
                                                          const std::string& why) {
    return RecordGuarded(OwnListPath(home), target.hash, target.size, target.name, why);
}

std::expected<ListEdited, ListEditFailure> UnmarkInOwnList(const ProgramHome& home, const Ed2kHash& hash) {
    return UnmarkFake(OwnListPath(home), hash);
}

}  // namespace kv
