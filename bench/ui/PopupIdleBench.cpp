// How much processor time an open pop-up list costs while the user looks at it.
#include "BenchFigures.h"
#include "BenchWindow.h"
#include "app/Application.h"
#include "ui/common/UserDialogs.h"
#include "ui/controls/ClickableLabel.h"
#include "ui/controls/PopupList.h"
#include "ui/window/MainWindow.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <ctime>

int main(int argc, char** argv) {
    const FigurePrinter figure{TakeTsvFlag(argc, argv)};
    BenchWindow window(argc, argv);
    zg::MainWindow& form = window.form();

    constexpr int kOpenMs = 3000;
    const auto wallStart = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    auto* list = form.findChild<zg::PopupList*>(QStringLiteral("ColorList"));
    form.chooseLedColor(0); // opens the list; the window's own event loop idles until the pick
    QTimer::singleShot(kOpenMs, list, [&] {
        list->close();
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    const double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    std::printf("pop-up list open: wall %.3f s, cpu %.4f s, cpu share %.3f %%\n", wall, cpu,
                100.0 * cpu / wall);
    figure("popup.idle_cpu_share", 100.0 * cpu / wall, "%");
    return 0;
}
