#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Download.h"
#include "core/FakeCatalogue.h"
#include "core/TempDir.h"

namespace kv {

// What the check says about one download.
struct Finding {
    std::string part;            // the .met name without its last 4 characters
    Download download;
    bool fake = false;
    std::string description;     // the fake record's description; "" for OK rows
    std::string listName;        // the list that named it
};

struct CheckReport {
    std::vector<Finding> listed;  // in list order
    int32_t found = 0;            // fakes
    int32_t checked = 0;          // .met files looked at
};

// Told of each listed finding as soon as it is known, so that a long check can be shown as it runs.
class CheckProgress {
public:
    virtual ~CheckProgress() = default;
    virtual void Listed(const Finding& finding) = 0;
};

// Reads every .met file of dir and looks its hash up in fakes. Fakes are
// always listed, the other downloads when listAll.
CheckReport CheckDownloads(const TempDir& dir, const FakeCatalogue& fakes, bool listAll, CheckProgress* progress = nullptr);

}  // namespace kv
