// -q on the aMule commands: what was done is not reported, errors are, and
// the work is done all the same (read back with the daemon's own amulecmd).
#include <gtest/gtest.h>

#include <filesystem>

#include "AmuleDaemon.h"
#include "Spawn.h"
#include "TempDir.h"

namespace kv::test {
namespace {

const char* const kFilm = "ed2k://|file|Film%20One.avi|734003200|0123456789ABCDEF0123456789ABCDEF|/";
const char* const kFilmHash = "0123456789ABCDEF0123456789ABCDEF";

TEST(AmuleQuiet, ReportsNothingButErrorsAndStillActs) {
    if (!AmuleDaemon::Installed())
        GTEST_SKIP() << "amuled or amulecmd is not installed (Debian: amule-daemon, amule-utils)";
    ScopedTempDir root;
    std::filesystem::create_directories(root.path() + "/.aMule");
    const std::string home = root.File("kv");
    AmuleDaemon daemon(root.path() + "/.aMule");
    ASSERT_TRUE(daemon.Running()) << daemon.Log();
    daemon.Amulecmd(std::string("add ") + kFilm);
    root.Write("kv/FAKES.DAT", std::string(kFilmHash) + ",734003200,Trailer only\r\n");
    const auto state = [&] {
        const std::string shown = daemon.Amulecmd("show dl");
        const size_t at = shown.find('\n', shown.find(kFilmHash));
        return at == std::string::npos ? "(not shown)" : shown.substr(at + 1, shown.find('\n', at + 1) - at - 1);
    };

    struct Case {
        std::string args, input;
        int status;
        const char *out, *err;  // a text stdout and stderr hold, "" for nothing at all
        const char* state;      // what amulecmd shows of the film afterwards
    };
    const Case cases[] = {
        // The connection kept is what every later row uses.
        {"-q amule connect 127.0.0.1:" + std::to_string(daemon.Port()) + " --password-stdin", AmuleDaemon::kPassword, 0,
         "", "", "Waiting"},
        // The rows are the result: they stay; the note of the pause goes.
        {"-q check --amule --pause-fakes", "", 1, "Trailer only", "", "Paused"},
        {"amule resume -q 001", "", 0, "", "", "Waiting"},
        {"amule pause --quiet " + std::string(kFilmHash), "", 0, "", "", "Paused"},
        {"-q amule resume 009", "", 2, "", "aMule has no download 009.", "Paused"},
    };
    for (const Case& c : cases) {
        std::string line = "exec '" KV_CLI_PATH "' --home '" + home + "' " + c.args;
        if (!c.input.empty()) line = "printf '%s\\n' '" + c.input + "' | " + line;
        Spawned run({"/bin/sh", "-c", line}, {{"HOME", root.path()}, {"WINEPREFIX", ""}}, false);
        EXPECT_EQ(run.Finish(), c.status) << c.args << ": " << run.err;
        const auto holds = [](std::string_view s, const char* t) { return *t ? s.find(t) != s.npos : s.empty(); };
        EXPECT_TRUE(holds(run.out, c.out)) << c.args << ": " << run.out;
        EXPECT_TRUE(holds(run.err, c.err)) << c.args << ": " << run.err;
        EXPECT_NE(state().find(c.state), std::string::npos) << c.args << ": " << state();
    }
}

}  // namespace
}  // namespace kv::test
