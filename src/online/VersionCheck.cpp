#include "online/VersionCheck.h"

namespace kv {}  // namespace kv
