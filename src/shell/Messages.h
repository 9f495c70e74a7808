#pragma once

#include <cstdint>
#include <string>

// Every text the user sees, verbatim, spelling and spacing included: stored
// settings, published lists and users' habits depend on them.
namespace kv::msg {

inline constexpr const char* kAppTitle = "Kestrivane";
inline constexpr const char* kTipOfTheDay = "Tip of the day: ALT-F (Check File), CTRL-F (Download Fakes-DB)";
inline constexpr const char* kNoFakeList = "No FAKES-DB found. Please 'Update DB'.";
inline constexpr const char* kReadingAndMatching = "Reading *.part.met and matching with FAKE-DB...";
inline constexpr const char* kOkDescription = "*** OK ";
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
std::string CheckFinished(int32_t found, int32_t checked);
std::string SearchFinished(int64_t hits, const std::string& text);

std::string Reading(int64_t bytes);
std::string CouldNotOpen(const std::string& address);
std::string Interrupted(const std::string& address);
std::string NotAvailable(const std::string& address);
std::string CouldNotWrite(const std::string& path);
std::string DownloadFinished(const std::string& path);
std::string NewListVersion(const std::string& version);
std::string ProgramAlreadyDownloaded(const std::string& display);
std::string NewProgramVersion(const std::string& display);

}  // namespace kv::msg

// The first-start dialog.
namespace kv::msg {

inline constexpr const char* kFirstStartTitle = "Welcome to Kestrivane";
inline constexpr const char* kFirstStartFakeList =
    "Kestrivane compares every unfinished download of your eMule, aMule or eDonkey client with a fake list: "
    "a file of ed2k hashes that other users have found to be fakes (a trailer, an advertisement, another film). "
    "The list is fetched from the update address below with 'Update DB' and kept up to date from there.";
inline constexpr const char* kFirstStartContentCheck =
    "Without a list the check still looks at the first bytes each download has received and marks what does "
    "not match its name as \"Suspect: ...\".";
inline constexpr const char* kFirstStartClients = "Client settings found on this computer (the check reads its temp directory):";
inline constexpr const char* kFirstStartNoClient = "None of these: I will choose the file later (File, Open eMule / Open eDonkey)";
inline constexpr const char* kFirstStartNoneFound =
    "No client settings found in ~/.aMule or the Wine prefix ~/.wine. Choose the file later with File, Open eMule "
    "or Open eDonkey.";
inline constexpr const char* kFirstStartUpdateAddress = "Update address of the fake list:";

// The options dialog's temp directory.
inline constexpr const char* kOptionsTempDir = " Temp directory of the client:";
inline constexpr const char* kOptionsBrowse = "&Browse...";
inline constexpr const char* kOptionsChooseTempDir = "Choose the client's temp directory";

}  // namespace kv::msg
