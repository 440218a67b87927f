#pragma once

#include <memory>

class QIcon;

namespace zg {

struct CommandLine;
class MainWindow;
class ProgramEnd;
class UserDialogs;

// The program's font: a sans-serif face with the metrics the window was laid out for.
void ApplyProgramFont();

// The program's icon from the executable's resources; empty where they are not linked in.
QIcon ProgramIcon();

// The main window as the command line asks for it: downloads go to the --device given, and once
// the window is up it offers the work the last run left unsaved, then opens the file named.
std::unique_ptr<MainWindow> StartWindow(const CommandLine& line, UserDialogs& dialogs,
                                        ProgramEnd& programEnd);

// Starts the editor: the application object, the main window, the event loop.
int RunApplication(int argc, char* argv[]);

} // namespace zg
