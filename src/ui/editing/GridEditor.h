#pragma once

#include <QCoreApplication>

#include "model/LedSequence.h"

#include <optional>

namespace zg {

class DocumentHistory;
class PopupList;

// The direct editing of the grid: cell clicks, the paint gesture, the colour choice, the end mark
// and the row commands with their pop-up lists.
class GridEditor {
    Q_DECLARE_TR_FUNCTIONS(zg::GridEditor)

  public:
    // The main window's pop-up lists the editor asks from.
    struct Lists {
        PopupList& colors;
        PopupList& rowOptions;
        PopupList& copies; // the other row of a copy
    };
    GridEditor(const Lists& lists, LedSequence& sequence, DocumentHistory& history);

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
    // A pick from an LED's servo list, or typed text (-1): that LED's mode and nothing else.
    void setServoMode(LedChannel row, ServoControlMode mode);

  private:
    void applyRowCommand(LedChannel row, int operation, int other);

    Lists lists_;
    LedSequence& sequence_;
    DocumentHistory& history_;
    std::optional<EventIndex> dragStart_; // the event of the last press, shared by all four rows
};

} // namespace zg
