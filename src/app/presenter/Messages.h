#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "usecases/ReportText.h"

// Every text the user sees, verbatim, spelling and spacing included: stored
// settings, published lists and users' habits depend on them.
namespace kv {
struct LockHolder;
struct Finding;
}

namespace kv::msg {

inline constexpr const char* kAppTitle = "Kestrivane";
inline constexpr const char* kTipOfTheDay = "Tip of the day: ALT-F (Check File), CTRL-F (Download Fakes-DB)";
inline constexpr const char* kNoFakeList = "No FAKES-DB found. Please 'Update DB'.";
inline constexpr const char* kReadingAndMatching = "Reading *.part.met and matching with FAKE-DB...";
inline constexpr const char* kCheckHead = "Partname\tFilename\tError-Description";
inline constexpr const char* kSearchHead = "Partname\tFilename";
inline constexpr const char* kNoTempDirSetting =
    "Error:\r\nNo '[eDonkey] TempPath=' or '[eMule] TempDir='\r\nin Kestrivane.ini found!\r\n\r\nUse Menu 'File, Open ...'";

inline constexpr const char* kVersionCheckRunning = "Please wait, version check is running...";
inline constexpr const char* kProxyNotImplemented = "Proxy Authentication is not implemented yet";
inline constexpr const char* kNewestList = "You already have the newest FAKE-DB...";
inline constexpr const char* kNewestProgram = "You already have the newest Kestrivane-Version...";
inline constexpr const char* kNoSetupFile = "The version record names no usable setup file.";
inline constexpr const char* kOpeningUrl = "Opening URL...";
inline constexpr const char* kNoInternet = "Could not connect to the internet";
inline constexpr const char* kDownloadBoxTitle = "Online-Check/Download not available!";
inline constexpr const char* kUrlNotAvailable = "The choosen URL is temporary not available. Please try later!";
inline constexpr const char* kProxyRequired = "Proxy Authentication Required";

inline constexpr const char* kNoPrefMetTemp = "Error: No 'temp!' entry in pref.met found!";
inline constexpr const char* kNoIniTempDir = "Error: No '[eMule] TempDir=' in preferences.ini found!";
inline constexpr const char* kPrefMetImported =
    "eDonkey PREF.MET successfully opened, 'PrefMetPath' and 'TempPath' written to KESTRIVANE.INI";
inline constexpr const char* kPreferencesIniImported =
    "eMule PREFERENCES.INI successfully opened, 'PreferencesIniPath' and 'TempDir' written to KESTRIVANE.INI";
inline constexpr const char* kAmuleConfImported =
    "aMule AMULE.CONF successfully opened, 'PreferencesIniPath' and 'TempDir' written to KESTRIVANE.INI";

inline constexpr const char* kLinkOpenFailed = "Errors occurred.  Could not open link.";
inline constexpr const char* kMailFailed = "What could this error be?";

// "Kestrivane Version 1.0.0"
std::string VersionText();
// " 1.0.0": the major number with the blank of its sign position.
std::string VersionWithLeadingBlank();

std::string ListCaption(int64_t records);  // VersionText() + " / Total  N Fakes in DB"
std::string ListFileMissing(const std::string& path);
std::string SkippedListLine(int32_t index, const std::string& line);
std::string TempDirMissing(const std::string& path);
std::string TempDirUnreadable(const std::string& path, const std::string& cause);
std::string ListUnreadable(const std::string& path, const std::string& cause);
std::string SearchFinished(int64_t hits, const std::string& text);

std::string Reading(int64_t bytes);
std::string CouldNotOpen(const std::string& address);
inline constexpr const char* kNoUpdateAddress =
    "No update address is set. There is no public fake list; the content check works without one. "
    "Mark fakes yourself, or enter a group's update address in Extras > Options.";
std::string Interrupted(const std::string& address);
std::string NotAvailable(const std::string& address);
std::string CouldNotWrite(const std::string& path);
// Another process holds the program directory's lock for longer than a writer waits.
std::string DirectoryBusy(const LockHolder& holder);
std::string DownloadFinished(const std::string& path);
std::string NewListVersion(const std::string& version);
std::string ProgramAlreadyDownloaded(const std::string& display);
std::string NewProgramVersion(const std::string& display);

// Fake lists: checked before they replace one, the user's own list, several sources.
inline constexpr const char* kListRefusedTitle = "Fake list not used";
inline constexpr const char* kMarkTitle = "Mark as fake";
inline constexpr const char* kMarkPrompt = "Why is this download a fake? (kept in your own list MYFAKES.DAT)";
inline constexpr const char* kAllowTitle = "Not a fake";
inline constexpr const char* kAllowPrompt = "Why is this download not a fake? (kept in your own list MYFAKES.DAT)";
inline constexpr const char* kTabStopNotANumber = "A tab stop is a whole number of dialog units, 0 to 32767.";
inline constexpr const char* kSelectCheckRow = "Select a download in the result of a check first.";
inline constexpr const char* kNoHashToMark = "This download has no ed2k hash; it cannot be marked.";
inline constexpr const char* kExportOwnTitle = "Export my fake list";
inline constexpr const char* kExportOverList =
    "Choose another file: MYFAKES.DAT and FAKES.DAT in the program directory are the lists in use.";
inline constexpr const char* kOwnListEmpty = "Your own fake list MYFAKES.DAT holds no record yet.";
std::string ListNotModified(const std::string& address);
std::string SourcesNotUpdated(const std::string& numbers);
std::string Marked(const std::string& name);
std::string Unmarked(const std::string& name);
std::string Allowed(const std::string& name);
std::string NotInOwnList(const std::string& name);
std::string ListLinesCopied(int64_t lines);
std::string OwnListExported(int64_t lines, const std::string& path);

// ---- aMule reached over its External Connections
inline constexpr const char* kAmuleNoPassword = "Enter the password of aMule's External Connections.";
inline constexpr const char* kAmuleNoConnection = "No aMule connection stored: enter it in Extras > Options.";
inline constexpr const char* kAmuleAsking = "Asking aMule for its downloads...";
inline constexpr const char* kAmuleCancelTitle = "Cancel in aMule";
inline constexpr const char* kAmuleNoConf = "No amule.conf found in ~/.aMule.";
inline constexpr const char* kAmuleNotAccepting =
    "aMule does not accept External Connections: turn on remote controls in aMule's preferences.";
std::string AmuleNotHostPort(const std::string& text);
std::string AmuleNotConnected(const std::string& why);
std::string AmuleConnected(const std::string& version);
std::string AmuleFailed(const std::string& why);
// A check of a remote aMule, whose arrived bytes could not be read here.
std::string AmuleCheckedElsewhere(int32_t found, int32_t suspects, int32_t checked, int32_t notInspected);
std::string AmulePaused(const std::string& names);
std::string AmuleResumed(const std::string& names);
std::string AmuleCancelled(const std::string& names);
std::string AmuleActFailed(const std::string& name, const std::string& why);
std::string AmuleCancelQuestion(const std::string& names);
std::string AmuleLinksAdded(int32_t added, size_t links);
std::string AmuleLinkRefused(const std::string& name, const std::string& why);

// ---- Links checked before downloading ----------------------------------------
inline constexpr const char* kCheckLinksTitle = "Check ed2k links";
inline constexpr const char* kLinkCheckHead = "Line\tFilename\tError-Description";
inline constexpr const char* kNoListForLinks =
    "No fake list loaded: the links were checked by their names and part hashes only.";
inline constexpr const char* kOpenLinksTitle = "Open ed2k links or an eMule collection";
inline constexpr const char* kNoLinksPasted = "Paste ed2k or magnet links (or any text holding them) first.";

std::string LinksFileUnreadable(const std::string& path);
std::string LinksFileTooLarge(const std::string& path, int64_t bytes);
std::string LinksListUnreadable(const std::string& path);

}  // namespace kv::msg

