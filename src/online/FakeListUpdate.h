#pragma once

#include "common/AppState.h"
#include "common/MainView.h"

namespace kv {

// Fetches Fakes.txt and compares it with "FakesDatVersion"; sets
// gfFakesDatNeeded and gPendingFakesDatVersion. Also the start-up check.
void CheckFakesDatVersion(AppState& state, MainView& view);

// Fetches FAKES.DAT; records the pending version after a good download.
void DownloadFakesDat(AppState& state, MainView& view);

// "&Update DB" and Online-Update > Fakes-DB.
void OnlineFakesDB_Click(AppState& state, MainView& view);

}  // namespace kv
