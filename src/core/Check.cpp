#include "core/Check.h"

#include <algorithm>

#include "core/PartMetReader.h"
#include "settings/Paths.h"

namespace kv {

CheckReport CheckDownloads(const TempDir& dir, const FakeCatalogue& fakes, bool listAll, CheckProgress* progress) {
    CheckReport report;
    for (const std::string& entry : dir.metFiles) {
        Finding finding;
        finding.part = entry.substr(0, entry.size() - std::min<size_t>(4, entry.size()));
        if (auto download = ReadPartMet(JoinPath(dir.path, entry))) finding.download = std::move(*download);
        finding.download.metFile = entry;

        if (finding.download.hash) {
            if (auto match = fakes.find(*finding.download.hash)) {
                finding.fake = true;
                finding.description = std::move(match->description);
                finding.listName = std::move(match->listName);
            }
        }
        if (finding.fake) ++report.found;
        if (finding.fake || listAll) {
            if (progress) progress->Listed(finding);
            report.listed.push_back(std::move(finding));
        }
    }
    report.checked = static_cast<int32_t>(dir.metFiles.size());
    return report;
}

}  // namespace kv
