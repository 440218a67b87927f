#include "ShellCommands.h"

#include "ManualLocation.h"
#include "ShellTexts.h"
#include "TestPlayer.h"
#include "UnsavedWork.h"
#include "UserDialogs.h"

#include <QUrl>

namespace zg {

ShellCommands::ShellCommands(QWidget& window, UserDialogs& dialogs, ProgramEnd& programEnd,
                             TestPlayer& player, UnsavedWork& unsaved)
    : window_(window), dialogs_(dialogs), programEnd_(programEnd), player_(player), unsaved_(unsaved) {}

void ShellCommands::showAbout() {
    dialogs_.showMessage(&window_, {kAppTitle, AboutText()});
}

void ShellCommands::showManual() {
    // The manual that came with the program needs no network; the maker's page stands in for it.
    const auto manual = ManualLocation();
    dialogs_.showMessage(&window_, {kAppTitle, manual ? kHowToManualText : kHowToText});
    const QString address = manual ? QUrl::fromLocalFile(*manual).toString() : kManualAddress;
    if (!dialogs_.openWebAddress(address))
        dialogs_.exclaim(&window_, ManualNotShownText(address));
}

void ShellCommands::askToExit() {
    if (dialogs_.showMessage(&window_, {kAppTitle, ExitQuestion(), MessageButtons::OkCancel}) ==
        MessageAnswer::Ok)
        endNow();
}

void ShellCommands::exitFromButton() {
    player_.stopTest();
    askToExit();
}

void ShellCommands::endNow() {
    unsaved_.keepNow();
    programEnd_.endNow();
}

} // namespace zg
