// The names a download's sources give it, as name sets shaped like those
// aMule shows for real releases and for the fakes that ride on them.
#include <gtest/gtest.h>

#include "inspect/SourceNames.h"

namespace kv::inspect {
namespace {

struct Case {
    const char* what;
    const char* name;                 // the download's own name
    std::vector<SourceName> sources;  // what its sources call it, with how many do
    const char* verdict;              // "suspect", "note" or "" (nothing)
    const char* shows = "";           // a name the reason quotes
};

TEST(SourceNames, BaitAndOtherTitlesAreFlaggedHonestVariantsAreNot) {
    const std::vector<Case> cases = {
        // Honest releases: languages, release tags, years, containers of one kind, other scripts.
        {"release tags and languages", "The.Matrix.1999.1080p.BluRay.x264.mkv",
         {{"The Matrix (1999) [1080p].mkv", 12}, {"Matrix.1999.German.DL.1080p.BluRay.x264.mkv", 5},
          {"the.matrix.1999.multi.vff.1080p.bluray.x264.mkv", 3}},
         ""},
        {"another video extension", "Big Buck Bunny 2008.avi",
         {{"Big_Buck_Bunny_2008.mkv", 4}, {"big buck bunny.mp4", 2}, {"Big Buck Bunny (2008) DivX.avi", 1}},
         ""},
        {"a translated title beside the original", "The Godfather 1972.avi",
         {{"Der Pate 1972 German DVDRip.avi", 6}, {"The Godfather 1972 DVDRip XviD.avi", 9}},
         ""},
        {"a title in another script", "Spirited Away 2001.mkv",
         {{"\xE5\x8D\x83\xE3\x81\xA8\xE5\x8D\x83\xE5\xB0\x8B\xE3\x81\xAE\xE7\xA5\x9E\xE9\x9A\xA0\xE3\x81\x97.mkv", 7}},
         ""},
        {"a two-letter title", "Up.2009.720p.mkv", {{"UP (2009) 720p.mkv", 3}, {"up.2009.ita.eng.mkv", 2}}, ""},
        {"a subtitle file among sources", "Amelie 2001.avi", {{"Amelie 2001.avi", 8}, {"Amelie 2001.srt", 1}}, ""},
        {"an archive goes by many names", "Collection.rar", {{"setup.exe", 5}, {"password.txt", 3}}, ""},
        {"no sources named yet", "Film.avi", {}, ""},
        // Fakes: programs, archives and bait beside media; another title.
        {"setup.exe", "Avatar The Way of Water 2022 1080p.mkv",
         {{"setup.exe", 4}, {"Avatar The Way of Water 2022 1080p.mkv", 20}}, "suspect", "setup.exe"},
        {"password.rar", "Dune Part Two 2024.avi", {{"password.rar", 3}, {"Dune Part Two 2024.avi", 3}}, "suspect",
         "password.rar"},
        {"codec.zip", "Oppenheimer.2023.mp4", {{"codec.zip", 2}}, "suspect", "codec.zip"},
        {"a bait text", "Barbie.2023.mkv", {{"PASSWORD.txt", 2}, {"Barbie 2023.mkv", 1}}, "suspect", "PASSWORD.txt"},
        {"a film hiding a program", "Film.avi", {{"Film.avi.exe", 1}}, "suspect", "Film.avi.exe"},
        {"one odd source among many", "Inception 2010.avi", {{"Inception 2010.avi", 30}, {"video.zip", 1}}, "note",
         "video.zip"},
        {"another title, several sources", "Top Gun Maverick 2022.avi",
         {{"Hot Teens Vol 3.avi", 5}, {"hot_teens_3.avi", 2}}, "suspect", "Hot Teens Vol 3.avi"},
        {"another title, one source", "Interstellar 2014.mkv", {{"Cats Compilation.mkv", 1}}, "note",
         "Cats Compilation.mkv"},
        {"a song sold as another", "Artist - Song.mp3", {{"Ringtone Offer.mp3", 4}}, "suspect", "Ringtone Offer.mp3"},
    };
    for (const Case& c : cases) {
        const auto said = JudgeSourceNames(c.name, c.sources);
        const std::string verdict = !said ? "" : said->severity == Severity::Suspect ? "suspect" : "note";
        EXPECT_EQ(verdict, c.verdict) << c.what << ": " << (said ? said->reason : "");
        if (said) {
            EXPECT_NE(said->reason.find(c.shows), std::string::npos) << c.what << ": " << said->reason;
            EXPECT_EQ(said->strength, Strength::SourceNames) << c.what;
        }
    }
}

TEST(SourceNames, TheReasonCountsTheSourcesAndShowsTheMostSharedNames) {
    const auto said = JudgeSourceNames("Film 2020.avi", {{"a.exe", 1}, {"codec.zip", 5}, {"b.rar", 2}, {"c.rar", 1},
                                                         {"Film 2020.avi", 11}});
    ASSERT_TRUE(said);
    EXPECT_EQ(said->reason, "9 of 20 sources share it as 'codec.zip', 'b.rar', 'a.exe'");
}

}  // namespace
}  // namespace kv::inspect
