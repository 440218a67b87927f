#include "GridPainter.h"

#include "export/FormColors.h"

#include <QPainter>

#include <cmath>

namespace zg {

namespace {
using namespace GridGeometry;

const QColor kPlayingEvent(128, 128, 128);
const QColor kEndMark(255, 0, 0);

} // namespace

// The axis shows ten digits in two sizes; each is laid out once, not at every paint. The program's
// own face (Arial's metrics): a second family would cost a font lookup at start.
GridPainter::GridPainter(QFont font) {
    for (const auto& [size, digits] : {std::pair{6.0, &axisDigits_}, std::pair{8.0, &endMarkDigits_}}) {
        font.setPointSizeF(size);
        for (int digit = 0; digit < 10; ++digit) {
            QStaticText& text = (*digits)[std::size_t(digit)];
            text.setText(QString::number(digit));
            text.prepare(QTransform(), font);
        }
        (size == 6.0 ? axisFont_ : endMarkFont_) = font;
    }
}

void GridPainter::paint(QPainter& painter, const QRect& dirty, const QPalette& palette,
                        const QColor& background, const State& state) const {
    painter.fillRect(dirty, background);
    // A test step dirties axis labels only, below the frame: nothing inside the frame is visited.
    if (dirty.intersects(kFrame)) {
        painter.setPen(palette.color(QPalette::WindowText));
        painter.drawRect(kFrame.adjusted(0, 0, -1, -1));
        paintSeparators(painter, palette);
        paintCells(painter, dirty, palette, state);
    }
    paintAxis(painter, dirty, palette, state);
    if (state.selection)
        paintSelection(painter, palette, *state.selection);
    if (state.focus &&
        dirty.intersects(CellRect(state.focus->row, state.focus->event).adjusted(-2, -1, 1, 1)))
        paintFocus(painter, palette, *state.focus);
}

// A faint line every ten events, between the rows, so that nobody counts cells.
void GridPainter::paintSeparators(QPainter& painter, const QPalette& palette) {
    QColor faint = palette.color(QPalette::WindowText);
    faint.setAlpha(70);
    for (EventIndex e = 10; e < kEventCount; e += 10) {
        const int x = CellRect(0, e).left();
        painter.fillRect(QRect(x, kFrame.top() + 1, 1, kFrame.height() - 2), faint);
    }
}

// A box filled in its LED's own colour when lit and plainly empty when dark, drawn inside the
// cell's place at any scale. A colour close to the box's own (white or yellow on a light palette,
// black on a dark one) gets a mark in the middle, so that a lit cell never reads as a dark one.
// Filled rectangles only: the cheapest thing a painter draws.
void GridPainter::paintCells(QPainter& painter, const QRect& dirty, const QPalette& palette,
                             const State& state) const {
    const QColor border = palette.color(QPalette::Text);
    const QColor base = palette.color(QPalette::Base);
    for (LedChannel row = 0; row < kLedCount; ++row) {
        const QColor lit = ColorOf(LedColorTable[std::size_t(state.sequence.ledColor(row))].value);
        const bool marked = CloseColors(lit, base);
        for (EventIndex e = 0; e < kEventCount; ++e) {
            if (!dirty.intersects(CellRect(row, e)))
                continue;
            const QRect box = CellRect(row, e).adjusted(0, 3, -1, -2);
            painter.fillRect(box, border);
            if (state.sequence.cell(row, e) == 0) {
                painter.fillRect(box.adjusted(1, 1, -1, -1), base);
                continue;
            }
            painter.fillRect(box.adjusted(1, 1, -1, -1), lit);
            if (marked)
                painter.fillRect(box.adjusted(2, 2, -2, -2), border);
        }
    }
}

bool GridPainter::CloseColors(const QColor& a, const QColor& b) {
    const auto luma = [](const QColor& c) { return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue(); };
    return std::abs(luma(a) - luma(b)) < 100;
}

void GridPainter::paintAxis(QPainter& painter, const QRect& dirty, const QPalette& palette,
                            const State& state) const {
    for (EventIndex e = 0; e < kEventCount; ++e) {
        const QRect place = AxisRect(e);
        if (!dirty.intersects(place))
            continue;
        painter.fillRect(place, e == state.playing ? kPlayingEvent : palette.color(QPalette::Button));
        const bool marked = e == state.sequence.endEvent();
        painter.setFont(marked ? endMarkFont_ : axisFont_);
        painter.setPen(marked ? kEndMark : palette.color(QPalette::ButtonText));
        const QStaticText& digit = (marked ? endMarkDigits_ : axisDigits_)[std::size_t((e + 1) % 10)];
        const QSizeF size = digit.size();
        painter.drawStaticText(QPointF(place.left() + (place.width() - size.width()) / 2,
                                       place.top() + (place.height() - size.height()) / 2),
                               digit);
    }
}

QRect GridPainter::SelectionRect(const CellRange& range) {
    return CellRect(range.firstRow, range.firstEvent)
        .united(CellRect(range.lastRow, range.lastEvent))
        .adjusted(-1, 1, 1, -1);
}

// A tinted band with a frame in the palette's highlight: visible over lit and dark cells alike.
void GridPainter::paintSelection(QPainter& painter, const QPalette& palette, const CellRange& range) {
    const QRect place = SelectionRect(range);
    QColor band = palette.color(QPalette::Highlight);
    band.setAlpha(80);
    painter.fillRect(place, band);
    painter.setPen(QPen(palette.color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(place).adjusted(0, 0, -1, -1));
}

void GridPainter::paintFocus(QPainter& painter, const QPalette& palette, GridCell focus) {
    QPen pen(palette.color(QPalette::Highlight), 1, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(CellRect(focus.row, focus.event)).adjusted(-1.5, -0.5, 0.5, -0.5));
}

} // namespace zg
