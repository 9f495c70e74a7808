#pragma once

#include <expected>
#include <functional>
#include <string>
#include <vector>

#include "clients/TempDir.h"
#include "usecases/TempDirs.h"

namespace kv {

struct SearchHit {
    std::string part;  // the .met name without ".met"
    std::string name;  // the download's name
};

// Every .met file of dir whose bytes hold text (letters without regard to
// case). Unreadable and empty files are no hits. cancelled, when given, is
// asked before each file: true stops the search there, with the hits so far.
[[nodiscard]] std::vector<SearchHit> SearchTempFiles(const TempDir& dir, const std::string& text,
                                       const std::function<bool()>& cancelled = {});

// The search as the front ends ask for it: the temp directory given, or the
// settings' one (the .met files as they are: backups are copies of them).
[[nodiscard]] std::expected<std::vector<SearchHit>, TempDirFailure> SearchDownloads(const Settings& settings,
                                                                      const std::string& tempDir,
                                                                      const std::string& text,
                                                                      const std::function<bool()>& cancelled = {});

}  // namespace kv
