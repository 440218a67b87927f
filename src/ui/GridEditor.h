#pragma once

#include "MainFormControls.h"
#include "model/LedSequence.h"

#include <optional>

namespace zg {

class DocumentHistory;

// The direct editing of the grid: cell clicks, the paint gesture, the colour choice, the end mark
// and the row commands with their pop-up lists.
class GridEditor {
  public:
    GridEditor(MainFormControls& controls, LedSequence& sequence, DocumentHistory& history);

    // A press and release on one cell, or Space on the focus cell, switches it.
    void Toggle(LedChannel row, EventIndex e);
    void MouseDown(EventIndex e);
    void DragOver(LedChannel row, EventIndex e);
    void MouseUp(LedChannel row, EventIndex e);
    // The gesture is over (released, a second button, a lost grab): its changes become one step.
    void EndGesture();
    void ChooseColor(LedChannel led);
    void MoveEndMark(EventIndex e);
    void RowCommand(LedChannel row);

  private:
    void applyRowCommand(LedChannel row, int operation, int other);

    MainFormControls& c_;
    LedSequence& sequence_;
    DocumentHistory& history_;
    std::optional<EventIndex> DragStart; // the event of the last press, shared by all four rows
};

} // namespace zg
