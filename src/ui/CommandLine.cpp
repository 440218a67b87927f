#include "CommandLine.h"

#include <QCommandLineParser>

namespace zg {

CommandLine ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Editor and downloader for the Zelta-Glow LED sequencer/flasher."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption device(
        QStringLiteral("device"),
        QStringLiteral("Send downloads to this serial device, whatever the port number."),
        QStringLiteral("path"));
    parser.addOption(device);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A data file (*.DAT) to open at start."),
                                 QStringLiteral("[file]"));
    CommandLine line;
    if (!parser.parse(arguments)) {
        line.error = parser.errorText();
        return line;
    }
    if (parser.isSet(help) || parser.isSet(version)) {
        line.earlyAnswer =
            parser.isSet(help) ? parser.helpText() : QStringLiteral("zelta-glow " ZG_VERSION "\n");
        return line;
    }
    if (parser.isSet(device)) {
        if (parser.value(device).isEmpty())
            line.error = QStringLiteral("--device needs the path of a serial device.");
        else
            line.device = parser.value(device).toStdString();
    }
    if (parser.positionalArguments().size() > 1)
        line.error = QStringLiteral("Only one data file can be opened at start.");
    else if (!parser.positionalArguments().isEmpty())
        line.file = parser.positionalArguments().front();
    return line;
}

} // namespace zg
