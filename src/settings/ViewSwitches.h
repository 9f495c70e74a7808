#pragma once

#include "common/AppState.h"
#include "common/MainView.h"

namespace kv {

// Load a View switch from the settings and apply it (tick, search controls).
void gfShowAllPartMet(AppState& state, MainView& view);
void gfShowTextSearch(AppState& state, MainView& view);

// The View menu clicks: flip, apply, store.
void ViewAllFiles_Click(AppState& state, MainView& view);
void ViewTextSearch_Click(AppState& state, MainView& view);

}  // namespace kv
