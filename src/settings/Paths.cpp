#include "settings/Paths.h"

namespace kv {}  // namespace kv
