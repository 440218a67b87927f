#include "DocumentDisplay.h"

#include "export/FormColors.h"
#include "model/LedSequence.h"
#include "ui/controls/ClickableLabel.h"
#include "ui/controls/NoteLine.h"
#include "ui/grid/GridWidget.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>

namespace zg {

void DocumentDisplay::showAll() {
    for (LedChannel row = 0; row < kLedCount; ++row) {
        setLabelColor(row);
        servoModeChanged(row, sequence_.servoMode(row));
    }
    c_.grid->update();
}

// The colour is the label's text colour; a screen reader says it in the label's name.
void DocumentDisplay::setLabelColor(LedChannel led) {
    const LedColorEntry& color = LedColorTable[sequence_.ledColor(led)];
    QPalette palette = c_.ledLabels[led]->palette();
    palette.setColor(QPalette::WindowText, ColorOf(color.value));
    c_.ledLabels[led]->setPalette(palette);
    c_.ledLabels[led]->setAccessibleName(
        QCoreApplication::translate("zg::MainWindow", "Color of LED #%1: %2")
            .arg(led + 1)
            .arg(QCoreApplication::translate("zg::MainWindow", color.name.data())));
}

// Any change ends the report of the last download.
void DocumentDisplay::changed() {
    c_.note->hide();
    if (onChange_)
        onChange_();
}

void DocumentDisplay::cellChanged(LedChannel row, EventIndex e, int) {
    changed();
    c_.grid->showCell(row, e);
}

void DocumentDisplay::eventValueChanged(EventIndex, const std::string&) {
    changed();
}

void DocumentDisplay::endEventChanged(EventIndex previous, EventIndex current) {
    changed();
    c_.grid->showAxisLabel(previous);
    c_.grid->showAxisLabel(current);
}

void DocumentDisplay::ledColorChanged(int slot, LedColor) {
    changed();
    if (slot < kLedCount)
        setLabelColor(slot);
}

void DocumentDisplay::servoModeChanged(LedChannel row, ServoControlMode mode) {
    changed();
    if (row == typingInServoList_)
        return;
    QComboBox* list = c_.servoLists[row];
    const QSignalBlocker blocker(list);
    // Typed text already leaves the list without an entry; keep what the user typed.
    if (mode < 0 && list->isEditable() && list->findText(list->currentText(), Qt::MatchExactly) < 0)
        return;
    list->setCurrentIndex(mode);
}

} // namespace zg
