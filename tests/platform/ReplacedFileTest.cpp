#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "FileSizeLimit.h"
#include "TempDir.h"
#include "common/FileUtil.h"
#include "platform/ReplacedFile.h"

using namespace kv;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Names(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

// A replaced file keeps what the user set on it: its permissions, and a
// symbolic link keeps pointing at the file that now holds the new bytes.
TEST(ReplacedFile, ReplacingKeepsModesAndWritesThroughSymbolicLinks) {
    test::ScopedTempDir dir;
    for (const auto mode : {fs::perms(0444), fs::perms(0640)}) {
        const std::string path = dir.Write(std::to_string(int(mode)), "old");
        fs::permissions(path, mode);
        ASSERT_TRUE(WriteFileAtomic(path, "new"));
        EXPECT_EQ(fs::status(path).permissions(), mode);
        EXPECT_EQ(ReadWholeFile(path).value(), "new");
    }
    fs::create_directory(dir.File("shared"));
    const std::string target = dir.Write("shared/FAKES.DAT", "old");
    fs::create_symlink("shared/FAKES.DAT", dir.File("FAKES.DAT"));  // relative, to another directory
    fs::create_symlink(dir.File("FAKES.DAT"), dir.File("chained"));  // a link to a link
    ASSERT_TRUE(WriteFileAtomic(dir.File("chained"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir.File("chained")) && fs::is_symlink(dir.File("FAKES.DAT")));
    EXPECT_EQ(ReadWholeFile(target).value(), "new");
    EXPECT_EQ(Names(dir.File("shared")), std::vector<std::string>{"FAKES.DAT"});  // no temporary file left
    fs::create_symlink("made.dat", dir.File("dangling"));  // a dangling link gets its target created
    ASSERT_TRUE(WriteFileAtomic(dir.File("dangling"), "made"));
    EXPECT_EQ(dir.Read("made.dat"), "made");
}

// A name that leads to something other than a regular file is never replaced,
// and the refusal names the link and what it leads to.
TEST(ReplacedFile, WritesOnlyThroughLinksToRegularFilesOrToNothing) {
    test::ScopedTempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    // A device node of our own where we may make one; otherwise the system's,
    // which an unprivileged test could not replace even if the check failed.
    std::string device = "/dev/null";
    if (::geteuid() == 0 && ::mknod(dir.File("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        device = dir.File("null");
    for (const auto& [link, target] : std::vector<std::pair<std::string, std::string>>{
             {"to-fifo", dir.File("fifo")}, {"to-device", device}, {"loop-a", "loop-b"}, {"loop-b", "loop-a"}})
        fs::create_symlink(target, dir.File(link));
    const std::vector<std::string> before = Names(dir.path());
    const std::string link = "Not writing through the link " + dir.File("");
    struct Case { const char* path; std::string message; };
    for (const Case& c : std::vector<Case>{
             {"to-fifo", link + "to-fifo: it points to " + dir.File("fifo") + ", a FIFO, not a regular file."},
             {"to-device", link + "to-device: it points to " + device + ", a character device, not a regular file."},
             {"fifo", "Not writing " + dir.File("fifo") + ": it is a FIFO, not a regular file."},
             {"loop-a", link + "loop-a: its chain of links does not end."}}) {
        const auto r = ReplaceFile(dir.File(c.path), "x");
        ASSERT_FALSE(r) << c.path;
        EXPECT_NE(r.error().find(c.message), std::string::npos) << c.path << ": " << r.error();
        EXPECT_EQ(Names(dir.path()), before) << c.path;  // nothing replaced, nothing left behind
    }
    EXPECT_TRUE(fs::is_fifo(dir.File("fifo")) && fs::is_character_file(device));
}

// A write that fails says why, in the system's words, and leaves the old file
// whole and no temporary file.
TEST(ReplacedFile, AFailedWriteCarriesItsCauseAndLeavesNothingBehind) {
    test::ScopedTempDir dir;
    const std::string old = dir.Write("FAKES.DAT", "old list");
    const std::string locked = dir.Write("locked/FAKES.DAT", "old list");
    fs::permissions(dir.File("locked"), fs::perms(0500));
    const bool root = ::geteuid() == 0;  // root writes in a read-only directory all the same
    struct Case { std::string path; rlim_t limit; std::string cause, left; };
    for (const Case& c : std::vector<Case>{
             {old, 4096, "File too large", "old list"},  // past RLIMIT_FSIZE (ulimit -f)
             {locked, RLIM_INFINITY, root ? "" : "Permission denied", "old list"},
             {dir.File("gone/FAKES.DAT"), RLIM_INFINITY, "No such file or directory", "(none)"}}) {
        if (c.cause.empty()) continue;
        std::expected<void, std::string> r;
        {
            const test::FileSizeLimit limit(c.limit);
            r = ReplaceFile(c.path, std::string(100'000, 'n'));  // killed by SIGXFSZ, unless it is ignored
        }
        ASSERT_FALSE(r) << c.path;
        EXPECT_EQ(r.error(), "Could not write " + c.path + ": " + c.cause + ".");
        EXPECT_EQ(ReadWholeFile(c.path).value_or("(none)"), c.left);
    }
    fs::permissions(dir.File("locked"), fs::perms(0700));
    EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"FAKES.DAT", "locked"}));
    EXPECT_EQ(Names(dir.File("locked")), (std::vector<std::string>{"FAKES.DAT"}));
}

// A writer killed mid-write leaves its temporary file; the next write of the
// same file clears those of processes that are gone, and only those, and only
// when they are old (the pid may be another machine's on a shared directory).
TEST(ReplacedFile, TemporariesOfGoneWritersAreRemovedOnTheNextWrite) {
    test::ScopedTempDir dir;
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const std::string gone = std::to_string(child);
    const auto old = [&](const std::string& name) {
        fs::last_write_time(dir.Write(name, "x"), fs::file_time_type::clock::now() - std::chrono::hours(1));
    };
    old("FAKES.DAT.tmp-" + gone);
    old("FAKES.DAT.tmp-" + gone + ".old");
    dir.Write("FAKES.DAT.tmp-" + gone + "0", "a moment ago");  // recent: maybe another machine's
    old("FAKES.DAT.tmp-1");                                    // alive (init): not ours to judge
    old("FAKES.DAT.tmp-notes");                                // not a temporary name
    old("OTHER.DAT.tmp-" + gone);                              // another file's
    ASSERT_TRUE(ReplaceFile(dir.File("FAKES.DAT"), "new"));
    std::vector<std::string> left = {"FAKES.DAT", "FAKES.DAT.tmp-" + gone + "0", "FAKES.DAT.tmp-1",
                                     "FAKES.DAT.tmp-notes", "OTHER.DAT.tmp-" + gone};
    std::sort(left.begin(), left.end());
    EXPECT_EQ(Names(dir.path()), left);
}
