#pragma once

#include <string>

#include "common/AppState.h"
#include "common/MainView.h"

namespace kv {

// "Kestrivane Version 1.0.0"
std::string VersionText();

// Steps 2 to 5 of the main window's load: version text and caption, the fixed
// addresses, gIniFile, the default tab stops.
void InitSharedState(AppState& state, MainView& view, const std::string& programDir);

// The main window's Form_Load from step 6 on, in its fixed order: View switches,
// start-up checks, (the search text is returned for the window), tab stops,
// fake list. Returns the search box's text.
std::string Form_Load(AppState& state, MainView& view, const std::string& programDir);

// Stores a non-empty search text as "LastSearchString".
void Form_Unload(AppState& state, const std::string& searchText);

}  // namespace kv
