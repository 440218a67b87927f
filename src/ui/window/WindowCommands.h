#pragma once

#include "model/LedTables.h"

namespace zg {

// The window's commands as its menus and shortcuts run them, the same handlers a click on the
// matching control runs.
class WindowCommands {
  public:
    virtual ~WindowCommands() = default;

    virtual void newDocument() = 0;
    virtual void openFile() = 0;
    virtual void mergeFile() = 0;
    virtual void saveFile() = 0;
    virtual void exportAnimation() = 0;
    virtual void exportPicture() = 0;
    virtual void askToExit() = 0;
    virtual void undo() = 0;
    virtual void redo() = 0;
    virtual void toggleTest() = 0;
    virtual void download() = 0;
    virtual void showSettings() = 0;
    virtual void playAtModuleSpeed(bool on) = 0;
    virtual void showStickInput() = 0;
    virtual void showAbout() = 0;
    virtual void showManual() = 0;
    virtual void chooseLedColor(LedChannel led) = 0;
    virtual void showRowOptions(LedChannel row) = 0;
};

} // namespace zg
