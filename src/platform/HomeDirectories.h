#pragma once

#include <string>

#include "common/Paths.h"

namespace kv {

// Where this program and its user live, as the system says.

// The directory of the running executable, links resolved.
std::string ExecutableDirectory();
// The user's home directory: $HOME, else the system's account database; "" without either.
std::string UserHomeDirectory();

// The program directory: $KESTRIVANE_HOME when set; else the executable's
// directory when it is writable; else $XDG_DATA_HOME/kestrivane (default
// ~/.local/share/kestrivane), created on first use.
std::string ProgramDirectory();

// ResolveHomeDirs with the inputs of this process: the environment, this
// executable's directory and the earlier directory's Kestrivane.ini. Creates nothing.
HomeDirs CurrentHomeDirs();

}  // namespace kv
