#include "settings/IniFile.h"

namespace kv {}  // namespace kv
