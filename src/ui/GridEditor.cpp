#include "GridEditor.h"

#include "PopupList.h"
#include "model/RowOperations.h"
#include "model/UndoHistory.h"

namespace zg {

GridEditor::GridEditor(MainFormControls& controls, LedSequence& sequence, UndoHistory& history)
    : c_(controls), sequence_(sequence), history_(history) {}

void GridEditor::Toggle(LedChannel row, EventIndex e) {
    history_.record("Cell", [&] { sequence_.setCell(row, e, 1 - sequence_.cell(row, e)); });
}

void GridEditor::MouseDown(EventIndex e) {
    EndGesture(); // a press without its release (the pointer grab was lost) ends the old gesture
    DragStart = e;
    paintStep_ = history_.begin("Paint");
}

void GridEditor::EndGesture() {
    if (paintStep_)
        history_.commit(*paintStep_);
    paintStep_.reset();
    DragStart.reset();
}

void GridEditor::DragOver(LedChannel row, EventIndex e) {
    if (!DragStart)
        return;
    sequence_.setCell(row, e, sequence_.cell(row, *DragStart));
}

void GridEditor::MouseUp(LedChannel row, EventIndex e) {
    if (!DragStart)
        return;
    const int state = sequence_.cell(row, *DragStart);
    for (EventIndex i = *DragStart + 1; i <= e; ++i)
        sequence_.setCell(row, i, state);
}

void GridEditor::ChooseColor(LedChannel led) {
    const int picked = ChooseFromList(*c_.ColorList, sequence_.ledColor(led));
    if (c_.ColorList->Cancelled())
        return; // Esc: the colour stays
    // The label takes the colour as the document reports it.
    history_.record("Color", [&] { sequence_.setLedColor(led, picked); });
}

void GridEditor::MoveEndMark(EventIndex e) {
    history_.record("End Mark", [&] { sequence_.setEndEvent(e); });
}

void GridEditor::RowCommand(LedChannel row) {
    const int operation = ChooseFromList(*c_.RowOptionsList, int(RowOperation::ClearAll));
    if (c_.RowOptionsList->Cancelled())
        return; // Esc is "Cancel"
    const int other = NeedsOtherLed(operation) ? ChooseFromList(*c_.CopyList) : -1;
    if (NeedsOtherLed(operation) && c_.CopyList->Cancelled())
        return;
    // Named after the entry picked: "Clear All", "Copy from", "Skip 2".
    const QListWidgetItem* entry = c_.RowOptionsList->item(operation);
    const QString name = entry ? entry->text().remove(QStringLiteral("...")) : QStringLiteral("Row Command");
    history_.record(name.toStdString(), [&] { ApplyRowOperation(sequence_, row, operation, other); });
}

} // namespace zg
