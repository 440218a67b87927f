#pragma once

#include "model/LedTables.h"

#include <QPoint>
#include <QRect>

#include <optional>

namespace zg {

struct GridCell {
    LedChannel row = 0;
    EventIndex event = 0;
    bool operator==(const GridCell&) const = default;
};

// Where the grid's parts sit, in the grid widget's own pixels (at 96 dpi). The widget stands at
// (120, 16) in the window and spans the frame and the time axis below it; a cell of LED #n at
// event e is the window's rectangle (128 + 8e, 24n, 9, 13), the axis label of e (128 + 8e, 128, 9,
// 17). Neighbouring cells share one pixel column; it belongs to the later event, which was drawn
// on top in the window's first form.
namespace GridGeometry {
inline constexpr QPoint kOrigin{120, 16};
inline constexpr int kWidth = 417;
inline constexpr int kHeight = 129;
inline constexpr int kColumnPitch = 8;
inline constexpr int kRowPitch = 24;
inline constexpr QRect kFrame{0, 0, 417, 105};

constexpr QRect CellRect(LedChannel row, EventIndex e) {
    return {8 + kColumnPitch * e, 8 + kRowPitch * row, 9, 13};
}

constexpr QRect AxisRect(EventIndex e) {
    return {8 + kColumnPitch * e, 112, 9, 17};
}

std::optional<EventIndex> ColumnAt(int x);
std::optional<GridCell> CellAt(QPoint pos);
std::optional<EventIndex> AxisAt(QPoint pos);
} // namespace GridGeometry

} // namespace zg
