#include "GridGeometry.h"

namespace zg::GridGeometry {

std::optional<EventIndex> ColumnAt(int x) {
    const int first = CellRect(0, 0).left();
    const int last = CellRect(0, kLastEvent).right();
    if (x < first || x > last)
        return std::nullopt;
    // The shared pixel column of two neighbours belongs to the later one.
    return std::min<EventIndex>((x - first) / kColumnPitch, kLastEvent);
}

std::optional<GridCell> CellAt(QPoint pos) {
    const auto e = ColumnAt(pos.x());
    if (!e)
        return std::nullopt;
    for (LedChannel row = 0; row < kLedCount; ++row) {
        const QRect cell = CellRect(row, *e);
        if (pos.y() >= cell.top() && pos.y() <= cell.bottom())
            return GridCell{row, *e};
    }
    return std::nullopt;
}

std::optional<EventIndex> AxisAt(QPoint pos) {
    const auto e = ColumnAt(pos.x());
    if (!e || pos.y() < AxisRect(0).top() || pos.y() > AxisRect(0).bottom())
        return std::nullopt;
    return e;
}

} // namespace zg::GridGeometry
