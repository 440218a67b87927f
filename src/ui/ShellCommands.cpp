#include "ShellCommands.h"

#include "ManualLocation.h"
#include "ShellTexts.h"
#include "TestPlayer.h"
#include "UserDialogs.h"

#include <QUrl>

namespace zg {

ShellCommands::ShellCommands(QWidget& window, UserDialogs& dialogs, ProgramEnd& programEnd,
                             TestPlayer& player)
    : window_(window), dialogs_(dialogs), programEnd_(programEnd), player_(player) {}

void ShellCommands::About() {
    dialogs_.showMessage(&window_, {kAppTitle, AboutText()});
}

void ShellCommands::HowTo() {
    dialogs_.showMessage(&window_, {kAppTitle, kHowToText});
    // The manual that came with the program needs no network; the maker's page stands in for it.
    const auto manual = ManualLocation();
    const QString address = manual ? QUrl::fromLocalFile(*manual).toString() : kManualAddress;
    if (!dialogs_.openWebAddress(address))
        dialogs_.exclaim(&window_, ManualNotShownText(address));
}

void ShellCommands::Exit() {
    if (dialogs_.showMessage(&window_, {kAppTitle, ExitQuestion(), MessageButtons::OkCancel}) ==
        MessageAnswer::Ok)
        programEnd_.endNow();
}

void ShellCommands::ExitFromButton() {
    player_.StopTest();
    Exit();
}

void ShellCommands::EndNow() {
    programEnd_.endNow();
}

} // namespace zg
