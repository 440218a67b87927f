// Holds a serial device open as another program would (QSerialPort, with its lock file), says
// "held" once it does, and lets go when its standard input closes.
#include <QCoreApplication>
#include <QSerialPort>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QSerialPort port(QString::fromLocal8Bit(argv[1]));
    if (!port.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "%s\n", qPrintable(port.errorString()));
        return 1;
    }
    std::printf("held\n");
    std::fflush(stdout);
    std::string rest;
    std::getline(std::cin, rest);
    return 0;
}
