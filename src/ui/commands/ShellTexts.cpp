#include "ShellTexts.h"

#include <QStringList>

namespace zg {

namespace {
QString indented(int blanks, const QString& text) {
    return QString(blanks, u' ') + text;
}
} // namespace

QString AboutText() {
    return QStringList{indented(25, QStringLiteral("Z E L T A - G L O W")),
                       indented(22, QString(18, u'=')),
                       QString(),
                       QStringLiteral("  Programmable LED Sequencer/Flasher  - Beta3"),
                       QString(),
                       indented(27, QStringLiteral("By:  ")) + kMakerName,
                       QString(),
                       indented(26, kMakerAddress),
                       QString(),
                       indented(33, QStringLiteral("Feb 2008"))}
        .join(u'\r');
}

QString ManualNotShownText(const QString& address) {
    return QStringLiteral("The user manual could not be shown: no program on this computer opened\r%1\r\r"
                          "Open that address in a web browser.")
        .arg(address);
}

QString ManualMissingText(const QStringList& placesLookedAt) {
    return QStringLiteral("The user manual that came with the program was not found. It was looked for "
                          "as\r%1\r\r%2")
        .arg(placesLookedAt.join(u'\r'), kHowToText.trimmed());
}

QString ExitQuestion() {
    return QStringList{indented(23, QStringLiteral("OK to Really Exit ?")), QString(),
                       indented(12, QStringLiteral("(Be sure you have saved your files)"))}
        .join(u'\r');
}

} // namespace zg
