#include "DataFileCommands.h"

#include "files/DataFileReader.h"
#include "files/DataFileWriter.h"
#include "files/UserSettings.h"
#include "ui/common/UserDialogs.h"
#include "ui/datafiles/FileCommandTexts.h"
#include "ui/datafiles/UnsavedWork.h"
#include "ui/test/TestPlayer.h"

#include <QDir>
#include <QFileInfo>
#include <QProgressBar>
#include <QWidget>

#include <filesystem>

namespace zg {

QString StartTitle() {
    return DataFileCommands::tr("ZELTA-GLOW  -  Programmable LED Sequencer/Flasher - Beta3");
}

QString PlainTitle() {
    return DataFileCommands::tr("ZELTA-GLOW  -  Programmable LED Sequencer/Flasher");
}

DataFileCommands::DataFileCommands(const Parts& parts) : p_(parts) {
    p_.history.rename({StartTitle(), {}});
    // Undoing an Open brings back the caption and the name Save offers along with the pattern.
    QObject::connect(&p_.history, &DocumentHistory::renamed, &p_.window, [this] { showName(); });
}

void DataFileCommands::showName() {
    const DocumentName& name = p_.history.documentName();
    p_.window.setWindowTitle(name.caption);
    dialogFileTitle_ = name.fileTitle;
}

void DataFileCommands::record(const QString& stepName, const std::function<void()>& change,
                              const DocumentName& name) {
    p_.history.record(stepName, change, name);
    showName();
}

DocumentName DataFileCommands::fileName(const ChosenFile& file) {
    return {PlainTitle() + QStringLiteral(" - ") + file.title, file.title, file.path};
}

void DataFileCommands::newDocument() {
    record(tr("New/Clear"), [this] { p_.sequence.resetSequence(); }, {PlainTitle(), {}});
}

void DataFileCommands::newFrom(const DataFileRecord& record, const QString& stepName) {
    applyAs({PlainTitle(), {}}, record, OpenRecord, stepName);
}

// One step that applies the record and names the document; the settings lists show its speeds.
void DataFileCommands::applyAs(const DocumentName& name, const DataFileRecord& record, ApplyRecordFn apply,
                               const QString& stepName) {
    AppliedSpeeds speeds;
    this->record(
        stepName, [&] { speeds = apply(record, p_.sequence); }, name);
    p_.history.speedsSet(speeds);
}

std::optional<ChosenFile> DataFileCommands::chooseFile(bool save, const QString& title, const QString& name) {
    const FileDialogRequest request{title, DataFileFilter(), name, QStringLiteral("DAT")};
    const auto path = save ? p_.dialogs.getSaveFileName(&p_.window, request)
                           : p_.dialogs.getOpenFileName(&p_.window, request);
    if (!path)
        return std::nullopt;
    return chosen(*path);
}

ChosenFile DataFileCommands::chosen(const QString& path) {
    const QFileInfo info(path);
    return ChosenFile{info.absoluteFilePath(), info.fileName()};
}

// Once a file has been taken, later relative names (LED.cfg among them) resolve in its folder; a
// file that was refused leaves the folder as it was.
void DataFileCommands::takeFolderOf(const ChosenFile& file) {
    QDir::setCurrent(QFileInfo(file.path).absolutePath());
}

void DataFileCommands::save() {
    p_.player.stopTest();
    if (const auto file = chooseSaveTarget())
        writeDataFile(*file);
}

// The file to write, once the user has agreed to replace an existing one; Cancel in the replace
// question offers the dialog again.
std::optional<ChosenFile> DataFileCommands::chooseSaveTarget() {
    while (true) {
        auto file = chooseFile(true, SaveTitle(), dialogFileTitle_);
        if (!file)
            return std::nullopt;
        dialogFileTitle_ = file->title;
        std::error_code error;
        const bool exists = std::filesystem::exists(QFileInfo(file->path).filesystemFilePath(), error);
        if (error) {
            p_.dialogs.exclaim(&p_.window,
                               UncheckableFileMessage(file->path, QString::fromStdString(error.message())));
            return std::nullopt;
        }
        if (!exists)
            return file;
        const auto answer =
            p_.dialogs.showMessage(&p_.window, {AppTitle(), ReplaceQuestion(file->path),
                                                MessageButtons::YesNoCancel, MessageIcon::Question});
        if (answer == MessageAnswer::Yes)
            return file;
        if (answer == MessageAnswer::No)
            return std::nullopt;
    }
}

// The old file is replaced only once the new one is complete, and the caption names the file only
// when it really holds the sequence.
void DataFileCommands::writeDataFile(const ChosenFile& file) {
    QProgressBar* bar = &p_.progress;
    bar->setValue(0);
    bar->show();
    const auto error =
        WriteDataFile(QFileInfo(file.path).filesystemFilePath(), MakeDataFileRecord(p_.sequence),
                      [bar](int count) { bar->setValue(count); });
    bar->hide();
    if (error) {
        p_.dialogs.exclaim(&p_.window, SaveFailedMessage(file.path, QString::fromStdString(*error)));
        return;
    }
    takeFolderOf(file);
    UserSettings::addRecentFile(file.path);
    p_.history.rename(fileName(file));
    showName();
    if (p_.onSaved)
        p_.onSaved();
}

void DataFileCommands::open() {
    p_.player.stopTest();
    if (const auto file = chooseFile(false, OpenTitle(), QString()))
        applyDataFile(*file, OpenRecord, tr("Open"));
}

void DataFileCommands::openPath(const QString& path) {
    p_.player.stopTest();
    applyDataFile(chosen(path), OpenRecord, tr("Open"));
}

void DataFileCommands::merge() {
    if (const auto file = chooseFile(false, MergeTitle(), QString()))
        applyDataFile(*file, MergeRecord, tr("Merge"));
}

// Reads a file for Open, Merge or New from Preset. A file that cannot be read, or is no data file
// at all, is reported and gives nothing: the document stays as it was.
std::optional<DataFileRecord> DataFileCommands::readUsable(const ChosenFile& file) {
    QProgressBar* bar = &p_.progress;
    bar->setValue(0);
    bar->show();
    const DataFileReadResult read =
        ReadDataFile(QFileInfo(file.path).filesystemFilePath(), [bar](int count) { bar->setValue(count); });
    bar->hide();
    if (read.NotAFile) {
        p_.dialogs.exclaim(&p_.window, NotADataFileMessage(file.path, QString::fromStdString(read.Reason)));
        return std::nullopt;
    }
    if (!read.Opened) {
        p_.dialogs.exclaim(&p_.window, OpenFailedMessage(file.path, QString::fromStdString(read.Reason)));
        return std::nullopt;
    }
    if (!HasReadableEventLine(read.Record)) {
        p_.dialogs.exclaim(&p_.window, NotADataFileMessage(file.path));
        return std::nullopt;
    }
    return read.Record;
}

// A damaged file is applied field by field, and the user learns which lines were left out.
void DataFileCommands::reportDamage(const ChosenFile& file, const DataFileRecord& record) {
    if (const auto lines = UnreadableLines(record); !lines.empty())
        p_.dialogs.exclaim(&p_.window, DamagedFileMessage(file.title, lines));
}

void DataFileCommands::applyDataFile(const ChosenFile& file, ApplyRecordFn apply, const QString& stepName) {
    const auto record = readUsable(file);
    if (!record)
        return;
    takeFolderOf(file);
    applyAs(fileName(file), *record, apply, stepName);
    if (apply == &OpenRecord) {
        UserSettings::addRecentFile(file.path);
        if (p_.onOpened) // the document is now what the file holds
            p_.onOpened();
    }
    reportDamage(file, *record);
}

void DataFileCommands::newFromFile(const QString& path, const QString& stepName) {
    p_.player.stopTest();
    const ChosenFile file = chosen(path);
    if (const auto record = readUsable(file)) {
        newFrom(*record, stepName);
        reportDamage(file, *record);
    }
}

// Work that programs no longer running left unsaved comes back only when the user wants it, as
// one step, newest first. A Yes ends the questions (older copies wait for the next start) and
// keeps the file named at start from being opened over the work brought back; a question closed
// without an answer ends them too and deletes nothing.
bool DataFileCommands::offerUnsavedWork(UnsavedWork& unsaved, const std::optional<QString>& fileNamed) {
    for (const LeftCopy& copy : unsaved.leftBehind()) {
        const DataFileReadResult read = ReadDataFile(QFileInfo(copy.file).filesystemFilePath());
        if (!read.Opened || !HasReadableEventLine(read.Record)) {
            p_.dialogs.exclaim(&p_.window, UnreadableCopyMessage(copy.leftAt, UnsavedWork::setAside(copy)));
            continue;
        }
        const MessageRequest question{AppTitle(),
                                      UnsavedWorkQuestion(copy.leftAt, copy.belongedTo, fileNamed),
                                      MessageButtons::YesNo, MessageIcon::Question};
        const MessageAnswer answer = p_.dialogs.showMessage(&p_.window, question);
        if (answer == MessageAnswer::No) {
            UnsavedWork::discard(copy);
            continue;
        }
        if (answer != MessageAnswer::Yes)
            return false;
        bringBack(read.Record, copy);
        // The old copy goes only once this program's own copy holds the work.
        if (const auto error = unsaved.keepBroughtBack())
            p_.dialogs.exclaim(&p_.window, NotProtectedMessage(unsaved.folder(), *error, copy.file));
        else
            UnsavedWork::discard(copy);
        if (fileNamed)
            p_.dialogs.showMessage(&p_.window, {AppTitle(), NotOpenedMessage(*fileNamed), MessageButtons::Ok,
                                                MessageIcon::Information});
        return true;
    }
    return false;
}

// Under the name of the file the work belonged to, if it had one, as changed work of that file.
// Lines of the copy that could not be read are the copy's, not the file's.
void DataFileCommands::bringBack(const DataFileRecord& record, const LeftCopy& copy) {
    const QString step = tr("Unsaved Pattern");
    if (copy.belongedTo.isEmpty()) {
        newFrom(record, step);
    } else {
        const ChosenFile file = chosen(copy.belongedTo);
        applyAs(fileName(file), record, OpenRecord, step);
        if (QFileInfo(QFileInfo(file.path).absolutePath()).isDir())
            takeFolderOf(file);
    }
    if (const auto lines = UnreadableLines(record); !lines.empty())
        p_.dialogs.exclaim(&p_.window, DamagedCopyMessage(copy.leftAt, copy.belongedTo, lines));
}

} // namespace zg
