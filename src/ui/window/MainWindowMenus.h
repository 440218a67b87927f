#pragma once

#include "ui/window/WindowCommands.h"

class QMainWindow;
class QUndoStack;

namespace zg {

struct MainWindowControls;
class FlashCommands;
class ModelCommands;
class UserDialogs;
class PresetCommands;
class RangeCommands;
class RecentFiles;

// What the menus are built on: the window that holds them and what their items run.
struct MenuTargets {
    QMainWindow& window;
    WindowCommands& commands;
    const MainWindowControls& controls;
    PresetCommands& presets;
    RangeCommands& ranges;
    FlashCommands& flashes;
    RecentFiles& recent;
    ModelCommands& models;
    UserDialogs& dialogs;
};

// Builds the window's menu bar, each item with its shortcut, and the shortcuts without an item:
// Ctrl+1..4 open the colour list of LED #1..#4, Ctrl+Shift+1..4 its row options. Every item and
// shortcut runs the window's own handler, as a click on the matching control does, and the
// buttons of the same commands trigger their items.
// The Edit menu's Undo and Redo take their text and state from the undo stack.
void BuildMainWindowMenus(const MenuTargets& targets, QUndoStack& history);

} // namespace zg
