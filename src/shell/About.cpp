#include "shell/About.h"

namespace kv {}  // namespace kv
