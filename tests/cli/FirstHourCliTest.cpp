#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "PartMetBuilder.h"
#include "Spawn.h"
#include "TempDir.h"
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

// Whether text would drive a terminal: C0 escapes, or a C1 control (CSI, OSC, ST) in UTF-8.
bool DrivesTerminal(const std::string& text) {
    if (text.find_first_of("\x1b\x07") != std::string::npos) return true;
    for (size_t at = text.find('\xC2'); at != std::string::npos; at = text.find('\xC2', at + 1))
        if (at + 1 < text.size() && static_cast<unsigned char>(text[at + 1]) < 0xA0) return true;
    return false;
}

// A name or a description that carries terminal escapes never reaches the terminal raw, in any output form:
// C0 escapes, C1 controls in UTF-8, and a stray byte whose Windows-1252 reading is a C1 control.
TEST_F(FirstHour, HostileNamesAreShownNotObeyed) {
    temp.Write("002.part.met", BuildPartMet({.hash = SequentialHash(2), .name = "clip\xC2\x9D" "0;owned\xC2\x9C.avi",
                                             .size = 100, .extraTags = {}}));
    temp.Write("003.part.met", BuildPartMet({.hash = SequentialHash(3), .name = "old\x81\x9B" "2J.avi", .size = 100,
                                             .extraTags = {}}));
    home.Write("FAKES.DAT", kHash + ",100,Fake \x1b[2J cleared\r\n" + HashText(SequentialHash(2).data()) +
                                ",100,Fake \xC2\x9B" "2J cleared\r\n" + HashText(SequentialHash(3).data()) +
                                ",100,Fake \x8D\r\n");
    const Ran rows = Run({"check", "--no-header"});
    EXPECT_NE(rows.out.find("002.part\tclip\\u009D0;owned\\u009C.avi\tFake \\u009B2J cleared"), std::string::npos)
        << rows.out;
    // An anchor's address ends as the link's does.
    EXPECT_NE(Run({"check", "--html"}).out.find("|" + kHash + "|/\">"), std::string::npos);
    for (const Args& args : std::vector<Args>{{"check"}, {"check", "--html"}, {"check", "--links"}, {"export"},
                                              {"check", "--json"}, {"search", "o"}, {"search", "--json", "o"}, {"check", "--fakes", input.Write("l\xC2\x9B" "2J", "")},
                                              {"check", "--fakes", input.File("gone\xC2\x9B" "2J")},
                                              {"mark", "001.part", "--reason", "r"},
                                              {"mark", "002.part", "--reason", "r"}, {"mark", "003.part", "--reason", "r"}}) {
        const Ran run = Run(args);
        EXPECT_FALSE(DrivesTerminal(run.out + run.err)) << args[0] << " " << args.back() << "\n" << run.out << run.err;
    }
}

// Under a locale of another charset the translated texts come in that charset, whether or not it is installed.
TEST_F(FirstHour, TextsFollowTheLocalesCharset) {
    temp.Write("002.part.met", BuildPartMet({.hash = SequentialHash(2), .name = "movie.avi.exe", .size = 100,
                                             .extraTags = {}}));
    env.insert({{"LC_ALL", ""}, {"LC_CTYPE", ""}, {"LC_MESSAGES", ""}, {"LANGUAGE", ""}});
    env["LANG"] = "de_DE.ISO-8859-1";
    const Ran latin1 = Run({"check", "--no-header", "--no-all"});
    EXPECT_NE(latin1.out.find("002.part\tmovie.avi.exe\tVerd\xE4" "chtig: "), std::string::npos) << latin1.out;
    EXPECT_NE(latin1.err.find("gepr\xFC" "ft"), std::string::npos) << latin1.err;
    env["LANG"] = "de_DE.UTF-8";
    EXPECT_NE(Run({"check", "--no-header", "--no-all"}).out.find("\tVerd\xC3\xA4" "chtig: "), std::string::npos);
}

// What is not what it should be is named as such: a client's settings directory for its temp directory, a
// .part.met cut after its hash, a program given as the list.
TEST_F(FirstHour, WrongThingsGivenAreNamed) {
    ScopedTempDir amule;
    for (const char* name : {"amule.conf", "known.met", "clients.met", "Temp/.keep"}) amule.Write(name, "x");
    const std::string said = amule.path() + " is the client's settings directory, not its temp directory; the "
                             "downloads are in " + amule.File("Temp") + " (pass --temp-dir " + amule.File("Temp") +
                             ", or run 'kestrivane-cli import --detect').\n";
    for (const Args& args : {Args{"check", "--temp-dir", amule.path()}, Args{"search", "x", "--temp-dir", amule.path()}})
        EXPECT_EQ(Run(args), (Ran{2, "", said})) << args[0];

    const std::string whole = BuildPartMet({.hash = SequentialHash(2), .name = "cut.avi", .size = 100, .extraTags = {}});
    temp.Write("002.part.met", whole.substr(0, 1 + 4 + 16));
    const Ran cut = Run({"check", "--no-header", "--fakes", KV_CLI_PATH});
    EXPECT_NE(cut.out.find("002.part\t\t*** Not checked: the .met file is empty or damaged"), std::string::npos)
        << cut.out;
    EXPECT_TRUE(cut.err.starts_with("Warning: " KV_CLI_PATH " holds no fake list record (is it a list at all?)"))
        << cut.err;
}

// A command that fails before it does anything leaves a new home as it found it: no settings, no lock.
TEST_F(FirstHour, ACommandThatCannotStartWritesNothing) {
    ScopedTempDir fresh;
    for (const Args& args : {Args{"check"}, Args{"search", "avi"}, Args{"watch"}, Args{"update"},
                             Args{"update", "--url", "notaurl"}, Args{"mark", "001.part", "--reason", "r"}}) {
        Args argv = args;
        argv.insert(argv.begin(), {KV_CLI_PATH, "--home", fresh.path()});
        EXPECT_EQ(RunArgv(argv).code, 2) << args[0];
        EXPECT_TRUE(fs::is_empty(fresh.path())) << args[0] << ": " << fs::directory_iterator(fresh.path())->path();
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

// Without --home, a user whose home has no Kestrivane yet: a failed first command leaves no empty directories.
TEST_F(FirstHour, AFailedFirstCommandLeavesNoNewDirectories) {
    // The build tree is writable to its owner, who would get a portable home there: run as nobody then.
    if (::geteuid() != 0 || !fs::exists("/usr/bin/setpriv")) GTEST_SKIP() << "needs root and setpriv";
    ScopedTempDir fresh;
    ::chmod(fresh.path().c_str(), 0777);
    env = {{"HOME", fresh.path()}, {"XDG_CONFIG_HOME", ""}, {"XDG_DATA_HOME", ""}, {"no_proxy", "*"}};
    const Args nobody = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", KV_CLI_PATH};
    for (const Args& args : {Args{"check"}, Args{"update"}, Args{"search", "x"}}) {
        Args argv = nobody;
        argv.insert(argv.end(), args.begin(), args.end());
        EXPECT_EQ(RunArgv(argv).code, 2) << args[0];
        EXPECT_TRUE(fs::is_empty(fresh.path())) << args[0];
    }
    Args works = nobody;
    works.insert(works.end(), {"check", "--temp-dir", temp.path()});
    ::chmod(temp.path().c_str(), 0755);
    const Ran ran = RunArgv(works);
    EXPECT_NE(ran.code, 2) << ran.err;
    EXPECT_FALSE(fs::is_empty(fresh.path())) << "a command that ran keeps its home";
}

}  // namespace
}  // namespace kv::test
