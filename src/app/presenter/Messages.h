#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include <initializer_list>
#include <string_view>

#include "common/Translator.h"

// Every text of the window's logic, verbatim, spelling and spacing included
// (stored settings, published lists and users' habits depend on them), worded
// here in the installed translation. Names, paths and figures are put in as
// they are shown (bytes of another encoding as their characters).
namespace kv {
struct LockHolder;
struct Finding;
}

namespace kv::msg {

// The installed translation (Qt's), for the shared verdicts and the texts below.
const Translator& Words();
// A text of context "Messages", marked with QT_TRANSLATE_NOOP where it is
// written, in the installed translation with its parts filled in as shown.
std::string Word(const char* source, std::initializer_list<std::string_view> parts = {});

inline constexpr const char* kAppTitle = "Kestrivane";
std::string TipOfTheDay();
std::string NoFakeList();
std::string NoFakeListAddress();  // where a list comes from when no update address is set
std::string NoProgramSite();
std::string NoFeedbackAddress();
std::string ReadingAndMatching();
std::string CheckHead();  // the column heads, TAB-separated
std::string AmuleStateHead();  // the head of an aMule list's column for aMule's state
std::string SearchHead();  // the column heads, TAB-separated
std::string NoTempDirSetting();

std::string VersionCheckRunning();
std::string ProxyNotImplemented();
std::string NewestList();
std::string NewestProgram();
std::string NoSetupFile();
std::string OpeningUrl();
std::string NoInternet();
std::string DownloadBoxTitle();
std::string UrlNotAvailable();


std::string NoPrefMetTemp();
std::string NoIniTempDir();
std::string PrefMetImported();
std::string PreferencesIniImported();
std::string AmuleConfImported();

std::string LinkOpenFailed();
std::string MailFailed();

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
std::string NoUpdateAddress();
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
std::string ListRefusedTitle();
std::string MarkTitle();
std::string MarkPrompt();
std::string AllowTitle();
std::string AllowPrompt();
std::string TabStopNotANumber();
std::string SelectCheckRow();
std::string NoHashToMark();
std::string ExportOwnTitle();
std::string ExportOverList();
std::string OwnListEmpty();
std::string ListNotModified(const std::string& address);
std::string SourcesNotUpdated(const std::string& numbers);
std::string Marked(const std::string& name);
std::string Unmarked(const std::string& name);
std::string Allowed(const std::string& name);
std::string NotInOwnList(const std::string& name);
std::string ListLinesCopied(int64_t lines);
std::string OwnListExported(int64_t lines, const std::string& path);

// ---- aMule reached over its External Connections
std::string AmuleNoPassword();
std::string AmuleNoConnection();
std::string AmuleAsking();
std::string AmuleCancelTitle();
std::string AmuleNoConf();
std::string AmuleNotAccepting();
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
std::string AmuleNeverAgainQuestion(const std::string& names);
std::string AmuleKeptOut(const std::string& names);
std::string AmuleLinksAdded(int32_t added, size_t links);
std::string AmuleLinkRefused(const std::string& name, const std::string& why);

// ---- Links checked before downloading ----------------------------------------
std::string CheckLinksTitle();
std::string NoListForLinks();
std::string OpenLinksTitle();
std::string NoLinksPasted();

std::string LinksFileUnreadable(const std::string& path);
std::string LinksFileTooLarge(const std::string& path, int64_t bytes);
std::string LinksListUnreadable(const std::string& path);

}  // namespace kv::msg

// The first-start dialog.
namespace kv::msg {

std::string FirstStartTitle();
std::string FirstStartFakeList();
std::string FirstStartContentCheck();
std::string FirstStartClients();
std::string FirstStartNoClient();
std::string FirstStartNoneFound();
std::string FirstStartUpdateAddress();

// The options dialog's temp directory.
std::string OptionsTempDir();
std::string OptionsBrowse();
std::string OptionsChooseTempDir();

}  // namespace kv::msg
