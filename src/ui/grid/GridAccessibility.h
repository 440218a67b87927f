#pragma once

#include "GridGeometry.h"

class QWidget;

namespace zg {

// What assistive technology sees of the grid: a table of 4 rows by 50 columns whose cells are
// check boxes named "LED #n, event e" and checked when lit.
void InstallGridAccessibility();
void NotifyGridFocus(QWidget* grid, GridCell cell);
void NotifyGridCellChanged(QWidget* grid, GridCell cell);

} // namespace zg
