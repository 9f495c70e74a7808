#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/AppState.h"
#include "common/MainView.h"

namespace kv {

// Overrides of the command line; empty means "as the GUI does".
struct CheckOptions {
    std::string tempDir;              // instead of the settings
    std::string fakesFile;            // instead of <programDir>/FAKES.DAT
    std::optional<bool> showAll;      // instead of "ShowAllPartMet"
};

// One listed download.
struct CheckedDownload {
    std::string part;         // the .met name without its last 4 characters
    std::string name;
    int64_t size = 0;
    std::string hash;
    bool fake = false;
    std::string description;  // the fake record's field 3; "" for OK rows
};

struct CheckSummary {
    bool ran = false;          // false: stopped early (no fake list, no temp directory)
    int32_t found = 0;
    int32_t checked = 0;
    std::vector<CheckedDownload> listed;  // in list order, one per result record
};

// The fake check run ("Check &Files").
CheckSummary cbCheckFiles_Click(AppState& state, MainView& view, const CheckOptions& options = {});

}  // namespace kv
