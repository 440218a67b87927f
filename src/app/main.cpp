#include "Application.h"

int main(int argc, char* argv[]) {
    return zg::RunApplication(argc, argv);
}
