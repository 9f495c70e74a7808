#include "shell/ViewSwitches.h"

namespace kv {}  // namespace kv
