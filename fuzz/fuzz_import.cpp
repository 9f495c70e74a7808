// Importing a client's temp directory (pref.met, preferences.ini,
// amule.conf) into a settings file. Properties: an import whose client file
// names no usable temp directory leaves the settings file as it was (once
// the client file's own directory, which every import records, is in it);
// one that stores reads back the client's value.
#include <fstream>
#include <optional>
#include <string>

#include "FuzzSupport.h"
#include "common/FileUtil.h"
#include "clients/ClientImport.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

// The scratch files need no durability: flushing them to disk on every write
// would make the disk, not the code, the limit on executions.
extern "C" int fsync(int) { return 0; }

namespace {

void Put(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    kv::fuzz::Input in(data, size);
    static const char* const kNames[] = {"pref.met", "preferences.ini", "amule.conf"};
    const uint8_t which = in.Byte() % 3;
    // The settings file's bytes first (a length byte), then the client file.
    const std::string settingsBytes = in.Piece();
    const std::string clientBytes = in.Rest();

    const std::string dir = kv::fuzz::ScratchDir();
    const std::string settingsPath = dir + "/Kestrivane.ini";
    const std::string clientPath = dir + "/" + kNames[which];
    Put(settingsPath, settingsBytes);
    Put(clientPath, clientBytes);

    const kv::Settings settings(settingsPath);
    const kv::ClientFile file = kv::ClientFileOf(clientPath);
    KV_FUZZ_CHECK(static_cast<int>(file) == which + 1);
    const kv::Key dirKey = file == kv::ClientFile::EdonkeyPrefMet ? kv::Key::EdonkeyPrefMetPath
                                                                  : kv::Key::EmulePreferencesIniPath;
    if (!settings.Write(dirKey, dir)) return 0;
    const std::optional<std::string> before = kv::ReadWholeFile(settingsPath, 1 << 20);
    KV_FUZZ_CHECK(before.has_value());

    const kv::ImportResult result = kv::ImportClientTempDir(settings, clientPath);
    KV_FUZZ_CHECK(result.file == file);
    KV_FUZZ_CHECK(!result.stored || result.tempDirFound);
    const std::optional<std::string> after = kv::ReadWholeFile(settingsPath, 1 << 20);
    KV_FUZZ_CHECK(after.has_value());
    if (!result.tempDirFound) KV_FUZZ_CHECK(*after == *before);

    if (result.stored) {
        const std::string temp = file == kv::ClientFile::EdonkeyPrefMet
                                     ? kv::ReadPrefMetTempPath(clientPath)
                                     : kv::ReadIniString("eMule", "TempDir", "", 2000, clientPath);
        const kv::Key tempKey = file == kv::ClientFile::EdonkeyPrefMet ? kv::Key::EdonkeyTempPath : kv::Key::EmuleTempDir;
        const std::string stored = settings.Read(tempKey, "\x01missing");
        const auto& entry = kv::SpecOf(tempKey);
        if (stored != temp.substr(0, static_cast<size_t>(entry.size)))
            std::fprintf(stderr, "client temp \"%s\", stored \"%s\"\n", temp.c_str(), stored.c_str());
        KV_FUZZ_CHECK(stored == temp.substr(0, static_cast<size_t>(entry.size)));
    }
    return 0;
}
