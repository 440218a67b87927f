#pragma once

#include "export/GridGeometry.h"
#include "model/LedSequence.h"
#include "model/RangeEditing.h"

#include <QFont>
#include <QPalette>
#include <QStaticText>

#include <array>
#include <optional>

class QPainter;

namespace zg {

// Draws the grid as its widget shows it: the frame, the cells, the time axis with the end mark and
// the playing event, the selection and the focus cell, from the document and the widget's state.
class GridPainter {
  public:
    struct State {
        const LedSequence& sequence;
        std::optional<EventIndex> playing;
        std::optional<CellRange> selection;
        std::optional<GridCell> focus; // shown only while the grid has the keyboard focus
    };

    // `font` is the face the axis digits are drawn in.
    explicit GridPainter(QFont font);

    // Draws what lies in `dirty`: a step of the test or of a drag repaints one axis label or one
    // cell, not the whole grid.
    void paint(QPainter& painter, const QRect& dirty, const QPalette& palette, const QColor& background,
               const State& state) const;

    // Where the selection's band is drawn.
    static QRect SelectionRect(const CellRange& range);
    // Whether a lit cell of colour `a` on a box of colour `b` needs a mark to be told from a dark one.
    static bool CloseColors(const QColor& a, const QColor& b);

  private:
    static void paintSeparators(QPainter& painter, const QPalette& palette);
    void paintCells(QPainter& painter, const QRect& dirty, const QPalette& palette, const State& state) const;
    void paintAxis(QPainter& painter, const QRect& dirty, const QPalette& palette, const State& state) const;
    static void paintSelection(QPainter& painter, const QPalette& palette, const CellRange& range);
    static void paintFocus(QPainter& painter, const QPalette& palette, GridCell focus);

    QFont axisFont_;
    QFont endMarkFont_;
    std::array<QStaticText, 10> axisDigits_;    // "0".."9": the axis shows the last digit of e + 1
    std::array<QStaticText, 10> endMarkDigits_; // the same, larger, for the end mark
};

} // namespace zg
