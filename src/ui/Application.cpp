#include "Application.h"

#include <QApplication>

namespace zg {

int RunApplication(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return app.exec();
}

} // namespace zg
