#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <thread>

#include "TempDir.h"
#include "ed2k/ClientSignals.h"
#include "lists/ListShape.h"
#include "lists/ListSources.h"
#include "lists/OwnList.h"

namespace kv {
namespace {

using test::ScopedTempDir;

const std::string kA(32, 'a'), kB(32, 'B'), kC(32, 'c'), kUpperA(32, 'A');
Ed2kHash H(const std::string& hex) { return *Ed2kHash::FromHex(hex); }

TEST(JudgeList, RecordsAndPagesToldApart) {
    const std::string html = "<html><body>\r\n<p>Parked domain</p>\r\n" + kA + ",1,x\r\n</body>\r\n</html>\r\n";
    const std::string longest = kA + "," + std::string(kMaxRecordLineBytes - 33, 'x');
    struct Case { std::string bytes; ListShape shape; size_t records; };
    for (const Case& c : std::vector<Case>{
             {kA + ",1,Fake\r\n" + kB + ",2,Virus\r\n", ListShape::Usable, 2},
             {"# comment\r\n" + kA + ",1,x\r\n", ListShape::Usable, 1},      // half records still a list
             {" \r\n\r\n\t\n", ListShape::Empty, 0},
             {"Object Not Found\r\n", ListShape::NoRecords, 0},
             {kA + "0,1,33 digits\r\n", ListShape::NoRecords, 0},
             // The longest record, with either line end: the CR is not part of it.
             {longest + "\r\n", ListShape::Usable, 1},
             {longest + "x\r\n", ListShape::NoRecords, 0},
             {html, ListShape::MostlyNotRecords, 1},
             {"\xFF\xFE" + std::string("a\0,\0", 4), ListShape::Utf16, 0},
             {std::string("a\0a\0a\0a\0", 8), ListShape::Utf16, 0},       // no mark, every other byte NUL
             {kA + ",1,x\r\n" + std::string("\0\x01\x02", 3), ListShape::HasNul, 0}}) {
        const ListJudgement j = JudgeList(c.bytes);
        EXPECT_EQ(j.shape, c.shape) << c.bytes.substr(0, 60);
        EXPECT_EQ(j.records, c.records) << c.bytes.substr(0, 60);
    }
}

TEST(OwnList, MarkReplacesUnmarkRemovesAndOtherLinesStay) {
    ScopedTempDir dir;
    const std::string path = dir.File(kOwnListFileName);
    EXPECT_EQ(UnmarkFake(path, H(kA))->changed, 0u);  // no file yet: nothing to remove, nothing written
    EXPECT_EQ(dir.Read(kOwnListFileName), "");

    dir.Write(kOwnListFileName, "# my marks\n" + kC + ",5,kept\n");
    EXPECT_TRUE(MarkFake(path, H(kA), 700, "Trailer\r\nonly").has_value());  // a line break cannot split the record
    EXPECT_TRUE(MarkFake(path, H(kB), std::nullopt, "no size").has_value());
    EXPECT_EQ(dir.Read(kOwnListFileName),
              "# my marks\r\n" + kC + ",5,kept\r\n" + kUpperA + ",700,Trailer  only\r\n" + kB + ",,no size\r\n");

    EXPECT_EQ(MarkFake(path, H(kA), 701, "again")->changed, 1u);  // marked twice: one record, the newer
    EXPECT_EQ(UnmarkFake(path, H(std::string(32, 'b')))->changed, 1u);  // either case names it
    EXPECT_EQ(dir.Read(kOwnListFileName), "# my marks\r\n" + kC + ",5,kept\r\n" + kUpperA + ",701,again\r\n");
    EXPECT_EQ(OwnListLines(path), kC + ",5,kept\r\n" + kUpperA + ",701,again\r\n");  // records only

    const std::string missing = dir.File("no-dir/MYFAKES.DAT");
    const auto failed = MarkFake(missing, H(kA), 1, "x");
    ASSERT_FALSE(failed);
    EXPECT_NE(failed.error().failure.find(missing), std::string::npos);
}

// The guard's records: one a hash, each name once, the user's words kept.
TEST(OwnList, TheGuardRecordsEachHashOnceWithEveryNameItCameUnder) {
    ScopedTempDir dir;
    const std::string path = dir.File(kOwnListFileName);
    dir.Write(kOwnListFileName, kB + ",allowed,my holiday film\r\n" + kC + ",,the user's reason\r\n");
    struct Step { std::string hash; const char* name; const char* why; size_t changed; };
    for (const Step& s : std::vector<Step>{
             {kA, "Film.avi", "FAKES.DAT: Trailer only", 1},
             {kA, "Film.avi", "ignored: the record has it", 0},  // the same name again: nothing new
             {kA, "Other\nname.mkv", "ignored", 1},                // a new name: added to the same record
             {kB, "Holiday.avi", "a suspect", 0},                  // the user allowed it: never recorded
             {kC, "Marked.avi", "ignored", 1}}) {                  // the user's mark becomes the guard's
        const auto edit = RecordGuarded(path, H(s.hash), 700, s.name, s.why);
        ASSERT_TRUE(edit) << s.name;
        EXPECT_EQ(edit->changed, s.changed) << s.name;
    }
    EXPECT_EQ(dir.Read(kOwnListFileName),
              kB + ",allowed,my holiday film\r\n" + kUpperA +
                  ",700,guarded: FAKES.DAT: Trailer only; seen as: Film.avi | Other name.mkv\r\n" + std::string(32, 'C') +
                  ",700,guarded: the user's reason; seen as: Marked.avi\r\n");
    const auto guarded = ReadGuarded(path);
    EXPECT_EQ(guarded.size(), 2u);
    EXPECT_EQ(guarded.at(H(kA)), (GuardedRecord{"FAKES.DAT: Trailer only", {"Film.avi", "Other name.mkv"}}));
    EXPECT_FALSE(guarded.contains(H(kB)));
    // Unmarked by the user: no longer kept out.
    EXPECT_TRUE(UnmarkFake(path, H(kA)));
    EXPECT_FALSE(ReadGuarded(path).contains(H(kA)));
}

class ExtraListsTest : public ::testing::Test {
protected:
    ScopedTempDir home, prefs;
    ProgramHome session = ProgramHome::At(home.path());
    FakeCatalogue fakes;
    std::optional<FakeMatch> Find(const std::string& hex) const { return fakes.find(H(hex)); }
};

TEST_F(ExtraListsTest, OwnListFirstThenFakesDatThenSourcesInOrderThenClientSignals) {
    const ScopedTempDir donkey;
    home.Write("Kestrivane.ini", "[Internet]\r\nFakesDatDownloadURL3=http://3\r\nFakesDatDownloadURL2=http://2\r\n"
                                 "[eMule]\r\nPreferencesIniPath=" + prefs.path() + "\r\n[eDonkey]\r\nPrefMetPath=" +
                                     donkey.path() + "\r\n");
    const std::string kD(32, 'd'), kE(32, 'e'), kSpam(32, '1'), kAmule(32, '2');
    home.Write("MYFAKES.DAT", kA + ",1,mine\r\n");
    home.Write("FAKES2.DAT", kA + ",1,two\r\n" + kB + ",1,two\r\n" + kC + ",1,two\r\n");
    home.Write("FAKES3.DAT", kB + ",1,three\r\n" + kD + ",1,three\r\n");
    home.Write("FAKES4.DAT", kE + ",1,no address, so not loaded\r\n");
    fakes.Put(FakeList::Parse(kB + ",1,main\r\n", "FAKES.DAT"), ListRank::Downloaded, kMainListSlot);
    SpamList spam;
    spam.spam = {H(kSpam)};
    prefs.Write("SearchSpam.met", WriteSearchSpam(spam));
    prefs.Write("cancelled.met", WriteEmuleCancelled(0x5EED1234, {H(kC), H(kD), H(kE)}));
    donkey.Write("canceled.met", WriteAmuleCanceled({H(kAmule)}));
    donkey.Write("SearchSpam.met", "not a spam file");  // the eMule directory's file of that name wins

    const ExtraListsLoad load = LoadExtraLists(fakes, session);
    EXPECT_EQ(load.ownRecords, 1u);
    EXPECT_EQ(load.sourceLists, 2u);
    EXPECT_EQ(load.signalFiles,
              (std::vector<std::string>{prefs.File("SearchSpam.met"), prefs.File("cancelled.met"),
                                        donkey.File("canceled.met")}));
    EXPECT_TRUE(load.problems.empty());
    struct Case { std::string hash, description, list; };
    for (const Case& c : std::vector<Case>{{kA, "[mine] mine", "MYFAKES.DAT"}, {kB, "main", "FAKES.DAT"},
                                           {kC, "two", "FAKES2.DAT"}, {kD, "three", "FAKES3.DAT"},
                                           {kE, "Cancelled before in eMule", "cancelled.met"},
                                           {kSpam, "Marked as spam in eMule", "SearchSpam.met"},
                                           {kAmule, "Cancelled before in aMule", "canceled.met"}}) {
        const auto m = Find(c.hash);
        ASSERT_TRUE(m) << c.hash;
        EXPECT_EQ(m->description + "|" + m->listName, c.description + "|" + c.list);
    }
    EXPECT_FALSE(Find(std::string(32, '9')));

    // A second load replaces what the first put there: a removed mark is gone, a damaged file named; the same
    // hash salted with another seed is another entry, so the file must be read with its own seed.
    home.Write("MYFAKES.DAT", "");
    prefs.Write("cancelled.met", WriteEmuleCancelled(8, {H(kE)}));
    prefs.Write("SearchSpam.met", "\x0F");  // cut short
    EXPECT_EQ(LoadExtraLists(fakes, session).problems.size(), 1u);
    EXPECT_EQ(Find(kA)->listName, "FAKES2.DAT");
    EXPECT_EQ(Find(kE)->listName, "cancelled.met");
    EXPECT_FALSE(Find(kSpam));
}

// Rewrites path over and over, as a client saving its list does: truncated, then written in two pieces with a
// moment between them. Returns once the old bytes are gone.
class InPlaceRewriter {
public:
    InPlaceRewriter(const std::string& path, const std::string& bytes)
        : thread_([this, path, bytes](const std::stop_token& stop) {
              for (const size_t half = bytes.size() / 2; !stop.stop_requested(); ++rewrites_) {
                  std::FILE* f = std::fopen(path.c_str(), "r+b");
                  if (!f) return;
                  ::ftruncate(::fileno(f), 0);
                  std::fwrite(bytes.data(), 1, half, f);
                  std::fflush(f);
                  std::this_thread::sleep_for(std::chrono::microseconds(300));
                  std::fwrite(bytes.data() + half, 1, bytes.size() - half, f);
                  std::fclose(f);
              }
          }) {
        while (rewrites_ == 0) std::this_thread::sleep_for(std::chrono::microseconds(100));
    }

private:
    std::atomic<int> rewrites_{0};
    std::jthread thread_;
};

// A client's file rewritten during the check is read again, or what the last
// load read stands; never is half a file taken for the whole.
TEST_F(ExtraListsTest, ASignalFileRewrittenWhileReadIsNeverTakenHalf) {
    home.Write("Kestrivane.ini", "[eMule]\r\nPreferencesIniPath=" + prefs.path() + "\r\n");
    std::vector<Ed2kHash> many;
    for (int i = 0; i < 400; ++i) many.push_back(H(std::string(31, 'c') + "0123456789abcdef"[i % 16]));
    many.push_back(H(kC));
    const std::string rewritten = WriteAmuleCanceled(many);
    for (const bool loadedBefore : {true, false}) {
        for (int round = 0; round < 5; ++round) {
            SCOPED_TRACE(loadedBefore ? "with an earlier reading" : "on the first load");
            fakes.Clear();
            prefs.Write("canceled.met", WriteAmuleCanceled({H(kB)}));
            if (loadedBefore) {
                ASSERT_TRUE(LoadExtraLists(fakes, session).problems.empty());
            }
            const InPlaceRewriter client(prefs.File("canceled.met"), rewritten);
            const ExtraListsLoad load = LoadExtraLists(fakes, session);
            if (Find(kC)) {  // read whole between two rewrites
                EXPECT_TRUE(load.problems.empty());
                continue;
            }
            ASSERT_EQ(load.problems.size(), 1u);
            EXPECT_EQ(load.problems[0], prefs.File("canceled.met") + ": it was being rewritten while read; " +
                                            (loadedBefore ? "the previous reading is kept" : "not used this time"));
            EXPECT_EQ(Find(kB).has_value(), loadedBefore);
        }
    }
}

}  // namespace
}  // namespace kv
