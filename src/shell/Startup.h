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
// fake list. Returns the search box's text. Runs InitSharedState first when the
// caller has not (gIniFile still empty).
std::string Form_Load(AppState& state, MainView& view, const std::string& programDir);

// Stores a non-empty search text as "LastSearchString".
void Form_Unload(AppState& state, const std::string& searchText);

// How long the splash window still holds, given the seconds since it was
// shown: 1500 ms within half a second, then 1000, 500 and 0; never negative and
// never above 1500.
int SplashWaitMilliseconds(double elapsedSeconds);

}  // namespace kv
