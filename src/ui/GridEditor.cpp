#include "GridEditor.h"

#include "PopupList.h"
#include "model/RowOperations.h"

#include <QCheckBox>

namespace zg {

GridEditor::GridEditor(MainFormControls& controls, LedSequence& sequence)
    : c_(controls), sequence_(sequence) {}

std::optional<std::pair<LedChannel, EventIndex>> GridEditor::CellAt(const QPoint& globalPos) const {
    const QWidget* client = c_.iSwitchLedX[0][0]->parentWidget();
    const QPoint pos = client->mapFromGlobal(globalPos);
    for (LedChannel row = 0; row < kLedCount; ++row) {
        const QRect rowRect = c_.iSwitchLedX[row][0]->geometry();
        if (pos.y() < rowRect.top() || pos.y() > rowRect.bottom())
            continue;
        for (EventIndex e = 0; e < kEventCount; ++e) {
            if (c_.iSwitchLedX[row][e]->geometry().contains(pos))
                return std::pair{row, e};
        }
    }
    return std::nullopt;
}

void GridEditor::Click(LedChannel row, EventIndex e) {
    sequence_.setCell(row, e, c_.iSwitchLedX[row][e]->isChecked() ? 1 : 0);
}

void GridEditor::MouseDown(EventIndex e) {
    DragStart = e;
}

void GridEditor::DragOver(LedChannel row, EventIndex e) {
    sequence_.setCell(row, e, sequence_.cell(row, *DragStart));
}

void GridEditor::MouseUp(LedChannel row, EventIndex e) {
    const int state = sequence_.cell(row, *DragStart);
    for (EventIndex i = *DragStart + 1; i <= e; ++i)
        sequence_.setCell(row, i, state);
}

void GridEditor::ChooseColor(LedChannel led) {
    const int picked = ChooseFromList(*c_.ColorList, sequence_.ledColor(led));
    sequence_.setLedColor(led, picked); // the label takes the colour as the document reports it
}

void GridEditor::MoveEndMark(EventIndex e) {
    sequence_.setEndEvent(e);
}

void GridEditor::RowCommand(LedChannel row) {
    const int operation = ChooseFromList(*c_.RowOptionsList, int(RowOperation::ClearAll));
    const int other = NeedsOtherLed(operation) ? ChooseFromList(*c_.CopyList) : -1;
    ApplyRowOperation(sequence_, row, operation, other);
}

} // namespace zg
