#include "cli/Texts.h"

#include "cli/QmCatalog.h"
#include "common/StringUtil.h"
#include "lists/ListSources.h"
#include "usecases/ClientDetection.h"

namespace kv::cli::text {

namespace {

std::string SetTempDir() {
    return T(QT_TRANSLATE_NOOP("Cli", "No temp directory is set: run 'kestrivane-cli import FILE' or 'kestrivane-cli "
                                      "import --detect', or pass --temp-dir DIR."));
}

std::string TempDirMissing(const std::string& path) {
    return T(QT_TRANSLATE_NOOP("Cli", "Temp directory %1 not found!"), {path});
}

// The lower layers' and the system's words for why a file cannot be read, in
// the user's language where they are known; others stay as they came.
[[maybe_unused]] constexpr const char* kCauses[] = {
    QT_TRANSLATE_NOOP("Cli", "Permission denied"),
    QT_TRANSLATE_NOOP("Cli", "No such file or directory"),
    QT_TRANSLATE_NOOP("Cli", "Not a directory"),
    QT_TRANSLATE_NOOP("Cli", "Input/output error"),
    QT_TRANSLATE_NOOP("Cli", "Too many levels of symbolic links"),
    QT_TRANSLATE_NOOP("Cli", "it is a directory"),
    QT_TRANSLATE_NOOP("Cli", "it is a FIFO, not a regular file"),
    QT_TRANSLATE_NOOP("Cli", "it is not a regular file"),
    QT_TRANSLATE_NOOP("Cli", "it is larger than 4 GiB"),
    QT_TRANSLATE_NOOP("Cli", "it cannot be read"),
    QT_TRANSLATE_NOOP("Cli", "it is empty"),
};

std::string Cause(const std::string& cause) { return T(cause.c_str()); }

std::string TempDirUnreadable(const std::string& path, const std::string& cause) {
    return T(QT_TRANSLATE_NOOP("Cli", "Cannot read the temp directory %1: %2."), {path, Cause(cause)});
}

std::string ListUnreadable(const std::string& path, const std::string& cause = "") {
    if (cause.empty()) return T(QT_TRANSLATE_NOOP("Cli", "Could not read the fake list %1."), {path});
    return T(QT_TRANSLATE_NOOP("Cli", "Could not read the fake list %1: %2."), {path, Cause(cause)});
}

std::string CheckCouldNotRun() { return T(QT_TRANSLATE_NOOP("Cli", "The check could not run.")); }

}  // namespace

std::string CheckFailed(const CheckFailure& f) {
    switch (f.kind) {
        case CheckError::NoList:
        case CheckError::GivenListMissing:
            return T(QT_TRANSLATE_NOOP("Cli", "No fake list: %1 does not exist. %2"), {f.path, T(kHowToGetAList)});
        case CheckError::GivenListUnreadable: return ListUnreadable(f.path, f.cause);
        case CheckError::NoTempDirSetting: return SetTempDir();
        case CheckError::TempDirMissing: return TempDirMissing(f.path);
        case CheckError::TempDirUnreadable: return TempDirUnreadable(f.path, f.cause);
    }
    return CheckCouldNotRun();
}

std::string AmuleCheckFailed(const AmuleCheckFailure& f) {
    switch (f.kind) {
        case AmuleCheckError::NoConnection: return T(kNoAmuleConnection);
        case AmuleCheckError::Connection:
            return T(QT_TRANSLATE_NOOP("Cli", "%1 (%2). Check that aMule runs there and accepts External Connections, "
                                              "or run 'kestrivane-cli amule connect' again."),
                     {f.detail, f.where});
        case AmuleCheckError::NoList:
        case AmuleCheckError::GivenListMissing:
            return T(QT_TRANSLATE_NOOP("Cli",
                                       "No fake list: %1 does not exist. Run 'kestrivane-cli update' or pass --fakes FILE."),
                     {f.detail});
        case AmuleCheckError::GivenListUnreadable: return ListUnreadable(f.detail);
    }
    return CheckCouldNotRun();
}

std::string TempDirFailed(const TempDirFailure& f) {
    switch (f.kind) {
        case TempDirError::NotSet: return SetTempDir();
        case TempDirError::Missing: return TempDirMissing(f.path);
        case TempDirError::Unreadable: return TempDirUnreadable(f.path, f.cause);
    }
    return SetTempDir();
}

std::string LinkCheckFailed(const LinkCheckFailure& f) {
    switch (f.kind) {
        case LinkCheckError::GivenListUnreadable: return ListUnreadable(f.path, f.cause);
        case LinkCheckError::FileTooLarge:
            return T(QT_TRANSLATE_NOOP("Cli", "%1 is too large to check for links (%2 bytes; at most %3 MiB are read)."),
                     {f.path, std::to_string(f.length), std::to_string(kMaxLinkCheckInput >> 20)});
        case LinkCheckError::FileUnreadable: return T(QT_TRANSLATE_NOOP("Cli", "Could not read %1."), {f.path});
        case LinkCheckError::Refused: return f.refusal;
    }
    return T(QT_TRANSLATE_NOOP("Cli", "The link check could not run."));
}

std::string ImportFailed(const ImportFailure& f, const std::string& settingsPath) {
    switch (f.kind) {
        case ImportError::NotAClientFile:
            return T(QT_TRANSLATE_NOOP("Cli", "Cannot import %1: the file must be named pref.met (eDonkey), "
                                              "preferences.ini (eMule) or amule.conf (aMule)."),
                     {f.path});
        case ImportError::NoSuchFile: return T(QT_TRANSLATE_NOOP("Cli", "Cannot import %1: no such file."), {f.path});
        case ImportError::NoTempDir:
            return T(QT_TRANSLATE_NOOP("Cli", "Cannot import %1: the file names no temp directory."), {f.path});
        case ImportError::NotStored:
            return f.busy ? DirectoryBusy(*f.busy) : T(QT_TRANSLATE_NOOP("Cli", "Could not write %1."), {settingsPath});
    }
    return T(QT_TRANSLATE_NOOP("Cli", "The import stored no temp directory."));
}

std::string ImportDone(ClientFile file, const std::string& tempDir) {
    if (file == ClientFile::None) return "";
    return T(QT_TRANSLATE_NOOP("Cli", "Imported the temp directory %1 from %2's %3; it is stored in Kestrivane.ini."),
             {tempDir, ClientNameOf(file), ClientFileNameOf(file)});
}

std::string TargetFailed(const TargetFailure& f, const std::string& target) {
    switch (f.kind) {
        case TargetError::NotPartOrHash:
            return T(QT_TRANSLATE_NOOP("Cli", "Cannot mark %1: give a .part.met name of the temp directory (001.part) "
                                              "or a hash of 32 hex digits."),
                     {target});
        case TargetError::NoTempDir:
            return T(QT_TRANSLATE_NOOP("Cli", "No temp directory is set; use --temp-dir or import the client's "
                                              "preferences first."));
        case TargetError::NoHash:
            return T(QT_TRANSLATE_NOOP("Cli", "Cannot mark %1: the file holds no ed2k hash."), {f.path});
        case TargetError::NoSuchPart:
            return T(QT_TRANSLATE_NOOP("Cli", "Cannot mark %1: no such .part.met in %2."), {target, f.path});
        case TargetError::NotInAmule:
            return T(QT_TRANSLATE_NOOP("Cli", "Cannot mark %1: aMule at %2 has no such download."), {target, f.path});
        case TargetError::AmuleFailed:
            return T(QT_TRANSLATE_NOOP("Cli", "Cannot mark %1: no temp directory here, and aMule could not be asked: "
                                              "%2. Run 'kestrivane-cli amule connect', or use --temp-dir."),
                     {target, f.path});
    }
    return "";
}

std::string OwnListEditFailed(const ListEditFailure& edit) {
    if (edit.busy) return DirectoryBusy(*edit.busy);
    return edit.failure.empty() ? T(QT_TRANSLATE_NOOP("Cli", "The own list could not be written.")) : edit.failure;
}

std::string DirectoryBusy(const LockHolder& holder) {
    if (!holder.program.empty() && holder.pid > 0)
        return T(QT_TRANSLATE_NOOP("Cli", "Another Kestrivane (%1, pid %2) is writing in %3; try again when it has "
                                          "finished."),
                 {holder.program, std::to_string(holder.pid), holder.directory});
    if (holder.pid > 0)
        return T(QT_TRANSLATE_NOOP("Cli", "Another Kestrivane (pid %1) is writing in %2; try again when it has "
                                          "finished."),
                 {std::to_string(holder.pid), holder.directory});
    return T(QT_TRANSLATE_NOOP("Cli", "Another Kestrivane is writing in %1; try again when it has finished."),
             {holder.directory});
}

std::string NoListWarning(const std::string& listPath) {
    return T(QT_TRANSLATE_NOOP("Cli", "Warning: no fake list: %1 does not exist, so only names, part hashes and the "
                                      "bytes already downloaded were checked. %2"),
             {listPath, T(kHowToGetAList)});
}

std::string EmuleCheckFailed(const AmuleCheckFailure& f) {
    if (f.kind == AmuleCheckError::NoConnection) return T(kNoEmuleConnection);
    if (f.kind == AmuleCheckError::Connection)
        return T(QT_TRANSLATE_NOOP("Cli", "%1 (%2). Check that eMule runs there with its Web Interface on, or run "
                                          "'kestrivane-cli emule connect' again."),
                 {f.detail, f.where});
    return AmuleCheckFailed(f);
}

std::string NoListNamesOnlyWarning(const std::string& listPath) {
    return T(QT_TRANSLATE_NOOP("Cli", "Warning: no fake list: %1 does not exist, so only the names were checked. %2"),
             {listPath, T(kHowToGetAList)});
}

std::string AmuleBytesElsewhere(int32_t downloads) {
    return T(QT_TRANSLATE_NOOP("Cli", "Not inspected: %1 downloads, whose data is on the aMule machine and not "
                                      "readable here. Run Kestrivane on that machine, beside aMule, to inspect them."),
             {std::to_string(downloads)});
}

std::string EmuleBytesElsewhere(int32_t downloads) {
    return T(QT_TRANSLATE_NOOP("Cli", "Not inspected: %1 downloads, whose data is not readable here. Pass eMule's temp "
                                      "directory with --temp-dir, or run Kestrivane on the eMule machine, to inspect them."),
             {std::to_string(downloads)});
}

std::string AmulePauseWaiting(const std::string& name, const std::string& why) {
    return T(QT_TRANSLATE_NOOP("Cli", "Could not pause %1 in aMule yet: %2. It is paused once aMule answers."),
             {name, why});
}

std::string Marked(const std::string& name) {
    return T(QT_TRANSLATE_NOOP("Cli", "Marked as fake in MYFAKES.DAT: %1"), {name});
}
std::string Unmarked(const std::string& name) { return T(QT_TRANSLATE_NOOP("Cli", "Removed from MYFAKES.DAT: %1"), {name}); }
std::string Allowed(const std::string& name) {
    return T(QT_TRANSLATE_NOOP("Cli", "Recorded as not a fake in MYFAKES.DAT: %1"), {name});
}
std::string NotInOwnList(const std::string& name) {
    return T(QT_TRANSLATE_NOOP("Cli", "Your own list MYFAKES.DAT does not name %1."), {name});
}

std::string SearchFinished(int64_t hits, const std::string& text) {
    return T(QT_TRANSLATE_NOOP("Cli", "Finished! Found %1 part.met-File with Text '%2'"), {DecimalText(hits), text});
}

std::string NewListVersion(const std::string& version) {
    return T(QT_TRANSLATE_NOOP("Cli", "New FAKE-DB - Version %1 available! Please download it now..."), {version});
}

std::string SourcesNotUpdated(const std::string& numbers) {
    return T(QT_TRANSLATE_NOOP("Cli", "Not updated: fake list source %1 (the other sources were updated or are "
                                      "current)."),
             {numbers});
}

std::string TransferStatus(const DownloadResult& result, const std::string& address, const std::string& target,
                           bool quiet) {
    switch (result.status) {
        case DownloadStatus::Written:
            return quiet ? "" : T(QT_TRANSLATE_NOOP("Cli", "Download finished! New %1 written..."), {target});
        case DownloadStatus::NoConnection: return T(QT_TRANSLATE_NOOP("Cli", "Could not connect to the internet"));
        case DownloadStatus::NotOpened:
            return result.noAddress ? T(kNoUpdateAddress)
                                    : T(QT_TRANSLATE_NOOP("Cli", "Could not open file %1."), {address});
        case DownloadStatus::Interrupted:
            return T(QT_TRANSLATE_NOOP("Cli", "Download of %1 was interrupted."), {address});
        case DownloadStatus::NotAvailable:
            return T(QT_TRANSLATE_NOOP("Cli", "File actually not available: %1"), {address});
        case DownloadStatus::NotWritten:
            return result.refusal.empty() ? T(QT_TRANSLATE_NOOP("Cli", "Could not write file %1."), {target})
                                          : result.refusal;
        case DownloadStatus::NotModified:
            return T(QT_TRANSLATE_NOOP("Cli", "The fake list at %1 has not changed since the last download."),
                     {address});
        case DownloadStatus::Refused: return result.refusal;
        case DownloadStatus::ProxyRefused: break;
    }
    return "";
}

std::string ActionDone(AmuleAction action, const std::string& row) {
    switch (action) {
        case AmuleAction::Pause: return T(QT_TRANSLATE_NOOP("Cli", "Paused: %1"), {row});
        case AmuleAction::Resume: return T(QT_TRANSLATE_NOOP("Cli", "Resumed: %1"), {row});
        case AmuleAction::Stop: return T(QT_TRANSLATE_NOOP("Cli", "Stopped: %1"), {row});
        case AmuleAction::Cancel: return T(QT_TRANSLATE_NOOP("Cli", "Cancelled: %1"), {row});
    }
    return row;
}

std::string ActionNotDone(AmuleAction action, const std::string& row, const std::string& why) {
    switch (action) {
        case AmuleAction::Pause: return T(QT_TRANSLATE_NOOP("Cli", "Could not pause %1: %2"), {row, why});
        case AmuleAction::Resume: return T(QT_TRANSLATE_NOOP("Cli", "Could not resume %1: %2"), {row, why});
        case AmuleAction::Stop: return T(QT_TRANSLATE_NOOP("Cli", "Could not stop %1: %2"), {row, why});
        case AmuleAction::Cancel: return T(QT_TRANSLATE_NOOP("Cli", "Could not cancel %1: %2"), {row, why});
    }
    return why;
}

}  // namespace kv::cli::text
