#include "partmet/PrefImport.h"

namespace kv {}  // namespace kv
