#include "RangeCommands.h"

#include "ui/common/DocumentHistory.h"
#include "ui/controls/NoteLine.h"
#include "ui/grid/GridWidget.h"

#include <QClipboard>
#include <QGuiApplication>

namespace zg {

RangeCommands::RangeCommands(GridWidget& grid, LedSequence& sequence, DocumentHistory& history,
                             NoteLine& note, QObject* parent)
    : QObject(parent), grid_(grid), sequence_(sequence), history_(history), note_(note) {}

CellRange RangeCommands::range() const {
    const GridCell focus = grid_.focusCell();
    return grid_.selection().value_or(CellRange{focus.row, focus.row, focus.event, focus.event});
}

// Shown until the next command or change, as the report of a download is.
void RangeCommands::tell(const QString& text) {
    note_.show(text);
}

void RangeCommands::copy() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(CellsAsText(sequence_, range())));
}

void RangeCommands::cut() {
    copy();
    history_.record(tr("Cut"), [this] { ClearCells(sequence_, range()); });
}

void RangeCommands::clearCells() {
    history_.record(tr("Delete"), [this] { ClearCells(sequence_, range()); });
}

// The text goes in with its first cell at the focus cell; what falls beyond the grid is left out.
void RangeCommands::paste() {
    const CellText text = ReadCellText(QGuiApplication::clipboard()->text().toStdString());
    if (!text.ok()) {
        tell(tr("Nothing pasted: line %1, character %2 is no cell (1 x X # * or 0 - . blank).")
                 .arg(text.badLine)
                 .arg(text.badColumn));
        return;
    }
    std::size_t width = 0;
    for (const auto& row : text.rows)
        width = std::max(width, row.size());
    if (width == 0) {
        tell(tr("Nothing pasted: the clipboard holds no cells."));
        return;
    }
    const GridCell at = grid_.focusCell();
    int leftOut = 0;
    history_.record(tr("Paste"), [&] { leftOut = PasteCells(sequence_, at.row, at.event, text.rows); });
    const int lastRow = std::min<int>(at.row + int(text.rows.size()) - 1, kLedCount - 1);
    const int lastEvent = std::min<int>(at.event + int(width) - 1, kLastEvent);
    grid_.setSelection(CellRange{at.row, lastRow, at.event, lastEvent});
    if (leftOut > 0)
        tell(tr("%1 of the pasted cells fell beyond LED #4 or event 50 and were left out.").arg(leftOut));
}

void RangeCommands::selectAll() {
    grid_.setSelection(CellRange{0, kLedCount - 1, 0, sequence_.endEvent()});
}

void RangeCommands::insertEvent() {
    bool lost = false;
    const EventIndex at = grid_.focusCell().event;
    history_.record(tr("Insert Event"), [&] { lost = InsertEvent(sequence_, at); });
    if (lost)
        tell(tr("Event 50 fell off the end with its lit cells (Undo brings it back)."));
}

void RangeCommands::deleteEvent() {
    const EventIndex at = grid_.focusCell().event;
    history_.record(tr("Delete Event"), [&] { DeleteEvent(sequence_, at); });
}

void RangeCommands::shiftLeft() {
    shift(-1);
}

void RangeCommands::shiftRight() {
    shift(+1);
}

// The selected rows, or all four, turn by one event within the loop.
void RangeCommands::shift(int step) {
    const auto selection = grid_.selection();
    const LedChannel first = selection ? selection->firstRow : 0;
    const LedChannel last = selection ? selection->lastRow : kLedCount - 1;
    history_.record(step < 0 ? tr("Shift Left") : tr("Shift Right"),
                    [&] { RotateRows(sequence_, first, last, step); });
}

void RangeCommands::repeatSelection() {
    const auto selection = grid_.selection();
    if (!selection) {
        tell(tr("Select the events to repeat first (Shift with the arrow keys)."));
        return;
    }
    int filled = 0;
    history_.record(tr("Repeat Selection"), [&] { filled = RepeatRange(sequence_, *selection); });
    if (filled == 0)
        tell(tr("Nothing to repeat into: the selection reaches the end mark."));
}

} // namespace zg
