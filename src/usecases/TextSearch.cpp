#include "usecases/TextSearch.h"

#include <optional>

#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "ed2k/PartMetReader.h"
#include "common/Paths.h"

namespace kv {

namespace {

void SearchDirectory(const std::string& path, const std::vector<std::string>& metFiles, const std::string& partDir,
                     const std::string& text, const std::function<bool()>& cancelled, std::vector<SearchHit>& hits) {
    for (const std::string& entry : metFiles) {
        if (cancelled && cancelled()) return;
        const std::optional<std::string> content = ReadWholeFile(JoinPath(path, entry), kMaxPartMetBytes);
        // An unreadable file is skipped rather than searched with stale bytes.
        if (!content || content->empty()) continue;
        if (FindFoldedUtf8(*content, text) == std::string::npos) continue;
        const std::string part = entry.size() >= 4 ? entry.substr(0, entry.size() - 4) : std::string();
        hits.push_back({partDir.empty() ? part : JoinPath(partDir, part), CutPartMetName(*content)});
    }
}

}  // namespace

std::vector<SearchHit> SearchTempFiles(const TempDir& dir, const std::string& text,
                                       const std::function<bool()>& cancelled) {
    std::vector<SearchHit> hits;
    SearchDirectory(dir.path, dir.metFiles, "", text, cancelled, hits);
    // A further directory that cannot be listed has nothing to search.
    for (const std::string& further : dir.further)
        if (const auto listed = ListMetFiles(further))
            SearchDirectory(further, *listed, further, text, cancelled, hits);
    return hits;
}

std::expected<std::vector<SearchHit>, TempDirFailure> SearchDownloads(const Settings& settings,
                                                                      const std::string& tempDir,
                                                                      const std::string& text,
                                                                      const std::function<bool()>& cancelled) {
    auto dir = ResolveTempDir(settings, tempDir, /*backups=*/false);
    if (!dir) return std::unexpected(dir.error());
    return SearchTempFiles(*dir, text, cancelled);
}

}  // namespace kv
