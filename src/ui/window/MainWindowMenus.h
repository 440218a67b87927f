#pragma once

class QUndoStack;

namespace zg {

class MainWindow;

// Builds the window's menu bar, each item with its shortcut, and the shortcuts without an item:
// Ctrl+1..4 open the colour list of LED #1..#4, Ctrl+Shift+1..4 its row options. Every item and
// shortcut runs the window's own handler, as a click on the matching control does.
// The Edit menu's Undo and Redo are the undo stack's own actions.
void BuildMainWindowMenus(MainWindow& form, QUndoStack& history);

} // namespace zg
