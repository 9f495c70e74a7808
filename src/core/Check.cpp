#include "core/Check.h"

#include <algorithm>

#include "core/PartMetReader.h"
#include "settings/Paths.h"

namespace kv {

std::string Finding::Verdict() const {
    if (fake) return description;
    if (suspicion) return inspect::SuspectText(suspicion->reason);
    return "*** OK ";
}

CheckReport CheckDownloads(const TempDir& dir, const FakeCatalogue& fakes, const CheckRules& rules,
                           CheckProgress* progress) {
    CheckReport report;
    for (const std::string& entry : dir.metFiles) {
        Finding finding;
        finding.part = entry.substr(0, entry.size() - std::min<size_t>(4, entry.size()));
        const std::string metPath = JoinPath(dir.path, entry);
        const bool read = [&] {
            auto download = ReadPartMet(metPath);
            if (download) finding.download = std::move(*download);
            return download.has_value();
        }();
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
        if (finding.fake || finding.suspect() || rules.listAll) {
            if (progress) progress->Listed(finding);
            report.listed.push_back(std::move(finding));
        }
    }
    report.checked = static_cast<int32_t>(dir.metFiles.size());
    return report;
}

}  // namespace kv
