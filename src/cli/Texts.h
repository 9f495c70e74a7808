#pragma once

// Every text the command line writes of its own: errors name commands and
// options, not the window's buttons. Bytes as the core gives them; the caller
// converts them for the terminal. The functions give them in the user's
// language (cli/QmCatalog.h); a constant is the English source, shown through T().

#include <cstdint>
#include <string>

#include "platform/DirectoryLock.h"
#include "common/Translator.h"
#include "usecases/AmuleCheck.h"
#include "usecases/AmuleSession.h"
#include "usecases/Check.h"
#include "usecases/ImportClient.h"
#include "usecases/LinkCheck.h"
#include "usecases/OwnListEdit.h"
#include "usecases/TempDirs.h"
#include "usecases/Transfer.h"

namespace kv::cli::text {

inline constexpr const char* kCheckHead = QT_TRANSLATE_NOOP("Cli", "Partname\tFilename\tError-Description");
inline constexpr const char* kLinkCheckHead = QT_TRANSLATE_NOOP("Cli", "Line\tFilename\tError-Description");
inline constexpr const char* kAppTitle = "Kestrivane";
inline constexpr const char* kHowToGetAList =
    QT_TRANSLATE_NOOP("Cli", "There is no public fake list; to get one, mark fakes yourself ('kestrivane-cli mark'), "
                             "use a group's address ('kestrivane-cli update --url URL') or pass a list file (--fakes "
                             "FILE).");
inline constexpr const char* kNoUpdateAddress =
    QT_TRANSLATE_NOOP("Cli", "No update address is set. There is no public fake list; the content check works "
                             "without one. To get a list, mark fakes yourself ('kestrivane-cli mark'), use a group's "
                             "address ('kestrivane-cli update --url URL') or pass a list file (--fakes FILE).");

inline constexpr const char* kNoEmuleConnection =
    QT_TRANSLATE_NOOP("Cli", "No eMule Web Interface stored: run 'kestrivane-cli emule connect' first.");

inline constexpr const char* kNoAmuleConnection =
    QT_TRANSLATE_NOOP("Cli", "No aMule connection stored: run 'kestrivane-cli amule connect' first.");

std::string CheckFailed(const CheckFailure& failure);
std::string AmuleCheckFailed(const AmuleCheckFailure& failure);
// The same failures of a check of eMule's Web Interface.
std::string EmuleCheckFailed(const AmuleCheckFailure& failure);
std::string TempDirFailed(const TempDirFailure& failure);
std::string LinkCheckFailed(const LinkCheckFailure& failure);
std::string ImportFailed(const ImportFailure& failure, const std::string& settingsPath);
std::string ImportDone(ClientFile file, const std::string& tempDir);
std::string TargetFailed(const TargetFailure& failure, const std::string& target);
std::string OwnListEditFailed(const ListEditFailure& edit);
std::string DirectoryBusy(const LockHolder& holder);
std::string NoListWarning(const std::string& listPath);
// The same for a check that could not read the arrived bytes (aMule on another machine).
std::string NoListNamesOnlyWarning(const std::string& listPath);
// The summary's line for downloads whose bytes are on the aMule machine.
std::string AmuleBytesElsewhere(int32_t downloads);
std::string EmuleBytesElsewhere(int32_t downloads);
// A pause that waits for aMule to answer.
std::string AmulePauseWaiting(const std::string& name, const std::string& why);
inline constexpr const char* kNoListForLinks =
    QT_TRANSLATE_NOOP("Cli", "No fake list loaded: the links were checked by their names and part hashes only.");
inline constexpr const char* kOwnListEmpty =
    QT_TRANSLATE_NOOP("Cli", "Your own fake list MYFAKES.DAT holds no record yet.");
std::string Marked(const std::string& name);
std::string Unmarked(const std::string& name);
std::string Allowed(const std::string& name);
std::string NotInOwnList(const std::string& name);
std::string SearchFinished(int64_t hits, const std::string& text);

// The update as it goes.
inline constexpr const char* kVersionCheckRunning =
    QT_TRANSLATE_NOOP("Cli", "Please wait, version check is running...");
inline constexpr const char* kNewestList = QT_TRANSLATE_NOOP("Cli", "You already have the newest FAKE-DB...");
inline constexpr const char* kOpeningUrl = QT_TRANSLATE_NOOP("Cli", "Opening URL...");
inline constexpr const char* kProxyNotImplemented =
    QT_TRANSLATE_NOOP("Cli", "Proxy Authentication is not implemented yet");
inline constexpr const char* kDownloadBoxTitle = QT_TRANSLATE_NOOP("Cli", "Online-Check/Download not available!");
inline constexpr const char* kUrlNotAvailable =
    QT_TRANSLATE_NOOP("Cli", "The choosen URL is temporary not available. Please try later!");
inline constexpr const char* kListRefusedTitle = QT_TRANSLATE_NOOP("Cli", "Fake list not used");
std::string NewListVersion(const std::string& version);
std::string SourcesNotUpdated(const std::string& numbers);
// A finished transfer's status line; "" for one that says nothing (a quiet success).
std::string TransferStatus(const DownloadResult& result, const std::string& address, const std::string& target,
                           bool quiet);

// What a client (aMule, eMule) did with a download, or why it did not.
std::string ActionDone(AmuleAction action, const std::string& row);
std::string ActionNotDone(AmuleAction action, const std::string& row, const std::string& why);

}  // namespace kv::cli::text
