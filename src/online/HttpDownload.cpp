#include "online/HttpDownload.h"

namespace kv {}  // namespace kv
