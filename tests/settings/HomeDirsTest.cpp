#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TempDir.h"
#include "common/Paths.h"

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

TEST(HomeDirs, InstalledIsDecidedByTheBinDirectoryNotByWriteAccess) {
    const std::vector<std::string> bins = {"/usr/local/bin", "/usr/bin"};
    const std::pair<const char*, bool> cases[] = {
        {"/usr/bin", true},      {"/usr/bin/", true},  {"/usr/local/bin/../bin", true}, {"/usr//local/bin", true},
        {"/usr/bin2", false},    {"/usr", false},      {"/opt/kestrivane", false},      {"", false},
    };
    for (const auto& [dir, want] : cases) EXPECT_EQ(IsInstalledExecutable(dir, bins), want) << dir;
    EXPECT_FALSE(IsInstalledExecutable("/usr/bin", {}));

    // A read-only directory in the prefix: root may write there anyway, yet nothing goes beside the program.
    ScopedTempDir prefix;
    const std::string bin = prefix.File("bin");
    std::filesystem::create_directories(bin);
    ASSERT_EQ(::chmod(bin.c_str(), 0555), 0);
    HomeInputs in;
    in.executableDir = bin;
    in.installed = IsInstalledExecutable(bin, {prefix.path() + "/bin/"});
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
    EXPECT_FALSE(IsInstalledExecutable(exe, InstallBinDirs()));
    ASSERT_EQ(::access(exe.c_str(), W_OK), 0);
    EXPECT_EQ(CurrentHomeDirs(), (HomeDirs{exe, exe}));
    if (was) ::setenv("KESTRIVANE_HOME", saved.c_str(), 1);
}

}  // namespace
}  // namespace kv
