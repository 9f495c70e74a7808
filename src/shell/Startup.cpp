#include "shell/Startup.h"

namespace kv {}  // namespace kv
