#include "core/TextSearch.h"

#include <optional>

#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "core/PartMetReader.h"
#include "settings/Paths.h"

namespace kv {

std::vector<SearchHit> SearchTempFiles(const TempDir& dir, const std::string& text) {
    std::vector<SearchHit> hits;
    for (const std::string& entry : dir.metFiles) {
        const std::optional<std::string> content = ReadWholeFile(JoinPath(dir.path, entry), kMaxPartMetBytes);
        // An unreadable file is skipped rather than searched with stale bytes.
        if (!content || content->empty()) continue;
        if (FindNoCase(*content, text) == std::string::npos) continue;
        hits.push_back({entry.size() >= 4 ? entry.substr(0, entry.size() - 4) : std::string(), CutPartMetName(*content)});
    }
    return hits;
}

}  // namespace kv
