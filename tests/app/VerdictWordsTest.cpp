// The verdicts in the window's language: the core's patterns worded by the
// installed translation; a list's own words never.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>

#include "Translations.h"
#include "app/presenter/ResultRows.h"
#include "inspect/NameRules.h"
#include "usecases/ReportText.h"

TEST(VerdictWords, TheWindowWordsVerdictsInItsLanguageAndAListsWordsAsTheyAre) {
    using kv::app::VerdictWords;
    kv::Finding suspect, listed, allowed;
    suspect.part = "001.part";
    suspect.download.name = "movie.avi.exe";
    suspect.verdict.kind = kv::VerdictKind::Suspect;
    suspect.verdict.reasons = {
        kv::inspect::MakeSuspicion(kv::inspect::Strength::ProgramName, *kv::inspect::NameReason("movie.avi.exe"))};
    kv::Finding noted = suspect;
    noted.verdict.kind = kv::VerdictKind::Clean;
    noted.verdict.reasons[0].severity = kv::inspect::Severity::Note;
    listed.verdict.kind = kv::VerdictKind::Fake;
    listed.verdict.entry.description = "Suspect: a trailer";  // a list's description, whatever it says
    allowed.verdict.allowed = true;
    allowed.verdict.entry.description = "my own film";
    kv::LinkFinding link;
    link.link = kv::Ed2kLink{};
    link.verdict.kind = kv::VerdictKind::Suspect;
    link.verdict.reasons = {kv::inspect::MakeSuspicion(kv::inspect::Strength::MostlyZeros,
                                                       kv::inspect::Reason{.kind = kv::inspect::ReasonKind::ZeroPart})};
    kv::LinkReport report;
    report.findings = {link};
    report.checked = 1;
    report.suspects = 1;

    // (English without a translation is what every other test reads.)
    ASSERT_TRUE(kv::app::InstallTranslation(QLocale(QLocale::German, QLocale::Germany)));
    const struct {
        const kv::Finding& finding;
        const char* shown;
    } rows[] = {
        {suspect, "Verdächtig: ein Programm, das sich als AVI-Video ausgibt: der Name endet auf .avi.exe"},
        {noted, "*** OK (Hinweis: ein Programm, das sich als AVI-Video ausgibt: der Name endet auf .avi.exe)"},
        {listed, "Suspect: a trailer"},
        {allowed, "*** OK (von Ihnen erlaubt: my own film)"},
    };
    for (const auto& r : rows) EXPECT_EQ(kv::FindingCells(r.finding, VerdictWords())[2], r.shown) << r.shown;
    EXPECT_EQ(kv::LinkVerdictText(link, VerdictWords()),
              "Verdächtig: ein Teil der veröffentlichten Datei besteht nur aus Nullen (ihre Teil-Hashes enthalten den "
              "Hash eines leeren Teils)");
    EXPECT_EQ(kv::LinkCheckSummary(report, VerdictWords()), "1 Link: 0 Fakes, 1 verdächtig, 0 fehlerhaft");
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
