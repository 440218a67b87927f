#pragma once

#include "DataFileCommands.h"
#include "Downloader.h"
#include "GridEditor.h"
#include "MainFormControls.h"
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
class Settings_form;
class TestPlayer;
class UnsavedWork;
class UserDialogs;

// The main window: shows the one sequence as a 4 x 50 grid and routes each control's event to the
// command family that handles it (grid editing, test playback, data files, download, shell).
class Main_LEDFlasher_form : public QMainWindow, private LedSequenceObserver {
    Q_OBJECT
  public:
    // `link` is the serial port of the downloads; without one, the system's serial ports.
    Main_LEDFlasher_form(UserDialogs& dialogs, ProgramEnd& programEnd,
                         std::unique_ptr<SerialLink> link = nullptr, QWidget* parent = nullptr);
    ~Main_LEDFlasher_form() override;

    const LedSequence& sequence() const { return sequence_; }
    LedSequence& sequence() { return sequence_; }
    const AppConfig& config() const { return config_; }
    AppConfig& config() { return config_; }
    const MainFormControls& controls() const { return c_; }
    Settings_form* settingsForm() const { return settings_; }
    bool testRunning() const;
    bool testActive() const; // running or winding down
    bool downloading() const;
    int servoZoneMask() const;

    // Stops a running test; the playback winds down at its next step boundary.
    void StopTest();

    // Grid editing.
    void LEDlabel1_Click(LedChannel led) { grid_->ChooseColor(led); }
    void ColorList_Click();
    void RowOptionsList_Click();
    void CopyList_Click();
    void RowOptions_Click(LedChannel row) { grid_->RowCommand(row); }

    // Commands.
    void MENUnew_Click() { files_->New(); }
    void MENUopen_Click() { files_->Open(); }
    // A file named on the command line or dropped on the window, opened as Open opens it.
    void OpenFromOutside(const QString& path) { files_->OpenPath(path); }
    void OpenButton_Click() { MENUopen_Click(); }
    // Offers the pattern that the last run left unsaved, if it left one.
    void OfferUnsavedWork();
    void MENUmerge_Click() { files_->Merge(); }
    void MENUsave_Click() { files_->Save(); }
    void SaveButton_Click() { MENUsave_Click(); }
    void MENUtest_Click();
    void TestButton_Click() { MENUtest_Click(); }
    void Timer1_Timer();
    void ServoStick_Change();
    void MENUdownload_Click() { download_->Download(); }
    void DownloadButton_Click() { MENUdownload_Click(); }
    void MENUsettings_Click();
    void Settings_button_Click() { MENUsettings_Click(); }
    void MENUabout_Click() { shell_->About(); }
    void MENUhowto_Click() { shell_->HowTo(); }
    void MENUexit_Click() { shell_->Exit(); }
    void Exit_button_Click() { shell_->ExitFromButton(); }
    void Form_Unload() { shell_->EndNow(); }

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Form_Load();
    void buildCommands(UserDialogs& dialogs, ProgramEnd& programEnd, std::unique_ptr<SerialLink> link);
    void connectControls();
    void connectTypedServoText(LedChannel row, QComboBox* list);
    void ServoControl_Change(LedChannel row, ServoControlMode mode);
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
    MainFormControls c_;
    Settings_form* settings_ = nullptr;
    std::optional<LedChannel> typingInServoList_;

    DocumentHistory* history_ = nullptr; // a child object: it owns the undo stack
    std::unique_ptr<GridEditor> grid_;
    TestPlayer* player_ = nullptr; // a child object: it owns Timer1
    UnsavedWork* unsaved_ = nullptr;
    std::unique_ptr<DataFileCommands> files_;
    std::unique_ptr<Downloader> download_;
    std::unique_ptr<ShellCommands> shell_;
};

} // namespace zg
