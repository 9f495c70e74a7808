#include "settings/Paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>

#include "TempDir.h"

namespace kv {
namespace {

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) {
            ::setenv(name, value->c_str(), 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(Paths, JoinPathUsesExactlyOneSeparator) {
    EXPECT_EQ(JoinPath("/", "/FAKES.DAT"), "/FAKES.DAT");
    EXPECT_EQ(JoinPath("/prog", "FAKES.DAT"), "/prog/FAKES.DAT");
    EXPECT_EQ(JoinPath("", "FAKES.DAT"), "/FAKES.DAT");
    EXPECT_EQ(JoinPath("/prog/", "/FAKES.DAT"), "/prog/FAKES.DAT");
    EXPECT_EQ(JoinPath("/prog", ""), "/prog/");
}

TEST(Paths, DirectoryAndFileNameSplitAtTheLastSeparator) {
    EXPECT_EQ(DirectoryOf("/home/u/.aMule/amule.conf"), "/home/u/.aMule");
    EXPECT_EQ(FileNameOf("/home/u/.aMule/amule.conf"), "amule.conf");
    EXPECT_EQ(DirectoryOf("/pref.met"), "/");
    EXPECT_EQ(FileNameOf("/pref.met"), "pref.met");
    EXPECT_EQ(DirectoryOf("pref.met"), "");
    EXPECT_EQ(FileNameOf("pref.met"), "pref.met");
    EXPECT_EQ(FileNameOf("/dir/"), "");
}

TEST(Paths, ProgramDirectoryFollowsKestrivaneHome) {
    test::ScopedTempDir dir;
    {
        ScopedEnv home("KESTRIVANE_HOME", dir.path());
        EXPECT_EQ(ProgramDirectory(), dir.path());
    }
    {
        ScopedEnv home("KESTRIVANE_HOME", std::string());  // empty counts as unset
        ScopedEnv xdg("XDG_DATA_HOME", dir.File("xdg"));
        const std::string exeDir = ExecutableDirectory();
        EXPECT_TRUE(std::filesystem::is_directory(exeDir));
        const std::string expected =
            ::access(exeDir.c_str(), W_OK) == 0 ? exeDir : dir.File("xdg") + "/kestrivane";
        EXPECT_EQ(ProgramDirectory(), expected);
    }
}

TEST(Paths, UnwritableExecutableDirectoryFallsBackToUserDataDirectory) {
    test::ScopedTempDir dir;
    // A directory that does not exist cannot be written, even by root.
    const std::string gone = dir.File("gone");
    const std::string xdg = dir.File("data");
    EXPECT_EQ(ResolveProgramDirectory(dir.path(), gone, xdg, "/home/u"), dir.path());
    EXPECT_EQ(ResolveProgramDirectory("", dir.path(), xdg, "/home/u"), dir.path());

    EXPECT_EQ(ResolveProgramDirectory("", gone, xdg, "/home/u"), xdg + "/kestrivane");
    EXPECT_TRUE(std::filesystem::is_directory(xdg + "/kestrivane"));  // created on first use

    EXPECT_EQ(ResolveProgramDirectory("", gone, "", dir.File("home")), dir.File("home") + "/.local/share/kestrivane");
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("home") + "/.local/share/kestrivane"));
}

}  // namespace
}  // namespace kv
