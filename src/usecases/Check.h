#pragma once

#include <cstdint>
#include <expected>
#include <string>
#include <vector>

#include "ed2k/Download.h"
#include "lists/FakeCatalogue.h"
#include "clients/TempDir.h"
#include "inspect/Inspect.h"
#include "usecases/Lists.h"
#include "usecases/Verdict.h"

namespace kv {

// Why a .met file told nothing.
// DirectoryUnlisted: a further temp directory that could not be listed (its row's part is the directory).
enum class ReadProblem { None, Unreadable, TooLarge, NoDownload, DirectoryUnlisted };

// What the check says about one download.
struct Finding {
    std::string part;            // the .met name without its last 4 characters (a further temp directory's: its path too)
    Download download;
    Verdict verdict;             // by the lists, the name, the part hashes and the first bytes
    std::optional<inspect::Suspicion> inspected;  // what the detectors said, before the lists had their say
    ReadProblem problem = ReadProblem::None;
    bool fromBackup = false;  // read from the client's backup copy: the .part.met was missing
    // The arrived bytes are on another machine (a remote aMule): judged by the
    // name and the lists only, so never called OK.
    bool bytesElsewhere = false;
};

struct CheckReport {
    std::vector<Finding> listed;  // in list order
    int32_t found = 0;            // fakes
    int32_t suspects = 0;         // suspects that no list names
    int32_t checked = 0;          // .met files read and looked up
    int32_t unreadable = 0;       // .met files that told nothing (always listed)
    bool cancelled = false;       // stopped midway: the counts cover the downloads read until then
};

struct CheckRules {
    bool listAll = false;  // list the downloads that are neither fake nor suspect too
    bool inspect = true;   // look at names, part hashes and the arrived bytes
};

// Told of each listed finding as soon as it is known, so that a long check can be shown as it runs.
class CheckProgress {
public:
    virtual ~CheckProgress() = default;
    // The lists are loaded and the check will run (the temp directory is listed next).
    virtual void ListsLoaded(const kv::ListsLoaded& lists) { (void)lists; }
    // The directory is listed: reading starts.
    virtual void Started() {}
    virtual void Listed(const Finding& finding) = 0;
    // An observer that keeps the rows itself takes each finding over instead
    // of Listed: the report then holds the counts only, not a second copy.
    virtual bool TakesFindings() const { return false; }
    virtual void Take(Finding&& finding) { Listed(finding); }
    // Asked before each download: true stops the check there (report.cancelled).
    virtual bool Cancelled() const { return false; }
};

// Reads every .met file of dir (and of its further directories), looks its
// hash up in fakes and, by the rules, inspects what has arrived. Fakes and suspects are always listed, the other
// downloads when rules.listAll.
[[nodiscard]] CheckReport CheckDownloads(const TempDir& dir, const FakeCatalogue& fakes, const CheckRules& rules,
                           CheckProgress* progress = nullptr);

// One download: reads dir/metFile, looks its hash up in fakes and, by the
// rules, inspects it. partDir as for a further temp directory ("" for the first).
[[nodiscard]] Finding CheckOneDownload(const std::string& dir, const std::string& metFile, const std::string& partDir,
                         const FakeCatalogue& fakes, const CheckRules& rules);
// The finding's verdict as fakes name its hash now, from what the detectors said.
void JudgeByLists(Finding& finding, const FakeCatalogue& fakes);

// ---- The check as the front ends ask for it ----------------------------------------

struct CheckRequest {
    std::string tempDir;          // "" = the settings' temp directory and its further ones
    std::string fakeList;         // "" = FAKES.DAT, which may be missing
    std::optional<bool> listAll;  // unset = the "ShowAllPartMet" switch
    std::optional<bool> inspect;  // unset = the "InspectContent" switch
};

enum class CheckError {
    NoList,               // no list at all, and the inspection is off: nothing could be found
    GivenListMissing,     // the list given instead of FAKES.DAT does not exist
    GivenListUnreadable,  // ... is empty or cannot be read
    NoTempDirSetting,     // no temp directory set or given
    TempDirMissing,       // there is no temp directory at its path
    TempDirUnreadable,    // there is one, but it cannot be listed
};

struct CheckFailure {
    CheckError kind;
    std::string path;  // the list or the directory concerned
    std::string cause;  // the system's words, where it gave any
};

struct CheckResult {
    CheckReport report;
    ListsLoaded lists;  // what the check consulted
};

// Loads the lists (ListStore::Load), lists the temp directories and checks
// every download. The same for every front end.
[[nodiscard]] std::expected<CheckResult, CheckFailure> CheckTempDirs(ListStore& lists, const CheckRequest& request,
                                                       CheckProgress* progress = nullptr);

// The "ShowAllPartMet" switch; a missing one is stored as "YES".
[[nodiscard]] bool ListAllSwitch(const Settings& settings);

// A check's finding as a line to share: its hash and size, and the description
// that named it (without the own list's mark), or the download's name for an OK row.
// "" for a download without a hash.
[[nodiscard]] std::string FindingListLine(const Finding& finding);

}  // namespace kv
