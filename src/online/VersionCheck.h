#pragma once

#include <string>

#include "common/AppState.h"
#include "common/MainView.h"

namespace kv {

// A version as a number: the three numbers' decimal digits joined (1, 10, 0 -> 1100).
double VersionNumber(int major, int minor, int revision);

// The running version as a number: major, minor and revision digits joined (1.0.0 -> 100).
double RunningVersionNumber();

// A server-chosen setup file name is used only when it is a plain file name.
bool IsPlainFileName(const std::string& name);

// Fetches KVVersion.txt and compares; sets gfNewVersion and gSetupFileName.
void CheckProgramVersion(AppState& state, MainView& view);

// Fetches the setup file named by gSetupFileName into the program directory.
void DownloadProgramSetup(AppState& state, MainView& view);

// Online-Update > Kestrivane.
void OnlineKestrivane_Click(AppState& state, MainView& view);

}  // namespace kv
