#include "GridAccessibleEvents.h"

#include <QAccessible>

namespace zg {

void NotifyGridFocus(QWidget* grid, GridCell cell) {
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(grid, QAccessible::Focus);
    event.setChild(AccessibleIndexOf(cell));
    QAccessible::updateAccessibility(&event);
}

void NotifyGridCellChanged(QWidget* grid, GridCell cell) {
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(grid, changed);
    event.setChild(AccessibleIndexOf(cell));
    QAccessible::updateAccessibility(&event);
}

} // namespace zg
