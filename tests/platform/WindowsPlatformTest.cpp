// The Windows side of the OS layer, run under Wine: what Linux's own tests
// check there, with Windows' means (UTF-16 names, jobs, directory changes).
#include <gtest/gtest.h>

#include <windows.h>
// windows.h names its own ReplaceFile (ReplaceFileW) as a macro.
#undef ReplaceFile

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "TempDir.h"
#include "common/FileUtil.h"
#include "common/WindowsText.h"
#include "platform/DirectoryLock.h"
#include "platform/DirectoryWatch.h"
#include "platform/HomeDirectories.h"
#include "platform/MappedFile.h"
#include "platform/Process.h"
#include "platform/ReplacedFile.h"

namespace kv {
namespace {

const std::string kName = "Überraschung für Mädchen – жук 日本.txt";

TEST(WindowsPlatform, NamesAreUtf8InsideAndReplacingKeepsReadersWhole) {
    const test::ScopedTempDir dir;
    const std::string path = dir.path() + "\\" + kName;
    ASSERT_TRUE(ReplaceFile(path, "first"));
    // A reader holding the old bytes does not keep the file from being replaced.
    const std::optional<FileBytes> held = FileBytes::Open(path);
    ASSERT_TRUE(held);
    const std::expected<void, std::string> second = ReplaceFile(path, "second, longer");
    ASSERT_TRUE(second) << second.error();
    EXPECT_EQ(held->view(), "first");
    EXPECT_EQ(ReadWholeFile(path), "second, longer");
    // The name on the disk is the UTF-16 of the UTF-8 given.
    EXPECT_NE(::GetFileAttributesW(win::Wide(path).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(win::Utf8(win::Wide(kName)), kName);
    // No temporary file is left beside it.
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(win::Wide(dir.path()))) ++files;
    EXPECT_EQ(files, 1);
}

TEST(WindowsPlatform, ADirectoryIsRefusedAsAFileToReplace) {
    const test::ScopedTempDir dir;
    const std::expected<void, std::string> written = ReplaceFile(dir.path(), "x");
    ASSERT_FALSE(written);
    EXPECT_NE(written.error().find("directory"), std::string::npos) << written.error();
}

TEST(WindowsPlatform, TheLockNamesItsHolderAndIsTakenAgainOnceReleased) {
    const test::ScopedTempDir dir;
    DirectoryLock::SetProgramName("kestrivane-test");
    {
        auto lock = DirectoryLock::Take(dir.path());
        ASSERT_TRUE(lock);
        // Windows' locks are mandatory: the holder's text stays readable beside the lock.
        const std::optional<std::string> text = ReadWholeFile(dir.path() + "\\" + DirectoryLock::kFileName);
        ASSERT_TRUE(text);
        const std::optional<LockHolder> holder = ParseLockFileText(*text);
        ASSERT_TRUE(holder);
        EXPECT_EQ(holder->pid, static_cast<long>(::GetCurrentProcessId()));
    }
    EXPECT_TRUE(DirectoryLock::Take(dir.path(), std::chrono::milliseconds(0)));
}

TEST(WindowsPlatform, AChildEndsWithItsCodeAndKillEndsItsJob) {
    std::optional<ChildProcess> quick = ChildProcess::Start({"cmd.exe", "/c", "exit %KV_CODE%"}, {{"KV_CODE", "3"}});
    ASSERT_TRUE(quick);
    const std::optional<ProcessEnd> end = quick->Reap(true);
    ASSERT_TRUE(end);
    EXPECT_EQ(end->how, ProcessEnd::How::Exited);
    EXPECT_EQ(end->code, 3);

    std::optional<ChildProcess> slow = ChildProcess::Start({"cmd.exe", "/c", "ping -n 600 127.0.0.1 >NUL"}, {});
    ASSERT_TRUE(slow);
    EXPECT_FALSE(slow->Reap(false));
    slow->Kill();
    const std::optional<ProcessEnd> killed = slow->Reap(true);
    ASSERT_TRUE(killed);
    EXPECT_FALSE(killed->Succeeded());
}

TEST(WindowsPlatform, TheWatchTellsOfADownloadWrittenAndOfNoOtherFile) {
    const test::ScopedTempDir dir;
    std::vector<std::string> notes;
    auto watch = DirectoryWatch::Create([&](WatchNote, const std::string& path) { notes.push_back(path); }, nullptr);
    ASSERT_EQ(watch->Failure(), "");
    watch->Follow({WatchedDirectory{dir.path(), true, {}}});
    ASSERT_TRUE(ReplaceFile(dir.path() + "\\001.part.met", "x"));
    ASSERT_TRUE(ReplaceFile(dir.path() + "\\ignored.txt", "x"));
    std::vector<DirectoryEvent> seen;
    for (int i = 0; i < 100 && seen.empty(); ++i)
        for (const DirectoryEvent& e : watch->Wait(200).files) seen.push_back(e);
    ASSERT_FALSE(seen.empty());
    for (const DirectoryEvent& e : seen) EXPECT_EQ(e.name, "001.part.met");
    EXPECT_TRUE(notes.empty());
}

TEST(WindowsPlatform, HomesAreTheApplicationDataFolders) {
    const test::ScopedTempDir dir;
    ::SetEnvironmentVariableW(L"KESTRIVANE_HOME", nullptr);
    ::SetEnvironmentVariableW(L"APPDATA", win::Wide(dir.path() + "\\Roaming").c_str());
    ::SetEnvironmentVariableW(L"LOCALAPPDATA", win::Wide(dir.path() + "\\Local").c_str());
    const HomeDirs dirs = CurrentHomeDirs();
    EXPECT_EQ(dirs.config, dir.path() + "\\Roaming\\Kestrivane");
    EXPECT_EQ(dirs.data, dir.path() + "\\Local\\Kestrivane");
    ::SetEnvironmentVariableW(L"KESTRIVANE_HOME", win::Wide(dir.path()).c_str());
    EXPECT_EQ(CurrentHomeDirs(), (HomeDirs{dir.path(), dir.path()}));
}

}  // namespace
}  // namespace kv
