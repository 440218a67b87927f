#pragma once

class QIcon;

namespace zg {

// The program's font: a sans-serif face with the metrics the window was laid out for.
void ApplyProgramFont();

// The program's icon from the executable's resources; empty where they are not linked in.
QIcon ProgramIcon();

// Starts the editor: the application object, the main window, the event loop.
int RunApplication(int argc, char* argv[]);

} // namespace zg
