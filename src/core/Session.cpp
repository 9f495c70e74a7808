#include "core/Session.h"

#include "settings/Paths.h"

namespace kv {

Session Session::At(const std::string& programDir) {
    Session s;
    s.programDir = programDir;
    s.settings = Settings(JoinPath(programDir, kSettingsFileName));
    return s;
}

std::string Session::FakeListPath() const { return JoinPath(programDir, kFakeListFileName); }

}  // namespace kv
