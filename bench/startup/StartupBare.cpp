// The yardstick of the editor's start: a bare Qt main window of the editor's client size with a menu
// bar, started the same way, reporting when it first shows.
#include "FirstShownProbe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    zg::bench::TakeProbeArguments(argc, argv);
    QApplication app(argc, argv);
    QMainWindow window;
    auto* client = new QWidget(&window);
    client->setFixedSize(640, 255);
    window.setCentralWidget(client);
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Open..."));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    window.setFixedSize(window.sizeHint());
    window.show();
    return app.exec();
}
