#pragma once

#include "ui/window/WindowCommands.h"

class QMainWindow;
class QPushButton;
class QUndoStack;

namespace zg {

class FlashCommands;
class GridWidget;
class ModelCommands;
class NoteLine;
class UserDialogs;
class PresetCommands;
class RangeCommands;
class RecentFiles;

// The controls the menus touch: the grid the range items work on, the note a command ends, and
// the buttons that trigger the items of the same commands.
struct MenuControls {
    GridWidget* grid = nullptr;
    NoteLine* note = nullptr;
    QPushButton* openButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* testButton = nullptr;
    QPushButton* settingsButton = nullptr;
    QPushButton* downloadButton = nullptr;
};

// What the menus are built on: the window that holds them and what their items run.
struct MenuTargets {
    QMainWindow& window;
    WindowCommands& commands;
    MenuControls controls;
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
