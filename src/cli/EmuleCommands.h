#pragma once

#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli/AmuleCommands.h"
#include "common/Paths.h"

namespace CLI {
class App;
}

namespace kv::cli {

// `emule connect` and the actions on eMule's downloads over its Web Interface.

struct EmuleConnectArgs {
    std::string hostPort;        // "" = this machine, at the port of the imported or detected preferences.ini
    bool passwordStdin = false;  // the password is the first line of stdin
};

struct EmuleActArgs {
    AmuleAction action = AmuleAction::Pause;
    std::vector<std::string> targets;  // HASH
    bool yes = false;                  // cancel without asking
};

int RunEmuleConnect(const HomeDirs& dirs, const EmuleConnectArgs& args, const AmuleIo& io);
int RunEmuleAct(const HomeDirs& dirs, const EmuleActArgs& args, const AmuleIo& io);

// The `emule` command and its subcommands, registered on app before parsing.
std::unique_ptr<AmuleCommands> AddEmuleCommands(CLI::App& app);

}  // namespace kv::cli
