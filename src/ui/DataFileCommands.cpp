#include "DataFileCommands.h"

#include "FileCommandTexts.h"
#include "Settings_form.h"
#include "TestPlayer.h"
#include "UserDialogs.h"
#include "files/DataFileReader.h"
#include "files/DataFileWriter.h"
#include "model/UndoHistory.h"

#include <QDir>
#include <QFileInfo>
#include <QProgressBar>
#include <QWidget>

#include <filesystem>

namespace zg {

DataFileCommands::DataFileCommands(const Parts& parts) : p_(parts) {}

void DataFileCommands::New() {
    dialogFileTitle_.clear();
    p_.window.setWindowTitle(kPlainTitle);
    p_.history.record("New/Clear", [this] { p_.sequence.resetSequence(); });
}

std::optional<ChosenFile> DataFileCommands::chooseFile(bool save, const QString& title, const QString& name) {
    const FileDialogRequest request{title, kDataFileFilter, name};
    const auto path = save ? p_.dialogs.getSaveFileName(&p_.window, request)
                           : p_.dialogs.getOpenFileName(&p_.window, request);
    if (!path)
        return std::nullopt;
    return chosen(*path);
}

// As the dialog leaves a choice: later relative names (LED.cfg among them) resolve in its folder.
ChosenFile DataFileCommands::chosen(const QString& path) {
    const QFileInfo info(path);
    QDir::setCurrent(info.absolutePath());
    return ChosenFile{info.absoluteFilePath(), info.fileName()};
}

void DataFileCommands::showFileCaption(const QString& fileTitle) {
    p_.window.setWindowTitle(kPlainTitle + QStringLiteral(" - ") + fileTitle);
}

void DataFileCommands::Save() {
    p_.player.StopTest();
    if (const auto file = chooseSaveTarget())
        writeDataFile(*file);
}

// The file to write, once the user has agreed to replace an existing one; Cancel in the replace
// question offers the dialog again.
std::optional<ChosenFile> DataFileCommands::chooseSaveTarget() {
    while (true) {
        auto file = chooseFile(true, kSaveTitle, dialogFileTitle_);
        if (!file)
            return std::nullopt;
        dialogFileTitle_ = file->title;
        std::error_code error;
        const bool exists = std::filesystem::exists(QFileInfo(file->path).filesystemFilePath(), error);
        if (error) {
            p_.dialogs.exclaim(&p_.window, QString::fromStdString(error.message()));
            return std::nullopt;
        }
        if (!exists)
            return file;
        const auto answer =
            p_.dialogs.showMessage(&p_.window, {kAppTitle, ReplaceQuestion(file->path),
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
    QProgressBar* bar = p_.controls.ProgressBar1;
    bar->setValue(0);
    bar->show();
    const auto error =
        WriteDataFile(QFileInfo(file.path).filesystemFilePath(), MakeDataFileRecord(p_.sequence, p_.config),
                      [bar](int count) { bar->setValue(count); });
    bar->hide();
    if (error) {
        p_.dialogs.exclaim(&p_.window, SaveFailedMessage(file.path, QString::fromStdString(*error)));
        return;
    }
    showFileCaption(file.title);
}

void DataFileCommands::Open() {
    p_.player.StopTest();
    if (const auto file = chooseFile(false, kOpenTitle, QString()))
        applyDataFile(*file, OpenRecord, "Open");
}

void DataFileCommands::OpenPath(const QString& path) {
    p_.player.StopTest();
    applyDataFile(chosen(path), OpenRecord, "Open");
}

void DataFileCommands::Merge() {
    if (const auto file = chooseFile(false, kMergeTitle, QString()))
        applyDataFile(*file, MergeRecord, "Merge");
}

// Reads the file and lays it onto the document. A file that cannot be read changes nothing; one
// that is damaged is applied field by field, and the user learns which lines were left out.
void DataFileCommands::applyDataFile(const ChosenFile& file, ApplyRecordFn apply,
                                     const std::string& stepName) {
    QProgressBar* bar = p_.controls.ProgressBar1;
    bar->setValue(0);
    bar->show();
    const DataFileReadResult read =
        ReadDataFile(QFileInfo(file.path).filesystemFilePath(), [bar](int count) { bar->setValue(count); });
    bar->hide();
    // A file that cannot be read, or is no data file at all, leaves everything as it was.
    if (!read.Opened) {
        p_.dialogs.exclaim(&p_.window, OpenFailedMessage(file.path, QString::fromStdString(read.Reason)));
        return;
    }
    if (!HasReadableEventLine(read.Record)) {
        p_.dialogs.exclaim(&p_.window, NotADataFileMessage(file.path));
        return;
    }
    dialogFileTitle_ = file.title;
    showFileCaption(file.title);
    AppliedSpeeds speeds;
    p_.history.record(stepName, [&] { speeds = apply(read.Record, p_.sequence, p_.config); });
    p_.settings.selectSpeeds(speeds);
    if (const auto lines = UnreadableLines(read.Record); !lines.empty())
        p_.dialogs.exclaim(&p_.window, DamagedFileMessage(file.title, lines));
}

} // namespace zg
