#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kv {

// What the window's program was asked on its command line.
struct GuiCommandLine {
    bool run = true;          // false: print and exit with exitCode
    int exitCode = 0;
    std::string out, err;     // what to print before exiting
    std::optional<std::string> home;  // --home DIR, made absolute
};

// --help, --version and --home DIR (or --home=DIR) as the command-line program
// words them. Arguments with a single dash are Qt's own (-platform, -style, ...)
// and left to it.
GuiCommandLine ParseGuiCommandLine(const std::vector<std::string>& args);

}  // namespace kv
