#pragma once

namespace zg {

// Starts the editor: the application object, the main window, the event loop.
int RunApplication(int argc, char* argv[]);

} // namespace zg
