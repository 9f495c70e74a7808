#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "TempDir.h"
#include "common/Paths.h"
#include "settings/Home.h"

namespace kv {
namespace {

using test::ScopedTempDir;

TEST(HomeDirs, InstalledPortableHomeXdgAndEarlierDirectory) {
    const std::string cfg = "/home/me/.config/kestrivane", data = "/home/me/.local/share/kestrivane";
    struct Case { const char* what; std::function<void(HomeInputs&)> change; std::string config, data; };
    for (const Case& c : std::vector<Case>{
             {"installed, XDG unset", [](HomeInputs&) {}, cfg, data},
             {"installed, XDG set", [](HomeInputs& in) { in.xdgConfigHome = "/x/c", in.xdgDataHome = "/x/d"; },
              "/x/c/kestrivane", "/x/d/kestrivane"},
             {"installed, relative XDG ignored", [](HomeInputs& in) { in.xdgConfigHome = "c", in.xdgDataHome = "./d"; },
              cfg, data},
             {"installed, earlier directory kept", [](HomeInputs& in) { in.earlierHomeExists = true; }, data, data},
             {"installed, earlier directory under XDG_DATA_HOME",
              [](HomeInputs& in) { in.earlierHomeExists = true, in.xdgDataHome = "/x/d"; }, "/x/d/kestrivane",
              "/x/d/kestrivane"},
             {"installed, no home at all", [](HomeInputs& in) { in.home = ""; }, "", ""},
             {"installed, no config base", [](HomeInputs& in) { in.home = "", in.xdgDataHome = "/x"; }, "", ""},
             {"KESTRIVANE_HOME wins",
              [](HomeInputs& in) { in.kestrivaneHome = "/k", in.installed = false, in.earlierHomeExists = true; },
              "/k", "/k"},
             {"portable, writable", [](HomeInputs& in) { in.installed = false, in.executableDir = "/opt/kv"; },
              "/opt/kv", "/opt/kv"},
             {"portable, read-only, XDG unset",
              [](HomeInputs& in) { in.installed = in.executableDirWritable = false; }, data, data},
             {"portable, read-only, XDG set", [](HomeInputs& in) {
                  in.installed = in.executableDirWritable = false, in.xdgDataHome = "/x/d", in.xdgConfigHome = "/x/c";
              }, "/x/d/kestrivane", "/x/d/kestrivane"},
             {"portable, read-only, no home",
              [](HomeInputs& in) { in.installed = in.executableDirWritable = false, in.home = ""; },
              "/usr/bin", "/usr/bin"}}) {
        HomeInputs in;
        in.executableDir = "/usr/bin";
        in.installed = true;
        in.executableDirWritable = true;  // root passes every write test; the rule must not ask
        in.home = "/home/me";
        c.change(in);
        EXPECT_EQ(ResolveHomeDirs(in), (HomeDirs{c.config, c.data})) << c.what;
    }
}

// Installed is what the tree looks like around the program, wherever the
// prefix is; write access plays no part.
TEST(HomeDirs, InstalledIsDecidedByTheLayoutNotByThePrefixOrWriteAccess) {
    namespace fs = std::filesystem;
    const std::string desktop = std::string("share/applications/") + KV_APP_ID + ".desktop";
    struct Case { const char* name; std::vector<std::string> dirs, files; std::string exeDir; bool installed; };
    for (const Case& c : std::vector<Case>{
             {"data directory beside bin", {"bin", "share/kestrivane"}, {}, "bin", true},
             {"desktop entry beside bin", {"bin"}, {desktop}, "bin/", true},
             {"reached through ..", {"bin", "share/kestrivane", "lib"}, {}, "lib/../bin", true},
             {"a build tree", {"src/cli"}, {}, "src/cli", false},
             {"bin alone", {"bin"}, {}, "bin", false},
             {"another program's desktop entry", {"bin"}, {"share/applications/other.desktop"}, "bin", false},
             {"a file where the data directory goes", {"bin", "share"}, {"share/kestrivane"}, "bin", false},
             {"not a bin directory", {"tools", "share/kestrivane"}, {}, "tools", false},
             {"data one level off", {"bin", "usr/share/kestrivane"}, {}, "bin", false}}) {
        ScopedTempDir prefix;
        for (const std::string& d : c.dirs) fs::create_directories(prefix.File(d));
        for (const std::string& f : c.files) prefix.Write(f, "");
        EXPECT_EQ(IsInstalledLayout(prefix.File(c.exeDir)), c.installed) << c.name;
    }
    EXPECT_FALSE(IsInstalledLayout(""));
}

// The environment reader: this test program sits in the build tree, a portable place.
TEST(HomeDirs, CurrentHomeDirsReadsTheEnvironment) {
    ScopedTempDir dir;
    const char* was = std::getenv("KESTRIVANE_HOME");
    const std::string saved = was ? was : "";
    ::setenv("KESTRIVANE_HOME", dir.path().c_str(), 1);
    EXPECT_EQ(CurrentHomeDirs(), (HomeDirs{dir.path(), dir.path()}));
    ::unsetenv("KESTRIVANE_HOME");
    const std::string exe = ExecutableDirectory();
    EXPECT_FALSE(IsInstalledLayout(exe));
    ASSERT_EQ(::access(exe.c_str(), W_OK), 0);
    EXPECT_EQ(CurrentHomeDirs(), (HomeDirs{exe, exe}));
    if (was) ::setenv("KESTRIVANE_HOME", saved.c_str(), 1);
}

TEST(ProgramHome, SettingsGoToConfigListsAndDownloadsToData) {
    namespace fs = std::filesystem;
    ScopedTempDir root;
    const HomeDirs dirs{root.File("config/kestrivane"), root.File("data/kestrivane")};
    ProgramHome session = ProgramHome::At(dirs);
    EXPECT_EQ(session.settings.Path() + "|" + session.FakeListPath(),
              dirs.config + "/Kestrivane.ini|" + dirs.data + "/FAKES.DAT");
    EXPECT_FALSE(fs::exists(dirs.config));  // nothing made before it is asked for
    EXPECT_EQ(session.CreateDirectories(), std::nullopt);
    EXPECT_TRUE(session.settings.Write(Key::ShowAllPartMet, "NO"));
    EXPECT_TRUE(fs::is_regular_file(dirs.config + "/Kestrivane.ini") && fs::is_directory(dirs.data));

    const std::string blocked = root.Write("blocked", "a file where a directory should go") + "/sub";
    EXPECT_EQ(ProgramHome::At(HomeDirs{blocked, dirs.data}).CreateDirectories(), blocked);
    EXPECT_EQ(ProgramHome::At(HomeDirs{"", ""}).CreateDirectories(), "");
    const ProgramHome one = ProgramHome::At(root.path());  // one directory for both
    EXPECT_EQ(one.settings.Path() + "|" + one.FakeListPath(), root.File("Kestrivane.ini|") + root.File("FAKES.DAT"));
}

}  // namespace
}  // namespace kv
