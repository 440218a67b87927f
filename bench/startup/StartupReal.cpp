// Starts the editor exactly as the program does, and reports when its main window first shows.
#include "FirstShownProbe.h"
#include "app/Application.h"

int main(int argc, char** argv) {
    zg::bench::TakeProbeArguments(argc, argv);
    return zg::RunApplication(argc, argv);
}
