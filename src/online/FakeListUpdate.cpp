#include "online/FakeListUpdate.h"

namespace kv {}  // namespace kv
