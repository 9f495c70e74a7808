#include "partmet/TextSearch.h"

namespace kv {}  // namespace kv
