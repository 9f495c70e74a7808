#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "GuiFixture.h"
#include "Translations.h"
#include "app/presenter/Messages.h"
#include "usecases/ReportText.h"

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

// Every text the window's sources mark for context "Messages", adjacent literals joined.
QStringList MarkedMessages() {
    static const QRegularExpression marked(
        QStringLiteral(R"re((?:QT_TRANSLATE_NOOP|translate)\("Messages",\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\))re"));
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    QStringList found;
    for (const QString& dir : {QStringLiteral(KV_TS_DIR "/.."), QStringLiteral(KV_TS_DIR "/../presenter")}) {
        for (const QString& name : QDir(dir).entryList({"*.cpp", "*.h"})) {
            QFile file(dir + "/" + name);
            if (!file.open(QIODevice::ReadOnly)) continue;
            const QString code = QString::fromUtf8(file.readAll());
            for (auto it = marked.globalMatch(code); it.hasNext();) {
                QString text;
                for (auto lit = literal.globalMatch(it.next().captured(1)); lit.hasNext();) text += lit.next().captured(1);
                text.replace("\\r", "\r").replace("\\n", "\n").replace("\\\"", "\"").replace("\\t", "\t");
                found << text;
            }
        }
    }
    return found;
}

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
        for (const QString& source : MarkedMessages())
            EXPECT_TRUE(sources.contains("Messages|" + QString(source).remove('\r'))) << source.toStdString();
        EXPECT_EQ(QDir(QStringLiteral(KV_TS_DIR)).entryList({"*.ts"}).size(), kLanguages.size());
    }
}

TEST(Translations, TheWindowsSourcesMarkTheirTexts) {
    // The scan above sees the texts at all: a change to how texts are marked must not empty it.
    const QStringList marked = MarkedMessages();
    EXPECT_GT(marked.size(), 100);
    for (const char* text : {"No FAKES-DB found. Please 'Update DB'.", "Marked as fake in MYFAKES.DAT: %1",
                             "Error:\r\nNo '[eDonkey] TempPath=' or '[eMule] TempDir='\r\nin Kestrivane.ini found!"
                             "\r\n\r\nUse Menu 'File, Open ...'"})
        EXPECT_TRUE(marked.contains(QString::fromUtf8(text))) << text;
}

// The user's language picks the translation; English and the C locale (the tests') keep every text.
TEST(Translations, GermanWindowShowsGermanMenusVerdictsAndStatusTextsWithTheirPartsKept) {
    EXPECT_FALSE(kv::app::InstallTranslation(QLocale::c()));  // as for English or any language not shipped
    EXPECT_EQ(kv::msg::TempDirMissing("/t"), "Temp directory /t not found!");
    for (const QString& lang : kLanguages) {
        ASSERT_TRUE(kv::app::InstallTranslation(QLocale(lang))) << lang.toStdString();
        EXPECT_NE(kv::msg::OpeningUrl(), "Opening URL...") << lang.toStdString();
    }

    ASSERT_TRUE(kv::app::InstallTranslation(QLocale(QLocale::German, QLocale::Austria)));
    const struct { const char* name; std::string worded; std::string shown; } rows[] = {
        {"fixed", kv::msg::OpeningUrl(), "Öffne URL..."},
        {"a path with the text's words", kv::msg::TempDirMissing("/a not found!/b not found!"),
         "Temp-Verzeichnis /a not found!/b not found! nicht gefunden!"},
        {"a part holding a placeholder", kv::msg::Marked("%2 %1.avi"), "In MYFAKES.DAT als Fake markiert: %2 %1.avi"},
        {"four parts", kv::CheckFinished(1, 3, 9, 2, kv::msg::Words()),
         "Fertig! 1 Fakes und 3 Verdächtige in  9 geprüften .part.met gefunden, 2 konnten nicht gelesen werden"},
        {"not UTF-8", kv::msg::TempDirMissing("/M\xfcll"), "Temp-Verzeichnis /Müll nicht gefunden!"},
    };
    for (const auto& r : rows) EXPECT_EQ(r.worded, r.shown) << r.name;

    GuiFixture f(KV_DEMO_TEMP);
    auto& w = f.Open();
    EXPECT_EQ(w.findChild<QMenu*>("MenuFile")->title(), "&Datei");
    EXPECT_EQ(w.cbCheckFiles()->text(), "Dateien &prüfen");
    EXPECT_EQ(w.stStatus()->text(), "Keine FAKES-DB gefunden. Bitte 'DB aktualisieren'.");
    // Alt+F still starts the check, whatever letter the translation marks.
    w.resultsView()->setFocus();
    QTest::keyClick(w.resultsView(), Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(f.Idle());
    EXPECT_EQ(f.Head(), "Part-Name\tDateiname\tFehlerbeschreibung");
    EXPECT_TRUE(w.stStatus()->text().startsWith("Fertig! 0 Fakes und ")) << w.stStatus()->text().toStdString();
    EXPECT_TRUE(w.stStatus()->text().endsWith(" - Keine FAKES-DB gefunden. Bitte 'DB aktualisieren'."));
    const QStringList verdicts = f.Column(2);
    EXPECT_TRUE(verdicts.contains("*** OK ")) << verdicts.join('|').toStdString();
    EXPECT_TRUE(std::ranges::any_of(verdicts, [](const QString& v) { return v.startsWith("Verdächtig: "); }))
        << verdicts.join('|').toStdString();
    f.w.reset();
    kv::app::RemoveTranslation();
}

// Without a temp directory the check's box comes in German too.
TEST(Translations, GermanWindowSaysInGermanThatNoTempDirectoryIsSet) {
    ASSERT_TRUE(kv::app::InstallTranslation(QLocale(QLocale::German)));
    GuiFixture f;
    f.Open();
    f.Check();
    EXPECT_TRUE(f.boxes.size() == 1 && f.boxes[0].startsWith("Fehler:")) << f.boxes.join(";").toStdString();
    f.w.reset();
    kv::app::RemoveTranslation();
}

// In every language each command an Alt letter reaches has a letter of its own:
// in each menu, and among the window's buttons and the menu bar (but Alt+F,
// the check's key, which the window takes before the menu bar).
TEST(Translations, EveryLanguageGivesEachCommandItsOwnAltLetter) {
    const auto clashes = [](const QStringList& texts, const QKeySequence& allowed = {}) {
        QStringList seen, twice;
        for (const QString& text : texts) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            if (key.isEmpty() || key == allowed) continue;
            (seen.contains(key.toString()) ? twice : seen) << key.toString();
        }
        return twice;
    };
    for (const QString& lang : QStringList{"en"} + kLanguages) {
        kv::app::InstallTranslation(QLocale(lang));
        GuiFixture f;
        auto& w = f.Open();
        for (const QMenu* menu : w.findChildren<QMenu*>()) {
            QStringList items;
            for (const QAction* a : menu->actions()) items << a->text();
            EXPECT_EQ(clashes(items), QStringList()) << lang.toStdString() << " " << menu->objectName().toStdString();
        }
        QStringList window{w.cbDownloadFakesDB()->text(), w.cbCheckFiles()->text(), w.cbCheckAmule()->text()};
        for (const QAction* a : w.menuBar()->actions()) window << a->text();
        EXPECT_EQ(clashes(window, QKeySequence(Qt::ALT | Qt::Key_F)), QStringList()) << lang.toStdString();
        f.w.reset();
    }
    kv::app::RemoveTranslation();
}
