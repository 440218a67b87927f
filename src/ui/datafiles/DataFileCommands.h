#pragma once

#include <QCoreApplication>

#include "files/ApplyRecord.h"
#include "model/LedSequence.h"
#include "ui/common/DocumentHistory.h"

#include <QString>

class QProgressBar;

#include <functional>
#include <optional>
#include <string>

namespace zg {

class TestPlayer;
class UnsavedWork;
struct LeftCopy;
class UserDialogs;

// A file picked in the data-file dialog: its full path and its name without folder.
struct ChosenFile {
    QString path;
    QString title;
};

// The window's title at start, and before a file name once the document has one.
QString StartTitle();
QString PlainTitle();

// The File menu's commands on the document: New/Clear, Save, Open and Merge, with the one file
// dialog whose file name they share.
class DataFileCommands {
    Q_DECLARE_TR_FUNCTIONS(zg::DataFileCommands)

  public:
    struct Parts {
        QWidget& window;        // parent of the dialogs; its caption names the file
        QProgressBar& progress; // how far a file is read or written
        LedSequence& sequence;
        UserDialogs& dialogs;
        TestPlayer& player;
        DocumentHistory& history;
        std::function<void()> onOpened = {}; // the document now is what a file holds
        std::function<void()> onSaved = {};
    };
    explicit DataFileCommands(const Parts& parts);

    void newDocument();
    void save();
    void open();
    // Opens a file named from outside (the command line, a drop) as if chosen in the Open dialog.
    void openPath(const QString& path);
    void merge();
    // Replaces the document as Open does, as one undo step, but under the plain title and with no
    // file name for Save to offer: the pattern belongs to no file yet.
    void newFrom(const DataFileRecord& record, const QString& stepName);
    // The same from a file that is read as Open reads it (a preset): its faults get Open's messages.
    void newFromFile(const QString& path, const QString& stepName);
    // Asks whether to bring back the patterns that earlier runs left unsaved; true when one came
    // back, in which case `fileNamed` (a file named at start) was not opened.
    bool offerUnsavedWork(UnsavedWork& unsaved, const std::optional<QString>& fileNamed);

  private:
    using ApplyRecordFn = AppliedSpeeds (*)(const DataFileRecord&, LedSequence&);
    std::optional<ChosenFile> chooseFile(bool save, const QString& title, const QString& name);
    static ChosenFile chosen(const QString& path);
    static void takeFolderOf(const ChosenFile& file);
    static DocumentName fileName(const ChosenFile& file);
    std::optional<ChosenFile> chooseSaveTarget();
    void showName();
    void record(const QString& stepName, const std::function<void()>& change, const DocumentName& name);
    void writeDataFile(const ChosenFile& file);
    std::optional<DataFileRecord> readUsable(const ChosenFile& file);
    void reportDamage(const ChosenFile& file, const DataFileRecord& record);
    void applyAs(const DocumentName& name, const DataFileRecord& record, ApplyRecordFn apply,
                 const QString& stepName);
    void bringBack(const DataFileRecord& record, const LeftCopy& copy);
    void applyDataFile(const ChosenFile& file, ApplyRecordFn apply, const QString& stepName);

    Parts p_;
    QString dialogFileTitle_; // the file title the file dialog keeps between uses
};

} // namespace zg
