#pragma once

#include "DataFileCommands.h"
#include "Downloader.h"
#include "ExportCommands.h"
#include "GridEditor.h"
#include "MainWindowControls.h"
#include "ShellCommands.h"
#include "device/SerialLink.h"
#include "model/AppConfig.h"
#include "model/LedSequence.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class QComboBox;

namespace zg {

class DocumentHistory;
class ProgramEnd;
class PresetCommands;
class RangeCommands;
class SettingsDialog;
class TestPlayer;
class UnsavedWork;
class UserDialogs;

// The main window: shows the one sequence as a 4 x 50 grid and routes each control's event to the
// command family that handles it (grid editing, test playback, data files, download, shell).
class MainWindow : public QMainWindow, private LedSequenceObserver {
    Q_OBJECT
  public:
    // `link` is the serial port of the downloads; without one, the system's serial ports.
    MainWindow(UserDialogs& dialogs, ProgramEnd& programEnd, std::unique_ptr<SerialLink> link = nullptr,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    const LedSequence& sequence() const { return sequence_; }
    LedSequence& sequence() { return sequence_; }
    const AppConfig& config() const { return config_; }
    AppConfig& config() { return config_; }
    const MainWindowControls& controls() const { return c_; }
    SettingsDialog* settingsDialog() const { return settings_; }
    bool testRunning() const;
    bool testActive() const; // running or winding down
    bool downloading() const;
    int servoZoneMask() const;

    // Stops a running test; the playback winds down at its next step boundary.
    void stopTest();

    // Grid editing.
    void chooseLedColor(LedChannel led) { grid_->chooseColor(led); }
    void showRowOptions(LedChannel row) { grid_->showRowOptions(row); }

    // Commands.
    void newDocument() { files_->newDocument(); }
    void openFile() { files_->open(); }
    // A file named on the command line or dropped on the window, opened as Open opens it.
    void openFromOutside(const QString& path) { files_->openPath(path); }
    // Offers the patterns that earlier runs left unsaved; true when one came back, and with it
    // `fileNamed` (a file named at start) was not opened.
    bool offerUnsavedWork(const std::optional<QString>& fileNamed = std::nullopt);
    void mergeFile() { files_->merge(); }
    void saveFile() { files_->save(); }
    PresetCommands& presets() { return *presets_; }
    RangeCommands& ranges() { return *ranges_; }
    void exportAnimation() { exports_->exportAnimation(); }
    void exportPicture() { exports_->exportPicture(); }
    // Undo and Redo first end a paint gesture under way, so that it neither becomes a step of
    // nothing painted nor goes on over the state they bring back.
    void undo();
    void redo();
    void toggleTest();
    void servoStickMoved();
    void download() { download_->start(); }
    void showSettings();
    void showAbout() { shell_->showAbout(); }
    void showManual() { shell_->showManual(); }
    void askToExit() { shell_->askToExit(); }
    void exitFromButton() { shell_->exitFromButton(); }
    void endProgram() { shell_->endNow(); }

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void loadStartState();
    void buildCommands(UserDialogs& dialogs, ProgramEnd& programEnd, std::unique_ptr<SerialLink> link);
    void connectControls();
    void connectTypedServoText(LedChannel row, QComboBox* list);
    void servoModeChosen(LedChannel row, ServoControlMode mode);
    void connectGrid();
    void showDocument();
    void setLabelColor(LedChannel led);

    // LedSequenceObserver
    void cellChanged(LedChannel row, EventIndex e, int state) override;
    void eventValueChanged(EventIndex e, const std::string& text) override;
    void endEventChanged(EventIndex previous, EventIndex current) override;
    void ledColorChanged(int slot, LedColor color) override;
    void servoModeChanged(LedChannel row, ServoControlMode mode) override;

    UserDialogs& dialogs_;
    LedSequence sequence_;
    AppConfig config_;
    MainWindowControls c_;
    SettingsDialog* settings_ = nullptr;
    std::optional<LedChannel> typingInServoList_;

    DocumentHistory* history_ = nullptr; // a child object: it owns the undo stack
    std::unique_ptr<GridEditor> grid_;
    TestPlayer* player_ = nullptr; // a child object: it owns stepTimer_
    UnsavedWork* unsaved_ = nullptr;
    std::unique_ptr<DataFileCommands> files_;
    PresetCommands* presets_ = nullptr;
    RangeCommands* ranges_ = nullptr;
    std::unique_ptr<ExportCommands> exports_;
    std::unique_ptr<Downloader> download_;
    std::unique_ptr<ShellCommands> shell_;
};

} // namespace zg
