#include "Application.h"

#include "Main_LEDFlasher_form.h"
#include "QtUserDialogs.h"
#include "Settings_form.h"
#include "device/DeviceOption.h"
#include "device/QtSerialLink.h"

#include <QApplication>
#include <QFont>

#include <iostream>
#include <memory>

namespace zg {

void ApplyProgramFont() {
    // Liberation Sans has Arial's metrics, so the captions fit the design's places.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
}

int RunApplication(int argc, char* argv[]) {
    const DeviceOption option = ParseDeviceOption({argv, argv + argc});
    if (!option.error.empty()) {
        std::cerr << "zelta-glow: " << option.error << '\n';
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zelta-glow"));
    ApplyProgramFont();
    QtUserDialogs dialogs;
    ProcessEnd programEnd;
    auto link = option.device ? std::make_unique<QtSerialLink>(DeviceOverride(*option.device)) : nullptr;
    Main_LEDFlasher_form window(dialogs, programEnd, std::move(link));
    if (option.device)
        window.settingsForm()->setDeviceOverride(*option.device);
    window.show();
    return app.exec();
}

} // namespace zg
