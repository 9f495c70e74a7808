#include <gtest/gtest.h>

#include "usecases/AmuleCheck.h"

// What other users' clients say makes a suspect only when "Fake" is no lone voice.
namespace kv {
namespace {

using Opt = std::optional<std::string>;

TEST(RatedFake, AtLeastOneFakeAndAtLeastHalfOfTheRatings) {
    // ratings: [1] fake ... [5] excellent
    struct Row { const char* name; std::array<uint32_t, 6> ratings; std::vector<ec::Comment> comments; Opt reason; };
    const std::vector<Row> rows = {
        {"nobody rated it", {}, {}, std::nullopt},
        {"good ratings only", {0, 0, 0, 1, 4, 2}, {}, std::nullopt},
        {"one fake among many good", {0, 1, 0, 0, 3, 1}, {}, std::nullopt},
        {"one fake alone", {0, 1, 0, 0, 0, 0}, {}, "rated Fake by 1 of 1 source"},
        {"three of four, with their words", {0, 3, 0, 0, 1, 0},
         {{"a", "x.avi", 4, "fine"}, {"b", "x.avi", 1, ""}, {"c", "x.avi", 1, "only the trailer, looped"}},
         "rated Fake by 3 of 4 sources: 'only the trailer, looped'"},
        {"half and half", {0, 2, 2, 0, 0, 0}, {}, "rated Fake by 2 of 4 sources"},
    };
    for (const Row& r : rows) {
        ec::ClientView view;
        view.ratings = r.ratings;
        view.comments = r.comments;
        const auto got = RatedFake(view);
        EXPECT_EQ(got ? Opt(got->reason) : std::nullopt, r.reason) << r.name;
        EXPECT_TRUE(!got || got->severity == inspect::Severity::Suspect) << r.name;
    }
}

}  // namespace
}  // namespace kv
