#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

namespace zg {

// What the program is asked to do on its command line: "zelta-glow [--device PATH] [FILE]", or an
// export without a window: "zelta-glow --export-gif OUT [--stick MICROSECONDS] [--model NAME] FILE" or
// "zelta-glow --export-png OUT FILE", or "zelta-glow --list-ports [--device PATH]". The
// arguments are read once, as the program got them, before anything needs a display, so that
// --help and --version answer on a terminal without one; Qt's own options (-platform, -style ...)
// are known and left to Qt.
struct CommandLine {
    std::optional<std::string> device; // the serial device for this run, whatever the port number
    std::optional<QString> file;       // a data file to open at start
    std::optional<QString> platform;   // Qt's -platform, if given
    std::optional<QString> exportGif;  // write the file's animation here and end
    std::optional<QString> exportPng;  // write the file's picture here and end
    std::optional<QString> model;      // the user's model the animation is shown on
    int stickMicroseconds = 1500;      // the stick position the animation shows
    bool listPorts = false;            // print the serial ports and what stands in their way, and end
    QString error;                     // why the command line was not understood
    QString earlyAnswer;               // the text of --help or --version: print it and end
};

CommandLine ReadCommandLine(const QStringList& arguments);

inline bool IsExport(const CommandLine& line) {
    return line.exportGif || line.exportPng;
}

// Why no window can be shown, or nothing when one can (or none is needed, for an export): on X11 and Wayland
// systems a session names its display in DISPLAY or WAYLAND_DISPLAY. `environment` reads a variable.
std::optional<QString> NoDisplayReason(const CommandLine& line,
                                       const std::function<QString(const char*)>& environment);

} // namespace zg
