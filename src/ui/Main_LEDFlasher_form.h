#pragma once

#include "MainFormControls.h"
#include "device/SerialLink.h"
#include "files/ApplyRecord.h"
#include "model/AppConfig.h"
#include "model/LedSequence.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class QAction;
class QComboBox;
class QMenu;
class QTimer;

namespace zg {

class ProgramEnd;
class Settings_form;
class UserDialogs;

// A file picked in the data-file dialog: its full path and its name without folder.
struct ChosenFile {
    QString path;
    QString title;
};

inline const QString kStartTitle =
    QStringLiteral("ZELTA-GLOW  -  Programmable LED Sequencer/Flasher - Beta3");
inline const QString kPlainTitle = QStringLiteral("ZELTA-GLOW  -  Programmable LED Sequencer/Flasher");

// The main window: shows the one sequence as a 4 x 50 grid and carries every command.
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
    bool testRunning() const { return TestRunning; }
    bool downloading() const { return downloading_; }
    int servoZoneMask() const { return ServoZoneMask; }

    // Stops a running test; the playback winds down at its next step boundary.
    void StopTest();

    // Grid editing.
    void iSwitchLedX_Click(LedChannel row, EventIndex e);
    void iSwitchLedX_MouseDown(LedChannel row, EventIndex e);
    void iSwitchLedX_DragOver(LedChannel row, EventIndex e);
    void iSwitchLedX_MouseUp(LedChannel row, EventIndex e);
    void LEDlabel1_Click(LedChannel led);
    void ColorList_Click();
    void RowOptionsList_Click();
    void CopyList_Click();
    void TimeAxis_DblClick(EventIndex e);
    void RowOptions_Click(LedChannel row);

    // Commands.
    void MENUnew_Click();
    void MENUopen_Click();
    void OpenButton_Click() { MENUopen_Click(); }
    void MENUmerge_Click();
    void MENUsave_Click();
    void SaveButton_Click() { MENUsave_Click(); }
    void MENUtest_Click();
    void TestButton_Click() { MENUtest_Click(); }
    void Timer1_Timer();
    void ServoStick_Change();
    void MENUdownload_Click();
    void DownloadButton_Click() { MENUdownload_Click(); }
    void MENUsettings_Click();
    void Settings_button_Click() { MENUsettings_Click(); }
    void MENUabout_Click();
    void MENUhowto_Click();
    void MENUexit_Click();
    void Exit_button_Click();
    void Form_Unload();

  signals:
    void stepElapsed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Load();
    void buildMenus();
    void connectControls();
    void connectTypedServoText(LedChannel row, QComboBox* list);
    void connectGrid();
    void showDocument();
    void setTimeAxisLook(EventIndex e);
    void setLabelColor(LedChannel led);
    std::optional<std::pair<LedChannel, EventIndex>> cellAt(const QPoint& globalPos) const;
    void playPass();
    bool playEvent(EventIndex e);
    void waitForStep();
    void windDown();
    void showServoStick(bool shown);
    using ApplyRecordFn = AppliedSpeeds (*)(const DataFileRecord&, LedSequence&, AppConfig&);
    std::optional<ChosenFile> chooseFile(bool save, const QString& title, const QString& name);
    void showFileCaption(const QString& fileTitle);
    void exclaim(const QString& text);
    void writeDataFile(const ChosenFile& file);
    void applyDataFile(const ChosenFile& file, ApplyRecordFn apply);
    void enableFiveButtons(bool enabled);
    bool openPortAndConfirm();
    void sendSequence();
    void endDownload();

    // LedSequenceObserver
    void cellChanged(LedChannel row, EventIndex e, int state) override;
    void eventValueChanged(EventIndex e, const std::string& text) override;
    void endEventChanged(EventIndex previous, EventIndex current) override;
    void ledColorChanged(int slot, LedColor color) override;
    void servoModeChanged(LedChannel row, ServoControlMode mode) override;

    UserDialogs& dialogs_;
    ProgramEnd& programEnd_;
    LedSequence sequence_;
    AppConfig config_;
    MainFormControls c_;
    Settings_form* settings_ = nullptr;
    QTimer* Timer1 = nullptr;
    std::unique_ptr<SerialLink> MSComm1;
    bool downloading_ = false;

    bool TestRunning = false;
    bool StepPending = false;
    int ServoZoneMask = 4;
    std::optional<EventIndex> DragStart;
    std::optional<LedChannel> typingInServoList_;
    QString dialogFileTitle_; // the file title the file dialog keeps between uses
};

} // namespace zg
