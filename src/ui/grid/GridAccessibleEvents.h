#pragma once

#include "export/GridGeometry.h"

class QWidget;

namespace zg {

// The grid's cells as assistive technology numbers them: row by row, 50 to a row.
inline int AccessibleIndexOf(GridCell cell) {
    return cell.row * kEventCount + cell.event;
}

// Tells assistive technology, when one listens, that the grid's focus cell moved or a cell switched.
void NotifyGridFocus(QWidget* grid, GridCell cell);
void NotifyGridCellChanged(QWidget* grid, GridCell cell);

} // namespace zg
