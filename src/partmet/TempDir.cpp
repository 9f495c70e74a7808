#include "partmet/TempDir.h"

namespace kv {}  // namespace kv
