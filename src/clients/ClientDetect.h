#pragma once

#include <string>
#include <vector>

#include "clients/ClientImport.h"

namespace kv {

// A client preference file found in one of its usual places.
struct DetectedClient {
    std::string path;        // the preference file
    ClientFile client = ClientFile::None;
    std::string tempDir;     // the temp directory it names, as a path on this machine ("" when none)
    std::string storedTemp;  // the same as the file holds it (a Windows path under Wine)
    std::string winePrefix;  // the Wine prefix it lives in ("" for a native client)
};

// "aMule", "eMule" or "eDonkey".
const char* ClientName(ClientFile client);

// Looks for ~/.aMule/amule.conf, eMule's preferences.ini and eDonkey's pref.met
// in the Wine prefix ~/.wine and in the extra prefixes given (e.g. $WINEPREFIX),
// in that order: native aMule first, then eMule, then eDonkey per prefix. Only
// existing regular files are returned; a file that names no temp directory is
// returned with an empty tempDir. Reads the files, writes nothing.
// nativeEmuleFiles: eMule's preferences.ini in its own places on Windows
// (emule::PreferencesLocations), looked at after native aMule.
std::vector<DetectedClient> DetectClientFiles(const std::string& home,
                                              const std::vector<std::string>& extraWinePrefixes = {},
                                              const std::vector<std::string>& nativeEmuleFiles = {});

// A Windows path inside a Wine prefix as a path on this machine: "C:\a\b" is
// prefix/drive_c/a/b; other drive letters go through prefix/dosdevices/x:.
// A path without a drive letter is returned unchanged.
std::string WinePathToLocal(const std::string& prefix, const std::string& windowsPath);

}  // namespace kv
