#include "CommandLine.h"

#include <QCommandLineParser>

namespace zg {

namespace {

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

} // namespace

CommandLine ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's own options come with one dash and a whole word ("-platform offscreen").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Editor and downloader for the Zelta-Glow LED sequencer/flasher."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption device(
        QStringLiteral("device"),
        QStringLiteral("Send downloads to this serial device, whatever the port number."),
        QStringLiteral("path"));
    parser.addOption(device);
    addQtOptions(parser);
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
    if (parser.isSet(QStringLiteral("platform")))
        line.platform = parser.value(QStringLiteral("platform"));
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

std::optional<QString> NoDisplayReason(const CommandLine& line,
                                       const std::function<QString(const char*)>& environment) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const bool x11 = !environment("DISPLAY").isEmpty();
    const bool wayland = !environment("WAYLAND_DISPLAY").isEmpty();
    const QString none =
        QStringLiteral("no display to show the window on (%1); start it in a desktop session.");
    // "wayland;xcb" tries each in turn; any other platform (offscreen, vnc, eglfs) needs neither.
    const QString platforms = line.platform.value_or(environment("QT_QPA_PLATFORM"));
    if (platforms.isEmpty())
        return x11 || wayland
                   ? std::nullopt
                   : std::optional(none.arg(QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set")));
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
