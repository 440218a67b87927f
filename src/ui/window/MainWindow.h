#pragma once

#include "device/SerialLink.h"
#include "model/AppConfig.h"
#include "model/LedSequence.h"
#include "ui/controls/MainWindowControls.h"
#include "ui/datafiles/DataFileCommands.h"
#include "ui/datafiles/ExportCommands.h"
#include "ui/download/Downloader.h"
#include "ui/editing/GridEditor.h"
#include "ui/help/ProgramCommands.h"
#include "ui/window/WindowCommands.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class QComboBox;

namespace zg {

class DocumentDisplay;
class DocumentHistory;
class FlashCommands;
class ProgramEnd;
class PresetCommands;
class JoystickStick;
class NoteLine;
class RangeCommands;
class RecentFiles;
class ModelCommands;
class SettingsDialog;
class TestPlayer;
class TimingReadout;
class UnsavedWork;
class UserDialogs;

// The main window: shows the one sequence as a 4 x 50 grid and routes each control's event to the
// command family that handles it (grid editing, test playback, data files, download, shell).
class MainWindow : public QMainWindow, public WindowCommands {
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
    Downloader& downloader() const { return *download_; }
    bool testRunning() const;
    bool testActive() const; // running or winding down
    bool downloading() const;
    int servoZoneMask() const;

    // Stops a running test; the playback winds down at its next step boundary.
    void stopTest();

    // Grid editing.
    void chooseLedColor(LedChannel led) override { grid_->chooseColor(led); }
    void showRowOptions(LedChannel row) override { grid_->showRowOptions(row); }

    // Commands.
    void newDocument() override { files_->newDocument(); }
    void openFile() override { files_->open(); }
    // A file named on the command line or dropped on the window, opened as Open opens it.
    void openFromOutside(const QString& path) { files_->openPath(path); }
    // Offers the patterns that earlier runs left unsaved; true when one came back, and with it
    // `fileNamed` (a file named at start) was not opened.
    bool offerUnsavedWork(const std::optional<QString>& fileNamed = std::nullopt);
    void mergeFile() override { files_->merge(); }
    void saveFile() override { files_->save(); }
    PresetCommands& presets() { return *presets_; }
    RangeCommands& ranges() { return *ranges_; }
    void exportAnimation() override { exports_->exportAnimation(); }
    void exportPicture() override { exports_->exportPicture(); }
    // Undo and Redo first end a paint gesture under way, so that it neither becomes a step of
    // nothing painted nor goes on over the state they bring back.
    void undo() override;
    void redo() override;
    void toggleTest() override;
    void download() override { download_->start(); }
    void showSettings() override;
    void playAtModuleSpeed(bool on) override;
    void showStickInput() override;
    void showAbout() override { program_->showAbout(); }
    void showManual() override { program_->showManual(); }
    void askToExit() override { program_->askToExit(); }
    void exitFromButton() { program_->exitFromButton(); }
    void endProgram() { program_->endNow(); }

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void loadStartState();
    void buildCommands(UserDialogs& dialogs, ProgramEnd& programEnd, std::unique_ptr<SerialLink> link);
    void connectControls();
    void buildTimingReadout();
    void connectTypedServoText(LedChannel row, QComboBox* list);
    void connectGrid();

    UserDialogs& dialogs_;
    LedSequence sequence_;
    AppConfig config_;
    MainWindowControls c_;
    SettingsDialog* settings_ = nullptr;
    std::unique_ptr<DocumentDisplay> display_;
    TimingReadout* readout_ = nullptr;

    DocumentHistory* history_ = nullptr; // a child object: it owns the undo stack
    std::unique_ptr<GridEditor> grid_;
    TestPlayer* player_ = nullptr; // a child object: it owns stepTimer_
    UnsavedWork* unsaved_ = nullptr;
    std::unique_ptr<DataFileCommands> files_;
    PresetCommands* presets_ = nullptr;
    RangeCommands* ranges_ = nullptr;
    NoteLine* note_ = nullptr; // a child of its label
    FlashCommands* flashes_ = nullptr;
    RecentFiles* recent_ = nullptr;
    ModelCommands* models_ = nullptr;
    JoystickStick* joystick_ = nullptr;
    std::unique_ptr<ExportCommands> exports_;
    std::unique_ptr<Downloader> download_;
    std::unique_ptr<ProgramCommands> program_;
};

} // namespace zg
