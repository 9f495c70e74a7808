#include "partmet/PartMetReader.h"

namespace kv {}  // namespace kv
