#include "settings/Settings.h"

#include "common/StringUtil.h"
#include "settings/IniFile.h"

namespace kv {

namespace {

// The update address is read whole: a shorter read would use a long address
// cut, and the options dialog would store the cut text.
constexpr int16_t kPathSize = 2000;

constexpr KeySpec kKeys[] = {
    {Key::ShowAllPartMet, "Display", "ShowAllPartMet", "", 50},
    {Key::ShowTextSearch, "Display", "ShowTextSearch", "", 50},
    {Key::CheckFakesDatAtStart, "Internet", "CheckFakesDatAtStart", "NO", 50},
    {Key::CheckKestrivaneAtStart, "Internet", "CheckKestrivaneAtStart", "NO", 50},
    {Key::FakesDatDownloadURL, "Internet", "FakesDatDownloadURL", "", kPathSize},
    {Key::FakesDatVersion, "Internet", "FakesDatVersion", "1", 50},
    {Key::TabStop1, "Tabs", "TabStop1", "60", 50},
    {Key::TabStop2, "Tabs", "TabStop2", "355", 50},
    {Key::LastSearchString, "Search", "LastSearchString", "avi", 2000},
    {Key::EdonkeyTempPath, "eDonkey", "TempPath", "", kPathSize},
    {Key::EdonkeyPrefMetPath, "eDonkey", "PrefMetPath", "", kPathSize},
    {Key::EmuleTempDir, "eMule", "TempDir", "", kPathSize},
    {Key::EmulePreferencesIniPath, "eMule", "PreferencesIniPath", "", kPathSize},
    // Written only by an import that finds some: other imports write what they always wrote.
    {Key::EmuleTempDirs, "eMule", "TempDirs", "", 8 * kPathSize},
    // Not written until the user turns it off: a first start writes what it always wrote.
    {Key::InspectContent, "Display", "InspectContent", "YES", 50},
    {Key::FakesDatLastModified, "Internet", "FakesDatLastModified", "", 100},
    {Key::FakesDatDownloadURL2, "Internet", "FakesDatDownloadURL2", "", kPathSize},
    {Key::FakesDatVersion2, "Internet", "FakesDatVersion2", "1", 50},
    {Key::FakesDatLastModified2, "Internet", "FakesDatLastModified2", "", 100},
    {Key::FakesDatDownloadURL3, "Internet", "FakesDatDownloadURL3", "", kPathSize},
    {Key::FakesDatVersion3, "Internet", "FakesDatVersion3", "1", 50},
    {Key::FakesDatLastModified3, "Internet", "FakesDatLastModified3", "", 100},
    {Key::FakesDatDownloadURL4, "Internet", "FakesDatDownloadURL4", "", kPathSize},
    {Key::FakesDatVersion4, "Internet", "FakesDatVersion4", "1", 50},
    {Key::FakesDatLastModified4, "Internet", "FakesDatLastModified4", "", 100},
    {Key::FakesDatDownloadURL5, "Internet", "FakesDatDownloadURL5", "", kPathSize},
    {Key::FakesDatVersion5, "Internet", "FakesDatVersion5", "1", 50},
    {Key::FakesDatLastModified5, "Internet", "FakesDatLastModified5", "", 100},
    // Only the window's closing writes these: a first start writes what it always wrote.
    {Key::WindowLeft, "Window", "Left", "", 50},
    {Key::WindowTop, "Window", "Top", "", 50},
    {Key::WindowWidth, "Window", "Width", "", 50},
    {Key::WindowHeight, "Window", "Height", "", 50},
    {Key::WindowColumn1, "Window", "Column1", "", 50},
    {Key::WindowColumn2, "Window", "Column2", "", 50},
    {Key::WindowColumn3, "Window", "Column3", "", 50},
    {Key::ProgramSiteURL, "Internet", "KestrivaneDownloadURL", "", kPathSize},
    {Key::FeedbackAddress, "Internet", "FeedbackAddress", "", kPathSize},
};

}  // namespace

const KeySpec& SpecOf(Key key) {
    for (const KeySpec& entry : kKeys)
        if (entry.key == key) return entry;
    return kKeys[0];  // unreachable: every Key has its row
}

bool YesNo::IsYes() const { return ToUpperAscii(stored_) == "YES"; }

std::string Settings::Read(Key key) const { return Read(key, SpecOf(key).defaultValue); }

std::string Settings::Read(Key key, const std::string& defaultValue) const {
    const KeySpec& s = SpecOf(key);
    return ReadIniString(s.section, s.name, defaultValue, s.size, path_);
}

std::string Settings::Ensure(Key key) const { return Ensure(key, SpecOf(key).defaultValue); }

std::string Settings::Ensure(Key key, const std::string& defaultValue) const {
    const KeySpec& s = SpecOf(key);
    return EnsureIniString(s.section, s.name, defaultValue, s.size, path_);
}

bool Settings::Write(Key key, const std::string& value) const {
    const KeySpec& s = SpecOf(key);
    return WriteIniString(s.section, s.name, value, path_);
}

namespace {

// The section the keys share and their names; an empty section when they do not share one.
std::pair<std::string, IniValues> SectionValues(const std::vector<std::pair<Key, std::string>>& values) {
    std::string section;
    IniValues named;
    for (const auto& [key, value] : values) {
        const KeySpec& s = SpecOf(key);
        if (!section.empty() && section != s.section) return {};
        section = s.section;
        named.emplace_back(s.name, value);
    }
    return {section, named};
}

}  // namespace

std::expected<void, std::string> Settings::Write(const std::vector<std::pair<Key, std::string>>& values) const {
    const auto [section, named] = SectionValues(values);
    if (section.empty()) return std::unexpected("The settings to write do not share one section.");
    return WriteIniStrings(section, named, path_);
}

std::expected<PreparedFile, std::string> Settings::Prepare(const std::vector<std::pair<Key, std::string>>& values) const {
    const auto [section, named] = SectionValues(values);
    if (section.empty()) return std::unexpected("The settings to write do not share one section.");
    return PrepareIniStrings(section, named, path_);
}

}  // namespace kv
