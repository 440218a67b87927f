#pragma once

namespace zg {

class Main_LEDFlasher_form;
class UndoCommands;

// Builds the window's menu bar, each item with its shortcut, and the shortcuts without an item:
// Ctrl+1..4 open the colour list of LED #1..#4, Ctrl+Shift+1..4 its row options. Every item and
// shortcut runs the window's own handler, as a click on the matching control does.
void BuildMainFormMenus(Main_LEDFlasher_form& form, UndoCommands& edit);

} // namespace zg
