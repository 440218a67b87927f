#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

namespace zg {

// What the program is asked to do on its command line, after Qt has taken its own options
// (-style, -platform ...): "zelta-glow [--device PATH] [FILE]".
struct CommandLine {
    std::optional<std::string> device; // the serial device for this run, whatever the port number
    std::optional<QString> file;       // a data file to open at start
    QString error;                     // why the command line was not understood
    QString earlyAnswer;               // the text of --help or --version: print it and end
};

CommandLine ReadCommandLine(const QStringList& arguments);

} // namespace zg
