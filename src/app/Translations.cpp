#include "Translations.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>

#include "common/DisplayText.h"

namespace kv::app {

namespace {

// Every text and pattern of src/app/presenter/Messages.* and the check's
// summary that the window shows, as lupdate finds them.
const char* const kPatterns[] = {
    QT_TRANSLATE_NOOP("Messages", "Tip of the day: ALT-F (Check File), CTRL-F (Download Fakes-DB)"),
    QT_TRANSLATE_NOOP("Messages", "No FAKES-DB found. Please 'Update DB'."),
    QT_TRANSLATE_NOOP("Messages", "Reading *.part.met and matching with FAKE-DB..."),
    QT_TRANSLATE_NOOP("Messages", "Partname"),
    QT_TRANSLATE_NOOP("Messages", "Filename"),
    QT_TRANSLATE_NOOP("Messages", "Error-Description"),
    QT_TRANSLATE_NOOP("Messages", "Error:\r\nNo '[eDonkey] TempPath=' or '[eMule] TempDir='\r\nin Kestrivane.ini "
                                  "found!\r\n\r\nUse Menu 'File, Open ...'"),
    QT_TRANSLATE_NOOP("Messages", "Please wait, version check is running..."),
    QT_TRANSLATE_NOOP("Messages", "Proxy Authentication is not implemented yet"),
    QT_TRANSLATE_NOOP("Messages", "You already have the newest FAKE-DB..."),
    QT_TRANSLATE_NOOP("Messages", "You already have the newest Kestrivane-Version..."),
    QT_TRANSLATE_NOOP("Messages", "The version record names no usable setup file."),
    QT_TRANSLATE_NOOP("Messages", "Opening URL..."),
    QT_TRANSLATE_NOOP("Messages", "Could not connect to the internet"),
    QT_TRANSLATE_NOOP("Messages", "Online-Check/Download not available!"),
    QT_TRANSLATE_NOOP("Messages", "The choosen URL is temporary not available. Please try later!"),
    QT_TRANSLATE_NOOP("Messages", "Error: No 'temp!' entry in pref.met found!"),
    QT_TRANSLATE_NOOP("Messages", "Error: No '[eMule] TempDir=' in preferences.ini found!"),
    QT_TRANSLATE_NOOP("Messages", "eDonkey PREF.MET successfully opened, 'PrefMetPath' and 'TempPath' written to "
                                  "KESTRIVANE.INI"),
    QT_TRANSLATE_NOOP("Messages", "eMule PREFERENCES.INI successfully opened, 'PreferencesIniPath' and 'TempDir' "
                                  "written to KESTRIVANE.INI"),
    QT_TRANSLATE_NOOP("Messages", "aMule AMULE.CONF successfully opened, 'PreferencesIniPath' and 'TempDir' written "
                                  "to KESTRIVANE.INI"),
    QT_TRANSLATE_NOOP("Messages", "Errors occurred.  Could not open link."),
    QT_TRANSLATE_NOOP("Messages", "Fake list not used"),
    QT_TRANSLATE_NOOP("Messages", "Mark as fake"),
    QT_TRANSLATE_NOOP("Messages", "Why is this download a fake? (kept in your own list MYFAKES.DAT)"),
    QT_TRANSLATE_NOOP("Messages", "A tab stop is a whole number of dialog units, 0 to 32767."),
    QT_TRANSLATE_NOOP("Messages", "Select a download in the result of a check first."),
    QT_TRANSLATE_NOOP("Messages", "This download has no ed2k hash; it cannot be marked."),
    QT_TRANSLATE_NOOP("Messages", "Your own fake list MYFAKES.DAT holds no record yet."),
    QT_TRANSLATE_NOOP("Messages", "Kestrivane Version%1 / Total %2 Fakes in DB"),
    QT_TRANSLATE_NOOP("Messages", "File %1 not found! Please download FAKE-DB!"),
    QT_TRANSLATE_NOOP("Messages", "Temp directory %1 not found!"),
    QT_TRANSLATE_NOOP("Messages", "Finished! Found %1 part.met-File with Text '%2'"),
    QT_TRANSLATE_NOOP("Messages", "Finished! Found %1 Fakes in %2 checked .part.met"),
    QT_TRANSLATE_NOOP("Messages", "Finished! Found %1 Fakes in %2 checked .part.met, %3 could not be read"),
    QT_TRANSLATE_NOOP("Messages", "Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met"),
    QT_TRANSLATE_NOOP("Messages",
                      "Finished! Found %1 Fakes and %2 Suspects in %3 checked .part.met, %4 could not be read"),
    QT_TRANSLATE_NOOP("Messages", "Reading: %1 Bytes. Please wait..."),
    QT_TRANSLATE_NOOP("Messages", "Could not open file %1."),
    QT_TRANSLATE_NOOP("Messages", "Download of %1 was interrupted."),
    QT_TRANSLATE_NOOP("Messages", "File actually not available: %1"),
    QT_TRANSLATE_NOOP("Messages", "Could not write file %1."),
    QT_TRANSLATE_NOOP("Messages", "Download finished! New %1 written..."),
    QT_TRANSLATE_NOOP("Messages", "New FAKE-DB - Version %1 available! Please download it now..."),
    QT_TRANSLATE_NOOP("Messages", "New Kestrivane-Version %1 available! Please download it now..."),
    QT_TRANSLATE_NOOP("Messages", "The fake list at %1 has not changed since the last download."),
    QT_TRANSLATE_NOOP("Messages", "Marked as fake in MYFAKES.DAT: %1"),
    QT_TRANSLATE_NOOP("Messages", "Removed from MYFAKES.DAT: %1"),
    QT_TRANSLATE_NOOP("Messages", "Recorded as not a fake in MYFAKES.DAT: %1"),
    QT_TRANSLATE_NOOP("Messages", "Enter the password of aMule's External Connections."),
    QT_TRANSLATE_NOOP("Messages", "No aMule connection stored: enter it in Extras > Options."),
    QT_TRANSLATE_NOOP("Messages", "Asking aMule for its downloads..."),
    QT_TRANSLATE_NOOP("Messages", "Cancel in aMule"),
    QT_TRANSLATE_NOOP("Messages", "No amule.conf found in ~/.aMule."),
    QT_TRANSLATE_NOOP("Messages",
                      "aMule does not accept External Connections: turn on remote controls in aMule's preferences."),
    QT_TRANSLATE_NOOP("Messages", "Not a host and port for aMule: %1"),
    QT_TRANSLATE_NOOP("Messages", "Could not log in to aMule: %1. Nothing stored."),
    QT_TRANSLATE_NOOP("Messages", "Connected to aMule %1; the connection is stored."),
    QT_TRANSLATE_NOOP("Messages", "aMule: %1"),
    QT_TRANSLATE_NOOP("Messages", "Finished! Found %1 Fakes and %2 Suspects in %3 downloads of aMule; %4 not "
                                  "inspected: their data is on the aMule machine. Run Kestrivane beside aMule to "
                                  "inspect them."),
    QT_TRANSLATE_NOOP("Messages", "Paused in aMule: %1"),
    QT_TRANSLATE_NOOP("Messages", "Resumed in aMule: %1"),
    QT_TRANSLATE_NOOP("Messages", "Cancelled in aMule: %1"),
    QT_TRANSLATE_NOOP("Messages", "aMule did not take the command for %1: %2"),
    QT_TRANSLATE_NOOP("Messages", "Cancel %1 in aMule and delete what has arrived?"),
    QT_TRANSLATE_NOOP("Messages", "Clean links added to aMule: %1 of %2"),
    QT_TRANSLATE_NOOP("Messages", "Not added to aMule: %1 (%2)"),
    QT_TRANSLATE_NOOP("Messages", "Not a fake"),
    QT_TRANSLATE_NOOP("Messages", "Why is this download not a fake? (kept in your own list MYFAKES.DAT)"),
    QT_TRANSLATE_NOOP("Messages", "No update address is set. There is no public fake list; the content check works "
                                  "without one. Mark fakes yourself, or enter a group's update address in Extras > "
                                  "Options."),
    QT_TRANSLATE_NOOP("Messages", "Your own list MYFAKES.DAT does not name %1."),
    QT_TRANSLATE_NOOP("Messages", "%1 list line(s) copied to the clipboard."),
    QT_TRANSLATE_NOOP("Messages", "%1 list line(s) of MYFAKES.DAT written to %2"),
    QT_TRANSLATE_NOOP("Messages", " Temp directory of the client:"),
    QT_TRANSLATE_NOOP("Messages", "&Browse..."),
    QT_TRANSLATE_NOOP("Messages", "Choose the client's temp directory"),
    QT_TRANSLATE_NOOP("Messages", "Check ed2k links"),
    QT_TRANSLATE_NOOP("Messages", "No fake list loaded: the links were checked by their names and part hashes only."),
    QT_TRANSLATE_NOOP("Messages", "Paste ed2k or magnet links (or any text holding them) first."),
    QT_TRANSLATE_NOOP("Messages", "Welcome to Kestrivane"),
    QT_TRANSLATE_NOOP("Messages",
                      "Kestrivane compares every unfinished download of your eMule, aMule or eDonkey client with "
                      "fake lists: files of ed2k hashes found to be fakes (a trailer, an advertisement, another "
                      "film). There is no public fake list, and the content check below works without one. To have a "
                      "list, mark the fakes you find yourself (right click on a row, 'Mark as fake'), or, if a group "
                      "you belong to keeps a list, enter its update address in the field below. The field may stay "
                      "empty."),
    QT_TRANSLATE_NOOP("Messages", "Without a list the check still looks at the first bytes each download has received "
                                  "and marks what does not match its name as \"Suspect: ...\"."),
    QT_TRANSLATE_NOOP("Messages", "Client settings found on this computer (the check reads its temp directory):"),
    QT_TRANSLATE_NOOP("Messages", "None of these: I will choose the file later (File, Open eMule / Open eDonkey)"),
    QT_TRANSLATE_NOOP("Messages", "No client settings found in ~/.aMule or the Wine prefix ~/.wine. Choose the file "
                                  "later with File, Open eMule or Open eDonkey."),
    QT_TRANSLATE_NOOP("Messages", "Update address of a group's fake list (optional):"),
    // File dialogs and further texts of the window; a text comes before a shorter one it begins like.
    QT_TRANSLATE_NOOP("Messages", "Search for eDonkey-PREF.MET-File"),
    QT_TRANSLATE_NOOP("Messages", "Search for eMule-Preferences.INI-File"),
    QT_TRANSLATE_NOOP("Messages", "eDonkey pref.met-File (pref.met)"),
    QT_TRANSLATE_NOOP("Messages", "eMule preferences.ini-File (preferences.ini)"),
    QT_TRANSLATE_NOOP("Messages", "aMule amule.conf-File (amule.conf)"),
    QT_TRANSLATE_NOOP("Messages", "All Files (*.*)"),
    QT_TRANSLATE_NOOP("Messages", "All files"),
    QT_TRANSLATE_NOOP("Messages", "Fake lists (*.DAT)"),
    QT_TRANSLATE_NOOP("Messages", "eMule collections"),
    QT_TRANSLATE_NOOP("Messages", "Text files and web pages"),
    QT_TRANSLATE_NOOP("Messages", "Open"),
    QT_TRANSLATE_NOOP("Messages", "Save"),
    QT_TRANSLATE_NOOP("Messages", "Export my fake list"),
    QT_TRANSLATE_NOOP("Messages", "Choose another file: MYFAKES.DAT and FAKES.DAT in the program directory "
                                  "are the lists in use."),
    QT_TRANSLATE_NOOP("Messages", "Open ed2k links or an eMule collection"),
    QT_TRANSLATE_NOOP("Messages", "What could this error be?"),
    QT_TRANSLATE_NOOP("Messages", "Cannot read the temp directory %1: %2."),
    QT_TRANSLATE_NOOP("Messages", "Could not read the fake list %1: %2."),
    QT_TRANSLATE_NOOP("Messages", "Could not read the fake list %1."),
    QT_TRANSLATE_NOOP("Messages", "%1 is too large to check for links (%2 bytes; at most %3 MiB are read)."),
    QT_TRANSLATE_NOOP("Messages", "Could not read %1."),
    QT_TRANSLATE_NOOP("Messages", "Another Kestrivane%1 is writing in %2; try again when it has finished."),
    QT_TRANSLATE_NOOP("Messages", "NEWER Kestrivane-Version %1 already downloaded .-) Please install it ..."),
    QT_TRANSLATE_NOOP("Messages", "Not updated: fake list source %1 (the other sources were updated or are current)."),
};

// A summary may end in the hint that no list was found.
constexpr const char* kNoListSuffix = " - No FAKES-DB found. Please 'Update DB'.";

std::unique_ptr<QTranslator>& Installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

struct Pattern {
    const char* source;
    QRegularExpression match;  // invalid for a fixed text
};

const std::vector<Pattern>& Compiled() {
    static const std::vector<Pattern> compiled = [] {
        std::vector<Pattern> out;
        static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
        for (const char* source : kPatterns) {
            const QString text = QString::fromUtf8(source);
            if (!text.contains(placeholder)) {
                out.push_back({source, {}});
                continue;
            }
            QString regex;
            for (const QString& piece : text.split(placeholder)) {
                if (!regex.isEmpty()) regex += QStringLiteral("(.*?)");
                regex += QRegularExpression::escape(piece);
            }
            // Lazy parts: a name holding a pattern's words stays whole in the last part.
            out.push_back({source, QRegularExpression(QRegularExpression::anchoredPattern(regex),
                                                      QRegularExpression::DotMatchesEverythingOption)});
        }
        return out;
    }();
    return compiled;
}

QString TranslatedOrShown(const QString& shown) {
    for (const Pattern& p : Compiled()) {
        if (p.match.pattern().isEmpty()) {
            if (shown == QString::fromUtf8(p.source)) return QCoreApplication::translate("Messages", p.source);
            continue;
        }
        const QRegularExpressionMatch m = p.match.match(shown);
        if (!m.hasMatch()) continue;
        const QString out = QCoreApplication::translate("Messages", p.source);
        // One pass over the placeholders: a part that holds "%2" itself stays as it is.
        const QStringList parts = m.capturedTexts().mid(1);
        switch (parts.size()) {
            case 1: return out.arg(parts[0]);
            case 2: return out.arg(parts[0], parts[1]);
            case 3: return out.arg(parts[0], parts[1], parts[2]);
            default: return out.arg(parts[0], parts[1], parts[2], parts[3]);
        }
    }
    return shown;
}

}  // namespace

bool InstallTranslation(const QLocale& locale) {
    RemoveTranslation();
    auto translator = std::make_unique<QTranslator>();
    // The language alone picks the file: de_AT reads kestrivane_de.
    if (locale.language() == QLocale::C || locale.language() == QLocale::English) return false;
    if (!translator->load(QStringLiteral(":/i18n/kestrivane_%1.qm").arg(QLocale::languageToCode(locale.language()))))
        return false;
    QCoreApplication::installTranslator(translator.get());
    Installed() = std::move(translator);
    return true;
}

void RemoveTranslation() {
    if (Installed()) QCoreApplication::removeTranslator(Installed().get());
    Installed().reset();
}

QString ShownText(const std::string& bytes) {
    const QString shown = QString::fromUtf8(ToDisplayUtf8(bytes));
    if (!Installed()) return shown;
    const QString suffix = QString::fromUtf8(kNoListSuffix);
    if (shown.endsWith(suffix) && shown.size() > suffix.size()) {
        return TranslatedOrShown(shown.chopped(suffix.size())) + QStringLiteral(" - ") +
               TranslatedOrShown(suffix.mid(3));
    }
    return TranslatedOrShown(shown);
}

const Translator& VerdictWords() {
    // Without an installed translation Qt gives the source back as it is.
    class QtWords final : public Translator {
        std::string Translate(const char* context, const char* source) const override {
            return QCoreApplication::translate(context, source).toStdString();
        }
    };
    static const QtWords words;
    return words;
}

const std::vector<const char*>& MessagePatterns() {
    static const std::vector<const char*> all(std::begin(kPatterns), std::end(kPatterns));
    return all;
}

}  // namespace kv::app
