#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "GuiFixture.h"
#include "Translations.h"
#include "app/presenter/Messages.h"

namespace {

struct Message {
    QString context, source, translation, type;
};

std::vector<Message> ReadTs(const QString& path) {
    QFile file(path);
    std::vector<Message> out;
    if (!file.open(QIODevice::ReadOnly)) return out;
    QXmlStreamReader xml(&file);
    Message m;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) m.context = xml.readElementText();
        const auto text = [&] { return xml.readElementText(QXmlStreamReader::IncludeChildElements); };
        if (xml.name() == QLatin1String("source")) m.source = text();
        if (xml.name() == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            m.translation = text();
            out.push_back(m);
        }
    }
    return out;
}

// %1..%9 in order of their numbers, and the accelerator marks (&x, not &&) whatever their letter.
QStringList Marks(const QString& text) {
    static const QRegularExpression mark(QStringLiteral("%[1-9]|&(?=[^&\\s])"));
    QStringList found;
    for (auto it = mark.globalMatch(text); it.hasNext();) found << it.next().captured();
    found.sort();
    return found;
}

const QStringList kLanguages{"de", "fr", "es", "it"};

}  // namespace

TEST(Translations, EveryShippedLanguageTranslatesEveryTextKeepingItsPlaceholdersAndAccelerator) {
    // The window's own texts, the verdicts' words it shares with the command line, and the command line's.
    for (const QString& ts : {QStringLiteral(KV_TS_DIR "/kestrivane_%1.ts"),
                             QStringLiteral(KV_SHARED_TS_DIR "/kestrivane-verdicts_%1.ts"),
                             QStringLiteral(KV_SHARED_TS_DIR "/../cli/translations/kestrivane-cli_%1.ts")}) {
        QStringList sources;
        for (const auto& m : ReadTs(ts.arg("de"))) sources << m.context + "|" + m.source;
        ASSERT_GT(sources.size(), 90) << ts.toStdString();
        for (const QString& lang : kLanguages) {
            QStringList here;
            for (const auto& m : ReadTs(ts.arg(lang))) {
                here << m.context + "|" + m.source;
                const std::string where = (lang + ": " + m.source).toStdString();
                EXPECT_TRUE(m.type.isEmpty()) << where << " is " << m.type.toStdString();
                EXPECT_FALSE(m.translation.trimmed().isEmpty()) << where;
                EXPECT_EQ(Marks(m.translation), Marks(m.source)) << where;
            }
            EXPECT_EQ(here, sources) << lang.toStdString();
        }
        if (!ts.contains("/kestrivane_%1")) continue;  // the window's own file only
        // (A CR is written as an element of its own, which the reader drops.)
        for (const char* pattern : kv::app::MessagePatterns())
            EXPECT_TRUE(sources.contains("Messages|" + QString::fromUtf8(pattern).remove('\r'))) << pattern;
        EXPECT_EQ(QDir(QStringLiteral(KV_TS_DIR)).entryList({"*.ts"}).size(), kLanguages.size());
    }
}

