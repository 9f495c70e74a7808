#pragma once

#include <expected>
#include <optional>
#include <string>

#include "clients/ClientDetect.h"
#include "clients/ClientImport.h"
#include "platform/DirectoryLock.h"
#include "settings/Home.h"

namespace kv {

enum class ImportError {
    NotAClientFile,  // not named pref.met, preferences.ini or amule.conf
    NoSuchFile,
    NoTempDir,       // the client's file names no temp directory (file: which kind)
    NotStored,       // the settings could not be written (busy: who holds the directory)
};

struct ImportFailure {
    ImportError kind{};
    ClientFile file = ClientFile::None;
    std::string path;
    std::optional<LockHolder> busy;
};

// The client's temp directory (and its preference file's directory) into the
// settings, under the program directory's lock. A detected Wine client's
// Windows temp path is stored as the path on this machine.
[[nodiscard]] std::expected<ImportResult, ImportFailure> ImportClient(const ProgramHome& home, const std::string& path,
                                                        const DetectedClient* detected = nullptr);

}  // namespace kv
