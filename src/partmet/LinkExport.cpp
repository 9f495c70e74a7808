#include "partmet/LinkExport.h"

namespace kv {}  // namespace kv
