#pragma once

#include <string>

#include "common/AppState.h"
#include "common/MainView.h"

namespace kv {

// The temp path cut out of an eDonkey pref.met (between the first "temp!",
// without regard to case, plus one character, and the bytes 03 07 00 after it);
// "" when the file, the marker or the terminator is missing.
std::string ReadPrefMetTempPath(const std::string& path);

// File > Open eDonkey / Open eMule: the file dialog preset for client
// ("eDonkey" or "eMule"), then ImportClientPrefsFile for the chosen file.
void ImportClientPrefs(AppState& state, MainView& view, const std::string& client);

// Imports one chosen file by its name (pref.met, preferences.ini, amule.conf);
// other names do nothing. Returns true when the temp directory reached the settings file.
bool ImportClientPrefsFile(AppState& state, MainView& view, const std::string& fullPath);

}  // namespace kv
