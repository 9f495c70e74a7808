#pragma once

#include <string>
#include <vector>

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

// The rule of ProgramDirectory (platform/HomeDirectories.h) with its inputs given (empty = not set): the
// environment's KESTRIVANE_HOME, the executable's directory, XDG_DATA_HOME, HOME.
std::string ResolveProgramDirectory(const std::string& kestrivaneHome, const std::string& executableDir,
                                    const std::string& xdgDataHome, const std::string& home);

// The executable's directory.
std::string ExecutableDirectory();

// Where the settings (Kestrivane.ini) and the data (FAKES.DAT, downloaded
// files) live. Portable and KESTRIVANE_HOME setups keep both in one directory.
struct HomeDirs {
    std::string config;
    std::string data;
    bool operator==(const HomeDirs&) const = default;
};

// What the choice depends on; empty strings are unset variables.
struct HomeInputs {
    std::string kestrivaneHome;  // $KESTRIVANE_HOME or --home
    std::string executableDir;
    bool installed = false;               // the executable sits in an installed layout (IsInstalledLayout)
    bool executableDirWritable = false;   // only consulted for a portable build
    std::string xdgConfigHome;
    std::string xdgDataHome;
    std::string home;
    bool earlierHomeExists = false;  // $XDG_DATA_HOME/kestrivane holds a Kestrivane.ini of an earlier version
};

// KESTRIVANE_HOME wins; a portable build keeps ResolveProgramDirectory's rule;
// an installed one never writes beside its executable: settings in
// $XDG_CONFIG_HOME/kestrivane (~/.config/kestrivane), data in
// $XDG_DATA_HOME/kestrivane (~/.local/share/kestrivane), unless an earlier
// version's directory there already holds Kestrivane.ini, which then serves for
// both. Relative XDG values are ignored, as the XDG base directory rules say.
// Both are empty when an installed program has no home to go to. Touches no file.
HomeDirs ResolveHomeDirs(const HomeInputs& in);

// Whether executableDir is PREFIX/bin of an installed tree, wherever PREFIX is:
// the install's data stand beside it (PREFIX/share/kestrivane, or the desktop
// entry under PREFIX/share/applications). A build tree has neither, so a
// program run from it stays portable. Looks at the file system only.
bool IsInstalledLayout(const std::string& executableDir);

// An XDG base directory: the variable when it holds an absolute path, else
// home/fallback; "" without either.
std::string XdgBase(const std::string& variable, const std::string& home, const char* fallback);

}  // namespace kv
