#include "settings/Paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

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
        // Unset (or empty): the executable's directory, which the test can write.
        ScopedEnv home("KESTRIVANE_HOME", std::string());
        const std::string exeDir = ExecutableDirectory();
        EXPECT_TRUE(std::filesystem::is_directory(exeDir));
        EXPECT_EQ(ProgramDirectory(), exeDir);
    }
}

}  // namespace
}  // namespace kv
