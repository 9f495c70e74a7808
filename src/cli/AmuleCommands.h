#pragma once

#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "common/Paths.h"
#include "usecases/AmuleSession.h"

namespace CLI {
class App;
}

namespace kv::cli {

// `amule connect` and the actions on aMule's downloads over its External
// Connections.

struct AmuleConnectArgs {
    std::string hostPort;        // "" = the EC settings of the imported or detected amule.conf
    bool passwordStdin = false;  // the password is the first line of stdin
};

struct AmuleActArgs {
    AmuleAction action = AmuleAction::Pause;
    std::vector<std::string> targets;  // PART (001, 001.part, 001.part.met) or HASH
    bool yes = false;                  // cancel without asking
};

struct AmuleIo {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    bool inTerminal = false;  // stdin is a terminal: passwords and confirmations are asked there
    bool quiet = false;       // -q: errors and questions only, no report of what was done
};

int RunAmuleConnect(const HomeDirs& dirs, const AmuleConnectArgs& args, const AmuleIo& io);
int RunAmuleAct(const HomeDirs& dirs, const AmuleActArgs& args, const AmuleIo& io);

// The `amule` command and its subcommands, registered on app before parsing.
class AmuleCommands {
public:
    virtual ~AmuleCommands() = default;
    virtual bool Parsed() const = 0;
    virtual int Run(const HomeDirs& dirs, bool quiet) = 0;
};
std::unique_ptr<AmuleCommands> AddAmuleCommands(CLI::App& app);

}  // namespace kv::cli
