#include "FuzzSupport.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace kv::fuzz {

std::string ScratchDir() {
    // Never destroyed, so that the removal at exit still has the name.
    static const std::string& dir = *new std::string([] {
        char pattern[] = "/tmp/kv-fuzz-XXXXXX";
        if (!mkdtemp(pattern)) {
            std::perror("mkdtemp");
            std::abort();
        }
        std::string made = pattern;
        // Removed at exit; a crash leaves it behind in /tmp for a look.
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(ScratchDir(), ec);
        });
        return made;
    }());
    return dir;
}

}  // namespace kv::fuzz
