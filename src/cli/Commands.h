#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "common/Paths.h"
#include "platform/DesktopNotifier.h"
#include "usecases/Notify.h"

namespace kv::cli {

// Exit statuses of every command.
inline constexpr int kExitOk = 0;        // no fake found, search hits, update done
inline constexpr int kExitFound = 1;     // fakes or suspects found; a search without hits
inline constexpr int kExitError = 2;     // the operation could not run, usage errors
inline constexpr int kExitUpdateFailedFound = 3;  // check --update: the update failed, the local list found fakes or suspects

enum class CheckFormat { Rows, Links, Html, Json };

struct CheckArgs {
    std::string tempDir;           // "" = from the settings
    std::string fakesFile;         // "" = FAKES.DAT in the program directory
    std::optional<bool> showAll;   // unset = "ShowAllPartMet"
    CheckFormat format = CheckFormat::Rows;
    bool update = false;           // update the fake list first
    bool inspect = true;           // inspect names and arrived bytes
    bool noHeader = false;         // rows without the two head rows
    bool amule = false;            // the downloads aMule reports over its connection
    bool emule = false;            // the downloads eMule's Web Interface lists
    bool pauseFakes = false;       // with amule or emule: pause every listed fake and suspect
};

struct UpdateArgs {
    std::string url;  // "" = the stored update address; else stored as the new one once it served
    bool program = false;  // look for a newer Kestrivane instead
    std::string site;      // with program: the site to try; stored once it served
};

struct SearchArgs {
    std::string tempDir;
    bool json = false;
    std::string text;
};

// mark / unmark: a download of the temp directory (001.part or 001.part.met) or a hash.
struct MarkArgs {
    std::string target;            // PART or HASH
    std::string reason;            // mark: the description
    std::optional<uint64_t> size;  // mark with a HASH: the size field
    std::string tempDir;           // "" = from the settings
};

struct ExportArgs {
    bool own = false;    // the own list instead of the fakes the check finds
    std::string file;    // "" or "-" = standard output
    std::string tempDir;
};

struct WatchArgs {
    std::string tempDir;    // "" = from the settings
    std::string fakesFile;  // "" = FAKES.DAT in the program directory
    bool json = false;      // one JSON object per line
    std::string exec;       // a command run for each finding ("" = none)
    int execTimeoutSeconds = 60;  // a command running longer is ended
    bool amulePause = false;      // pause each new fake and suspect in aMule (--amule --pause-fakes)
    bool amule = false;           // act in the aMule of `amule connect`; its queue is followed where its temp directory is not here
    bool guard = false;           // keep fakes out of aMule for good (--guard)
    bool cancelFakes = false;     // the guard cancels fakes rather than pausing them
    bool guardSuspects = false;   // the guard acts on suspects too
    std::string notifyUrl;        // each finding and guard action posted there as JSON ("" = none)
    bool notifyDesktop = false;   // and shown on the desktop
};

// Where a command writes and how much.
struct Output {
    std::ostream& out;
    std::ostream& err;
    bool quiet = false;     // errors only on err
    bool terminal = false;  // err is a terminal: transfers show one updating line
};

// Each command works on the settings and data directories dirs and returns the exit status.
int RunCheck(const HomeDirs& dirs, const CheckArgs& args, const Output& o);
int RunUpdate(const HomeDirs& dirs, const UpdateArgs& args, const Output& o);
int RunImport(const HomeDirs& dirs, const std::string& file, const Output& o);
// Imports the first client preference file found under home that names a temp directory.
int RunImportDetected(const HomeDirs& dirs, const std::string& home, const Output& o);
int RunSearch(const HomeDirs& dirs, const SearchArgs& args, const Output& o);
// Stays running and reports each new fake or suspect download once; ends with
// kExitOk on SIGINT or SIGTERM; SIGHUP reads the settings and lists again.
int RunWatchCommand(const HomeDirs& dirs, const WatchArgs& args, const Output& o);

// Where findings and the guard's actions are told beside the terminal (watch, serve):
// posted to --notify-url from a thread of its own (a notice given up is said on o.err),
// shown on the desktop with --notify-desktop (no desktop: said once). Never waits.
class Notices {
public:
    Notices(const std::string& url, bool desktop, const Output& o);
    ~Notices();
    Notices(const Notices&) = delete;
    Notices& operator=(const Notices&) = delete;
    bool Any() const { return hook_ || desktop_; }
    void Post(const FakeNotice& notice);

private:
    static std::string Summary(const FakeNotice& notice);
    std::optional<WebHook> hook_;
    std::optional<DesktopNotifier> desktop_;
};
// 0 marked; 2 no such download, no hash, or the own list could not be written.
int RunMark(const HomeDirs& dirs, const MarkArgs& args, const Output& o);
// 0 removed; 1 the own list does not name it; 2 as mark.
int RunUnmark(const HomeDirs& dirs, const MarkArgs& args, const Output& o);
// 0 recorded as not a fake; 2 as mark.
int RunAllow(const HomeDirs& dirs, const MarkArgs& args, const Output& o);
// 0 lines written; 1 nothing to export (no file written); 2 the check could not run or the file not be written.
int RunExport(const HomeDirs& dirs, const ExportArgs& args, const Output& o);

// ---- links: links checked before downloading -------------------------------------
enum class LinksFormat { Rows, Links, Json };

struct LinksArgs {
    std::string file;        // "" or "-" = standard input
    std::string fakesFile;   // "" = FAKES.DAT in the program directory
    bool showAll = true;     // false: fakes and suspects only
    LinksFormat format = LinksFormat::Rows;
};

// Exit status 1 when a fake or a suspect link is listed; malformed links are
// reported (standard error, JSON) without failing the run.
int RunLinks(const HomeDirs& dirs, const LinksArgs& args, std::istream& in, const Output& o);

}  // namespace kv::cli
