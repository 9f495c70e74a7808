#pragma once

#include <string>

namespace kv {

class Settings;

// The temp path cut out of an eDonkey pref.met (between the first "temp!",
// without regard to case, plus one character, and the bytes 03 07 00 after it);
// "" when the file, the marker or the terminator is missing.
std::string ReadPrefMetTempPath(const std::string& path);

enum class ClientFile { None, EdonkeyPrefMet, EmulePreferencesIni, AmuleConf };

// Which client file a path names, by its exact file name.
ClientFile ClientFileOf(const std::string& path);

struct ImportResult {
    ClientFile file = ClientFile::None;
    bool tempDirFound = false;  // the client's file names a temp directory
    bool stored = false;        // and it reached the settings file
};

// Stores the client's temp directory (and the directory of its preference
// file) in settings. A file that names none leaves the stored temp directory as it was.
ImportResult ImportClientTempDir(const Settings& settings, const std::string& fullPath);

}  // namespace kv
