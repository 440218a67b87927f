#pragma once

#include <QCoreApplication>

#include "model/LedSequence.h"
#include "ui/controls/MainWindowControls.h"

#include <optional>

namespace zg {

class DocumentHistory;

// The direct editing of the grid: cell clicks, the paint gesture, the colour choice, the end mark
// and the row commands with their pop-up lists.
class GridEditor {
    Q_DECLARE_TR_FUNCTIONS(zg::GridEditor)

  public:
    GridEditor(MainWindowControls& controls, LedSequence& sequence, DocumentHistory& history);

    // A press and release on one cell, or Space on the focus cell, switches it.
    void toggle(LedChannel row, EventIndex e);
    void startGesture(EventIndex e);
    void paintOver(LedChannel row, EventIndex e);
    void fillToRelease(LedChannel row, EventIndex e);
    // The gesture is over (released, a second button, a lost grab): its changes become one step.
    void endGesture();
    void chooseColor(LedChannel led);
    void moveEndMark(EventIndex e);
    void showRowOptions(LedChannel row);

  private:
    void applyRowCommand(LedChannel row, int operation, int other);

    MainWindowControls& c_;
    LedSequence& sequence_;
    DocumentHistory& history_;
    std::optional<EventIndex> dragStart_; // the event of the last press, shared by all four rows
};

} // namespace zg
