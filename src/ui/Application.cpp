#include "Application.h"

#include "Main_LEDFlasher_form.h"
#include "QtUserDialogs.h"
#include "Settings_form.h"
#include "device/DeviceOption.h"
#include "device/QtSerialLink.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QTimer>

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

std::optional<QString> FileArgument(const std::vector<std::string>& rest, const QStringList& qtLeft) {
    for (std::size_t i = 1; i < rest.size(); ++i) {
        const QString argument = QString::fromLocal8Bit(rest[i]);
        if (!argument.startsWith(u'-') && qtLeft.contains(argument))
            return argument;
    }
    return std::nullopt;
}

int RunApplication(int argc, char* argv[]) {
    const DeviceOption option = ParseDeviceOption({argv, argv + argc});
    if (!option.error.empty()) {
        std::cerr << "zelta-glow: " << option.error << '\n';
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zelta-glow"));
    // Wayland takes a window's icon from the desktop entry named here, X11 from the window icon.
    QApplication::setDesktopFileName(QStringLiteral("zelta-glow"));
    QApplication::setWindowIcon(ProgramIcon());
    ApplyProgramFont();
    QtUserDialogs dialogs;
    ProcessEnd programEnd;
    auto link = option.device ? std::make_unique<QtSerialLink>(DeviceOverride(*option.device)) : nullptr;
    Main_LEDFlasher_form window(dialogs, programEnd, std::move(link));
    if (option.device)
        window.settingsForm()->setDeviceOverride(*option.device);
    window.show();
    // A file named on the command line opens once the window is up, as if chosen in Open.
    if (const auto file = FileArgument(option.rest, QCoreApplication::arguments()))
        QTimer::singleShot(0, &window, [&window, path = *file] { window.OpenFromOutside(path); });
    return app.exec();
}

} // namespace zg
