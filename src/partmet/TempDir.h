#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/AppState.h"
#include "common/MainView.h"

namespace kv {

// Sorted names of the regular files in directory matching "*.met" (without
// regard to case); nullopt when the directory cannot be listed.
std::optional<std::vector<std::string>> ListMetFiles(const std::string& directory);

// Reads the temp directory from the settings ([eDonkey] TempPath, else [eMule]
// TempDir) into gTempDir and lists it into fbFiles. When none is set: the error
// box, gfTempDirOK false, the five commands enabled. When it cannot be listed:
// the status text "Temp directory <path> not found!", gfTempDirOK false, the
// five commands enabled. overrideDir, when not empty, is used instead of the
// settings.
void ResolveTempDir(AppState& state, MainView& view, const std::string& overrideDir = "");

}  // namespace kv
