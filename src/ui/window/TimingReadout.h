#pragma once

#include "model/LedTables.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QLabel;
class QStatusBar;

namespace zg {

class GridWidget;
class LedSequence;

// The line at the bottom of the window that says what one LED does in a cycle: the row under the
// pointer, or else the row of the keyboard's focus cell. It is worked out again when the document
// changes or another row is meant, at most once in kDelayMs: a drag changes a cell at every
// pointer event, and the line's text and repaint would cost each step several times its paint.
class TimingReadout : public QObject {
    Q_OBJECT
  public:
    static constexpr int kDelayMs = 30;

    // The line is a label of its own in `bar`.
    TimingReadout(const LedSequence& sequence, GridWidget& grid, QStatusBar& bar, QObject* parent);

    // Something in the document changed: the line follows once the change is complete.
    void documentChanged();
    // What the user calls an output (a light's name on the model), or empty for "LED#n".
    void nameOutputsBy(std::function<QString(LedChannel)> nameOf) { nameOf_ = std::move(nameOf); }
    // The row read out now.
    LedChannel row() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refresh();

    const LedSequence& sequence_;
    GridWidget& grid_;
    QLabel& line_;
    QTimer timer_;
    std::function<QString(LedChannel)> nameOf_;
};

} // namespace zg
