#pragma once

#include "model/AppConfig.h"
#include "model/LedSequence.h"
#include "model/UndoHistory.h"

#include <functional>

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

    // Called after every change of the history: a new step, an undo, a redo.
    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

  private:
    void refresh();

    Settings_form& settings_;
    UndoHistory history_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    std::function<void()> onChange_;
};

} // namespace zg