// The user's language picks the translation; English and the C locale (the tests') keep every text.
TEST(Translations, GermanWindowTranslatesMenusHeaderAndTheLogicsTextsWithTheirPartsKept) {
    EXPECT_FALSE(kv::app::InstallTranslation(QLocale::c()));  // as for English or any language not shipped
    EXPECT_EQ(kv::app::ShownText("Temp directory /t not found!"), "Temp directory /t not found!");
    for (const QString& lang : kLanguages) {
        ASSERT_TRUE(kv::app::InstallTranslation(QLocale(lang))) << lang.toStdString();
        EXPECT_NE(kv::app::ShownText("Opening URL..."), "Opening URL...") << lang.toStdString();
    }

    ASSERT_TRUE(kv::app::InstallTranslation(QLocale(QLocale::German, QLocale::Austria)));
    const struct { const char* name; std::string text; QString shown; } rows[] = {
        {"fixed", "Opening URL...", "Öffne URL..."},
        {"a path with the pattern's words", "Temp directory /a not found!/b not found! not found!",
         "Temp-Verzeichnis /a not found!/b not found! nicht gefunden!"},
        {"a part holding a placeholder", "Marked as fake in MYFAKES.DAT: %2 %1.avi",
         "In MYFAKES.DAT als Fake markiert: %2 %1.avi"},
        {"four parts", "Finished! Found 1 Fakes and 3 Suspects in  9 checked .part.met, 2 could not be read",
         "Fertig! 1 Fakes und 3 Verdächtige in  9 geprüften .part.met gefunden, 2 konnten nicht gelesen werden"},
        {"summary without a list",
         "Finished! Found 0 Fakes in  3 checked .part.met - No FAKES-DB found. Please 'Update DB'.",
         "Fertig! 0 Fakes in  3 geprüften .part.met gefunden - Keine FAKES-DB gefunden. Bitte 'DB aktualisieren'."},
        {"not the program's", "Connection refused", "Connection refused"},
        {"not UTF-8", "Temp directory /M\xfcll not found!", "Temp-Verzeichnis /Müll nicht gefunden!"},
    };
    for (const auto& r : rows) EXPECT_EQ(kv::app::ShownText(r.text), r.shown) << r.name;

    GuiFixture f;
    auto& w = f.Open();
    EXPECT_EQ(w.findChild<QMenu*>("MenuFile")->title(), "&Datei");
    EXPECT_EQ(w.cbCheckFiles()->text(), "Dateien &prüfen");
    EXPECT_EQ(f.Head(), "Part-Name\tDateiname\tFehlerbeschreibung");
    EXPECT_EQ(w.stStatus()->text(), "Keine FAKES-DB gefunden. Bitte 'DB aktualisieren'.");
    // Alt+F still starts the check, whatever letter the translation marks.
    w.lbGefundeneFakes()->setFocus();
    QTest::keyClick(w.lbGefundeneFakes(), Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(f.Idle());
    // No temp directory: the box, in German.
    EXPECT_TRUE(f.boxes.size() == 1 && f.boxes[0].startsWith("Fehler:")) << f.boxes.join(";").toStdString();
    f.w.reset();
    kv::app::RemoveTranslation();
}

// A fixed text is translated only when the pattern table holds it word for word.
TEST(Translations, TheFixedTextsTheWindowShowsAreInThePatternTableWordForWord) {
    using namespace kv::msg;
    const char* const shown[] = {
        kTipOfTheDay, kNoFakeList, kReadingAndMatching, kNoTempDirSetting, kVersionCheckRunning, kProxyNotImplemented,
        kNewestList, kNewestProgram, kNoSetupFile, kOpeningUrl, kNoInternet, kDownloadBoxTitle, kUrlNotAvailable,
        kNoPrefMetTemp, kNoIniTempDir, kPrefMetImported, kPreferencesIniImported, kAmuleConfImported, kLinkOpenFailed,
        kListRefusedTitle, kMarkTitle, kMarkPrompt, kAllowTitle, kAllowPrompt, kNoUpdateAddress, kAmuleNoPassword,
        kAmuleNoConnection, kAmuleAsking, kAmuleCancelTitle, kAmuleNoConf, kAmuleNotAccepting, kTabStopNotANumber,
        kSelectCheckRow, kNoHashToMark, kOwnListEmpty, kCheckLinksTitle, kNoListForLinks, kNoLinksPasted,
        kFirstStartTitle, kFirstStartFakeList, kFirstStartContentCheck, kFirstStartClients, kFirstStartNoClient,
        kFirstStartNoneFound, kFirstStartUpdateAddress, kOptionsTempDir, kOptionsBrowse, kOptionsChooseTempDir};
    for (const char* text : shown)
        EXPECT_TRUE(std::ranges::any_of(kv::app::MessagePatterns(), [&](std::string_view p) { return p == text; }))
            << text;
}
