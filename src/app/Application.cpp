#include "Application.h"

#include "app/CommandLine.h"
#include "app/CommandLineExport.h"
#include "app/ParentConsole.h"
#include "app/Translations.h"
#include "device/PortListing.h"
#include "device/PresentSerialPorts.h"
#include "device/QtSerialLink.h"
#include "files/UserSettings.h"
#include "ui/common/QtUserDialogs.h"
#include "ui/settings/SettingsDialog.h"
#include "ui/window/MainWindow.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QTimer>
#include <QWindow>

#include <functional>

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

// Why the program cannot start as asked, or nothing.
QString startProblem(const CommandLine& line) {
    if (!line.error.isEmpty())
        return line.error;
    return NoDisplayReason(line, [](const char* name) { return qEnvironmentVariable(name); })
        .value_or(QString());
}

// Whether the program ends with a word on the terminal: the answer to --help or --version, or why
// it cannot start.
bool endsAtOnce(const CommandLine& line) {
    return !line.earlyAnswer.isEmpty() || !startProblem(line).isEmpty();
}

// Prints that word; the exit code.
int answer(const CommandLine& line) {
    if (!line.earlyAnswer.isEmpty()) {
        std::cout << qPrintable(line.earlyAnswer);
        return 0;
    }
    std::cerr << "zelta-glow: " << qPrintable(startProblem(line)) << '\n';
    return 2;
}

// Runs a function once the window is on the screen, so that a box it opens is centred on the
// window's real place: a window manager places a window only when it maps it.
class WhenExposed : public QObject {
  public:
    WhenExposed(QWidget& window, std::function<void()> run)
        : QObject(&window), window_(window), run_(std::move(run)) {
        window_.windowHandle()->installEventFilter(this);
        if (window_.windowHandle()->isExposed())
            runSoon();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && window_.windowHandle()->isExposed())
            runSoon();
        return QObject::eventFilter(watched, event);
    }

  private:
    void runSoon() {
        window_.windowHandle()->removeEventFilter(this);
        QTimer::singleShot(0, &window_, [run = run_, self = this] {
            self->deleteLater();
            run();
        });
    }

    QWidget& window_;
    std::function<void()> run_;
};

// --list-ports: a line for each port number that names a device, with what stands in its way.
int listPorts(const CommandLine& line) {
    const PortResolver lookup =
        line.device ? DeviceOverride(*line.device) : PortResolver([present = PresentSerialPorts()](int port) {
            return PlatformPortLookup(port, present);
        });
    for (const std::string& text : PortListing(lookup, *MakeSystemLook()))
        std::cout << text << '\n';
    return 0;
}

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

std::unique_ptr<MainWindow> StartWindow(const CommandLine& line, UserDialogs& dialogs,
                                        ProgramEnd& programEnd) {
    auto link = line.device ? std::make_unique<QtSerialLink>(DeviceOverride(*line.device)) : nullptr;
    auto window = std::make_unique<MainWindow>(dialogs, programEnd, std::move(link));
    if (line.device)
        window->settingsDialog()->setDeviceOverride(*line.device);
    // Where the window was last time; Qt brings a place that is on no screen any more back onto one.
    window->restoreGeometry(UserSettings::windowGeometry());
    window->show();
    // Asked once the window is up; a file named on the command line then opens as if chosen in
    // Open, unless unsaved work came back instead.
    new WhenExposed(*window, [form = window.get(), file = line.file] {
        if (!form->offerUnsavedWork(file) && file)
            form->openFromOutside(*file);
    });
    return window;
}

int RunApplication(int argc, char* argv[]) {
    // Set first, so that the language the user chose can be read before anything else.
    QCoreApplication::setApplicationName(QStringLiteral("zelta-glow"));
    // What the program remembers goes to ~/.config/zelta-glow/zelta-glow.conf on Linux, to the
    // registry under HKEY_CURRENT_USER\Software\zelta-glow\zelta-glow on Windows.
    QCoreApplication::setOrganizationName(QStringLiteral("zelta-glow"));
    Translations translations(UserSettings::language());
    if (argc > 1)
        UseParentConsole();
    const QStringList arguments = argumentsOf(argc, argv);
    const CommandLine line = ReadCommandLine(arguments);
    if (endsAtOnce(line)) {
        // Qt translates only inside an application object; the answer is read again inside one,
        // which names the program in the usage line as it is installed, not by the path it was
        // started by.
        char name[] = "zelta-glow";
        char* nameOnly[] = {name, nullptr};
        int count = 1;
        QCoreApplication app(count, nameOnly);
        translations.install();
        return answer(ReadCommandLine(arguments));
    }
    if (line.listPorts) {
        QCoreApplication app(argc, argv);
        translations.install();
        return listPorts(line);
    }
    if (IsExport(line)) {
        // Drawn offscreen: an export needs no display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        translations.install();
        return RunExport(line);
    }
    QApplication app(argc, argv);
    translations.install();
    // Wayland takes a window's icon from the desktop entry named here, X11 from the window icon.
    QApplication::setDesktopFileName(QStringLiteral("zelta-glow"));
    ApplyProgramFont();
    QtUserDialogs dialogs;
    ProcessEnd programEnd;
    const auto window = StartWindow(line, dialogs, programEnd);
    // Decoded once the window is up: the title bar can wait a moment for its icon, the user not.
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(ProgramIcon()); });
    return app.exec();
}

} // namespace zg
