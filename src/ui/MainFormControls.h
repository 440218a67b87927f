#pragma once

#include "model/LedTables.h"

#include <QString>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QWidget;

namespace zg {

class ClickableLabel;
class GridWidget;
class LedSequence;
class LedIndicator;
class PopupList;

// The controls of the main window's client area, created at their design positions.
struct MainFormControls {
    GridWidget* Grid = nullptr; // the cells, their frame and the time axis
    std::array<ClickableLabel*, kLedCount> LEDlabel1{};
    std::array<LedIndicator*, kLedCount> LED{};
    std::array<QPushButton*, kLedCount> RowOptions{};
    QLabel* Label1 = nullptr;
    std::array<QComboBox*, kLedCount> ServoControl{};
    PopupList* ColorList = nullptr;
    PopupList* RowOptionsList = nullptr;
    PopupList* CopyList = nullptr;
    QPushButton* OpenButton = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* TestButton = nullptr;
    QPushButton* Settings_button = nullptr;
    QPushButton* DownloadButton = nullptr;
    QPushButton* Exit_button = nullptr;
    QScrollBar* ServoStick = nullptr;
    QLabel* PulseWidthlabel1 = nullptr;
    QLabel* PulseWidth = nullptr;
    QLabel* PulseWidthlabel2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* DLlabel = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* SentLabel = nullptr; // how the last download ended, until the next edit or command
    QCheckBox* Vspeed = nullptr;
};

// Creates every control of the client area (640 x 255) with its name, place, caption and look; the
// grid draws `sequence`.
MainFormControls BuildMainFormControls(QWidget* client, const LedSequence& sequence);

// Puts the controls that take the keyboard focus in the order Tab visits them.
void OrderTabStops(const MainFormControls& c);

// Fills the colour, row-options and copy lists with their entries, in that order.
void FillPopupLists(MainFormControls& c);

} // namespace zg
