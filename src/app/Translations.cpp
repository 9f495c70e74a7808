#include "Translations.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

#include "app/presenter/Messages.h"
#include "common/DisplayText.h"

namespace kv::app {

namespace {
std::unique_ptr<QTranslator>& Installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
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

QString Shown(std::string_view bytes) { return QString::fromUtf8(ToDisplayUtf8(bytes)); }

const Translator& VerdictWords() { return msg::Words(); }

}  // namespace kv::app
