#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "TempDir.h"
#include "common/Paths.h"
#include "settings/Home.h"

namespace kv {
namespace {

using test::ScopedTempDir;

TEST(HomeDirs, InstalledPortableHomeXdgAndEarlierDirectory) {
    HomeInputs base;
    base.executableDir = "/usr/bin";
    base.installed = true;
    base.executableDirWritable = true;  // root passes every write test; the rule must not ask
    base.home = "/home/me";
    struct Case {
        const char* what;
        HomeInputs in;
        HomeDirs want;
    };
    auto with = [&](auto change) {
        HomeInputs in = base;
        change(in);
        return in;
    };
    const Case cases[] = {
        {"installed, XDG unset", base, {"/home/me/.config/kestrivane", "/home/me/.local/share/kestrivane"}},
        {"installed, XDG set",
         with([](HomeInputs& in) { in.xdgConfigHome = "/x/cfg", in.xdgDataHome = "/x/data"; }),
         {"/x/cfg/kestrivane", "/x/data/kestrivane"}},
        {"installed, relative XDG ignored",
         with([](HomeInputs& in) { in.xdgConfigHome = "cfg", in.xdgDataHome = "./data"; }),
         {"/home/me/.config/kestrivane", "/home/me/.local/share/kestrivane"}},
        {"installed, earlier directory kept", with([](HomeInputs& in) { in.earlierHomeExists = true; }),
         {"/home/me/.local/share/kestrivane", "/home/me/.local/share/kestrivane"}},
        {"installed, earlier directory under XDG_DATA_HOME",
         with([](HomeInputs& in) { in.earlierHomeExists = true, in.xdgDataHome = "/x/data"; }),
         {"/x/data/kestrivane", "/x/data/kestrivane"}},
        {"installed, no home at all", with([](HomeInputs& in) { in.home = ""; }), {"", ""}},
        {"installed, data but no config base",
         with([](HomeInputs& in) { in.home = "", in.xdgDataHome = "/x/data"; }), {"", ""}},
        {"KESTRIVANE_HOME, installed", with([](HomeInputs& in) { in.kestrivaneHome = "/k"; }), {"/k", "/k"}},
        {"KESTRIVANE_HOME, portable",
         with([](HomeInputs& in) { in.kestrivaneHome = "/k", in.installed = false, in.earlierHomeExists = true; }),
         {"/k", "/k"}},
        {"portable, writable", with([](HomeInputs& in) { in.installed = false, in.executableDir = "/opt/kv"; }),
         {"/opt/kv", "/opt/kv"}},
        {"portable, read-only, XDG unset",
         with([](HomeInputs& in) { in.installed = false, in.executableDirWritable = false; }),
         {"/home/me/.local/share/kestrivane", "/home/me/.local/share/kestrivane"}},
        {"portable, read-only, XDG_DATA_HOME set",
         with([](HomeInputs& in) {
             in.installed = false, in.executableDirWritable = false, in.xdgDataHome = "/x/data",
             in.xdgConfigHome = "/x/cfg";
         }),
         {"/x/data/kestrivane", "/x/data/kestrivane"}},
        {"portable, read-only, no home",
         with([](HomeInputs& in) { in.installed = false, in.executableDirWritable = false, in.home = ""; }),
         {"/usr/bin", "/usr/bin"}},
    };
    for (const Case& c : cases) {
        const HomeDirs got = ResolveHomeDirs(c.in);
        EXPECT_EQ(got.config + " | " + got.data, c.want.config + " | " + c.want.data) << c.what;
    }
}

TEST(HomeDirs, PortableAgreesWithTheProgramDirectoryRule) {
    ScopedTempDir dir;
    for (const std::string& exe : {dir.path(), dir.File("gone")}) {
        HomeInputs in;
        in.executableDir = exe;
        in.executableDirWritable = ::access(exe.c_str(), W_OK) == 0;
        in.home = dir.path();
        const std::string today = ResolveProgramDirectory("", exe, "", dir.path());
        EXPECT_EQ(ResolveHomeDirs(in), (HomeDirs{today, today})) << exe;
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
             {"desktop entry beside bin", {"bin"}, {desktop}, "bin", true},
             {"both", {"bin", "share/kestrivane"}, {desktop}, "bin/", true},
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

    // A read-only bin in an installed tree: root may write there anyway, yet nothing goes beside the program.
    ScopedTempDir prefix;
    const std::string bin = prefix.File("bin");
    fs::create_directories(bin);
    fs::create_directories(prefix.File("share/kestrivane"));
    ASSERT_EQ(::chmod(bin.c_str(), 0555), 0);
    HomeInputs in;
    in.executableDir = bin;
    in.installed = IsInstalledLayout(bin);
    in.executableDirWritable = ::access(bin.c_str(), W_OK) == 0;  // true for uid 0
    in.home = prefix.File("home");
    EXPECT_EQ(ResolveHomeDirs(in), (HomeDirs{in.home + "/.config/kestrivane", in.home + "/.local/share/kestrivane"}))
        << "uid " << ::getuid();
    ::chmod(bin.c_str(), 0755);
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

}  // namespace
}  // namespace kv

namespace kv::test {

TEST(ProgramHome, SettingsGoToConfigListsAndDownloadsToData) {
    ScopedTempDir root;
    const HomeDirs dirs{root.File("config/kestrivane"), root.File("data/kestrivane")};
    ProgramHome session = ProgramHome::At(dirs);
    EXPECT_EQ(session.settings.Path(), root.File("config/kestrivane/Kestrivane.ini"));
    EXPECT_EQ(session.FakeListPath(), root.File("data/kestrivane/FAKES.DAT"));
    EXPECT_FALSE(std::filesystem::exists(dirs.config));  // nothing made before it is asked for
    EXPECT_EQ(session.CreateDirectories(), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_directory(dirs.config) && std::filesystem::is_directory(dirs.data));
    EXPECT_TRUE(session.settings.Write(Key::ShowAllPartMet, "NO"));
    EXPECT_TRUE(std::filesystem::is_regular_file(dirs.config + "/Kestrivane.ini"));

    root.Write("blocked", "a file where a directory should go");
    EXPECT_EQ(ProgramHome::At(HomeDirs{root.File("blocked/sub"), dirs.data}).CreateDirectories(), root.File("blocked/sub"));
    EXPECT_EQ(ProgramHome::At(HomeDirs{"", ""}).CreateDirectories(), "");
    const ProgramHome one = ProgramHome::At(root.path());
    EXPECT_EQ(one.settings.Path(), root.File("Kestrivane.ini"));
    EXPECT_EQ(one.FakeListPath(), root.File("FAKES.DAT"));
}

}  // namespace kv::test
