#pragma once

#include "model/LedSequence.h"

#include <QObject>

class QWidget;

namespace zg {

class DocumentHistory;
class FlashPatternDialog;
class GridWidget;

// Flash Pattern...: fills LED rows from the figures of the flash generator as one undo step, named
// after the effect, that also takes a changed sequencer delay along.
class FlashCommands : public QObject {
    Q_OBJECT
  public:
    struct Parts {
        QWidget& window;
        LedSequence& sequence;
        DocumentHistory& history;
        const GridWidget& grid;
    };
    FlashCommands(const Parts& parts, QObject* parent);

    // Opens the generator for the rows of the selection, or else the focus cell's row; it waits
    // for its answer without holding the window up.
    void openGenerator();
    FlashPatternDialog* dialog() const { return dialog_; }

  private:
    void apply();

    Parts p_;
    FlashPatternDialog* dialog_ = nullptr;
};

} // namespace zg
