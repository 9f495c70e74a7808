#include "core/Check.h"

#include <algorithm>

#include "common/FileUtil.h"
#include "core/PartMetReader.h"
#include "settings/Paths.h"

namespace kv {

CheckReport CheckDownloads(const TempDir& dir, const FakeCatalogue& fakes, const CheckRules& rules,
                           CheckProgress* progress) {
    CheckReport report;
    for (const std::string& entry : dir.metFiles) {
        Finding finding;
        finding.part = PartNameOf(entry);
        finding.fromBackup = IsBackupCopy(entry);
        const std::string metPath = JoinPath(dir.path, entry);
        if (auto download = ReadPartMet(metPath)) {
            finding.download = std::move(*download);
            // An empty or damaged file has neither hash nor name: nothing was checked.
            if (!finding.download.hash && !finding.download.hasName) finding.problem = ReadProblem::NoDownload;
        } else {
            finding.problem = FileLength(metPath) > static_cast<int64_t>(kMaxPartMetBytes) ? ReadProblem::TooLarge
                                                                                          : ReadProblem::Unreadable;
        }
        const bool read = finding.problem == ReadProblem::None;
        finding.download.metFile = entry;
        // A file that could not be read says nothing about the download.
        if (read && rules.inspect)
            finding.suspicion = inspect::JudgeDownload(finding.download, inspect::PartPathOf(metPath));

        if (finding.download.hash) {
            if (auto match = fakes.find(*finding.download.hash)) {
                finding.fake = true;
                finding.description = std::move(match->description);
                finding.listName = std::move(match->listName);
            }
        }
        if (finding.fake) ++report.found;
        if (finding.suspect()) ++report.suspects;
        if (!read) ++report.unreadable;
        if (finding.fake || finding.suspect() || !read || rules.listAll) {
            if (progress) progress->Listed(finding);
            report.listed.push_back(std::move(finding));
        }
    }
    report.checked = static_cast<int32_t>(dir.metFiles.size()) - report.unreadable;
    return report;
}

}  // namespace kv
