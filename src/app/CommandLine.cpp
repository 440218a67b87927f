#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace zg {

namespace {

struct LineText {
    Q_DECLARE_TR_FUNCTIONS(zg::CommandLine)
};

// The options every Qt program takes; QApplication reads them itself.
void addQtOptions(QCommandLineParser& parser) {
    const QStringList withValue{"platform",      "platformpluginpath",
                                "platformtheme", "plugin",
                                "qmljsdebugger", "qwindowgeometry",
                                "qwindowicon",   "qwindowtitle",
                                "session",       "display",
                                "geometry",      "style",
                                "stylesheet",    "title",
                                "name",          "visual",
                                "fontengine"};
    const QStringList flags{"reverse", "widgetcount", "nograb", "dograb", "sync"};
    for (const QString& name : withValue) {
        QCommandLineOption option(name, QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString& name : flags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// Why the export options do not go together, if they do not; reads the stick's pulse width.
QString exportProblem(const QCommandLineParser& parser, CommandLine& line, const QCommandLineOption& stick) {
    if (line.model && !line.exportGif)
        return LineText::tr("--model goes with --export-gif.");
    if (line.exportGif && line.exportPng)
        return LineText::tr("Give either --export-gif or --export-png, not both.");
    if ((line.exportGif && line.exportGif->isEmpty()) || (line.exportPng && line.exportPng->isEmpty()))
        return LineText::tr("An export needs the name of the file to write.");
    if (IsExport(line) && !line.file)
        return LineText::tr("An export needs the data file to export.");
    if (parser.isSet(stick)) {
        bool number = false;
        line.stickMicroseconds = parser.value(stick).toInt(&number);
        if (!line.exportGif)
            return LineText::tr("--stick goes with --export-gif.");
        if (!number || line.stickMicroseconds < 1000 || line.stickMicroseconds > 1999)
            return LineText::tr("--stick needs a pulse width from 1000 to 1999 microseconds.");
    }
    return {};
}

} // namespace

CommandLine ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's own options come with one dash and a whole word ("-platform offscreen").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        LineText::tr("Editor and downloader for the Zelta-Glow LED sequencer/flasher."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption device(
        QStringLiteral("device"),
        LineText::tr("Send downloads to this serial device, whatever the port number."),
        LineText::tr("path"));
    parser.addOption(device);
    const QCommandLineOption gif(
        QStringLiteral("export-gif"),
        LineText::tr("Write the file's animation as the module shows it to this GIF and end."),
        LineText::tr("out.gif"));
    const QCommandLineOption png(QStringLiteral("export-png"),
                                 LineText::tr("Write a picture of the file's pattern to this PNG and end."),
                                 LineText::tr("out.png"));
    const QCommandLineOption stick(QStringLiteral("stick"),
                                   LineText::tr("The servo pulse width the animation shows (default 1500)."),
                                   LineText::tr("microseconds"));
    const QCommandLineOption model(
        QStringLiteral("model"),
        LineText::tr("Show the animation on this model of yours instead of four lights."),
        LineText::tr("name"));
    const QCommandLineOption ports(
        QStringLiteral("list-ports"),
        LineText::tr("List the serial ports by number, with the adapter behind each and what stands in the "
                     "way of a download, and end."));
    parser.addOptions({gif, png, stick, model, ports});
    addQtOptions(parser);
    parser.addPositionalArgument(LineText::tr("file"), LineText::tr("A data file (*.DAT) to open at start."),
                                 LineText::tr("[file]"));
    CommandLine line;
    if (!parser.parse(arguments)) {
        line.error = parser.errorText();
        return line;
    }
    if (parser.isSet(help) || parser.isSet(version)) {
        // Answered before the application object exists, so Qt cannot know the program's name.
        line.earlyAnswer = parser.isSet(help) ? parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                                          QStringLiteral("zelta-glow"))
                                              : QStringLiteral("zelta-glow " ZG_VERSION "\n");
        return line;
    }
    if (parser.isSet(QStringLiteral("platform")))
        line.platform = parser.value(QStringLiteral("platform"));
    if (parser.isSet(device)) {
        if (parser.value(device).isEmpty())
            line.error = LineText::tr("--device needs the path of a serial device.");
        else
            line.device = parser.value(device).toStdString();
    }
    if (parser.positionalArguments().size() > 1)
        line.error = LineText::tr("Only one data file can be opened at start.");
    else if (!parser.positionalArguments().isEmpty())
        line.file = parser.positionalArguments().front();
    if (parser.isSet(gif))
        line.exportGif = parser.value(gif);
    if (parser.isSet(png))
        line.exportPng = parser.value(png);
    if (parser.isSet(model))
        line.model = parser.value(model);
    line.listPorts = parser.isSet(ports);
    if (const QString problem = exportProblem(parser, line, stick); line.error.isEmpty())
        line.error = problem;
    if (line.listPorts && (IsExport(line) || line.file) && line.error.isEmpty())
        line.error = LineText::tr("--list-ports goes with --device only.");
    return line;
}

std::optional<QString> NoDisplayReason(const CommandLine& line,
                                       const std::function<QString(const char*)>& environment) {
    if (IsExport(line) || line.listPorts)
        return std::nullopt; // an export draws offscreen; the port list is text
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const bool x11 = !environment("DISPLAY").isEmpty();
    const bool wayland = !environment("WAYLAND_DISPLAY").isEmpty();
    const QString none =
        LineText::tr("no display to show the window on (%1); start it in a desktop session.");
    // "wayland;xcb" tries each in turn; any other platform (offscreen, vnc, eglfs) needs neither.
    const QString platforms = line.platform.value_or(environment("QT_QPA_PLATFORM"));
    if (platforms.isEmpty())
        return x11 || wayland
                   ? std::nullopt
                   : std::optional(none.arg(LineText::tr("neither DISPLAY nor WAYLAND_DISPLAY is set")));
    for (const QString& platform : platforms.split(u';')) {
        if (platform.startsWith(QStringLiteral("xcb"))       ? x11
            : platform.startsWith(QStringLiteral("wayland")) ? wayland
                                                             : true)
            return std::nullopt;
    }
    return none.arg(platforms.startsWith(QStringLiteral("xcb")) ? QStringLiteral("DISPLAY")
                                                                : QStringLiteral("WAYLAND_DISPLAY"));
#else
    Q_UNUSED(line);
    Q_UNUSED(environment);
#endif
    return std::nullopt;
}

} // namespace zg
