#include "QtTestApp.h"

#include <QCoreApplication>

namespace zg::testing {

void EnsureQtApp() {
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "zg-device";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

} // namespace zg::testing
