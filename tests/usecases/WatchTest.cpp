#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

#include "PartMetBuilder.h"
#include "TempDir.h"
#include "common/StringUtil.h"
#include "usecases/Watch.h"

namespace kv::test {
namespace {

Finding Row(const std::string& met, uint8_t seed, bool fake, const std::string& description) {
    Finding f;
    f.part = met.substr(0, met.size() - 4);
    f.download.metFile = met;
    f.download.hash = Ed2kHash::FromRaw(SequentialHash(seed).data());
    f.fake = fake;
    f.description = description;
    if (!fake && !description.empty()) f.suspicion = inspect::Suspicion{inspect::Strength::MostlyZeros, description};
    return f;
}

std::vector<std::string> Parts(const std::vector<Finding>& findings) {
    std::vector<std::string> parts;
    for (const auto& f : findings) parts.push_back(f.part + ":" + f.description);
    return parts;
}

TEST(WatchReporter, EachFakeOrSuspectOnceWhileItStaysAndAgainAfterItLeft) {
    WatchReporter reporter;
    const Finding fake = Row("001.part.met", 1, true, "Fake"), ok = Row("002.part.met", 2, false, "");
    const Finding suspect = Row("003.part.met", 3, false, "Suspect: the head is zeros");
    using V = std::vector<std::string>;
    EXPECT_EQ(Parts(reporter.NewFindings({{fake, ok}, 1, 2})), V{"001.part:Fake"});
    EXPECT_EQ(Parts(reporter.NewFindings({{fake, ok}, 1, 2})), V{});
    EXPECT_EQ(Parts(reporter.NewFindings({{fake, suspect}, 1, 3})), V{"003.part:Suspect: the head is zeros"});
    // Another verdict for the same download is news; so is one that left and came back.
    const Finding nowFake = Row("003.part.met", 3, true, "Fake, listed now");
    EXPECT_EQ(Parts(reporter.NewFindings({{fake, nowFake}, 2, 3})), V{"003.part:Fake, listed now"});
    EXPECT_EQ(Parts(reporter.NewFindings({{nowFake}, 1, 2})), V{});
    EXPECT_EQ(Parts(reporter.NewFindings({{fake, nowFake}, 2, 3})), V{"001.part:Fake"});
    // The same part number with another hash is another download.
    EXPECT_EQ(Parts(reporter.NewFindings({{Row("001.part.met", 9, true, "Fake"), nowFake}, 2, 2})), V{"001.part:Fake"});
}

// Changes as a script gives them; each Wait first runs the step's action.
class ScriptedChanges : public ChangeSource {
public:
    struct Step { std::function<void()> before; Event event; };
    std::deque<Step> steps;
    std::vector<int> timeouts;
    Event Wait(int timeoutMs) override {
        timeouts.push_back(timeoutMs);
        if (steps.empty()) return Event::Stopped;
        Step s = steps.front();
        steps.pop_front();
        if (s.before) s.before();
        return s.event;
    }
};

TEST(RunWatch, ChecksAtOnceAndAfterEachBurstReportsNewFindingsAndProblemsOnce) {
    ScopedTempDir home, temp;
    home.Write("FAKES.DAT", ToUpperAscii(HashText(SequentialHash(7).data())) + ",1,Known fake\r\n");
    ListStore lists(ProgramHome::At(home.path()));
    CheckRequest request;
    request.tempDir = temp.path();
    request.inspect = false;  // so that a missing list stops the check
    std::vector<std::string> log;
    WatchHandlers handlers{[&](const Finding& f) { log.push_back("finding " + f.part); },
                           [&](const CheckFailure& failure) { log.push_back("problem " + std::to_string(int(failure.kind))); }};
    auto write = [&](const std::string& name, uint8_t seed) {
        return [&, name, seed] { temp.Write(name, BuildPartMet({.hash = SequentialHash(seed), .name = name, .size = 1, .extraTags = {}})); };
    };
    using E = ChangeSource::Event;
    ScriptedChanges changes;
    changes.steps = {
        {write("001.part.met", 7), E::Changed},  // a burst of two changes, then quiet: one check
        {write("002.part.met", 8), E::Changed},
        {nullptr, E::Quiet},
        {write("001.part.met", 7), E::Changed},  // written again: nothing new
        {nullptr, E::Quiet},
        {[&] { std::filesystem::remove(home.File("FAKES.DAT")); }, E::Changed},
        {nullptr, E::Quiet},
        {nullptr, E::Changed},  // still no list: not reported twice
        {nullptr, E::Quiet},
    };
    RunWatch(lists, request, changes, handlers, 250);
    EXPECT_EQ(log, (std::vector<std::string>{"finding 001.part", "problem " + std::to_string(int(CheckError::NoList))}));
    EXPECT_EQ(changes.timeouts, (std::vector<int>{-1, 250, 250, -1, 250, -1, 250, -1, 250, -1}));
}

}  // namespace
}  // namespace kv::test
