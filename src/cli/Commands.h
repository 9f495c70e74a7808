#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace kv::cli {

// Exit statuses of every command.
inline constexpr int kExitOk = 0;        // no fake found, search hits, update done
inline constexpr int kExitFound = 1;     // fakes found; a search without hits
inline constexpr int kExitError = 2;     // the operation could not run, usage errors

enum class CheckFormat { Rows, Links, Html, Json };

struct CheckArgs {
    std::string tempDir;           // "" = from the settings
    std::string fakesFile;         // "" = FAKES.DAT in the program directory
    std::optional<bool> showAll;   // unset = "ShowAllPartMet"
    CheckFormat format = CheckFormat::Rows;
    bool update = false;           // update the fake list first
};

struct SearchArgs {
    std::string tempDir;
    bool json = false;
    std::string text;
};

// Each command works on the program directory home and returns the exit status.
int RunCheck(const std::string& home, const CheckArgs& args, std::ostream& out, std::ostream& err);
int RunUpdate(const std::string& home, std::ostream& err);
int RunImport(const std::string& home, const std::string& file, std::ostream& err);
int RunSearch(const std::string& home, const SearchArgs& args, std::ostream& out, std::ostream& err);

// ---- links: links checked before downloading -------------------------------------
enum class LinksFormat { Rows, Links, Json };

struct LinksArgs {
    std::string file;        // "" or "-" = standard input
    std::string fakesFile;   // "" = FAKES.DAT in the program directory
    bool showAll = true;     // false: fakes and suspects only
    LinksFormat format = LinksFormat::Rows;
};

// Exit status 1 when a fake or a suspect link is listed; malformed links are
// reported (standard error, JSON) without failing the run.
int RunLinks(const std::string& home, const LinksArgs& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace kv::cli
