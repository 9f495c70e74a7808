#include <gtest/gtest.h>

#include <tuple>

#include "TempDir.h"
#include "clients/ClientDetect.h"

namespace kv::test {
namespace {

std::string PrefMet(const std::string& temp) {
    return std::string("\x0e\x01\x02\x00", 4) + "temp!" + "X" + temp + std::string("\x03\x07\x00", 3);
}

TEST(ClientDetect, FindsEachClientInItsUsualPlaceNativeFirstThenWineInOrder) {
    ScopedTempDir home, extra;
    EXPECT_TRUE(DetectClientFiles(home.path()).empty());
    const std::string wine = home.File(".wine"), c = wine + "/drive_c/";
    const std::string x86 = home.Write(".wine/drive_c/Program Files (x86)/eMule/config/preferences.ini",
                                       "[eMule]\r\nTempDir=D:\\Downloads\\Temp\r\n");
    const std::string local = home.Write(".wine/drive_c/users/anna/AppData/Local/eMule/config/preferences.ini",
                                         "[eMule]\r\nTempDir=C:\\users\\anna\\Temp\r\n");
    const std::string xp =
        home.Write(".wine/drive_c/users/bob/Local Settings/Application Data/eMule/config/preferences.ini", "[x]");
    const std::string donkey = home.Write(".wine/drive_c/Program Files/eDonkey2000/pref.met", PrefMet("C:\\ed"));
    const std::string amule = home.Write(".aMule/amule.conf", "[eMule]\nTempDir=/home/anna/.aMule/Temp\n");
    const std::string other =
        extra.Write("drive_c/Program Files/eMule/config/preferences.ini", "[eMule]\nTempDir=C:\\T");
    home.Write(".wine/drive_c/Program Files/eMule/config/preferences.ini/not-a-file", "");  // a directory is no file
    // eMule in its own places (as on Windows): after native aMule, before any Wine prefix.
    const std::string native = extra.Write("LocalAppData/eMule/config/preferences.ini", "[eMule]\nTempDir=/srv/t\n");

    // path, client, temp directory, as stored, wine prefix
    using Want = std::tuple<std::string, ClientFile, std::string, std::string, std::string>;
    const std::vector<Want> want = {
        {amule, ClientFile::AmuleConf, "/home/anna/.aMule/Temp", "/home/anna/.aMule/Temp", ""},
        {native, ClientFile::EmulePreferencesIni, "/srv/t", "/srv/t", ""},
        {x86, ClientFile::EmulePreferencesIni, wine + "/dosdevices/d:/Downloads/Temp", "D:\\Downloads\\Temp", wine},
        {local, ClientFile::EmulePreferencesIni, c + "users/anna/Temp", "C:\\users\\anna\\Temp", wine},
        {xp, ClientFile::EmulePreferencesIni, "", "", wine},
        {donkey, ClientFile::EdonkeyPrefMet, c + "ed", "C:\\ed", wine},
        {other, ClientFile::EmulePreferencesIni, extra.File("drive_c/T"), "C:\\T", extra.path()},
    };
    std::vector<Want> found;
    for (const auto& f : DetectClientFiles(home.path(), {extra.path(), wine}, {native, extra.File("missing.ini")}))
        found.emplace_back(f.path, f.client, f.tempDir, f.storedTemp, f.winePrefix);
    EXPECT_EQ(found, want);
}

}  // namespace
}  // namespace kv::test
