#include "fakedb/FakeList.h"

namespace kv {}  // namespace kv