// The first-start dialog.
namespace kv::msg {

inline constexpr const char* kFirstStartTitle = "Welcome to Kestrivane";
inline constexpr const char* kFirstStartFakeList =
    "Kestrivane compares every unfinished download of your eMule, aMule or eDonkey client with fake lists: "
    "files of ed2k hashes found to be fakes (a trailer, an advertisement, another film). "
    "There is no public fake list, and the content check below works without one. To have a list, mark the "
    "fakes you find yourself (right click on a row, 'Mark as fake'), or, if a group you belong to keeps a list, "
    "enter its update address in the field below. The field may stay empty.";
inline constexpr const char* kFirstStartContentCheck =
    "Without a list the check still looks at the first bytes each download has received and marks what does "
    "not match its name as \"Suspect: ...\".";
inline constexpr const char* kFirstStartClients = "Client settings found on this computer (the check reads its temp directory):";
inline constexpr const char* kFirstStartNoClient = "None of these: I will choose the file later (File, Open eMule / Open eDonkey)";
inline constexpr const char* kFirstStartNoneFound =
    "No client settings found in ~/.aMule or the Wine prefix ~/.wine. Choose the file later with File, Open eMule "
    "or Open eDonkey.";
inline constexpr const char* kFirstStartUpdateAddress = "Update address of a group's fake list (optional):";

// The options dialog's temp directory.
inline constexpr const char* kOptionsTempDir = " Temp directory of the client:";
inline constexpr const char* kOptionsBrowse = "&Browse...";
inline constexpr const char* kOptionsChooseTempDir = "Choose the client's temp directory";

}  // namespace kv::msg
