#include "app/presenter/Messages.h"

#include <QCoreApplication>

#include "platform/DirectoryLock.h"
#include "common/DisplayText.h"
#include "common/StringUtil.h"
#include "common/Version.h"
#include "usecases/LinkCheck.h"

namespace kv::msg {

const Translator& Words() {
    // Without an installed translation Qt gives the source back as it is.
    class QtWords final : public Translator {
        std::string Translate(const char* context, const char* source) const override {
            return QCoreApplication::translate(context, source).toStdString();
        }
    };
    static const QtWords words;
    return words;
}

std::string Word(const char* source, std::initializer_list<std::string_view> parts) {
    return Tr(Words(), "Messages", source, parts);
}

namespace {
std::string W(const char* source, std::initializer_list<std::string_view> parts = {}) { return Word(source, parts); }
// A name or path as the window shows it: another encoding's bytes as their characters.
std::string S(std::string_view bytes) { return ToDisplayUtf8(bytes); }
}  // namespace

std::string TipOfTheDay() { return W(QT_TRANSLATE_NOOP("Messages", "Tip of the day: ALT-F (Check File), CTRL-F (Download Fakes-DB)")); }
std::string NoFakeList() { return W(QT_TRANSLATE_NOOP("Messages", "No FAKES-DB found. Please 'Update DB'.")); }
std::string NoFakeListAddress() {
    return W(QT_TRANSLATE_NOOP("Messages", "There is no public fake list: mark fakes yourself (right-click > Mark as "
                                           "fake...), or set a group's address in Extras > Options."));
}
std::string NoProgramSite() {
    return W(QT_TRANSLATE_NOOP("Messages", "No site to ask for a newer Kestrivane is set: store one as "
                                           "KestrivaneDownloadURL in Kestrivane.ini, or run 'kestrivane-cli update "
                                           "--program --site URL'."));
}
std::string NoFeedbackAddress() {
    return W(QT_TRANSLATE_NOOP("Messages", "No feedback address is set: store one as FeedbackAddress in "
                                           "Kestrivane.ini."));
}
std::string ReadingAndMatching() { return W(QT_TRANSLATE_NOOP("Messages", "Reading *.part.met and matching with FAKE-DB...")); }
std::string NoTempDirSetting() { return W(QT_TRANSLATE_NOOP("Messages", "Error:\r\nNo '[eDonkey] TempPath=' or '[eMule] TempDir='\r\nin Kestrivane.ini found!\r\n\r\nUse Menu 'File, Open ...'")); }
std::string VersionCheckRunning() { return W(QT_TRANSLATE_NOOP("Messages", "Please wait, version check is running...")); }
std::string ProxyNotImplemented() { return W(QT_TRANSLATE_NOOP("Messages", "Proxy Authentication is not implemented yet")); }
std::string NewestList() { return W(QT_TRANSLATE_NOOP("Messages", "You already have the newest FAKE-DB...")); }
std::string NewestProgram() { return W(QT_TRANSLATE_NOOP("Messages", "You already have the newest Kestrivane-Version...")); }
std::string NoSetupFile() { return W(QT_TRANSLATE_NOOP("Messages", "The version record names no usable setup file.")); }
std::string OpeningUrl() { return W(QT_TRANSLATE_NOOP("Messages", "Opening URL...")); }
std::string NoInternet() { return W(QT_TRANSLATE_NOOP("Messages", "Could not connect to the internet")); }
std::string DownloadBoxTitle() { return W(QT_TRANSLATE_NOOP("Messages", "Online-Check/Download not available!")); }
std::string UrlNotAvailable() { return W(QT_TRANSLATE_NOOP("Messages", "The choosen URL is temporary not available. Please try later!")); }
std::string NoPrefMetTemp() { return W(QT_TRANSLATE_NOOP("Messages", "Error: No 'temp!' entry in pref.met found!")); }
std::string NoIniTempDir() { return W(QT_TRANSLATE_NOOP("Messages", "Error: No '[eMule] TempDir=' in preferences.ini found!")); }
std::string PrefMetImported() { return W(QT_TRANSLATE_NOOP("Messages", "eDonkey PREF.MET successfully opened, 'PrefMetPath' and 'TempPath' written to KESTRIVANE.INI")); }
std::string PreferencesIniImported() { return W(QT_TRANSLATE_NOOP("Messages", "eMule PREFERENCES.INI successfully opened, 'PreferencesIniPath' and 'TempDir' written to KESTRIVANE.INI")); }
std::string AmuleConfImported() { return W(QT_TRANSLATE_NOOP("Messages", "aMule AMULE.CONF successfully opened, 'PreferencesIniPath' and 'TempDir' written to KESTRIVANE.INI")); }
std::string LinkOpenFailed() { return W(QT_TRANSLATE_NOOP("Messages", "Errors occurred.  Could not open link.")); }
std::string MailFailed() { return W(QT_TRANSLATE_NOOP("Messages", "What could this error be?")); }
std::string NoUpdateAddress() { return W(QT_TRANSLATE_NOOP("Messages", "No update address is set. There is no public fake list; the content check works without one. "
                     "Mark fakes yourself, or enter a group's update address in Extras > Options.")); }
std::string ListRefusedTitle() { return W(QT_TRANSLATE_NOOP("Messages", "Fake list not used")); }
std::string MarkTitle() { return W(QT_TRANSLATE_NOOP("Messages", "Mark as fake")); }
std::string MarkPrompt() { return W(QT_TRANSLATE_NOOP("Messages", "Why is this download a fake? (kept in your own list MYFAKES.DAT)")); }
std::string AllowTitle() { return W(QT_TRANSLATE_NOOP("Messages", "Not a fake")); }
std::string AllowPrompt() { return W(QT_TRANSLATE_NOOP("Messages", "Why is this download not a fake? (kept in your own list MYFAKES.DAT)")); }
std::string TabStopNotANumber() { return W(QT_TRANSLATE_NOOP("Messages", "A tab stop is a whole number of dialog units, 0 to 32767.")); }
std::string SelectCheckRow() { return W(QT_TRANSLATE_NOOP("Messages", "Select a download in the result of a check first.")); }
std::string NoHashToMark() { return W(QT_TRANSLATE_NOOP("Messages", "This download has no ed2k hash; it cannot be marked.")); }
std::string ExportOwnTitle() { return W(QT_TRANSLATE_NOOP("Messages", "Export my fake list")); }
std::string ExportOverList() { return W(QT_TRANSLATE_NOOP("Messages", "Choose another file: MYFAKES.DAT and FAKES.DAT in the program directory are the lists in use.")); }
std::string OwnListEmpty() { return W(QT_TRANSLATE_NOOP("Messages", "Your own fake list MYFAKES.DAT holds no record yet.")); }
std::string AmuleNoPassword() { return W(QT_TRANSLATE_NOOP("Messages", "Enter the password of aMule's External Connections.")); }
std::string AmuleNoConnection() { return W(QT_TRANSLATE_NOOP("Messages", "No aMule connection stored: enter it in Extras > Options.")); }
std::string AmuleAsking() { return W(QT_TRANSLATE_NOOP("Messages", "Asking aMule for its downloads...")); }
std::string AmuleCancelTitle() { return W(QT_TRANSLATE_NOOP("Messages", "Cancel in aMule")); }
std::string AmuleNoConf() { return W(QT_TRANSLATE_NOOP("Messages", "No amule.conf found in ~/.aMule.")); }
std::string AmuleNotAccepting() { return W(QT_TRANSLATE_NOOP("Messages", "aMule does not accept External Connections: turn on remote controls in aMule's preferences.")); }
std::string CheckLinksTitle() { return W(QT_TRANSLATE_NOOP("Messages", "Check ed2k links")); }
std::string NoListForLinks() { return W(QT_TRANSLATE_NOOP("Messages", "No fake list loaded: the links were checked by their names and part hashes only.")); }
std::string OpenLinksTitle() { return W(QT_TRANSLATE_NOOP("Messages", "Open ed2k links or an eMule collection")); }
std::string NoLinksPasted() { return W(QT_TRANSLATE_NOOP("Messages", "Paste ed2k or magnet links (or any text holding them) first.")); }
std::string FirstStartTitle() { return W(QT_TRANSLATE_NOOP("Messages", "Welcome to Kestrivane")); }
std::string FirstStartFakeList() { return W(QT_TRANSLATE_NOOP("Messages", "Kestrivane compares every unfinished download of your eMule, aMule or eDonkey client with fake lists: "
                     "files of ed2k hashes found to be fakes (a trailer, an advertisement, another film). "
                     "There is no public fake list, and the content check below works without one. To have a list, mark the "
                     "fakes you find yourself (right click on a row, 'Mark as fake'), or, if a group you belong to keeps a list, "
                     "enter its update address in the field below. The field may stay empty.")); }
std::string FirstStartContentCheck() { return W(QT_TRANSLATE_NOOP("Messages", "Without a list the check still looks at the first bytes each download has received and marks what does "
                     "not match its name as \"Suspect: ...\".")); }
std::string FirstStartClients() { return W(QT_TRANSLATE_NOOP("Messages", "Client settings found on this computer (the check reads its temp directory):")); }
std::string FirstStartNoClient() { return W(QT_TRANSLATE_NOOP("Messages", "None of these: I will choose the file later (File, Open eMule / Open eDonkey)")); }
std::string FirstStartNoneFound() { return W(QT_TRANSLATE_NOOP("Messages", "No client settings found in ~/.aMule or the Wine prefix ~/.wine. Choose the file later with File, Open eMule "
                     "or Open eDonkey.")); }
std::string FirstStartUpdateAddress() { return W(QT_TRANSLATE_NOOP("Messages", "Update address of a group's fake list (optional):")); }
std::string OptionsTempDir() { return W(QT_TRANSLATE_NOOP("Messages", " Temp directory of the client:")); }
std::string OptionsBrowse() { return W(QT_TRANSLATE_NOOP("Messages", "&Browse...")); }
std::string OptionsChooseTempDir() { return W(QT_TRANSLATE_NOOP("Messages", "Choose the client's temp directory")); }

std::string CheckHead() {
    return W(QT_TRANSLATE_NOOP("Messages", "Partname")) + "\t" + W(QT_TRANSLATE_NOOP("Messages", "Filename")) + "\t" +
           W(QT_TRANSLATE_NOOP("Messages", "Error-Description"));
}
std::string AmuleStateHead() { return W(QT_TRANSLATE_NOOP("Messages", "In aMule")); }
std::string SearchHead() {
    return W(QT_TRANSLATE_NOOP("Messages", "Partname")) + "\t" + W(QT_TRANSLATE_NOOP("Messages", "Filename"));
}

std::string VersionWithLeadingBlank() {
    return DecimalText(kVersionMajor, true) + "." + DecimalText(kVersionMinor) + "." + DecimalText(kVersionRevision);
}

std::string VersionText() { return "Kestrivane Version" + VersionWithLeadingBlank(); }

std::string ListCaption(int64_t records) {
    return W(QT_TRANSLATE_NOOP("Messages", "Kestrivane Version%1 / Total %2 Fakes in DB"),
             {VersionWithLeadingBlank(), DecimalText(records, true)});
}

std::string ListFileMissing(const std::string& path) {
    return W(QT_TRANSLATE_NOOP("Messages", "File %1 not found! Please download FAKE-DB!"), {S(path)});
}

std::string SkippedListLine(int32_t index, const std::string& line) {
    return "Fehler in der FAKES.DAT, Linie" + DecimalText(index) + "\r\nEingelesene Zeile:\r\n" + S(line);
}

std::string TempDirMissing(const std::string& path) {
    return W(QT_TRANSLATE_NOOP("Messages", "Temp directory %1 not found!"), {S(path)});
}
std::string TempDirUnreadable(const std::string& path, const std::string& cause) {
    return W(QT_TRANSLATE_NOOP("Messages", "Cannot read the temp directory %1: %2."), {S(path), S(cause)});
}
std::string ListUnreadable(const std::string& path, const std::string& cause) {
    if (cause.empty()) return W(QT_TRANSLATE_NOOP("Messages", "Could not read the fake list %1."), {S(path)});
    return W(QT_TRANSLATE_NOOP("Messages", "Could not read the fake list %1: %2."), {S(path), S(cause)});
}

std::string SearchFinished(int64_t hits, const std::string& text) {
    return W(QT_TRANSLATE_NOOP("Messages", "Finished! Found %1 part.met-File with Text '%2'"),
             {DecimalText(hits), S(text)});
}

std::string Reading(int64_t bytes) {
    return W(QT_TRANSLATE_NOOP("Messages", "Reading: %1 Bytes. Please wait..."), {DecimalText(bytes)});
}
std::string CouldNotOpen(const std::string& address) {
    return W(QT_TRANSLATE_NOOP("Messages", "Could not open file %1."), {S(address)});
}
std::string Interrupted(const std::string& address) {
    return W(QT_TRANSLATE_NOOP("Messages", "Download of %1 was interrupted."), {S(address)});
}
std::string NotAvailable(const std::string& address) {
    return W(QT_TRANSLATE_NOOP("Messages", "File actually not available: %1"), {S(address)});
}
std::string CouldNotWrite(const std::string& path) {
    return W(QT_TRANSLATE_NOOP("Messages", "Could not write file %1."), {S(path)});
}
std::string DirectoryBusy(const LockHolder& holder) {
    std::string who;
    if (!holder.program.empty() && holder.pid > 0) who = " (" + S(holder.program) + ", pid " + std::to_string(holder.pid) + ")";
    else if (holder.pid > 0) who = " (pid " + std::to_string(holder.pid) + ")";
    return W(QT_TRANSLATE_NOOP("Messages", "Another Kestrivane%1 is writing in %2; try again when it has finished."),
             {who, S(holder.directory)});
}
std::string DownloadFinished(const std::string& path) {
    return W(QT_TRANSLATE_NOOP("Messages", "Download finished! New %1 written..."), {S(path)});
}

std::string NewListVersion(const std::string& version) {
    return W(QT_TRANSLATE_NOOP("Messages", "New FAKE-DB - Version %1 available! Please download it now..."),
             {S(version)});
}

std::string ProgramAlreadyDownloaded(const std::string& display) {
    return W(QT_TRANSLATE_NOOP("Messages", "NEWER Kestrivane-Version %1 already downloaded .-) Please install it ..."),
             {S(display)});
}

std::string NewProgramVersion(const std::string& display) {
    return W(QT_TRANSLATE_NOOP("Messages", "New Kestrivane-Version %1 available! Please download it now..."),
             {S(display)});
}

std::string ListNotModified(const std::string& address) {
    return W(QT_TRANSLATE_NOOP("Messages", "The fake list at %1 has not changed since the last download."),
             {S(address)});
}

std::string SourcesNotUpdated(const std::string& numbers) {
    return W(QT_TRANSLATE_NOOP("Messages",
                               "Not updated: fake list source %1 (the other sources were updated or are current)."),
             {numbers});
}

std::string Marked(const std::string& name) {
    return W(QT_TRANSLATE_NOOP("Messages", "Marked as fake in MYFAKES.DAT: %1"), {S(name)});
}
std::string Unmarked(const std::string& name) {
    return W(QT_TRANSLATE_NOOP("Messages", "Removed from MYFAKES.DAT: %1"), {S(name)});
}
std::string Allowed(const std::string& name) {
    return W(QT_TRANSLATE_NOOP("Messages", "Recorded as not a fake in MYFAKES.DAT: %1"), {S(name)});
}
std::string NotInOwnList(const std::string& name) {
    return W(QT_TRANSLATE_NOOP("Messages", "Your own list MYFAKES.DAT does not name %1."), {S(name)});
}
std::string ListLinesCopied(int64_t lines) {
    return W(QT_TRANSLATE_NOOP("Messages", "%1 list line(s) copied to the clipboard."), {DecimalText(lines)});
}
std::string OwnListExported(int64_t lines, const std::string& path) {
    return W(QT_TRANSLATE_NOOP("Messages", "%1 list line(s) of MYFAKES.DAT written to %2"),
             {DecimalText(lines), S(path)});
}

std::string AmuleNotHostPort(const std::string& text) {
    return W(QT_TRANSLATE_NOOP("Messages", "Not a host and port for aMule: %1"), {S(text)});
}
std::string AmuleNotConnected(const std::string& why) {
    return W(QT_TRANSLATE_NOOP("Messages", "Could not log in to aMule: %1. Nothing stored."), {S(why)});
}
std::string AmuleConnected(const std::string& version) {
    return W(QT_TRANSLATE_NOOP("Messages", "Connected to aMule %1; the connection is stored."), {S(version)});
}
std::string AmuleFailed(const std::string& why) { return W(QT_TRANSLATE_NOOP("Messages", "aMule: %1"), {S(why)}); }
std::string AmulePaused(const std::string& names) {
    return W(QT_TRANSLATE_NOOP("Messages", "Paused in aMule: %1"), {S(names)});
}
std::string AmuleResumed(const std::string& names) {
    return W(QT_TRANSLATE_NOOP("Messages", "Resumed in aMule: %1"), {S(names)});
}
std::string AmuleCancelled(const std::string& names) {
    return W(QT_TRANSLATE_NOOP("Messages", "Cancelled in aMule: %1"), {S(names)});
}
std::string AmuleCheckedElsewhere(int32_t found, int32_t suspects, int32_t checked, int32_t notInspected) {
    return W(QT_TRANSLATE_NOOP("Messages", "Finished! Found %1 Fakes and %2 Suspects in %3 downloads of aMule; %4 not "
                                           "inspected: their data is on the aMule machine. Run Kestrivane beside aMule "
                                           "to inspect them."),
             {std::to_string(found), std::to_string(suspects), std::to_string(checked), std::to_string(notInspected)});
}
std::string AmuleActFailed(const std::string& name, const std::string& why) {
    return W(QT_TRANSLATE_NOOP("Messages", "aMule did not take the command for %1: %2"), {S(name), S(why)});
}
std::string AmuleCancelQuestion(const std::string& names) {
    return W(QT_TRANSLATE_NOOP("Messages", "Cancel %1 in aMule and delete what has arrived?"), {S(names)});
}
std::string AmuleNeverAgainQuestion(const std::string& names) {
    return W(QT_TRANSLATE_NOOP("Messages", "And never download %1 again? Its hash goes into your own list, and the "
                                           "guard cancels it whenever it comes back, under any name."),
             {S(names)});
}
std::string AmuleKeptOut(const std::string& names) {
    return W(QT_TRANSLATE_NOOP("Messages", "Cancelled in aMule and kept out for good: %1"), {S(names)});
}
std::string AmuleLinksAdded(int32_t added, size_t links) {
    return W(QT_TRANSLATE_NOOP("Messages", "Clean links added to aMule: %1 of %2"),
             {std::to_string(added), std::to_string(links)});
}
std::string AmuleLinkRefused(const std::string& name, const std::string& why) {
    return W(QT_TRANSLATE_NOOP("Messages", "Not added to aMule: %1 (%2)"), {S(name), S(why)});
}

// ---- Links checked before downloading ----------------------------------------

std::string LinksFileUnreadable(const std::string& path) {
    return W(QT_TRANSLATE_NOOP("Messages", "Could not read %1."), {S(path)});
}

std::string LinksFileTooLarge(const std::string& path, int64_t bytes) {
    return W(QT_TRANSLATE_NOOP("Messages", "%1 is too large to check for links (%2 bytes; at most %3 MiB are read)."),
             {S(path), std::to_string(bytes), std::to_string(kMaxLinkCheckInput >> 20)});
}

std::string LinksListUnreadable(const std::string& path) {
    return W(QT_TRANSLATE_NOOP("Messages", "Could not read the fake list %1."), {S(path)});
}

}  // namespace kv::msg
