#pragma once

#include "model/AppConfig.h"
#include "model/LedSequence.h"
#include "model/UndoHistory.h"

class QAction;

namespace zg {

class Settings_form;

// The Edit menu's Undo and Redo over the history of the document's changes. Undo asks nothing and
// touches no file and no caption: the window shows the restored document like any edit.
class UndoCommands {
  public:
    UndoCommands(LedSequence& sequence, AppConfig& config, Settings_form& settings);

    UndoHistory& History() { return history_; }
    // The two menu items, kept naming what they would undo or redo and enabled only then.
    void ShowIn(QAction* undo, QAction* redo);

    void Undo();
    void Redo();

  private:
    void refresh();

    Settings_form& settings_;
    UndoHistory history_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

} // namespace zg
