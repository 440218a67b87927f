#include "Application.h"

#include "CommandLine.h"
#include "Main_LEDFlasher_form.h"
#include "QtUserDialogs.h"
#include "Settings_form.h"
#include "device/QtSerialLink.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QTimer>

#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>

namespace zg {

void ApplyProgramFont() {
    // Liberation Sans has Arial's metrics, so the captions fit the design's places.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
}

QIcon ProgramIcon() {
    // Two sizes, so that neither the title bar nor a task switcher has to scale far.
    QIcon icon;
    icon.addFile(QStringLiteral(":/zelta-glow-64.png"));
    icon.addFile(QStringLiteral(":/zelta-glow-256.png"));
    return icon;
}

namespace {

// --help and --version answer on the terminal, also where no display can be had.
bool AsksOnlyForText(int argc, char* argv[]) {
    const QStringList text{"-h", "--help", "-?", "--help-all", "-v", "--version"};
    return std::any_of(argv + 1, argv + argc,
                       [&text](const char* arg) { return text.contains(QLatin1String(arg)); });
}

// Prints the answer to --help or --version, or why the command line was not understood; the exit
// code when the program should end here.
std::optional<int> Answered(const CommandLine& line) {
    if (!line.earlyAnswer.isEmpty()) {
        std::cout << qPrintable(line.earlyAnswer);
        return 0;
    }
    if (!line.error.isEmpty()) {
        std::cerr << "zelta-glow: " << qPrintable(line.error) << '\n';
        return 2;
    }
    return std::nullopt;
}

} // namespace

int RunApplication(int argc, char* argv[]) {
    if (AsksOnlyForText(argc, argv)) {
        const QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationVersion(QStringLiteral(ZG_VERSION));
        return Answered(ReadCommandLine(QCoreApplication::arguments())).value_or(0);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zelta-glow"));
    // Qt has taken its own options (-style, -platform ...) out of the arguments by now.
    const CommandLine line = ReadCommandLine(QCoreApplication::arguments());
    if (const auto code = Answered(line))
        return *code;
    // Wayland takes a window's icon from the desktop entry named here, X11 from the window icon.
    QApplication::setDesktopFileName(QStringLiteral("zelta-glow"));
    QApplication::setWindowIcon(ProgramIcon());
    ApplyProgramFont();
    QtUserDialogs dialogs;
    ProcessEnd programEnd;
    auto link = line.device ? std::make_unique<QtSerialLink>(DeviceOverride(*line.device)) : nullptr;
    Main_LEDFlasher_form window(dialogs, programEnd, std::move(link));
    if (line.device)
        window.settingsForm()->setDeviceOverride(*line.device);
    window.show();
    // A file named on the command line opens once the window is up, as if chosen in Open.
    if (line.file)
        QTimer::singleShot(0, &window, [&window, path = *line.file] { window.OpenFromOutside(path); });
    return app.exec();
}

} // namespace zg
