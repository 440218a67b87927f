#pragma once

#include "model/LedTables.h"

#include <QString>

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QWidget;

namespace zg {

class ClickableLabel;
class GridKeyboard;
class LedIndicator;
class PopupList;

// The controls of the main window's client area, created at their design positions.
struct MainFormControls {
    std::array<std::array<QCheckBox*, kEventCount>, kLedCount> iSwitchLedX{};
    std::array<ClickableLabel*, kLedCount> LEDlabel1{};
    std::array<LedIndicator*, kLedCount> LED{};
    std::array<QPushButton*, kLedCount> RowOptions{};
    std::array<ClickableLabel*, kEventCount> TimeAxis{};
    std::array<QLabel*, kEventCount> mem{};
    std::array<QFrame*, 4> Line{};
    QLabel* Label1 = nullptr;
    GridKeyboard* GridKeys = nullptr; // the grid's stop in the Tab order
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

// Left edge of the grid column of event e.
constexpr int GridColumnLeft(EventIndex e) {
    return 128 + 8 * e;
}

// The caption of the time-axis label of event e: the last digit of e + 1.
QString TimeAxisCaption(EventIndex e);

// Creates every control of the client area (640 x 255) with its name, place, caption and look.
MainFormControls BuildMainFormControls(QWidget* client);

// Puts the controls that take the keyboard focus in the order Tab visits them.
void OrderTabStops(const MainFormControls& c);

// Fills the colour, row-options and copy lists with their entries, in that order.
void FillPopupLists(MainFormControls& c);

} // namespace zg
