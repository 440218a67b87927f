#include "Application.h"

#include "Main_LEDFlasher_form.h"
#include "QtUserDialogs.h"

#include <QApplication>
#include <QFont>

namespace zg {

void ApplyProgramFont() {
    // Liberation Sans has Arial's metrics, so the captions fit the design's places.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
}

int RunApplication(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zelta-glow"));
    ApplyProgramFont();
    QtUserDialogs dialogs;
    ProcessEnd programEnd;
    Main_LEDFlasher_form window(dialogs, programEnd);
    window.show();
    return app.exec();
}

} // namespace zg
