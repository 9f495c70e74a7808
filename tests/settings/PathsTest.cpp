#include "settings/Paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "TempDir.h"

namespace kv {
namespace {

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
    const char* old = std::getenv("KESTRIVANE_HOME");
    const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
    ::setenv("KESTRIVANE_HOME", dir.path().c_str(), 1);
    const std::string chosen = ProgramDirectory();
    if (saved) {
        ::setenv("KESTRIVANE_HOME", saved->c_str(), 1);
    } else {
        ::unsetenv("KESTRIVANE_HOME");
    }
    EXPECT_EQ(chosen, dir.path());
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
