#pragma once

#include "model/LedTables.h"

#include <QWidget>

namespace zg {

// The grid's one stop in the Tab order: a focus cell that the arrow keys move, Home and End send
// to the first and last event, Space switches and Enter makes the end mark. It lies over the
// cells without taking their mouse events, so a click does what it always did.
class GridKeyboard : public QWidget {
    Q_OBJECT
  public:
    explicit GridKeyboard(QWidget* client);

    LedChannel row() const { return row_; }
    EventIndex event() const { return event_; }
    // Puts the focus cell on (row, e), where the mouse last pressed, so keys go on from there.
    void moveTo(LedChannel row, EventIndex e);

  signals:
    void spacePressed(LedChannel row, EventIndex e);
    void enterPressed(EventIndex e);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    QRect cellRect(LedChannel row, EventIndex e) const;

    LedChannel row_ = 0;
    EventIndex event_ = 0;
};

} // namespace zg
