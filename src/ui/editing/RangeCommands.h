#pragma once

#include "model/LedSequence.h"
#include "model/RangeEditing.h"

#include <QObject>

namespace zg {

class DocumentHistory;
class GridWidget;
class NoteLine;

// The Edit menu's commands on ranges of cells: the clipboard, clearing, inserting and deleting
// events, shifting and repeating a pattern. Each is one undo step. They act on the grid's
// selection, or on its focus cell when nothing is selected.
class RangeCommands : public QObject {
    Q_OBJECT
  public:
    // `note` is the line below the buttons where the program tells what a command left out.
    RangeCommands(GridWidget& grid, LedSequence& sequence, DocumentHistory& history, NoteLine& note,
                  QObject* parent = nullptr);

    void copy();
    void cut();
    void paste();
    void clearCells();
    void selectAll();
    void insertEvent();
    void deleteEvent();
    void shiftLeft();
    void shiftRight();
    void repeatSelection();

  private:
    CellRange range() const;
    void shift(int step);
    void tell(const QString& text);

    GridWidget& grid_;
    LedSequence& sequence_;
    DocumentHistory& history_;
    NoteLine& note_;
};

} // namespace zg
