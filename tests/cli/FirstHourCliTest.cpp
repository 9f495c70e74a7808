#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "PartMetBuilder.h"
#include "Spawn.h"
#include "common/StringUtil.h"

// What a new user meets first: every failure says what happened, with the file and the cause.
namespace kv::test {
namespace {

namespace fs = std::filesystem;

const std::string kHash = HashText(SequentialHash(1).data());

class FirstHour : public CliFixture {
protected:
    void SetUp() override {
        temp.Write("001.part.met", BuildPartMet({.hash = SequentialHash(1), .name = "film\x1b]0;owned\x07.avi",
                                                 .size = 100, .extraTags = {}}));
        home.Write("Kestrivane.ini", "[eMule]\r\nTempDir=" + temp.path() + "\r\n");
    }
    // As a user without privileges, so that file modes count even when the tests run as root.
    Ran RunAsNobody(const Args& args) {
        Args argv = Command(args);
        argv.insert(argv.begin(), {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
        return RunArgv(argv);
    }
};

TEST_F(FirstHour, WhatThisUserMayNotReadIsSaidAsSuch) {
    // Root reads everything: run the program as nobody then, in directories nobody may use.
    const bool root = ::geteuid() == 0;
    if (root && !fs::exists("/usr/bin/setpriv")) GTEST_SKIP() << "root, and no setpriv to drop it";
    const auto run = [&](const Args& args) { return root ? RunAsNobody(args) : Run(args); };
    home.Write("FAKES.DAT", kHash + ",1,x\r\n");
    if (root) {
        for (const std::string& dir : {home.path(), temp.path()}) ::chmod(dir.c_str(), 0777);
        for (const auto& entry : fs::recursive_directory_iterator(home.path())) ::chmod(entry.path().c_str(), 0666);
        ::chmod(temp.File("001.part.met").c_str(), 0666);
    }
    ::chmod(home.File("FAKES.DAT").c_str(), 0);
    EXPECT_EQ(run({"check"}),
              (Ran{2, "", "Could not read the fake list " + home.File("FAKES.DAT") + ": Permission denied.\n"}));
    ::chmod(home.File("FAKES.DAT").c_str(), root ? 0666 : 0600);
    ::chmod(temp.path().c_str(), 0);
    const Ran r = run({"check"});
    ::chmod(temp.path().c_str(), 0700);
    EXPECT_EQ(r, (Ran{2, "", "Cannot read the temp directory " + temp.path() + ": Permission denied.\n"}));
}

// A name or a description that carries terminal escapes never reaches the terminal raw, in any output form.
TEST_F(FirstHour, HostileNamesAreShownNotObeyed) {
    home.Write("FAKES.DAT", kHash + ",100,Fake \x1b[2J cleared\r\n");
    for (const Args& args : std::vector<Args>{{"check"}, {"check", "--html"}, {"check", "--links"}, {"export"},
                                              {"mark", "001.part", "--reason", "r"}}) {
        const Ran run = Run(args);
        EXPECT_EQ((run.out + run.err).find_first_of("\x1b\x07"), std::string::npos) << args[0] << " " << args.back();
    }
}

// "Not a fake": the user's judgement wins over the list, and unmark takes it back.
TEST_F(FirstHour, AllowedDownloadsAreOkUntilUnmarked) {
    home.Write("FAKES.DAT", kHash + ",100,Fake by the list\r\n");
    EXPECT_EQ(Run({"check", "--no-inspect"}).code, 1);
    ASSERT_EQ(Run({"allow", "001.part", "--reason", "my own upload"}).code, 0);
    const Ran check = Run({"check", "--no-inspect", "--no-header"});
    EXPECT_EQ(check.code, 0) << check.err;
    EXPECT_NE(check.out.find("\t*** OK (allowed by you: my own upload)\n"), std::string::npos) << check.out;
    EXPECT_EQ(Run({"export", "--own"}).code, 1) << "an allow is no list line to share";
    ASSERT_EQ(Run({"unmark", "001.part"}).code, 0);
    EXPECT_EQ(Run({"check", "--no-inspect"}).code, 1);
}

}  // namespace
}  // namespace kv::test
