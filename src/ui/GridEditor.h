#pragma once

#include "MainFormControls.h"
#include "model/LedSequence.h"

#include <QPoint>

#include <optional>
#include <utility>

namespace zg {

// The direct editing of the grid: cell clicks, the paint gesture, the colour choice, the end mark
// and the row commands with their pop-up lists.
class GridEditor {
  public:
    GridEditor(MainFormControls& controls, LedSequence& sequence);

    // The cell under a point of the screen, if any.
    std::optional<std::pair<LedChannel, EventIndex>> CellAt(const QPoint& globalPos) const;
    // A press has started a gesture: painting and the release have a start cell.
    bool InGesture() const { return DragStart.has_value(); }

    void Click(LedChannel row, EventIndex e);
    void MouseDown(EventIndex e);
    void DragOver(LedChannel row, EventIndex e);
    void MouseUp(LedChannel row, EventIndex e);
    void ChooseColor(LedChannel led);
    void MoveEndMark(EventIndex e);
    void RowCommand(LedChannel row);

  private:
    MainFormControls& c_;
    LedSequence& sequence_;
    std::optional<EventIndex> DragStart; // the event of the last press, shared by all four rows
};

} // namespace zg
