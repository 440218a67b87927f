#include "GridEditor.h"

#include "model/RowOperations.h"
#include "ui/common/DocumentHistory.h"
#include "ui/controls/PopupList.h"
#include "ui/controls/RowOptionsEntries.h"

namespace zg {

GridEditor::GridEditor(const Lists& lists, LedSequence& sequence, DocumentHistory& history)
    : lists_(lists), sequence_(sequence), history_(history) {}

void GridEditor::toggle(LedChannel row, EventIndex e) {
    history_.record(tr("Cell"), [&] { sequence_.setCell(row, e, 1 - sequence_.cell(row, e)); });
}

void GridEditor::startGesture(EventIndex e) {
    endGesture(); // a press without its release (the pointer grab was lost) ends the old gesture
    dragStart_ = e;
    history_.beginGesture(tr("Paint"));
}

void GridEditor::endGesture() {
    history_.endGesture();
    dragStart_.reset();
}

void GridEditor::paintOver(LedChannel row, EventIndex e) {
    if (!dragStart_)
        return;
    sequence_.setCell(row, e, sequence_.cell(row, *dragStart_));
}

void GridEditor::fillToRelease(LedChannel row, EventIndex e) {
    if (!dragStart_)
        return;
    const int state = sequence_.cell(row, *dragStart_);
    for (EventIndex i = *dragStart_ + 1; i <= e; ++i)
        sequence_.setCell(row, i, state);
}

void GridEditor::chooseColor(LedChannel led) {
    lists_.colors.choose(sequence_.ledColor(led), [this, led](std::optional<int> picked) {
        if (picked) // Esc: the colour stays; the label takes the colour as the document reports it
            history_.record(tr("Color"), [&] { sequence_.setLedColor(led, *picked); });
    });
}

void GridEditor::moveEndMark(EventIndex e) {
    history_.record(tr("End Mark"), [&] { sequence_.setEndEvent(e); });
}

void GridEditor::setServoMode(LedChannel row, ServoControlMode mode) {
    history_.record(tr("Servo Mode"), [&] { sequence_.setServoMode(row, mode); });
}

void GridEditor::showRowOptions(LedChannel row) {
    lists_.rowOptions.choose(int(RowOperation::ClearAll), [this, row](std::optional<int> operation) {
        if (!operation)
            return; // Esc is "Cancel"
        if (!NeedsOtherLed(*operation)) {
            applyRowCommand(row, *operation, -1);
            return;
        }
        lists_.copies.choose(std::nullopt, [this, row, operation](std::optional<int> other) {
            if (other)
                applyRowCommand(row, *operation, *other);
        });
    });
}

// One step, named after the entry picked: "Clear All", "Copy from LED #2", "Skip 2".
void GridEditor::applyRowCommand(LedChannel row, int operation, int other) {
    QString name = RowCommandName(operation, other);
    if (name.isEmpty())
        name = tr("Row Command");
    history_.record(name, [&] { ApplyRowOperation(sequence_, row, operation, other); });
}

} // namespace zg
