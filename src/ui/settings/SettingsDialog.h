#pragma once

#include "device/SerialPortEntry.h"
#include "model/AppConfig.h"
#include "model/LedSequence.h"
#include "ui/settings/ChosenSettings.h"

#include <QDialog>
#include <QTimer>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace zg {

class UserDialogs;

// The modeless settings dialog: port, test speed and sequencer delay, each picked from a list. The
// port is the machine's (AppConfig); the two speeds are the pattern's.
// Created hidden at start-up and only hidden and shown afterwards. Its controls are built when first
// needed, so that they cost the program's start nothing; until then the lists' selection is kept as
// positions, changed by the same rules.
class SettingsDialog : public QDialog {
    Q_OBJECT
  public:
    // `config` and `sequence` give the values the lists show.
    SettingsDialog(const AppConfig& config, const LedSequence& sequence, UserDialogs& dialogs,
                   QWidget* parent = nullptr);

    // Selects the speeds that an Open, a Merge or an undo set, as the settings now hold them: 0
    // selects nothing, a value with no entry leaves the list as it was.
    void selectSpeeds(AppliedSpeeds applied);

    // A device named on the command line stands for every port number in this run.
    void setDeviceOverride(const std::string& device);

    // The serial devices present; the system's by default. Asked again every kPortWatchMs while the
    // dialog is shown, so that a cable plugged in or pulled out shows at once.
    using PortSource = std::function<std::vector<SerialPortEntry>()>;
    void setPortSource(PortSource source) { ports_ = std::move(source); }
    static constexpr int kPortWatchMs = 1000;

    // OK: typed text that spells no entry is refused, naming its list; otherwise the dialog
    // hides and says what was chosen.
    void acceptSettings();
    void cancelSettings();

    QComboBox* portList();
    QComboBox* testSpeedList();
    QComboBox* sequencerDelayList();

    void setVisible(bool visible) override;

  public slots:
    void reject() override; // Escape and the frame's close button act as Cancel

  signals:
    void settingsChosen(zg::ChosenSettings chosen);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    enum List { Port, TestSpeed, SequencerDelay, ListCount };

    QComboBox* list(List which);
    bool takeTypedEntries();
    void selectReadValue(List which, int value);
    void showPortDevices();
    void showChosenPort();
    void showDeviceOverride();
    void buildControls();
    void fillLists();

    const LedSequence& sequence_;
    UserDialogs& dialogs_;
    std::optional<std::string> deviceOverride_;
    PortSource ports_;
    QTimer portWatch_;
    QLabel* overrideNote_ = nullptr;
    std::array<QComboBox*, ListCount> lists_{}; // null until built
    std::array<int, ListCount> positions_{};    // the selection until then, -1 for none
};

// The value a list stands for: its chosen position + 1, or 0 for typed text.
int ListValue(const QComboBox& list);

} // namespace zg
