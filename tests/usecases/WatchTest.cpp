// The watch's logic on a scripted change source and a clock of its own: what
// is reported, when, and what is read again.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>

#include "PartMetBuilder.h"
#include "TempDir.h"
#include "common/StringUtil.h"
#include "usecases/Watch.h"

namespace kv::test {
namespace {

namespace fs = std::filesystem;
using Kind = FileChange::Kind;
using Log = std::vector<std::string>;

std::string ListLineFor(uint8_t seed, const std::string& description) {
    return ToUpperAscii(HashText(SequentialHash(seed).data())) + ",1," + description + "\r\n";
}
std::string PartMet(uint8_t seed, const std::string& name) {
    return BuildPartMet({.hash = SequentialHash(seed), .name = name, .size = 1000, .extraTags = {}});
}

// Each Wait runs the next step: its action, then it returns the step's
// changes; an idle step lets the whole timeout pass on the clock.
class ScriptedSource : public ChangeSource {
public:
    struct Step { std::function<void()> action; Changes changes; bool idle = false; };
    std::deque<Step> steps;
    int64_t now = 0;
    std::vector<std::vector<FollowedDirectory>> follows;
    std::vector<int> timeouts;

    void Follow(const std::vector<FollowedDirectory>& directories) override { follows.push_back(directories); }
    Changes Wait(int timeoutMs) override {
        timeouts.push_back(timeoutMs);
        if (steps.empty()) return Changes{.stopped = true};
        Step s = std::move(steps.front());
        steps.pop_front();
        if (s.action) s.action();
        // Idle with nothing pending would wait for ever: a minute stands for it.
        now += s.idle ? (timeoutMs < 0 ? 60000 : timeoutMs) : 10;
        return s.changes;
    }
};

class WatchTest : public ::testing::Test {
protected:
    ScopedTempDir home, temp;
    ScriptedSource source;
    Log log;
    std::vector<int64_t> reportedAt;

