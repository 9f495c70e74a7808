#include "partmet/CheckRun.h"

namespace kv {}  // namespace kv
