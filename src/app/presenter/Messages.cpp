#include "app/presenter/Messages.h"

#include "platform/DirectoryLock.h"
#include "common/StringUtil.h"
#include "common/Version.h"
#include "usecases/Check.h"
#include "usecases/LinkCheck.h"

namespace kv::msg {

std::string VersionWithLeadingBlank() {
    return DecimalText(kVersionMajor, true) + "." + DecimalText(kVersionMinor) + "." + DecimalText(kVersionRevision);
}

std::string VersionText() { return "Kestrivane Version" + VersionWithLeadingBlank(); }

std::string ListCaption(int64_t records) {
    return VersionText() + " / Total " + DecimalText(records, true) + " Fakes in DB";
}

std::string ListFileMissing(const std::string& path) { return "File " + path + " not found! Please download FAKE-DB!"; }

std::string SkippedListLine(int32_t index, const std::string& line) {
    return "Fehler in der FAKES.DAT, Linie" + DecimalText(index) + "\r\nEingelesene Zeile:\r\n" + line;
}

std::string TempDirMissing(const std::string& path) { return "Temp directory " + path + " not found!"; }
std::string TempDirUnreadable(const std::string& path, const std::string& cause) {
    return "Cannot read the temp directory " + path + ": " + cause + ".";
}
std::string ListUnreadable(const std::string& path, const std::string& cause) {
    return "Could not read the fake list " + path + (cause.empty() ? "" : ": " + cause) + ".";
}

std::string SearchFinished(int64_t hits, const std::string& text) {
    return "Finished! Found " + DecimalText(hits) + " part.met-File with Text '" + text + "'";
}

std::string Reading(int64_t bytes) { return "Reading: " + DecimalText(bytes) + " Bytes. Please wait..."; }
std::string CouldNotOpen(const std::string& address) { return "Could not open file " + address + "."; }
std::string Interrupted(const std::string& address) { return "Download of " + address + " was interrupted."; }
std::string NotAvailable(const std::string& address) { return "File actually not available: " + address; }
std::string CouldNotWrite(const std::string& path) { return "Could not write file " + path + "."; }
std::string DirectoryBusy(const LockHolder& holder) {
    std::string who;
    if (!holder.program.empty() && holder.pid > 0) who = " (" + holder.program + ", pid " + std::to_string(holder.pid) + ")";
    else if (holder.pid > 0) who = " (pid " + std::to_string(holder.pid) + ")";
    return "Another Kestrivane" + who + " is writing in " + holder.directory + "; try again when it has finished.";
}
std::string DownloadFinished(const std::string& path) { return "Download finished! New " + path + " written..."; }

std::string NewListVersion(const std::string& version) {
    return "New FAKE-DB - Version " + version + " available! Please download it now...";
}

std::string ProgramAlreadyDownloaded(const std::string& display) {
    return "NEWER Kestrivane-Version " + display + " already downloaded .-) Please install it ...";
}

std::string NewProgramVersion(const std::string& display) {
    return "New Kestrivane-Version " + display + " available! Please download it now...";
}

std::string ListNotModified(const std::string& address) {
    return "The fake list at " + address + " has not changed since the last download.";
}

std::string SourcesNotUpdated(const std::string& numbers) {
    return "Not updated: fake list source " + numbers + " (the other sources were updated or are current).";
}

std::string Marked(const std::string& name) { return "Marked as fake in MYFAKES.DAT: " + name; }
std::string Unmarked(const std::string& name) { return "Removed from MYFAKES.DAT: " + name; }
std::string AmuleNotHostPort(const std::string& text) { return "Not a host and port for aMule: " + text; }
std::string AmuleNotConnected(const std::string& why) { return "Could not log in to aMule: " + why + ". Nothing stored."; }
std::string AmuleConnected(const std::string& version) {
    return "Connected to aMule " + version + "; the connection is stored.";
}
std::string AmuleFailed(const std::string& why) { return "aMule: " + why; }
std::string AmulePaused(const std::string& names) { return "Paused in aMule: " + names; }
std::string AmuleResumed(const std::string& names) { return "Resumed in aMule: " + names; }
std::string AmuleCancelled(const std::string& names) { return "Cancelled in aMule: " + names; }
std::string AmuleActFailed(const std::string& name, const std::string& why) {
    return "aMule did not take the command for " + name + ": " + why;
}
std::string AmuleCancelQuestion(const std::string& names) {
    return "Cancel " + names + " in aMule and delete what has arrived?";
}
std::string AmuleLinksAdded(int32_t added, size_t links) {
    return "Clean links added to aMule: " + std::to_string(added) + " of " + std::to_string(links);
}
std::string AmuleLinkRefused(const std::string& name, const std::string& why) {
    return "Not added to aMule: " + name + " (" + why + ")";
}
std::string Allowed(const std::string& name) { return "Recorded as not a fake in MYFAKES.DAT: " + name; }
std::string NotInOwnList(const std::string& name) { return "Your own list MYFAKES.DAT does not name " + name + "."; }

std::string ListLinesCopied(int64_t lines) {
    return DecimalText(lines) + " list line(s) copied to the clipboard.";
}

std::string OwnListExported(int64_t lines, const std::string& path) {
    return DecimalText(lines) + " list line(s) of MYFAKES.DAT written to " + path;
}

// ---- Links checked before downloading ----------------------------------------

std::string LinksFileUnreadable(const std::string& path) { return "Could not read " + path + "."; }

std::string LinksFileTooLarge(const std::string& path, int64_t bytes) {
    return path + " is too large to check for links (" + std::to_string(bytes) + " bytes; at most " +
           std::to_string(kMaxLinkCheckInput >> 20) + " MiB are read).";
}

std::string LinksListUnreadable(const std::string& path) { return "Could not read the fake list " + path + "."; }

}  // namespace kv::msg
