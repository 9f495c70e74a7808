#include "usecases/Check.h"

#include <algorithm>
#include <array>

#include "common/DirectoryFiles.h"
#include "common/FileUtil.h"
#include "common/OrderedWork.h"
#include "ed2k/PartMetReader.h"
#include "lists/ListSources.h"
#include "lists/OwnList.h"
#include "usecases/TempDirs.h"
#include "common/Paths.h"

namespace kv {

namespace {

inspect::InspectOptions NotesToo() {
    inspect::InspectOptions options;
    options.notes = true;
    return options;
}

// One download, its files opened from dirFd by name (AT_FDCWD: by their
// whole paths under dir). Unless judge, the lists' judgement is left to the
// caller: the first memory its lookup reads has been asked for (FakeList::Prefetch).
Finding CheckOneIn(int dirFd, const std::string& dir, const std::string& metFile, const std::string& partDir,
                   const FakeCatalogue& fakes, const CheckRules& rules, bool judge = true) {
    Finding finding;
    finding.part = partDir.empty() ? PartNameOf(metFile) : JoinPath(partDir, PartNameOf(metFile));
    finding.fromBackup = IsBackupCopy(metFile);
    const std::string metName = dirFd == AT_FDCWD ? JoinPath(dir, metFile) : metFile;
    // One buffer a thread, reused from file to file: the parse copies out what it keeps.
    thread_local std::string bytes;
    // The part hashes' buffer, too: handed from download to download.
    thread_local std::vector<Ed2kHash> partHashes;
    if (ReadFileAt(dirFd, metName.c_str(), kMaxPartMetBytes, bytes)) {
        finding.download = ParsePartMet(bytes, std::move(partHashes));
        // An empty or damaged file has neither hash nor name, and one cut after its
        // hash neither name nor size: nothing could be checked.
        const Download& d = finding.download;
        if (!d.hasName && (!d.hash || !d.hasSize)) finding.problem = ReadProblem::NoDownload;
        if (d.hash) fakes.Prefetch(*d.hash, 0);
    } else {
        const std::string metPath = JoinPath(dir, metFile);
        finding.problem = FileLength(metPath) > static_cast<int64_t>(kMaxPartMetBytes) ? ReadProblem::TooLarge
                                                                                      : ReadProblem::Unreadable;
    }
    // A large file's buffer is not kept for the rest of the check.
    if (bytes.capacity() > (size_t{1} << 20)) std::string().swap(bytes);
    finding.download.metFile = metFile;
    // A file that could not be read says nothing about the download.
    if (finding.problem == ReadProblem::None && rules.inspect)
        finding.inspected = inspect::JudgeDownloadAt(dirFd, finding.download, inspect::PartPathOf(metName), NotesToo());
    // The part hashes served the detectors; a finding kept for long need not carry them.
    partHashes = std::move(finding.download.partHashes);
    finding.download.partHashes = {};
    if (partHashes.capacity() > 4096) std::vector<Ed2kHash>().swap(partHashes);
    if (judge) JudgeByLists(finding, fakes);
    return finding;
}

// A listed finding to the observer, and to the report unless the observer keeps it.
void Hand(Finding&& finding, CheckProgress* progress, CheckReport& report) {
    if (progress && progress->TakesFindings()) return progress->Take(std::move(finding));
    if (progress) progress->Listed(finding);
    report.listed.push_back(std::move(finding));
}

// Reads issued at once when the files are not in memory: a disk answers
// several requests together faster than the same requests in a row.
constexpr unsigned kColdReaders = 16;
constexpr size_t kColdWindow = 256;  // findings done ahead of the one reported next

// Whether the directory's files wait for the disk: its first, middle and last
// .met file are asked without waiting. In memory, threads would only add
// their own cost.
bool ReadsWait(const std::string& path, const std::vector<std::string>& metFiles) {
    if (metFiles.size() < 2) return false;
    for (const size_t i : {size_t{0}, metFiles.size() / 2, metFiles.size() - 1})
        if (ReadWouldWait(JoinPath(path, metFiles[i]))) return true;
    return false;
}

// The downloads of one directory; partDir prefixes the part names of a further temp directory.
void CheckDirectory(const std::string& path, const std::vector<std::string>& metFiles, const std::string& partDir,
                    const FakeCatalogue& fakes, const CheckRules& rules, CheckProgress* progress,
                    CheckReport& report) {
    const bool keeps = progress && progress->TakesFindings();
    // Listing every row into the report, its size is known: no growing and moving as it fills.
    if (rules.listAll && !keeps) report.listed.reserve(report.listed.size() + metFiles.size());
    const auto cancelled = [&] { return progress && progress->Cancelled() && (report.cancelled = true); };
    const auto count = [&](size_t, Finding&& finding) {
        if (cancelled()) return false;
        const bool read = finding.problem == ReadProblem::None;
        if (finding.verdict.fake()) ++report.found;
        if (finding.verdict.suspect()) ++report.suspects;
        if (read) ++report.checked;
        else ++report.unreadable;
        if (finding.verdict.Listed() || !read || rules.listAll) Hand(std::move(finding), progress, report);
        return true;
    };
    // Each file opened by its name from the directory: one path walk, not one a file.
    const DirectoryHandle dir(path);
    const auto check = [&](size_t i, bool judge) {
        return CheckOneIn(dir.held() ? dir.fd() : AT_FDCWD, path, metFiles[i], partDir, fakes, rules, judge);
    };
    if (ReadsWait(path, metFiles)) {
        RunInOrder<Finding>(metFiles.size(), kColdReaders, kColdWindow, [&](size_t i) { return check(i, true); },
                            count);
        return;
    }
    // A download's lookup in the lists waits on memory twice: its bucket, then
    // its entries. Each is asked for a download ahead (the bucket while its
    // download is read, the entries while the next one is), and the download
    // judged while the one after that is read.
    // Three downloads in flight, each in its slot: the one being read, the
    // one whose entries are asked for, the one judged.
    std::array<Finding, 3> slots;
    const auto judge = [&](size_t i) {
        Finding& finding = slots[i % 3];
        JudgeByLists(finding, fakes);
        count(i, std::move(finding));  // refused when cancelled
    };
    size_t read = 0;
    for (; read < metFiles.size() && !cancelled(); ++read) {
        slots[read % 3] = check(read, false);
        if (read >= 1)
            if (const auto& hash = slots[(read - 1) % 3].download.hash) fakes.Prefetch(*hash, 1);
        if (read >= 2) judge(read - 2);
    }
    for (size_t i = read >= 2 ? read - 2 : 0; i < read; ++i) judge(i);
}

}  // namespace

Finding CheckOneDownload(const std::string& dir, const std::string& metFile, const std::string& partDir,
                         const FakeCatalogue& fakes, const CheckRules& rules) {
    return CheckOneIn(AT_FDCWD, dir, metFile, partDir, fakes, rules);
}

void JudgeByLists(Finding& finding, const FakeCatalogue& fakes) {
    std::vector<inspect::Suspicion> evidence;
    if (finding.inspected) evidence.push_back(*finding.inspected);
    const VerdictKind otherwise = finding.problem != ReadProblem::None ? VerdictKind::NotChecked
                                  : finding.bytesElsewhere            ? VerdictKind::NotInspected
                                                                      : VerdictKind::Clean;
    finding.verdict = Judged(std::move(evidence),
                             finding.download.hash ? fakes.find(*finding.download.hash) : std::nullopt, otherwise);
}

CheckReport CheckDownloads(const TempDir& dir, const FakeCatalogue& fakes, const CheckRules& rules,
                           CheckProgress* progress) {
    CheckReport report;
    CheckDirectory(dir.path, dir.metFiles, "", fakes, rules, progress, report);
    for (const std::string& further : dir.further) {
        if (report.cancelled) break;
        if (const std::optional<TempDir> listed = ListTempDir(further)) {
            CheckDirectory(further, listed->metFiles, further, fakes, rules, progress, report);
            continue;
        }
        // A directory gone (an unmounted disk) is said, not skipped in silence.
        Finding missing;
        missing.part = further;
        missing.problem = ReadProblem::DirectoryUnlisted;
        missing.verdict.kind = VerdictKind::NotChecked;
        ++report.unreadable;
        Hand(std::move(missing), progress, report);
    }
    return report;
}

bool ListAllSwitch(const Settings& settings) {
    const YesNo stored = settings.ReadYesNo(Key::ShowAllPartMet);
    if (!stored.Empty()) return stored.IsYes();
    settings.Write(Key::ShowAllPartMet, "YES");
    return true;
}

std::expected<CheckResult, CheckFailure> CheckTempDirs(ListStore& lists, const CheckRequest& request,
                                                       CheckProgress* progress) {
    const Settings& settings = lists.home().settings;
    const bool inspect = request.inspect.value_or(YesNo(settings.Read(Key::InspectContent)).IsYes());
    auto loaded = lists.Load(request.fakeList);
    if (!loaded) {
        const bool missing = loaded.error().kind == ListError::GivenListMissing;
        return std::unexpected(CheckFailure{missing ? CheckError::GivenListMissing : CheckError::GivenListUnreadable,
                                            loaded.error().path, loaded.error().cause});
    }
    // Without any list the downloads are still inspected; without either nothing could be found.
    if (!inspect && !loaded->mainExists && !loaded->anyList())
        return std::unexpected(CheckFailure{CheckError::NoList, loaded->mainPath, ""});
    if (progress) progress->ListsLoaded(*loaded);
    auto dir = ResolveTempDir(settings, request.tempDir, /*backups=*/true);
    if (!dir) {
        const TempDirError kind = dir.error().kind;
        const CheckError error = kind == TempDirError::NotSet    ? CheckError::NoTempDirSetting
                                 : kind == TempDirError::Missing ? CheckError::TempDirMissing
                                                                 : CheckError::TempDirUnreadable;
        return std::unexpected(CheckFailure{error, dir.error().path, dir.error().cause});
    }
    // Only a check that runs stores the switch: one that cannot start leaves the home as it was.
    const bool listAll = request.listAll ? *request.listAll : ListAllSwitch(settings);
    if (progress) progress->Started();
    CheckResult result;
    result.report = CheckDownloads(*dir, lists.catalogue(), CheckRules{listAll, inspect}, progress);
    result.lists = std::move(*loaded);
    return result;
}

std::string FindingListLine(const Finding& finding) {
    if (!finding.download.hash) return "";
    const std::string description =
        finding.verdict.fake() ? PlainDescription(finding.verdict.entry.listName, finding.verdict.entry.description)
                               : finding.download.name;
    return ListLine(*finding.download.hash, finding.download.size, description);
}

}  // namespace kv
