#include "cli/Texts.h"

#include "common/StringUtil.h"
#include "lists/ListSources.h"

namespace kv::cli::text {

namespace {
constexpr const char* kSetTempDir =
    "No temp directory is set: run 'kestrivane-cli import FILE' or 'kestrivane-cli import --detect', or pass "
    "--temp-dir DIR.";
}  // namespace

std::string CheckFailed(const CheckFailure& f) {
    switch (f.kind) {
        case CheckError::NoList:
        case CheckError::GivenListMissing:
            return "No fake list: " + f.path + " does not exist. " + kHowToGetAList;
        case CheckError::GivenListUnreadable:
            return "Could not read the fake list " + f.path + (f.cause.empty() ? "" : ": " + f.cause) + ".";
        case CheckError::NoTempDirSetting: return kSetTempDir;
        case CheckError::TempDirMissing: return "Temp directory " + f.path + " not found!";
        case CheckError::TempDirUnreadable:
            return "Cannot read the temp directory " + f.path + ": " + f.cause + ".";
    }
    return "The check could not run.";
}

std::string AmuleCheckFailed(const AmuleCheckFailure& f) {
    switch (f.kind) {
        case AmuleCheckError::NoConnection:
            return "No aMule connection stored: run 'kestrivane-cli amule connect' first.";
        case AmuleCheckError::Connection: return "aMule: " + f.detail;
        case AmuleCheckError::NoList:
        case AmuleCheckError::GivenListMissing:
            return "No fake list: " + f.detail + " does not exist. Run 'kestrivane-cli update' or pass --fakes FILE.";
        case AmuleCheckError::GivenListUnreadable: return "Could not read the fake list " + f.detail + ".";
    }
    return "The check could not run.";
}

std::string TempDirFailed(const TempDirFailure& f) {
    switch (f.kind) {
        case TempDirError::NotSet: return kSetTempDir;
        case TempDirError::Missing: return "Temp directory " + f.path + " not found!";
        case TempDirError::Unreadable: return "Cannot read the temp directory " + f.path + ": " + f.cause + ".";
    }
    return kSetTempDir;
}

std::string LinkCheckFailed(const LinkCheckFailure& f) {
    switch (f.kind) {
        case LinkCheckError::GivenListUnreadable: return "Could not read the fake list " + f.path + ".";
        case LinkCheckError::FileTooLarge:
            return f.path + " is too large to check for links (" + std::to_string(f.length) + " bytes; at most " +
                   std::to_string(kMaxLinkCheckInput >> 20) + " MiB are read).";
        case LinkCheckError::FileUnreadable: return "Could not read " + f.path + ".";
        case LinkCheckError::Refused: return f.refusal;
    }
    return "The link check could not run.";
}

std::string ImportFailed(const ImportFailure& f, const std::string& settingsPath) {
    switch (f.kind) {
        case ImportError::NotAClientFile:
            return "Cannot import " + f.path +
                   ": the file must be named pref.met (eDonkey), preferences.ini (eMule) or amule.conf (aMule).";
        case ImportError::NoSuchFile: return "Cannot import " + f.path + ": no such file.";
        case ImportError::NoTempDir:
            if (f.file == ClientFile::EdonkeyPrefMet) return "Error: No 'temp!' entry in pref.met found!";
            return f.file == ClientFile::AmuleConf ? "Error: No '[eMule] TempDir=' in amule.conf found!"
                                                   : "Error: No '[eMule] TempDir=' in preferences.ini found!";
        case ImportError::NotStored: return f.busy ? DirectoryBusy(*f.busy) : "Could not write " + settingsPath + ".";
    }
    return "The import stored no temp directory.";
}

std::string ImportDone(ClientFile file) {
    switch (file) {
        case ClientFile::EdonkeyPrefMet:
            return "eDonkey PREF.MET successfully opened, 'PrefMetPath' and 'TempPath' written to KESTRIVANE.INI";
        case ClientFile::EmulePreferencesIni:
            return "eMule PREFERENCES.INI successfully opened, 'PreferencesIniPath' and 'TempDir' written to "
                   "KESTRIVANE.INI";
        case ClientFile::AmuleConf:
            return "aMule AMULE.CONF successfully opened, 'PreferencesIniPath' and 'TempDir' written to KESTRIVANE.INI";
        case ClientFile::None: break;
    }
    return "";
}

std::string TargetFailed(const TargetFailure& f, const std::string& target) {
    switch (f.kind) {
        case TargetError::NotPartOrHash:
            return "Cannot mark " + target +
                   ": give a .part.met name of the temp directory (001.part) or a hash of 32 hex digits.";
        case TargetError::NoTempDir:
            return "No temp directory is set; use --temp-dir or import the client's preferences first.";
        case TargetError::NoHash: return "Cannot mark " + f.path + ": the file holds no ed2k hash.";
        case TargetError::NoSuchPart: return "Cannot mark " + target + ": no such .part.met in " + f.path + ".";
    }
    return "";
}

std::string OwnListEditFailed(const ListEdit& edit) {
    if (edit.busy) return DirectoryBusy(*edit.busy);
    return edit.failure.empty() ? "The own list could not be written." : edit.failure;
}

std::string DirectoryBusy(const LockHolder& holder) {
    std::string who;
    if (!holder.program.empty() && holder.pid > 0) who = " (" + holder.program + ", pid " + std::to_string(holder.pid) + ")";
    else if (holder.pid > 0) who = " (pid " + std::to_string(holder.pid) + ")";
    return "Another Kestrivane" + who + " is writing in " + holder.directory + "; try again when it has finished.";
}

std::string NoListWarning(const std::string& listPath) {
    return "Warning: no fake list: " + listPath +
           " does not exist, so only names, part hashes and the bytes already downloaded were checked. " +
           kHowToGetAList;
}

std::string Marked(const std::string& name) { return "Marked as fake in MYFAKES.DAT: " + name; }
std::string Unmarked(const std::string& name) { return "Removed from MYFAKES.DAT: " + name; }
std::string Allowed(const std::string& name) { return "Recorded as not a fake in MYFAKES.DAT: " + name; }
std::string NotInOwnList(const std::string& name) { return "Your own list MYFAKES.DAT does not name " + name + "."; }

std::string SearchFinished(int64_t hits, const std::string& text) {
    return "Finished! Found " + DecimalText(hits) + " part.met-File with Text '" + text + "'";
}

std::string NewListVersion(const std::string& version) {
    return "New FAKE-DB - Version " + version + " available! Please download it now...";
}

std::string SourcesNotUpdated(const std::string& numbers) {
    return "Not updated: fake list source " + numbers + " (the other sources were updated or are current).";
}

std::string TransferStatus(const DownloadResult& result, const std::string& address, const std::string& target,
                           bool quiet) {
    switch (result.status) {
        case DownloadStatus::Written: return quiet ? "" : "Download finished! New " + target + " written...";
        case DownloadStatus::NoConnection: return "Could not connect to the internet";
        case DownloadStatus::NotOpened:
            return result.noAddress ? std::string(kNoUpdateAddress) : "Could not open file " + address + ".";
        case DownloadStatus::Interrupted: return "Download of " + address + " was interrupted.";
        case DownloadStatus::NotAvailable: return "File actually not available: " + address;
        case DownloadStatus::NotWritten:
            return result.refusal.empty() ? "Could not write file " + target + "." : result.refusal;
        case DownloadStatus::NotModified:
            return "The fake list at " + address + " has not changed since the last download.";
        case DownloadStatus::Refused: return result.refusal;
        case DownloadStatus::ProxyRefused: break;
    }
    return "";
}

}  // namespace kv::cli::text
