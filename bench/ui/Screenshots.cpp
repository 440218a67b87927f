// Writes pictures of the main window, the settings dialog and the About box, as the program draws
// them, into the folder named on the command line.
#include "BenchWindow.h"
#include "ui/common/QtUserDialogs.h"
#include "ui/settings/SettingsDialog.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

namespace {

// The real message boxes, photographed and closed as soon as they show.
struct PhotographedDialogs : zg::QtUserDialogs {
    QString folder;
    QString nextName;
    zg::MessageAnswer showMessage(QWidget* parent, const zg::MessageRequest& request) override {
        QTimer::singleShot(200, [this] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                box->grab().save(folder + "/" + nextName);
                box->close();
            }
        });
        return QtUserDialogs::showMessage(parent, request);
    }
};

} // namespace

int main(int argc, char** argv) {
    UseOffscreenUnlessTold();
    QApplication app(argc, argv);
    zg::ApplyProgramFont();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);
    PhotographedDialogs dialogs;
    dialogs.folder = folder;
    BenchEnd end;
    zg::MainWindow form(dialogs, end);
    form.show();
    QApplication::processEvents();
    form.grab().save(folder + "/main-window.png");

    // A drawn pattern, for a livelier picture.
    for (int e = 0; e < 50; ++e)
        for (int led = 0; led < 4; ++led)
            form.sequence().setCell(led, e, (e + led) % (led + 2) == 0);
    form.sequence().setLedColor(0, 1);
    form.sequence().setLedColor(1, 2);
    form.sequence().setLedColor(2, 3);
    form.sequence().setLedColor(3, 6);
    form.sequence().setEndEvent(39);
    if (QWidget* focused = QApplication::focusWidget())
        focused->clearFocus(); // no keyboard focus frame in the picture
    QApplication::processEvents();
    form.grab().save(folder + "/main-window-pattern.png");

    form.settingsDialog()->show();
    QApplication::processEvents();
    form.settingsDialog()->grab().save(folder + "/settings.png");
    form.settingsDialog()->hide();

    dialogs.nextName = "about.png";
    form.showAbout();
    std::printf("pictures written to %s\n", qPrintable(folder));
    return 0;
}
