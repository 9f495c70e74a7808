#pragma once

#include <memory>

#include "common/Paths.h"

namespace CLI {
class App;
}

namespace kv::cli {

struct Output;

// `serve`: the watch, with the findings as a web page and a JSON API.
class ServeCommand {
public:
    virtual ~ServeCommand() = default;
    virtual bool Parsed() const = 0;
    virtual int Run(const HomeDirs& dirs, const Output& o) = 0;
};
std::unique_ptr<ServeCommand> AddServeCommand(CLI::App& app);

}  // namespace kv::cli
