#include "FileCommandTexts.h"

#include "files/FileTexts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace zg {

namespace {
struct FileText {
    Q_DECLARE_TR_FUNCTIONS(zg::FileCommands)
};
} // namespace

QString FilterWithAllFiles(const QString& caption, const QString& pattern) {
    return QStringList{caption, pattern, FileText::tr("All Files (*.*)"), QStringLiteral("*.*")}.join(u'|');
}

QString DataFileFilter() {
    return FilterWithAllFiles(FileText::tr("Data Files (*.DAT)"), QStringLiteral("*.dat"));
}

QString SaveTitle() {
    return FileText::tr("Save ZELTA-GLOW Programmable LED Sequencer/Flasher Data File");
}

QString OpenTitle() {
    return FileText::tr("Open ZELTA-GLOW Programmable LED Sequencer/Flasher Data File");
}

QString MergeTitle() {
    return FileText::tr("Merge ZELTA-GLOW Programmable LED Sequencer/Flasher Data File");
}

QString ReplaceQuestion(const QString& path) {
    return FileText::tr("Replace existing file - %1?").arg(path);
}

QString SaveFailedMessage(const QString& path, const QString& reason) {
    return FileText::tr(
               "The sequence could not be saved to\r%1\r\r%2\r\rAn existing file of that name is unchanged.")
        .arg(path, reason);
}

QString UncheckableFileMessage(const QString& path, const QString& reason) {
    return FileText::tr("Whether the file\r%1\ralready exists cannot be told: %2\r\rNothing was saved.")
        .arg(path, reason);
}

QString OpenFailedMessage(const QString& path, const QString& reason) {
    return FileText::tr("The file\r%1\rcould not be opened:\r\r%2").arg(path, reason);
}

QString NotADataFileMessage(const QString& path) {
    return FileText::tr("The file\r%1\ris not a Zelta-Glow data file: none of its first 50 lines holds an "
                        "event.\r\rNothing was changed.")
        .arg(path);
}

QString NotADataFileMessage(const QString& path, const QString& why) {
    return FileText::tr("The file\r%1\ris not a Zelta-Glow data file: %2\r\rNothing was changed.")
        .arg(path, why);
}

QString DamagedFileMessage(const QString& fileTitle, const std::vector<int>& unreadableLines) {
    return FileText::tr(
               "The file %1 is incomplete or damaged.\r\rThese lines could not be used and were left "
               "out:\r%2")
        .arg(fileTitle, LineRanges(unreadableLines));
}

QString UnsavedWorkQuestion(const QDateTime& leftAt, const QString& belongedTo,
                            const std::optional<QString>& fileNamed) {
    const QString when = QLocale().toString(leftAt, QLocale::ShortFormat);
    // One whole text for each case, so that every language can say it in its own order.
    if (belongedTo.isEmpty() && !fileNamed)
        return FileText::tr("The program was closed on %1 with a pattern that had not been saved.\r\r"
                            "Bring that pattern back?")
            .arg(when);
    if (belongedTo.isEmpty())
        return FileText::tr("The program was closed on %1 with a pattern that had not been saved.\r\r"
                            "If you bring it back, %2 is not opened now: open it afterwards when you "
                            "need it.\r\rBring that pattern back?")
            .arg(when, *fileNamed);
    if (!fileNamed)
        return FileText::tr("The program was closed on %1 with changes to\r%2\rthat had not been saved.\r\r"
                            "Bring those changes back?")
            .arg(when, belongedTo);
    return FileText::tr("The program was closed on %1 with changes to\r%2\rthat had not been saved.\r\r"
                        "If you bring them back, %3 is not opened now: open it afterwards when you need "
                        "it.\r\rBring those changes back?")
        .arg(when, belongedTo, *fileNamed);
}

QString DamagedCopyMessage(const QDateTime& leftAt, const QString& belongedTo,
                           const std::vector<int>& lines) {
    const QString when = QLocale().toString(leftAt, QLocale::ShortFormat);
    if (belongedTo.isEmpty())
        return FileText::tr("The copy of the pattern left unsaved on %1 was incomplete or damaged.\r\r"
                            "These lines of the copy could not be used and were left out:\r%2")
            .arg(when, LineRanges(lines));
    return FileText::tr(
               "The copy of the changes to\r%1\rleft unsaved on %2 was incomplete or damaged; the "
               "file itself is unchanged.\r\rThese lines of the copy could not be used and were left "
               "out:\r%3")
        .arg(belongedTo, when, LineRanges(lines));
}

QString NotProtectedMessage(const QString& folder, const QString& reason, const QString& oldCopy) {
    return FileText::tr("The pattern brought back is not yet protected: its copy could not be written "
                        "to\r%1\r(%2).\r\rThe old copy\r%3\ris kept until then. Save the pattern to "
                        "a file of your own.")
        .arg(folder, reason, oldCopy);
}

QString NotKeptMessage(const QString& folder, const QString& reason) {
    return FileText::tr("Unsaved work is not being kept: the program tried to keep it in\r%1\r(%2).\r\r"
                        "Save your work to a file before you close the program.")
        .arg(folder, reason);
}

QString NotKeptStatus(const QString& folder) {
    return FileText::tr("Unsaved work is not being kept: %1 cannot be written.").arg(folder);
}

QString NotRememberedMessage(const QString& file) {
    return FileText::tr("Your settings could not be written to\r%1\r\rIts folder may be write-protected or "
                        "the disk full. The port, the place of the window and the recent files are not "
                        "remembered for the next start.")
        .arg(file);
}

QString NotRememberedStatus(const QString& file) {
    return FileText::tr("Settings are not being remembered: %1 cannot be written.").arg(file);
}

QString UnreadableCopyMessage(const QDateTime& leftAt, const QString& setAsideAs) {
    const QString when = QLocale().toString(leftAt, QLocale::ShortFormat);
    if (setAsideAs.isEmpty())
        return FileText::tr("The pattern left unsaved on %1 could not be read.").arg(when);
    return FileText::tr("The pattern left unsaved on %1 could not be read. It was set aside as\r%2")
        .arg(when, setAsideAs);
}

QString NotOpenedMessage(const QString& fileNamed) {
    return FileText::tr("%1 was not opened, so that the pattern brought back stays. Open it from the File "
                        "menu when you need it.")
        .arg(fileNamed);
}

} // namespace zg
