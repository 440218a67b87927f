#include "Application.h"

#include "Main_LEDFlasher_form.h"
#include "QtUserDialogs.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

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

int RunApplication(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zelta-glow"));
    // Wayland takes a window's icon from the desktop entry named here, X11 from the window icon.
    QApplication::setDesktopFileName(QStringLiteral("zelta-glow"));
    QApplication::setWindowIcon(ProgramIcon());
    ApplyProgramFont();
    QtUserDialogs dialogs;
    ProcessEnd programEnd;
    Main_LEDFlasher_form window(dialogs, programEnd);
    window.show();
    return app.exec();
}

} // namespace zg
