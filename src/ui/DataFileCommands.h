#pragma once

#include "MainFormControls.h"
#include "files/ApplyRecord.h"
#include "model/AppConfig.h"
#include "model/LedSequence.h"

#include <QString>

#include <optional>
#include <string>

namespace zg {

class Settings_form;
class TestPlayer;
class UndoHistory;
class UserDialogs;

// A file picked in the data-file dialog: its full path and its name without folder.
struct ChosenFile {
    QString path;
    QString title;
};

inline const QString kStartTitle =
    QStringLiteral("ZELTA-GLOW  -  Programmable LED Sequencer/Flasher - Beta3");
inline const QString kPlainTitle = QStringLiteral("ZELTA-GLOW  -  Programmable LED Sequencer/Flasher");

// The File menu's commands on the document: New/Clear, Save, Open and Merge, with the one file
// dialog whose file name they share.
class DataFileCommands {
  public:
    struct Parts {
        QWidget& window; // parent of the dialogs; its caption names the file
        MainFormControls& controls;
        LedSequence& sequence;
        AppConfig& config;
        UserDialogs& dialogs;
        TestPlayer& player;
        Settings_form& settings;
        UndoHistory& history;
    };
    explicit DataFileCommands(const Parts& parts);

    void New();
    void Save();
    void Open();
    // Opens a file named from outside (the command line, a drop) as if chosen in the Open dialog.
    void OpenPath(const QString& path);
    void Merge();

  private:
    using ApplyRecordFn = AppliedSpeeds (*)(const DataFileRecord&, LedSequence&, AppConfig&);
    std::optional<ChosenFile> chooseFile(bool save, const QString& title, const QString& name);
    static ChosenFile chosen(const QString& path);
    std::optional<ChosenFile> chooseSaveTarget();
    void showFileCaption(const QString& fileTitle);
    void writeDataFile(const ChosenFile& file);
    void applyDataFile(const ChosenFile& file, ApplyRecordFn apply, const std::string& stepName);

    Parts p_;
    QString dialogFileTitle_; // the file title the file dialog keeps between uses
};

} // namespace zg
