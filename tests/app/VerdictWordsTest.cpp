// The verdicts in the window's language: the core's patterns worded by the
// installed translation, English without one; a list's own words never.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>

#include "Translations.h"
#include "app/presenter/ResultRows.h"
#include "inspect/NameRules.h"
#include "usecases/ReportText.h"

namespace {

kv::Finding Suspect(const std::string& name) {
    kv::Finding f;
    f.part = "001.part";
    f.download.name = name;
    f.suspicion = kv::inspect::MakeSuspicion(kv::inspect::Strength::ProgramName, *kv::inspect::NameReason(name));
    return f;
}

}  // namespace

TEST(VerdictWords, TheWindowWordsVerdictsInItsLanguageAndAListsWordsAsTheyAre) {
    using kv::app::VerdictWords;
    kv::Finding suspect = Suspect("movie.avi.exe"), noted = suspect, listed, allowed;
    noted.suspicion->severity = kv::inspect::Severity::Note;
    listed.fake = true;
    listed.description = "Suspect: a trailer";  // a list's description, whatever it says
    allowed.allowed = true;
    allowed.description = "my own film";
    kv::LinkFinding link;
    link.verdict = kv::LinkVerdict::Suspect;
    link.suspectWhy = {kv::inspect::Reason{.kind = kv::inspect::ReasonKind::ZeroPart}};
    kv::LinkReport report;
    report.findings = {link};
    report.suspects = 1;

    kv::app::RemoveTranslation();
    EXPECT_EQ(kv::FindingCells(suspect, VerdictWords())[2],
              "Suspect: a program posing as AVI video: the name ends in .avi.exe");
    EXPECT_EQ(kv::LinkCheckSummary(report, VerdictWords()), "1 link: 0 fakes, 1 suspect, 0 malformed");

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
    kv::app::RemoveTranslation();
    EXPECT_EQ(kv::FindingCells(allowed, VerdictWords())[2], "*** OK (allowed by you: my own film)");
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
