#include "settings/ViewSwitches.h"

namespace kv {}  // namespace kv
