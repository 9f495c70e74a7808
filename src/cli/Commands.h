#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "core/Session.h"

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
    bool inspect = true;           // inspect names and arrived bytes
};

struct SearchArgs {
    std::string tempDir;
    bool json = false;
    std::string text;
};

// mark / unmark: a download of the temp directory (001.part or 001.part.met) or a hash.
struct MarkArgs {
    std::string target;            // PART or HASH
    std::string reason;            // mark: the description
    std::optional<uint64_t> size;  // mark with a HASH: the size field
    std::string tempDir;           // "" = from the settings
};

struct ExportArgs {
    bool own = false;    // the own list instead of the fakes the check finds
    std::string file;    // "" or "-" = standard output
    std::string tempDir;
};

// Each command works on the program directory home and returns the exit status.
int RunCheck(const std::string& home, const CheckArgs& args, std::ostream& out, std::ostream& err);
int RunUpdate(const std::string& home, std::ostream& err);
int RunImport(const std::string& home, const std::string& file, std::ostream& err);
int RunSearch(const std::string& home, const SearchArgs& args, std::ostream& out, std::ostream& err);
// 0 marked; 2 no such download, no hash, or the own list could not be written.
int RunMark(const std::string& home, const MarkArgs& args, std::ostream& err);
// 0 removed; 1 the own list does not name it; 2 as mark.
int RunUnmark(const std::string& home, const MarkArgs& args, std::ostream& err);
// 0 lines written; 1 nothing to export (no file written); 2 the check could not run or the file not be written.
int RunExport(const std::string& home, const ExportArgs& args, std::ostream& out, std::ostream& err);
// Warns on err when the lists a check used can find nothing: no record at all,
// or a main list that is empty or UTF-16.
void WarnAboutLoadedLists(const Session& session, const std::string& listPath, std::ostream& err);

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
