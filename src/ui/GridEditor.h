#pragma once

#include "MainFormControls.h"
#include "model/LedSequence.h"

#include <QPoint>

#include <optional>
#include <utility>

namespace zg {

class UndoHistory;

// The direct editing of the grid: cell clicks, the paint gesture, the colour choice, the end mark
// and the row commands with their pop-up lists.
class GridEditor {
  public:
    GridEditor(MainFormControls& controls, LedSequence& sequence, UndoHistory& history);

    // The cell under a point of the screen, if any.
    std::optional<std::pair<LedChannel, EventIndex>> CellAt(const QPoint& globalPos) const;
    // A press has started a gesture: painting and the release have a start cell.
    bool InGesture() const { return DragStart.has_value(); }

    void Click(LedChannel row, EventIndex e);
    void Toggle(LedChannel row, EventIndex e); // Space on the keyboard's focus cell
    void MouseDown(EventIndex e);
    void DragOver(LedChannel row, EventIndex e);
    void MouseUp(LedChannel row, EventIndex e);
    // The button is up, wherever: the gesture's changes become one step of the history.
    void EndGesture();
    void ChooseColor(LedChannel led);
    void MoveEndMark(EventIndex e);
    void RowCommand(LedChannel row);

  private:
    MainFormControls& c_;
    LedSequence& sequence_;
    UndoHistory& history_;
    std::optional<EventIndex> DragStart; // the event of the last press, shared by all four rows
    std::optional<int> paintStep_;       // the history's step of the gesture under way
};

} // namespace zg
