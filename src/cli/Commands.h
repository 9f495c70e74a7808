#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "settings/Paths.h"

namespace kv::cli {

// Exit statuses of every command.
inline constexpr int kExitOk = 0;        // no fake found, search hits, update done
inline constexpr int kExitFound = 1;     // fakes found; a search without hits
inline constexpr int kExitError = 2;     // the operation could not run, usage errors
inline constexpr int kExitUpdateFailedFound = 3;  // check --update: the update failed, the local list found fakes

enum class CheckFormat { Rows, Links, Html, Json };

struct CheckArgs {
    std::string tempDir;           // "" = from the settings
    std::string fakesFile;         // "" = FAKES.DAT in the program directory
    std::optional<bool> showAll;   // unset = "ShowAllPartMet"
    CheckFormat format = CheckFormat::Rows;
    bool update = false;           // update the fake list first
    bool noHeader = false;         // rows without the two head rows
};

struct UpdateArgs {
    std::string url;  // "" = the stored update address; else stored as the new one
};

struct SearchArgs {
    std::string tempDir;
    bool json = false;
    std::string text;
};

struct WatchArgs {
    std::string tempDir;    // "" = from the settings
    std::string fakesFile;  // "" = FAKES.DAT in the program directory
    bool json = false;      // one JSON object per line
    std::string exec;       // a command run for each finding ("" = none)
};

// Where a command writes and how much.
struct Output {
    std::ostream& out;
    std::ostream& err;
    bool quiet = false;     // errors only on err
    bool terminal = false;  // err is a terminal: transfers show one updating line
};

// Each command works on the settings and data directories dirs and returns the exit status.
int RunCheck(const HomeDirs& dirs, const CheckArgs& args, const Output& o);
int RunUpdate(const HomeDirs& dirs, const UpdateArgs& args, const Output& o);
int RunImport(const HomeDirs& dirs, const std::string& file, const Output& o);
// Imports the first client preference file found under home that names a temp directory.
int RunImportDetected(const HomeDirs& dirs, const std::string& home, const Output& o);
int RunSearch(const HomeDirs& dirs, const SearchArgs& args, const Output& o);
// Stays running and reports each new fake or suspect download once; ends with
// kExitOk on SIGINT or SIGTERM.
int RunWatchCommand(const HomeDirs& dirs, const WatchArgs& args, const Output& o);

}  // namespace kv::cli
