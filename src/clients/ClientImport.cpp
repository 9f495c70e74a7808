#include "clients/ClientImport.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "common/FileUtil.h"
#include "common/StringUtil.h"
#include "settings/IniFile.h"
#include "common/Paths.h"
#include "settings/Settings.h"

namespace kv {

namespace {

// A pref.met is a few hundred bytes; anything far larger is not one.
constexpr uint64_t kMaxPrefMetBytes = uint64_t{16} * 1024 * 1024;
constexpr int16_t kTempDirSize = 2000;

// The path runs from one character past the end of the marker up to the terminator.
constexpr std::string_view kTempMarker = "temp!";
constexpr std::string_view kTempTerminator{"\x03\x07\x00", 3};

// Directory (without its trailing separator) and name of a chosen file. A file
// at the root gives an empty directory, as a drive root gives "C:".
std::pair<std::string, std::string> SplitAtLastSeparator(const std::string& fullPath) {
    const size_t cut = fullPath.rfind(kPathSeparator);
    if (cut == std::string::npos) return {"", fullPath};
    return {fullPath.substr(0, cut), fullPath.substr(cut + 1)};
}

// Whether a value stored in the settings file reads back unchanged: the ini
// reader drops blanks around a value and one pair of quotes, a line break
// ends it, and it is cut to the key's size.
bool ReadsBackAsItself(const std::string& value, int16_t size) {
    if (value.empty() || value.size() > static_cast<size_t>(size)) return false;
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    if (blank(value.front()) || blank(value.back())) return false;
    if (value.find_first_of("\r\n") != std::string::npos) return false;
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return !quoted;
}

}  // namespace

std::string ReadPrefMetTempPath(const std::string& path) {
    const std::optional<std::string> text = ReadWholeFile(path, kMaxPrefMetBytes);
    if (!text) return "";
    const size_t marker = FindNoCase(*text, kTempMarker);
    if (marker == std::string::npos) return "";
    const size_t start = marker + kTempMarker.size() + 1;
    if (start > text->size()) return "";
    const size_t end = text->find(kTempTerminator, start);
    if (end == std::string::npos) return "";
    return text->substr(start, end - start);
}

ClientFile ClientFileOf(const std::string& path) {
    const std::string name = SplitAtLastSeparator(path).second;
    if (name == "pref.met") return ClientFile::EdonkeyPrefMet;
    if (name == "preferences.ini") return ClientFile::EmulePreferencesIni;
    if (name == "amule.conf") return ClientFile::AmuleConf;
    return ClientFile::None;
}

ImportResult ImportClientTempDir(const Settings& settings, const std::string& fullPath) {
    ImportResult result;
    result.file = ClientFileOf(fullPath);
    const std::string dir = SplitAtLastSeparator(fullPath).first;
    std::string temp;
    switch (result.file) {
        case ClientFile::None: return result;
        case ClientFile::EdonkeyPrefMet: temp = ReadPrefMetTempPath(fullPath); break;
        case ClientFile::EmulePreferencesIni:
        case ClientFile::AmuleConf:
            // eMule and aMule keep the temp directory under the same section and key.
            temp = ReadIniString("eMule", "TempDir", "", kTempDirSize, fullPath);
            break;
    }
    // An empty or garbage value must not replace a working setting: one that
    // would not read back as itself (stored cut or trimmed to something else,
    // often "") is no path. A file that names none changes nothing at all.
    const bool edonkey = result.file == ClientFile::EdonkeyPrefMet;
    const Key tempKey = edonkey ? Key::EdonkeyTempPath : Key::EmuleTempDir;
    if (!ReadsBackAsItself(temp, SpecOf(tempKey).size)) return result;
    result.tempDirFound = true;
    result.stored = settings.Write(edonkey ? Key::EdonkeyPrefMetPath : Key::EmulePreferencesIniPath, dir) &&
                    settings.Write(tempKey, temp);
    if (result.stored && result.file == ClientFile::EmulePreferencesIni) {
        // eMule's further temp directories come along; an earlier import's
        // are cleared, and a file without any writes nothing new.
        const std::string further = ReadIniString("eMule", "TempDirs", "", SpecOf(Key::EmuleTempDirs).size, fullPath);
        const bool had = settings.Read(Key::EmuleTempDirs, "\x01") != "\x01";
        if (!further.empty() || had) result.stored = settings.Write(Key::EmuleTempDirs, further);
    }
    return result;
}

}  // namespace kv
