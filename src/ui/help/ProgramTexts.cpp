#include "ProgramTexts.h"

#include "device/DownloadFrame.h"

#include <QCoreApplication>
#include <QStringList>

namespace zg {

namespace {
struct ProgramText {
    Q_DECLARE_TR_FUNCTIONS(zg::ProgramCommands)
};

QString indented(int blanks, const QString& text) {
    return QString(blanks, u' ') + text;
}
} // namespace

QString AboutText() {
    return QStringList{indented(25, QStringLiteral("Z E L T A - G L O W")),
                       indented(22, QString(18, u'=')),
                       QString(),
                       ProgramText::tr("  Programmable LED Sequencer/Flasher  - Beta3"),
                       QString(),
                       indented(27, ProgramText::tr("By:  %1").arg(kMakerName)),
                       QString(),
                       indented(26, kMakerAddress),
                       QString(),
                       indented(33, QStringLiteral("Feb 2008"))}
        .join(u'\r');
}

QString ManualNotShownText(const QString& address) {
    return ProgramText::tr("The user manual could not be shown: no program on this computer opened\r%1\r\r"
                           "Open that address in a web browser.")
        .arg(address);
}

QString ManualMissingText(const QStringList& placesLookedAt) {
    return ProgramText::tr("The user manual that came with the program was not found. It was looked for "
                           "as\r%1\r\r%2")
        .arg(placesLookedAt.join(u'\r'), HowToText().trimmed());
}

QString HowToText() {
    return ProgramText::tr(" Redirecting to VANTORO webpage for more info...");
}

QString ExitQuestionDuringDownload(int itemsSent) {
    return ExitQuestion() + QStringLiteral("\r\r") +
           ProgramText::tr(
               "A download is running: the module has got %1 of %2 items so far. Exiting now stops it, "
               "and the module holds an incomplete pattern until it is sent again.")
               .arg(itemsSent)
               .arg(DownloadFrame::kItemCount);
}

QString CloseQuestionDuringDownload(int itemsSent) {
    return ProgramText::tr("A download is running: the module has got %1 of %2 items so far.\r\r"
                           "Yes stops it now and closes the program; the module then holds an incomplete "
                           "pattern until it is sent again.\rNo closes the program once the download is "
                           "done.\rCancel keeps the program open.")
        .arg(itemsSent)
        .arg(DownloadFrame::kItemCount);
}

QString ExitQuestion() {
    return QStringList{indented(23, ProgramText::tr("OK to Really Exit ?")), QString(),
                       indented(12, ProgramText::tr("(Be sure you have saved your files)"))}
        .join(u'\r');
}

} // namespace zg
