#include "app/Application.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The suite runs without a display, also when ctest lists the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // What the program remembers for the user goes to a folder of the suite's own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    // As a file there on every system: on Windows it would go to the registry, which test programs
    // running side by side share.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    QApplication app(argc, argv);
    // Named as the program names itself, so that its folders are the program's.
    QCoreApplication::setApplicationName(QStringLiteral("zelta-glow"));
    QCoreApplication::setOrganizationName(QStringLiteral("zelta-glow"));
    zg::ApplyProgramFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
