#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "PartMetBuilder.h"
#include "TempDir.h"
#include "common/StringUtil.h"

// What a new user meets first: every failure says what happened, with the file and the cause.
namespace kv::test {
namespace {

namespace fs = std::filesystem;

struct Result {
    int code = -1;
    std::string out, err;
};

std::string Quote(const std::string& text) { return "'" + text + "'"; }

class FirstHour : public ::testing::Test {
protected:
    ScopedTempDir home, temp, work;

    void SetUp() override {
        temp.Write("001.part.met", BuildPartMet({.hash = SequentialHash(1), .name = "film\x1b]0;owned\x07.avi",
                                                 .size = 100, .extraTags = {}}));
        home.Write("Kestrivane.ini", "[eMule]\r\nTempDir=" + temp.path() + "\r\n");
    }

    // asNobody: as a user without privileges, so that file modes count even when the tests run as root.
    Result Run(const std::vector<std::string>& args, bool asNobody = false) {
        const std::string user = asNobody ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
        std::string command = "env -u KESTRIVANE_HOME " + user + Quote(KV_CLI_PATH) + " --home " + Quote(home.path());
        for (const auto& a : args) command += " " + Quote(a);
        const int status = std::system((command + " </dev/null >" + Quote(work.File("out")) + " 2>" +
                                        Quote(work.File("err"))).c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, work.Read("out"), work.Read("err")};
    }
};

TEST_F(FirstHour, AFakeListThatIsNoFileIsSaidWithItsCauseAndTheCheckDoesNotRun) {
    struct Row {
        const char* name;
        std::function<void(const std::string&)> make;
        std::string cause;
    };
    const std::vector<Row> rows = {
        {"a FIFO", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }, "it is a FIFO, not a regular file"},
        {"a directory", [](const std::string& p) { fs::create_directory(p); }, "it is a directory"},
        {"a loop of links",
         [&](const std::string& p) {
             fs::create_symlink(home.File("loop"), p);
             fs::create_symlink(p, home.File("loop"));
         },
         "Too many levels of symbolic links"},
    };
    for (const Row& r : rows) {
        const std::string list = home.File("FAKES.DAT");
        r.make(list);
        const Result check = Run({"check"});
        EXPECT_EQ(check.code, 2) << r.name << ": " << check.err;
        EXPECT_EQ(check.err, "Could not read the fake list " + list + ": " + r.cause + ".\n") << r.name;
        EXPECT_EQ(check.out, "") << r.name;
        fs::remove(list);
        fs::remove(home.File("loop"));
    }
}

TEST_F(FirstHour, WhatThisUserMayNotReadIsSaidAsSuch) {
    // Root reads everything: run the program as nobody then, in directories nobody may use.
    const bool root = ::geteuid() == 0;
    if (root && std::system("command -v setpriv >/dev/null") != 0) GTEST_SKIP() << "root, and no setpriv to drop it";
    home.Write("FAKES.DAT", HashText(SequentialHash(9).data()) + ",1,x\r\n");
    if (root) {
        for (const std::string& dir : {home.path(), temp.path(), work.path()}) ::chmod(dir.c_str(), 0777);
        for (const auto& entry : fs::recursive_directory_iterator(home.path())) ::chmod(entry.path().c_str(), 0666);
        ::chmod(temp.File("001.part.met").c_str(), 0666);
    }
    ::chmod(home.File("FAKES.DAT").c_str(), 0);
    Result r = Run({"check"}, root);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, "Could not read the fake list " + home.File("FAKES.DAT") + ": Permission denied.\n");
    ::chmod(home.File("FAKES.DAT").c_str(), root ? 0666 : 0600);
    ::chmod(temp.path().c_str(), 0);
    r = Run({"check"}, root);
    ::chmod(temp.path().c_str(), 0700);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, "Cannot read the temp directory " + temp.path() + ": Permission denied.\n");
}

TEST_F(FirstHour, CommandsAndArgumentsThatCannotWorkSayWhy) {
    struct Row {
        const char* name;
        std::vector<std::string> args;
        std::string err;
    };
    const std::string hash = HashText(SequentialHash(1).data());
    const std::vector<Row> rows = {
        {"a mistyped command", {"chek"}, "Unknown command 'chek'; did you mean 'check'? ('kestrivane-cli --help' lists the commands)\n"},
        {"a hash marked without its size", {"mark", hash, "--reason", "x"},
         "Cannot mark " + hash + ": give the file's size with --size BYTES when marking a hash.\n"},
        {"an update with no address",
         {"update"},
         "No update address is set. There is no public fake list; the content check works without one. To get a "
         "list, mark fakes yourself ('kestrivane-cli mark'), use a group's address ('kestrivane-cli update --url "
         "URL') or pass a list file (--fakes FILE).\n"},
    };
    for (const Row& r : rows) {
        const Result run = Run(r.args);
        EXPECT_EQ(run.code, 2) << r.name;
        EXPECT_EQ(run.err, r.err) << r.name;
    }
    EXPECT_FALSE(fs::exists(home.File("MYFAKES.DAT")));
}

// An aMule settings file without a temp directory is named as what it is, and changes nothing.
TEST_F(FirstHour, AFailedImportWritesNothing) {
    const std::string before = home.Read("Kestrivane.ini");
    const std::string conf = work.Write("aMule/amule.conf", "[eMule]\nNick=someone\n");
    const Result run = Run({"import", conf});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err, "Error: No '[eMule] TempDir=' in amule.conf found!\n");
    EXPECT_EQ(home.Read("Kestrivane.ini"), before);
}

// A name that carries terminal escapes never reaches the terminal raw, in any output form.
TEST_F(FirstHour, HostileNamesAreShownNotObeyed) {
    home.Write("FAKES.DAT", HashText(SequentialHash(1).data()) + ",100,Fake \x1b[2J cleared\r\n");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"check"}, {"check", "--html"}, {"check", "--links"}, {"export"}, {"mark", "001.part", "--reason", "r"}}) {
        const Result run = Run(args);
        EXPECT_EQ(run.out.find('\x1b'), std::string::npos) << args[0] << " " << (args.size() > 1 ? args[1] : "");
        EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << args[0];
        EXPECT_EQ(run.out.find('\x07'), std::string::npos) << args[0];
    }
}

// "Not a fake": the user's judgement wins over the list, and unmark takes it back.
TEST_F(FirstHour, AllowedDownloadsAreOkUntilUnmarked) {
    home.Write("FAKES.DAT", HashText(SequentialHash(1).data()) + ",100,Fake by the list\r\n");
    EXPECT_EQ(Run({"check", "--no-inspect"}).code, 1);
    const Result allow = Run({"allow", "001.part", "--reason", "my own upload"});
    ASSERT_EQ(allow.code, 0) << allow.err;
    const Result check = Run({"check", "--no-inspect", "--no-header"});
    EXPECT_EQ(check.code, 0) << check.err;
    EXPECT_NE(check.out.find("\t*** OK (allowed by you: my own upload)\n"), std::string::npos) << check.out;
    EXPECT_EQ(Run({"export", "--own"}).code, 1) << "an allow is no list line to share";
    ASSERT_EQ(Run({"unmark", "001.part"}).code, 0);
    EXPECT_EQ(Run({"check", "--no-inspect"}).code, 1);
}

}  // namespace
}  // namespace kv::test
