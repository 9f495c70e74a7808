#include "Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must stand outside any namespace.
static void InitKestrivaneResources() { Q_INIT_RESOURCE(kestrivane); }

namespace kv::app {

void EnsureResources() {
    static const bool done = (InitKestrivaneResources(), true);
    (void)done;
}

}  // namespace kv::app
