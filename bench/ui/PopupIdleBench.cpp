// How much processor time an open pop-up list costs while the user looks at it.
#include "ui/Application.h"
#include "ui/ClickableLabel.h"
#include "ui/Main_LEDFlasher_form.h"
#include "ui/PopupList.h"
#include "ui/UserDialogs.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

struct NoDialogs : zg::UserDialogs {
    zg::MessageAnswer showMessage(QWidget*, const zg::MessageRequest&) override { return zg::MessageAnswer::Ok; }
    std::optional<QString> getOpenFileName(QWidget*, const zg::FileDialogRequest&) override { return {}; }
    std::optional<QString> getSaveFileName(QWidget*, const zg::FileDialogRequest&) override { return {}; }
};
struct NoEnd : zg::ProgramEnd {
    void endNow() override {}
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zg::ApplyProgramFont();
    NoDialogs dialogs;
    NoEnd end;
    zg::Main_LEDFlasher_form form(dialogs, end);
    form.show();
    QApplication::processEvents();

    constexpr int kOpenMs = 3000;
    const auto wallStart = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    auto* list = form.findChild<zg::PopupList*>(QStringLiteral("ColorList"));
    QTimer::singleShot(kOpenMs, list, [&] { form.ColorList_Click(); });
    form.LEDlabel1_Click(0); // waits until the timer picks
    const double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    std::printf("pop-up list open: wall %.3f s, cpu %.4f s, cpu share %.3f %%\n", wall, cpu, 100.0 * cpu / wall);
    return 0;
}
