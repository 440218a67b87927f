#include "ShellCommands.h"

#include "ShellTexts.h"
#include "TestPlayer.h"
#include "UserDialogs.h"

namespace zg {

ShellCommands::ShellCommands(QWidget& window, UserDialogs& dialogs, ProgramEnd& programEnd,
                             TestPlayer& player)
    : window_(window), dialogs_(dialogs), programEnd_(programEnd), player_(player) {}

void ShellCommands::About() {
    dialogs_.showMessage(&window_, {kAppTitle, AboutText()});
}

void ShellCommands::HowTo() {
    dialogs_.showMessage(&window_, {kAppTitle, kHowToText});
    dialogs_.openWebAddress(kManualAddress);
}

void ShellCommands::Exit() {
    if (dialogs_.showMessage(&window_, {kAppTitle, ExitQuestion(), MessageButtons::OkCancel}) ==
        MessageAnswer::Ok)
        programEnd_.endNow();
}

void ShellCommands::ExitFromButton() {
    if (player_.Running())
        player_.StopTest();
    Exit();
}

void ShellCommands::EndNow() {
    programEnd_.endNow();
}

} // namespace zg
