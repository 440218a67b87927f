#pragma once

#include <QStringList>

#include <optional>
#include <string>
#include <vector>

class QIcon;

namespace zg {

// The program's font: a sans-serif face with the metrics the window was laid out for.
void ApplyProgramFont();

// The program's icon from the executable's resources; empty where they are not linked in.
QIcon ProgramIcon();

// The data file named on the command line: among the arguments left after --device (`rest`, the
// program's name first), the first that is no option and that Qt left too (`qtLeft`: Qt takes
// its own options, such as -style and -platform, with their values).
std::optional<QString> FileArgument(const std::vector<std::string>& rest, const QStringList& qtLeft);

// Starts the editor: the application object, the main window, the event loop.
int RunApplication(int argc, char* argv[]);

} // namespace zg