    void SetUp() override {
        home.Write("Kestrivane.ini", "[eMule]\nTempDir=" + temp.path() + "\n[Display]\nInspectContent=NO\n");
        home.Write("FAKES.DAT", ListLineFor(0x20, "Known fake"));
    }
    // A change of a file in dir, as the source reports it.
    static Changes In(const ScopedTempDir& dir, const std::string& name, Kind kind = Kind::Written) {
        return Changes{.files = {{dir.path(), name, kind}}};
    }
    // A step, then idle ones that let the clock run.
    void Do(std::function<void()> action, Changes changes, int idle = 1) {
        source.steps.push_back({std::move(action), std::move(changes)});
        for (int i = 0; i < idle; ++i) source.steps.push_back({nullptr, {}, true});
    }
    void Run(CheckRequest request = {}) {
        ListStore lists(ProgramHome::At(home.path()));
        WatchHandlers handlers;
        handlers.finding = [&](const Finding& f) {
            log.push_back(f.part + " " + f.download.name + ": " + (f.verdict.fake() ? f.verdict.entry.description : "suspect"));
            reportedAt.push_back(source.now);
        };
        handlers.problem = [&](const CheckFailure& f) { log.push_back("problem " + std::to_string(int(f.kind))); };
        handlers.notice = [&](const WatchNotice& n) {
            static const char* kinds[] = {"reloaded", "kept", "gone", "all reloaded"};
            log.push_back(std::string(kinds[int(n.kind)]) + " " + FileNameOf(n.path));
        };
        WatchTiming timing;
        timing.clock = [this] { return source.now; };
        RunWatch(lists, request, source, handlers, timing);
    }
    // A save as aMule makes it: written beside, renamed over, copied to .bak. The copy is written, not
    // fs::copy_file'd: MinGW's libstdc++ takes any two files of one drive for the same file (no inode numbers).
    void SaveAsAmule(const std::string& name, const std::string& bytes) {
        temp.Write(name + ".backup", bytes);
        fs::rename(temp.File(name + ".backup"), temp.File(name));
        temp.Write(name + ".bak", bytes);
    }
};

TEST_F(WatchTest, AFakeIsReportedOnceAcrossSavesAndMomentsWithoutItsMet) {
    temp.Write("001.part.met", PartMet(0x20, "fake.avi"));
    temp.Write("002.part.met", PartMet(0x30, "fine.avi"));
    const std::string fake = PartMet(0x20, "fake.avi");
    for (int i = 0; i < 20; ++i) Do([&] { SaveAsAmule("001.part.met", fake); }, In(temp, "001.part.met"));
    // eMule's save: the .met away for a moment, its .bak standing in; or nothing there at all for a moment.
    Do([&] { fs::remove(temp.File("001.part.met")); }, In(temp, "001.part.met", Kind::Removed));
    Do([&] { fs::remove(temp.File("001.part.met.bak")); }, In(temp, "001.part.met.bak", Kind::Removed));
    Do([&] { temp.Write("001.part.met", fake); }, In(temp, "001.part.met"), 3);
    Run();
    EXPECT_EQ(log, Log{"001.part fake.avi: Known fake"});
}

TEST_F(WatchTest, ANewFakeIsReadWithinTheDelayHoweverBusyTheDirectory) {
    temp.Write("002.part.met", PartMet(0x30, "busy.avi"));
    int64_t written = -1;
    // The other download saved every 100 ms: the quiet time never comes.
    for (int i = 0; i < 60; ++i) {
        if (i == 5) Do([&] { temp.Write("001.part.met", PartMet(0x20, "fake.avi")), written = source.now; },
                       In(temp, "001.part.met"), 0);
        Do([&] { SaveAsAmule("002.part.met", PartMet(0x30, "busy.avi")), source.now += 90; }, In(temp, "002.part.met"),
           0);
    }
    Run();
    ASSERT_EQ(log, Log{"001.part fake.avi: Known fake"});
    EXPECT_LE(reportedAt[0] - written, WatchTiming{}.delayMs);
}

TEST_F(WatchTest, AHalfWrittenMetWaitsForItsNextWrite) {
    const std::string whole = PartMet(0x20, "fake.avi");
    // The hash is there, the name and size tags not yet.
    Do([&] { temp.Write("001.part.met", whole.substr(0, 30)); }, In(temp, "001.part.met"), 2);
    Do([&] { temp.Write("001.part.met", whole); }, In(temp, "001.part.met"));
    Run();
    EXPECT_EQ(log, Log{"001.part fake.avi: Known fake"});
}

// Cancelled and added again, a fake is news again; so is another download under the same part name, at once.
TEST_F(WatchTest, ADownloadGoneLongEnoughIsReportedAgainWhenItComesBack) {
    temp.Write("001.part.met", PartMet(0x20, "fake.avi"));
    Do([&] { fs::remove(temp.File("001.part.met")); }, In(temp, "001.part.met", Kind::Removed), 3);
    Do([&] { temp.Write("001.part.met", PartMet(0x20, "fake.avi")); }, In(temp, "001.part.met"));
    Do([&] { temp.Write("001.part.met", PartMet(0x21, "other.avi")); }, In(temp, "001.part.met"), 0);
    Do([&] { home.Write("FAKES.DAT", ListLineFor(0x20, "Known fake") + ListLineFor(0x21, "Other fake")); },
       In(home, "FAKES.DAT"));
    Run();
    EXPECT_EQ(log, (Log{"001.part fake.avi: Known fake", "gone 001.part", "001.part fake.avi: Known fake",
                        "reloaded FAKES.DAT", "001.part other.avi: Other fake"}));
}

// A list that changed is read again alone, and every download judged by what
// was read of it before: here the .met on disk names another hash by now.
TEST_F(WatchTest, AChangedListIsReadAloneAndJudgesTheDownloadsWithoutReadingThem) {
    temp.Write("001.part.met", PartMet(0x40, "marked.avi"));
    temp.Write("002.part.met", PartMet(0x41, "listed.avi"));
    Do([&] {
        temp.Write("001.part.met", PartMet(0x50, "marked.avi"));
        temp.Write("002.part.met", PartMet(0x51, "listed.avi"));
        home.Write("MYFAKES.DAT", ListLineFor(0x40, "Mine"));
    }, In(home, "MYFAKES.DAT"));
    // Being written: not read before it is complete.
    Do([&] { home.Write("FAKES.DAT", ""); }, In(home, "FAKES.DAT", Kind::Writing));
    Do([&] { home.Write("FAKES.DAT", ListLineFor(0x41, "Listed now")); }, In(home, "FAKES.DAT"));
    Run();
    EXPECT_EQ(log, (Log{"reloaded MYFAKES.DAT", "001.part marked.avi: [mine] Mine", "reloaded FAKES.DAT",
                        "002.part listed.avi: Listed now"}));
}

TEST_F(WatchTest, AVerdictIsNewsWhenItGrowsNotWhenAListIsBrieflyEmpty) {
    home.Write("Kestrivane.ini", "[eMule]\nTempDir=" + temp.path() + "\n[Display]\nInspectContent=YES\n");
    temp.Write("001.part.met", PartMet(0x40, "Holiday.jpg.exe"));
    for (const std::string& list : {ListLineFor(0x40, "Listed"), std::string(), ListLineFor(0x40, "Listed")})
        Do([&, list] { home.Write("FAKES.DAT", list); }, In(home, "FAKES.DAT"));
    Run();
    EXPECT_EQ(log, (Log{"001.part Holiday.jpg.exe: suspect", "reloaded FAKES.DAT", "001.part Holiday.jpg.exe: Listed",
                        "reloaded FAKES.DAT", "reloaded FAKES.DAT"}));
}

// An unmounted disk says nothing about its downloads: they stay, and the watch
// asks again now and then rather than at once. Followed anew, it is listed again whole.
TEST_F(WatchTest, ADirectoryGoneKeepsItsDownloadsUntilItIsListedAgainWhole) {
    temp.Write("001.part.met", PartMet(0x20, "fake.avi"));
    const std::string away = temp.path() + ".away";
    Do([&] { fs::rename(temp.path(), away); }, In(temp, "001.part.met", Kind::Removed), 5);
    Do([&] {
        fs::rename(away, temp.path());
        fs::remove(temp.File("001.part.met"));
        temp.Write("002.part.met", PartMet(0x20, "again.avi"));
    }, Changes{.relist = {temp.path()}}, 3);
    Run();
    EXPECT_EQ(log, (Log{"001.part fake.avi: Known fake", "002.part again.avi: Known fake", "gone 001.part"}));
    EXPECT_EQ(std::ranges::count(source.timeouts, 0), 0) << ::testing::PrintToString(source.timeouts);
}

TEST_F(WatchTest, TheSettingsNameTheDirectoriesAndListsFollowed) {
    ScopedTempDir further;
    further.Write("009.part.met", PartMet(0x20, "further.avi"));
    temp.Write("001.part.met", PartMet(0x05, "second.avi"));
    home.Write("FAKES2.DAT", ListLineFor(0x05, "second source"));
    Do([&] {
        home.Write("Kestrivane.ini", "[eMule]\nTempDir=" + temp.path() + "\nTempDirs=" + further.path() +
                                         "\n[Display]\nInspectContent=NO\n[Internet]\nFakesDatDownloadURL2=http://x\n");
    }, In(home, "Kestrivane.ini"));
    Do(nullptr, Changes{.reload = true});
    Run();
    EXPECT_EQ(log, (Log{"reloaded FAKES2.DAT", further.File("009.part") + " further.avi: Known fake",
                        "001.part second.avi: second source", "all reloaded "}));
    ASSERT_EQ(source.follows.size(), 2u);
    // Each directory followed, with "*.met" when its downloads count and the names that count in it, sorted.
    const auto described = [](const std::vector<FollowedDirectory>& follow) {
        Log text;
        for (FollowedDirectory d : follow) {
            std::ranges::sort(d.names);
            text.push_back(d.path + (d.downloads ? " *.met" : ""));
            for (const std::string& name : d.names) text.back() += " " + name;
        }
        return text;
    };
    EXPECT_EQ(described(source.follows[0]),
              (Log{temp.path() + " *.met", home.path() + " FAKES.DAT Kestrivane.ini MYFAKES.DAT"}));
    EXPECT_EQ(described(source.follows[1]), (Log{temp.path() + " *.met", further.path() + " *.met",
                                                 home.path() + " FAKES.DAT FAKES2.DAT Kestrivane.ini MYFAKES.DAT"}));
}

// A list given by name that cannot be read now keeps what it held.
TEST_F(WatchTest, AProblemIsSaidOnceWhileItLasts) {
    CheckRequest request;
    request.fakeList = home.File("given.dat");
    Do([&] { home.Write("given.dat", ListLineFor(0x20, "Given")); }, In(home, "given.dat"));
    Do([&] { home.Write("given.dat", ""); }, In(home, "given.dat"));
    Do([&] { temp.Write("001.part.met", PartMet(0x20, "fake.avi")); }, In(temp, "001.part.met"));
    Run(request);
    EXPECT_EQ(log, (Log{"problem " + std::to_string(int(CheckError::GivenListMissing)), "reloaded given.dat",
                        "kept given.dat", "001.part fake.avi: Given"}));
}

// Without lists and without the inspection nothing can be found: said once, until a list is back.
TEST_F(WatchTest, NoListAtAllIsSaidOnceUntilOneIsBack) {
    Do([&] { fs::remove(home.File("FAKES.DAT")); }, In(home, "FAKES.DAT", Kind::Removed));
    Do([&] { temp.Write("001.part.met", PartMet(0x20, "fake.avi")); }, In(temp, "001.part.met"));
    Do([&] { home.Write("MYFAKES.DAT", ListLineFor(0x20, "Mine")); }, In(home, "MYFAKES.DAT"));
    Do([&] { fs::remove(home.File("MYFAKES.DAT")); }, In(home, "MYFAKES.DAT", Kind::Removed));
    Run();
    const std::string noList = "problem " + std::to_string(int(CheckError::NoList));
    EXPECT_EQ(log, (Log{"reloaded FAKES.DAT", noList, "reloaded MYFAKES.DAT", "001.part fake.avi: [mine] Mine",
                        "reloaded MYFAKES.DAT", noList}));
}

}  // namespace
}  // namespace kv::test
