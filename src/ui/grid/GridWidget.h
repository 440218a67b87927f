#pragma once

#include "export/GridGeometry.h"
#include "export/GridPainter.h"
#include "model/LedSequence.h"
#include "model/RangeEditing.h"

#include <QWidget>

#include <functional>
#include <optional>

namespace zg {

// The 4 x 50 grid of cells with its frame and the time axis below it, drawn from the document
// (it keeps no copy of a cell) and taking the mouse and the keys. It reports what the user does;
// the editing itself is the grid editor's.
class GridWidget : public QWidget {
    Q_OBJECT
  public:
    GridWidget(const LedSequence& sequence, QWidget* parent);

    const LedSequence& sequence() const { return sequence_; }
    // The keyboard's focus cell: arrows move it, Space switches it, Enter puts the end mark there.
    GridCell focusCell() const { return focus_; }
    void moveFocusTo(GridCell cell);
    // The event the test shows now, highlighted on the time axis.
    std::optional<EventIndex> playingEvent() const { return playing_; }
    void setPlayingEvent(std::optional<EventIndex> e);

    // The selected rectangle of cells: Shift with the arrows, Home or End, or Shift+click stretches
    // it from the focus cell; a plain click, a plain arrow or Esc ends it.
    std::optional<CellRange> selection() const { return selection_; }
    // Selects `range` (or nothing), with its first cell as the corner it stretches from; the focus
    // cell stays where it is when the range holds it and goes to that corner otherwise.
    void setSelection(std::optional<CellRange> range);

    // The LED row under the pointer, -1 when the pointer is on no cell.
    LedChannel pointerRow() const { return pointerRow_; }
    // What the user calls an output (a light's name on the model), for the cells' tooltips.
    void nameOutputsBy(std::function<QString(LedChannel)> nameOf) { nameOf_ = std::move(nameOf); }
    // The event under the pointer, -1 when the pointer is on no cell.
    int pointerEvent() const { return pointerEvent_; }

    // Switches `cell` as a click on it does, for assistive technology that acts on a cell: a
    // gesture under way and the selection end, and the focus cell moves there.
    void switchCell(GridCell cell);

    void showCell(LedChannel row, EventIndex e);
    void showAxisLabel(EventIndex e);

    // Ends the gesture under way as a second button does (its changes become one step); the
    // pointer paints no more, and the release does nothing, until the next press.
    void endGesture();

  signals:
    // A press on a cell starts a gesture; cells entered while the button is held are painted; the
    // release over a cell fills towards it. A gesture ends at the release, wherever it is, or when
    // a second button or a lost pointer grab ends it.
    void pressed(GridCell cell);
    void entered(GridCell cell);
    void released(GridCell cell);
    void gestureEnded();
    // Press and release on one cell; Space on the focus cell.
    void clicked(GridCell cell);
    void spacePressed(GridCell cell);
    // A double-click on the time axis, or Enter.
    void endMarkChosen(EventIndex e);
    // The pointer went onto another LED's row, or off the cells (-1); the keyboard's focus cell moved.
    void pointerRowChanged(zg::LedChannel row);
    void pointerEventChanged(int e);
    void focusMoved(zg::GridCell cell);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void press(QPoint pos);
    void stretchSelectionTo(GridCell cell);
    bool moveByKey(QKeyEvent* event, GridCell cell);
    void pressOtherButton(QPoint pos);
    void setPointerRow(LedChannel row);
    void setPointerEvent(int e);

    const LedSequence& sequence_;
    GridPainter painter_;
    GridCell focus_;
    std::optional<CellRange> selection_;
    GridCell anchor_; // the corner the selection stretches from
    std::optional<EventIndex> playing_;
    std::optional<GridCell> pressedCell_; // the gesture under way, from its press
    std::optional<GridCell> lastEntered_;
    LedChannel pointerRow_ = -1;
    int pointerEvent_ = -1;
    std::function<QString(LedChannel)> nameOf_;
};

} // namespace zg
