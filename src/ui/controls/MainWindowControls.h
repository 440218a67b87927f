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
struct MainWindowControls {
    GridWidget* grid = nullptr; // the cells, their frame and the time axis
    std::array<ClickableLabel*, kLedCount> ledLabels{};
    std::array<LedIndicator*, kLedCount> ledIndicators{};
    std::array<QPushButton*, kLedCount> rowOptionsButtons{};
    QLabel* servoHeading = nullptr;
    std::array<QComboBox*, kLedCount> servoLists{};
    PopupList* colorList = nullptr;
    PopupList* rowOptionsList = nullptr;
    PopupList* copyList = nullptr;
    QPushButton* openButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* testButton = nullptr;
    QPushButton* settingsButton = nullptr;
    QPushButton* downloadButton = nullptr;
    QPushButton* exitButton = nullptr;
    QScrollBar* servoStick = nullptr;
    QLabel* pulseWidthCaption = nullptr;
    QLabel* pulseWidth = nullptr;
    QLabel* pulseWidthUnit = nullptr;
    QLabel* servoHint = nullptr;
    QLabel* downloadLabel = nullptr;
    QProgressBar* progressBar = nullptr;
    // How the last download ended, or a range command's note, until the next edit or command.
    QLabel* noteLabel = nullptr;
    QCheckBox* variableSpeed = nullptr;
};

// Creates every control of the client area (640 x 255) with its name, place, caption and look; the
// grid draws `sequence`.
MainWindowControls BuildMainWindowControls(QWidget* client, const LedSequence& sequence);

// Puts the controls that take the keyboard focus in the order Tab visits them.
void OrderTabStops(const MainWindowControls& c);

// Fills the colour, row-options and copy lists with their entries, in that order.
void FillPopupLists(MainWindowControls& c);

} // namespace zg
