#include "shell/Options.h"

namespace kv {}  // namespace kv
