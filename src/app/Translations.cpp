#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace zg {

namespace {

// A system set to "C" or "POSIX" gets the program's own English, whatever else LANGUAGE lists.
QLocale localeFor(const QString& chosen) {
    return chosen.isEmpty() ? QLocale::system() : QLocale(chosen);
}

} // namespace

Translations::Translations(const QString& chosen) : locale_(localeFor(chosen)), chosen_(!chosen.isEmpty()) {
    if (locale_.language() == QLocale::C || locale_.language() == QLocale::English)
        return;
    if (!program_.load(locale_, QStringLiteral("zelta-glow"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return; // a language the program does not speak: Qt's buttons stay English with the rest
    // Qt's own texts come with Qt; without them its buttons stay English.
    (void)qt_.load(locale_, QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void Translations::install() {
    if (!program_.isEmpty()) {
        QCoreApplication::installTranslator(&qt_);
        QCoreApplication::installTranslator(&program_);
    }
    // Dates and numbers in the texts follow a language chosen, not the system's.
    if (chosen_)
        QLocale::setDefault(locale_);
}

void Translations::remove() {
    QCoreApplication::removeTranslator(&program_);
    QCoreApplication::removeTranslator(&qt_);
    QLocale::setDefault(QLocale::system());
}

} // namespace zg
