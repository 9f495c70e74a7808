#pragma once

#include <string>

namespace kv {

// The platform's path separator.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// directory and fileName joined with exactly one separator: a leading separator
// of fileName is dropped, one is added to a directory that lacks it (an empty
// directory included).
std::string JoinPath(std::string directory, std::string fileName);

// Directory part of a path (without its trailing separator) and the name after
// the last separator.
std::string DirectoryOf(const std::string& path);
std::string FileNameOf(const std::string& path);

// The program directory: $KESTRIVANE_HOME when set; else the executable's
// directory when it is writable; else $XDG_DATA_HOME/kestrivane (default
// ~/.local/share/kestrivane), created on first use.
std::string ProgramDirectory();

// The rule of ProgramDirectory with its inputs given (empty = not set): the
// environment's KESTRIVANE_HOME, the executable's directory, XDG_DATA_HOME, HOME.
std::string ResolveProgramDirectory(const std::string& kestrivaneHome, const std::string& executableDir,
                                    const std::string& xdgDataHome, const std::string& home);

// The executable's directory.
std::string ExecutableDirectory();

}  // namespace kv
